#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under a prefix with a blank and an accented letter,
# as `cmake --install` does for a user, and checks what a desktop and a user get: the desktop
# entry, file type, icon and AppStream metadata validated by the Debian tools, the manual page
# saying what --help says, and the installed gedenkjes-cli, started through its link in bin/,
# finding its own tool/ folder and putting the artwork in the sample's type 2 site.
#   installatie.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
bron=$2
werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT
fouten=0
fout() { echo "FOUT: $*"; fouten=$((fouten + 1)); }
# Runs a check quietly; its output is shown only when it fails.
controleer() {
    local wat=$1
    shift
    "$@" >"$werk/controle.log" 2>&1 || { cat "$werk/controle.log"; fout "$wat"; }
}

prefix="/opt/mijn gedenkjes/één"
P="$werk/root$prefix"
DESTDIR="$werk/root" cmake --install "$build" --prefix "$prefix" >"$werk/install.log" 2>&1 ||
    { cat "$werk/install.log"; fout "cmake --install mislukte"; exit 1; }

# Relative links that end at the programs in lib/gedenkjes, beside their tool/ folder.
for p in gedenkjes gedenkjes-cli; do
    controleer "bin/$p is geen relatieve link naar ../lib/gedenkjes/$p" \
        test "$(readlink "$P/bin/$p")" = "../lib/gedenkjes/$p"
    controleer "bin/$p start niet" test -x "$P/bin/$p"
done
for f in Afbeelding.jpg Achtergrond.jpg fotoAchtergrond.jpg btnAfbeelding.gif; do
    controleer "lib/gedenkjes/tool/$f ontbreekt" test -f "$P/lib/gedenkjes/tool/$f"
done
controleer "tool/ houdt een desktop.ini" test ! -e "$P/lib/gedenkjes/tool/desktop.ini"
if [ -d "$bron/help" ]; then
    controleer "lib/gedenkjes/help ontbreekt" test -d "$P/lib/gedenkjes/help"
fi

# The artwork: a 600x60 banner, every picture under 30 KB.
controleer "de banner is geen JPEG van 600x60" \
    grep -q "JPEG image data.*600x60" <(file "$P/lib/gedenkjes/tool/Afbeelding.jpg")
for f in "$P"/lib/gedenkjes/tool/*.jpg; do
    controleer "$(basename "$f") is 30 KB of groter" test "$(stat -c %s "$f")" -lt 30720
done

# Desktop entry, metadata (with the entry and icon it names) and file type.
app="$P/share/applications/nl.gedenkjes.Gedenkjes.desktop"
controleer "desktop-file-validate keurt de desktop entry af" desktop-file-validate "$app"
controleer "de desktop entry opent geen .gdk-bestanden" grep -qx "MimeType=application/x-gedenkjes;" "$app"
controleer "de desktop entry geeft het bestand niet door" grep -qx "Exec=gedenkjes %f" "$app"
controleer "appstreamcli keurt de metadata af" \
    appstreamcli validate --no-net "$P/share/metainfo/nl.gedenkjes.Gedenkjes.metainfo.xml"
controleer "appstreamcli keurt de geïnstalleerde boom af" appstreamcli validate-tree --no-net "$P"
mime="$werk/mime"
mkdir -p "$mime/packages"
cp "$P/share/mime/packages/nl.gedenkjes.Gedenkjes.xml" "$mime/packages/"
controleer "update-mime-database keurt het bestandstype af" update-mime-database "$mime"
controleer "*.gdk is niet application/x-gedenkjes" grep -q ":application/x-gedenkjes:\*\.gdk" "$mime/globs2"
controleer "het bestandstype heet niet Gedenkjes-collectie" \
    grep -q "<comment>Gedenkjes-collectie</comment>" "$mime/application/x-gedenkjes.xml"
for g in 48 256; do
    controleer "het pictogram van $g pixels ontbreekt" grep -q "PNG image data, $g x $g" \
        <(file "$P/share/icons/hicolor/${g}x$g/apps/nl.gedenkjes.Gedenkjes.png")
done
controleer "het schaalbare pictogram ontbreekt" grep -q "<svg" "$P/share/icons/hicolor/scalable/apps/nl.gedenkjes.Gedenkjes.svg"

# Each manual page says exactly what its program's --help says (the first line gives NAME).
for p in gedenkjes gedenkjes-cli; do
    man="$P/share/man/man1/$p.1.gz"
    "$P/bin/$p" --help | tail -n +3 >"$werk/hulp.txt" || fout "$p --help mislukte"
    zcat "$man" | sed -n '/^\.nf$/,/^\.fi$/p' | sed '1d;$d' | sed 's/\\-/-/g; s/\\e/\\/g; s/^\\&//' >"$werk/man.txt"
    controleer "de handleiding van $p wijkt af van $p --help" diff "$werk/hulp.txt" "$werk/man.txt"
    eerste=$("$P/bin/$p" --help | head -1)
    verwacht="$p - ${eerste#Gedenkjes - }"
    naam=$(zcat "$man" | sed -n '/^\.SH NAAM$/{n;p}' | sed 's/\\-/-/g')
    controleer "de handleiding van $p heet '$naam', niet '${verwacht%.}'" test "$naam" = "${verwacht%.}"
done

# The sample collection exported as type 2 by the installed program, started through its link,
# with no program folder given: it finds tool/ beside its own file.
mkdir -p "$werk/collectie"
cp "$bron/examples/kaarten.gdk" "$werk/collectie/"
sed "s|@EXAMPLES@|$bron/examples|g; s|@OUT@|$werk/uit|g" "$bron/examples/HKEY_CURRENT_USER.reg" >"$werk/register.reg"
(cd "$werk" && env -u GEDENKJES_PROGRAMMAMAP "$P/bin/gedenkjes-cli" --register "$werk/register.reg" \
    uitvoeren "$werk/collectie/kaarten.gdk" 2 >/dev/null 2>"$werk/stderr.txt") ||
    { cat "$werk/stderr.txt"; fout "gedenkjes-cli uitvoeren type 2 mislukte"; }
controleer "gedenkjes-cli gaf een melding" test -z "$(grep '^melding:' "$werk/stderr.txt")"
site="$werk/uit/kaarten/gedenkjes/type 2"
for paar in image/afbeelding.jpg:Afbeelding.jpg achtergrond/achtergrond.jpg:Achtergrond.jpg \
    achtergrond/fotoachtergrond.jpg:fotoAchtergrond.jpg; do
    controleer "de site mist tool/${paar%%:*} (kopie van ${paar##*:})" \
        cmp -s "$site/tool/${paar%%:*}" "$P/lib/gedenkjes/tool/${paar##*:}"
done

[ "$fouten" -eq 0 ] && { echo "installatie: alle controles geslaagd"; exit 0; }
echo "installatie: $fouten controles mislukt"
exit 1
