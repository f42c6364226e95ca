#!/usr/bin/env bash
# A fresh install into a temporary prefix holds the program, a valid desktop
# entry and the icon in the places a Linux desktop looks.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
for f in bin/mockshot share/applications/mockshot.desktop \
         share/icons/hicolor/48x48/apps/mockshot.png share/icons/hicolor/256x256/apps/mockshot.png; do
    [ -s "$prefix/$f" ] || { echo "FAIL: $f missing"; find "$prefix"; exit 1; }
done
[ -x "$prefix/bin/mockshot" ] || { echo "FAIL: not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/mockshot.desktop" || { echo "FAIL: desktop entry"; exit 1; }
grep -q '^Exec=mockshot$' "$prefix/share/applications/mockshot.desktop" || { echo "FAIL: Exec"; exit 1; }
grep -q '^Icon=mockshot$' "$prefix/share/applications/mockshot.desktop" || { echo "FAIL: Icon"; exit 1; }
# The PNG signature and the size in its header.
[ "$(head -c 8 "$prefix/share/icons/hicolor/256x256/apps/mockshot.png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] \
    || { echo "FAIL: icon is no PNG"; exit 1; }
[ "$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/256x256/apps/mockshot.png" | tr -s ' ')" = " 0 0 1 0 0 0 1 0" ] \
    || { echo "FAIL: icon is not 256x256"; exit 1; }
echo ok
