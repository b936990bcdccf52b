#!/bin/sh
# Makes the release: for each build (32- and 64-bit) a ZIP of Vexlo.exe and
# its read-me, Vexlo-<version>-win32.zip and -win64.zip, and SHA256SUMS, their
# checksums, in build/packages/. Each build is fresh and without the tests.
# The ZIPs' file times are the last commit's (or SOURCE_DATE_EPOCH's), in
# UTC, so the same commit packaged again by the same user gives the same ZIPs.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}" TZ=UTC
out=build/packages
rm -rf "$out"
mkdir -p "$out"
for preset in windows windows64; do
    dir=build/package-$preset
    rm -rf "$dir"
    cmake --preset $preset -B "$dir" -D VEXLO_BUILD_TESTS=OFF >/dev/null
    cmake --build "$dir" >/dev/null
    (cd "$dir" && cpack >/dev/null)
    mv "$dir"/Vexlo-*.zip "$out"
done
(cd "$out" && sha256sum Vexlo-*.zip >SHA256SUMS && cat SHA256SUMS)
