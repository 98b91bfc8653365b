#!/usr/bin/env bash
# Playback cost: CPU seconds per second of the viewer (all its processes) while it plays a
# generated 1280 x 720, 25 fps front/rear pair, beside two bare libVLC players in two plain
# windows on the same files, in the same run, under one virtual X server. (The two cameras'
# step has bench/camera_sync.sh.)
#   bench/playback_cost.sh [BUILD_DIR]     (default build/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
for f in vemora-viewer make_demo_card bench/bench_bare_players; do
  [ -x "$build/$f" ] || { echo "missing $build/$f: build first" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The viewer's settings, logs and drive catalogue stay in the work folder, not the user's.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
echo "writing a card of 1280 x 720, 25 fps recordings (40 s each)..."
"$build/make_demo_card" "$work/card" --seconds 40 --drives 1 --size 1280x720 --fps 25 >/dev/null
front="$(ls "$work"/card/DCIM/Movie/F/*.MP4 | head -n1)"
rear="${front/\/F\//\/R\/}"; rear="${rear/_F.MP4/_R.MP4}"

cat > "$work/measure.sh" <<'INNER'
#!/usr/bin/env bash
# measure.sh WARMUP SECONDS COMMAND... : CPU seconds per second of COMMAND's process tree.
set -u
warmup="$1"; seconds="$2"; shift 2
"$@" > /dev/null 2>&1 &
pid=$!
tree_ticks() {
  local pids=("$1") i=0 total=0
  while [ $i -lt ${#pids[@]} ]; do
    for c in $(cat /proc/${pids[$i]}/task/*/children 2>/dev/null); do pids+=("$c"); done
    i=$((i + 1))
  done
  for p in "${pids[@]}"; do
    read -r -a f < <(sed 's/^.*) //' /proc/$p/stat 2>/dev/null || echo)
    [ ${#f[@]} -gt 12 ] && total=$((total + f[11] + f[12]))
  done
  echo "$total ${#pids[@]}"
}
sleep "$warmup"
read -r t0 n0 < <(tree_ticks "$pid")
start=$(date +%s.%N)
sleep "$seconds"
read -r t1 n1 < <(tree_ticks "$pid")
end=$(date +%s.%N)
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
hz=$(getconf CLK_TCK)
echo "$(awk -v a="$t0" -v b="$t1" -v hz="$hz" -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", (b - a) / hz / (e - s) }') $n1"
INNER
chmod +x "$work/measure.sh"

cat > "$work/run.sh" <<INNER
#!/usr/bin/env bash
set -u
cd "$work"
read -r viewer viewer_procs < <("$work/measure.sh" 6 20 "$build/vemora-viewer" "$work/card")
read -r bare bare_procs < <("$work/measure.sh" 3 20 "$build/bench/bench_bare_players" "$front" "$rear")
echo "viewer:      \$viewer CPU s/s (\$viewer_procs processes)"
echo "bare pair:   \$bare CPU s/s (\$bare_procs processes)"
echo "ratio:       \$(awk -v v="\$viewer" -v b="\$bare" 'BEGIN { printf "%.2f", v / b }') (goal: at most 1.5)"
INNER
chmod +x "$work/run.sh"
xvfb-run -a -s "-screen 0 1920x1080x24" "$work/run.sh"
