#!/usr/bin/env bash
# Packs a built qennet.exe as qennet-<version>.zip with README.md, CHANGELOG.md and LICENSE, and
# writes SHA256SUMS beside it (the zip's and the zipped exe's sums, as `sha256sum -c` reads them);
# builds and installs nothing. The zip is reproducible: fixed order, modes and timestamps (the last
# commit's time, or SOURCE_DATE_EPOCH when set).
#   pack-release.sh EXE VERSION DIST_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
exe="$1" version="$2" dist="$3"
for file in "$exe" README.md CHANGELOG.md LICENSE; do
    if [ ! -f "$file" ]; then
        echo "release: $file is missing" >&2
        exit 1
    fi
done
if [ -z "$version" ]; then
    echo "release: no version given" >&2
    exit 1
fi

epoch="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}"
zip_file="$dist/qennet-$version.zip"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
install -m 755 "$exe" "$stage/qennet.exe"
install -m 644 README.md CHANGELOG.md LICENSE "$stage/"
touch -d "@$epoch" "$stage"/*
mkdir -p "$dist"
rm -f "$zip_file"
# -X leaves out owner and extra time fields; zip stores local time, so the zone is fixed.
(cd "$stage" && TZ=UTC zip -q -X -D -9 "$stage/package.zip" qennet.exe README.md CHANGELOG.md LICENSE)
mv "$stage/package.zip" "$zip_file"
# Names relative to the folder: `sha256sum -c --ignore-missing SHA256SUMS` there checks the zip,
# and in the folder it was unzipped to, the exe.
(cd "$dist" && sha256sum "qennet-$version.zip") >"$stage/SHA256SUMS"
(cd "$stage" && sha256sum qennet.exe) >>"$stage/SHA256SUMS"
mv "$stage/SHA256SUMS" "$dist/SHA256SUMS"

echo "qennet $version, $(stat -c %s "$exe") bytes the exe; $dist/SHA256SUMS:"
cat "$dist/SHA256SUMS"
