#pragma once
// The type 2 site: a letter menu, one table page per initial letter a-z with a row per person
// who has a card image, and one page per card image. Type 3 shares all of it except its root
// pages and a few settings (tgdkexporttype3.h); the shared steps take a SiteOpmaak.
// May throw IOFout: UitvoerenType2, SchrijfSiteType2, type23::Uitvoeren and
// type23::SchrijfToolMappen, when a card image or a program file cannot be copied or the report
// file cannot be written; the export ends there. The page writers report a page that cannot be
// written and go on.
#include <functional>
#include <string>
#include <vector>

namespace gdk {

// What differs between the type 2 and type 3 sites besides their root pages.
struct SiteOpmaak {
    int type = 2;
    std::string cellPadd, cellSpac;              // letter-page table
    std::string hoogte, breedte;                 // card image on its page
    bool tweedeAfbeelding = false;               // a second image block below the first
    std::string geenGegevensUitlijning = "left"; // table of the page of a letter without entries
};
SiteOpmaak Type2Opmaak(); // from the t2 settings at the time of the call

// Rows written on the letter page that is open.
extern int RijenOpPagina;

bool UitvoerenType2();
bool SchrijfSiteType2(const std::vector<std::string>& regels);

// The entry line of person i (12 fields joined by ";"); `afbeelding` is the image file name found
// for the person, empty when none.
std::string MaakIndexRegel(int i, const std::string& afbeelding);
// True for the codes 97 to 122, "a" to "z".
bool IsKleineLetter(int code);

// The page folder-letter of an image file name: its first character, A-Z lower-cased.
char AfbeeldingLetter(const std::string& afbeelding);

// Writes the page of one card image into folder `p`: p + "/" + n lower-cased + ".htm". `n` and
// `a` are the image file name without extension; `afbeelding` is the whole image file name, whose
// copy the page shows. False when `p` does not exist or the page could not be written.
bool SchrijfAfbeeldingPagina(const SiteOpmaak& opmaak, const std::string& p, const std::string& n,
                             const std::string& a, const std::string& afbeelding);

// Writes the page of a letter without entries, siteMap + "/inhoud" + letter + ".htm".
void SchrijfGeenGegevensPagina(const SiteOpmaak& opmaak, const std::string& siteMap, char letter);

namespace type23 {

// The whole export of type 2 or 3: the root check, folders, card images and their pages, entry
// list, report lines, then `schrijfSite` with the sorted list and, with ZoekpaginaMaken on, the
// search page with the index collected while the image pages were written.
bool Uitvoeren(const SiteOpmaak& opmaak,
               const std::function<bool(const std::vector<std::string>&)>& schrijfSite);

// The tool folders with their copies and the script files (steps shared by both layouts).
void SchrijfToolMappen(const std::string& siteMap);
// The letter pages a-z from the sorted entry list; every letter ends with a page.
void SchrijfLetterPaginas(const SiteOpmaak& opmaak, const std::string& siteMap,
                          const std::vector<std::string>& regels);

// The site root of the export that is running (set by Uitvoeren).
const std::string& HuidigeSiteMap();

} // namespace type23
} // namespace gdk
