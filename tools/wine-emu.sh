#!/bin/sh
# Runs one Windows test binary under Wine for CTest (the cross-compiling
# emulator): wine-emu.sh PREFIX PROGRAM [ARGS...]
# Each run gets a headless X server of its own; runs on one prefix take turns,
# since they share its wineserver, desktop and clipboard.
set -u
prefix="$1"
shift
. "$(dirname "$0")/wine-env.sh"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9

vexlo_wine_prefix "$prefix"
vexlo_private_display || exit 1
wine "$@"
rc=$?
vexlo_end_display
exit $rc
