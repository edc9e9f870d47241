// What the checks of the type 4 site share: the sample exported with the real gedenkjes-cli,
// a collection of bad input, a static file server on 127.0.0.1 that answers a missing page with
// the site's own 404 page (as web hosts do), and the Chromium of the system.
import {execFileSync} from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";

export const CHROMIUM = process.env.GDK_CHROMIUM || "/usr/bin/chromium";
export const CHROMIUM_VLAGGEN = [
  "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
  "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-dev-shm-usage",
  "--no-proxy-server",
];

// --cli, --bron (the source tree), --programmamap from the command line.
export function argumenten() {
  const a = {};
  const lijst = process.argv.slice(2);
  for (let i = 0; i < lijst.length; i += 2) {
    a[lijst[i].replace(/^--/, "")] = lijst[i + 1];
  }
  for (const nodig of ["cli", "bron", "programmamap"]) {
    if (!a[nodig]) {
      throw new Error("--" + nodig + " ontbreekt");
    }
  }
  return a;
}

export class Fouten {
  constructor() {
    this.lijst = [];
  }
  controleer(goed, tekst) {
    if (!goed) {
      this.lijst.push(tekst);
      console.log("FOUT: " + tekst);
    }
    return goed;
  }
  // The closing line ctest's log shows, and the exit status.
  einde(aantal) {
    const mislukt = this.lijst.length;
    console.log(`${aantal - Math.min(mislukt, aantal)} passed, ${mislukt} failed`);
    process.exit(mislukt ? 1 : 0);
  }
}

export function werkmap() {
  const map = fs.mkdtempSync(path.join(os.tmpdir(), "gdk-web-"));
  process.on("exit", () => fs.rmSync(map, {recursive: true, force: true}));
  return map;
}

// Registry text of the sample with its placeholders filled, and `extra` lines for
// OptiesBijUitvoeren.
function register(bron, uit, extra) {
  const voorbeelden = path.join(bron, "examples");
  let r = fs.readFileSync(path.join(voorbeelden, "HKEY_CURRENT_USER.reg"), "utf8");
  r = r.replaceAll("@EXAMPLES@", voorbeelden).replaceAll("@OUT@", uit);
  if (extra) {
    r += "\n[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren]\n" + extra + "\n";
  }
  return r;
}

// Exports `gdk` (a collection file, copied into the work folder first) as type 4 into
// werk/<naam>/uit with the sample's settings; returns the site folder.
export function exporteer(args, werk, naam, {gdk, webAdres, scans} = {}) {
  const map = path.join(werk, naam);
  fs.mkdirSync(map, {recursive: true});
  const bestand = path.join(map, "kaarten.gdk");
  fs.copyFileSync(gdk || path.join(args.bron, "examples", "kaarten.gdk"), bestand);
  let reg = register(args.bron, path.join(map, "uit"), webAdres ? `"WebAdres"="${webAdres}"` : "");
  if (scans) {
    reg = reg.replace(/"AfbeeldingBestanden"="[^"]*"/, `"AfbeeldingBestanden"="${scans}"`);
  }
  fs.writeFileSync(path.join(map, "register.reg"), reg);
  execFileSync(args.cli, ["--register", path.join(map, "register.reg"), "--programmamap", args.programmamap,
    "uitvoeren", bestand, "4"], {stdio: ["ignore", "ignore", "pipe"], timeout: 300000});
  return path.join(map, "uit", "kaarten", "gedenkjes", "type 4");
}

// A collection of what a foreign file may hold (Windows-1252 bytes), with its scans: script and
// quotes in names and notes, a name of 100000 characters, control bytes, "/" and "..", names that
// fold to nothing, a card without any image, a back without its front, an image whose header is
// no image; most letters have no card. Returns {gdk, scans}.
export function slechteInvoer(werk) {
  const map = path.join(werk, "slecht");
  const scans = path.join(map, "scans");
  const scan = (naam, bytes) => {
    fs.mkdirSync(path.join(scans, naam[0]), {recursive: true});
    fs.writeFileSync(path.join(scans, naam[0], naam), bytes);
  };
  const jpeg = Buffer.from([0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0, 90, 0, 60, 1, 1, 0x11, 0, 0xFF, 0xD9]);
  scan("Kok_v.jpg", jpeg);
  scan("Zonder_a.jpg", jpeg); // the back of a front that is not there
  scan("Kapot_v.jpg", Buffer.from("dit is geen beeld"));
  const kaart = (voornaam, tussen, achternaam, notitie, beeld, plaats = "") =>
    `${voornaam};${tussen};${achternaam};M;${notitie};1-1-1900;${plaats};2-2-1980;${plaats};;;;;${beeld};nee;;;;;\r\n`;
  const regels = [
    kaart("Jan<script>alert(1)</script>", "van \"t", "Xavier\" onmouseover=\"alert(2)",
      "<b>vet</b> <img src=x onerror=alert(3)> & &copy <i>open", "Kok_v.jpg", "Leu<script>ven"),
    kaart("Lang", "", "N".repeat(100000), "", "Kok_v.jpg"),
    kaart("Stuur\x01\x02\x7F", "", "Teken\x81\x9D", "a\x0Bb", "Kok_v.jpg"),
    kaart("..", "", "/", "", "../../etc/passwd"),
    kaart("???", "", "?", "", "Kok_v.jpg"),
    kaart("Geen", "", "Beeld", "", "Weg_v.jpg"),
    kaart("Zus", "", "Zonder", "", "Zonder_v.jpg"),
    kaart("Kees", "", "Kapot", "", "Kapot_v.jpg"),
  ];
  const gdk = path.join(map, "slecht.gdk");
  fs.mkdirSync(map, {recursive: true});
  fs.writeFileSync(gdk, Buffer.from(regels.join(""), "latin1"));
  return {gdk, scans};
}

// An empty collection: no card at all.
export function geenKaarten(werk) {
  const gdk = path.join(werk, "leeg.gdk");
  fs.writeFileSync(gdk, "");
  return gdk;
}

const SOORTEN = {
  ".html": "text/html; charset=utf-8", ".css": "text/css", ".js": "text/javascript", ".jpg": "image/jpeg",
  ".jpeg": "image/jpeg", ".png": "image/png", ".svg": "image/svg+xml", ".xml": "application/xml",
  ".txt": "text/plain",
};

// Serves `map` on a free port of 127.0.0.1; `log` holds [path, status] of every request.
export async function server(map, poort = 0) {
  const log = [];
  const s = http.createServer((vraag, antwoord) => {
    let pad = decodeURIComponent(new URL(vraag.url, "http://x").pathname);
    if (pad.endsWith("/")) {
      pad += "index.html";
    }
    const bestand = path.join(map, pad);
    let status = 200;
    let inhoud;
    if (bestand.startsWith(map) && fs.existsSync(bestand) && fs.statSync(bestand).isFile()) {
      inhoud = fs.readFileSync(bestand);
    } else {
      status = 404;
      inhoud = fs.readFileSync(path.join(map, "404.html"));
    }
    log.push([pad, status]);
    const soort = status === 404 ? SOORTEN[".html"] : SOORTEN[path.extname(bestand).toLowerCase()];
    antwoord.writeHead(status, {"Content-Type": soort || "application/octet-stream"});
    antwoord.end(inhoud);
  });
  await new Promise((klaar) => s.listen(poort, "127.0.0.1", klaar));
  return {basis: `http://127.0.0.1:${s.address().port}/`, log, stop: () => new Promise((k) => s.close(k))};
}

// A free port of 127.0.0.1 (for an export that must know its own address before it is served).
export async function vrijePoort() {
  const s = http.createServer();
  await new Promise((klaar) => s.listen(0, "127.0.0.1", klaar));
  const poort = s.address().port;
  await new Promise((k) => s.close(k));
  return poort;
}

// Every page of a site, relative, '/' separated.
export function paginas(site) {
  const uit = [];
  const loop = (map) => {
    for (const e of fs.readdirSync(map, {withFileTypes: true})) {
      const p = path.join(map, e.name);
      if (e.isDirectory()) {
        loop(p);
      } else if (e.name.endsWith(".html")) {
        uit.push(path.relative(site, p).split(path.sep).join("/"));
      }
    }
  };
  loop(site);
  return uit.sort();
}
