#!/bin/sh
# Fails unless two builds of Vexlo.exe from the same sources are the same
# byte for byte, for each preset (32- and 64-bit): the preset's own build, and
# a fresh one from a copy of this tree elsewhere, into another folder, later
# and without the tests. Only the program is built.
set -eu
cd "$(dirname "$0")/.."
copy=$PWD/build/reproducible
rm -rf "$copy"
mkdir -p "$copy"
# The sources as they stand, edits included; not the build trees.
tar -c --exclude=./build --exclude=./.git . | tar -x -C "$copy"

for preset in windows windows64; do
    # A tree the tests configured keeps its settings (and its tests run on).
    [ -f build/$preset/CMakeCache.txt ] || cmake --preset $preset >/dev/null
    cmake --build --preset $preset --target Vexlo >/dev/null
    (cd "$copy" && cmake --preset $preset -D VEXLO_BUILD_TESTS=OFF >/dev/null &&
        cmake --build --preset $preset --target Vexlo >/dev/null)
    cmp build/$preset/app/Vexlo.exe "$copy/build/$preset/app/Vexlo.exe"
    echo "reproducible: Vexlo.exe ($preset) the same from two trees," \
        "$(stat -c %s build/$preset/app/Vexlo.exe) bytes"
done
