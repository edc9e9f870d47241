// Lighthouse (mobile, its defaults) on the start page, a letter page, a card page and the search
// page of the sample's type 4 site, exported with WebAdres set to the address the test serves it
// on: 100 for accessibility, best practices and SEO, at least 95 for performance.
import fs from "node:fs";
import path from "node:path";
import lighthouse from "lighthouse";
import puppeteer from "puppeteer-core";
import {CHROMIUM, CHROMIUM_VLAGGEN, Fouten, argumenten, exporteer, server, vrijePoort, werkmap} from "./gemeen.mjs";

const args = argumenten();
const fouten = new Fouten();
const werk = werkmap();
const poort = await vrijePoort();
const site = exporteer(args, werk, "voorbeeld", {webAdres: `http://127.0.0.1:${poort}/`});
const kaart = fs.readdirSync(path.join(site, "kaart"), {recursive: true})
  .find((p) => String(p).endsWith("johannes-petrus-van-der-berg-1920-1987.html"));
// The start page at the address a visitor opens, the site's own (its canonical address).
const PAGINAS = ["", "letter/b.html", "kaart/" + String(kaart).split(path.sep).join("/"), "zoeken.html"];
const MINIMUM = {"accessibility": 100, "best-practices": 100, "seo": 100, "performance": 95};

const srv = await server(site, poort);
const browser = await puppeteer.launch({executablePath: CHROMIUM, headless: true,
  args: [...CHROMIUM_VLAGGEN, "--remote-debugging-port=0"]});
let controles = 0;
try {
  const debugPoort = Number(new URL(browser.wsEndpoint()).port);
  for (const pagina of PAGINAS) {
    const r = await lighthouse(srv.basis + pagina, {port: debugPoort, output: "json", logLevel: "error",
      onlyCategories: Object.keys(MINIMUM)});
    const scores = [];
    for (const [categorie, minimum] of Object.entries(MINIMUM)) {
      const c = r.lhr.categories[categorie];
      const score = Math.round((c.score || 0) * 100);
      scores.push(`${categorie} ${score}`);
      controles++;
      if (!fouten.controleer(score >= minimum, `${pagina}: ${categorie} ${score}, minimaal ${minimum}`)) {
        for (const ref of c.auditRefs) {
          const a = r.lhr.audits[ref.id];
          if (ref.weight > 0 && a.score !== null && a.score < 1) {
            console.log(`   ${a.id}: ${a.title} (${a.displayValue || a.score})`);
          }
        }
      }
    }
    console.log(`${pagina || "/"}: ${scores.join(", ")}`);
  }
} finally {
  await browser.close();
  await srv.stop();
}
fouten.einde(controles);
