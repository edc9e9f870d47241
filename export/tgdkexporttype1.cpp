#include "export/tgdkexporttype1.h"

#include "data/afbeeldingen.h"
#include "data/globalen.h"
#include "data/html.h"
#include "data/namen.h"
#include "data/paden.h"
#include "data/tekst.h"
#include "data/tvars.h"
#include "export/letterpaginas.h"
#include "export/skelet.h"
#include "export/tfileman.h"
#include "export/tuitvoer.h"
#include "export/zoekindex.h"
#include "import/status.h"
#include "import/woordlijsten.h"
#include "pages/tnaamopmaak.h"
#include "pages/tpersoonpagina.h"
#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"
#include "platform/kopieren.h"
#include "platform/sorteren.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"
#include "platform/vlaktabel.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

namespace gdk {
namespace {

const char* const Type1 = "gedenkjes/type 1";

// The collection's folder in the output folder, with its closing separator.
std::string CollectieUitvoer() {
    return UitvoerBestanden + "/" + CollectieNaam + "/";
}
std::string Type1Map() {
    return SiteMapVan(1);
}

std::string Teken(const std::string& s, std::size_t n) {
    return s.substr(0, n);
}

// The surname folder: the surname without bracketed parts, capitalised, cleaned for a file name.
std::string AchternaamMap(const recPersoon& p) {
    std::string map =
        BestandsnaamSchoon(HoofdletterWoorden(VerwijderTussenHaakjes(p.Achternaam, '(', ')'), false));
    if (Trim(map).empty()) map = "Onbekend";
    return map;
}

// The file name part of the card image. A name that would make a folder or file "." or ".."
// (or nothing) gets no page and no copy, so that nothing is written outside the site.
std::string Afbeeldingsnaam(const recPersoon& p) {
    return BestandsnaamDeel(p.AfbeeldingBestand);
}
bool BruikbareAfbeeldingsnaam(const std::string& n) {
    return IsVeiligeNaam(n) && IsVeiligeNaam(n.substr(0, 1));
}

// The image block shows the card when its file exists in the folder derived from the image's
// own name (the existence check differs from the copy rule in MaakNaamRegel on purpose).
void SchrijfAfbeeldingBlok(const recPersoon& p, const std::string& n) {
    const std::string s = AfbeeldingMapVan(Teken(n, 1), Teken(n, 2), p.Achternaam);
    const bool aanwezig = AfbeeldingBestaat(n, s + n);
    Paginabestand.Regel("   <BR><BR>");
    if (!aanwezig) {
        Paginabestand.Regel("   ...geen afbeelding aanwezig...");
        return;
    }
    std::string alt = p.Voornamen;
    if (!Trim(p.Tussenvoegsel).empty()) alt += " " + p.Tussenvoegsel;
    alt += " " + p.Achternaam;
    Paginabestand.Regel("");
    // Mended: the source named the image with ".jpg" put in place of its own extension, a file
    // that does not exist for a .png, .jpeg or extensionless card. It names the copy MaakNaamRegel
    // made, which keeps the card's own extension.
    Paginabestand.Regel("   <IMG ID=\"afbeelding\" BORDER=\"1\" SRC=\"../../../afbeeldingen/" +
                        HtmlAttribuut(AsciiKleineLetters(Teken(n, 1)) + "/" + AsciiKleineLetters(n)) +
                        "\" ALT=\"" + HtmlAttribuut(alt) + "\" WIDTH=\"69%\" HEIGHT=\"69%\">\r\n");
}

// A part of the name line, as page text: card fields may hold markup.
std::string NaamDeel(const std::string& s, bool hoofdletters) {
    return HtmlTekst(glAfblijven ? Trim(s) : Trim(HoofdletterWoorden(s, hoofdletters)));
}

// The index entries as phase 1 wrote them, by page path: the META line of each page as it stands
// at the end of phase 1 (a later page of the same path replaced an earlier one, as on disk).
struct GeschrevenIndex {
    std::string siteMap;
    bool volledig = false; // false when a page failed: what it holds is known only on disk
    fs::VlakkeTabel<std::string, std::string> pagina;
};
GeschrevenIndex geschrevenIndex;

// The folders phase 1 already made ready in this export, with their redirect page (and the
// image folders with their desktop.ini): the thousands of later pages and copies in the same
// folder need not ask again what this export itself made. Empty outside phase 1.
std::unordered_set<std::string> klaarMappen;

struct KlaarMappenScope {
    KlaarMappenScope() { klaarMappen.clear(); }
    ~KlaarMappenScope() { klaarMappen.clear(); }
};

// Once per folder and export: `maak` makes it ready (always, outside phase 1).
template <typename Maak> void EenmaalPerMap(const std::string& map, Maak&& maak) {
    if (klaarMappen.contains(map)) return;
    maak();
    klaarMappen.insert(map);
}

// Reads every page of the site back for its META line, as the index was always made.
void IndexVanSchijf(const std::string& w, std::vector<std::string>& ingangen) {
    std::vector<std::string> mappen, bestanden;
    ZoekMappen(w, mappen);
    SorteerRegels(mappen);
    for (const std::string& map : mappen)
        ZoekBestanden(map, "*", "htm", bestanden);
    SorteerRegels(bestanden);
    VoortgangMelder voortgang(static_cast<long>(bestanden.size()));
    std::string regel;
    long gedaan = 0;
    for (const std::string& bestand : bestanden) {
        voortgang.Stap(++gedaan);
        TekstLezer lezer;
        if (!lezer.Open(bestand)) throw IOFout("Het bestand " + bestand + " kan niet gelezen worden.");
        while (lezer.LeesRegel(regel)) {
            const std::string inhoud = LeesInhoudMeta(Trim(regel));
            if (!inhoud.empty()) ingangen.push_back(inhoud + ";" + bestand);
        }
    }
}

// The same entries without reading 100000 pages back: phase 1 of this export just wrote them and
// kept each page's META text under the path the scan would find it by. Used only when that gives
// the identical list: every page of phase 1 written whole, and each path spelled the same after
// the trip to the disk's UTF-8 and back that the scan's listing makes.
bool IndexUitFase1(const std::string& w, std::vector<std::string>& ingangen) {
    GeschrevenIndex index = std::move(geschrevenIndex);
    geschrevenIndex = {};
    if (!index.volledig || index.siteMap != w) return false;
    bool heen = true;
    index.pagina.VoorElk([&](const std::string& pad, const std::string&) {
        const bool ascii =
            std::all_of(pad.begin(), pad.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        heen = heen && (ascii || VanUtf8(NaarUtf8(pad)) == pad);
    });
    if (!heen) return false;
    ingangen.reserve(index.pagina.Grootte());
    index.pagina.VoorElk(
        [&](const std::string& pad, const std::string& inhoud) { ingangen.push_back(inhoud + ";" + pad); });
    return true;
}

} // namespace

std::string LeesInhoudMeta(const std::string& regel) {
    static const char* const tags[] = {
        "<meta name=\"vinhoud\" content=\"",
        "<meta name=\"minhoud\" content=\"",
        "<meta name=\"kinhoud\" content=\"",
        "<meta name=\"oinhoud\" content=\"",
    };
    const std::string klein = AsciiKleineLetters(regel);
    for (const char* tag : tags) {
        if (klein.find(tag) == std::string::npos) continue;
        // The content between the tag (which opens the line, 30 characters) and the closing ">.
        if (regel.size() <= 32) return {};
        return regel.substr(30, regel.size() - 32);
    }
    return {};
}

std::string MaakPaginaTitel(const std::string& indexVariant) {
    const std::string titel = BestandsnaamSchoon(indexVariant);
    return Trim(titel).empty() ? std::string("Onbekend") : titel;
}

std::string MaakPersoonMap(std::int32_t persoon) {
    const std::string map = AchternaamMap(Personen[persoon]);
    return std::string(Type1) + "/paginas/" + AsciiKleineLetters(Teken(map, 1)) + "/" + map;
}

std::string MaakNaamRegel(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    std::string naam = NaamDeel(p.Voornamen, glVoornamen);
    if (!Trim(p.Tussenvoegsel).empty()) naam += " " + NaamDeel(p.Tussenvoegsel, glTussenvoegsel);
    naam += " " + (Trim(p.Achternaam).empty() ? UitvoerTekst[57] : NaamDeel(p.Achternaam, glAchternaam));

    if (Trim(p.AfbeeldingBestand).empty()) return naam;
    const std::string n = Afbeeldingsnaam(p);
    if (!BruikbareAfbeeldingsnaam(n)) return naam;
    // The copy looks where every layout looks.
    const std::string bron = KaartAfbeelding(p);
    if (bron.empty()) return naam;

    const std::string t = CollectieUitvoer() + Type1 + "/afbeeldingen/" + AsciiKleineLetters(Teken(n, 1));
    EenmaalPerMap(t, [&] {
        if (!fs::MapBestaat(t)) fs::MaakMappen(t);
        if (!fs::BestandBestaat(t + "/index.htm")) SchrijfDoorverwijzing(2, t, "/index.htm");
        const std::string ini = ToolBestand("desktop.ini");
        if (!ini.empty() && !fs::BestandBestaat(t + "/desktop.ini")) fs::Kopieer(ini, t + "/desktop.ini");
    });
    fs::Kopieer(bron, t + "/" + AsciiKleineLetters(n));
    return naam;
}

void SchrijfPersoonKop(std::int32_t persoon, const std::string& oinhoud, const std::string& titel) {
    const recPersoon& p = Personen[persoon];
    try {
        Paginabestand.Regel("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">");
        Paginabestand.Regel("<HTML>");
        Paginabestand.Regel("<HEAD>");
        Paginabestand.Regel("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">");
        // Card fields inside attribute values: a '"' would end the value early.
        Paginabestand.Regel("<META NAME=\"keywords\" CONTENT=\"" + HtmlAttribuut(p.Achternaam) + "\">");
        Paginabestand.Regel("<META NAME=\"oinhoud\" CONTENT=\"" + oinhoud + "\">");
        Paginabestand.Regel("<META NAME=\"description\" CONTENT=\"Velmoran Genealogie\">");
        Paginabestand.Regel("<META NAME=\"robots\" CONTENT=\"index, follow\">");
        Paginabestand.Regel("<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">");
        Paginabestand.Regel("<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
                            "SRC=\"../../../tool/script/genealogie.js\"></SCRIPT>");
        Paginabestand.Regel(
            "<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"../../../tool/script/genealogie.css\">");
        Paginabestand.Regel("<TITLE>" + titel + "</TITLE>");
        Paginabestand.Regel("</HEAD>");
        Paginabestand.Regel("");
        if (BeschermenTegenKopieren) {
            SchrijfBeveiligingsScript();
            Paginabestand.Regel("");
        }
        Paginabestand.Regel("<BODY BACKGROUND=\"../../../tool/achtergrond/achtergrond.jpg\">");
        Paginabestand.Regel("");
    } catch (const IOFout&) {
    }
}

void SchrijfPersoonPagina(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    if (Trim(p.Achternaam).empty()) return;
    const std::string n = Afbeeldingsnaam(p);
    const std::string achternaamMap = AchternaamMap(p);
    if (!BruikbareAfbeeldingsnaam(n) || !BruikbareAfbeeldingsnaam(achternaamMap)) return;

    // Only the part below the collection's folder is put in small letters: the output folder
    // the user chose keeps its own case.
    const std::string persoonMap = AsciiKleineLetters(MaakPersoonMap(persoon));
    const std::string map = CollectieUitvoer() + persoonMap;
    EenmaalPerMap(map, [&] {
        if (!fs::MapBestaat(map)) fs::MaakMappen(map);
        if (!fs::BestandBestaat(map + "/index.htm")) SchrijfDoorverwijzing(3, map, "/index.htm");
    });

    const std::string bestand = "/" + ExtensieVervangen(n, ".htm");
    const std::string pad = map + AsciiKleineLetters(bestand);
    if (!Paginabestand.Open(pad)) {
        MeldNietAangemaakt(map, bestand);
        return;
    }
    // The index line goes into the page, into the index kept for phase 2 and into the search.
    const IndexRegels index = MaakIndexRegels(persoon);
    const std::string oinhoud = HtmlAttribuut(index.gewoon);
    try {
        SchrijfPersoonKop(persoon, oinhoud, MaakPaginaTitel(index.variant));
        Paginabestand.Regel("   <H6 CLASS=\"vader\"><B>");
        Paginabestand.Regel("   " + MaakNaamRegel(persoon));
        Paginabestand.Regel("   </B></H6>");
        Paginabestand.Regel("");
        Paginabestand.Regel("   <OL CLASS=\"vtekst\">");
        std::string samenvatting;
        PersoonSamenvatting(persoon, samenvatting);
        if (!Trim(samenvatting).empty()) Paginabestand.Regel("   " + samenvatting);
        Paginabestand.Regel("   </OL>");
        Paginabestand.Regel("");
        SchrijfAfbeeldingBlok(p, n);
        Paginabestand.Regel("");
        Paginabestand.Regel(PaginaEinde());
        Paginabestand.Sluit();
        geschrevenIndex.pagina.Zet(pad, oinhoud);
        if (ZoekKaarten.Actief()) {
            // Ordered as the letter pages order the entries read back from the pages.
            const std::string pagina = persoonMap + AsciiKleineLetters(bestand);
            ZoekKaarten.VoegToe(persoon, oinhoud + ";" + pad, pagina.substr(std::string(Type1).size() + 1));
        }
    } catch (const IOFout&) {
        MeldNietAangemaakt(map, bestand);
        SluitPaginabestandStil();
        geschrevenIndex.volledig = false; // what the failed page holds is known only on disk
    }
}

bool SchrijfPersoonPaginas() {
    const std::string siteMap = Type1Map();
    if (SiteBestaatAl(siteMap)) return false;
    fs::CacheScope cache;
    fs::ExacteMapScope exact(siteMap);
    geschrevenIndex = GeschrevenIndex{siteMap, true, {}};
    const KlaarMappenScope klaar;
    ZoekKaarten.Begin(true);
    bool resultaat = false;
    long aantal = 0;
    try {
        for (const char* map : {"/paginas", "/afbeeldingen"}) {
            fs::MaakMappen(siteMap + map);
            SchrijfDoorverwijzing(1, siteMap + map, "/index.htm");
        }
        VoortgangMelder voortgang(AantalPersonen);
        for (std::int32_t i = 1; i <= AantalPersonen; ++i) {
            voortgang.Stap(i);
            const recPersoon& p = Personen[i];
            if (p.Nummer <= 0 || Trim(p.AfbeeldingBestand).empty()) continue;
            ++aantal;
            SchrijfPersoonPagina(i);
            resultaat = true;
        }
    } catch (...) {
        StatusLinks("gedenkjes : " + std::to_string(aantal));
        throw;
    }
    StatusLinks("gedenkjes : " + std::to_string(aantal));
    return resultaat;
}

bool SchrijfSiteType1() {
    const std::string w = Type1Map();
    fs::CacheScope cache;
    fs::ExacteMapScope exact(w);
    auto bestandsman = std::make_unique<TFileMan>();
    std::vector<std::string> mappen, ingangen;
    const auto klaar = [&] { StatusLinks("gedenkjes : " + std::to_string(ingangen.size())); };
    bool zoekpagina = true;
    try {
        const std::string basis = CollectieUitvoer() + Type1;
        std::string r = basis + "/tool/";
        if (!fs::MapBestaat(r)) fs::MaakMappen(r);
        SchrijfDoorverwijzing(1, r, "index.htm");
        r = basis + "/tool/achtergrond/";
        if (!fs::MapBestaat(r)) fs::MaakMappen(r);
        SchrijfDoorverwijzing(2, r, "index.htm");
        KopieerToolBestand(*bestandsman, "Achtergrond.jpg", r + "achtergrond.jpg");
        r = basis + "/tool/image/";
        if (!fs::MapBestaat(r)) fs::MaakMappen(r);
        SchrijfDoorverwijzing(2, r, "index.htm");
        KopieerToolBestand(*bestandsman, "Afbeelding.jpg", r + "afbeelding.jpg");
        r = basis + "/tool/script/";
        if (!fs::MapBestaat(r)) fs::MaakMappen(r);
        SchrijfDoorverwijzing(2, r, "index.htm");
        SchrijfStijlblad(r, "genealogie.css");
        SchrijfScript(r, "genealogie.js");
        r = basis + "/";
        SchrijfFrameset(r, "index.htm");
        SchrijfKopIndex(r, "kopindex.htm");
        SchrijfMenuIndex(r, "menuindex.htm", "Gedenkjes");
        SchrijfInhoudIndex(r, "inhoudindex.htm");

        // The index comes from the pages as written, through the META line each carries.
        StatusLinks("Inhoudpagina schrijven...");
        if (!IndexUitFase1(w, ingangen)) IndexVanSchijf(w, ingangen);
        // Every entry ends in the path of its page: the site folder needs no place in the keys.
        SorteerRegelsZonder(ingangen, ";" + w + "/paginas/");
        if (!ingangen.empty()) SchrijfLetterPaginas(w, ingangen);

        mappen.clear();
        ZoekMappen(w + "/paginas", mappen);
        SorteerRegels(mappen);
        for (const std::string& map : mappen)
            if (!fs::BestandBestaat(map + "/index.htm")) SchrijfDoorverwijzing(2, map, "/index.htm");
        zoekpagina = ZoekKaarten.Schrijf(w);
    } catch (...) {
        klaar();
        throw;
    }
    klaar();
    return zoekpagina;
}

bool UitvoerenType1() {
    return SchrijfPersoonPaginas() && SchrijfSiteType1();
}

} // namespace gdk
