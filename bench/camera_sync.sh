#!/usr/bin/env bash
# How closely the rear camera's pictures follow the front camera's: plays generated 25 fps
# recordings whose pictures show their frame numbers in the viewer's main window under a virtual
# X server, at 1.0 X, at 2.0 X and with 10 pause/resume cycles, each with and without the
# correction, then the user's actions one after the other at 1.0 X (5 s skips, pauses of 2 s
# and resumes, rate steps, seek-bar clicks) and 5 s skips at 2.0 X, and prints
# bench_playback_sync's figures for each: per action the time until both pictures were within a
# frame and the largest difference from 0.5 s and from 1.0 s after the key on. The pictures are
# 320 x 180, or full HD with moving grain coded like a camera's (--size 1920x1080).
#   bench/camera_sync.sh [BUILD_DIR] [SECONDS] [--size WxH] [--actions-only]
#   (default build/, 300 s per run, 320x180)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
positional=()
size=320x180
actionsOnly=0
while [ $# -gt 0 ]; do
  case "$1" in
    --size) size="$2"; shift 2 ;;
    --actions-only | --skips-only) actionsOnly=1; shift ;;
    *) positional+=("$1"); shift ;;
  esac
done
build="$(realpath "${positional[0]:-$root/build}")"
seconds="${positional[1]:-300}"
for f in make_demo_card bench/bench_playback_sync; do
  [ -x "$build/$f" ] || { echo "missing $build/$f: build first" >&2; exit 1; }
done
grain=()
[ "$size" != 320x180 ] && grain=(--grain)
# An action every 5 s.
actions=$((seconds / 5 > 1 ? seconds / 5 : 1))

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The viewer's settings, logs and drive catalogue stay in the work folder, not the user's.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
# Long enough that the 2.0 X run with its skips stays within the first recording.
length=$((seconds * 2 + actions * 5 + 30))
echo "writing a card of $size frame-counting recordings ($length s each)..."
"$build/make_demo_card" "$work/card" --frame-counter "${grain[@]}" --seconds "$length" --drives 1 \
  --size "$size" --fps 25 >/dev/null

run() { # LABEL ARGS...
  local label="$1"; shift
  echo "== $label"
  xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/bench_playback_sync" "$work/card" "$seconds" \
    --fps 25 "$@" 2>/dev/null | grep -E "correction|pictures over|after the first|reports|\): within"
}
if [ "$actionsOnly" = 0 ]; then
  for sync in on off; do
    flag=(); [ "$sync" = off ] && flag=(--no-sync)
    run "1.0 X, correction $sync" --rate-index 7 "${flag[@]}"
    run "2.0 X, correction $sync" --rate-index 12 "${flag[@]}"
    run "1.0 X, 10 pause/resume cycles, correction $sync" --pause-cycles 10 "${flag[@]}"
  done
fi
run "1.0 X, $actions actions (skip, pause/resume, rate step, seek-bar click), correction on" --rate-index 7 \
  --actions "$actions" skip,pause,rate,bar
run "2.0 X, $actions skips of 5 s, correction on" --rate-index 12 --actions "$actions" skip
