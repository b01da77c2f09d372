#!/usr/bin/env bash
# The checks a reviewer expects of the product's code: clang-formatted (.clang-format) and clean
# under clang-tidy (.clang-tidy), read as the 32-bit Windows build compiles it. The compiler's own
# warnings already fail the build (-Werror). Exits non-zero on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
qennet_pick_wine
qennet_build_win32 || exit 1

bad=0
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror || {
  echo "check-code: not clang-formatted (run clang-format -i on the files above)" >&2
  bad=1
}

# clang reads the code with the cross-compiler's own C++ and Windows headers.
tidy_args=(-p "$QENNET_BUILD/win32" --quiet --extra-arg=--target=i686-w64-mingw32
  --extra-arg=-Wno-ignored-optimization-argument) # clang has no -fno-fat-lto-objects
for dir in $(echo | i686-w64-mingw32-g++ -E -x c++ - -v 2>&1 |
  sed -n '/#include <...> search starts here/,/End of search list/p' | grep '^ /'); do
  tidy_args+=("--extra-arg=-isystem$dir")
done
findings=$(git ls-files 'core/*.cpp' 'platform/*.cpp' 'ui/*.cpp' 'runtime/*.cpp' |
  xargs -P "$(nproc)" -n 4 clang-tidy "${tidy_args[@]}" 2>/dev/null)
if [ $? -ne 0 ] || grep -qE 'warning:|error:' <<<"$findings"; then
  echo "$findings"
  echo "check-code: clang-tidy findings above" >&2
  bad=1
fi
exit $bad
