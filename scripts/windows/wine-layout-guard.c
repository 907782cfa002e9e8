// Preloaded into every Wine process the project starts: a process whose start-up layout would
// take Windows' shared user data page starts itself again, with a fresh layout, before Wine runs.
//
// Debian's 64-bit Wine has no preloader to reserve Windows' fixed addresses before anything else
// is mapped. Its loader lies at 0x7d000000 and the kernel puts the loader's heap at a random place
// in the gigabyte above; once in some thousands of starts that heap lies on, or grows over, the
// page at 0x7ffe0000, and Wine ends with status 1 before the program runs. Turning randomisation
// off would need personality(2), which a container's seccomp profile may refuse; starting the
// process again needs nothing, and it keeps its pid, arguments, environment and open files. It is
// written in C so that it brings no library of its own into Wine's processes.
#define _GNU_SOURCE
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

enum {
    shared_user_data = 0x7ffe0000,
    // A Wine process's heap holds some 130 KiB soon after it starts, and under 2 MiB at the end of
    // a test program's run: a heap that ends this far below the page stays clear of it. One start
    // in 64 (16 MiB of the gigabyte) is started again for it.
    heap_margin = 16 << 20,
    // Eight starts in a row that land there mean that this system places the heap there every time.
    most_restarts = 8,
};

static const char restarts_variable[] = "TOVALIN_WINE_LAYOUT_RESTARTS";

static int page_is_taken(void)
{
    unsigned char resident;
    return mincore((void*)shared_user_data, 1, &resident) == 0; // ENOMEM: nothing is mapped there
}

static int heap_may_grow_over_page(void)
{
    const uintptr_t heap_end = (uintptr_t)sbrk(0);
    return heap_end < shared_user_data && heap_end + heap_margin > shared_user_data;
}

// Wine says why it cannot start on its error channel for virtual memory, which the tests'
// WINEDEBUG=-all turns off: this process is about to fail, so it says so, in Wine's one line.
static void let_wine_report_the_page(void)
{
    static const char channel[] = "err+virtual";
    const char* debug = getenv("WINEDEBUG");
    if (!debug || !*debug) {
        setenv("WINEDEBUG", channel, 1);
        return;
    }
    char* both = malloc(strlen(debug) + sizeof channel + 1);
    if (!both)
        return;
    sprintf(both, "%s,%s", debug, channel);
    setenv("WINEDEBUG", both, 1);
    free(both);
}

// The C library hands a constructor the program's arguments, to start it again with.
__attribute__((constructor)) static void keep_shared_user_data_free(int argc, char** argv)
{
    (void)argc;
    const char* counted = getenv(restarts_variable);
    const int restarts = counted ? atoi(counted) : 0;
    if (!page_is_taken() && !heap_may_grow_over_page()) {
        unsetenv(restarts_variable); // the program sees none of this
        return;
    }
    if (restarts < most_restarts) {
        char count[16];
        snprintf(count, sizeof count, "%d", restarts + 1);
        setenv(restarts_variable, count, 1);
        execv("/proc/self/exe", argv);
    }
    unsetenv(restarts_variable);
    let_wine_report_the_page();
}
