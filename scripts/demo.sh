#!/usr/bin/env bash
# Runs the launcher under Wine in a demo emulator folder (build/demo) whose Vresk.exe is a
# stand-in that records the command line it receives. Installs what is missing first.
#
# With a display (DISPLAY set and reachable) the window opens there: play with it, close it, and
# the command lines the stand-in received are printed. With no display (or with --headless) it
# runs on a virtual display: it saves a screenshot to build/demo/qennet.png, presses Play, prints
# the command line the stand-in received, and quits the launcher. QENNET_DPI=144 (on the virtual
# display) shows it at another screen scale.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/lib.sh
qennet_pick_wine

headless=no
if [ "${1:-}" = --headless ] || [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  headless=yes
fi

tree="$QENNET_BUILD/demo-$QENNET_WINEARCH"
if [ ! -f "$tree/CMakeCache.txt" ]; then
  cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QENNET_ROOT/cmake/$QENNET_TOOLCHAIN.cmake" \
    -DQENNET_E2E=ON -DQENNET_WINE="$QENNET_WINE" >/dev/null
fi
echo "Building the launcher and the stand-in emulator ($QENNET_WINEARCH)..."
cmake --build "$tree" -j "$(nproc)" --target qennet qennet_e2e_recorder demo_poke >"$tree.log" 2>&1 ||
  { tail -n 30 "$tree.log"; exit 1; }

# The demo emulator folder: the launcher, the stand-in emulator, its main configuration file, a
# global controller file and a ROM folder.
demo="$QENNET_BUILD/demo"
rm -rf "$demo"
mkdir -p "$demo/Roms" "$demo/ctrlr"
cp "$tree/ui/qennet.exe" "$demo/"
cp "$tree/tests/e2e/qennet_e2e_recorder.exe" "$demo/Vresk.exe"
: >"$demo/vresk.cfg"
: >"$demo/ctrlr/controller.cfg"

print_calls() {
  echo
  if [ -s "$demo/Vresk.log" ]; then
    echo "Command line(s) the stand-in Vresk.exe received:"
    sed 's/^/  /' "$demo/Vresk.log"
  else
    echo "The stand-in Vresk.exe was not started."
  fi
}

cd "$demo"
if [ "$headless" = no ]; then
  source "$QENNET_ROOT/scripts/e2e-env.sh"
  export WINEPREFIX="$QENNET_PREFIX" WINEARCH="$QENNET_WINEARCH" WINEDEBUG=-all
  qennet_e2e_env_prepare_prefix "$QENNET_WINE" "$(dirname "$QENNET_WINE")/wineserver" \
    "$QENNET_WINEARCH" "$QENNET_PREFIX"
  echo "Starting the launcher on $DISPLAY; close it to finish."
  "$QENNET_WINE" qennet.exe </dev/null
  print_calls
  exit 0
fi

source "$QENNET_ROOT/scripts/e2e-env.sh"
qennet_e2e_env_up
trap qennet_e2e_env_down EXIT
"$QENNET_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
  /d "${QENNET_DPI:-96}" /f </dev/null >/dev/null 2>&1
"$QENNET_WINE" qennet.exe </dev/null >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vresk: ' | head -n 1)
sleep 1 # let it paint
import -window "$window" "$demo/qennet.png"
echo "Screenshot of the launcher: $demo/qennet.png"
"$QENNET_WINE" "$tree/tools/demo_poke.exe" play </dev/null
for _ in $(seq 100); do
  [ -s "$demo/Vresk.log" ] && break
  sleep 0.1
done
"$QENNET_WINE" "$tree/tools/demo_poke.exe" quit </dev/null
print_calls
echo
echo "Settings saved by the launcher (qennet.cfg):"
sed 's/^/  /' "$demo/qennet.cfg"
