#!/usr/bin/env sh
# Renders the sample product photo (needs Debian's povray and povray-includes).
set -e
cd "$(dirname "$0")"
povray +Imug.pov +O/tmp/mug.png +W900 +H900 +A0.1 +AM2 -D -V +FN >/dev/null 2>&1
convert /tmp/mug.png -quality 92 ../../docs/sample-product.jpg
echo "docs/sample-product.jpg"
