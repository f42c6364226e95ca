# Sourced by the end-to-end tests: starts a private Xvfb and stops it on exit.
# Sets DISPLAY; the caller's EXIT trap should call stop_xvfb.
start_xvfb() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
    [ "$DISPLAY" != ":" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
    export DISPLAY
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    return 0
}

# Waits for a window with exactly this caption; prints its id.
wait_window() {
    local caption=$1 id=""
    local pattern
    pattern="^$(printf '%s' "$caption" | sed 's/[][\.*^$()+?{}|/]/\\&/g')\$"
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
