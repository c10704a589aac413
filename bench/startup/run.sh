#!/usr/bin/env bash
# Start-up of the game as the player sees it, beside an empty Qt main window (startup_floor): exec
# to the first frame of the window on the X server and resident memory then, and the first opening
# of each dialog. Runs on an Xvfb of its own, 1280x1024x24, with no window manager.
# Usage: bench/startup/run.sh [build folder, default build] [runs, default 15]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-15}
for program in bench/startup/startup_bench bench/startup/startup_floor qt/tesuli; do
  if [ ! -x "$build/$program" ]; then
    echo "No $build/$program: build with the benchmarks (startup_bench needs libx11-dev, libxdamage-dev, libxtst-dev)." >&2
    exit 1
  fi
done

for number in $(seq 91 140); do
  [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
done
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server"; wait "$server" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$number" ] && break
  sleep 0.05
done

DISPLAY=":$number" "$build/bench/startup/startup_bench" "$build/qt/tesuli" "$build/bench/startup/startup_floor" "$runs"
