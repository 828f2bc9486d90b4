#!/usr/bin/env bash
# Replays the example sessions and long generated ones, and keeps their JSON transcripts:
#   transcripts.sh record  VELMOR_BINARY FOLDER   writes the transcripts into FOLDER
#   transcripts.sh compare VELMOR_BINARY FOLDER   fails when any differs from FOLDER's
# A refactoring that must not change behaviour records before and compares after.
# Home folders, the resource path and new UUIDs differ between runs, so they are written as
# names. The virtual clock starts on the day of the run: record and compare on one day.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
mode="$1"
velmor="$(realpath "$2")"
folder="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

replay() {  # replay NAME SESSION HOME
  "$velmor" replay "$2" --json --home "$3" >"$work/$1.raw" 2>"$work/$1.err" || {
    echo "replay of $2 failed:" >&2
    cat "$work/$1.err" >&2
    exit 1
  }
  sed -E -e "s#$work#WORK#g" -e 's#"image":"[^"]*/([^"/]*)"#"image":"\1"#' \
    -e 's#[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}#UUID#g' \
    "$work/$1.raw" >"$work/$1.json"
}

for session in "$here"/examples/*.session; do
  name="$(basename "$session" .session)"
  mkdir -p "$work/home-$name"
  replay "$name" "$session" "$work/home-$name"
done

# The sync examples: two machines, each keeping its home, sharing one folder.
mkdir -p "$work/sync/Cloud Drive" "$work/sync/machine-1" "$work/sync/machine-2"
for step in 1-machine-one-starts-a-share:1 2-machine-two-joins:2 3-machine-two-retrains:2 \
            4-machine-one-picks-it-up:1; do
  session="${step%%:*}"
  sed "s#/tmp/velmor-sync-example#$work/sync#g" "$here/examples/sync/$session.session" \
    >"$work/$session.session"
  replay "sync-$session" "$work/$session.session" "$work/sync/machine-${step##*:}"
done

for seed in 1 2 3 4; do
  python3 "$here/scripts/generate-session.py" "$seed" 800 >"$work/generated-$seed.session"
  mkdir -p "$work/home-generated-$seed"
  replay "generated-$seed" "$work/generated-$seed.session" "$work/home-generated-$seed"
done

if [ "$mode" = record ]; then
  mkdir -p "$folder"
  cp "$work"/*.json "$folder"/
  echo "recorded $(ls "$work"/*.json | wc -l) transcripts in $folder"
  exit 0
fi
status=0
for transcript in "$work"/*.json; do
  name="$(basename "$transcript")"
  if ! cmp -s "$transcript" "$folder/$name"; then
    echo "transcript $name differs:" >&2
    diff "$folder/$name" "$transcript" | head -20 >&2 || true
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "all $(ls "$work"/*.json | wc -l) transcripts unchanged"
exit "$status"
