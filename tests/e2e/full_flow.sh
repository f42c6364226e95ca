#!/usr/bin/env bash
# The whole flow as a person would do it, with the real dialogs: type the six
# fields, load a JPEG, generate Sundok and save it as "a", then Velora as
# "b.bmp", and quit. Checks both files and the exit code.
set -u
bin=$1 check=$2 picture=$3
here=$(dirname "$0")
. "$here/xvfb.sh"
out=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$out"' EXIT
start_xvfb

fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }

# Waits until the keyboard focus leaves window $1: a dialog has come up.
focus_leaves() { for _ in $(seq 100); do [ "$(xdotool getwindowfocus)" != "$1" ] && return 0; sleep 0.05; done; return 1; }
# Gives window $1 the focus back once a dialog has gone. Without a window manager
# nothing hands it back; a user would click the window.
focus_on() {
    for _ in $(seq 10); do [ "$(xdotool getwindowfocus)" = "$1" ] && return 0; sleep 0.05; done
    xdotool windowfocus --sync "$1"
    sleep 0.1
}
wait_file() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.05; done; return 1; }

# Clicks at x,y of a window's client area.
click_in() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
}

"$bin" 2>"$out/stderr" &
pid=$!
input=$(wait_window 'Sundok/Velora - Velora/Sundok Quorrel截图生成工具 - Dovrek') || fail "no input window"
xdotool windowfocus --sync "$input"
sleep 0.3

# The focus starts on monthly sales: sales, transactions, reviews, the two boxes, title, price, stock.
xdotool type --delay 20 '3562'; xdotool key Tab
xdotool type --delay 20 '2987'; xdotool key Tab
xdotool type --delay 20 '1856'; xdotool key Tab Tab Tab
xdotool type --delay 20 '陶瓷马克杯 礼盒装'; xdotool key Tab
xdotool type --delay 20 '59.00'; xdotool key Tab
xdotool type --delay 20 '1200'; xdotool key Tab

# Load picture: the open dialog takes the path typed into its name field.
xdotool key space
focus_leaves "$input" || fail "no open dialog"
sleep 0.3
xdotool type --delay 5 "$picture"
xdotool key Return
focus_on "$input"

# Generate with Sundok ticked, click a bare part of the page, save as "a".
xdotool key Tab space
sundok=$(wait_window 'Sundok同款商品生成页面(点击图片保存到本地,也可使用QQ截图 CTRL+A)') || fail "no Sundok page"
sleep 0.3
click_in "$sundok" 708 348
focus_leaves "$sundok" || fail "no save dialog on Sundok"
sleep 0.3
xdotool type --delay 5 "$out/a"
xdotool key Return
wait_file "$out/a.jpg" || fail "a.jpg not written: $(ls "$out")"
focus_on "$sundok"
xdotool key Escape

# Tick Velora (five steps back from generate), generate, save as "b.bmp".
focus_on "$input"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
xdotool key Tab Tab Tab Tab Tab space
velora=$(wait_window 'Velora商品生成页面(点击图片保存到本地,也可使用QQ截图 CTRL+A)') || fail "no Velora page"
sleep 0.3
click_in "$velora" 708 458
focus_leaves "$velora" || fail "no save dialog on Velora"
sleep 0.3
xdotool type --delay 5 "$out/b.bmp"
xdotool key Return
wait_file "$out/b.bmp" || fail "b.bmp not written: $(ls "$out")"
focus_on "$velora"
xdotool key Escape
focus_on "$input"
xdotool key Escape

for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "still running after Esc"
wait "$pid"
code=$?
[ "$code" -eq 0 ] || fail "exit code $code"
ls "$out"
[ "$(ls "$out" | grep -v stderr | tr '\n' ' ')" = "a.jpg b.bmp " ] || fail "unexpected files: $(ls "$out")"

# Sundok: price, sales and transactions orange, stock black; the picture in its box.
"$check" jpeg "$out/a.jpg" 823 366 552,40,216,40,FF8000 616,106,48,13,FF8000 756,107,48,13,FF8000 \
    614,181,36,13,000000 8,8,800,32,3A3A3A 549,132,33,16,FF8000 || exit 1
# Velora: white price, orange sales, blue reviews, green points, black title and brand.
"$check" bmp "$out/b.bmp" 982 507 498,72,462,43,FFFFFF 456,157,72,24,FF8040 633,160,96,16,0060C0 \
    822,157,96,24,008000 390,21,584,40,000000 150,35,72,16,000000 || exit 1
echo ok
