#!/usr/bin/env bash
# Clip export cost: `vemora clip` writing 20 s of a camera-like front/rear pair (2560 x 1440
# H.265 front, 1920 x 1080 H.264 rear 0.3 s shorter, 30 fps, camera grain and bit rate, across the
# cut between two recordings of 12.033 and 11.967 s, a 333 ms write stall in the second, the
# first without sound) side by side with the telemetry band, beside the ffmpeg command line doing
# the same work on the same files: both cameras decoded across the cut, the front scaled to
# 1080 lines, stacked, a band of the same height with text drawn per frame, the same encoding
# (libx264, same preset, CRF and share-size options, yuv420p, +faststart) and AAC sound. Both at the two sizes: full
# (the front scaled to 1080 lines beside the 1080p rear) and share (`--size share`: both at 960 x
# 540, 1920 wide in all). Each runs twice, alternately; the cheaper run of each counts. The figure
# that counts is the CPU time (user + system of the process and its threads, from bash's `time`):
# the machine is shared, so wall time is noisy. Printed per second of footage: below 1.0 is
# faster than real time on one core.
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
preset=veryfast
crf=20
share_options="subme=1:partitions=i8x8,i4x4" # what the share size adds to the preset (X264Params)
printf "file '%s'\n" "${fronts[0]}" "${fronts[1]}" > "$work/fronts.txt"
printf "file '%s'\n" "${rears[0]}" "${rears[1]}" > "$work/rears.txt"

# ours SIZE: vemora clip at that size into ours-SIZE.mp4.
ours() {
  rm -f "$work/ours-$1.mp4"
  "$build/vemora" clip "${fronts[0]}" --from 0 --to "$seconds" --size "$1" --out "$work/ours-$1.mp4" > "$work/ours-$1.json"
}
# theirs SIZE: the command line at that size: picture height, band under it (BandHeightFor), font.
theirs() {
  local h band font_size params=()
  if [ "$1" = share ]; then h=540; band=60; font_size=22; params=(-x264-params "$share_options")
  else h=1080; band=120; font_size=43; fi
  ffmpeg -nostdin -v error -y -f concat -safe 0 -i "$work/fronts.txt" -f concat -safe 0 -i "$work/rears.txt" \
    -i "${fronts[1]}" -filter_complex \
    "[0:v]scale=-2:$h:flags=bicubic[f];[1:v]scale=-2:$h:flags=bicubic[r];[f][r]hstack=inputs=2,pad=iw:ih+$band:0:0:black,drawtext=fontfile=$font:fontsize=$font_size:fontcolor=white:x=16:y=h-$band+$((band / 6)):text='%{pts\\:hms}'[v]" \
    -map '[v]' -map 2:a -t "$seconds" -r 30 -c:v libx264 -preset "$preset" -crf "$crf" "${params[@]}" -pix_fmt yuv420p \
    -c:a aac -b:a 128k -movflags +faststart "$work/theirs-$1.mp4"
}
# "WALL CPU" seconds of a command (CPU: user + system of it and its threads).
timed() {
  local TIMEFORMAT='%R %U %S' t
  t=$( { time "$@" 2>>"$work/log" ; } 2>&1 )
  awk -v t="$t" 'BEGIN { split(t, f, " "); printf "%.2f %.2f\n", f[1], f[2] + f[3] }'
}
# The cheaper of two runs, as "WALL CPU".
cheaper() { awk -v a="$1" -v b="$2" -v c="$3" -v d="$4" 'BEGIN { printf "%.2f %.2f\n", (a < c ? a : c), (b < d ? b : d) }'; }

for size in share full; do
  echo "exporting at $size size (twice each, alternately)..."
  read -r ow1 oc1 < <(timed ours $size); read -r tw1 tc1 < <(timed theirs $size)
  read -r ow2 oc2 < <(timed ours $size); read -r tw2 tc2 < <(timed theirs $size)
  [ -s "$work/ours-$size.mp4" ] || { echo "vemora clip failed:"; cat "$work/log"; exit 1; }
  read -r ow oc < <(cheaper "$ow1" "$oc1" "$ow2" "$oc2")
  read -r tw tc < <(cheaper "$tw1" "$tc1" "$tw2" "$tc2")
  bytes=$(stat -c %s "$work/ours-$size.mp4")
  bytes_theirs=$(stat -c %s "$work/theirs-$size.mp4")
  IFS=, read -r width height frames < <(ffprobe -v error -select_streams v:0 -show_entries stream=width,height,nb_frames -of csv=p=0 "$work/ours-$size.mp4")
  video_bits=$(ffprobe -v error -select_streams v:0 -show_entries stream=bit_rate -of csv=p=0 "$work/ours-$size.mp4")
  picture=$([ $size = share ] && echo 540 || echo 1080)
  awk -v size=$size -v ow="$ow" -v oc="$oc" -v tw="$tw" -v tc="$tc" -v s="$seconds" -v b="$bytes" -v bt="$bytes_theirs" \
      -v w="$width" -v h="$height" -v f="$frames" -v vb="$video_bits" -v ph="$picture" 'BEGIN {
    printf "%s: %dx%d, %d frames, load average %s\n", size, w, h, f, "'"$(cut -d' ' -f1-3 /proc/loadavg)"'"
    printf "  vemora clip: %6.2f s CPU = %.2f CPU s per s of footage (%.2f s wall)\n", oc, oc / s, ow
    printf "  ffmpeg line: %6.2f s CPU = %.2f CPU s per s of footage (%.2f s wall)\n", tc, tc / s, tw
    printf "  ratio:       %.2f x the command line in CPU time\n", oc / tc
    printf "  size:        %.1f MB (command line %.1f MB); %.3f video bits per picture pixel\n", b / 1e6, bt / 1e6, vb / 30 / (w * ph)
  }'
done
