#!/usr/bin/env bash
# Incident report cost: `vemora report` making the pack of 20 s (the moment +- 10 s, across the
# cut between two recordings) of a generated 1920 x 1080, 30 fps front/rear pair at a camera's bit
# rate, beside `vemora clip` writing the same 20 s alone, in the same run. Each runs twice,
# alternately; the faster run of each counts. The pack adds the stills, the track, the PDF and the
# copies of four originals read back from the disk; it may cost at most 30 % more than the clip.
# The machine may be shared: CPU seconds tell the work, wall seconds the wait.
#   bench/incident_report.sh [BUILD_DIR]     (default build/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
for f in vemora make_demo_card; do
  [ -x "$build/$f" ] || { echo "missing $build/$f: build first" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
echo "writing a card of 1920 x 1080, 30 fps recordings (20 s each, a camera's bit rate)..."
"$build/make_demo_card" "$work/card" --seconds 20 --drives 1 --size 1920x1080 --fps 30 --frame-counter --grain >/dev/null
first="$(ls "$work"/card/DCIM/Movie/F/*.MP4 | sed -n 1p)"
second="$(ls "$work"/card/DCIM/Movie/F/*.MP4 | sed -n 2p)"

clip() {
  rm -f "$work/clip.mp4"
  "$build/vemora" clip "$first" --from 15 --to 35 --out "$work/clip.mp4" > "$work/clip.json"
}
pack() {
  rm -rf "$work/pack"
  "$build/vemora" report "$second" --at 5 --out "$work/pack" --lang en > "$work/pack.json"
}
timed() {
  local TIMEFORMAT='%R %U %S' t
  t=$( { time "$@" 2>>"$work/log" ; } 2>&1 )
  awk -v t="$t" 'BEGIN { split(t, f, " "); printf "%.2f %.2f\n", f[1], f[2] + f[3] }'
}

echo "making the clip and the pack (twice each, alternately)..."
read -r cw1 cc1 < <(timed clip); read -r pw1 pc1 < <(timed pack)
read -r cw2 cc2 < <(timed clip); read -r pw2 pc2 < <(timed pack)
(cd "$work/pack" && sha256sum --quiet -c SHA256SUMS) || { echo "the pack does not check out" >&2; exit 1; }
originals=$(du -cb "$work"/pack/originals/* | tail -n1 | cut -f1)
echo "pack: $(ls "$work/pack/originals" | wc -l) originals of $((originals / 1000000)) MB, report.pdf $(($(stat -c %s "$work/pack/report.pdf") / 1000)) kB; load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v cw1="$cw1" -v cw2="$cw2" -v cc1="$cc1" -v cc2="$cc2" -v pw1="$pw1" -v pw2="$pw2" -v pc1="$pc1" -v pc2="$pc2" \
    'function min(a, b) { return a < b ? a : b }
BEGIN {
  cw = min(cw1, cw2); pw = min(pw1, pw2); cc = min(cc1, cc2); pc = min(pc1, pc2)
  printf "vemora clip:    %6.2f s wall, %6.2f s CPU  (runs %.2f/%.2f, %.2f/%.2f)\n", cw, cc, cw1, cc1, cw2, cc2
  printf "vemora report:  %6.2f s wall, %6.2f s CPU  (runs %.2f/%.2f, %.2f/%.2f)\n", pw, pc, pw1, pc1, pw2, pc2
  printf "the pack costs: %+.0f %% in CPU time, %+.0f %% in wall time over the clip alone (goal: at most +30 %%)\n", 100 * (pc / cc - 1), 100 * (pw / cw - 1)
}'
