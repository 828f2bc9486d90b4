#!/usr/bin/env bash
# Builds and runs every test twice: a plain build, then one under AddressSanitizer and
# UndefinedBehaviorSanitizer, where any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

scripts/build.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOR_BENCHMARKS=ON -DVELMOR_WERROR=ON
ctest --test-dir build-test --output-on-failure

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMOR_SANITIZE=ON -DVELMOR_BENCHMARKS=OFF -DVELMOR_WERROR=ON
ctest --test-dir build-sanitize --output-on-failure
