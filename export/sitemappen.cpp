#include "export/sitemappen.h"

#include "data/globalen.h"
#include "data/html.h"
#include "data/namen.h"
#include "export/skelet.h"
#include "export/tfileman.h"
#include "import/status.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/site.h"
#include "platform/tekst1252.h"
#include "platform/weigering.h"
#include "settings/instellingen.h"

#include <array>

namespace gdk {

std::string CollectieUitvoerMap() {
    const std::string map = UitvoerBestanden + "/" + CollectieNaam;
    // The output folder is a setting, found by the rules for settings; the collection's name is
    // the user's file name, a '\' in it a letter.
    fs::ZetLetterlijk(fs::Letterlijk::Site, map,
                      fs::OpSchijf(UitvoerBestanden) + "/" + NaarUtf8(CollectieNaam));
    return map;
}

std::string SiteMapVan(int type) {
    return CollectieUitvoerMap() + "/gedenkjes/type " + std::to_string(type);
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

std::string SiteGeweigerdMelding(const std::string& siteMap, const fs::SiteScope& site) {
    const std::string naam = siteMap.substr(siteMap.find_last_of("/\\") + 1);
    switch (site.Opening()) {
    case fs::SiteOpening::GeenMap:
        return "Onder de naam " + siteMap +
               " staat een bestand of een snelkoppeling, geen map: daar kan geen site geschreven worden.\n\n"
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

namespace {

bool IsVerbodenTeken(char c) {
    return static_cast<unsigned char>(c) < 32 || c == 127 ||
           std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
}

} // namespace

bool IsApparaatNaam(std::string_view stam) {
    static constexpr std::array<std::string_view, 4> namen = {"con", "prn", "aux", "nul"};
    for (const std::string_view n : namen)
        if (GelijkZonderHoofdletters(stam, n)) return true;
    if (stam.size() != 4) return false;
    const std::string_view begin = stam.substr(0, 3);
    if (!GelijkZonderHoofdletters(begin, "com") && !GelijkZonderHoofdletters(begin, "lpt")) return false;
    const char c = stam[3];
    return (c >= '1' && c <= '9') || c == '\xB9' || c == '\xB2' || c == '\xB3';
}

std::string SiteNaam(std::string_view naam) {
    std::string uit(naam);
    for (char& c : uit)
        if (IsVerbodenTeken(c)) c = '_';
    while (!uit.empty() && (uit.back() == '.' || uit.back() == ' '))
        uit.pop_back();
    if (uit.empty()) return "_";
    std::size_t stam = uit.find('.');
    if (stam == std::string::npos) stam = uit.size();
    while (stam > 0 && uit[stam - 1] == ' ')
        --stam;
    if (IsApparaatNaam(std::string_view(uit).substr(0, stam))) uit.insert(stam, 1, '_');
    return uit;
}

std::string EersteTekenMap(std::string_view siteNaam) {
    return SiteNaam(AsciiKleineLetters(siteNaam.substr(0, 1)));
}

std::string SiteLink(std::string_view pad) {
    const std::size_t eerste = EersteVan(pad, "%#");
    if (eerste == std::string_view::npos) return HtmlAttribuut(pad);
    std::string uit(pad.substr(0, eerste));
    for (std::size_t i = eerste; i < pad.size(); ++i) {
        if (pad[i] == '%')
            uit += "%25";
        else if (pad[i] == '#')
            uit += "%23";
        else
            uit += pad[i];
    }
    return HtmlAttribuut(uit);
}

char NaamLetter(const std::string& achternaam) {
    std::size_t b = 0;
    while (b < achternaam.size() && static_cast<unsigned char>(achternaam[b]) <= 32)
        ++b;
    const std::string schoon = BestandsnaamSchoon(achternaam.substr(b));
    const char c = schoon.empty() ? '\0' : AsciiKlein(schoon[0]);
    return c >= 'a' && c <= 'z' ? c : '\0';
}

} // namespace gdk
