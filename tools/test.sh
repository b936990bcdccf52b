#!/bin/sh
# Builds and runs every test: the portable core natively, again under the
# address and undefined-behaviour sanitizers with a short fuzzing run, then
# the Windows program cross-compiled and tested under Wine: the 32-bit
# program where this machine runs 32-bit code, and the 64-bit build always.
# Where the 32-bit program cannot run it is still built, its imports and
# protections are checked and the 64-bit tests read its resources. The soak
# runs on one program: the 32-bit one where it runs, else the 64-bit build.
# Last, each build of the program is made again from a copy of the sources
# and compared byte for byte.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
. tools/wine-env.sh

if vexlo_tests_32bit; then
    run32=yes
    echo "test: testing the 32-bit program and the 64-bit build under Wine"
elif vexlo_runs_32bit; then
    # A green run must mean that the program users download ran.
    echo "test: this machine runs 32-bit code but has no 32-bit Wine (see tools/install-deps.sh's" \
        "message above), so the 32-bit program cannot be tested; VEXLO_NO_32BIT=1 tests the" \
        "64-bit build alone" >&2
    exit 1
else
    run32= why="this machine runs no 32-bit code"
    [ "${VEXLO_NO_32BIT:-}" = 1 ] && why="as VEXLO_NO_32BIT=1 asks"
    echo "test: testing the 64-bit build under Wine; the 32-bit program is built and its" \
        "resources, imports and protections checked, not run: $why"
fi

for preset in native native-asan windows windows64; do
    case $preset in
    # The 64-bit tests also look at the 32-bit program.
    windows64) cmake --preset "$preset" -D VEXLO_PROGRAM_32="$PWD/build/windows/app/Vexlo.exe" >/dev/null ;;
    *) cmake --preset "$preset" >/dev/null ;;
    esac
    cmake --build --preset "$preset"
    if [ "$preset" = windows ] && [ -z "$run32" ]; then
        # Only what needs no 32-bit process: the checks of its file.
        ctest --preset "$preset" -L static
    elif [ "$preset" = windows64 ] && [ -n "$run32" ]; then
        # The soak has run on the 32-bit program, the one most users run; this
        # is the same code.
        ctest --preset "$preset" -E '^app_soak'
    else
        ctest --preset "$preset"
    fi
done
tools/check-reproducible.sh
