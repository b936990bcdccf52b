#!/bin/sh
# Builds and runs every test: the portable core natively, then the Windows
# program cross-compiled and tested under Wine.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh

for preset in native windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
