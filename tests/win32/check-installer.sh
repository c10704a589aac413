#!/usr/bin/env bash
# The installer under Wine: a silent install puts the program, its shortcut and its entry in the
# list of installed programs in place; the installed program starts and shows its window; a silent
# uninstall leaves none of them behind, and keeps the player's settings.
#   check-installer.sh <Windows build folder>
# The installer and the version it must record are the ones that build states.
# Needs WINEPREFIX (a prefix of its own), DISPLAY and wine in WINE.
set -euo pipefail
build_dir=$1
wine=${WINE:?}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
installer=$build_dir/tesuli-$version-setup.exe
fail() { echo "installer: $*" >&2; exit 1; }
[ -f "$installer" ] || fail "no $installer: the build states version '$version'"
# Waits up to $1 seconds for a condition given as the remaining arguments.
wait_for() {
  local seconds=$1; shift
  for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}
key_exists() { "$wine" reg query "$1" >/dev/null 2>&1; }
absent() { [ ! -e "$1" ]; }

home=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData | grep -v /Public/ | head -n1)
program_dir="$home/Local/Programs/Tesuli"
shortcut="$home/Roaming/Microsoft/Windows/Start Menu/Programs/Tesuli.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesuli'

"$wine" "$installer" /S
wait_for 30 test -f "$program_dir/uninstall.exe" || fail "no uninstaller in $program_dir"
[ -f "$program_dir/tesuli.exe" ] || fail "no tesuli.exe in $program_dir"
for licence in KleeOne-OFL.txt DejaVu-LICENSE.txt; do
  [ -f "$program_dir/fonts/$licence" ] || fail "no font licence $licence in $program_dir/fonts"
done
[ -f "$program_dir/manual.html" ] || fail "no manual.html in $program_dir"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
"$wine" reg query "$uninstall_key" /v UninstallString | grep -q 'uninstall.exe' || fail "no uninstall entry"
recorded=$("$wine" reg query "$uninstall_key" /v DisplayVersion | sed -n 's/.*REG_SZ[[:space:]]*//p' | tr -d '\r') || true
[ "$recorded" = "$version" ] || fail "the uninstall entry gives version '$recorded', the build $version"

"$wine" "$program_dir/tesuli.exe" &
program=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tesuli$' | head -n1) || true
[ -n "$window" ] || { kill "$program" 2>/dev/null; fail "the installed program showed no window"; }
# Closed as the player would: taskkill without /f sends the window WM_CLOSE.
"$wine" taskkill /im tesuli.exe >/dev/null 2>&1 || true
wait_for 10 eval '! kill -0 "$program" 2>/dev/null' || { kill "$program"; fail "the program did not end when closed"; }
key_exists 'HKCU\Software\tesuli' || fail "the program stored no settings"

"$wine" "$program_dir/uninstall.exe" /S
# The uninstaller runs from a copy of itself, so the files go a moment after it returns.
wait_for 30 absent "$program_dir" || fail "files left behind: $(ls -A "$program_dir")"
absent "$shortcut" || fail "the shortcut was left behind"
key_exists "$uninstall_key" && fail "the uninstall entry was left behind"
key_exists 'HKCU\Software\tesuli' || fail "a silent uninstall removed the player's settings"
echo "installer: silent install, start, silent uninstall: all clean"
