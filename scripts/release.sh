#!/usr/bin/env bash
# Builds the release: qennet.exe (32-bit, Release) and dist/qennet-<version>.zip holding the exe,
# README.md, CHANGELOG.md and LICENSE (packed by scripts/pack-release.sh) with SHA256SUMS beside it,
# the sums of the zip and of the exe, which it prints too.
#
# The exe is built in build/win32, the tree scripts/test.sh builds and tests with the same
# options, so the zipped exe is the tested one.
#   QENNET_DIST   output folder instead of dist/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/lib.sh
qennet_pick_wine
mkdir -p "$QENNET_BUILD"

tree="$QENNET_BUILD/win32"
qennet_build_win32

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")"
scripts/pack-release.sh "$tree/ui/qennet.exe" "$version" "${QENNET_DIST:-$QENNET_ROOT/dist}"
