#!/usr/bin/env bash
# Gedenkjes build script.
#   ./build.sh run    install what is missing, build, run the program on the sample collection
#   ./build.sh test   install what is missing, build, run every test
#   ./build.sh build  install what is missing, build only
#   ./build.sh pakket install what is missing, build, make the Debian package gedenkjes_4.00-1_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"
here=$(pwd)

# What building needs; what running adds (Dutch standard dialogs, the publishing tool); what the
# tests add (GoogleTest, a virtual screen with a window manager, a browser, the checkers of the
# installation and the package, Java for the HTML checker); what making the package adds.
build_packages=(g++ cmake make pkg-config qt6-base-dev libicu-dev libjpeg-dev)
run_packages=(qt6-translations-l10n rclone)
test_packages=(libgtest-dev libgmock-dev xvfb xauth openbox xdotool imagemagick chromium python3
               fonts-dejavu-core fonts-urw-base35 desktop-file-utils appstream shared-mime-info dpkg-dev file
               clang-format lintian default-jre-headless)
# Node and npm for the web checkers of the type 4 site; a Node already on the machine (with its
# own npm) is used as it is.
command -v npm >/dev/null 2>&1 || test_packages+=(nodejs npm)
package_packages=(dpkg-dev file)

# install_missing PACKAGE...
install_missing() {
    local missing=()
    for p in "$@"; do
        [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "build.sh: installing ${missing[*]}" >&2
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# True when the two folders are one (links resolved); false when the first does not exist.
same_folder() { [ -d "$1" ] && [ "$(cd "$1" && pwd -P)" = "$(cd "$2" && pwd -P)" ]; }

# A build/ folder configured for another tree (a tree copied or moved with its build/ folder)
# makes cmake refuse to run; such a folder is started afresh.
fresh_build_folder() {
    local cache=build/CMakeCache.txt
    [ -f "$cache" ] || return 0
    local source_dir build_dir
    source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")
    build_dir=$(sed -n 's/^CMAKE_CACHEFILE_DIR:INTERNAL=//p' "$cache")
    if ! same_folder "$source_dir" . || ! same_folder "$build_dir" build; then
        echo "build.sh: build/ was configured for $source_dir; starting it afresh" >&2
        rm -rf build
    fi
}

# build PACKAGE...: the build's own packages and these installed, then built.
build() {
    install_missing "${build_packages[@]}" "$@"
    fresh_build_folder
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build -j"$(nproc)"
}

# The web checkers of the type 4 site (tests/web/package-lock.json) into build/web, anew when the
# lock file changed. No install scripts: the packages ship what the tests run (the checker's jar).
web_checkers() {
    local web=build/web
    mkdir -p "$web"
    if [ -d "$web/node_modules" ] && cmp -s tests/web/package-lock.json "$web/node_modules/.gdk-lock"; then
        return 0
    fi
    cp tests/web/package.json tests/web/package-lock.json "$web/"
    (cd "$web" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >&2)
    cp tests/web/package-lock.json "$web/node_modules/.gdk-lock"
}

# The sample registry names the sample's scans by a relative path; give it an absolute one.
sample_registry() {
    local reg="$here/build/sample-registry.reg"
    sed "s|@EXAMPLES@|$here/examples|g; s|@OUT@|$here/out|g" examples/HKEY_CURRENT_USER.reg > "$reg"
    echo "$reg"
}

case "${1:-}" in
run)
    build "${run_packages[@]}"
    export GEDENKJES_REGISTRY
    GEDENKJES_REGISTRY=$(sample_registry)
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/gedenkjes ]; then
        exec build/gedenkjes examples/kaarten.gdk
    fi
    rm -rf out
    mkdir -p out
    build/gedenkjes-cli inlezen examples/kaarten.gdk
    for t in 1 2 3 4; do build/gedenkjes-cli uitvoeren examples/kaarten.gdk "$t" || true; done
    echo "Sites geschreven in $here/out/kaarten/gedenkjes/" >&2
    ;;
test)
    build "${run_packages[@]}" "${test_packages[@]}"
    web_checkers
    cd build
    ctest --output-on-failure -j"$(nproc)"
    ;;
build)
    build
    ;;
pakket)
    build "${package_packages[@]}"
    rm -rf build/pakket
    cpack --config build/CPackConfig.cmake -B build/pakket >&2
    cp build/pakket/gedenkjes_*.deb .
    ls gedenkjes_*.deb
    ;;
*)
    echo "gebruik: ./build.sh run|test|build|pakket" >&2
    exit 2
    ;;
esac
