#!/usr/bin/env bash
# Builds qennet.exe again from a copy of the working tree's tracked files, as they are now, in a
# temporary folder of another path, configured as this tree was, and checks that it is byte for byte
# this tree's exe: a build that took in its folder or its time would fail here, and a release's
# SHA256SUMS could no longer be rebuilt from its tag. The copy is removed afterwards.
#   check-reproducible.sh TREE_EXE SOURCE_DIR TOOLCHAIN_FILE_IN_SOURCES BUILD_TYPE
set -uo pipefail
tree_exe="$1" source="$2" toolchain="$3" build_type="$4"
copy="$(mktemp -d /tmp/qennet-rebuild.XXXXXX)"
trap 'rm -rf "$copy"' EXIT
mkdir "$copy/src"

# git only names the files; their bytes are the working tree's (a file deleted there is left out).
(cd "$source" && git ls-files -z) | while IFS= read -r -d '' name; do
    [ -e "$source/$name" ] && printf '%s\0' "$name"
done | tar -C "$source" --null -T - -cf - | tar -C "$copy/src" -xf - || exit 1

if ! { cmake -S "$copy/src" -B "$copy/build" -DCMAKE_BUILD_TYPE="$build_type" \
    -DCMAKE_TOOLCHAIN_FILE="$copy/src/$toolchain" -DQENNET_E2E=OFF &&
    cmake --build "$copy/build" --target qennet -j "$(nproc)"; } >"$copy/log" 2>&1; then
    tail -n 30 "$copy/log" >&2
    echo "the copy in $copy/src did not build (are new files added to git?)" >&2
    exit 1
fi
again="$copy/build/ui/qennet.exe"
if ! cmp -s "$again" "$tree_exe"; then
    echo "not reproducible: qennet.exe built again in another folder differs from $tree_exe" >&2
    cmp "$again" "$tree_exe" >&2
    echo "$(cmp -l "$again" "$tree_exe" 2>/dev/null | wc -l) bytes differ; the first (offset, octal bytes):" >&2
    cmp -l "$again" "$tree_exe" 2>/dev/null | head -n 8 >&2
    exit 1
fi
echo "qennet.exe built again from a copy of the sources in another folder is the same bytes"
