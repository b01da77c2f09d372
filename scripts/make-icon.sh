#!/usr/bin/env bash
# Redraws ui/qennet.ico (a play symbol on a rounded square) with ImageMagick. The icon is kept in
# the repository; run this only to change it.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 24 32 48 256; do
  s=$size
  r=$((s / 6))
  convert -size ${s}x${s} xc:none \
    -fill '#1d4e89' -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $r,$r" \
    -fill white -draw "polygon $((s * 3 / 8)),$((s / 4)) $((s * 3 / 8)),$((s * 3 / 4)) $((s * 3 / 4)),$((s / 2))" \
    "$tmp/icon-$s.png"
done
convert "$tmp"/icon-16.png "$tmp"/icon-24.png "$tmp"/icon-32.png "$tmp"/icon-48.png "$tmp"/icon-256.png ui/qennet.ico
