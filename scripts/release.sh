#!/usr/bin/env bash
# Builds the release: qennet.exe (32-bit, Release) and dist/qennet-<version>.zip holding the exe,
# README.md and LICENSE, then prints the SHA-256 of both.
#
# The exe is built in build/win32, the tree scripts/test.sh builds and tests with the same
# options, so the zipped exe is the tested one. The zip itself is reproducible: fixed order,
# modes and timestamps (the last commit's time, or SOURCE_DATE_EPOCH when set).
#   QENNET_DIST   output folder instead of dist/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/lib.sh
qennet_pick_wine
mkdir -p "$QENNET_BUILD"

tree="$QENNET_BUILD/win32"
qennet_build_win32

exe="$tree/ui/qennet.exe"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")"
for file in "$exe" README.md LICENSE; do
    if [ ! -f "$file" ]; then
        echo "release: $file is missing" >&2
        exit 1
    fi
done
if [ -z "$version" ]; then
    echo "release: no project version in $tree/CMakeCache.txt" >&2
    exit 1
fi

epoch="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}"
dist="${QENNET_DIST:-$QENNET_ROOT/dist}"
zip_file="$dist/qennet-$version.zip"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
install -m 755 "$exe" "$stage/qennet.exe"
install -m 644 README.md LICENSE "$stage/"
touch -d "@$epoch" "$stage"/*
mkdir -p "$dist"
rm -f "$zip_file"
# -X leaves out owner and extra time fields; zip stores local time, so the zone is fixed.
(cd "$stage" && TZ=UTC zip -q -X -D -9 "$stage/package.zip" qennet.exe README.md LICENSE)
mv "$stage/package.zip" "$zip_file"

echo "qennet $version"
echo "$(sha256sum <"$zip_file" | cut -d' ' -f1)  $zip_file"
echo "$(sha256sum <"$exe" | cut -d' ' -f1)  $exe ($(stat -c %s "$exe") bytes, the exe in the zip)"
