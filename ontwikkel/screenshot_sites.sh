#!/usr/bin/env bash
# Pictures of the start page of each site layout for the README: the sample collection exported
# as type 1, 2 and 3 by the built gedenkjes-cli (with the artwork of tool/ beside it), each site
# served over 127.0.0.1 and its index.htm taken by headless Chromium; and type 4 at phone size
# (390x844: the start page, a letter page, a card page) and at desktop size (1280x900: a card).
#   ontwikkel/screenshot_sites.sh [OUT_DIR] [BUILD_DIR]    (defaults: docs, build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/docs}
build=${2:-$here/build}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
cli="$build/gedenkjes-cli"
[ -x "$cli" ] || { echo "screenshot_sites.sh: $cli ontbreekt; bouw eerst (./build.sh build)" >&2; exit 1; }
chromium=$(command -v chromium || command -v chromium-browser) ||
    { echo "screenshot_sites.sh: chromium ontbreekt" >&2; exit 1; }
mkdir -p "$out"

work=$(mktemp -d)
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
sed "s|@EXAMPLES@|$here/examples|g; s|@OUT@|$work/uit|g" "$here/examples/HKEY_CURRENT_USER.reg" >"$work/register.reg"
cp "$here/examples/kaarten.gdk" "$work/"

for type in 1 2 3; do
    "$cli" --register "$work/register.reg" --programmamap "$build" uitvoeren "$work/kaarten.gdk" "$type" 2>/dev/null
    site="$work/uit/kaarten/gedenkjes/type $type"
    poort=$((8700 + type))
    python3 -m http.server "$poort" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
    server=$!
    sleep 1
    "$chromium" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profiel$type" --hide-scrollbars --window-size=1000,640 \
        --virtual-time-budget=5000 --screenshot="$out/site-type$type.png" \
        "http://127.0.0.1:$poort/index.htm" 2>/dev/null
    kill "$server"
    wait "$server" 2>/dev/null || true
    server=""
    echo "$out/site-type$type.png"
done

# Type 4 at the sizes a visitor has.
"$cli" --register "$work/register.reg" --programmamap "$build" uitvoeren "$work/kaarten.gdk" 4 2>/dev/null
site="$work/uit/kaarten/gedenkjes/type 4"
kaart=$(cd "$site" && ls kaart/*/johannes-petrus-van-der-berg-1920-1987.html)
python3 -m http.server 8704 --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
server=$!
sleep 1
foto() { # SIZE PAGE PNG
    "$chromium" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profiel4" --hide-scrollbars --window-size="$1" \
        --virtual-time-budget=5000 --screenshot="$work/$3" "http://127.0.0.1:8704/$2" 2>/dev/null
}
foto 390,844 index.html t-start.png
foto 390,844 letter/b.html t-letter.png
foto 390,844 "$kaart" t-kaart.png
foto 1280,900 "$kaart" site-type4.png
kill "$server"
wait "$server" 2>/dev/null || true
server=""
# The three phone pages side by side, as the README shows them.
convert "$work/t-start.png" "$work/t-letter.png" "$work/t-kaart.png" -bordercolor "#888" -border 1 \
    -background white -splice 16x0 +append -chop 16x0 +repage "$out/site-type4-telefoon.png"
cp "$work/site-type4.png" "$out/site-type4.png"
echo "$out/site-type4-telefoon.png"
echo "$out/site-type4.png"
