#!/usr/bin/env bash
# Takes the README's screenshot: the viewer playing the demo card, with the map, under a virtual
# X server.
#   tools/screenshot.sh [OUT.png] [WIDTHxHEIGHT]    default docs/screenshot.png, 1280x800
# Needs a build (build/vemora-viewer, build/make_demo_card) and xvfb, xdotool, imagemagick.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/docs/screenshot.png}")"
size="${2:-1280x800}"
viewer="${VEMORA_VIEWER:-$root/build/vemora-viewer}"
card_writer="$root/build/make_demo_card"
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool missing (tools/install-deps.sh installs it)" >&2; exit 1; }
done
[ -x "$viewer" ] && [ -x "$card_writer" ] || { echo "build the viewer and make_demo_card first" >&2; exit 1; }

work="$(mktemp -d)"
mkdir -p "$work/config/vemora-viewer"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
trap 'rm -rf "$work"' EXIT
"$card_writer" "$work/card" --seconds 30 --drives 2 >/dev/null
# The window fills the virtual screen: its saved position is the whole screen.
printf '[WINPOS]\nLEFT=0\nTOP=0\nRIGHT=%s\nBOTTOM=%s\n' "${size%x*}" "${size#*x}" > "$work/config/vemora-viewer/Kalvo.ini"

cat > "$work/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -u
viewer="$1"; work="$2"; out="$3"
cd "$work"
"$viewer" "$work/card" > "$work/viewer.log" 2>&1 &
pid=$!
wid=""
for _ in $(seq 1 100); do
  wid=$(xdotool search --onlyvisible --name '^Vemora Viewer$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "the window never appeared" >&2; kill "$pid"; exit 3; }
# Let the first recording play for a while, so that the map has drawn a part of the track.
for _ in $(seq 1 100); do
  grep -q "OpenRecording" "$work/viewer.log" && break
  sleep 0.1
done
sleep 8
xdotool mousemove 0 0
import -window root "$out"
kill "$pid"; wait "$pid" 2>/dev/null
exit 0
INNER
chmod +x "$work/inner.sh"
mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 ${size}x24" "$work/inner.sh" "$viewer" "$work" "$out"
echo "$out"
