#!/usr/bin/env bash
# Copy speed: the viewer's copy operation (bench_copy, the work SAVE does) beside cp on the same
# files into the same target folder, taking turns, each followed by writing the target's file
# system out (the viewer's copy does that itself before it reports done; cp is followed by sync).
#   bench/copy_speed.sh [BUILD_DIR] [TARGET_PARENT] [FILES] [MB_EACH] [ROUNDS]
#   defaults: build/, a temporary folder, 8 files of 256 MB, 5 rounds
# Goal: the viewer's throughput at least 90 % of cp's (median of the rounds).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
parent="${2:-${TMPDIR:-/tmp}}"
files="${3:-8}"
mb="${4:-256}"
rounds="${5:-5}"
[ -x "$build/bench/bench_copy" ] || { echo "missing $build/bench/bench_copy: build first" >&2; exit 1; }

work="$(mktemp -d "$parent/copy-speed.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/source"
for i in $(seq 1 "$files"); do
  head -c "$((mb << 20))" /dev/urandom > "$work/source/$(printf '%04d' "$i")_F.MP4"
done
sources=("$work"/source/*)
total_mb=$((files * mb))

seconds_of() {
  local start end
  rm -rf "$work/target"; mkdir "$work/target"; sync -f "$work/target"
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}
cp_run() { cp "${sources[@]}" "$work/target/" && sync -f "$work/target"; }
viewer_run() { "$build/bench/bench_copy" "${sources[@]}" "$work/target"; }

cp_times=(); viewer_times=()
for _ in $(seq 1 "$rounds"); do
  cp_times+=("$(seconds_of cp_run)")
  viewer_times+=("$(seconds_of viewer_run)")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
cp_s=$(median "${cp_times[@]}"); viewer_s=$(median "${viewer_times[@]}")
echo "files: $files x $mb MB into $work/target"
echo "cp:     ${cp_times[*]} s  median $cp_s s  $(awk -v m="$total_mb" -v s="$cp_s" 'BEGIN { printf "%.0f MB/s", m / s }')"
echo "viewer: ${viewer_times[*]} s  median $viewer_s s  $(awk -v m="$total_mb" -v s="$viewer_s" 'BEGIN { printf "%.0f MB/s", m / s }')"
awk -v c="$cp_s" -v v="$viewer_s" 'BEGIN { printf "viewer throughput: %.0f %% of cp (goal: at least 90 %%)\n", 100 * c / v }'
