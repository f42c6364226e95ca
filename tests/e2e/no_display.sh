#!/usr/bin/env bash
# Without a display the program says so in one line and exits non-zero, without a toolkit abort.
set -u
bin=$1
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" 2>&1 >/dev/null)
code=$?
echo "exit $code: $err"
[ "$code" -ne 0 ] && [ "$code" -lt 128 ] || { echo "FAIL: expected a plain non-zero exit"; exit 1; }
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || { echo "FAIL: expected one line"; exit 1; }
[[ "$err" == "mockshot: no display"* ]] || { echo "FAIL: unexpected message"; exit 1; }
err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4242 "$bin" 2>&1 >/dev/null)
code=$?
[ "$code" -ne 0 ] && [ "$code" -lt 128 ] && [[ "$err" == *"cannot connect"* ]] || { echo "FAIL: unreachable display: $code $err"; exit 1; }
echo ok
