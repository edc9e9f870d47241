// The one style sheet of the type 4 site: the paper tones and the banner of the other layouts,
// system fonts, readable on a phone without zooming, a dark scheme that follows the visitor's
// setting, and a print style in which a card prints its faces and text on one A4 page.
#include "export/type4pagina.h"

namespace gdk::type4 {

const char* StijlbladTekst() {
    return R"CSS(:root {
  --papier: #f7f4eb;
  --vlak: #fffdf7;
  --inkt: #2b2724;
  --zacht: #5c554c;
  --lijn: #cfc6b5;
  --link: #7a3e12;
  --link-bezocht: #5b2d6e;
  --nadruk: #e9e1cf;
  color-scheme: light dark;
}
@media (prefers-color-scheme: dark) {
  :root {
    --papier: #1e1b17;
    --vlak: #28241f;
    --inkt: #ece6da;
    --zacht: #c2b9aa;
    --lijn: #4a443b;
    --link: #f0bf8c;
    --link-bezocht: #d9b2ea;
    --nadruk: #3a342c;
  }
}
*, *::before, *::after { box-sizing: border-box; }
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body {
  margin: 0;
  background: var(--papier);
  color: var(--inkt);
  font: 1.0625rem/1.55 system-ui, -apple-system, "Segoe UI", Roboto, "Noto Sans", "DejaVu Sans", sans-serif;
  overflow-wrap: anywhere;
}
a { color: var(--link); text-underline-offset: 0.15em; }
a:visited { color: var(--link-bezocht); }
a:focus-visible, button:focus-visible, input:focus-visible { outline: 3px solid var(--link); outline-offset: 2px; }
img { max-width: 100%; height: auto; }
.verborgen {
  position: absolute; width: 1px; height: 1px; margin: -1px; padding: 0; border: 0;
  overflow: hidden; clip: rect(0 0 0 0); white-space: nowrap;
}
.naar-inhoud { position: absolute; left: 0.5rem; top: -3rem; background: var(--vlak); padding: 0.5rem 1rem; z-index: 2; }
.naar-inhoud:focus { top: 0.5rem; }
.kop {
  display: flex; flex-wrap: wrap; align-items: center; justify-content: space-between; gap: 0.75rem 1.5rem;
  max-width: 64rem; margin: 0 auto; padding: 0.75rem 1rem;
}
.merk { display: block; flex: 0 1 26rem; line-height: 0; text-decoration: none; color: var(--inkt); }
.merk img { display: block; width: 100%; border-radius: 3px; }
.merk span { display: block; font: 600 1.75rem/1.2 Georgia, "Times New Roman", serif; letter-spacing: 0.04em; }
.zoek { display: flex; flex: 1 1 16rem; min-width: 0; max-width: 26rem; gap: 0.5rem; }
.zoek input {
  flex: 1 1 auto; min-width: 0; min-height: 2.75rem; padding: 0.4rem 0.7rem; font: inherit;
  color: var(--inkt); background: var(--vlak); border: 1px solid var(--zacht); border-radius: 6px;
}
.zoek button { flex: none; white-space: nowrap; }
.zoek button, .zoomknoppen button {
  min-height: 2.75rem; padding: 0.4rem 1rem; font: inherit; font-weight: 600; cursor: pointer;
  color: var(--papier); background: var(--link); border: 1px solid var(--link); border-radius: 6px;
}
main, .spoor, .voet { display: block; max-width: 64rem; margin: 0 auto; padding: 0 1rem; }
main { padding-bottom: 2rem; }
h1 { font: 600 1.9rem/1.25 Georgia, "Times New Roman", serif; margin: 0.75rem 0 0.75rem; }
h2 { font: 600 1.35rem/1.3 Georgia, "Times New Roman", serif; margin: 1.75rem 0 0.5rem; }
.spoor ol { display: flex; flex-wrap: wrap; list-style: none; margin: 0.25rem 0 0; padding: 0; color: var(--zacht); }
.spoor li + li::before { content: "\203A"; padding: 0 0.5rem; }
.spoor li { padding: 0.35rem 0; }
.letters ul { display: flex; flex-wrap: wrap; gap: 0.4rem; list-style: none; margin: 1rem 0; padding: 0; }
.letters a, .letters span {
  display: flex; align-items: center; justify-content: center; width: 2.75rem; height: 2.75rem;
  font-weight: 600; border: 1px solid var(--lijn); border-radius: 6px; background: var(--vlak); text-decoration: none;
}
.letters span { color: var(--zacht); background: transparent; border-style: dashed; font-weight: 400; }
.letters [aria-current] { background: var(--link); color: var(--papier); border-color: var(--link); }
.inleiding { max-width: 42rem; }
.aantal { color: var(--zacht); }
.namen ul { display: flex; flex-wrap: wrap; gap: 0.25rem 1.25rem; list-style: none; margin: 0.5rem 0 1rem; padding: 0; }
.namen a { display: inline-block; padding: 0.3rem 0; }
.kaarten { list-style: none; margin: 0; padding: 0; }
.kaarten li { padding: 0.55rem 0; border-bottom: 1px solid var(--lijn); }
.kaarten a { font-weight: 600; }
.kaarten .jaren, .kaarten .plaats { color: var(--zacht); }
.kaarten .jaren { margin-left: 0.5rem; white-space: nowrap; }
.kaarten .plaats::before { content: "\00B7"; margin: 0 0.4rem; }
.bladeren ul { display: flex; flex-wrap: wrap; gap: 0.4rem; list-style: none; margin: 1.5rem 0 0; padding: 0; }
.bladeren a, .bladeren span {
  display: inline-flex; align-items: center; justify-content: center; min-width: 2.75rem; min-height: 2.75rem;
  padding: 0 0.6rem; border: 1px solid var(--lijn); border-radius: 6px; text-decoration: none;
}
.bladeren [aria-current] { background: var(--link); color: var(--papier); border-color: var(--link); }
.feiten { margin: 0 0 1rem; padding-left: 1.2rem; }
.feiten li { margin: 0.2rem 0; }
.notitie, .partner { max-width: 42rem; }
.zijden { display: flex; flex-wrap: wrap; gap: 1.25rem; margin: 1.5rem 0; align-items: flex-start; }
.zijden figure { margin: 0; flex: 0 1 auto; max-width: 100%; }
.zijden a { display: block; line-height: 0; cursor: zoom-in; }
.zijden img { display: block; border: 1px solid var(--lijn); background: var(--vlak); }
.zijden figcaption { margin-top: 0.35rem; color: var(--zacht); font-size: 0.95rem; }
.geen-beeld { color: var(--zacht); font-style: italic; }
.buren { display: flex; flex-wrap: wrap; justify-content: space-between; gap: 0.75rem; margin-top: 2rem; }
.buren a { display: inline-block; padding: 0.5rem 0; max-width: 100%; }
.resultaten { padding-left: 1.5rem; }
.resultaten li { margin: 0.45rem 0; }
.voet { padding-top: 1rem; padding-bottom: 2rem; color: var(--zacht); border-top: 1px solid var(--lijn); }
.voet p { margin: 0.25rem 0; }
.zoom {
  width: 100vw; height: 100vh; max-width: none; max-height: none; margin: 0; padding: 0; border: 0;
  background: #111; color: #eee; overflow: hidden; touch-action: none;
}
.zoom::backdrop { background: #111; }
.zoom img {
  position: absolute; left: 0; top: 0; max-width: none; transform-origin: 0 0; user-select: none;
  -webkit-user-drag: none; cursor: grab;
}
.zoomknoppen { position: absolute; right: 0.75rem; top: 0.75rem; display: flex; gap: 0.5rem; z-index: 1; }
.zoomknoppen button { min-width: 2.75rem; background: #f7f4eb; color: #2b2724; border-color: #f7f4eb; }
@media (max-width: 30rem) {
  h1 { font-size: 1.6rem; }
  .kaarten .jaren { display: inline-block; margin-left: 0.35rem; }
}
@media print {
  @page { size: A4; margin: 14mm; }
  body { background: #fff; color: #000; font-size: 11pt; }
  .kop, .spoor, .letters, .buren, .bladeren, .voet, .naar-inhoud, .zoom { display: none !important; }
  main { max-width: none; padding: 0; }
  h1 { margin-top: 0; }
  a { color: #000; text-decoration: none; }
  .kaart { break-inside: avoid; }
  .zijden { flex-wrap: nowrap; gap: 6mm; margin: 6mm 0 0; }
  .zijden figure { flex: 0 1 auto; }
  .zijden img { max-height: 150mm; width: auto !important; border-color: #999; }
}
)CSS";
}

} // namespace gdk::type4
