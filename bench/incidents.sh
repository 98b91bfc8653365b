#!/usr/bin/env bash
# The incidents of a whole card: `vemora events` over a generated card of 2000 pairs of 60-second
# recordings, cold-ish (after dropping the page cache, where permitted) and warm; then, under a
# virtual X server, the viewer's CPU while it plays the card's first recording (1280 x 720,
# 25 fps) with its incident search running (empty cache) and without it (the search answered
# from its cache), over the same stretch of time.
#   bench/incidents.sh [BUILD_DIR] [PAIRS]        (default build/, 2000)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
pairs="${2:-2000}"
for f in vemora vemora-viewer bench/bench_incidents_card; do
  [ -x "$build/$f" ] || { echo "missing $build/$f: build first" >&2; exit 1; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/bench/bench_incidents_card" "$work/card" "$pairs"

now() { date +%s.%N; }
run_events() {
  local start end
  start=$(now)
  "$build/vemora" events "$work/card" > "$work/events.json"
  end=$(now)
  python3 - "$work/events.json" "$start" "$end" "$1" <<'PY'
import json, sys
doc = json.load(open(sys.argv[1]))
s = float(sys.argv[3]) - float(sys.argv[2])
n = doc["recordings"]
kinds = {}
for e in doc["events"]:
    kinds[e["kind"]] = kinds.get(e["kind"], 0) + 1
print(f"{sys.argv[4]:<34} {s:6.2f} s  {n / s:7.0f} pairs/s  ({n} pairs, {len(doc['events'])} events {kinds})")
PY
}

sync
if (echo 3 > /proc/sys/vm/drop_caches) 2>/dev/null; then
  run_events "vemora events, cold (caches dropped)"
else
  echo "(the page cache cannot be dropped here: not permitted; the first run reads what the writer left cached)"
  run_events "vemora events, first run"
fi
for i in 1 2 3; do run_events "vemora events, warm run $i"; done

# --- The viewer's CPU with and without its incident search -------------------------------------
cat > "$work/viewer.sh" <<'INNER'
#!/usr/bin/env bash
# viewer.sh WORK CACHE_HOME WINDOW_S : starts the viewer on the card and prints the CPU seconds
# per second of its process tree from 2.5 s after the start (the scan is over by then) over
# WINDOW_S seconds (0: until the incident cache has been written), the window's length, when
# the cache was written, and the CPU seconds of the search's own thread (the one at nice 19).
set -u
work="$1"; cache="$2"; window="$3"
cd "$work"
mkdir -p "$work/config/vemora-viewer"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
printf '[WINPOS]\nLEFT=0\nTOP=0\nRIGHT=1280\nBOTTOM=800\n' > "$XDG_CONFIG_HOME/vemora-viewer/Kalvo.ini"
XDG_CACHE_HOME="$cache" "$VIEWER" "$work/card" > /dev/null 2>&1 &
pid=$!
launched=$(date +%s.%N)
# Fields of a /proc stat file after the command's name (bash builtins only: polled often).
stat_fields() {
  local line
  { read -r line < "$1"; } 2>/dev/null || return 1
  read -r -a f <<< "${line##*) }"
}
tree_ticks() {
  local pids=("$1") i=0 total=0 c
  while [ $i -lt ${#pids[@]} ]; do
    for c in $(cat /proc/${pids[$i]}/task/*/children 2>/dev/null); do pids+=("$c"); done
    i=$((i + 1))
  done
  for c in "${pids[@]}"; do
    stat_fields /proc/$c/stat && [ ${#f[@]} -gt 12 ] && total=$((total + f[11] + f[12]))
  done
  echo "$total"
}
# utime + stime of the viewer's threads at nice 19: the incident search.
search_ticks() {
  local total=0 t
  for t in /proc/$pid/task/*/stat; do
    stat_fields "$t" && [ ${#f[@]} -gt 16 ] && [ "${f[16]}" = 19 ] && total=$((total + f[11] + f[12]))
  done
  search_now=$total
}
file="$cache/vemora-viewer/incidents.txt"
written=""
search=0
poll() {
  search_ticks; [ "$search_now" -gt "$search" ] && search=$search_now
  [ -n "$written" ] && return
  [ -f "$file" ] && written=$(awk -v a="$launched" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
}
sleep 2.5
t0=$(tree_ticks "$pid"); start=$(date +%s.%N)
if [ "$window" = 0 ]; then
  for _ in $(seq 1 1200); do poll; [ -n "$written" ] && break; sleep 0.1; done
else
  end_at=$(awk -v s="$start" -v w="$window" 'BEGIN { printf "%.3f", s + w }')
  while awk -v e="$end_at" -v n="$(date +%s.%N)" 'BEGIN { exit !(n < e) }'; do poll; sleep 0.1; done
fi
t1=$(tree_ticks "$pid"); end=$(date +%s.%N)
poll
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
hz=$(getconf CLK_TCK)
echo "$(awk -v a="$t0" -v b="$t1" -v hz="$hz" -v s="$start" -v e="$end" -v q="$search" \
  'BEGIN { printf "%.3f %.1f %.2f", (b - a) / hz / (e - s), e - s, q / hz }') ${written:-never}"
INNER
chmod +x "$work/viewer.sh"
cat > "$work/run.sh" <<'INNER'
#!/usr/bin/env bash
set -u
work="$1"
read -r searching window search_cpu written < <("$work/viewer.sh" "$work" "$work/cache" 0)
read -r cached _ cached_search _ < <("$work/viewer.sh" "$work" "$work/cache" "$window")
echo "viewer playing, search running:   $searching CPU s/s over $window s (from 2.5 s after the start until the cache was written, $written s after the start)"
echo "viewer playing, search cached:    $cached CPU s/s over the same $window s"
echo "added by the search:              $(awk -v a="$searching" -v b="$cached" 'BEGIN { printf "%.3f", a - b }') CPU s/s (goal: at most 0.3)"
echo "the search's own thread:          $search_cpu CPU s in all, $(awk -v c="$search_cpu" -v w="$written" 'BEGIN { printf "%.3f", c / (w - 1) }') CPU s/s over its run (from about 1 s after the start); answered from the cache: $cached_search CPU s"
INNER
chmod +x "$work/run.sh"
VIEWER="$build/vemora-viewer" xvfb-run -a -s "-screen 0 1280x800x24" "$work/run.sh" "$work"
