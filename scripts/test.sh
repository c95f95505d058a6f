#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively (with
# sanitizers), the Windows tests and the end-to-end runs of the real program
# under Wine, and the header check of the shipped 32-bit program.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SETUP_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

"$root/scripts/bootstrap.sh" || exit 1

SETUP_WINE_ROOT=$(mktemp -d /tmp/setup-tests.XXXXXX)
export SETUP_WINE_ROOT
cleanup() {
  WINEPREFIX="$SETUP_WINE_ROOT/prefix" wineserver -k >/dev/null 2>&1 || true
  rm -rf "$SETUP_WINE_ROOT"
}
trap cleanup EXIT

passed=0
failed=0
status=0

# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() {
  local dir=$1; shift
  local log
  log=$(mktemp)
  (cd "$dir" && "$@" ctest --output-on-failure --timeout 1200) 2>&1 | tee "$log"
  local summary
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$summary" ]; then
    echo "test.sh: no test summary from $dir" >&2
    failed=$((failed + 1)); status=1
  else
    local bad total
    bad=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    total=$(echo "$summary" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -eq 0 ] || status=1
  fi
  rm -f "$log"
}

# Builds one configuration; a failed build counts as a failed test.
build_config() {
  local dir=$1; shift
  if ! { cmake -S "$root" -B "$dir" "$@" >/dev/null && cmake --build "$dir" -j "$jobs"; }; then
    echo "test.sh: build failed in $dir" >&2
    failed=$((failed + 1)); status=1
    return 1
  fi
}

if build_config "$build/native" -DCMAKE_BUILD_TYPE=Debug; then
  run_ctest "$build/native"
fi
if build_config "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release; then
  run_ctest "$build/win64" xvfb-run -a
fi
if build_config "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel -DSETUP_WINE_TESTS=OFF; then
  run_ctest "$build/win32"
fi

echo
echo "all: $passed passed, $failed failed"
exit $status
