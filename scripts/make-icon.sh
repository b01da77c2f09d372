#!/usr/bin/env bash
# Redraws ui/qennet.ico (a play symbol on a rounded square) with ImageMagick. The icon is kept in
# the repository; run this only to change it.
#
# It holds an image for each size Windows asks for from 100 % to 200 % (16, 20, 24, 32, 40, 48,
# and 256 to scale down from). Windows XP reads icons only as bitmaps, and asks for 16, 20, 24,
# 32 and 48: those are bitmaps. The others are read only by later Windows, which also reads
# PNG: they are PNG, which costs a fraction of a bitmap.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bitmaps="16 20 24 32 48"
pngs="40 256"
for size in $bitmaps $pngs; do
  s=$size
  r=$((s / 6))
  convert -size ${s}x${s} xc:none \
    -fill '#1d4e89' -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $r,$r" \
    -fill white -draw "polygon $((s * 3 / 8)),$((s / 4)) $((s * 3 / 8)),$((s * 3 / 4)) $((s * 3 / 4)),$((s / 2))" \
    -define png:color-type=6 "PNG32:$tmp/icon-$s.png"
done
for size in $bitmaps; do
  convert "$tmp/icon-$size.png" "$tmp/icon-$size.ico" # one 32-bit bitmap image
done
# The icon file: a directory of entries, then each image as a bitmap (taken from ImageMagick's
# one-image icon) or as the PNG file itself.
python3 - "$tmp" "$bitmaps" "$pngs" ui/qennet.ico <<'PY'
import struct, sys
tmp, bitmaps, pngs, out = sys.argv[1], sys.argv[2].split(), sys.argv[3].split(), sys.argv[4]
images = []
for size in sorted(map(int, bitmaps + pngs)):
    if str(size) in bitmaps:
        data = open(f"{tmp}/icon-{size}.ico", "rb").read()
        length, offset = struct.unpack_from("<II", data, 6 + 8)
        images.append((size, data[offset:offset + length]))
    else:
        images.append((size, open(f"{tmp}/icon-{size}.png", "rb").read()))
header = struct.pack("<HHH", 0, 1, len(images))
offset = len(header) + 16 * len(images)
directory, body = b"", b""
for size, data in images:
    side = size if size < 256 else 0
    directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset + len(body))
    body += data
open(out, "wb").write(header + directory + body)
PY
