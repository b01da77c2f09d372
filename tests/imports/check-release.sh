#!/usr/bin/env bash
# Packs this build tree's exe as the release script does, into a temporary folder, and checks the
# package: exactly qennet.exe, README.md, CHANGELOG.md and LICENSE, and the zipped exe byte for byte the one
# this build tree made; and SHA256SUMS beside it, with exactly the zip's and the exe's sums, which
# check out as a player checks them (the zip where it lies, the exe where the zip was unpacked).
# Nothing is built or installed.
#   check-release.sh TREE_EXE VERSION
set -uo pipefail
tree_exe="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

"$root/scripts/pack-release.sh" "$tree_exe" "$2" "$out" || exit 1
zips=("$out"/qennet-*.zip)
if [ ${#zips[@]} -ne 1 ] || [ ! -f "${zips[0]}" ]; then
    echo "expected one qennet-<version>.zip in the output, found: $(ls "$out")" >&2
    exit 1
fi
names="$(unzip -Z1 "${zips[0]}" | sort | tr '\n' ' ')"
if [ "$names" != "CHANGELOG.md LICENSE README.md qennet.exe " ]; then
    echo "the zip holds: $names; expected exactly CHANGELOG.md LICENSE README.md qennet.exe" >&2
    exit 1
fi
if ! unzip -p "${zips[0]}" qennet.exe | cmp -s - "$tree_exe"; then
    echo "the zipped qennet.exe differs from $tree_exe" >&2
    exit 1
fi
sums="$out/SHA256SUMS"
names="$(sed -n 's/^[0-9a-f]\{64\}  //p' "$sums" 2>/dev/null | tr '\n' ' ')"
if [ "$names" != "$(basename "${zips[0]}") qennet.exe " ] || [ "$(wc -l <"$sums")" -ne 2 ]; then
    echo "SHA256SUMS should hold exactly the zip's and qennet.exe's sums; it holds:" >&2
    cat "$sums" >&2
    exit 1
fi
mkdir "$out/unzipped" && unzip -q "${zips[0]}" -d "$out/unzipped" || exit 1
(cd "$out" && sha256sum -c --ignore-missing --strict SHA256SUMS) &&
    (cd "$out/unzipped" && sha256sum -c --ignore-missing --strict ../SHA256SUMS) || {
    echo "SHA256SUMS does not check out" >&2
    exit 1
}
echo "the zip holds exactly qennet.exe, README.md, CHANGELOG.md and LICENSE; its exe is $tree_exe;"
echo "SHA256SUMS holds the zip's and the exe's sums, and both check out"
