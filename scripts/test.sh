#!/usr/bin/env bash
# Runs every test: the core's unit tests (native), the settings-file fuzzer, and the end-to-end
# tests of the real launcher under Wine on a virtual display. Installs what is missing first.
# Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1
source scripts/lib.sh
qennet_pick_wine
mkdir -p "$QENNET_BUILD"

failed=()
run() { # run NAME COMMAND...: runs one stage and remembers whether it failed
  local name="$1"
  shift
  echo
  echo "=== $name"
  "$@" || failed+=("$name")
}

unit_tests() {
  qennet_build "$QENNET_BUILD/native" &&
    ctest --test-dir "$QENNET_BUILD/native" --output-on-failure -j "$(nproc)"
}

fuzz() {
  qennet_build "$QENNET_BUILD/fuzz" -DQENNET_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ &&
    ctest --test-dir "$QENNET_BUILD/fuzz" --output-on-failure
}

# The shipped program is always the 32-bit one; where Wine can run it, its end-to-end tests run
# on it, otherwise on the 64-bit build of the same sources.
windows_tests() {
  qennet_build_e2e || return 1
  source scripts/e2e-env.sh
  qennet_e2e_env_up || return 1
  ctest --test-dir "$QENNET_BUILD/win32" --output-on-failure -R '^win32_' || local bad=1
  ctest --test-dir "$QENNET_E2E_DIR" --output-on-failure || bad=1
  qennet_e2e_env_down
  return ${bad:-0}
}

run "unit tests (core, native)" unit_tests
run "fuzzing the settings reader" fuzz
run "Windows program and end-to-end tests under Wine" windows_tests
run "format and static checks of the product's code" scripts/check-code.sh

echo
if [ ${#failed[@]} -eq 0 ]; then
  echo "All test stages passed."
  exit 0
fi
printf 'FAILED: %s\n' "${failed[@]}"
exit 1
