#!/bin/sh
# Regenerates pathlist/Cp932CaseTable.inc from the C runtime itself: builds
# tools/gen-cp932-case-table.cpp for Windows and runs it under Wine in the
# Japanese locale (code page 932); 64-bit where this machine runs no 32-bit
# code (both runtimes give the same table). Not part of any build; run it by hand.
# Usage: tools/gen-cp932-case-table.sh [WORK_DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$root/build/gen-cp932-case-table}
mkdir -p "$work"
work=$(cd "$work" && pwd) # Wine takes absolute prefixes only
. "$root/tools/wine-env.sh"
vexlo_pick_build gen-cp932-case-table
case $VEXLO_WINEARCH in
win32) triple=i686-w64-mingw32 ;;
win64) triple=x86_64-w64-mingw32 ;;
esac

$triple-g++ -std=c++17 -O2 -Wall -Wextra -static \
    "$root/tools/gen-cp932-case-table.cpp" -o "$work/gen-cp932-case-table.exe"
"$root/tools/wine-emu.sh" $VEXLO_WINEARCH "$work/wineprefix-$VEXLO_WINEARCH" \
    "$work/gen-cp932-case-table.exe" \
    "$(WINEDEBUG=-all wine --version), LC_ALL=ja_JP.UTF-8" >"$work/Cp932CaseTable.inc"
mv "$work/Cp932CaseTable.inc" "$root/pathlist/Cp932CaseTable.inc"
echo "wrote pathlist/Cp932CaseTable.inc"
