#!/bin/sh
# Builds and runs every test: the portable core natively, again under the
# address and undefined-behaviour sanitizers with a short fuzzing run, then
# the Windows program cross-compiled and tested under Wine.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh

for preset in native native-asan windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
