#!/usr/bin/env bash
# Pictures of the options dialog (one per page) and of the About window, taken under a virtual
# X server by the GUI test that writes them when asked to.
#   ontwikkel/screenshot_dialogen.sh [OUT_DIR] [BUILD_DIR]    (defaults: docs/dialogen, build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/docs/dialogen}
build=${2:-$here/build}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
test_program="$build/tests/ui_dialogen_schermafdruk_test"
[ -x "$test_program" ] || { echo "screenshot_dialogen.sh: $test_program ontbreekt; bouw eerst (./build.sh build)" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "screenshot_dialogen.sh: xvfb-run ontbreekt (pakket xvfb)" >&2; exit 1; }
mkdir -p "$out"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
GDK_SCHERMAFDRUK_MAP="$out" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" \
    timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$test_program" >/dev/null
ls "$out"/*.png
