#!/usr/bin/env bash
# Takes the README's screenshots of the three windows: runs build/mockshot under
# a private Xvfb and fills it in as a user would. Needs xvfb, xdotool, imagemagick.
set -eu
cd "$(dirname "$0")/.."
. tests/e2e/xvfb.sh
trap 'stop_xvfb' EXIT
start_xvfb

shoot() {  # window id, output file
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
    echo "$2"
}

build/mockshot 2>/dev/null &
app=$!
input=$(wait_window 'Sundok/Velora - Velora/Sundok Quorrel截图生成工具 - Dovrek')
xdotool windowfocus --sync "$input"
sleep 0.3
# The focus starts on monthly sales; Tab walks sales, transactions, reviews, the two boxes, title, price, stock.
xdotool type --delay 15 '3562'; xdotool key Tab
xdotool type --delay 15 '2987'; xdotool key Tab
xdotool type --delay 15 '1856'; xdotool key Tab Tab Tab
xdotool type --delay 15 '陶瓷马克杯 北欧简约大容量办公室咖啡杯 带杯垫 礼盒装'; xdotool key Tab
xdotool type --delay 15 '59.00'; xdotool key Tab
xdotool type --delay 15 '1200'; xdotool key Tab
shoot "$input" docs/input-window.png
xdotool key space
sleep 1
xdotool type --delay 10 "$PWD/docs/sample-product.jpg"
xdotool key Return
sleep 0.5
xdotool key Tab space
sundok=$(wait_window 'Sundok同款商品生成页面(点击图片保存到本地,也可使用QQ截图 CTRL+A)')
sleep 0.5
shoot "$sundok" docs/sundok-page.png
xdotool key Escape
sleep 0.5
xdotool windowfocus --sync "$input"
# Back on the generate button: Shift+Tab to the Velora box, tick it, and generate.
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
xdotool key Tab Tab Tab Tab Tab space
velora=$(wait_window 'Velora商品生成页面(点击图片保存到本地,也可使用QQ截图 CTRL+A)')
sleep 0.5
shoot "$velora" docs/velora-page.png
xdotool key Escape
sleep 0.3
xdotool windowfocus --sync "$input"
xdotool key Escape
wait $app
