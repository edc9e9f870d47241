#pragma once
// Where a site lies and how its folders come to be: the site root of each layout, the refusal of
// a root that exists, folders made on demand with their redirect page, the optional files of the
// program's tool folder, the messages every site writer shares, and the names and links that
// card data gives the files of a site and the letter that lists a card.
#include <stdexcept>
#include <string>
#include <string_view>

namespace gdk {
namespace fs {
class SiteScope;
}

class TFileMan;

// UitvoerBestanden + "/" + CollectieNaam: the folder of the collection's sites. The file system
// finds the collection's part of it by its literal name (a '\' in the file name is a letter).
std::string CollectieUitvoerMap();
// CollectieUitvoerMap() + "/gedenkjes/type N". No separator is added to or taken off the output
// folder: one that ends in a separator gives a doubled one, which is harmless.
std::string SiteMapVan(int type);

// "De directorie <SiteMap> bestaat al." with its two lines of advice, caption "Gedenkjes"; for a
// folder without a start page, that it looks like an export that was not finished.
void MeldBestaandeUitvoer(const std::string& siteMap);
// A page or folder of the site that could not be made, for whatever reason (a name the file
// system refuses, a link that leads nowhere, an input/output error): the export stops there,
// since a site without that page is a site with a hole, and the frame shows what() alone.
class PaginaNietGemaakt : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
// Throws PaginaNietGemaakt with "Verwerking afgebroken omdat het bestand" / map + "/" + bestand /
// "niet aangemaakt kon worden."
[[noreturn]] void StopNietAangemaakt(const std::string& map, const std::string& bestand);

// The site root check: when `siteMap` exists, both status panels go idle, the message is shown
// and the result is true (the export must stop without touching anything).
bool SiteBestaatAl(const std::string& siteMap);

// Why an update may not write the site folder `siteMap`, for the kept site that refused it
// (fs::SiteScope::Opening not Nieuw or Bestaand): what is wrong, that nothing changed, what to do.
std::string SiteGeweigerdMelding(const std::string& siteMap, const fs::SiteScope& site);

// Creates `map` with its missing parents and gives it the redirect page "index.htm" of `diepte`
// when it has none; StopNietAangemaakt when the folder or its page cannot be made.
void MaakSiteMapAan(const std::string& map, int diepte);

// ProgrammaMap + "/tool/" + naam, when that file exists; else empty.
std::string ToolBestand(const std::string& naam);
// Copies the tool file `naam` to `doel` with the file copier when the program has it; skipped
// silently when it does not. True when a copy was made. May throw IOFout (from the copier): a
// failed copy ends the export.
bool KopieerToolBestand(TFileMan& fm, const std::string& naam, const std::string& doel);

// A name derived from data may become a file or folder name of the site only when it is not
// empty, not "." or "..", and holds no separator and no NUL: nothing is written outside the site.
bool IsVeiligeNaam(const std::string& naam);

// A name from card data as a file or folder name of a site (a card's page and image copy, a
// surname folder): the characters Windows forbids in names (< > : " / \ | ? * and the control
// codes) become '_', trailing dots and blanks go (a name of nothing else becomes "_"), and a
// device name of Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with any extension) gets '_' after
// its stem. So a site copies to any disk; every other name stays as it is.
std::string SiteNaam(std::string_view naam);
// A stem that Windows keeps for a device, whatever follows it: CON, PRN, AUX, NUL, and COM or LPT
// with a digit 1-9 (or the superscripts 1 to 3 Windows also counts), in any letter case.
bool IsApparaatNaam(std::string_view stam);
// The folder of a site name by its first character, in small letters ("_" for a blank).
std::string EersteTekenMap(std::string_view siteNaam);
// A path in the site as a link target or image reference inside a double-quoted attribute: '%'
// and '#' as %25 and %23 (a browser reads them as an escape and the start of an anchor), the rest
// as HtmlAttribuut writes it.
std::string SiteLink(std::string_view pad);

// The letter (a-z) whose page lists a card: the first character of its surname after the fold of
// the type 1 folders (BestandsnaamSchoon: "Éloy" e, "'t Hart" t), leading blanks passed over.
// 0 when that is no letter a-z ("?", a digit, nothing): such a card is listed on A's page,
// before A's own.
char NaamLetter(const std::string& achternaam);

} // namespace gdk
