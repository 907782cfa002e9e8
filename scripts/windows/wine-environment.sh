# How Wine runs for this project's tests, whoever starts it: sourced by build-dir/run-under-wine,
# ctest's runner for the Windows test programs, and by wine-session.sh, the package tests'.
#   run_wine ARGUMENT...   wine ARGUMENT..., every process of it started clear of Windows' fixed page
wine_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$wine_scripts/cache.sh"

# Wine turns Windows names into Unix ones through the locale's character set, and the POSIX
# locale of a fresh container has none for "ä": a UTF-8 locale of its own, whatever the caller's.
export LC_ALL=C.UTF-8
unset LANGUAGE

# Now and then the kernel puts a Wine process's heap on Windows' shared user data page, and Wine
# ends with status 1 before the program runs. The guard, preloaded into every process Wine starts,
# starts such a process again (wine-layout-guard.c says why and how). It needs no personality(2),
# which a container may refuse, so it is the one way Wine starts here, on every machine.
wine_layout_guard=$(cached_c_build "$wine_scripts/wine-layout-guard.c" -shared -fPIC) || wine_layout_guard=

run_wine() {
    case $wine_layout_guard in
        '') echo "run_wine: the Wine layout guard did not build, so Wine is not started" >&2; return 125 ;;
        *[:\ ]*) # the separators of LD_PRELOAD
            echo "run_wine: the cache folder must not hold a colon or a blank: $wine_layout_guard" >&2; return 125 ;;
    esac
    LD_PRELOAD=$wine_layout_guard${LD_PRELOAD:+:$LD_PRELOAD} wine "$@"
}
