#!/usr/bin/env bash
# Clip export cost: `vemora clip` writing 20 s of a camera-like front/rear pair (2560 x 1440
# H.265 front, 1920 x 1080 H.264 rear 0.3 s shorter, 30 fps, camera grain and bit rate, across the
# cut between two recordings of 12.033 and 11.967 s, a 333 ms write stall in the second, the
# first without sound) side by side with the telemetry band, beside the ffmpeg command line doing
# the same work on the same files: both cameras decoded across the cut, the front scaled to
# 1080 lines, stacked, a band of the same height with text drawn per frame, the same encoding
# (libx264, same preset and CRF, yuv420p, +faststart) and AAC sound. Each runs twice,
# alternately; the cheaper run of each counts. The figure that counts is the CPU time (user +
# system): the machine is shared, so wall time is noisy.
#   bench/clip_export.sh [BUILD_DIR] [FIXTURE_BUILD_DIR]
# BUILD_DIR's vemora is measured (an older build gives the "before" figure); the card is made
# with FIXTURE_BUILD_DIR's make_demo_card (default: BUILD_DIR's, else this checkout's build/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
fixtures="$(realpath "${2:-$build}")"
[ -x "$build/vemora" ] || { echo "missing $build/vemora: build first" >&2; exit 1; }
[ -x "$fixtures/make_demo_card" ] && "$fixtures/make_demo_card" 2>&1 | grep -q -- --camera-like ||
  fixtures="$root/build"
[ -x "$fixtures/make_demo_card" ] || { echo "missing $fixtures/make_demo_card: build first" >&2; exit 1; }
command -v ffmpeg >/dev/null || { echo "ffmpeg missing" >&2; exit 1; }
font=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
[ -f "$font" ] || { echo "fonts-dejavu-core missing" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
echo "writing a camera-like card (the base videos are kept with the build's fixtures)..."
"$fixtures/make_demo_card" "$work/card" --camera-like >/dev/null
mapfile -t fronts < <(ls "$work"/card/DCIM/Movie/F/*.MP4)
rears=()
for f in "${fronts[@]}"; do r="${f/\/F\//\/R\/}"; rears+=("${r/_F.MP4/_R.MP4}"); done
seconds=20
band=120 # the band under 1080-line pictures (BandHeightFor)
preset=veryfast
crf=20
printf "file '%s'\n" "${fronts[0]}" "${fronts[1]}" > "$work/fronts.txt"
printf "file '%s'\n" "${rears[0]}" "${rears[1]}" > "$work/rears.txt"

ours() {
  rm -f "$work/ours.mp4"
  "$build/vemora" clip "${fronts[0]}" --from 0 --to "$seconds" --out "$work/ours.mp4" > "$work/ours.json"
}
theirs() {
  ffmpeg -nostdin -v error -y -f concat -safe 0 -i "$work/fronts.txt" -f concat -safe 0 -i "$work/rears.txt" \
    -i "${fronts[1]}" -filter_complex \
    "[0:v]scale=1920:1080:flags=bicubic[f];[f][1:v]hstack=inputs=2,pad=iw:ih+$band:0:0:black,drawtext=fontfile=$font:fontsize=43:fontcolor=white:x=16:y=h-$band+20:text='%{pts\\:hms}'[v]" \
    -map '[v]' -map 2:a -t "$seconds" -r 30 -c:v libx264 -preset "$preset" -crf "$crf" -pix_fmt yuv420p \
    -c:a aac -b:a 128k -movflags +faststart "$work/theirs.mp4"
}
# "WALL CPU" seconds of a command (CPU: user + system of it and its threads).
timed() {
  local TIMEFORMAT='%R %U %S' t
  t=$( { time "$@" 2>>"$work/log" ; } 2>&1 )
  awk -v t="$t" 'BEGIN { split(t, f, " "); printf "%.2f %.2f\n", f[1], f[2] + f[3] }'
}

echo "exporting (twice each, alternately)..."
read -r ow1 oc1 < <(timed ours); read -r tw1 tc1 < <(timed theirs)
read -r ow2 oc2 < <(timed ours); read -r tw2 tc2 < <(timed theirs)
[ -s "$work/ours.mp4" ] || { echo "vemora clip failed:"; cat "$work/log"; exit 1; }
size=$(stat -c %s "$work/ours.mp4")
size_theirs=$(stat -c %s "$work/theirs.mp4")
geometry=$(ffprobe -v error -select_streams v:0 -show_entries stream=width,height,nb_frames -of csv=p=0 "$work/ours.mp4")
sound=$(ffprobe -v error -select_streams a:0 -show_entries stream=codec_name,duration -of csv=p=0 "$work/ours.mp4")
echo "clip: $geometry (width, height, frames); sound: ${sound:-none}; load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v ow1="$ow1" -v ow2="$ow2" -v oc1="$oc1" -v oc2="$oc2" -v tw1="$tw1" -v tw2="$tw2" -v tc1="$tc1" -v tc2="$tc2" \
    -v s="$seconds" -v b="$size" -v bt="$size_theirs" 'function min(a, b) { return a < b ? a : b }
BEGIN {
  ow = min(ow1, ow2); tw = min(tw1, tw2); oc = min(oc1, oc2); tc = min(tc1, tc2)
  printf "vemora clip:  %6.2f s wall, %6.2f s CPU  (runs %.2f/%.2f, %.2f/%.2f)\n", ow, oc, ow1, oc1, ow2, oc2
  printf "ffmpeg:       %6.2f s wall, %6.2f s CPU  (runs %.2f/%.2f, %.2f/%.2f)\n", tw, tc, tw1, tc1, tw2, tc2
  printf "ratio:        %.2f x the command line in CPU time (goal: at most 1.0); %.2f x in wall time\n", oc / tc, ow / tw
  printf "speed:        %.2f x real time; %.2f x with both cores to itself (20 s / half its CPU time)\n", s / ow, s / (oc / 2)
  printf "size:         %.1f MB per minute (command line: %.1f MB per minute)\n", b * 60 / s / 1e6, bt * 60 / s / 1e6
}'
