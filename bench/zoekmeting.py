#!/usr/bin/env python3
"""Times the search page of an exported site in headless Chromium, served over 127.0.0.1:
  - first search: zoeken.htm?q=SURNAME in a fresh frame until the result line shows (shards
    loaded over the loopback server included);
  - typed search once loaded: the surname typed into the field (one input event) until the
    result list is in the page and laid out, after an earlier search loaded its shards.
Prints one line per figure. Used by zoeken_bench."""

import argparse
import functools
import http.server
import json
import os
import shutil
import statistics
import subprocess
import tempfile
import threading
import urllib.parse

VLAGGEN = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           "--disable-dev-shm-usage", "--no-proxy-server"]

METEN = """<!DOCTYPE html><html><head><meta charset="utf-8"></head><body>
<script>
var namen = %s, herhaal = 5, uit = {eerste: [], getypt: []};
function klaar(d) { var a = d && d.getElementById("zoekaantal"); return a && /gevonden/.test(a.textContent); }
function meetEerste(i) {
  if (i >= namen.length) { return meetGetypt(); }
  var f = document.createElement("iframe"), t0 = performance.now();
  f.src = "zoeken.htm?q=" + encodeURIComponent(namen[i]);
  document.body.appendChild(f);
  (function wacht() {
    if (!klaar(f.contentDocument)) { setTimeout(wacht, 1); return; }
    uit.eerste.push([namen[i], performance.now() - t0, f.contentDocument.getElementById("zoekaantal").textContent]);
    document.body.removeChild(f);
    meetEerste(i + 1);
  })();
}
function meetGetypt() {
  var f = document.createElement("iframe");
  f.src = "zoeken.htm";
  f.onload = function () {
    var w = f.contentWindow, d = w.document, veld = d.getElementById("zoekveld"), i = 0;
    function typ(tekst) { veld.value = tekst; veld.dispatchEvent(new w.Event("input")); }
    function volgende() {
      if (i >= namen.length) { stuur(); return; }
      var naam = namen[i++];
      typ(naam);  // loads the shards this search needs
      (function wacht() {
        if (!klaar(d)) { setTimeout(wacht, 1); return; }
        for (var k = 0; k < herhaal; k++) {
          typ("");
          var t0 = performance.now();
          typ(naam);
          var hoogte = d.body.offsetHeight;  // the list laid out, as the visitor sees it
          uit.getypt.push([naam, performance.now() - t0, d.getElementById("zoekaantal").textContent, hoogte > 0]);
        }
        volgende();
      })();
    }
    volgende();
  };
  document.body.appendChild(f);
}
function stuur() { new Image().src = "/meting?d=" + encodeURIComponent(JSON.stringify(uit)); }
meetEerste(0);
</script></body></html>"""


def main():
    a = argparse.ArgumentParser()
    a.add_argument("--site", required=True)
    a.add_argument("--namen", required=True, help="comma-separated searches")
    a.add_argument("--chromium", default=shutil.which("chromium") or shutil.which("chromium-browser"))
    args = a.parse_args()
    namen = args.namen.split(",")
    with open(os.path.join(args.site, "meten.htm"), "w", encoding="utf-8") as f:
        f.write(METEN % json.dumps(namen))
    ontvangen = {}
    gebeurd = threading.Event()

    class Behandelaar(http.server.SimpleHTTPRequestHandler):
        def do_GET(self):
            deel = urllib.parse.urlsplit(self.path)
            if deel.path == "/meting":
                ontvangen.update(json.loads(urllib.parse.parse_qs(deel.query)["d"][0]))
                gebeurd.set()
                self.send_response(204)
                self.end_headers()
                return
            super().do_GET()

        def log_message(self, *args):
            pass

    httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Behandelaar, directory=args.site))
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    profiel = tempfile.mkdtemp(prefix="zoekmeting-")
    url = "http://127.0.0.1:%d/meten.htm" % httpd.server_address[1]
    p = subprocess.Popen([args.chromium] + VLAGGEN + ["--user-data-dir=" + profiel, url],
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        gebeurd.wait(600)
    finally:
        p.terminate()
        p.wait()
        httpd.shutdown()
        shutil.rmtree(profiel, ignore_errors=True)
        os.remove(os.path.join(args.site, "meten.htm"))
    if not ontvangen:
        print("zoekmeting: geen uitkomst van Chromium")
        return 1
    for naam, ms, aantal in ontvangen["eerste"]:
        print("eerste zoekvraag %-10s %7.1f ms (delen laden inbegrepen): %s" % (naam, ms, aantal))
    per = {}
    for naam, ms, aantal, getoond in ontvangen["getypt"]:
        per.setdefault(naam, []).append(ms)
        if not getoond or "gevonden" not in aantal:
            print("zoekmeting: %s niet getoond" % naam)
    for naam, lijst in per.items():
        print("getypt, delen geladen: %-10s mediaan %6.2f ms, max %6.2f ms" % (naam, statistics.median(lijst), max(lijst)))
    alle = [ms for _, ms, _, _ in ontvangen["getypt"]]
    print("getypt, delen geladen, alle zoekvragen: mediaan %.2f ms, max %.2f ms" % (statistics.median(alle), max(alle)))
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
