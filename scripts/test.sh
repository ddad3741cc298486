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
# Runs ctest in a build folder: its exit status says whether all passed,
# its JUnit report gives the counts.
run_ctest() {
    local junit="$1/ctest-junit.xml"
    rm -f "$junit"
    # One more than the cores: the real-window tests spend most of their time
    # waiting on the display.
    (cd "$1" && ctest --output-on-failure -j"$(($(nproc) + 1))" --output-junit "$junit") || status=1
    if [ ! -s "$junit" ]; then status=1; return; fi
    local head tests failures skipped
    head=$(tr '\n' ' ' <"$junit" | grep -o '<testsuite [^>]*>' | head -n1)
    attr() { sed -n "s/.*[[:space:]]$1=\"\([0-9]*\)\".*/\1/p" <<<"$head"; }
    tests=$(attr tests) failures=$(attr failures) skipped=$(attr skipped)
    [ -n "$tests" ] && [ -n "$failures" ] || { status=1; return; }
    passed=$((passed + tests - failures - ${skipped:-0}))
    failed=$((failed + failures))
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
