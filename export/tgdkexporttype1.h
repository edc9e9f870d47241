#pragma once
// The type 1 site: one small page per memorial card, filed in a folder per surname, the card
// images copied beside them, and 26 letter index pages built from the pages written. The export
// runs in two phases: the person pages (with the image copies), then the skeleton, the scan of
// the written pages and the letter pages. The second phase runs only when the first succeeded.
// May throw IOFout: UitvoerenType1 and SchrijfSiteType1, when a copy of the program's files fails
// or a written page cannot be read back. A page that cannot be written is reported and skipped.
#include <cstdint>
#include <string>

namespace gdk {

// Both phases, as the "Type 1" command runs them. False when the site root exists already
// (after its message), when no person qualified for a page, or when the second phase failed.
bool UitvoerenType1();

// Phase 1: checks the site root, writes "paginas" and "afbeeldingen" and one page per person
// with a card image. True when at least one person qualified for a page.
bool SchrijfPersoonPaginas();
// Phase 2: the skeleton, the scan of the person pages, the letter pages, the redirect pages of
// the letter folders and, with ZoekpaginaMaken on, the search page with the index that phase 1
// collected. True when it ran to the end (false after the message of a search index that could
// not be written); a page that cannot be read back ends it with an IOFout, as does a failed copy
// of the program's files.
bool SchrijfSiteType1();

// One person page; a person without surname or without a usable image name gets none.
void SchrijfPersoonPagina(std::int32_t persoon);
// The head lines of the person page into the open page file, with `oinhoud` (the index line as
// an attribute value) in its META line and `titel` as its title; failures are swallowed.
void SchrijfPersoonKop(std::int32_t persoon, const std::string& oinhoud, const std::string& titel);
// The page title: the variant index line without blanks or punctuation, or "Onbekend".
std::string MaakPaginaTitel(const std::string& indexVariant);
// "gedenkjes/type 1/paginas/" + letter + "/" + surname folder, relative to the collection's
// folder in the output folder.
std::string MaakPersoonMap(std::int32_t persoon);
// The content of a META line of one of the four index tags (vinhoud, minhoud, kinhoud, oinhoud),
// as the pages are read back; empty for any other line.
std::string LeesInhoudMeta(const std::string& regel);
// The display name of the page; copies the card image into the site on the way.
std::string MaakNaamRegel(std::int32_t persoon);

} // namespace gdk
