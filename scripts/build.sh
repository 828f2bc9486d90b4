#!/usr/bin/env bash
# Configures and builds one build folder: build.sh FOLDER [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

folder="$1"
shift
jobs="$(nproc 2>/dev/null || echo 2)"
if [ ! -f "$folder/CMakeCache.txt" ]; then
  cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
fi
cmake --build "$folder" -j "$jobs"
