#!/usr/bin/env bash
# Soak: the viewer plays a generated card of short recordings under Xvfb through CHANGES changes
# of recording (auto-play wraps from the last to the first) and reports the viewer process's
# resident memory, threads and open files after the 5th change and after the last.
#   bench/soak_playback.sh [BUILD_DIR] [CHANGES]     (default build/, 60)
# Goal: RSS growth from the 5th to the last change at most 20 MB; threads (besides the browser
# engine's pool workers, which it starts and ends as it pleases) and open files unchanged.
# VEMORA_SOAK_WRAP="heaptrack" (or any command that takes the program and its arguments) runs
# the viewer under a memory profiler instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
changes="${2:-60}"
for f in vemora-viewer make_demo_card; do
  [ -x "$build/$f" ] || { echo "missing $build/$f: build first" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The viewer's settings, logs and drive catalogue stay in the work folder, not the user's.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
[ -n "${VEMORA_SOAK_KEEP:-}" ] && trap - EXIT && echo "work folder: $work"
# Two drives of H.264 recordings: no one-time H.265 question stops the auto-play.
"$build/make_demo_card" "$work/card" --seconds 3 --drives 2 >/dev/null

cat > "$work/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -u
viewer="$1"; work="$2"; changes="$3"
cd "$work"
${VEMORA_SOAK_WRAP:-} "$viewer" "$work/card" > "$work/viewer.log" 2>&1 &
launcher=$!
# Under a wrapper the viewer is a child of the launched process.
pid=""
for _ in $(seq 1 100); do
  pid=$(pgrep -n -f "^$viewer " || true)
  [ -n "$pid" ] && break
  sleep 0.1
done
[ -n "$pid" ] || { echo "the viewer did not start" >&2; exit 3; }

opened() { grep -c "DualPlayerController::OpenRecording" "$work/viewer.log" 2>/dev/null || true; }
figures() {
  local rss threads pool files
  rss=$(awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  threads=$(awk '/^Threads:/ { print $2 }' "/proc/$pid/status")
  # The browser engine's worker pool (map page) starts and ends workers as it pleases.
  pool=$(cat /proc/"$pid"/task/*/comm 2>/dev/null | grep -c '^ThreadPool\(Foreg\|Backg\)' || true)
  files=$(ls "/proc/$pid/fd" | wc -l)
  echo "$rss $threads $pool $files"
}
thread_names() { cat /proc/"$pid"/task/*/comm 2>/dev/null | sort | uniq -c; }
# The first opening is not a change: change n is the (n+1)th opening. A change is measured in
# the middle of the recording it opened, when the players' threads have settled.
wait_for_change() {
  local n=$1 deadline=$((SECONDS + 60 + 20 * $1))
  while [ "$(opened)" -lt $((n + 1)) ]; do
    kill -0 "$pid" 2>/dev/null || { echo "the viewer ended" >&2; exit 4; }
    [ $SECONDS -lt $deadline ] || { echo "only $(($(opened) - 1)) changes in time" >&2; exit 5; }
    sleep 0.2
  done
  sleep 1.5
}
wait_for_change 5
read -r rss5 threads5 pool5 files5 < <(figures)
names5="$(thread_names)"
wait_for_change "$changes"
read -r rssN threadsN poolN filesN < <(figures)
namesN="$(thread_names)"
kill "$pid" 2>/dev/null
wait "$launcher" 2>/dev/null
printf 'after %3d changes: RSS %7.1f MB, %3d threads (%d of them the browser engine'"'"'s pool workers), %3d open files\n' \
  5 "$rss5" "$threads5" "$pool5" "$files5"
printf 'after %3d changes: RSS %7.1f MB, %3d threads (%d of them the browser engine'"'"'s pool workers), %3d open files\n' \
  "$changes" "$rssN" "$threadsN" "$poolN" "$filesN"
# Which threads came or went, by name.
diff <(echo "$names5") <(echo "$namesN") | sed -n 's/^\([<>]\) */  \1 /p'
awk -v a="$rss5" -v b="$rssN" -v t5=$((threads5 - pool5)) -v tn=$((threadsN - poolN)) -v f5="$files5" -v fn="$filesN" 'BEGIN {
  printf "growth: %.1f MB (goal at most 20), threads besides the pool %+d, open files %+d (goal 0 and 0)\n", b - a, tn - t5, fn - f5
  exit !(b - a <= 20 && tn == t5 && fn == f5)
}'
INNER
chmod +x "$work/inner.sh"
xvfb-run -a -s "-screen 0 1280x800x24" "$work/inner.sh" "$build/vemora-viewer" "$work" "$changes"
