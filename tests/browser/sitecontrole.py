#!/usr/bin/env python3
"""Exports the sample collection as site type 1, 2 and 3 with the command-line program, serves
each site over 127.0.0.1 with a small static server of its own and loads the pages in headless
Chromium: the frame set with its three frames, a letter page with the expected surnames and
Dutch characters decoded from windows-1252, person and image links that load without a 404,
also for the cards whose surname or image name holds an accented letter, and the banner and
backgrounds that the program copies from its tool folder.

The sample is exported a second time with the search page switched on (ZoekpaginaMaken); each
site's zoeken.htm is loaded over loopback and as file:// with searches given as "?q=" and typed
into the field: the expected cards are found, "xyzzy", symbols and a 200-character query find
nothing without a script error, and every result link loads a page.

Exit status 0 when every check passes, 1 otherwise (with a list of what failed)."""

import argparse
import functools
import html
import html.parser
import json
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import urllib.error
import urllib.parse
import urllib.request

CHROMIUM_VLAGGEN = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--no-first-run",
    "--disable-dev-shm-usage",
    "--no-proxy-server",
]


class Fouten:
    def __init__(self):
        self.lijst = []

    def controleer(self, goed, tekst):
        if not goed:
            self.lijst.append(tekst)
            print("FOUT: " + tekst, flush=True)
        return goed


class Ankers(html.parser.HTMLParser):
    """Every <a href> and <frame src> of a document with the text inside the anchor."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ankers = []  # (href, text)
        self.frames = []  # (name, src)
        self._open = None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "a" and "href" in a:
            self._open = [a["href"], ""]
        elif tag == "frame":
            self.frames.append((a.get("name", ""), a.get("src", "")))

    def handle_data(self, data):
        if self._open is not None:
            self._open[1] += data

    def handle_endtag(self, tag):
        if tag == "a" and self._open is not None:
            self.ankers.append((self._open[0], self._open[1].strip()))
            self._open = None


def ontleed(dom):
    p = Ankers()
    p.feed(dom)
    return p


class Server:
    """A static file server on a free loopback port that remembers every request's answer."""

    def __init__(self, map_):
        self.log = []  # (decoded path, status)
        log = self.log

        class Behandelaar(http.server.SimpleHTTPRequestHandler):
            def log_request(self, code="-", size="-"):
                pad = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
                log.append((pad, int(code) if str(code).isdigit() else code))

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Behandelaar, directory=map_)
        )
        self.basis = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        self.draad = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.draad.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()

    def status(self, pad):
        """The answers given to requests of `pad` (decoded, from the site root)."""
        return [s for p, s in self.log if p == "/" + pad]


def chromium_dom(chromium, url, profielen, fouten_uit=None):
    """The DOM after loading; with `fouten_uit` (a list) the page's uncaught script errors too."""
    profiel = tempfile.mkdtemp(prefix="profiel-", dir=profielen)
    vlaggen = ["--enable-logging=stderr", "--v=0"] if fouten_uit is not None else []
    opdracht = [chromium] + CHROMIUM_VLAGGEN + vlaggen + ["--user-data-dir=" + profiel, "--dump-dom", kodeer(url)]
    try:
        r = subprocess.run(opdracht, capture_output=True, timeout=90)
    except subprocess.TimeoutExpired:
        return None
    finally:
        shutil.rmtree(profiel, ignore_errors=True)
    if r.returncode != 0:
        sys.stderr.write(r.stderr.decode("utf-8", "replace")[-2000:])
        return None
    if fouten_uit is not None:
        fouten_uit.extend(l for l in r.stderr.decode("utf-8", "replace").splitlines() if "Uncaught" in l)
    return r.stdout.decode("utf-8", "replace")


def kodeer(url):
    """The URL as a browser sends it: the path in UTF-8, percent-encoded."""
    d = urllib.parse.urlsplit(url)
    return urllib.parse.urlunsplit((d.scheme, d.netloc, urllib.parse.quote(d.path, safe="/%"), d.query, d.fragment))


# Loopback only: no proxy from the environment.
OPENER = urllib.request.build_opener(urllib.request.ProxyHandler({}))


def haal(url):
    try:
        with OPENER.open(kodeer(url), timeout=20) as antwoord:
            return antwoord.status
    except urllib.error.HTTPError as e:
        return e.code
    except OSError:
        return None


def volg(basis, href):
    """The URL a browser follows for `href` on the page `basis`: a backslash counts as a slash."""
    return urllib.parse.urljoin(basis, href.replace("\\", "/"))


def relatief(basis, url):
    """The decoded path of `url` below the server root `basis`."""
    pad = urllib.parse.urlsplit(url).path
    return urllib.parse.unquote(pad)[len(urllib.parse.urlsplit(basis).path):]


def exporteer(args, werk, type_, fouten, register="HKEY_CURRENT_USER.reg"):
    opdracht = [
        args.cli,
        "--register", os.path.join(werk, register),
        "--programmamap", args.programmamap,
        "uitvoeren", os.path.join(werk, "collectie", "kaarten.gdk"), str(type_),
    ]
    try:
        r = subprocess.run(opdracht, capture_output=True, timeout=300)
    except subprocess.TimeoutExpired:
        return fouten.controleer(False, "type %d: uitvoeren duurde langer dan 300 seconden" % type_)
    return fouten.controleer(
        r.returncode == 0,
        "type %d: gedenkjes-cli uitvoeren gaf status %d:\n%s"
        % (type_, r.returncode, r.stderr.decode("utf-8", "replace")),
    )


def pagina_met(site, deel):
    """Paths below `site` of the .htm pages below "paginas" whose name contains `deel` (any case)."""
    gevonden = []
    for wortel, _, namen in os.walk(os.path.join(site, "paginas")):
        for n in namen:
            if n.lower().endswith(".htm") and deel.lower() in n.lower():
                gevonden.append(os.path.relpath(os.path.join(wortel, n), site))
    return sorted(gevonden)


def controleer_site(args, werk, type_, fouten):
    site = os.path.join(werk, "uit", "kaarten", "gedenkjes", "type %d" % type_)
    if not fouten.controleer(os.path.isfile(os.path.join(site, "index.htm")),
                             "type %d: geen index.htm in %s" % (type_, site)):
        return
    server = Server(site)
    t = "type %d: " % type_
    try:
        # The frame set with its three frames, each loaded by the browser.
        dom = chromium_dom(args.chromium, server.basis + "index.htm", werk)
        if not fouten.controleer(dom is not None, t + "Chromium laadde index.htm niet"):
            return
        frames = ontleed(dom).frames
        # Types 1 and 2: banner, letter menu and content; type 3 carries the letters in its banner.
        verwacht = ["kopindex", "inhoudindex"] if type_ == 3 else ["kopindex", "menuindex", "inhoudindex"]
        fouten.controleer([n for n, _ in frames] == verwacht, t + "de frame set toont %r in plaats van %r" % (frames, verwacht))
        menu = None
        for naam, src in frames:
            fouten.controleer(200 in server.status(src), t + "frame %s (%s) niet geladen: %r" % (naam, src, server.status(src)))
            fdom = chromium_dom(args.chromium, server.basis + src, werk)
            fouten.controleer(fdom is not None and "<body" in fdom.lower(), t + "frame %s toont geen pagina" % src)
            if fdom and any(tekst == "P" for _, tekst in ontleed(fdom).ankers):
                menu = (src, fdom)
        if not fouten.controleer(menu is not None, t + "geen lettermenu met een link voor de letter P"):
            return

        # The letter page of P: Peeters, with the first name Zoë decoded from windows-1252.
        href = [h for h, tekst in ontleed(menu[1]).ankers if tekst == "P"][0]
        letter_url = volg(server.basis + menu[0], href)
        ldom = chromium_dom(args.chromium, letter_url, werk)
        if not fouten.controleer(ldom is not None, t + "letterpagina %s niet geladen" % letter_url):
            return
        fouten.controleer("Peeters" in ldom, t + "letterpagina P noemt Peeters niet")
        fouten.controleer(re.search(r'charset=windows-1252', ldom, re.I) is not None,
                          t + "letterpagina P verklaart geen windows-1252")
        fouten.controleer("\ufffd" not in ldom and "Ã" not in ldom, t + "letterpagina P toont verminkte tekens")
        ankers = [(h, tekst) for h, tekst in ontleed(ldom).ankers if not h.lower().startswith("inhoud")]
        fouten.controleer(len(ankers) > 0, t + "letterpagina P heeft geen links")

        # Every link of the letter page answers; the Peeters card is followed in the browser.
        for h, _ in ankers:
            doel = volg(letter_url, h)
            fouten.controleer(haal(doel) == 200, t + "link %s van letterpagina P geeft geen pagina" % h)
        peeters = [volg(letter_url, h) for h, tekst in ankers if "peeters" in h.lower() or "Zo\u00eb" in tekst]
        if fouten.controleer(peeters, t + "geen link naar de kaart van Zo\u00eb Peeters"):
            pdom = chromium_dom(args.chromium, peeters[0], werk)
            fouten.controleer(pdom is not None and "Zo\u00eb" in pdom, t + "de pagina van Zo\u00eb Peeters toont Zo\u00eb niet")
            fouten.controleer(200 in server.status(relatief(server.basis, peeters[0])),
                              t + "de pagina van Zo\u00eb Peeters kwam niet van de server")

        # Cards with an accented letter in surname and image name: the page and its card image.
        for deel in ("\u00c9loy", "Zo\u00eb"):
            paginas = pagina_met(site, deel)
            if not fouten.controleer(paginas, t + "geen pagina met %s in de naam" % deel):
                continue
            url = server.basis + urllib.parse.quote(paginas[0].replace(os.sep, "/"))
            pdom = chromium_dom(args.chromium, url, werk)
            fouten.controleer(pdom is not None and "<body" in pdom.lower(), t + "pagina %s niet geladen" % paginas[0])
            fouten.controleer(200 in server.status(paginas[0].replace(os.sep, "/")), t + "pagina %s gaf geen 200" % paginas[0])
            for h in re.findall(r'<img[^>]*src="([^"]*)"', pdom or "", re.I):
                beeld = relatief(server.basis, volg(url, h))
                if beeld.startswith("afbeeldingen/"):
                    fouten.controleer(200 in server.status(beeld), t + "afbeelding %s van %s niet geladen" % (beeld, paginas[0]))

        # The program's own banner and backgrounds (from tool/ beside it) shown by the browser;
        # the card pages of types 2 and 3 lie on the darker image background.
        kunst = ["tool/image/afbeelding.jpg", "tool/achtergrond/achtergrond.jpg"]
        if type_ != 1:
            kunst.append("tool/achtergrond/fotoachtergrond.jpg")
        for pad in kunst:
            fouten.controleer(200 in server.status(pad), t + "Chromium laadde %s niet: %r" % (pad, server.status(pad)))

        # No page or card image the browser asked for was missing.
        for pad, status in server.log:
            if pad.endswith(".htm") or pad.startswith("/afbeeldingen/") or pad.startswith("/paginas/"):
                fouten.controleer(status == 200, t + "%s gaf status %s" % (pad, status))
    finally:
        server.stop()


# The searches of the search page: query, expected names in the result list ("Zoë Peeters" is the
# sample's one card of 1931 and its one card that died in Leuven), or None for "finds nothing".
ZOEKVRAGEN = [
    ("zoe", ["Zo\u00eb Peeters"]),
    ("van der berg", ["Johannes Petrus van der Berg"]),
    ("berg", ["Johannes Petrus van der Berg"]),
    ("1931", ["Zo\u00eb Peeters"]),
    ("leuven", ["Zo\u00eb Peeters"]),
    ("xyzzy", None),
    ("!? ;-- %%", None),
    ("<img src=x onerror=alert(1)>\"'\\</script>", None),
    ("q" * 200, None),
]


def zoek_uitkomst(dom):
    """The line with the number found and the result list (href, text) of a search page's DOM."""
    aantal = re.search(r'id="zoekaantal"[^>]*>([^<]*)<', dom or "")
    lijst = re.search(r'<ol id="zoekresultaten"[^>]*>(.*?)</ol>', dom or "", re.S)
    return (aantal.group(1) if aantal else None), (ontleed(lijst.group(1)).ankers if lijst else [])


def controleer_zoekuitkomst(t, vraag, verwacht, dom, scriptfouten, fouten):
    aantal, ankers = zoek_uitkomst(dom)
    namen = [tekst for _, tekst in ankers]
    if verwacht is None:
        fouten.controleer(aantal == "Geen gedenkjes gevonden." and not ankers,
                          t + "%r vond %r (%r) in plaats van niets" % (vraag[:40], namen, aantal))
    else:
        fouten.controleer(namen == verwacht, t + "%r vond %r in plaats van %r (%r)" % (vraag, namen, verwacht, aantal))
        fouten.controleer(aantal == ("1 gedenkje gevonden." if len(verwacht) == 1 else "%d gedenkjes gevonden." % len(verwacht)),
                          t + "%r meldt %r" % (vraag, aantal))
    fouten.controleer(not scriptfouten, t + "%r gaf scriptfouten: %r" % (vraag[:40], scriptfouten))
    return ankers


TYPEN = """<!DOCTYPE html><html><head><meta charset="utf-8"></head><body><pre id="uit"></pre>
<iframe id="f" src="zoeken.htm"></iframe>
<script>
var vragen = %s, uit = [];
document.getElementById("f").onload = function () {
  var w = this.contentWindow, d = w.document, veld = d.getElementById("zoekveld"), i = 0;
  function volgende() {
    if (i >= vragen.length) { document.getElementById("uit").textContent = JSON.stringify(uit); return; }
    var vraag = vragen[i++];
    for (var n = 1; n <= vraag.length; n++) {  // one input event per typed character
      veld.value = vraag.substring(0, n);
      veld.dispatchEvent(new w.Event("input"));
    }
    (function wacht() {
      var a = d.getElementById("zoekaantal").textContent;
      if (a === "" || a === "Bezig met zoeken...") { setTimeout(wacht, 20); return; }
      uit.push([vraag, d.getElementById("zoekaantal").outerHTML + d.getElementById("zoekresultaten").outerHTML]);
      volgende();
    })();
  }
  volgende();
};
</script></body></html>"""


def controleer_zoeken(args, werk, type_, fouten):
    site = os.path.join(werk, "uit-zoeken", "kaarten", "gedenkjes", "type %d" % type_)
    t = "type %d zoeken: " % type_
    if not fouten.controleer(os.path.isfile(os.path.join(site, "zoeken.htm")), t + "geen zoeken.htm in " + site):
        return
    server = Server(site)
    try:
        # The link in the menu frame (types 1 and 2) or in the letter bar (type 3) opens the page
        # in the content frame.
        menu = "kopindex.htm" if type_ == 3 else "menuindex.htm"
        mdom = chromium_dom(args.chromium, server.basis + menu, werk)
        links = [h for h, tekst in ontleed(mdom or "").ankers if tekst == "Zoeken"]
        fouten.controleer(links == ["zoeken.htm"], t + "%s linkt Zoeken naar %r" % (menu, links))
        fouten.controleer(re.search(r'<a target="inhoudindex" href="zoeken.htm">Zoeken</a>', mdom or "", re.I)
                          is not None, t + "de link Zoeken opent niet in het inhoudsframe")

        for soort, basis in (("loopback", server.basis),
                             ("file://", "file://" + urllib.parse.quote(site) + "/")):
            for vraag, verwacht in ZOEKVRAGEN:
                scriptfouten = []
                url = basis + "zoeken.htm?q=" + urllib.parse.quote(vraag)
                dom = chromium_dom(args.chromium, url, werk, scriptfouten)
                ankers = controleer_zoekuitkomst(t + soort + " ", vraag, verwacht, dom, scriptfouten, fouten)
                # Clicking a result loads the card's page.
                for h, _ in ankers:
                    doel = volg(basis + "zoeken.htm", h)
                    if soort == "loopback":
                        fouten.controleer(haal(doel) == 200, t + "resultaat %s geeft geen pagina" % h)
                    else:
                        pad = urllib.parse.unquote(urllib.parse.urlsplit(doel).path)
                        fouten.controleer(os.path.isfile(pad), t + "resultaat %s ligt niet op schijf" % h)
                    pdom = chromium_dom(args.chromium, doel, werk)
                    fouten.controleer(pdom is not None and "<body" in pdom.lower(), t + "resultaat %s niet geladen" % h)

        # Typed into the field, one input event per character, over loopback.
        with open(os.path.join(site, "typen-test.htm"), "w", encoding="utf-8") as f:
            f.write(TYPEN % json.dumps([v for v, _ in ZOEKVRAGEN]).replace("</", "<\\/"))
        scriptfouten = []
        profiel = tempfile.mkdtemp(prefix="profiel-", dir=werk)
        r = subprocess.run([args.chromium] + CHROMIUM_VLAGGEN +
                           ["--enable-logging=stderr", "--v=0", "--virtual-time-budget=20000",
                            "--user-data-dir=" + profiel, "--dump-dom", server.basis + "typen-test.htm"],
                           capture_output=True, timeout=120)
        shutil.rmtree(profiel, ignore_errors=True)
        scriptfouten = [l for l in r.stderr.decode("utf-8", "replace").splitlines() if "Uncaught" in l]
        m = re.search(r'<pre id="uit">(.*?)</pre>', r.stdout.decode("utf-8", "replace"), re.S)
        getypt = json.loads(html.unescape(m.group(1))) if m and m.group(1) else []
        fouten.controleer(len(getypt) == len(ZOEKVRAGEN), t + "getypte zoekvragen niet alle beantwoord: %r" % getypt)
        for (vraag, verwacht), (_, dom) in zip(ZOEKVRAGEN, getypt):
            controleer_zoekuitkomst(t + "getypt ", vraag, verwacht, dom, scriptfouten, fouten)

        for pad, status in server.log:
            if pad.endswith((".htm", ".js", ".jpg")):
                fouten.controleer(status == 200, t + "%s gaf status %s" % (pad, status))
    finally:
        server.stop()


def main():
    a = argparse.ArgumentParser()
    a.add_argument("--cli", required=True)
    a.add_argument("--bron", required=True, help="the source tree (examples/ lies there)")
    a.add_argument("--programmamap", required=True)
    a.add_argument("--chromium", default=os.environ.get("GDK_CHROMIUM") or shutil.which("chromium")
                   or shutil.which("chromium-browser"))
    a.add_argument("--types", default="1,2,3")
    args = a.parse_args()
    if not args.chromium:
        print("FOUT: Chromium ontbreekt (het pakket chromium; ./build.sh test installeert het).")
        return 1
    fouten = Fouten()
    werk = tempfile.mkdtemp(prefix="gdk-browser-")
    try:
        voorbeelden = os.path.abspath(os.path.join(args.bron, "examples"))
        os.makedirs(os.path.join(werk, "collectie"))
        # A copy of the collection, so that the difference report lands here and not in the tree.
        shutil.copy(os.path.join(voorbeelden, "kaarten.gdk"), os.path.join(werk, "collectie"))
        with open(os.path.join(voorbeelden, "HKEY_CURRENT_USER.reg"), encoding="utf-8") as f:
            register = f.read()
        register = register.replace("@EXAMPLES@", voorbeelden).replace("@OUT@", os.path.join(werk, "uit"))
        with open(os.path.join(werk, "HKEY_CURRENT_USER.reg"), "w", encoding="utf-8") as f:
            f.write(register)
        # The same settings with the search page on, written into a folder of its own.
        zoekregister = register.replace(os.path.join(werk, "uit"), os.path.join(werk, "uit-zoeken")) + (
            "\n[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren]\n"
            "\"ZoekpaginaMaken\"=dword:00000001\n")
        with open(os.path.join(werk, "zoeken.reg"), "w", encoding="utf-8") as f:
            f.write(zoekregister)
        for type_ in [int(x) for x in args.types.split(",")]:
            print("type %d" % type_, flush=True)
            if exporteer(args, werk, type_, fouten):
                controleer_site(args, werk, type_, fouten)
            print("type %d met zoekpagina" % type_, flush=True)
            if exporteer(args, werk, type_, fouten, "zoeken.reg"):
                controleer_zoeken(args, werk, type_, fouten)
    finally:
        shutil.rmtree(werk, ignore_errors=True)
    if fouten.lijst:
        print("%d controles mislukt" % len(fouten.lijst))
        return 1
    print("alle controles geslaagd")
    return 0


if __name__ == "__main__":
    sys.exit(main())
