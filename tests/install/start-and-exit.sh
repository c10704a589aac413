#!/usr/bin/env bash
# Starts the game with the given command on the current display, waits for its full board, and
# leaves it through Game, Exit as a player would; fails unless the game then ends with status 0.
# Usage: start-and-exit.sh COMMAND (run under Xvfb; needs xdotool)
set -euo pipefail
readout=$(mktemp)
trap 'rm -f "$readout"' EXIT
TESULI_TEST_READOUT=$readout sh -c "$1" &
game=$!

# The middle of a control named in the game's read-out, once it is there.
centre() {
  for _ in $(seq 100); do
    local at
    at=$(awk -v name="$1" '$1 == "widget" && $2 == name { print $3 + int($5 / 2), $4 + int($6 / 2) }' "$readout")
    [ -n "$at" ] && { echo "$at"; return; }
    sleep 0.1
  done
  echo "the game never showed $1" >&2
  kill "$game" 2>/dev/null
  return 1
}

for _ in $(seq 100); do
  grep -q '^status 0 Tiles left: *192/192$' "$readout" && break
  sleep 0.1
done
grep -q '^status 0 Tiles left: *192/192$' "$readout" || { echo "the game showed no full board" >&2; kill "$game" 2>/dev/null; exit 1; }
# shellcheck disable=SC2046  # x and y are two words
xdotool mousemove --sync $(centre MainForm.Game) click 1
# shellcheck disable=SC2046
xdotool mousemove --sync $(centre MainForm.Menu.ExitAction) click 1
wait "$game"
