#pragma once
// The skeleton every site layout shares: style sheet, script, redirect pages, the common head of
// the root pages, frame set, banner, letter menu, welcome page and the copy-protection script.
// Every writer takes a folder `map` and a file name `bestand` and writes the plain concatenation
// map + bestand, so callers pass "map/" + "naam" or "map" + "/naam". All lines end in CR LF and are
// written byte for byte (Windows-1252). Writers return true when the file was written and closed;
// on a failure they show MeldNietAangemaakt(map, bestand), close the file and return false.
// Nothing here throws: an IOFout of the file writer is caught and reported where it arises.
#include "platform/tekstbestand.h"

#include <functional>
#include <string>
#include <vector>

namespace gdk {

// The one open output page of an export. Only one page is open at a time; the redirect pages and
// the image pages use handles of their own so they can be written while a page is open here.
extern TekstSchrijver Paginabestand;
// Closes `f` without throwing (after a failure, or to abandon a page).
void SluitStil(TekstSchrijver& f);
// SluitStil(Paginabestand).
void SluitPaginabestandStil();

bool SchrijfStijlblad(const std::string& map, const std::string& bestand);
bool SchrijfScript(const std::string& map, const std::string& bestand);
// diepte 1, 2 or 3: the folder's depth below the site root.
bool SchrijfDoorverwijzing(int diepte, const std::string& map, const std::string& bestand);
// Creates the page in Paginabestand and writes the nine head lines of a root page; the page stays
// open for the caller. On a failure the message is shown and the page closed.
bool SchrijfIndexKop(const std::string& map, const std::string& bestand);
// Writes the common head with SchrijfIndexKop, then the caller's lines, and closes the page; on a
// write failure MeldNietAangemaakt(map, bestand) is shown, the page closed and false returned.
bool VervolgIndexPagina(const std::string& map, const std::string& bestand,
                        const std::function<void(TekstSchrijver&)>& schrijf);
bool SchrijfFrameset(const std::string& map, const std::string& bestand);
bool SchrijfKopIndex(const std::string& map, const std::string& bestand);
bool SchrijfMenuIndex(const std::string& map, const std::string& bestand, const std::string& linktekst);
bool SchrijfInhoudIndex(const std::string& map, const std::string& bestand);
// The 40 lines that block the context menu and text selection, into the page open in
// Paginabestand. A failure is swallowed: the page goes on after the partial block.
void SchrijfBeveiligingsScript();

// The same 40 lines, for writers with a handle of their own.
const std::vector<std::string>& BeveiligingsScriptRegels();

// The fixed keyword list of line 5 of the common head.
inline constexpr const char* SiteTrefwoorden =
    "Velmoran,Genealogie,Software,Gedenkjes,Gedenkkaarten,Bidprentjes,Stamboom,Familiegeschiedenis";

} // namespace gdk
