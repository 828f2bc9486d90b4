#!/usr/bin/env bash
# Builds the program and replays a session on the simulated platform.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOR_TESTS=OFF -DVELMOR_BENCHMARKS=OFF >/dev/null
exec build/velmor replay "${1:-examples/everyday-gestures.session}" "${@:2}"
