#!/usr/bin/env bash
# Whole-process start-up of the game, from exec to its first painted board, and its resident
# memory at that moment, beside the same for an empty Qt main window (startup_floor).
# Usage: bench/startup/run.sh [build folder, default build] [runs, default 15]
# Runs under its own Xvfb unless a display is set.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-15}
store=$(mktemp -d)
trap 'rm -rf "$store"' EXIT

# One line per run: milliseconds from exec to first paint, resident kilobytes after it.
measure() {
  local program=$1 start out paint rss
  for ((i = 0; i <= runs; i++)); do
    start=$(date +%s%N)
    out=$(TESULI_REPORT_STARTUP=1 XDG_CONFIG_HOME="$store" "$program" 2>/dev/null)
    paint=$(awk '$1 == "first-paint-ns" { print $2 }' <<<"$out")
    rss=$(awk '$1 == "rss-kb" { print $2 }' <<<"$out")
    # The first run only warms the caches (and creates the game's store).
    [ "$i" -eq 0 ] || echo "$(((paint - start) / 1000000)) $rss"
  done
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

report() {
  local name=$1 program=$2 lines
  lines=$(measure "$program")
  echo "$name $(cut -d' ' -f1 <<<"$lines" | median) $(cut -d' ' -f2 <<<"$lines" | median)"
}

game=$(report tesuli "$build/qt/tesuli")
floor=$(report empty-window "$build/bench/startup/startup_floor")
printf '%-14s %10s %10s\n' program start-ms rss-MB
for row in "$game" "$floor"; do
  read -r name ms kb <<<"$row"
  printf '%-14s %10s %10.1f\n' "$name" "$ms" "$(echo "$kb / 1024" | bc -l)"
done
read -r _ game_ms game_kb <<<"$game"
read -r _ floor_ms floor_kb <<<"$floor"
printf 'start-up ratio %.2f (target <= 1.5), extra memory %.1f MB (target <= 15)\n' \
  "$(echo "$game_ms / $floor_ms" | bc -l)" "$(echo "($game_kb - $floor_kb) / 1024" | bc -l)"
