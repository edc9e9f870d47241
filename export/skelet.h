#pragma once
// The skeleton every site layout shares: style sheet, script, redirect pages, the common head of
// the root pages, frame set, banner, letter menu, welcome page and the copy-protection script.
// Every writer takes a folder `map` and a file name `bestand` and writes the plain concatenation
// map + bestand, so callers pass "map/" + "naam" or "map" + "/naam". All lines end in CR LF and are
// written byte for byte (Windows-1252). A page that cannot be made or written stops the export:
// the file is closed and StopNietAangemaakt(map, bestand) throws (an IOFout of the file writer
// goes no further). Each page has a writer of its own, closed when the page is done or abandoned.
#include "platform/tekstbestand.h"

#include <functional>
#include <string>
#include <vector>

namespace gdk {

// Closes `f` without throwing (after a failure, or to abandon a page).
void SluitStil(TekstSchrijver& f);

// What the head of a page of the three layouts holds besides its fixed lines.
struct PaginaKop {
    // (Each with its initialiser: a page names only the parts it has.)
    std::string trefwoorden{};  // the content of META keywords
    std::string beschrijving{}; // the content of META description
    std::string extra{};        // a META line of the page's own before the description, or empty
    bool generator = true;      // the META generator line
    std::string terug{};        // the way from the page's folder to the site root: "", "../", ...
};
// The head every page opens with: DOCTYPE, HTML, HEAD, the META lines, the script and the style
// sheet of the site's tool folder.
void SchrijfKop(TekstSchrijver& f, const PaginaKop& kop);
// The 40 lines that block the context menu and text selection, and an empty line, when
// BeschermenTegenKopieren is on.
void SchrijfBeveiliging(TekstSchrijver& f);

// Creates map + bestand, writes it with `schrijf` and closes it; the one failure path of every
// page writer: the page closed, then StopNietAangemaakt(map, bestand).
void SchrijfPagina(const std::string& map, const std::string& bestand,
                   const std::function<void(TekstSchrijver&)>& schrijf);

void SchrijfStijlblad(const std::string& map, const std::string& bestand);
void SchrijfScript(const std::string& map, const std::string& bestand);
// diepte 1, 2 or 3: the folder's depth below the site root.
void SchrijfDoorverwijzing(int diepte, const std::string& map, const std::string& bestand);
// The nine head lines of a root page.
void SchrijfIndexKop(TekstSchrijver& f);
// A root page: its head, then the caller's lines (SchrijfPagina).
void VervolgIndexPagina(const std::string& map, const std::string& bestand,
                        const std::function<void(TekstSchrijver&)>& schrijf);
void SchrijfFrameset(const std::string& map, const std::string& bestand);
// The end of a frame set: the inner frame set closed, the text for browsers without frames.
void SchrijfFramesetSlot(TekstSchrijver& f);
// The banner page up to and with the banner image, after the root head.
void SchrijfBannerBegin(TekstSchrijver& f);
void SchrijfKopIndex(const std::string& map, const std::string& bestand);
void SchrijfMenuIndex(const std::string& map, const std::string& bestand, const std::string& linktekst);
void SchrijfInhoudIndex(const std::string& map, const std::string& bestand);
// The fixed keyword list of line 5 of the common head.
inline constexpr const char* SiteTrefwoorden =
    "Velmoran,Genealogie,Software,Gedenkjes,Gedenkkaarten,Bidprentjes,Stamboom,Familiegeschiedenis";

} // namespace gdk
