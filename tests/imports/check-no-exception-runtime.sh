#!/usr/bin/env bash
# Fails when a Windows program holds the C++ library's exception runtime. Its texts (the terminate
# handler's messages, the type names of the runtime's own classes) are in every exe that has it,
# stripped or not. The launcher keeps the runtime out with a few definitions of its own
# (runtime/runtime_support.cpp); with link-time optimisation a missing one brings it back
# without any link error, so this is what notices.
#   check-no-exception-runtime.sh EXE
set -uo pipefail
export LC_ALL=C
exe="$1"
if [ ! -r "$exe" ]; then
    echo "cannot read $exe" >&2
    exit 2
fi
found=0
for marker in 'terminate called after throwing' '__cxxabiv1' 'St9exception'; do
    if grep -qaF -- "$marker" "$exe"; then
        echo "$exe holds the C++ exception runtime (it contains \"$marker\")"
        found=1
    fi
done
if [ "$found" -eq 0 ]; then
    echo "$exe: no C++ exception runtime in it"
fi
exit "$found"
