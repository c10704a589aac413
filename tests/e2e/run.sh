#!/usr/bin/env bash
# Plays the freshly built game under Xvfb:
#   run.sh <build folder>                      installs the Linux program into a temporary prefix
#   run.sh --launcher wine <tesuli.exe>        the Windows program under Wine
set -euo pipefail
launcher=native
if [ "${1:-}" = --launcher ]; then
  launcher=$2
  shift 2
fi
tools="Xvfb xdotool python3"
[ "$launcher" = native ] && tools="$tools sqlite3"
for tool in $tools; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (scripts/test installs it)."
    exit 77
  fi
done
script="$(dirname "$0")/e2e_test.py"
if [ "$launcher" = wine ]; then
  if ! command -v wine64 >/dev/null 2>&1 && [ ! -x /usr/lib/wine/wine64 ]; then
    echo "SKIPPED: Wine is not installed (scripts/test installs it)."
    exit 77
  fi
  TESULI_BINARY=$1 python3 "$script" --launcher wine
  exit
fi
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
TESULI_BINARY="$prefix/bin/tesuli" python3 "$script"
