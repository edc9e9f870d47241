#!/usr/bin/env bash
# Pictures of the program as a user meets it, for the README and for checking by eye: the
# program runs on the sample collection under a virtual X server with a window manager (openbox),
# is driven with the keyboard (xdotool), and the screen is photographed (ImageMagick's import).
#   ontwikkel/screenshot.sh [OUT_DIR] [BUILD_DIR]    (defaults: docs, build)
# Writes screenshot.png (person 1 shown), afbeelding.png (person 1's card, both faces, in the
# image window), hoofdvenster.png (the "Persoon" tab at 800x600), zoeken.png (the "Zoeken" tab
# reached with Ctrl+F, "ma" typed), openen.png (the open dialog of "Inlezen"), informatie.png
# (the About window) and help.png.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/docs}
build=${2:-$here/build}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
program="$build/gedenkjes"
[ -x "$program" ] || { echo "screenshot.sh: $program ontbreekt; bouw eerst (./build.sh build)" >&2; exit 1; }
for nodig in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick xprop:x11-utils; do
    command -v "${nodig%%:*}" >/dev/null || { echo "screenshot.sh: ${nodig%%:*} ontbreekt (pakket ${nodig#*:})" >&2; exit 1; }
done
mkdir -p "$out"

work=$(mktemp -d)
pids=()
opruimen() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap opruimen EXIT

# A free display number.
n=77
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The sample registry names the sample's scans by a placeholder; give it the real folder.
sed "s|@EXAMPLES@|$here/examples|g; s|@OUT@|$work/out|g" "$here/examples/HKEY_CURRENT_USER.reg" > "$work/register.reg"
# Started in the sample's folder, where the open dialog begins.
(cd "$here/examples" && GEDENKJES_REGISTRY="$work/register.reg" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb \
    exec "$program" "$here/examples/kaarten.gdk" >/dev/null 2>&1) &
pids+=($!)
venster=$(xdotool search --sync --onlyvisible --name '^Gedenkjes \(kaarten\.gdk\)$' | head -1)

# The window with its frame, as x, y, width and height of a crop.
vlak() {
    local id=$1 x y w h l r t b
    x=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
    w=$(xwininfo -id "$id" | sed -n 's/.*Width: *//p')
    h=$(xwininfo -id "$id" | sed -n 's/.*Height: *//p')
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))"
}
foto() { # foto NAME WINDOW
    sleep 1
    import -window root -crop "$(vlak "$2")" +repage "$out/$1"
    echo "$out/$1"
}
toets() {
    xdotool key --delay 150 "$@"
    sleep 0.3
}

xdotool windowactivate --sync "$venster"
sleep 1
# After a read the "Ga naar" page is shown with the focus in the person field: person 1.
xdotool type 1
toets Return
foto screenshot.png "$venster"

# The image button beside the surname opens the card (its place on the page with DejaVu Sans).
xdotool mousemove --window "$venster" 225 111 click 1
kaart=$(xdotool search --sync --onlyvisible --name '^Afbeelding' | head -1)
foto afbeelding.png "$kaart"
toets Escape

# The "Persoon" tab, sixth of the page control's tabs below the menu, and its letter "V"
# (places in the 800x600 window with DejaVu Sans).
xdotool mousemove --window "$venster" 456 32 click 1
sleep 0.3
xdotool mousemove --window "$venster" 610 65 click 1
sleep 0.3
foto hoofdvenster.png "$venster"

toets ctrl+f
xdotool type --delay 150 ma
foto zoeken.png "$venster"

toets F4
foto openen.png "$venster"
toets Escape

toets F12
foto informatie.png "$venster"
toets Escape

toets F1
help=$(xdotool search --sync --onlyvisible --name '^Help bij Gedenkjes$' | head -1)
xdotool windowactivate --sync "$help"
foto help.png "$help"
