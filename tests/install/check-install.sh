#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what a desktop needs from it: a valid
# desktop entry and metainfo that point at each other, at the installed program and at icons of
# the sizes their folders promise. Usage: check-install.sh BUILD_DIR
set -euo pipefail
build_dir=$1
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (scripts/test installs it)."
    exit 77
  fi
done

cached() { sed -n "s/^$1:[A-Z]*=//p" "$build_dir/CMakeCache.txt"; }
version=$(cached CMAKE_PROJECT_VERSION)
source_dir=$(cached CMAKE_HOME_DIRECTORY)

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Width and height from a PNG's header chunk, as "WxH".
png_size() {
  local b
  read -r -a b < <(od -An -v -tu1 -j16 -N8 "$1")
  echo "$(( (b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3] ))x$(( (b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7] ))"
}
desktop_key() { sed -n "s/^$1=//p" "$desktop"; }
xml_text() { sed -n "s|.*<$1[^>]*>\([^<]*\)</$1>.*|\1|p" "$metainfo"; }

desktop=$prefix/share/applications/org.tesuli.Tesuli.desktop
metainfo=$prefix/share/metainfo/org.tesuli.Tesuli.metainfo.xml
for file in "$desktop" "$metainfo" "$prefix/share/doc/tesuli/copyright" "$prefix/share/doc/tesuli/fonts/KleeOne-OFL.txt" \
    "$prefix/share/doc/tesuli/fonts/DejaVu-LICENSE.txt" "$prefix/share/tesuli/manual.html"; do
  [ -f "$file" ] || { fail "${file#"$prefix"/} is not installed"; exit 1; }
done

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
if ! report=$(appstreamcli validate-tree --no-net "$prefix"); then
  echo "$report"
  fail "appstreamcli rejects the metainfo"
fi

program=$(desktop_key Exec)
program=${program%% *}
[ -x "$prefix/bin/$program" ] || fail "the menu entry runs '$program', which is not in bin/"
[ "$(xml_text binary)" = "$program" ] || fail "the metainfo provides '$(xml_text binary)', the menu runs '$program'"

icon=$(desktop_key Icon)
for size in 16 32 48 64 128 256; do
  file=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
  if [ ! -f "$file" ]; then
    fail "no ${size}x${size} icon named $icon"
  elif [ "$(png_size "$file")" != "${size}x${size}" ]; then
    fail "the ${size}x${size} icon is $(png_size "$file")"
  fi
done

newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', the project is $version"

shot=$(sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)".*/\1x\2/p' "$metainfo")
[ "$shot" = "$(png_size "$source_dir/docs/screenshot.png")" ] ||
  fail "the metainfo gives the screenshot as '$shot', docs/screenshot.png is $(png_size "$source_dir/docs/screenshot.png")"

if [ "$failures" -ne 0 ]; then
  echo "$failures installation fault(s)"
  exit 1
fi
echo "Installed tree is sound: $program, six icon sizes, desktop entry and metainfo valid."
