#!/usr/bin/env bash
# The viewer playing a card under a virtual X server: a double-click on the front video fills
# the screen with it and a second one puts the window back exactly where it was; the pointer
# over PLAY brightens the button.
set -euo pipefail
viewer="$(realpath "$1")"
command -v xvfb-run >/dev/null || { echo "FAIL: xvfb-run missing (install xvfb xauth)"; exit 1; }
for tool in xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool missing"; exit 1; }
done
card_writer="$(dirname "$viewer")/make_demo_card"
[ -x "$card_writer" ] || { echo "FAIL: $card_writer missing"; exit 1; }
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# The viewer keeps its settings and logs in the user's folders: this run's own.
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
settings="$XDG_CONFIG_HOME/vemora-viewer"
mkdir -p "$settings"
"$card_writer" "$work/card" --seconds 20 --drives 1 >/dev/null
printf '[WINPOS]\nLEFT=60\nTOP=40\nRIGHT=900\nBOTTOM=640\n' > "$settings/Kalvo.ini"

cat > "$work/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -u
viewer="$1"; work="$2"
cd "$work"
"$viewer" "$work/card" > viewer.log 2>&1 &
pid=$!
wid=""
for _ in $(seq 1 100); do
  wid=$(xdotool search --onlyvisible --name '^Vemora Viewer$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "window never appeared"; kill "$pid"; exit 3; }
for _ in $(seq 1 100); do grep -q "OpenRecording" viewer.log && break; sleep 0.1; done
sleep 2
geometry() { xdotool getwindowgeometry "$wid" | awk '/Position|Geometry/ { printf "%s ", $2 }'; echo; }
geometry > before
# PLAY: 48 x 48 at (302, H - 56) of the 840 x 600 window at (60, 40).
xdotool mousemove 300 100; sleep 0.6; import -window root -crop 48x48+362+584 plain.png
xdotool mousemove 386 608; sleep 0.6; import -window root -crop 48x48+362+584 hot.png
xdotool mousemove 200 200; sleep 0.3; xdotool click --repeat 2 --delay 80 1; sleep 1.5
geometry > full
xdotool mousemove 640 400; sleep 0.3; xdotool click --repeat 2 --delay 80 1; sleep 1.5
geometry > after
kill "$pid"; wait "$pid" 2>/dev/null
exit 0
INNER
chmod +x "$work/inner.sh"
xvfb-run -a -s "-screen 0 1280x800x24" "$work/inner.sh" "$viewer" "$work" || { echo "FAIL: run ended with $?"; exit 1; }

[ "$(cat before)" = "60,40 840x600 " ] || { echo "FAIL: window opened at $(cat before)"; exit 1; }
[ "$(cat full)" = "0,0 1280x800 " ] || { echo "FAIL: full screen gave $(cat full)"; exit 1; }
[ "$(cat after)" = "$(cat before)" ] || { echo "FAIL: returned to $(cat after), was $(cat before)"; exit 1; }
plain=$(convert plain.png -colorspace gray -format "%[fx:mean]" info:)
hot=$(convert hot.png -colorspace gray -format "%[fx:mean]" info:)
awk -v p="$plain" -v h="$hot" 'BEGIN { exit !(h > p + 0.01) }' || { echo "FAIL: PLAY not brighter under the pointer ($plain -> $hot)"; exit 1; }
echo "PASS: full screen and back, hover $plain -> $hot"
