#!/usr/bin/env bash
# Checks a Windows program's PE imports against reviewed lists: every imported DLL must be one of
# the allowed ones, every imported function must be on a list of functions the oldest supported
# Windows has, and the header must not ask for a newer Windows. Wine runs a program whatever it
# imports, so this is the check that keeps the program starting on the real thing.
#
#   check-imports.sh OBJDUMP EXE MAX_VERSION DLL_LIST FUNCTION_LIST...
#
# MAX_VERSION is the oldest supported Windows as major.minor (5.1 for XP, 6.1 for 7). DLL_LIST
# names one DLL a line; each FUNCTION_LIST holds one DLL!Function a line (DLL without ".dll", in
# any case; # starts a comment). Prints what is not allowed and exits 1 when anything is not.
set -uo pipefail
export LC_ALL=C # one collation for sort and comm

if [ $# -lt 5 ]; then
    echo "usage: $0 OBJDUMP EXE MAX_VERSION DLL_LIST FUNCTION_LIST..." >&2
    exit 2
fi
objdump="$1" exe="$2" max_version="$3" dll_list="$4"
shift 4

headers="$("$objdump" -p "$exe")" || {
    echo "cannot read the headers of $exe" >&2
    exit 2
}

# Reviewed entries, comments and blanks dropped, DLL names in upper case.
entries() {
    sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$@" |
        awk -F'!' -v OFS='!' '{ $1 = toupper($1); print }'
}
allowed_dlls="$(entries "$dll_list")"
allowed_functions="$(entries "$@" | sort -u)"

# objdump lists each DLL ("DLL Name: X.dll") followed by its entries, up to a blank line: a tab,
# the hint-table address, a tab, the hint or ordinal, and the name. An entry without a name
# ("<none>") is imported by ordinal and listed as DLL!#N.
imports="$(printf '%s\n' "$headers" | awk '
    /^[[:space:]]*DLL Name:/ { dll = toupper($3); sub(/\.DLL$/, "", dll); print "DLL " dll; next }
    dll != "" && /^\t[0-9a-f]+\t *[0-9]+( |$)/ {
        if (NF >= 3 && $3 != "<none>") print "FN " dll "!" $3; else print "FN " dll "!#" $2
        next
    }
    NF == 0 { dll = "" }
')"
dlls="$(printf '%s\n' "$imports" | sed -n 's/^DLL //p' | sort -u)"
functions="$(printf '%s\n' "$imports" | sed -n 's/^FN //p' | sort -u)"
if [ -z "$functions" ]; then
    echo "found no imports in $exe: the objdump output was not understood" >&2
    exit 2
fi

bad=0
while IFS= read -r dll; do
    echo "DLL not allowed: $dll"
    bad=1
done < <(comm -23 <(printf '%s\n' "$dlls") <(printf '%s\n' "$allowed_dlls" | sort -u) | sed '/^$/d')
while IFS= read -r function; do
    echo "not on the list: $function"
    bad=1
done < <(comm -23 <(printf '%s\n' "$functions") <(printf '%s\n' "$allowed_functions") | sed '/^$/d')

# Windows refuses a program whose header asks for a newer system than itself.
version_of() { printf '%s\n' "$headers" | awk -v key="$1" '$1 == key { print $2 }'; }
for kind in OSystem Subsystem; do
    major="$(version_of "Major${kind}Version")" minor="$(version_of "Minor${kind}Version")"
    if [ -z "$major" ] || [ -z "$minor" ]; then
        echo "no ${kind} version in the header"
        bad=1
    elif [ $((major * 100 + minor)) -gt $((${max_version%.*} * 100 + ${max_version#*.})) ]; then
        echo "header asks for Windows ${major}.${minor} (${kind} version);" \
            "at most $max_version is allowed"
        bad=1
    fi
done

case "$max_version" in
5.1) windows="Windows XP" ;;
6.0) windows="Windows Vista" ;;
6.1) windows="Windows 7" ;;
*) windows="Windows $max_version" ;;
esac
count="$(printf '%s\n' "$functions" | wc -l)"
dll_count="$(printf '%s\n' "$dlls" | wc -l)"
if [ "$bad" -ne 0 ]; then
    echo "$exe: needs more than $windows has (see above)"
    exit 1
fi
dll_names="$(printf '%s\n' "$dlls" | paste -sd, -)"
echo "$exe: $count functions from $dll_count DLLs ($dll_names), all available on $windows"
