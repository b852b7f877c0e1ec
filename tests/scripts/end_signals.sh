#!/bin/bash
# The program ended from outside after three counted games: by SIGTERM, by
# SIGHUP, and by its X display going away. The statistics file must hold the
# three games either way. Needs Xvfb and xdotool; skipped (77) without them.
set -u
program=$1
tool=$2
data=$3
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77
source "$(dirname "$0")/x_server.sh"
work=$(mktemp -d)
app=
cleanup() {
    [ -n "$app" ] && kill -9 "$app" 2>/dev/null
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL ($how): $*" >&2
    [ -s "${dir:-}/log" ] && tail -n 20 "$dir/log" >&2
    { echo "DISPLAY=${DISPLAY:-} server ${XVFB_PID:-none}"; ls -la /tmp/.X11-unix/ /tmp/.X*-lock; pgrep -a Xvfb; } >&2 2>/dev/null
    exit 1
}

played() {
    "$tool" inspect "$dir/quillo.won" 2>/dev/null | grep -o '"Played":[0-9]*' | cut -d: -f2 | awk '{s+=$1} END {print s+0}'
}

# Waits up to about ten seconds for a condition.
wait_for() {
    for _ in $(seq 100); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}

for how in TERM HUP display; do
    dir=$work/$how
    mkdir -p "$dir"
    # The program directory is where the binary is: a copy of it beside the
    # shipped card sets and frames.
    cp "$program" "$dir/"
    for f in "$data"/*.cr3 "$data"/*.cr4 "$data"/*.frm "$data"/*.bmp; do
        [ -e "$f" ] && ln -s "$f" "$dir/"
    done
    # A program that could not reach its new server is started again on
    # another one; any other failure to show the welcome box is the test's.
    for try in 1 2 3; do
        start_x_server || fail "no X server"
        "$dir/$(basename "$program")" >"$dir/log" 2>&1 &
        app=$!
        wait_for 'xdotool search --name "^Welcome$" >/dev/null 2>&1 || ! kill -0 "$app" 2>/dev/null'
        kill -0 "$app" 2>/dev/null && break
        grep -q "could not connect to display" "$dir/log" || break
        echo "try $try: the program could not connect to $DISPLAY" >&2
        wait "$app" 2>/dev/null
        app=
        stop_x_server
    done
    xdotool search --name "^Welcome$" >/dev/null 2>&1 || fail "no welcome box"
    window=$(xdotool search --name "^Welcome$" | head -1)
    xdotool mousemove --window "$window" 10 10 key Return
    wait_for '! xdotool search --onlyvisible --name "^Welcome$" >/dev/null 2>&1' || fail "welcome box stays"
    # The field: well inside the main window, below the tool bar.
    wait_for 'xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1' || fail "no main window"
    main=$(xdotool search --onlyvisible --pid "$app" | tail -1)
    eval "$(xdotool getwindowgeometry --shell "$main")"
    for n in 1 2 3; do
        [ "$n" -gt 1 ] && xdotool key F2
        xdotool mousemove $((X + WIDTH - 30)) $((Y + HEIGHT - 30))
        # The first press on the table counts the deal (later presses do not);
        # counted games are written at once.
        wait_for 'xdotool click 1; [ "$(played)" = "$n" ]' || fail "game $n not in the file (played $(played))"
    done
    case $how in
    TERM | HUP)
        kill -"$how" "$app"
        wait_for '! kill -0 "$app" 2>/dev/null' || fail "still running after SIG$how"
        wait "$app"
        status=$?
        [ "$status" = 0 ] || fail "exit status $status"
        ;;
    display)
        stop_x_server
        wait_for '! kill -0 "$app" 2>/dev/null' || fail "still running without its display"
        ;;
    esac
    app=
    stop_x_server
    [ "$(played)" = 3 ] || fail "statistics hold $(played) games, not 3"
    [ -s "$dir/quillo.set" ] || fail "no settings file"
    ls "$dir" | grep -q '\.[A-Za-z0-9]\{6\}$' && fail "temporary file left: $(ls "$dir")"
    echo "ok ($how): 3 games kept"
done
exit 0
