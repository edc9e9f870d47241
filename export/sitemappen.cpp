#include "export/sitemappen.h"

#include "data/globalen.h"
#include "export/skelet.h"
#include "export/tfileman.h"
#include "import/status.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/site.h"
#include "platform/tekst1252.h"
#include "platform/weigering.h"
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
        // With the program's list or journal beside it, an update finishes what was begun.
        const bool eigen = fs::Bestaat(siteMap + ".gdklijst") || fs::Bestaat(siteMap + ".gdkjournaal");
        UI().Melding(
            "De directorie " + siteMap + " bestaat al, maar er staat geen beginpagina (index.htm) in:\n" +
                "het lijkt een uitvoer die niet is afgemaakt.\n" +
                (eigen ? "Bestand > Bijwerken (of gedenkjes-cli bijwerken) maakt haar af; of verwijder "
                         "die map, voordat er weer een uitvoer kan plaatsvinden."
                       : "Verwijder die map, voordat er weer een uitvoer kan plaatsvinden."),
            "Gedenkjes");
        return;
    }
    UI().Melding(std::string("De directorie") + " " + siteMap + " " + "bestaat al." + "\n" +
                     "Deze moet eerst verwijderd of verplaatst worden," + "\n" +
                     "voordat er weer een uitvoer kan plaatsvinden.",
                 "Gedenkjes");
}

void MeldNietAangemaakt(const std::string& map, const std::string& bestand) {
    UI().Melding(std::string("Verwerking afgebroken omdat het bestand") + " " + "\r" + map + "/" + bestand +
                 "\r" + "niet aangemaakt kon worden.");
}

bool SiteBestaatAl(const std::string& siteMap) {
    if (!fs::Bestaat(siteMap)) return false;
    StatusLinks("");
    StatusRechts("");
    MeldBestaandeUitvoer(siteMap);
    return true;
}

std::string SiteGeweigerdMelding(const std::string& siteMap, const fs::SiteScope& site) {
    const std::string naam = siteMap.substr(siteMap.find_last_of("/\\") + 1);
    switch (site.Opening()) {
    case fs::SiteOpening::GeenMap:
        return "Onder de naam " + siteMap +
               " staat een bestand of een snelkoppeling, geen map: daar kan geen site bijgewerkt worden.\n\n"
               "Er is niets veranderd. Verplaats of verwijder dat bestand, of kies onder Opties een andere "
               "uitvoermap.";
    case fs::SiteOpening::Vreemd:
        return "De map " + siteMap + " bestaat al, maar Gedenkjes heeft haar niet geschreven: de lijst \"" +
               naam +
               ".gdklijst\" ernaast ontbreekt.\n\n"
               "Er is niets veranderd. Verplaats de map of geef haar een andere naam; bijwerken maakt de "
               "site "
               "daarna opnieuw.";
    case fs::SiteOpening::Bezet:
        return "De site " + siteMap +
               " wordt op dit moment al bijgewerkt, in een ander venster of door gedenkjes-cli.\n\n"
               "Wacht tot dat klaar is en probeer het daarna opnieuw.";
    case fs::SiteOpening::AndereLijst:
        return "De lijst naast de site " + siteMap +
               " hoort bij een andere site of bij een andere versie van Gedenkjes.\n\n"
               "Er is niets veranderd. Verplaats de map met de bestanden ernaast (\"" +
               naam + ".gdklijst\", \"" + naam + ".gdkjournaal\") en werk daarna opnieuw bij.";
    default:
        return "Naast de map " + siteMap +
               " kan Gedenkjes zijn werkbestand niet aanmaken: " + fs::Reden(site.Fout()) +
               ".\n\nEr is niets veranderd.";
    }
}

bool MaakSiteMapAan(const std::string& map, int diepte) {
    if (!fs::MaakMappen(map)) {
        MeldNietAangemaakt(map, "index.htm");
        return false;
    }
    if (fs::BestandBestaat(map + "/index.htm")) return true;
    return SchrijfDoorverwijzing(diepte, map, "/index.htm");
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
