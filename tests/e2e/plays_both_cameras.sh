#!/usr/bin/env bash
# The viewer opened on a card of short recordings: within three seconds both video panes show
# moving pictures, and after the last recording the first one plays again.
set -euo pipefail
viewer="$(realpath "$1")"
command -v xvfb-run >/dev/null || { echo "FAIL: xvfb-run missing (install xvfb xauth)"; exit 1; }
for tool in xdotool xwininfo import compare; do
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
"$card_writer" "$work/card" --seconds 3 --drives 1 >/dev/null

cat > "$work/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -u
viewer="$1"; work="$2"
"$viewer" "$work/card" > "$work/viewer.log" 2>&1 &
pid=$!
wid=""
for _ in $(seq 1 100); do
  wid=$(xdotool search --onlyvisible --name '^Vemora Viewer$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "window never appeared"; kill "$pid"; exit 3; }
# Once the first recording is opened, both panes must change between two screenshots 0.6 s
# apart: six such pairs are taken from 1.2 s on (the map's browser starts meanwhile and may
# hold a busy machine up), and one of them must show both panes moving.
for _ in $(seq 1 50); do
  grep -q "OpenRecording" "$work/viewer.log" && break
  sleep 0.1
done
sleep 1.2
for pair in 1 2 3 4 5 6; do
  import -window root "$work/a$pair.png"
  sleep 0.6
  import -window root "$work/b$pair.png"
done
# The two video panes are the native child windows named after them.
xwininfo -children -id "$wid" | grep '"video' \
  | awk '{ for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9]+x[0-9]+\+/) print $i }' > "$work/panes"
eval "$(xdotool getwindowgeometry --shell "$wid")"
echo "$X $Y" > "$work/origin"
# Four recordings of three seconds: the fifth opening is the first recording again.
for _ in $(seq 1 250); do
  [ "$(grep -c OpenRecording "$work/viewer.log")" -ge 5 ] && break
  sleep 0.1
done
kill "$pid"; wait "$pid" 2>/dev/null
exit 0
INNER
chmod +x "$work/inner.sh"
xvfb-run -a -s "-screen 0 1280x800x24" "$work/inner.sh" "$viewer" "$work" || { echo "FAIL: run ended with $?"; exit 1; }

[ "$(wc -l < "$work/panes")" -eq 2 ] || { echo "FAIL: two video panes expected"; cat "$work/panes"; exit 1; }
read -r ox oy < "$work/origin"
# True when both panes changed between the pair's two screenshots.
both_move() {
  local pair="$1" geometry w h x y rest crop diff moving=0
  while read -r geometry; do
    w=${geometry%%x*}; rest=${geometry#*x}; h=${rest%%+*}; rest=${rest#*+}; x=${rest%%+*}; y=${rest#*+}
    crop="${w}x${h}+$((ox + x))+$((oy + y))"
    diff=$(compare -metric AE -crop "$crop" "$work/a$pair.png" "$work/b$pair.png" null: 2>&1 || true)
    diff=${diff%% *}
    echo "pair $pair, pane $geometry: $diff pixels changed"
    [ "${diff%.*}" -gt 100 ] && moving=$((moving + 1))
  done < "$work/panes"
  [ "$moving" -eq 2 ]
}
moved=0
for pair in 1 2 3 4 5 6; do
  both_move "$pair" && { moved=1; break; }
done
[ "$moved" = 1 ] || { echo "FAIL: no moving picture in both panes in any pair of screenshots"; exit 1; }

mapfile -t opened < <(grep -o 'OpenRecording .* $' "$work/viewer.log" | sed 's/^OpenRecording //; s/ $//')
[ "${#opened[@]}" -ge 5 ] || { echo "FAIL: only ${#opened[@]} openings"; grep OpenRecording "$work/viewer.log"; exit 1; }
[ "${opened[4]}" = "${opened[0]}" ] || { echo "FAIL: the fifth opening is not the first recording again"; printf '%s\n' "${opened[@]}"; exit 1; }
echo "PASS: both panes move; after ${#opened[@]} openings playback wrapped to ${opened[0]##*/}"
