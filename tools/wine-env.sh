# Sourced by the scripts that start Windows programs: a quiet 32-bit Wine in
# the Japanese locale (code page 932), with a prefix made once and reused.
# vexlo_wine_prefix PREFIX: exports the environment and creates PREFIX if new.

vexlo_wine_prefix() {
    export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=ja_JP.UTF-8
    [ -f "$WINEPREFIX/.vexlo-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1
    # The dialogs ask for fonts Windows has and Linux lacks: name the IPA fonts.
    for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAPGothic /f >/dev/null 2>&1
    done
    for face in "ＭＳ ゴシック" "MS Gothic"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAGothic /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.vexlo-ready"
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
}

vexlo_end_display() {
    wineserver -k 2>/dev/null || true
    [ -n "${VEXLO_XVFB_PID:-}" ] && kill "$VEXLO_XVFB_PID" 2>/dev/null
    wait "$VEXLO_XVFB_PID" 2>/dev/null || true
}
