#!/usr/bin/env python3
"""Exports the sample collection as site type 1, 2 and 3 with the command-line program, serves
each site over 127.0.0.1 with a small static server of its own and loads the pages in headless
Chromium: the frame set with its three frames, a letter page with the expected surnames and
Dutch characters decoded from windows-1252, person and image links that load without a 404,
also for the cards whose surname or image name holds an accented letter, and the banner and
backgrounds that the program copies from its tool folder.

Exit status 0 when every check passes, 1 otherwise (with a list of what failed)."""

import argparse
import functools
import html.parser
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


def chromium_dom(chromium, url, profielen):
    profiel = tempfile.mkdtemp(prefix="profiel-", dir=profielen)
    opdracht = [chromium] + CHROMIUM_VLAGGEN + ["--user-data-dir=" + profiel, "--dump-dom", kodeer(url)]
    try:
        r = subprocess.run(opdracht, capture_output=True, timeout=90)
    except subprocess.TimeoutExpired:
        return None
    finally:
        shutil.rmtree(profiel, ignore_errors=True)
    if r.returncode != 0:
        sys.stderr.write(r.stderr.decode("utf-8", "replace")[-2000:])
        return None
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


def exporteer(args, werk, type_, fouten):
    opdracht = [
        args.cli,
        "--register", os.path.join(werk, "HKEY_CURRENT_USER.reg"),
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
        for type_ in [int(x) for x in args.types.split(",")]:
            print("type %d" % type_, flush=True)
            if exporteer(args, werk, type_, fouten):
                controleer_site(args, werk, type_, fouten)
    finally:
        shutil.rmtree(werk, ignore_errors=True)
    if fouten.lijst:
        print("%d controles mislukt" % len(fouten.lijst))
        return 1
    print("alle controles geslaagd")
    return 0


if __name__ == "__main__":
    sys.exit(main())
