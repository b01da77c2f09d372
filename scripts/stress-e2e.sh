#!/usr/bin/env bash
# Runs the end-to-end tests many times on a loaded machine, to find tests that fail by chance.
#
#   scripts/stress-e2e.sh [N]      N rounds, 30 by default
#   QENNET_STRESS_TESTS=REGEX      only the CTest tests it matches (e.g. 'e2e\.GameMenu')
#
# Builds once (as scripts/test.sh does), then runs the whole end-to-end suite N times while a busy
# loop keeps every core but one occupied, as on a shared CI machine. Prints each round's failed
# tests, then how often each GoogleTest case failed. A CTest test that failed without a
# GoogleTest case failing (a crash, a time-out) is counted under the test's own name. Each
# round's output is kept in build/stress-e2e/round-K.log. Exits non-zero if anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."

rounds="${1:-30}"
case "$rounds" in
'' | *[!0-9]* | 0)
  echo "usage: $0 [rounds]   (a positive number, 30 by default)" >&2
  exit 2
  ;;
esac

scripts/setup.sh || exit 1
source scripts/lib.sh
qennet_pick_wine
mkdir -p "$QENNET_BUILD"
qennet_build_e2e || exit 1
logs="$QENNET_BUILD/stress-e2e"
rm -rf "$logs"
mkdir -p "$logs"

source scripts/e2e-env.sh || exit 1
busy=()
stop() {
  local pid
  for pid in "${busy[@]}"; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  busy=()
  qennet_e2e_env_down
}
trap stop EXIT
trap 'exit 130' INT TERM
cores="$(nproc)"
for ((i = 1; i < (cores > 1 ? cores : 2); i++)); do
  (while :; do :; done) &
  busy+=($!)
done
echo "stress: $rounds rounds of the end-to-end tests in $QENNET_E2E_DIR, ${#busy[@]} busy loop(s) on $cores core(s)"

# Counts per GoogleTest case, read from its result lines ("[       OK ] Suite.Case (12 ms)",
# "[  FAILED  ] Suite.Case (12 ms)"), which CTest's verbose output prefixes with the test number.
declare -A runs=() failures=()
failed_rounds=0
for ((round = 1; round <= rounds; round++)); do
  log="$logs/round-$round.log"
  started=$SECONDS
  ctest --test-dir "$QENNET_E2E_DIR" -L e2e ${QENNET_STRESS_TESTS:+-R "$QENNET_STRESS_TESTS"} -V \
    >"$log" 2>&1
  passed=$?
  round_failed=()
  while read -r outcome name; do
    runs[$name]=$((${runs[$name]:-0} + 1))
    if [ "$outcome" = FAILED ]; then
      failures[$name]=$((${failures[$name]:-0} + 1))
      round_failed+=("$name")
    fi
  done < <(sed -n -E 's/^([0-9]+: )?\[ +(OK|FAILED) +\] ([A-Za-z0-9_./]+) \([0-9]+ ms\)$/\2 \3/p' "$log")
  # A CTest test that failed with no case failing (a crash, a time-out): its summary line is
  # "  12 - e2e.Suite (Failed)".
  while read -r test; do
    suite="${test#e2e.}"
    suite="${suite%%.*}"
    if ! printf '%s\n' "${round_failed[@]}" | grep -q "^$suite\."; then
      failures[$test]=$((${failures[$test]:-0} + 1))
      round_failed+=("$test")
    fi
  done < <(sed -n -E 's/^[[:space:]]*[0-9]+ - (e2e\.[^ ]+) \(.*\)$/\1/p' "$log")
  if [ "$passed" -ne 0 ] && [ ${#round_failed[@]} -eq 0 ]; then
    failures["(ctest)"]=$((${failures["(ctest)"]:-0} + 1))
    round_failed+=("(ctest)")
  fi
  if [ ${#round_failed[@]} -eq 0 ]; then
    echo "round $round/$rounds: passed ($((SECONDS - started)) s)"
  else
    failed_rounds=$((failed_rounds + 1))
    echo "round $round/$rounds: FAILED ${round_failed[*]} ($((SECONDS - started)) s, $log)"
  fi
done

echo
echo "stress: $rounds rounds, $failed_rounds with a failure; failures per test (failed/run):"
for name in "${!runs[@]}" "${!failures[@]}"; do
  echo "$name"
done | sort -u | while read -r name; do
  printf '%3d/%-3d %s\n' "${failures[$name]:-0}" "${runs[$name]:-0}" "$name"
done
[ "$failed_rounds" -eq 0 ]
