// The sample's type 4 site in headless Chromium, driven through its DevTools protocol as a visitor
// would use it, served over 127.0.0.1 and opened from disk (file://), at phone (390x844) and
// desktop (1280x900) size: no page scrolls sideways, the searches find their cards and their
// results open them, the search field of a page's header reaches the search page, the zoom
// viewer of a card opens with Enter, zooms with "+" and closes with Esc, and no page logs an error
// or asks for a file that is not there.
import path from "node:path";
import {pathToFileURL} from "node:url";
import puppeteer from "puppeteer-core";
import {CHROMIUM, CHROMIUM_VLAGGEN, Fouten, argumenten, exporteer, server, werkmap} from "./gemeen.mjs";

const args = argumenten();
const fouten = new Fouten();
const werk = werkmap();
const site = exporteer(args, werk, "voorbeeld");
let controles = 0;
const controleer = (goed, tekst) => {
  controles++;
  return fouten.controleer(goed, tekst);
};

const ZOEKVRAGEN = [
  ["zoe", "Zo\u00eb Peeters"],
  ["van der berg", "Johannes Petrus van der Berg"],
];
const MATEN = [[390, 844], [1280, 900]];

const browser = await puppeteer.launch({executablePath: CHROMIUM, headless: true, args: CHROMIUM_VLAGGEN});
const srv = await server(site);
try {
  for (const [soort, basis] of [["loopback", srv.basis], ["file://", pathToFileURL(site).href + "/"]]) {
    const pagina = await browser.newPage();
    const meldingen = [];
    pagina.on("pageerror", (e) => meldingen.push(String(e)));
    pagina.on("console", (m) => {
      // The page that is missing on purpose is answered with status 404, which Chromium logs.
      if (m.type() === "error" && !/bestaat-niet\.html$/.test(m.location().url || "")) {
        meldingen.push(m.text() + " (" + (m.location().url || "") + ")");
      }
    });
    const open = async (adres) => {
      const antwoord = await pagina.goto(basis + adres, {waitUntil: "load"});
      return antwoord;
    };
    const t = soort + ": ";

    // The card of Johannes Petrus van der Berg, found from the start page through its letter.
    await open("index.html");
    const letterB = await pagina.$eval("nav.letters a[href$='letter/b.html']", (a) => a.href).catch(() => null);
    controleer(letterB, t + "de startpagina linkt de letter B niet");
    await pagina.goto(letterB);
    const kaart = await pagina.$$eval(".kaarten a", (as) =>
      as.filter((a) => a.textContent === "Johannes Petrus van der Berg").map((a) => a.getAttribute("href")));
    controleer(kaart.length === 1, t + "letterpagina B noemt Johannes Petrus van der Berg niet");
    const kaartAdres = "letter/" + kaart[0];
    const paginasOmTeMeten = ["index.html", "letter/b.html", path.posix.normalize(kaartAdres), "zoeken.html?q=zoe",
      soort === "loopback" ? "kaart/00/bestaat-niet.html" : "404.html"];

    // No horizontal scrolling on any of them, at either size.
    for (const [b, h] of MATEN) {
      await pagina.setViewport({width: b, height: h});
      for (const adres of paginasOmTeMeten) {
        const antwoord = await open(adres);
        if (soort === "loopback") {
          controleer(antwoord.status() === (adres.startsWith("kaart/00/") ? 404 : 200),
            `${t}${adres} gaf status ${antwoord.status()}`);
        }
        await pagina.waitForFunction(() => document.readyState === "complete");
        const breed = await pagina.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
        controleer(breed[0] <= breed[1], `${t}${adres} schuift opzij op ${b}x${h}: ${breed[0]} > ${breed[1]}`);
      }
    }

    // The searches, given as ?q= and typed into the header of a card page.
    for (const [vraag, naam] of ZOEKVRAGEN) {
      await open("zoeken.html?q=" + encodeURIComponent(vraag));
      await pagina.waitForFunction(() => /gevonden/.test(document.getElementById("zoekaantal").textContent),
        {timeout: 10000}).catch(() => null);
      const gevonden = await pagina.$$eval("#zoekresultaten a", (as) => as.map((a) => [a.textContent, a.href]));
      controleer(gevonden.length === 1 && gevonden[0][0] === naam,
        `${t}"${vraag}" vond ${JSON.stringify(gevonden)} in plaats van ${naam}`);
      if (gevonden.length) {
        await Promise.all([pagina.waitForNavigation(), pagina.click("#zoekresultaten a")]);
        const kop = await pagina.$eval("h1", (h) => h.textContent).catch(() => "");
        controleer(kop === naam, `${t}het resultaat van "${vraag}" opent "${kop}"`);
      }
    }
    await pagina.goto(basis + path.posix.normalize(kaartAdres));
    await pagina.type("#kopzoek", "van der berg");
    await Promise.all([pagina.waitForNavigation(), pagina.keyboard.press("Enter")]);
    controleer(/zoeken\.html\?q=van\+der\+berg$/.test(pagina.url()), `${t}het zoekveld opent ${pagina.url()}`);
    await pagina.waitForFunction(() => /gevonden/.test(document.getElementById("zoekaantal").textContent),
      {timeout: 10000}).catch(() => null);
    controleer((await pagina.$$("#zoekresultaten a")).length === 1, t + "het zoekveld in de kop vindt de kaart niet");

    // The zoom viewer: Enter on a face opens it, "+" zooms, Esc closes it and the face has the focus.
    await pagina.setViewport({width: 1280, height: 900});
    await pagina.goto(basis + path.posix.normalize(kaartAdres));
    await pagina.focus("a.zijde");
    await pagina.keyboard.press("Enter");
    const open1 = await pagina.waitForFunction(() => {
      const d = document.querySelector("dialog.zoom");
      return d && d.open && d.querySelector("img").complete && d.querySelector("img").naturalWidth > 0;
    }, {timeout: 5000}).then(() => true).catch(() => false);
    controleer(open1, t + "Enter opent de zoomweergave niet");
    const schaal = () => pagina.$eval("dialog.zoom img", (i) => new DOMMatrix(getComputedStyle(i).transform).a);
    if (open1) {
      const voor = await schaal();
      await pagina.keyboard.press("+");
      const na = await schaal();
      controleer(na > voor * 1.2, `${t}"+" vergroot niet (${voor} -> ${na})`);
      await pagina.keyboard.press("Escape");
      const dicht = await pagina.$eval("dialog.zoom", (d) => !d.open);
      controleer(dicht, t + "Esc sluit de zoomweergave niet");
      const focus = await pagina.evaluate(() => document.activeElement.className);
      controleer(focus === "zijde", `${t}na Esc heeft "${focus}" de focus, niet de afbeelding`);
    }
    // Without script the face is a link to its image file.
    const beeld = await pagina.$eval("a.zijde", (a) => a.getAttribute("href"));
    controleer(/^\.\.\/\.\.\/beeld\/[0-9a-f]{2}\/[a-z0-9-]+\.jpg$/.test(beeld), `${t}de voorkant linkt naar ${beeld}`);

    controleer(meldingen.length === 0, `${t}fouten in de console: ${meldingen.join(" | ")}`);
    await pagina.close();
  }
  // Over loopback nothing but the deliberately missing page was missing.
  for (const [pad, status] of srv.log) {
    controleer(status === 200 || pad === "/kaart/00/bestaat-niet.html", `${pad} gaf status ${status}`);
  }
} finally {
  await srv.stop();
  await browser.close();
}
fouten.einde(controles);
