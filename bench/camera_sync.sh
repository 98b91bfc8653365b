#!/usr/bin/env bash
# How closely the rear camera's pictures follow the front camera's: plays generated 320 x 180,
# 25 fps recordings whose pictures show their frame numbers in the viewer's main window under a
# virtual X server, at 1.0 X, at 2.0 X and with 10 pause/resume cycles, each with and without the
# correction, and prints bench_playback_sync's figures for each.
#   bench/camera_sync.sh [BUILD_DIR] [SECONDS]     (default build/, 300 s per run)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
seconds="${2:-300}"
for f in make_demo_card bench/bench_playback_sync; do
  [ -x "$build/$f" ] || { echo "missing $build/$f: build first" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Long enough that the 2.0 X run stays within the first recording.
length=$((seconds * 2 + 30))
echo "writing a card of frame-counting recordings ($length s each)..."
"$build/make_demo_card" "$work/card" --frame-counter --seconds "$length" --drives 1 --size 320x180 \
  --fps 25 >/dev/null

run() { # LABEL ARGS...
  local label="$1"; shift
  echo "== $label"
  xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/bench_playback_sync" "$work/card" "$seconds" \
    --fps 25 "$@" 2>/dev/null | grep -E "correction|pictures over|after the first|reports"
}
for sync in on off; do
  flag=(); [ "$sync" = off ] && flag=(--no-sync)
  run "1.0 X, correction $sync" --rate-index 7 "${flag[@]}"
  run "2.0 X, correction $sync" --rate-index 12 "${flag[@]}"
  run "1.0 X, 10 pause/resume cycles, correction $sync" --pause-cycles 10 "${flag[@]}"
done
