// Runs a command as a container's default seccomp profile does: personality(2) may not turn off
// address-space randomisation, so `setarch --addr-no-randomize` fails. What the command starts
// is held to the same rule.   Usage: refuse-fixed-layout COMMAND [ARGUMENT...]
#include <errno.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/personality.h>
#include <linux/seccomp.h>
#include <stddef.h>
#include <stdio.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    struct sock_filter rule[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, 5),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_personality, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, args[0])),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, 0xffffffff, 1, 0), // asks for the current one
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, ADDR_NO_RANDOMIZE, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
    };
    struct sock_fprog filter = {sizeof rule / sizeof rule[0], rule};
    if (argc < 2) {
        fprintf(stderr, "usage: refuse-fixed-layout COMMAND [ARGUMENT...]\n");
        return 125;
    }
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter)) {
        perror("refuse-fixed-layout");
        return 125;
    }
    execvp(argv[1], argv + 1);
    perror(argv[1]);
    return 127;
}
