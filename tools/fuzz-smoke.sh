#!/usr/bin/env bash
# A short run of every fuzz target (libFuzzer, clang 14, ASan + UBSan) from the hand-built seeds:
# a crash, leak or hang fails the run. The long runs are in fuzz/README.md.
#   tools/fuzz-smoke.sh [RUNS]   (default 50000 executions per target)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-50000}"
builddir=build-fuzz

command -v clang++-14 >/dev/null || { echo "fuzz smoke: clang++-14 missing (tools/install-deps.sh installs it)" >&2; exit 1; }
CC=clang-14 CXX=clang++-14 cmake -S . -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEMORA_FUZZ=ON -DVEMORA_BUILD_VIEWER=OFF -DVEMORA_BUILD_TESTS=OFF -DVEMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$builddir" -j"$(nproc)" --target fuzz_mp4 fuzz_avi fuzz_decoders fuzz_trailer

seeds="$(mktemp -d)"
trap 'rm -rf "$seeds"' EXIT
python3 fuzz/make_mp4_seeds.py "$seeds/mp4" >/dev/null
python3 fuzz/make_telemetry_seeds.py "$seeds" >/dev/null

status=0
for pair in "fuzz_mp4 $seeds/mp4" "fuzz_avi $seeds/avi" "fuzz_decoders $seeds/decoders" "fuzz_trailer $seeds/trailer"; do
  set -- $pair
  echo "fuzz smoke: $1"
  mkdir -p "$seeds/work-$1"
  if ! (cd "$seeds" && "$OLDPWD/$builddir/fuzz/$1" -runs="$runs" -timeout=20 -rss_limit_mb=2048 \
          -artifact_prefix="$OLDPWD/$builddir/" "$seeds/work-$1" "$2" > "$seeds/$1.log" 2>&1); then
    # The failing input is kept as build-fuzz/crash-* (or leak-*, timeout-*); the log names it.
    echo "fuzz smoke: $1 FAILED" >&2
    tail -n 40 "$seeds/$1.log" >&2
    status=1
  else
    grep -E 'Done [0-9]+ runs' "$seeds/$1.log" || true
  fi
done
exit $status
