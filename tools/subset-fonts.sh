#!/bin/sh
# Makes the font subsets the tile faces are drawn from: every kana of the catalogue in both scripts
# (the small ゃゅょ of the combined kana with them) from Klee One SemiBold, named Tesuli Kana, and
# the letters of the readings from DejaVu Sans. Run it again when the catalogue gains a character;
# the subsets are committed so that a build needs neither fonts-klee nor fonttools.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/assets/fonts"
kana_font=${KANA_FONT:-/usr/share/fonts/truetype/klee/KleeOne-SemiBold.ttf}
reading_font=${READING_FONT:-/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf}
catalogue="$root/model/KanaCatalogue.h"

# The quoted strings of the catalogue's rows: kana in both scripts and the readings.
kana=$(grep -o '{"[^"]*", "[^"]*", "[a-z]*"' "$catalogue" | sed 's/{"\([^"]*\)", "\([^"]*\)", .*/\1\2/' | tr -d '\n')
letters=$(grep -o '{"[^"]*", "[^"]*", "[a-z]*"' "$catalogue" | sed 's/.*", "\([a-z]*\)"$/\1/' | tr -d '\n')
[ -n "$kana" ] && [ -n "$letters" ] || { echo "no kana found in $catalogue" >&2; exit 1; }

# Outlines only: the game lays the glyphs out itself and draws them unhinted.
subset() {
    /usr/bin/python3 -m fontTools.subset "$1" --text="$2" --output-file="$3" \
        --no-hinting --layout-features='' --name-IDs='*' --name-languages='*' --notdef-outline
}
subset "$kana_font" "$kana" "$out/KleeOne-SemiBold-kana.ttf"
# The windows' texts take their kana from this subset by name: a name of its own keeps a system
# that has the whole Klee One from answering for it.
/usr/bin/python3 - "$out/KleeOne-SemiBold-kana.ttf" <<'RENAME'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1])
names = {1: "Tesuli Kana", 4: "Tesuli Kana SemiBold", 6: "TesuliKana-SemiBold", 16: "Tesuli Kana"}
table = font["name"]
table.names = [record for record in table.names if record.nameID not in names or record.langID == 0x409]
for record in table.names:
    if record.nameID in names:
        record.string = names[record.nameID]
font.save(sys.argv[1])
RENAME
subset "$reading_font" "$letters" "$out/DejaVuSans-readings.ttf"
ls -l "$out"/*.ttf
