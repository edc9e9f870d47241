#!/usr/bin/env bash
# Pictures of the start page of each site layout for the README: the sample collection exported
# as type 1, 2 and 3 by the built gedenkjes-cli (with the artwork of tool/ beside it), each site
# served over 127.0.0.1 and its index.htm taken by headless Chromium.
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
