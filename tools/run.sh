#!/bin/sh
# Builds Vexlo.exe and runs it under Wine, in the Japanese locale (code page
# 932), on your X display: the 32-bit program, or the 64-bit build where this
# machine runs no 32-bit code. Installs what is missing first (needs root then).
set -eu
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    echo "run: no X display (DISPLAY is not set); tools/screenshots.sh shows the program without one" >&2
    exit 1
fi
tools/install-deps.sh
. tools/wine-env.sh
vexlo_pick_build run

cmake --preset $VEXLO_PRESET >/dev/null
cmake --build --preset $VEXLO_PRESET --target Vexlo
exe=$PWD/build/$VEXLO_PRESET/app/Vexlo.exe
prefix=$PWD/build/$VEXLO_PRESET/wineprefix
# The Windows tests stop every Wine process of this prefix when they end:
# wait for them, and keep them waiting while the program runs.
exec 9>"$prefix.lock"
flock -n 9 || { echo "run: waiting for the Windows tests to finish" >&2 && flock 9; }
vexlo_wine_prefix $VEXLO_WINEARCH "$prefix"
exec "$WINE" "$exe"
