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

# configure PRESET [ARGS]: the build tree of PRESET, without the benchmarks,
# which tools/bench builds in trees of its own.
configure() {
    preset=$1
    shift
    cmake --preset "$preset" -D VEXLO_BENCH=OFF "$@" >/dev/null
}
# check PRESET [CTEST ARGS]: builds PRESET's tree and runs its tests.
check() {
    preset=$1
    shift
    cmake --build --preset "$preset" && ctest --preset "$preset" "$@"
}
# later NAME COMMAND...: runs COMMAND beside what follows, its output kept in
# build/NAME.log until `settle NAME` prints it and takes its exit status.
later() {
    name=$1
    shift
    "$@" >"build/$name.log" 2>&1 &
    eval "pid_$name=$!"
}
settle() {
    eval "pid=\$pid_$1"
    status=0
    wait "$pid" || status=$?
    cat "build/$1.log"
    [ "$status" -eq 0 ] || { echo "test: $1 failed" >&2 && exit "$status"; }
}

# The core's sanitizer build and fuzzers are all processor work, and the Windows
# tests mostly wait on Wine: they run side by side, and so do the 32-bit tests
# and the 64-bit build, and the 64-bit tests and the check that each program
# builds again the same.
mkdir -p build
configure native
check native
configure native-asan
later asan check native-asan
configure windows
cmake --build --preset windows
if [ -n "$run32" ]; then
    later windows ctest --preset windows
else
    # Only what needs no 32-bit process: the checks of its file.
    later windows ctest --preset windows -L static
fi
# The 64-bit tests also look at the 32-bit program.
configure windows64 -D VEXLO_PROGRAM_32="$PWD/build/windows/app/Vexlo.exe"
cmake --build --preset windows64
# Each program built again from a copy of the sources, beside the 64-bit tests.
later reproducible tools/check-reproducible.sh
if [ -n "$run32" ]; then
    # The soak has run on the 32-bit program, the one most users run; this
    # is the same code.
    ctest --preset windows64 -E '^app_soak'
else
    ctest --preset windows64
fi
settle windows
settle asan
settle reproducible
