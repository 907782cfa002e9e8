# How Wine runs for this project's tests, whoever starts it: sourced by build-dir/run-under-wine,
# ctest's runner for the Windows test programs, and by wine-session.sh, the package tests'.
#   run_wine ARGUMENT...   wine ARGUMENT..., with the address layout fixed where the system allows

# Wine turns Windows names into Unix ones through the locale's character set, and the POSIX
# locale of a fresh container has none for "ä": a UTF-8 locale of its own, whatever the caller's.
export LC_ALL=C.UTF-8
unset LANGUAGE

# Debian's 64-bit Wine has no preloader to reserve Windows' fixed addresses before anything else
# is mapped, and the kernel puts the loader's heap at a random place above the loader. Now and
# then, once in some thousands of starts, that heap covers the shared user data page at
# 0x7ffe0000, and Wine ends with status 1 before the program runs, silently under WINEDEBUG=-all.
# Without randomisation the heap starts right after the loader, far below that page, and the
# Windows programs that one starts inherit the layout. Where a container forbids that, Wine runs
# as it is.
wine_layout=()
if setarch --addr-no-randomize true 2>/dev/null; then
    wine_layout=(setarch --addr-no-randomize)
fi

run_wine() {
    "${wine_layout[@]}" wine "$@"
}
