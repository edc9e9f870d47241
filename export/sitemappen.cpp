#include "export/sitemappen.h"

#include "data/globalen.h"
#include "data/html.h"
#include "data/namen.h"
#include "export/skelet.h"
#include "export/tfileman.h"
#include "import/status.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <array>

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
