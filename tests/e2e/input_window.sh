#!/usr/bin/env bash
# The real program on a real X display: its window, found by its caption, has
# the right client size, and Esc ends the program with exit code 0.
set -u
bin=$1
here=$(dirname "$0")
. "$here/xvfb.sh"
trap stop_xvfb EXIT
start_xvfb

"$bin" 2>/tmp/mockshot-e2e.$$ &
pid=$!
caption='Sundok/Velora - Velora/Sundok Quorrel截图生成工具 - Dovrek'
win=$(wait_window "$caption") || { echo "FAIL: no window captioned $caption"; cat /tmp/mockshot-e2e.$$; kill $pid; exit 1; }
geometry=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')
echo "window $win, geometry $geometry"
[ "$geometry" = "469x196" ] || { echo "FAIL: client size $geometry, expected 469x196"; kill $pid; exit 1; }

# A key sent before the window has taken the focus is lost; a user would press again.
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$win" 2>/dev/null
    sleep 0.2
    xdotool key Escape
    for _ in $(seq 30); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null || break
    echo "still open after Esc (attempt $attempt)"
done
if kill -0 $pid 2>/dev/null; then echo "FAIL: still running after Esc"; kill $pid; exit 1; fi
wait $pid
code=$?
rm -f /tmp/mockshot-e2e.$$
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; exit 1; }
echo ok
