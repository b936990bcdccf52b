#!/bin/bash
# Pictures of Vexlo at work, made without a display: builds the program and
# the drop tool, runs Vexlo.exe under Wine (Japanese locale) on a private
# headless X server, drops sample files on it as a Linux file manager would,
# presses its buttons with the mouse, opens the path box's menu with a
# right-click and its submenu with its access key, and writes
# screenshots/*.png; then the window after a drop and the info dialog again at
# 144 and 192 DPI (150 % and 200 % scaling), as *-144dpi.png and
# *-192dpi.png. The window after a drop and its open menu go to docs/ too,
# small, for the README.
# A bare X server has no window manager, so the pictures have no caption bars.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
. tools/wine-env.sh
vexlo_pick_build screenshots

cmake --preset native >/dev/null
cmake --build --preset native --target xdnd-drop
cmake --preset $VEXLO_PRESET >/dev/null
cmake --build --preset $VEXLO_PRESET --target Vexlo
exe=$PWD/build/$VEXLO_PRESET/app/Vexlo.exe
drop=$PWD/build/native/tools/xdnd-drop
shots=$PWD/screenshots
docs=$PWD/docs

# A prefix of its own, as the pictures change its DPI.
prefix=$PWD/build/$VEXLO_PRESET/wineprefix-screenshots
exec 9>"$prefix.lock"
flock 9
vexlo_wine_prefix $VEXLO_WINEARCH "$prefix"

# The samples live on the prefix's drive C:, so that the paths read as they
# would on Windows (C:\サンプル\...), the same on every run.
samples=$prefix/drive_c/サンプル
work=$(mktemp -d)
cleanup() {
    vexlo_end_display
    rm -rf "$work" "$samples"
}
trap cleanup EXIT
vexlo_private_display

warnings=0 pictures=0
warn() {
    echo "screenshots: $*" >&2
    warnings=$((warnings + 1))
}

# capture FILE WINDOW...: the screen rectangle that covers the windows.
capture() {
    local file=$1 left=99999 top=99999 right=0 bottom=0 X Y WIDTH HEIGHT WINDOW SCREEN
    shift
    for w; do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        ((X < left)) && left=$X
        ((Y < top)) && top=$Y
        ((X + WIDTH > right)) && right=$((X + WIDTH))
        ((Y + HEIGHT > bottom)) && bottom=$((Y + HEIGHT))
    done
    /usr/bin/import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
        "ppm:$file"
}

# settle WINDOW...: waits until the windows look different from the last
# settled picture and stay the same for a moment (Wine paints late).
settle() {
    local last=$work/last.ppm now=$work/now.ppm before=$work/before.ppm
    rm -f "$before"
    for _ in $(seq 50); do
        sleep 0.2
        capture "$now" "$@"
        if ! cmp -s "$now" "$last" && cmp -s "$now" "$before"; then
            mv "$now" "$last"
            return
        fi
        mv "$now" "$before"
    done
    mv "$before" "$last"
    warn "no change on the screen before picture $((pictures + 1))"
}

# shot NAME WINDOW...: writes screenshots/NAME.png once the windows settle.
shot() {
    local name=$1
    shift
    settle "$@"
    /usr/bin/convert "$work/last.ppm" -strip "$shots/$name.png"
    pictures=$((pictures + 1))
    echo "screenshots: $name.png"
}

# publish NAME FILE: the last picture shot, as docs/FILE for the README:
# committed, so kept small (its few colours in a palette) and the same bytes
# for the same pixels.
publish() {
    /usr/bin/convert "$shots/$1.png" -strip +dither -colors 256 -define png:compression-level=9 \
        -define png:exclude-chunks=date,time "$docs/$2"
    echo "screenshots: docs/$2, $(stat -c %s "$docs/$2") bytes"
}

# press BUTTON: a mouse click on the middle of one of the dialog's buttons.
# Their places in dialog units, as the dialog template lays them out; the
# window is 183 x 101 units, so its size in pixels gives the scale.
press() {
    # shellcheck disable=SC2034 # xdotool sets all four, the click needs two
    local row WINDOW X Y WIDTH HEIGHT SCREEN
    case $1 in
    copy) row=30 ;; case) row=44 ;; slash) row=58 ;; info) row=72 ;;
    esac
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --window "$dialog" $((162 * WIDTH / 183)) $(((row + 6) * HEIGHT / 101)) click 1
}

# click_hidden_box INFO: a mouse click into the info dialog's one-line box,
# at 30, 44 (130 x 10) in a window of 187 x 115 dialog units.
click_hidden_box() {
    # shellcheck disable=SC2034 # xdotool sets all four, the click needs two
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool windowfocus "$1" mousemove --window "$1" $((40 * WIDTH / 187)) $((49 * HEIGHT / 115)) click 1
}

# popup: the id of the one other window of Vexlo on the screen, once up.
popup() {
    local w
    for _ in $(seq 100); do
        # Windows that vanish during the search make xdotool complain: ask again.
        w=$(xdotool search --onlyvisible --class vexlo 2>/dev/null | grep -vx "$dialog" | head -1) || true
        [ -n "$w" ] && echo "$w" && return
        sleep 0.1
    done
    echo "screenshots: no window opened" >&2
    return 1
}

# right_click_paths: a right-click in the middle of the path box, at 2, 2
# (136 x 97 dialog units).
right_click_paths() {
    # shellcheck disable=SC2034 # xdotool sets all four, the click needs two
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --window "$dialog" $((70 * WIDTH / 183)) $((50 * HEIGHT / 101)) click 3
}

# popup_menu [MENU...]: the id of an open popup menu, once up: a window of
# Vexlo's process on the screen other than the dialog and the MENUs named.
popup_menu() {
    local w pid
    pid=$(xdotool getwindowpid "$dialog")
    printf '%s\n' "$dialog" "$@" >"$work/known"
    for _ in $(seq 100); do
        w=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vxFf "$work/known" | head -1) || true
        [ -n "$w" ] && echo "$w" && return
        sleep 0.1
    done
    echo "screenshots: no menu opened" >&2
    return 1
}

# dismiss WINDOW: Enter on its default button; waits until it has gone.
dismiss() {
    xdotool windowfocus "$1" key Return
    for _ in $(seq 100); do
        xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
        sleep 0.1
    done
    warn "window $1 stayed open"
}

# dpi DPI: the DPI Wine gives programs, read by its server as it starts.
dpi() {
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    "$WINESERVER" -k
    "$WINESERVER" -w
}

# start: runs Vexlo.exe; its window's id in $dialog once up.
start() {
    "$WINE" "$exe" &
    dialog=$(timeout 30 xdotool search --sync --onlyvisible --name Vexlo | head -1)
    [ -n "$dialog" ] || { echo "screenshots: Vexlo.exe opened no window" >&2 && exit 1; }
}

drop_samples() {
    (cd "$samples" && "$drop" "$dialog" ReadMe.txt ソフト.txt 表計算 能力.doc "My Photos" Backup.ZIP)
}

# Japanese names whose second byte in code page 932 is "\" (ソ, 表, 能) or a
# letter (フ, ト, プ), mixed letter case, a space, two folders; and one drop
# too many.
rm -rf "$samples"
mkdir -p "$samples/表計算" "$samples/My Photos" "$samples/100"
touch "$samples/ReadMe.txt" "$samples/ソフト.txt" "$samples/能力.doc" "$samples/Backup.ZIP"
for i in $(seq -w 1 100); do
    touch "$samples/100/file$i.txt"
done

mkdir -p "$shots" "$docs"
rm -f "$shots"/[0-9]*-*.png
started=$SECONDS
dpi 96
start
shot 1-empty "$dialog"

drop_samples
shot 2-dropped "$dialog"
publish 2-dropped main-window.png

# The path box's own menu; 貼り付け is greyed, as no files are on the clipboard.
# Its access key opens the submenu of other forms, which the picture shows too.
right_click_paths
menu=$(popup_menu)
xdotool key o
submenu=$(popup_menu "$menu")
shot 2-dropped-menu "$dialog" "$menu" "$submenu"
publish 2-dropped-menu paths-menu.png
xdotool key Escape Escape
for tries in $(seq 51); do
    xwininfo -id "$menu" 2>/dev/null | grep -q IsViewable || break
    [ "$tries" -eq 51 ] && warn "the menu stayed open"
    sleep 0.1
done

press case
settle "$dialog"
press slash
shot 3-upper-slash "$dialog"

press copy
box=$(popup)
shot 4-copy-confirm "$dialog" "$box"
dismiss "$box" # OK: the list goes to the clipboard and stays selected

(cd "$samples/100" && "$drop" "$dialog" file*.txt)
box=$(popup)
shot 5-too-many "$dialog" "$box"
dismiss "$box"

press info
info=$(popup)
shot 6-info "$dialog" "$info"
# The small box shows one line at a time: the caret brings the others in.
click_hidden_box "$info"
xdotool key Down Down
shot 7-info-hidden "$dialog" "$info"
dismiss "$info"

# Names that code page 932 cannot hold (Korean, an accent, an emoji): shown as
# they are.
exact="probe_한글_é_😀_〜.txt"
touch "$samples/$exact"
(cd "$samples" && "$drop" "$dialog" "$exact" ソフト.txt)
shot 8-exact-names "$dialog"

# The same program on a system whose code page is 1252, not 932: its Japanese
# texts still read as written.
# フォルダの中のファイルに展開: a walk of 1 500 folders takes long enough
# under Wine to show its progress window, caught as it changes; after the
# copy, the balloon on the path box.
mkdir -p "$samples/案件"
(cd "$samples/案件" && seq -w 1 1500 | sed 's/^/見積 /' | xargs -d '\n' mkdir &&
    seq -w 1 1500 | sed 's|^\(.*\)$|見積 \1/明細.xlsx|' | xargs -d '\n' touch &&
    seq -w 1 1500 | sed 's|^\(.*\)$|見積 \1/図面.pdf|' | xargs -d '\n' touch)
(cd "$samples" && "$drop" "$dialog" 案件)
settle "$dialog"
right_click_paths
menu=$(popup_menu)
xdotool key i
for _ in $(seq 50); do
    xwininfo -id "$menu" 2>/dev/null | grep -q IsViewable || break
    sleep 0.1
done
right_click_paths
menu=$(popup_menu)
xdotool key q
box=$(popup)
dismiss "$box" # OK: the walk starts
progress=$(popup)
sleep 0.4
capture "$work/last.ppm" "$dialog" "$progress"
/usr/bin/convert "$work/last.ppm" -strip "$shots/11-walk-progress.png"
pictures=$((pictures + 1))
echo "screenshots: 11-walk-progress.png"
publish 11-walk-progress walk-progress.png
for _ in $(seq 300); do
    xwininfo -id "$progress" 2>/dev/null | grep -q IsViewable || break
    sleep 0.1
done
shot 12-walk-balloon "$dialog" $(xdotool search --onlyvisible --pid "$(xdotool getwindowpid "$dialog")" 2>/dev/null | grep -vx "$dialog" | head -1)

"$WINESERVER" -k
LC_ALL=C.UTF-8 "$WINE" "$exe" &
dialog=$(timeout 30 xdotool search --sync --onlyvisible --name Vexlo | head -1)
[ -n "$dialog" ] || { echo "screenshots: Vexlo.exe opened no window under code page 1252" >&2 && exit 1; }
(cd "$samples" && "$drop" "$dialog" "$exact" ReadMe.txt)
shot 9-cp1252 "$dialog"
press copy
box=$(popup)
shot 10-cp1252-copy-confirm "$dialog" "$box"
dismiss "$box"

# Further pictures follow the same steps: press a button, take the window it
# opens with popup, shoot it with the dialog, dismiss it.

# The window after a drop and the info dialog, scaled: text, controls and
# pictures drawn for the DPI, not stretched.
for scale in 144 192; do
    dpi $scale
    start
    drop_samples
    shot "2-dropped-${scale}dpi" "$dialog"
    press info
    info=$(popup)
    shot "6-info-${scale}dpi" "$dialog" "$info"
done

echo "screenshots: $pictures pictures in $((SECONDS - started)) s in $shots"
[ "$warnings" -eq 0 ]
