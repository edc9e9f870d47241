#pragma once
// The type 1 site: one small page per memorial card, filed in a folder per surname, the card
// images copied beside them, and 26 letter index pages built from the index lines of the pages
// written. The export runs in two phases: the person pages (with the image copies), then the
// skeleton and the letter pages. The second phase runs only when the first succeeded.
// May throw IOFout: UitvoerenType1 and SchrijfSiteType1, when a copy of the program's files
// fails; a page or folder that cannot be made stops the export (PaginaNietGemaakt).
#include <cstdint>
#include <string>

namespace gdk {

class TekstSchrijver;
class UitvoerSessie;

// Both phases, as the "Type 1" command runs them. False when the site root exists already
// (after its message) or when no person qualified for a page.
bool UitvoerenType1(UitvoerSessie& sessie);

inline constexpr const char* GeenAfbeeldingenMelding =
    "Geen enkel gedenkje in de collectie heeft een bestandsnaam van een afbeelding, dus een site van type 1 "
    "krijgt geen enkele pagina. Er is niets geschreven.\n\n"
    "Met \"Bestandsnaam toevoegen\" (onder Opties, op het tabblad Bij inlezen) vult het inlezen "
    "ontbrekende bestandsnamen aan; lees de collectie daarna opnieuw in.";

// Phase 1: checks the site root, writes "paginas" and "afbeeldingen" and one page per person
// with a card image. False, after GeenAfbeeldingenMelding and with nothing made, when no person
// has an image file name, unless the export withheld every card (the site then has no pages).
bool SchrijfPersoonPaginas(UitvoerSessie& sessie);
// Phase 2: the skeleton, the letter pages from the index lines phase 1 wrote, the redirect pages
// of the letter folders and, with ZoekpaginaMaken on, the search page with the index that phase
// 1 collected. A failed copy of the program's files ends it with an IOFout.
void SchrijfSiteType1(UitvoerSessie& sessie);

// One person page, with its card image copied; a person without surname or without a usable
// image name gets none.
void SchrijfPersoonPagina(UitvoerSessie& sessie, std::int32_t persoon);
// The head lines of the person page, with `oinhoud` (the index line as an attribute value) in
// its META line and `titel` as its title; failures are swallowed.
void SchrijfPersoonKop(TekstSchrijver& f, std::int32_t persoon, const std::string& oinhoud,
                       const std::string& titel);
// The page title: the variant index line without blanks or punctuation, or "Onbekend".
std::string MaakPaginaTitel(const std::string& indexVariant);
// "gedenkjes/type 1/paginas/" + letter + "/" + surname folder, relative to the collection's
// folder in the output folder.
std::string MaakPersoonMap(std::int32_t persoon);
// The display name of the page.
std::string MaakNaamRegel(std::int32_t persoon);
// Copies the card image of the person into the site's image folder of its first letter (made
// ready once per export), where the page shows it.
void KopieerKaartAfbeelding(UitvoerSessie& sessie, std::int32_t persoon);

} // namespace gdk
