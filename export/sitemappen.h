#pragma once
// Where a site lies and how its folders come to be: the site root of each layout, the refusal of
// a root that exists, folders made on demand with their redirect page, the optional files of the
// program's tool folder, and the messages every site writer shares.
#include <string>

namespace gdk {
namespace fs {
class SiteScope;
}

class TFileMan;

// UitvoerBestanden + "/" + CollectieNaam + "/gedenkjes/type N". No separator is added to or
// taken off the output folder: one that ends in a separator gives a doubled one, which is harmless.
std::string SiteMapVan(int type);

// "De directorie <SiteMap> bestaat al." with its two lines of advice, caption "Gedenkjes"; for a
// folder without a start page, that it looks like an export that was not finished.
void MeldBestaandeUitvoer(const std::string& siteMap);
// "Verwerking afgebroken omdat het bestand" / map + "/" + bestand / "niet aangemaakt kon worden."
void MeldNietAangemaakt(const std::string& map, const std::string& bestand);

// The site root check: when `siteMap` exists, both status panels go idle, the message is shown
// and the result is true (the export must stop without touching anything).
bool SiteBestaatAl(const std::string& siteMap);

// Why an update may not write the site folder `siteMap`, for the kept site that refused it
// (fs::SiteScope::Opening not Nieuw or Bestaand): what is wrong, that nothing changed, what to do.
std::string SiteGeweigerdMelding(const std::string& siteMap, const fs::SiteScope& site);

// Creates `map` with its missing parents and gives it the redirect page "index.htm" of `diepte`
// when it has none. False, after MeldNietAangemaakt, when the folder or its page cannot be made.
bool MaakSiteMapAan(const std::string& map, int diepte);

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
