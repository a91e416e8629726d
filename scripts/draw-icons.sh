#!/bin/bash
# Draws the program icons (16x16 and 32x32 in one .ico) and the demo game's
# icon with ImageMagick. The results are committed; run again after a change.
set -euo pipefail
cd "$(dirname "$0")/../art"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A candle's flame on a rounded square; the arguments after the background
# draw the program's own sign.
draw() {
  local name=$1 background=$2
  shift 2
  convert -size 32x32 xc:none \
    -fill "$background" -draw "roundrectangle 1,1 30,30 6,6" \
    -fill '#ffb020' -draw "path 'M 11,4 C 17,10 17,14 11,17 C 5,14 5,10 11,4 Z'" \
    -fill '#fff2c0' -draw "path 'M 11,9 C 13,12 13,14 11,15 C 9,14 9,12 11,9 Z'" \
    -fill '#f4f4f4' -draw "rectangle 9,18 13,28" \
    "$@" "$tmp/$name-32.png"
  convert "$tmp/$name-32.png" -resize 16x16 "$tmp/$name-16.png"
  convert "$tmp/$name-16.png" "$tmp/$name-32.png" "$name.ico"
}

draw tunewick '#203a5c' -fill '#9fd4ff' -draw 'rectangle 17,7 27,9' -draw 'rectangle 17,14 27,16' \
  -draw 'rectangle 17,21 27,23' -fill white -draw 'rectangle 24,5 26,11' -draw 'rectangle 18,12 20,18' \
  -draw 'rectangle 21,19 23,25'
draw runwick '#203a5c' -fill '#7dffa0' -draw 'polygon 17,8 28,16 17,24'
draw wickcheck '#203a5c' -fill none -stroke '#ffe070' -strokewidth 2 -draw 'circle 21,12 25,12' \
  -strokewidth 3 -draw 'line 24,16 28,24'
draw demogame '#3a2050' -fill '#ff6060' -draw 'circle 22,16 27,16'
