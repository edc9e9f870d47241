#include "export/sitemappen.h"

#include "data/globalen.h"
#include "export/skelet.h"
#include "export/tfileman.h"
#include "import/status.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

namespace gdk {

std::string SiteMapVan(int type) {
    return UitvoerBestanden + "/" + CollectieNaam + "/gedenkjes/type " + std::to_string(type);
}

void MeldBestaandeUitvoer(const std::string& siteMap) {
    // A folder without its start page is what an export leaves that was stopped halfway: the
    // collector should know that it is not a site worth keeping.
    if (fs::Bestaat(siteMap) && !fs::BestandBestaat(siteMap + "/index.htm") &&
        !fs::BestandBestaat(siteMap + "/index.html")) {
        UI().Melding("De directorie " + siteMap +
                         " bestaat al, maar er staat geen beginpagina (index.htm) in:\n" +
                         "het lijkt een uitvoer die niet is afgemaakt.\n" +
                         "Verwijder die map, voordat er weer een uitvoer kan plaatsvinden.",
                     "Gedenkjes");
        return;
    }
    UI().Melding(std::string("De directorie") + " " + siteMap + " " + "bestaat al." + "\n" +
                     "Deze moet eerst verwijderd of verplaatst worden," + "\n" +
                     "voordat er weer een uitvoer kan plaatsvinden.",
                 "Gedenkjes");
}

void StopNietAangemaakt(const std::string& map, const std::string& bestand) {
    throw PaginaNietGemaakt(std::string("Verwerking afgebroken omdat het bestand") + " " + "\r" + map + "/" +
                            bestand + "\r" + "niet aangemaakt kon worden.");
}

bool SiteBestaatAl(const std::string& siteMap) {
    if (!fs::Bestaat(siteMap)) return false;
    StatusLinks("");
    StatusRechts("");
    MeldBestaandeUitvoer(siteMap);
    return true;
}

void MaakSiteMapAan(const std::string& map, int diepte) {
    if (!fs::MaakMappen(map)) StopNietAangemaakt(map, "index.htm");
    if (!fs::BestandBestaat(map + "/index.htm")) SchrijfDoorverwijzing(diepte, map, "/index.htm");
}

std::string ToolBestand(const std::string& naam) {
    const std::string pad = ProgrammaMap + "/tool/" + naam;
    return fs::BestandBestaat(pad) ? pad : std::string();
}

bool KopieerToolBestand(TFileMan& fm, const std::string& naam, const std::string& doel) {
    const std::string bron = ToolBestand(naam);
    if (bron.empty()) return false;
    return fm.KopieerBestand(bron, doel);
}

bool IsVeiligeNaam(const std::string& naam) {
    if (naam.empty() || naam == "." || naam == "..") return false;
    return EersteVan(naam, std::string_view("/\\\0", 3)) == std::string::npos;
}

} // namespace gdk
