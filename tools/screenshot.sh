#!/usr/bin/env bash
# A screenshot of the program for the README: the sample collection read and the page of
# person 1 shown, taken under a virtual X server.
#   tools/screenshot.sh [OUT.png] [BUILD_DIR]    (defaults: docs/screenshot.png, build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/docs/screenshot.png}
build=${2:-$here/build}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
program="$build/gedenkjes"
[ -x "$program" ] || { echo "screenshot.sh: $program ontbreekt; bouw eerst (./build.sh build)" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "screenshot.sh: xvfb-run ontbreekt (pakket xvfb)" >&2; exit 1; }
mkdir -p "$(dirname "$out")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The sample registry names the sample's scans by a placeholder; give it the real folder.
sed "s|@EXAMPLES@|$here/examples|g; s|@OUT@|$work/out|g" "$here/examples/HKEY_CURRENT_USER.reg" > "$work/register.reg"

cd "$work"
GEDENKJES_REGISTRY="$work/register.reg" XDG_RUNTIME_DIR="$work" \
    timeout 60 xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$program" "$here/examples/kaarten.gdk" --schermafdruk "$out"
echo "$out"
