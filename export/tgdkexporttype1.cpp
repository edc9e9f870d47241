#include "export/tgdkexporttype1.h"

#include "data/afbeeldingen.h"
#include "data/globalen.h"
#include "data/html.h"
#include "data/namen.h"
#include "data/paden.h"
#include "data/tekst.h"
#include "data/tvars.h"
#include "export/letterpaginas.h"
#include "export/sessie.h"
#include "export/sitemappen.h"
#include "export/skelet.h"
#include "export/tfileman.h"
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

namespace gdk {
namespace {

const char* const Type1 = "gedenkjes/type 1";

// The collection's folder in the output folder, with its closing separator.
std::string CollectieUitvoer() {
    return CollectieUitvoerMap() + "/";
}

std::string Teken(const std::string& s, std::size_t n) {
    return s.substr(0, n);
}

// The surname folder: the surname without bracketed parts, capitalised, cleaned for a file name.
std::string AchternaamMap(const recPersoon& p) {
    std::string map =
        BestandsnaamSchoon(HoofdletterWoorden(VerwijderTussenHaakjes(p.Achternaam, '(', ')'), false));
    if (Trim(map).empty()) map = "Onbekend";
    // A surname of thousands of characters still gets its folder.
    return NaamOpLengte(SiteNaam(map));
}

// The file name part of the card image, as the scans folder has it. A name that would make a
// folder or file "." or ".." (or nothing) gets no page and no copy, so that nothing is written
// outside the site; the site names its page and copy by SiteNaam of it.
std::string Afbeeldingsnaam(const recPersoon& p) {
    return BestandsnaamDeel(p.AfbeeldingBestand);
}
bool BruikbareAfbeeldingsnaam(const std::string& n) {
    return IsVeiligeNaam(n) && IsVeiligeNaam(n.substr(0, 1));
}

// The image block shows the card when its file exists in the folder derived from the image's
// own name (the existence check differs from the copy rule in MaakNaamRegel on purpose).
void SchrijfAfbeeldingBlok(TekstSchrijver& f, const recPersoon& p, const std::string& n) {
    const std::string s = AfbeeldingMapVan(Teken(n, 1), Teken(n, 2), p.Achternaam);
    const bool aanwezig = AfbeeldingBestaat(n, s + n);
    f.Regel("   <BR><BR>");
    if (!aanwezig) {
        f.Regel("   ...geen afbeelding aanwezig...");
        return;
    }
    std::string alt = p.Voornamen;
    if (!Trim(p.Tussenvoegsel).empty()) alt += " " + p.Tussenvoegsel;
    alt += " " + p.Achternaam;
    f.Regel("");
    // Mended: the source named the image with ".jpg" put in place of its own extension, a file
    // that does not exist for a .png, .jpeg or extensionless card. It names the copy that
    // KopieerKaartAfbeelding made, which keeps the card's own extension.
    const std::string kopie = SiteNaam(n);
    f.Regel("   <IMG ID=\"afbeelding\" BORDER=\"1\" SRC=\"../../../afbeeldingen/" +
            SiteLink(EersteTekenMap(kopie) + "/" + AsciiKleineLetters(kopie)) + "\" ALT=\"" +
            HtmlAttribuut(alt) + "\" WIDTH=\"69%\" HEIGHT=\"69%\">\r\n");
}

// A part of the name line, as page text: card fields may hold markup.
std::string NaamDeel(const std::string& s, bool hoofdletters) {
    return HtmlTekst(glAfblijven ? Trim(s) : Trim(HoofdletterWoorden(s, hoofdletters)));
}

} // namespace

std::string MaakPaginaTitel(const std::string& indexVariant) {
    const std::string titel = BestandsnaamSchoon(indexVariant);
    return Trim(titel).empty() ? std::string("Onbekend") : titel;
}

std::string MaakPersoonMap(std::int32_t persoon) {
    const std::string map = AchternaamMap(Personen[persoon]);
    return std::string(Type1) + "/paginas/" + EersteTekenMap(map) + "/" + map;
}

std::string MaakNaamRegel(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    std::string naam = NaamDeel(p.Voornamen, glVoornamen);
    if (!Trim(p.Tussenvoegsel).empty()) naam += " " + NaamDeel(p.Tussenvoegsel, glTussenvoegsel);
    naam += " " +
            (Trim(p.Achternaam).empty() ? UitvoerTekst[ut::Onbekend] : NaamDeel(p.Achternaam, glAchternaam));
    return naam;
}

void KopieerKaartAfbeelding(UitvoerSessie& sessie, std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    if (Trim(p.AfbeeldingBestand).empty()) return;
    const std::string n = Afbeeldingsnaam(p);
    if (!BruikbareAfbeeldingsnaam(n)) return;
    // The copy looks where every layout looks.
    const std::string bron = KaartAfbeelding(p);
    if (bron.empty()) return;

    const std::string kopie = SiteNaam(n);
    const std::string t = CollectieUitvoer() + Type1 + "/afbeeldingen/" + EersteTekenMap(kopie);
    sessie.EenmaalPerMap(t, [&] {
        if (!fs::MapBestaat(t)) fs::MaakMappen(t);
        if (!fs::BestandBestaat(t + "/index.htm")) SchrijfDoorverwijzing(2, t, "/index.htm");
        const std::string ini = ToolBestand("desktop.ini");
        if (!ini.empty() && !fs::BestandBestaat(t + "/desktop.ini")) fs::Kopieer(ini, t + "/desktop.ini");
    });
    fs::Kopieer(bron, t + "/" + AsciiKleineLetters(kopie));
}

void SchrijfPersoonKop(TekstSchrijver& f, std::int32_t persoon, const std::string& oinhoud,
                       const std::string& titel) {
    const recPersoon& p = Personen[persoon];
    try {
        // Card fields inside attribute values: a '"' would end the value early.
        SchrijfKop(f, PaginaKop{.trefwoorden = HtmlAttribuut(p.Achternaam),
                                .beschrijving = "Velmoran Genealogie",
                                .extra = "<META NAME=\"oinhoud\" CONTENT=\"" + oinhoud + "\">",
                                .terug = "../../../"});
        f.Regel("<TITLE>" + titel + "</TITLE>");
        f.Regel("</HEAD>");
        f.Regel("");
        SchrijfBeveiliging(f);
        f.Regel("<BODY BACKGROUND=\"../../../tool/achtergrond/achtergrond.jpg\">");
        f.Regel("");
    } catch (const IOFout&) {
    }
}

void SchrijfPersoonPagina(UitvoerSessie& sessie, std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    if (Trim(p.Achternaam).empty()) return;
    const std::string n = Afbeeldingsnaam(p);
    const std::string achternaamMap = AchternaamMap(p);
    if (!BruikbareAfbeeldingsnaam(n) || !BruikbareAfbeeldingsnaam(achternaamMap)) return;

    // Only the part below the collection's folder is put in small letters: the output folder
    // the user chose keeps its own case.
    const std::string persoonMap = AsciiKleineLetters(MaakPersoonMap(persoon));
    const std::string map = CollectieUitvoer() + persoonMap;
    sessie.EenmaalPerMap(map, [&] {
        if (!fs::MapBestaat(map)) fs::MaakMappen(map);
        if (!fs::BestandBestaat(map + "/index.htm")) SchrijfDoorverwijzing(3, map, "/index.htm");
    });

    const std::string bestand = "/" + ExtensieVervangen(SiteNaam(n), ".htm");
    const std::string pad = map + AsciiKleineLetters(bestand);
    TekstSchrijver f;
    if (!f.Open(pad)) StopNietAangemaakt(map, bestand);
    // The index line goes into the page, into the index kept for phase 2 and into the search.
    const IndexRegels index = MaakIndexRegels(persoon);
    const std::string oinhoud = HtmlAttribuut(index.gewoon);
    try {
        SchrijfPersoonKop(f, persoon, oinhoud, MaakPaginaTitel(index.variant));
        KopieerKaartAfbeelding(sessie, persoon);
        f.Regel("   <H6 CLASS=\"vader\"><B>");
        f.Regel("   " + MaakNaamRegel(persoon));
        f.Regel("   </B></H6>");
        f.Regel("");
        f.Regel("   <OL CLASS=\"vtekst\">");
        std::string samenvatting;
        PersoonSamenvatting(persoon, samenvatting);
        if (!Trim(samenvatting).empty()) f.Regel("   " + samenvatting);
        f.Regel("   </OL>");
        f.Regel("");
        SchrijfAfbeeldingBlok(f, p, n);
        f.Regel("");
        f.Regel(PaginaEinde());
        f.Sluit();
        sessie.Geschreven().inhoud.Zet(pad, oinhoud);
        if (sessie.Zoeken().Actief()) {
            // Ordered as the letter pages order the entries.
            const std::string pagina = persoonMap + AsciiKleineLetters(bestand);
            sessie.Zoeken().VoegToe(persoon, oinhoud + ";" + pad,
                                    pagina.substr(std::string(Type1).size() + 1));
        }
    } catch (const IOFout&) {
        SluitStil(f);
        StopNietAangemaakt(map, bestand);
    }
}

bool SchrijfPersoonPaginas(UitvoerSessie& sessie) {
    const std::string& siteMap = sessie.SiteMap();
    // Every page of this layout is a card's image: without a single image name there is no site,
    // and nothing is made.
    const auto heeftAfbeelding = [](std::int32_t i) {
        return Personen[i].Nummer > 0 && !Trim(Personen[i].AfbeeldingBestand).empty();
    };
    bool eenAfbeelding = false;
    for (std::int32_t i = 1; i <= AantalPersonen && !eenAfbeelding; ++i)
        eenAfbeelding = heeftAfbeelding(i);
    // When every card is withheld the site is still made: it says there are none.
    const bool allesAchtergehouden = sessie.Achtergehouden().Alles();
    if (!eenAfbeelding && !allesAchtergehouden) {
        StatusLinks("gedenkjes : 0");
        sessie.MeldReden(GeenAfbeeldingenMelding);
        return false;
    }
    if (!sessie.BeginSite()) return false;
    sessie.Zoeken().Begin(true);
    bool resultaat = allesAchtergehouden;
    long aantal = 0;
    try {
        for (const char* map : {"/paginas", "/afbeeldingen"}) {
            fs::MaakMappen(siteMap + map);
            SchrijfDoorverwijzing(1, siteMap + map, "/index.htm");
        }
        VoortgangMelder voortgang(AantalPersonen);
        for (std::int32_t i = 1; i <= AantalPersonen; ++i) {
            voortgang.Stap(i);
            if (!heeftAfbeelding(i)) continue;
            ++aantal;
            SchrijfPersoonPagina(sessie, i);
            resultaat = true;
        }
    } catch (...) {
        StatusLinks("gedenkjes : " + std::to_string(aantal));
        throw;
    }
    StatusLinks("gedenkjes : " + std::to_string(aantal));
    return resultaat;
}

void SchrijfSiteType1(UitvoerSessie& sessie) {
    const std::string& w = sessie.SiteMap();
    TFileMan bestandsman;
    std::vector<IndexIngang> ingangen;
    const auto klaar = [&] { StatusLinks("gedenkjes : " + std::to_string(ingangen.size())); };
    try {
        const std::string basis = CollectieUitvoer() + Type1;
        std::string r = basis + "/tool/";
        if (!fs::MapBestaat(r)) fs::MaakMappen(r);
        SchrijfDoorverwijzing(1, r, "index.htm");
        r = basis + "/tool/achtergrond/";
        if (!fs::MapBestaat(r)) fs::MaakMappen(r);
        SchrijfDoorverwijzing(2, r, "index.htm");
        KopieerToolBestand(bestandsman, "Achtergrond.jpg", r + "achtergrond.jpg");
        r = basis + "/tool/image/";
        if (!fs::MapBestaat(r)) fs::MaakMappen(r);
        SchrijfDoorverwijzing(2, r, "index.htm");
        KopieerToolBestand(bestandsman, "Afbeelding.jpg", r + "afbeelding.jpg");
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

        // The index comes from the pages as written: the index line each carries in its META
        // line, by the page's path.
        StatusLinks("Inhoudpagina schrijven...");
        UitvoerSessie::GeschrevenPaginas& geschreven = sessie.Geschreven();
        ingangen.reserve(geschreven.inhoud.Grootte());
        geschreven.inhoud.VoorElk(
            [&](const std::string& pad, const std::string& inhoud) { ingangen.emplace_back(inhoud, pad); });
        geschreven.inhoud = {};
        // Every entry ends in the path of its page: the site folder needs no place in the keys.
        SorteerOp(
            ingangen, [](const IndexIngang& i) { return i.Tekst(); }, ";" + w + "/paginas/");
        if (!ingangen.empty() || sessie.Achtergehouden().Alles()) SchrijfLetterPaginas(w, ingangen);

        std::vector<std::string> mappen;
        ZoekMappen(w + "/paginas", mappen);
        SorteerRegels(mappen);
        for (const std::string& map : mappen)
            if (!fs::BestandBestaat(map + "/index.htm")) SchrijfDoorverwijzing(2, map, "/index.htm");
        sessie.Zoeken().Schrijf(w);
    } catch (...) {
        klaar();
        throw;
    }
    klaar();
}

bool UitvoerenType1(UitvoerSessie& sessie) {
    if (!SchrijfPersoonPaginas(sessie)) return false;
    SchrijfSiteType1(sessie);
    return true;
}

} // namespace gdk
