#!/usr/bin/env bash
# Measures qennet.exe under Wine on a virtual display and prints a small table:
#  - start-to-window: CreateProcessW until the window is visible with its 71 games, against an
#    empty window and the structural floor (the same window without the launcher's logic);
#  - play-to-process: the Play click until the stand-in emulator's first instruction, against
#    CreateProcessW of the same command line by the benchmark (and by the floor's Play);
#  - processor time over 10 s while the launcher waits, active and behind another window,
#    without a game controller and with the tests' stand-in controller connected;
#  - size of the shipped 32-bit exe and what is in it.
# Median of alternating runs; every sample lands in BUILD/bench/run/samples.csv.
#   scripts/bench.sh [ROUNDS]      (default 31, at least 15)
# With QENNET_BENCH_BEFORE naming an earlier version's qennet.exe (of the same architecture),
# that one is started in the same rounds too, so the two versions are measured side by side.
# Builds what it needs; on a kernel that cannot run 32-bit code the timings are of the 64-bit
# build of the same sources, as the end-to-end tests are. Not a test: it fails only when it
# cannot measure.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
scripts/setup.sh || exit 1
source scripts/lib.sh
qennet_pick_wine
mkdir -p "$QENNET_BUILD"
rounds="${1:-31}"

# The trees and options scripts/test.sh uses, so nothing is configured twice.
qennet_build_win32 || exit 1
timed="$QENNET_BUILD/win32"
if [ "$QENNET_WINEARCH" = win64 ]; then
    timed="$QENNET_BUILD/win64"
    qennet_build "$timed" -DCMAKE_TOOLCHAIN_FILE="$QENNET_ROOT/cmake/x86_64-w64-mingw32.cmake" \
        -DQENNET_E2E=ON -DQENNET_WINE="$QENNET_WINE" || exit 1
fi

# A fresh emulator folder: the launcher, the programs it is compared with, the stand-in.
run="$timed/bench/run"
rm -rf "$run"
mkdir -p "$run/Roms" # as a player's emulator folder has its ROM folder
cp "$timed/ui/qennet.exe" "$timed"/bench/{bench_empty,bench_floor,Vresk,qennet_bench}.exe "$run/" ||
    exit 1
if [ -n "${QENNET_BENCH_BEFORE:-}" ]; then
    cp "$QENNET_BENCH_BEFORE" "$run/qennet_before.exe" || exit 1
fi

source scripts/e2e-env.sh
trap qennet_e2e_env_down EXIT
qennet_e2e_env_up || exit 1
# One wineserver for the whole run, and Wine's own services up before the first timed start.
"$QENNET_WINESERVER" -p </dev/null >/dev/null 2>&1
"$QENNET_WINE" cmd /c exit </dev/null >/dev/null 2>&1

cpu="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "machine: $(nproc) cores, ${cpu:-unknown processor}; $("$QENNET_WINE" --version) ($QENNET_WINEARCH)"
echo "timed build: $timed ($QENNET_TOOLCHAIN)"
echo
(cd "$run" && "$QENNET_WINE" ./qennet_bench.exe "$rounds") || {
    echo "bench: the measurement failed" >&2
    exit 1
}
echo "every sample: $run/samples.csv"
echo
# The stand-in controller goes where the system's XInput is, as for the end-to-end tests.
cmake --build "$timed" --target qennet_e2e_xinput >/dev/null || exit 1
cp "$timed/tests/e2e/qennet_e2e_xinput.dll" "$WINEPREFIX/drive_c/windows/system32/xinput1_4.dll" ||
    exit 1
(cd "$run" && "$QENNET_WINE" ./qennet_bench.exe --cpu) || {
    echo "bench: the processor time could not be measured" >&2
    exit 1
}
echo
bench/size-report.sh "$QENNET_BUILD/win32"
