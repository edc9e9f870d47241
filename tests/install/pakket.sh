#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder (nothing is installed on the
# system) and checks it as dpkg would see it: its name, the files it lists, the libraries its
# control file depends on and its Dutch description; and as Debian's archive would: lintian
# reports no error.
#   pakket.sh BUILD_DIR
set -uo pipefail
build=$1
werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT
fouten=0
fout() { echo "FOUT: $*"; fouten=$((fouten + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$werk" >"$werk/cpack.log" 2>&1 ||
    { cat "$werk/cpack.log"; echo "FOUT: cpack mislukte"; exit 1; }
deb="$werk/gedenkjes_4.00-1_amd64.deb"
[ -f "$deb" ] || { ls "$werk"; echo "FOUT: gedenkjes_4.00-1_amd64.deb ontbreekt"; exit 1; }

dpkg-deb -c "$deb" >"$werk/inhoud.txt" || fout "dpkg-deb -c mislukte"
# dpkg-deb -c: permissions, owner, size, date, time, then the path (with " -> target").
awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' "$werk/inhoud.txt" >"$werk/paden.txt"
for regel in \
    "./usr/bin/gedenkjes -> ../lib/gedenkjes/gedenkjes" \
    "./usr/bin/gedenkjes-cli -> ../lib/gedenkjes/gedenkjes-cli" \
    "./usr/lib/gedenkjes/gedenkjes" \
    "./usr/lib/gedenkjes/gedenkjes-cli" \
    "./usr/lib/gedenkjes/tool/Afbeelding.jpg" \
    "./usr/lib/gedenkjes/tool/Achtergrond.jpg" \
    "./usr/lib/gedenkjes/tool/fotoAchtergrond.jpg" \
    "./usr/lib/gedenkjes/tool/btnAfbeelding.gif" \
    "./usr/share/applications/nl.gedenkjes.Gedenkjes.desktop" \
    "./usr/share/metainfo/nl.gedenkjes.Gedenkjes.metainfo.xml" \
    "./usr/share/mime/packages/nl.gedenkjes.Gedenkjes.xml" \
    "./usr/share/icons/hicolor/scalable/apps/nl.gedenkjes.Gedenkjes.svg" \
    "./usr/share/icons/hicolor/48x48/apps/nl.gedenkjes.Gedenkjes.png" \
    "./usr/share/icons/hicolor/256x256/apps/nl.gedenkjes.Gedenkjes.png" \
    "./usr/share/man/man1/gedenkjes.1.gz" \
    "./usr/share/man/man1/gedenkjes-cli.1.gz" \
    "./usr/share/doc/gedenkjes/copyright" \
    "./usr/share/doc/gedenkjes/changelog.Debian.gz"; do
    grep -qxF "$regel" "$werk/paden.txt" || fout "het pakket mist $regel"
done
grep -q "^-rwxr-xr-x root/root .* ./usr/lib/gedenkjes/gedenkjes-cli$" "$werk/inhoud.txt" ||
    fout "gedenkjes-cli is niet uitvoerbaar of niet van root"
if grep -q "desktop.ini" "$werk/inhoud.txt"; then fout "het pakket houdt een desktop.ini"; fi

veld() { dpkg-deb -f "$deb" "$1"; }
[ "$(veld Package)" = gedenkjes ] || fout "Package is $(veld Package)"
[ "$(veld Version)" = 4.00-1 ] || fout "Version is $(veld Version)"
[ "$(veld Architecture)" = amd64 ] || fout "Architecture is $(veld Architecture)"
hangt=$(veld Depends)
namen=$(tr ',' '\n' <<<"$hangt" | awk '{ print $1 }')
# The libraries the two programs link, as dpkg-shlibdeps names their packages, and the Qt
# platform plugin that no link names.
for pakket in libc6 libstdc++6 libicu72 libjpeg62-turbo libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -qxF "$pakket" <<<"$namen" || fout "Depends noemt $pakket niet: $hangt"
done
# Captured first: under pipefail, grep -q leaving early would kill dpkg-deb with SIGPIPE.
beschrijving=$(veld Description)
grep -q "bidprentjes" <<<"$beschrijving" || fout "geen Nederlandse beschrijving: $beschrijving"

# Errors only: its warnings and notes (hardening flags, help pages beside the program) are
# choices of this package. Lintian says it would rather not run as root; the tests here do.
lintian --fail-on error "$deb" >"$werk/lintian.txt" 2>"$werk/lintian.err"
if [ $? -ne 0 ] || grep -q "^E: " "$werk/lintian.txt"; then
    cat "$werk/lintian.txt" "$werk/lintian.err"
    fout "lintian meldt fouten"
fi

[ "$fouten" -eq 0 ] && { echo "pakket: alle controles geslaagd"; exit 0; }
echo "pakket: $fouten controles mislukt"
exit 1
