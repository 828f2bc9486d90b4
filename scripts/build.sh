#!/usr/bin/env bash
# Configures and builds one build folder: build.sh FOLDER [extra cmake options...]
# Options given on a later call are applied to the folder's existing configuration.
set -euo pipefail
cd "$(dirname "$0")/.."

folder="$1"
shift
jobs="$(nproc 2>/dev/null || echo 2)"
if [ ! -f "$folder/CMakeCache.txt" ]; then
  cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
elif [ "$#" -gt 0 ]; then
  cmake -S . -B "$folder" "$@" >/dev/null
fi
cmake --build "$folder" -j "$jobs"
