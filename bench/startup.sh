#!/usr/bin/env bash
# Start-up: from the process's start to both cameras' first pictures on the screen, the viewer
# (scanning a small frame-counting card and opening its first recording, as at a start with a
# folder) beside two bare libVLC players started on the same pair of files, alternately, five
# times each under one virtual X server; prints every run and the medians.
#   bench/startup.sh [BUILD_DIR] [RUNS]     (default build/, 5)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
runs="${2:-5}"
for f in make_demo_card bench/bench_playback_sync bench/bench_bare_players; do
  [ -x "$build/$f" ] || { echo "missing $build/$f: build first" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The viewer's settings, logs and drive catalogue stay in the work folder, not the user's.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
"$build/make_demo_card" "$work/card" --frame-counter --seconds 20 --drives 1 --size 320x180 --fps 25 >/dev/null
front="$(ls "$work"/card/DCIM/Movie/F/*.MP4 | head -n1)"
rear="${front/\/F\//\/R\/}"; rear="${rear/_F.MP4/_R.MP4}"

cat > "$work/runs.sh" <<INNER
#!/usr/bin/env bash
# Inside one X server: the viewer and the bare pair in turn.
for i in \$(seq $runs); do
  printf 'viewer '; "$build/bench/bench_playback_sync" "$work/card" --startup 2>/dev/null | grep -o '[0-9]* ms.*' || echo failed
  printf 'bare '; "$build/bench/bench_bare_players" "$front" "$rear" --first-pictures 2>/dev/null | grep -o '[0-9]* ms' || echo failed
done
INNER
chmod +x "$work/runs.sh"
xvfb-run -a -s "-screen 0 1280x800x24" "$work/runs.sh" | tee "$work/out.txt"
median() { grep "^$1 " "$work/out.txt" | grep -o '[0-9]* ms' | head -n 1000 | grep -o '^[0-9]*' | sort -n | awk '{a[NR]=$1} END {print (NR ? a[int((NR+1)/2)] : "none")}'; }
viewer="$(median viewer)"; bare="$(median bare)"
echo "median: viewer $viewer ms, bare players $bare ms, ratio $(awk -v v="$viewer" -v b="$bare" 'BEGIN {if (b > 0) printf "%.2f", v / b; else print "none"}')"
