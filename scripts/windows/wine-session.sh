# A private X server with a window manager, and fresh Wine prefixes to run the Windows program in.
# Sourced by the package tests; everything it starts ends when the sourcing script exits.
#   wine_session_start WORK_FOLDER   starts Xvfb and openbox, exports DISPLAY
#   fresh_wine_prefix NAME           makes WORK_FOLDER/NAME a booted prefix and exports WINEPREFIX
#   wait_for_window NAME [SECONDS]   prints the id of the visible window with that exact title
#   content_origin ID LAYOUT_HEIGHT  sets content_x, content_y: where the window's layout starts
#   exit_from_file_menu WINDOW PID   File > Exit in that window; fails unless PID ends with status 0
#   fail MESSAGE                     reports, keeps a screenshot, and ends the test with status 1
# and run_wine from wine-environment.sh, which every Windows program here is started with.

# Wine's locale, C.UTF-8 whatever the caller's, is also the one the tools that check the screen
# read their words through.
source "$(dirname "${BASH_SOURCE[0]}")/wine-environment.sh"

session_pids=()
session_work=
session_prefix= # the prefix whose Wine server this session started

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$session_work" ] && [ -n "${DISPLAY:-}" ]; then
        import -window root "$session_work/failure.png" 2>/dev/null \
            && echo "the screen at the failure: $session_work/failure.png" >&2
    fi
    exit 1
}

# Ends the prefix's Wine server and removes the prefix (some 700 MB).
drop_wine_prefix() {
    [ -n "$session_prefix" ] || return 0
    WINEPREFIX=$session_prefix wineserver -k >/dev/null 2>&1 || true
    rm -rf "$session_prefix"
    session_prefix=
}

end_wine_session() {
    local status=$? pid
    # A failed test leaves its prefix for a look at what happened; the next run removes it.
    if [ "$status" -eq 0 ]; then
        drop_wine_prefix
    elif [ -n "$session_prefix" ]; then
        WINEPREFIX=$session_prefix wineserver -k >/dev/null 2>&1 || true
    fi
    for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}

wine_session_start() {
    session_work=$1
    mkdir -p "$session_work"
    trap end_wine_session EXIT
    # Xvfb picks a free display itself and writes its number to the file.
    rm -f "$session_work/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$session_work/display" \
        >"$session_work/xvfb.log" 2>&1 &
    session_pids+=($!)
    local tries
    for tries in $(seq 100); do [ -s "$session_work/display" ] && break; sleep 0.1; done
    [ -s "$session_work/display" ] || fail "Xvfb did not start (see $session_work/xvfb.log)"
    export DISPLAY=:$(cat "$session_work/display")
    # Openbox runs its start-up command once it manages windows; a window mapped before may stay unmapped.
    rm -f "$session_work/openbox-ready"
    openbox --sm-disable --startup "touch $session_work/openbox-ready" >"$session_work/openbox.log" 2>&1 &
    session_pids+=($!)
    for tries in $(seq 100); do [ -e "$session_work/openbox-ready" ] && break; sleep 0.1; done
    [ -e "$session_work/openbox-ready" ] || fail "openbox did not start (see $session_work/openbox.log)"
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no offer to install Mono or Gecko
}

fresh_wine_prefix() {
    drop_wine_prefix
    session_prefix=$session_work/$1
    export WINEPREFIX=$session_prefix
    rm -rf "$WINEPREFIX"
    # The first program in a prefix starts Wine's desktop process, which keeps the output it
    # inherits open: booting the prefix first, with its output in a file, keeps it off the tests'.
    run_wine wineboot -i >"$session_work/$1-boot.log" 2>&1 || fail "wineboot failed (see $session_work/$1-boot.log)"
}

wait_for_window() {
    local name=$1 seconds=${2:-60} id tries
    for tries in $(seq $((seconds * 5))); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

content_origin() {
    # xwininfo gives the window's place on the screen; xdotool's is off by the frame's size. The
    # window's layout places its controls below its menu bar, which takes the rest of its height.
    local info top height
    info=$(xwininfo -id "$1")
    content_x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    top=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    height=$(sed -n 's/^ *Height: *//p' <<<"$info")
    content_y=$((top + height - $2))
}

exit_from_file_menu() {
    local window=$1 program=$2 status=0
    # The menu's access keys: Alt+F opens "&File", X chooses "E&xit".
    xdotool windowactivate --sync "$window" key alt+f
    sleep 0.5
    xdotool key x
    for _ in $(seq 150); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
    ! kill -0 "$program" 2>/dev/null || fail "File > Exit did not end the program"
    wait "$program" || status=$?
    [ "$status" -eq 0 ] || fail "File > Exit ended the program with status $status"
}
