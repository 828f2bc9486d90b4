#!/usr/bin/env bash
# Builds and runs every test twice: a plain build, then one under AddressSanitizer and
# UndefinedBehaviorSanitizer, where any sanitizer report fails the run; then the threaded
# tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

scripts/build.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOR_BENCHMARKS=ON -DVELMOR_WERROR=ON
ctest --test-dir build-test --output-on-failure
# The Debian package of that build, installed, started on an X server of its own, removed.
scripts/test-package.sh

# Full stacks on every allocation, so that the desktop libraries' lifelong caches can be told
# from our own leaks by the libraries on their stacks.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-desktop.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMOR_SANITIZE=ON -DVELMOR_BENCHMARKS=OFF -DVELMOR_WERROR=ON
ctest --test-dir build-sanitize --output-on-failure

# The core and the desktop main loop on real threads under ThreadSanitizer: only the tests
# labelled threaded are built and run there.
export TSAN_OPTIONS="halt_on_error=1"
if [ ! -f build-tsan/CMakeCache.txt ]; then
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOR_TSAN=ON \
    -DVELMOR_BENCHMARKS=OFF >/dev/null
fi
cmake --build build-tsan -j "$(nproc 2>/dev/null || echo 2)" --target velmor_threaded_checks
ctest --test-dir build-tsan -L threaded --output-on-failure

# The Mac build, cross-compiled and linked against a macOS SDK where one lies in
# /opt/macos-sdk (or $VELMOR_MACOS_SDK); without one it says how to get one.
scripts/check-macos.sh "${VELMOR_MACOS_SDK:-/opt/macos-sdk}"
