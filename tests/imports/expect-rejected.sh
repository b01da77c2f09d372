#!/usr/bin/env bash
# Runs check-imports.sh on a program that imports functions too new for the checked Windows and
# passes only when the check fails naming exactly those functions:
#   expect-rejected.sh "DLL!Function..." CHECK_IMPORTS_ARGUMENTS...
set -uo pipefail
expected="$(tr ' ' '\n' <<<"$1" | sed '/^$/d' | sort)"
shift
output="$("$(dirname "$0")/check-imports.sh" "$@")"
status=$?
printf '%s\n' "$output"
rejected="$(sed -n 's/^not on the list: //p' <<<"$output" | sort)"
if [ "$status" -ne 1 ] || [ "$rejected" != "$expected" ]; then
    echo "expected the check to fail on exactly: $(paste -sd" " - <<<"$expected")" >&2
    exit 1
fi
echo "rejected as expected: $(paste -sd" " - <<<"$rejected")"
