#!/usr/bin/env bash
# Cross-builds the core suites, the Windows front end and its installer with mingw-w64, and runs
# them under Wine on a private Xvfb display with a fresh prefix: every *_tests.exe, the window and
# dialog suites again at 120, 144 and 192 DPI, the installer, then the end-to-end game.
#   tests/win32/run.sh <work folder>
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
toolchain=$source_dir/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

if [ ! -f "$work/sysroot/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "-- GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$work/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$work/sysroot" >/dev/null
  cmake --build "$work/googletest" -j"$jobs" >/dev/null
  cmake --install "$work/googletest" >/dev/null
fi

echo "-- Core suites, Windows front end and installer"
cmake -S "$source_dir" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGTest_DIR="$work/sysroot/lib/cmake/GTest" >/dev/null
cmake --build "$work/build" -j"$jobs"
cmake --build "$work/build" --target tesuli_installer

echo "-- Under Wine (a fresh prefix, a private display)"
export WINEPREFIX=$work/wineprefix WINEARCH=win64 WINEDEBUG=-all WINE=$wine
# No Mono or Gecko prompts, and no menu entries written into the real desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
exec 3>"$work/display"
# Large enough for the main window and every dialog at its designed size at 192 DPI.
Xvfb -displayfd 3 -screen 0 3840x2400x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
finish() {
  "$wineserver" -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
"$wine" wineboot --init >/dev/null 2>&1
# Wine has no "MS Sans Serif" of its own: a font with kana stands in, so that the dialogs are laid
# out in a font of the right size and names in kana show.
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 'MS Sans Serif' \
  /d IPAPGothic /f >/dev/null

set_dpi() { "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null; }
run_suite() { (cd "$(dirname "$1")" && "$wine" "$(basename "$1")" --gtest_brief=1 "${@:2}"); }
set_dpi 96
for suite in "$work"/build/tests/*/*_tests.exe; do
  echo "-- $(basename "$suite")"
  run_suite "$suite"
done
# The scales Windows laptops ship at, and twice the design.
for dpi in 120 144 192; do
  echo "-- win32_tests.exe at $dpi DPI"
  set_dpi "$dpi"
  TESULI_EXPECT_DPI=$dpi run_suite "$work/build/tests/win32/win32_tests.exe" --gtest_filter='MainWindowBoardTest.*:DialogsTest.*'
done
set_dpi 96

echo "-- Installer"
"$source_dir/tests/win32/check-installer.sh" "$work/build"

echo "-- End-to-end game (its own prefix and display)"
ctest --test-dir "$work/build" -L e2e --output-on-failure
