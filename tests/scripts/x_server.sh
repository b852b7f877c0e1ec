# Sourced by the tests that need an X server of their own.
# start_x_server [SCREEN]: starts Xvfb on the first free display, sets
# DISPLAY and XVFB_PID, and returns only once a client can connect; a server
# that reports its display but takes no connections is replaced (up to three
# tries). The server does not reset when its last client leaves, so the
# checks' short connections leave it as it was. stop_x_server: ends it and waits until it has gone, so that the
# next test's server never meets its socket or lock half removed.
XVFB_PID=

stop_x_server() {
    [ -n "$XVFB_PID" ] || return 0
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

start_x_server() {
    local screen=${1:-1280x1024x24} number_file try
    number_file=$(mktemp)
    for try in 1 2 3; do
        : >"$number_file"
        Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$number_file" 2>/dev/null &
        XVFB_PID=$!
        for _ in $(seq 100); do
            [ "$(wc -l <"$number_file")" -ge 1 ] && break
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [ "$(wc -l <"$number_file")" -ge 1 ]; then
            export DISPLAY=:$(head -n1 "$number_file")
            for _ in $(seq 50); do
                if xdotool getdisplaygeometry >/dev/null 2>&1; then
                    rm -f "$number_file"
                    return 0
                fi
                sleep 0.1
            done
        fi
        echo "X server try $try failed; starting another" >&2
        stop_x_server
    done
    rm -f "$number_file"
    return 1
}
