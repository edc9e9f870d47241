#!/usr/bin/env python3
"""Every layout of three collections, exported with the command-line program and checked over the
site as a visitor meets it:

- the sample, and a collection of surnames that start with no letter a-z or with an accented one
  (Éloy, Öztürk, Œuvre, ?, 't Hart, 1e, none): every card page is reached from the start page by
  following links (frames, anchors) as a browser resolves them, and no link or image names a file
  that is not there;
- a collection of names that break links or file systems (Robert? Mullins, Van#Dam, 50%, A<B>, an
  image name with '"' that would add an event attribute, a device name of Windows): the same, no file or folder name holds
  a character Windows forbids (or is a device name, or ends in a dot or blank), and headless
  Chromium loads every card page and the letter pages that list them over loopback with every
  page and image answered, without running a script of the card.

Exit status 0 when every check passes, 1 otherwise (with a list of what failed)."""

import argparse
import html
import html.parser
import os
import re
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sitecontrole import Fouten, Server, chromium_dom  # noqa: E402

VERBODEN = re.compile(r'[<>:"\\|?*\x00-\x1f]')
APPARATEN = re.compile(r"^(con|prn|aux|nul|com[1-9¹²³]|lpt[1-9¹²³])$", re.I)

# (first names, surname, image field) of the collections made here; None: the sample.
VREEMD = [
    ("Gaëtan", "Éloy", "Éloy G.jpg"),
    ("Ayse", "Öztürk", "Öztürk A.jpg"),
    ("Pierre", "Œuvre", "Œuvre P.jpg"),
    ("Jan", "?", "onleesbaar J.jpg"),
    ("Piet", "'t Hart", "Hart P.jpg"),
    ("Kees", "1e", "Eerste K.jpg"),
    ("Zonder", "", "zonder Z.jpg"),
    ("Anna", "Aarts", "Aarts A.jpg"),
]
AANVAL = 'x"autofocus onfocus="document.title=this.href"y.jpg'
NAMEN = [
    ("Robert?", "Mullins", "Robert? Mullins.jpg"),
    ("Dirk", "Van#Dam", "Van#Dam.jpg"),
    ("Honderd", "50%", "50%.jpg"),
    ("Bert", "A<B>", "A<B>.jpg"),
    ("Eva", "Aanval", AANVAL),
    ("Nul", "Nul", "nul.jpg"),
    ("Anna", "Aarts", "Aarts A.jpg"),
]


def maak_collectie(werk, naam, kaarten, voorbeelden, scan):
    """The collection's folder with kaarten.gdk (Windows-1252), its scans at level 0 and the
    registry file the exports run with."""
    map_ = os.path.join(werk, naam)
    os.makedirs(os.path.join(map_, "collectie"))
    if kaarten is None:
        shutil.copy(os.path.join(voorbeelden, "kaarten.gdk"), os.path.join(map_, "collectie"))
        scans = os.path.join(voorbeelden, "scans")
    else:
        scans = os.path.join(map_, "scans")
        regels = []
        for voornamen, achternaam, afbeelding in kaarten:
            regels.append("%s;;%s;M;;1-1-1900;;2-2-1980;;;;;;%s;nee" % (voornamen, achternaam, afbeelding))
            os.makedirs(os.path.join(scans, afbeelding[0]), exist_ok=True)
            shutil.copy(scan, os.path.join(scans, afbeelding[0], afbeelding))
        with open(os.path.join(map_, "collectie", "kaarten.gdk"), "wb") as f:
            f.write(("\r\n".join(regels) + "\r\n").encode("cp1252"))
    with open(os.path.join(voorbeelden, "HKEY_CURRENT_USER.reg"), encoding="utf-8") as f:
        register = f.read().replace("@EXAMPLES@/scans", scans).replace("@OUT@", os.path.join(map_, "uit"))
    with open(os.path.join(map_, "register.reg"), "w", encoding="utf-8") as f:
        f.write(register)
    return map_


def exporteer(args, map_, type_, fouten, t):
    r = subprocess.run([args.cli, "--register", os.path.join(map_, "register.reg"), "--programmamap",
                        args.programmamap, "uitvoeren", os.path.join(map_, "collectie", "kaarten.gdk"),
                        str(type_)], capture_output=True, timeout=300)
    return fouten.controleer(r.returncode == 0, t + "gedenkjes-cli gaf status %d: %s"
                             % (r.returncode, r.stderr.decode("utf-8", "replace")[-1000:]))


DOELEN = re.compile(r'<(?:a|area|link)\b[^>]*?\bhref\s*=\s*"([^"]*)"|<(?:frame|iframe|img|script)\b[^>]*?\bsrc\s*=\s*"([^"]*)"',
                    re.I | re.S)


def doelen(pad, tekenset):
    with open(pad, "rb") as f:
        tekst = f.read().decode(tekenset, "replace")
    return [html.unescape(a or b) for a, b in DOELEN.findall(tekst)]


def bestand_van(site, pagina, href):
    """The file below `site` that a browser loads for `href` on `pagina` (relative to `site`), or
    None for a link that leaves the site or is no file (another scheme, an anchor of the page)."""
    d = urllib.parse.urlsplit(href.replace("\\", "/"))
    if d.scheme or d.netloc or not d.path:
        return None
    url = urllib.parse.urljoin("http://site/" + urllib.parse.quote(pagina), d.path)
    return urllib.parse.unquote(urllib.parse.urlsplit(url).path)[1:]


def kruip(site, start, tekenset, fouten, t):
    """Every file reached from `start` by following links, with the files each page links to; each
    missing target is a failure."""
    bereikt, rij, links = {start}, [start], {}
    while rij:
        pagina = rij.pop()
        links[pagina] = set()
        for href in doelen(os.path.join(site, pagina), tekenset):
            doel = bestand_van(site, pagina, href)
            if doel is None:
                continue
            pad = os.path.join(site, doel)
            if not fouten.controleer(os.path.isfile(pad), t + "%s linkt naar %r: %s ontbreekt" % (pagina, href, doel)):
                continue
            links[pagina].add(doel)
            if doel not in bereikt:
                bereikt.add(doel)
                if doel.endswith((".htm", ".html")):
                    rij.append(doel)
    return links


def kaartpaginas(site, type_):
    map_, staart = ("kaart", ".html") if type_ == 4 else ("paginas", ".htm")
    uit = []
    for wortel, _, namen in os.walk(os.path.join(site, map_)):
        for n in namen:
            if n.endswith(staart) and n != "index" + staart:
                uit.append(os.path.relpath(os.path.join(wortel, n), site).replace(os.sep, "/"))
    return sorted(uit)


def controleer_namen(site, fouten, t):
    for wortel, mappen, bestanden in os.walk(site):
        for n in mappen + bestanden:
            stam = n.split(".")[0].rstrip(" ")
            fouten.controleer(not VERBODEN.search(n) and not n.endswith((".", " ")) and not APPARATEN.match(stam),
                              t + "de naam %r in %s past niet op elke schijf" % (n, os.path.relpath(wortel, site)))


class Attributen(html.parser.HTMLParser):
    """The names of all attributes of a document's elements."""

    def __init__(self, dom):
        super().__init__()
        self.namen = set()
        self.feed(dom)

    def handle_starttag(self, tag, attrs):
        self.namen.update(n for n, _ in attrs)


def controleer_in_chromium(args, werk, site, paginas, fouten, t):
    server = Server(site)
    try:
        for pagina in paginas:
            dom = chromium_dom(args.chromium, server.basis + urllib.parse.quote(pagina), werk)
            if not fouten.controleer(dom is not None and "<body" in dom.lower(), t + "Chromium laadde %s niet" % pagina):
                continue
            titel = re.search(r"<title>(.*?)</title>", dom, re.I | re.S)
            attributen = Attributen(dom).namen
            fouten.controleer(not (titel and "http" in titel.group(1)) and not {"onfocus", "autofocus"} & attributen,
                              t + "%s liet een script van de kaart lopen" % pagina)
            fouten.controleer(200 in server.status(pagina), t + "%s gaf geen 200" % pagina)
        for pad, status in server.log:
            fouten.controleer(status == 200 or pad == "/favicon.ico", t + "Chromium vroeg %s en kreeg %s" % (pad, status))
        beelden = [p for p, _ in server.log if re.search(r"\.jpe?g$", p, re.I) and "/tool/" not in p]
        fouten.controleer(beelden, t + "Chromium laadde geen enkele kaartafbeelding")
    finally:
        server.stop()


def main():
    a = argparse.ArgumentParser()
    a.add_argument("--cli", required=True)
    a.add_argument("--bron", required=True, help="the source tree (examples/ lies there)")
    a.add_argument("--programmamap", required=True)
    a.add_argument("--chromium", default=os.environ.get("GDK_CHROMIUM") or shutil.which("chromium")
                   or shutil.which("chromium-browser"))
    args = a.parse_args()
    if not args.chromium:
        print("FOUT: Chromium ontbreekt (het pakket chromium; ./build.sh test installeert het).")
        return 1
    fouten = Fouten()
    werk = tempfile.mkdtemp(prefix="gdk-bereikbaar-")
    voorbeelden = os.path.abspath(os.path.join(args.bron, "examples"))
    scan = os.path.join(voorbeelden, "scans", "B", "BakkerW00000000_19850505_v.jpg")
    try:
        for naam, kaarten in (("voorbeeld", None), ("vreemd", VREEMD), ("namen", NAMEN)):
            map_ = maak_collectie(werk, naam, kaarten, voorbeelden, scan)
            for type_ in (1, 2, 3, 4):
                t = "%s type %d: " % (naam, type_)
                print(t, flush=True)
                if not exporteer(args, map_, type_, fouten, t):
                    continue
                site = os.path.join(map_, "uit", "kaarten", "gedenkjes", "type %d" % type_)
                start, tekenset = ("index.html", "utf-8") if type_ == 4 else ("index.htm", "cp1252")
                links = kruip(site, start, tekenset, fouten, t)
                bereikt = set(links).union(*links.values())
                kaarten_ = kaartpaginas(site, type_)
                # Type 1 writes no page for a card without a surname.
                verwacht = len(kaarten) - (type_ == 1 and kaarten is VREEMD) if kaarten else 30
                fouten.controleer(len(kaarten_) >= verwacht, t + "%d kaartpagina's, %d verwacht" % (len(kaarten_), verwacht))
                for k in kaarten_:
                    fouten.controleer(k in bereikt, t + "geen link leidt naar %s" % k)
                if kaarten is NAMEN:
                    controleer_namen(site, fouten, t)
                    lijsten = sorted(p for p, doel in links.items() if doel.intersection(kaarten_)
                                     and re.match(r"(inhoud[a-z]\.htm|letter/[a-z](-\d+)?\.html)$", p))
                    fouten.controleer(lijsten, t + "geen letterpagina linkt naar een kaart")
                    controleer_in_chromium(args, werk, site, lijsten + kaarten_, fouten, t)
    finally:
        shutil.rmtree(werk, ignore_errors=True)
    if fouten.lijst:
        print("%d controles mislukt" % len(fouten.lijst))
        return 1
    print("alle controles geslaagd")
    return 0


if __name__ == "__main__":
    sys.exit(main())
