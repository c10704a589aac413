#!/bin/sh
# Packs PNG pictures into one Windows .ico file, which may hold PNG images as they are:
#   make-icon.sh out.ico a.png b.png ...
# Needs only a POSIX shell and od.
set -eu
out=$1
shift
le16() { printf "\\$(printf %03o $(($1 & 255)))\\$(printf %03o $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }
# Width and height from the PNG header (big-endian at bytes 16 and 20); 256 is stored as 0.
dimension() {
  v=$(od -An -tu1 -j"$2" -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  echo $((v >= 256 ? 0 : v))
}
{
  le16 0; le16 1; le16 $#
  offset=$((6 + 16 * $#))
  for png in "$@"; do
    size=$(wc -c <"$png")
    w=$(dimension "$png" 16); h=$(dimension "$png" 20)
    printf "\\$(printf %03o "$w")\\$(printf %03o "$h")\\000\\000"
    le16 1; le16 32; le32 "$size"; le32 "$offset"
    offset=$((offset + size))
  done
  cat "$@"
} >"$out.tmp"
mv "$out.tmp" "$out"
