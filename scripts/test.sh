#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs the whole test suite.
# In CI (CI=true) or with --full it also runs the suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzzer briefly.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
install_missing
full=false
if [ "${CI:-}" = true ] || [ "${1:-}" = --full ]; then full=true; fi

passed=0
failed=0
status=0
# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() {
    local log
    log=$(mktemp)
    (cd "$1" && ctest --output-on-failure -j"$(nproc)") 2>&1 | tee "$log" || status=1
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1 || true)
    rm -f "$log"
    if [ -z "$line" ]; then status=1; return; fi
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

echo "== Release build and tests"
build
run_ctest "$BUILD"

if $full; then
    echo "== AddressSanitizer and UndefinedBehaviorSanitizer build and tests"
    BUILD="$ROOT/build-sanitize" BUILD_TYPE=RelWithDebInfo build -DPEG_SANITIZE=ON -DPEG_BENCHMARKS=OFF
    run_ctest "$ROOT/build-sanitize"

    echo "== Fuzzers, ${PEG_FUZZ_SECONDS:-30} s each"
    BUILD="$ROOT/build-fuzz" BUILD_TYPE=RelWithDebInfo build -DPEG_FUZZ=ON -DPEG_BENCHMARKS=OFF \
        -DCMAKE_CXX_COMPILER=clang++-14 -DPEG_FUZZ_SECONDS="${PEG_FUZZ_SECONDS:-30}"
    run_ctest "$ROOT/build-fuzz"
fi

echo "Summary: $passed passed, $failed failed"
exit $status
