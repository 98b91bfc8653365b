#!/usr/bin/env bash
# Starts the viewer in an empty folder under a virtual X server, clicks the window's X button,
# and checks the exit code, the saved window rectangle and its restoration on a second start.
set -euo pipefail
viewer="$1"
command -v xvfb-run >/dev/null || { echo "FAIL: xvfb-run missing (install xvfb xauth)"; exit 1; }
command -v xdotool >/dev/null || { echo "FAIL: xdotool missing"; exit 1; }

# In the sanitizer build, leak checking stays with the unit tests: the real program under X loads
# D-Bus and libVLC's plugins, whose one-time allocations (freed by nobody at exit) LSan would report.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# The viewer keeps its settings and logs in the user's folders: this run's own.
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
settings="$XDG_CONFIG_HOME/vemora-viewer"
mkdir -p "$settings"

inner="$work/inner.sh"
cat > "$inner" <<'INNER'
#!/usr/bin/env bash
set -u
viewer="$1"; out="$2"
"$viewer" > "$out.log" 2>&1 &
pid=$!
wid=""
for _ in $(seq 1 100); do
  wid=$(xdotool search --onlyvisible --name '^Vemora Viewer$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.2
done
if [ -z "$wid" ]; then echo "window never appeared"; kill "$pid"; exit 3; fi
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
echo "$X $Y $WIDTH $HEIGHT" > "$out.geometry"
# The X button: 25 x 25 at x = W - 32, y = 2.
xdotool mousemove --window "$wid" $((WIDTH - 32 + 12)) 14 click 1
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "viewer still running after the click"; kill -9 "$pid"; exit 4; fi
wait "$pid"
echo $? > "$out.rc"
INNER
chmod +x "$inner"

run() { xvfb-run -a -s "-screen 0 1600x1000x24" "$inner" "$viewer" "$work/$1"; }

fail() { echo "FAIL: $*"; cat "$work"/*.log 2>/dev/null | tail -n 20; exit 1; }

# First start, no settings file: the default rectangle.
run first || fail "first run"
[ "$(cat first.rc)" = 0 ] || fail "exit code $(cat first.rc)"
grep -q '^\[WINPOS\]' "$settings/Kalvo.ini" || fail "no WINPOS section"
for key in LEFT TOP RIGHT BOTTOM; do grep -q "^$key=" "$settings/Kalvo.ini" || fail "no $key"; done
grep -q "CDvrApp::InitInstance ----- " first.log || fail "no closing trace line"
read -r x y w h < first.geometry
[ "$w" = 800 ] && [ "$h" = 560 ] || fail "default size ${w}x${h}"

# A saved rectangle partly off-screen and too small comes back clamped: 800 x 560 moved inside.
cat > "$settings/Kalvo.ini" <<'INI'
[UI]
LANGID=ENG
[WINPOS]
LEFT=1500
TOP=-40
RIGHT=1700
BOTTOM=100
INI
run second || fail "second run"
[ "$(cat second.rc)" = 0 ] || fail "second exit code"
read -r x y w h < second.geometry
[ "$w" = 800 ] && [ "$h" = 560 ] || fail "restored size ${w}x${h}"
[ "$x" = 800 ] && [ "$y" = 0 ] || fail "restored place $x,$y"
grep -q '^LEFT=800$' "$settings/Kalvo.ini" || fail "LEFT not saved as 800: $(cat "$settings/Kalvo.ini")"
grep -q '^RIGHT=1600$' "$settings/Kalvo.ini" || fail "RIGHT not saved as 1600"
grep -q '^LANGID=ENG$' "$settings/Kalvo.ini" || fail "other keys lost"
# Nothing was written into the current directory but this test's own files.
[ ! -e Kalvo.ini ] || fail "Kalvo.ini written into the current directory"
echo "PASS"
