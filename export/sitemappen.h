#pragma once
// Where a site lies and how its folders come to be: the site root of each layout, the refusal of
// a root that exists, folders made on demand with their redirect page, the optional files of the
// program's tool folder, and the messages every site writer shares.
#include <stdexcept>
#include <string>

namespace gdk {

class TFileMan;

// UitvoerBestanden + "/" + CollectieNaam + "/gedenkjes/type N". No separator is added to or
// taken off the output folder: one that ends in a separator gives a doubled one, which is harmless.
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

} // namespace gdk
