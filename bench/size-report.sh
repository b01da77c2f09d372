#!/usr/bin/env bash
# Prints what qennet.exe weighs and why, from a 32-bit build tree: its size and imports, whether
# iostreams or locale machinery got in, and what the C++ library costs a static exe.
#   size-report.sh BUILD_TREE
# qennet.exe is linked once more from the same objects without -s and with a link map, which
# tells which library members went in; the shipped file is not touched.
set -uo pipefail
tree="$(cd "$1" && pwd)"
exe="$tree/ui/qennet.exe"
objdump="$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "$tree/CMakeCache.txt")"
nm="${objdump%objdump}nm"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The link command CMake wrote, minus -s and the import library, plus a map.
link="$(grep -- ' -o qennet.exe ' "$tree/ui/CMakeFiles/qennet.dir/link.txt")"
link="${link/ -s / }"
link="${link/-o qennet.exe/-o $work/qennet.exe -Wl,-Map,$work/qennet.map}"
link="${link/-Wl,--out-implib,libqennet.dll.a/}"
(cd "$tree/ui" && eval "$link") || {
    echo "size-report: relinking qennet.exe with a map failed" >&2
    exit 1
}

size() { stat -c %s "$1"; }
imports="$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')"

# iostreams and locales would bring these classes' symbols and these libstdc++ members.
stream_symbols="$("$nm" -C "$work/qennet.exe" |
    grep -cE 'std::(locale|ios_base|basic_ios|basic_[io]?stream|basic_streambuf|basic_filebuf)')"
stream_objects='locale|ios|istream|ostream|iostream|sstream|fstream|streambuf|cxx11-ios|cxx11-locale'
stream_members="$(grep -oE "libstdc\\+\\+\\.a\\(($stream_objects)[^)]*\\)" "$work/qennet.map" |
    sort -u | tr '\n' ' ')"
if [ "$stream_symbols" -eq 0 ] && [ -z "$stream_members" ]; then
    streams="none (no stream or locale symbols, no such libstdc++ members)"
else
    streams="PRESENT: $stream_symbols symbols; $stream_members"
fi

# Bytes of loaded sections by where they came from, from the map's memory map (the part before
# it lists discarded sections; .bss takes no file space). A source is an archive, a member of the
# launcher's own objects, or a lone object file. With link-time optimisation the launcher's own
# code (its std::string code with it) comes out of the compiler at link time as temporary
# "ltrans" objects, the only ones of their kind in the link.
origins() {
    awk '
        function hex(text,   n, i) {
            n = 0
            for (i = 3; i <= length(text); i++)
                n = n * 16 + index("0123456789abcdef", tolower(substr(text, i, 1))) - 1
            return n
        }
        /^Linker script and memory map/ { mapped = 1; next }
        !mapped { next }
        /^ \.[^ ]+$/ { section = $1; next }
        /^ \.[^ ]+ +0x/ { section = $1; $1 = ""; $0 = $0 }
        section != "" && $1 ~ /^0x/ && $2 ~ /^0x/ && NF >= 3 && section !~ /bss|debug/ {
            source = $3
            if (source !~ /objects\.a\(/)
                sub(/\(.*/, "", source)
            sub(/.*\//, "", source)
            bytes[source] += hex($2)
        }
        { section = "" }
        END { for (source in bytes) print bytes[source], source }' "$work/qennet.map"
}
origins >"$work/origins"
sum() { awk -v pattern="$1" '$2 ~ pattern { total += $1 } END { print total + 0 }' "$work/origins"; }
own="$(sum '^objects\.a\(.*\.obj\)$|^libqennet_|\.ltrans[0-9]*\.ltrans\.o$')"
resources="$(sum '\.res\)$')"
cxx="$(sum '^libstdc\+\+\.a$|^libsupc\+\+\.a$|^libgcc_eh\.a$|^libgcc\.a$')"
mingwex="$(sum '^libmingwex\.a$')"
startup="$(sum '^libmingw32\.a$|^crt.*\.o$')"
imports_bytes="$(sum '^lib[a-z0-9]+32\.a$|^libmsvcrt\.a$|^dll$')"

empty="$(size "$tree/bench/bench_empty.exe")"
with_string="$(size "$tree/bench/bench_empty_string.exe")"
printf '%s\n' "size of the 32-bit build (static, stripped, -Os, link-time optimised)"
printf '  %-40s %9s bytes   imports: %s\n' "qennet.exe" "$(size "$exe")" "$imports"
printf '  %-40s %s\n' "iostreams / locale machinery inside" "$streams"
if "$(dirname "$0")/../tests/imports/check-no-exception-runtime.sh" "$exe" >/dev/null; then
    exceptions="none (see runtime/runtime_support.cpp)"
else
    exceptions="PRESENT (tests/imports/check-no-exception-runtime.sh tells what)"
fi
printf '  %-40s %s\n' "C++ exception runtime inside" "$exceptions"
printf '  %-40s %9s bytes\n' "empty window" "$empty"
printf '  %-40s %9s bytes   (+%s: the C++ library as it comes)\n' \
    "empty window with one std::wstring" \
    "$with_string" "$((with_string - empty))"
printf '  %-40s %9s bytes\n' "structural floor" "$(size "$tree/bench/bench_floor.exe")"
printf '  %s\n' "qennet.exe's loaded sections by origin (link map of the same link, unstripped):"
printf '    %-38s %9s bytes\n' \
    "the launcher's own code and data" "$own" \
    "resources (manifest, icon, version)" "$resources" \
    "C++ library (libstdc++, libgcc unwinder)" "$cxx" \
    "mingw-w64 helpers (printf family, ...)" "$mingwex" \
    "C runtime start-up" "$startup" \
    "import thunks and msvcrt glue" "$imports_bytes"
