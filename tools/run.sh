#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the viewer and starts it.
#   tools/run.sh [FOLDER]   with no folder, the viewer opens a demo card of generated recordings
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j"$(nproc)" --target vemora-viewer

folder="${1:-}"
if [ -z "$folder" ]; then
  if cmake --build "$root/build" -j"$(nproc)" --target make_demo_card >/dev/null 2>&1 \
     && [ -x "$root/build/make_demo_card" ]; then
    folder="$root/demo-card"
    [ -d "$folder" ] || "$root/build/make_demo_card" "$folder"
  fi
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the viewer under xvfb-run." >&2
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$root/build/vemora-viewer" ${folder:+"$folder"}
fi
exec "$root/build/vemora-viewer" ${folder:+"$folder"}
