#!/usr/bin/env bash
# Installs the freshly built game into a temporary prefix and plays it under Xvfb.
set -euo pipefail
build_dir=$1
for tool in Xvfb xdotool sqlite3 python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (scripts/test installs it)."
    exit 77
  fi
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
TESULI_BINARY="$prefix/bin/tesuli" python3 "$(dirname "$0")/e2e_test.py"
