#!/usr/bin/env bash
# Starts Velmor on the current X11 display. Where there is none (a server, a container, CI),
# it replays the shipped example on the simulated platform instead, and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOR_TESTS=OFF -DVELMOR_BENCHMARKS=OFF >/dev/null
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec build/velmor
fi
echo "No X11 display here: replaying examples/everyday-gestures.session on the simulated platform instead." >&2
exec build/velmor replay examples/everyday-gestures.session
