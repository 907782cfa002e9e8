// Test helper, preloaded into Wine's processes after the layout guard: takes Windows' shared user
// data page at 0x7ffe0000 as a process starts, as the loader's heap now and then does, so that a
// test needs no luck to see what follows.
//   TOVALIN_TAKE_PAGE=first  in each process's first start: a file per pid in TOVALIN_TAKE_PAGE_MARKS
//   TOVALIN_TAKE_PAGE=every  in every start
// Only Wine's own start of a program counts: the one with WINELOADERNOEXEC set, which maps that page.
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

static int first_start_of_this_process(void)
{
    const char* marks = getenv("TOVALIN_TAKE_PAGE_MARKS");
    if (!marks)
        return 0;
    char mark[4096];
    snprintf(mark, sizeof mark, "%s/%ld", marks, (long)getpid());
    const int fd = open(mark, O_CREAT | O_EXCL | O_WRONLY, 0600);
    if (fd < 0)
        return 0;
    close(fd);
    return 1;
}

__attribute__((constructor)) static void take_shared_user_data(void)
{
    const char* when = getenv("TOVALIN_TAKE_PAGE");
    if (!when || !getenv("WINELOADERNOEXEC"))
        return;
    if (strcmp(when, "every") == 0 || (strcmp(when, "first") == 0 && first_start_of_this_process()))
        mmap((void*)0x7ffe0000, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
}
