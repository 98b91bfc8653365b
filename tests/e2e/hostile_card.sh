#!/usr/bin/env bash
# The hostile card under a memory limit: the command-line tool scans it, reads its files, loads
# their tracks and exports them; the core test copies from it. Each ends in bounded time, writes
# nothing outside the chosen targets, and the track bomb and the sparse files are turned down
# with their reasons instead of filling memory.
set -euo pipefail
viewer="$1"
build="$(cd "$(dirname "$viewer")" && pwd)"
vemora="$build/vemora"
fail=0
say() { echo "FAIL: $*"; fail=1; }

work="$(mktemp -d /tmp/vemora-hostile-XXXXXX)" logs="$(mktemp -d /tmp/vemora-hostile-logs-XXXXXX)"
trap 'rm -rf "$work" "$logs"' EXIT
card="$work/card" outside="$work/outside" kml="$work/kml"
mkdir -p "$kml"
"$build/make_hostile_card" "$card" "$outside" >"$logs/parts"
part() { sed -n "s/^$1 //p" "$logs/parts" | head -n 1; }

# A sanitizer build reserves terabytes of address space: the limit is left out there.
limit_kb=$((1024 * 1024))
if ldd "$vemora" | grep -q 'libasan\|libtsan'; then limit_kb=unlimited; fi

# What the card holds before; afterwards only the export folder may have gained files.
listing() { find "$work" -path "$kml" -prune -o -printf '%p %s %T@\n' | sort; }
listing >"$logs/before"

run() { # name, seconds allowed, command...
  local name="$1" seconds="$2"
  shift 2
  local status=0
  # Run from inside the card: nothing may land in the current directory either.
  (ulimit -v "$limit_kb"; cd "$card" && timeout "$seconds" "$@") >"$logs/$name.out" 2>"$logs/$name.err" || status=$?
  [ "$status" -eq 0 ] || [ "$status" -eq 1 ] || say "$name: status $status: $(head -c 400 "$logs/$name.err")"
}

run scan 60 "$vemora" scan "$card"
grep -q '"too_many_records"' "$logs/scan.out" || say "scan: the track bomb is not turned down for its records"
grep -q '"too_many_boxes"' "$logs/scan.out" || say "scan: the sparse file is not turned down for its boxes"
grep -q '<img src=' "$logs/scan.out" || say "scan: the recordings in markup-named folders are not listed"

run probe 60 "$vemora" probe "$(part bomb)" "$(part sparse)" "$(part sparse_avi)"
[ "$(grep -c '"too_many_' "$logs/probe.out")" -eq 3 ] || say "probe: $(cat "$logs/probe.out")"

markup="$(part markup)"
run track 60 "$vemora" track "$markup"
grep -q '"points"' "$logs/track.out" || say "track: no points for $markup"
run kml 60 "$vemora" kml "$markup" --out "$kml"
[ -n "$(ls -A "$kml")" ] || say "kml: nothing written to the chosen folder"

core_tests="$build/tests/core_tests"
if [ -x "$core_tests" ]; then
  run copy 300 "$core_tests" --gtest_filter='HostileCard.*'
else
  say "no $core_tests"
fi

listing >"$logs/after"
diff "$logs/before" "$logs/after" >"$logs/diff" || say "written outside the targets: $(head -c 600 "$logs/diff")"
exit $fail
