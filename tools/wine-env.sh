# Sourced by the scripts that start Windows programs: a quiet Wine, 32- or
# 64-bit, in the Japanese locale (code page 932), with a prefix made once and
# reused.

# vexlo_runs_32bit: whether this machine runs 32-bit x86 programs. Some
# kernels refuse them ("Exec format error"), and then 32-bit Wine cannot
# start; the kernel's version does not tell, so run one: 96 bytes of ELF
# that exit with 42. VEXLO_NO_32BIT=1 makes the scripts act as on a machine
# without 32-bit code.
vexlo_runs_32bit() {
    [ "${VEXLO_NO_32BIT:-}" = 1 ] && return 1
    probe=$(dirname "$0")/../build/.probe-i386
    mkdir -p "$(dirname "$probe")"
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\000\273\052\000\000\000\315\200' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    [ $? -eq 42 ]
}

# vexlo_tests_32bit: whether 32-bit programs run here and 32-bit Wine is
# installed (its packages can be missing from a mirror for a while).
vexlo_tests_32bit() {
    vexlo_runs_32bit && [ -x /usr/lib/wine/wine ]
}

# vexlo_pick_build WHO: the build that runs here, in VEXLO_PRESET and
# VEXLO_WINEARCH: the 32-bit program where the machine runs 32-bit code,
# else the 64-bit build; says which in one line, starting with WHO.
vexlo_pick_build() {
    if vexlo_tests_32bit; then
        VEXLO_PRESET=windows VEXLO_WINEARCH=win32
        echo "$1: running the 32-bit build" >&2
    else
        VEXLO_PRESET=windows64 VEXLO_WINEARCH=win64
        echo "$1: running the 64-bit build, as this machine has no 32-bit Wine" >&2
    fi
}

# vexlo_wine_prefix ARCH PREFIX: exports the environment of a win32 or win64
# PREFIX, WINE (the loader, for "$WINE" program args) and WINESERVER, and
# creates PREFIX if new. The locale is Japanese unless VEXLO_LOCALE names
# another (C.UTF-8 gives code page 1252). Debian's `wine` launcher always takes the 32-bit
# loader when it is installed: name the loaders themselves.
vexlo_wine_prefix() {
    case $1 in
    win32) WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32 ;;
    win64) WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 ;;
    *) echo "vexlo_wine_prefix: no such Wine: $1" >&2 && return 1 ;;
    esac
    export WINEARCH=$1 WINEPREFIX="$2" WINELOADER=$WINE WINESERVER WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=${VEXLO_LOCALE:-ja_JP.UTF-8}
    [ -f "$WINEPREFIX/.vexlo-ready" ] && return 0
    # wineboot takes 5 to 18 s a prefix: the prefixes of one folder are
    # copies of one it makes there once, whichever needs it first.
    template=$(dirname "$WINEPREFIX")/wineprefix-template-$1
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 8
        [ -f "$template/.vexlo-ready" ] || WINEPREFIX="$template" vexlo_new_prefix
    ) 8>"$template.lock"
    vexlo_copy_prefix "$template" "$WINEPREFIX"
}

# vexlo_new_prefix: makes the prefix WINEPREFIX names.
vexlo_new_prefix() {
    "$WINE" wineboot -i >/dev/null 2>&1
    # The dialogs ask for fonts Windows has and Linux lacks: name the IPA fonts.
    for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic"; do
        "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAPGothic /f >/dev/null 2>&1
    done
    for face in "ＭＳ ゴシック" "MS Gothic"; do
        "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAGothic /f >/dev/null 2>&1
    done
    "$WINESERVER" -w
    touch "$WINEPREFIX/.vexlo-ready"
}

# vexlo_copy_prefix FROM TO: a prefix made as FROM was, in a fraction of a
# second. Wine's modules and tables (nearly all of a prefix's 300 to 700 MB),
# which Wine only reads, are hard links to FROM's; every other file is a copy
# of its own: wineserver rewrites a registry file in place when it has more
# than one link. Each prefix's server names its own shared memory.
vexlo_copy_prefix() {
    rm -rf "$2" "$2.new"
    cp -al "$1" "$2.new"
    rm -f "$2.new/wineserver"
    find "$2.new" -type f ! -name '*.dll' ! -name '*.exe' ! -name '*.nls' ! -name '*.sys' \
        ! -name '*.drv' -exec sh -c 'for f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f"; done' \
        sh {} +
    mv "$2.new" "$2"
}

# vexlo_private_display: starts a headless X server of our own and exports
# its DISPLAY; vexlo_end_display stops it and the Wine processes tied to it.
vexlo_private_display() {
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
    VEXLO_XVFB_PID=$!
    while [ ! -s "$displayfile" ]; do
        kill -0 "$VEXLO_XVFB_PID" 2>/dev/null || { echo "Xvfb failed to start" >&2; return 1; }
        sleep 0.05
    done
    export DISPLAY=":$(cat "$displayfile")"
    rm -f "$displayfile"
    # Wine asks Xlib for the Xft settings at every font it selects. With no
    # resources on the server, Xlib looks for ~/.Xdefaults and
    # ~/.Xdefaults-HOST at every such call, thousands a second; an empty
    # resource file, read once, answers the same: nothing set (a sixth of the
    # soak's time).
    export XENVIRONMENT=/dev/null
}

vexlo_end_display() {
    "$WINESERVER" -k 2>/dev/null || true
    [ -n "${VEXLO_XVFB_PID:-}" ] && kill "$VEXLO_XVFB_PID" 2>/dev/null
    wait "$VEXLO_XVFB_PID" 2>/dev/null || true
}
