#!/bin/sh
# Runs one Windows program under Wine for CTest (the cross-compiling
# emulator): wine-emu.sh win32|win64 PREFIX PROGRAM [ARGS...]
# Each run gets a headless X server of its own; runs on one prefix take turns,
# since they share its wineserver, desktop and clipboard.
set -u
arch="$1"
prefix="$2"
shift 2
. "$(dirname "$0")/wine-env.sh"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9

vexlo_wine_prefix "$arch" "$prefix" || exit 1
vexlo_private_display || exit 1
"$WINE" "$@"
rc=$?
vexlo_end_display
exit $rc
