#!/usr/bin/env bash
# Saves the README's screenshots of the launcher on a virtual display, at 96 and 144 DPI, to
# docs/qennet.png and docs/qennet-144dpi.png.
set -euo pipefail
cd "$(dirname "$0")/.."
QENNET_DPI=96 scripts/demo.sh --headless >/dev/null
cp build/demo/qennet.png docs/qennet.png
QENNET_DPI=144 scripts/demo.sh --headless >/dev/null
cp build/demo/qennet.png docs/qennet-144dpi.png
# The prefix is shared with the tests: leave it at 96 DPI.
source scripts/lib.sh
qennet_pick_wine
WINEPREFIX="$QENNET_PREFIX" WINEDEBUG=-all "$QENNET_WINE" reg add 'HKCU\Control Panel\Desktop' \
  /v LogPixels /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1
WINEPREFIX="$QENNET_PREFIX" "$(dirname "$QENNET_WINE")/wineserver" -k 2>/dev/null || true
echo "docs/qennet.png docs/qennet-144dpi.png"
