// The Nu HTML Checker (vnu-jar, run with the system's Java) over every page of three type 4
// sites: the sample, a collection of bad input, and a collection without any card. Each must
// give no error.
import {spawnSync} from "node:child_process";
import {createRequire} from "node:module";
import path from "node:path";
import {Fouten, argumenten, exporteer, geenKaarten, paginas, slechteInvoer, werkmap} from "./gemeen.mjs";

const args = argumenten();
const vnu = createRequire(import.meta.url).resolve("vnu-jar");
const jar = path.join(path.dirname(vnu), "build", "dist", "vnu.jar");
const fouten = new Fouten();
const werk = werkmap();
let gecontroleerd = 0;

const slecht = slechteInvoer(werk);
const sites = [
  ["het voorbeeld", exporteer(args, werk, "voorbeeld")],
  ["het voorbeeld met webadres", exporteer(args, werk, "webadres", {webAdres: "https://www.voorbeeld.nl/gedenkjes/"})],
  ["slechte invoer", exporteer(args, werk, "slecht", {gdk: slecht.gdk, scans: slecht.scans})],
  ["geen kaarten", exporteer(args, werk, "leeg", {gdk: geenKaarten(werk)})],
];
for (const [naam, site] of sites) {
  const lijst = paginas(site).map((p) => path.join(site, p));
  fouten.controleer(lijst.length >= 3, `${naam}: maar ${lijst.length} pagina's`);
  const r = spawnSync("java", ["-jar", jar, "--errors-only", "--format", "gnu", ...lijst],
    {encoding: "utf8", maxBuffer: 64 << 20});
  fouten.controleer(r.status === 0 && !r.stderr.trim(),
    `${naam}: de HTML-controle meldt fouten (status ${r.status}):\n${(r.stderr + r.stdout).slice(0, 4000)}`);
  console.log(`${naam}: ${lijst.length} pagina's gecontroleerd`);
  gecontroleerd += lijst.length;
}
fouten.einde(gecontroleerd);
