#!/usr/bin/env bash
# Plays two machines sharing one cloud folder: each machine keeps its own home folder
# between its sessions, and both see the same share folder, "Cloud Drive" beside their
# homes, in a fresh temporary folder (set KEEP=1 to keep it and look inside).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
velmor="${VELMOR:-$here/../../build/velmor}"
example="$(mktemp -d "${TMPDIR:-/tmp}/velmor-sync-example.XXXXXX")"
if [ "${KEEP:-0}" = 1 ]; then
  echo "== the machines and the cloud folder stay in $example"
else
  trap 'rm -rf "$example"' EXIT
fi
mkdir -p "$example/Cloud Drive" "$example/machine-1" "$example/machine-2"

for step in 1-machine-one-starts-a-share:1 2-machine-two-joins:2 3-machine-two-retrains:2 \
            4-machine-one-picks-it-up:1; do
  session="${step%%:*}"
  machine="${step##*:}"
  echo "== $session (machine $machine)"
  "$velmor" replay "$here/$session.session" --home "$example/machine-$machine" "$@"
done
