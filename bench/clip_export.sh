#!/usr/bin/env bash
# Clip export speed: `vemora clip` writing 20 s of a generated 1920 x 1080, 30 fps front/rear
# pair side by side with the telemetry band, beside the ffmpeg command line doing the same
# stacking, a band of the same height with text drawn per frame, and the same encoding (libx264,
# same preset and CRF, yuv420p, +faststart) on the same files, in the same run. Each runs twice,
# alternately; the faster run of each counts. Prints both times, the ratio, the speed against
# real time and the clip's size per minute.
#   bench/clip_export.sh [BUILD_DIR]     (default build/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
for f in vemora make_demo_card; do
  [ -x "$build/$f" ] || { echo "missing $build/$f: build first" >&2; exit 1; }
done
command -v ffmpeg >/dev/null || { echo "ffmpeg missing" >&2; exit 1; }
font=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
[ -f "$font" ] || { echo "fonts-dejavu-core missing" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
echo "writing a card of 1920 x 1080, 30 fps recordings (20 s each)..."
"$build/make_demo_card" "$work/card" --seconds 20 --drives 1 --size 1920x1080 --fps 30 >/dev/null
front="$(ls "$work"/card/DCIM/Movie/F/*.MP4 | head -n1)"
rear="${front/\/F\//\/R\/}"; rear="${rear/_F.MP4/_R.MP4}"
seconds=20
band=120 # the band under 1080-line pictures (BandHeightFor)
preset=veryfast
crf=20

ours() {
  "$build/vemora" clip "$front" --from 0 --to "$seconds" --out "$work/ours.mp4" > "$work/ours.json"
}
theirs() {
  ffmpeg -nostdin -v error -y -i "$front" -i "$rear" -filter_complex \
    "[0:v][1:v]hstack=inputs=2,pad=iw:ih+$band:0:0:black,drawtext=fontfile=$font:fontsize=43:fontcolor=white:x=16:y=h-$band+20:text='%{pts\\:hms}'" \
    -t "$seconds" -c:v libx264 -preset "$preset" -crf "$crf" -pix_fmt yuv420p -an -movflags +faststart \
    "$work/theirs.mp4"
}
# "WALL CPU" seconds of a command (CPU: user + system of it and its threads). The machine may be
# shared: CPU seconds tell the work, wall seconds the wait.
timed() {
  local TIMEFORMAT='%R %U %S' t
  t=$( { time "$@" 2>>"$work/log" ; } 2>&1 )
  awk -v t="$t" 'BEGIN { split(t, f, " "); printf "%.2f %.2f\n", f[1], f[2] + f[3] }'
}
best() { printf '%s\n' "$@" | sort -n | head -n1; }

echo "exporting (twice each, alternately)..."
read -r ow1 oc1 < <(timed ours); read -r tw1 tc1 < <(timed theirs)
read -r ow2 oc2 < <(timed ours); read -r tw2 tc2 < <(timed theirs)
size=$(stat -c %s "$work/ours.mp4")
size_theirs=$(stat -c %s "$work/theirs.mp4")
geometry=$(ffprobe -v error -select_streams v:0 -show_entries stream=width,height,nb_frames -of csv=p=0 "$work/ours.mp4")
echo "clip: $geometry (width, height, frames); load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v ow1="$ow1" -v ow2="$ow2" -v oc1="$oc1" -v oc2="$oc2" -v tw1="$tw1" -v tw2="$tw2" -v tc1="$tc1" -v tc2="$tc2" \
    -v s="$seconds" -v b="$size" -v bt="$size_theirs" 'function min(a, b) { return a < b ? a : b }
BEGIN {
  ow = min(ow1, ow2); tw = min(tw1, tw2); oc = min(oc1, oc2); tc = min(tc1, tc2)
  printf "vemora clip:  %6.2f s wall, %6.2f s CPU  (runs %.2f/%.2f, %.2f/%.2f)\n", ow, oc, ow1, oc1, ow2, oc2
  printf "ffmpeg:       %6.2f s wall, %6.2f s CPU  (runs %.2f/%.2f, %.2f/%.2f)\n", tw, tc, tw1, tc1, tw2, tc2
  printf "ratio:        %.2f x the command line in wall time, %.2f x in CPU time (goal: at most 1.1)\n", ow / tw, oc / tc
  printf "speed:        %.2f x real time (goal: above 1); %.2f x with both cores to itself (20 s / half its CPU time)\n", s / ow, s / (oc / 2)
  printf "size:         %.1f MB per minute (command line: %.1f MB per minute)\n", b * 60 / s / 1e6, bt * 60 / s / 1e6
}'
