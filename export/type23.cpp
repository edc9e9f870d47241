#include "export/type23.h"

#include "data/afbeeldingen.h"
#include "data/globalen.h"
#include "data/html.h"
#include "data/namen.h"
#include "data/paden.h"
#include "data/tekst.h"
#include "data/tvars.h"
#include "export/sessie.h"
#include "export/sitemappen.h"
#include "export/skelet.h"
#include "export/tfileman.h"
#include "import/status.h"
#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"
#include "platform/klok.h"
#include "platform/kopieren.h"
#include "platform/sorteren.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <array>

namespace gdk {

namespace {

// The letter of an entry's card (NaamLetter), 0 for none.
char RegelLetter(const KaartIngang& ingang) {
    return NaamLetter(Personen[ingang.Persoon()].Achternaam);
}

// The page link of a card by its image file name: the name its page was written under.
std::string PaginaLink(const std::string& afbeelding, const char* scheiding) {
    const std::string naam = SiteNaam(afbeelding);
    return AsciiKleineLetters(std::string("paginas") + scheiding + EersteTekenMap(naam) + scheiding +
                              ExtensieVervangen(naam, ".htm"));
}

void SchrijfInhoudKop(TekstSchrijver& f, char l) {
    SchrijfKop(f, PaginaKop{.trefwoorden = "Velmoran,Genealogie",
                            .beschrijving = std::string("inhoudpagina ") + l + " van Velmoran Genealogie"});
    f.Regel(std::string("<TITLE>inhoud") + l + "</TITLE>");
    f.Regel("</HEAD>");
    f.Regel("");
    SchrijfBeveiliging(f);
    f.Regel("<BODY BACKGROUND=\"" + VervangEnVerklein("tool\\achtergrond", "\\", "/") +
            "/achtergrond.jpg\">");
    f.Regel("");
    f.Regel("   <BR><BR>");
    f.Regel("");
}

void SchrijfTabelKop(TekstSchrijver& f, const SiteOpmaak& o) {
    static const std::array<std::pair<const char*, const char*>, 11> koppen = {{
        {"4%", "achternaam"},
        {"4%", "voornamen"},
        {"1%", "geslacht"},
        {"2%", "g-datum"},
        {"4%", "g-plaats"},
        {"2%", "o-datum"},
        {"4%", "o-plaats"},
        {"1%", "B/C"},
        {"4%", "p-achternaam"},
        {"1%", ""},
        {"1%", "foto"},
    }};
    f.Regel("<TABLE BORDER=\"1\" CELLPADDING=\"" + o.cellPadd + "\" CELLSPACING=\"" + o.cellSpac +
            "\" ALIGN=\"center\">");
    f.Regel("   <TR>");
    for (const auto& [breedte, label] : koppen) {
        f.Regel(std::string("      <TD WIDTH=\"") + breedte + "\" HEIGHT=\"25\" ALIGN=\"center\">");
        f.Regel("      <H6 CLASS=\"standaard\">");
        f.Regel(std::string("      <B>") + label + "</B>");
        f.Regel("      </H6>");
        f.Regel("      </TD>");
    }
    f.Regel("   </TR>");
    f.Regel("");
}

void Cel(TekstSchrijver& f, const std::string& waarde) {
    f.Regel("      <TD ALIGN=\"center\">");
    f.Regel("      <H6 CLASS=\"standaard\">");
    f.Regel(waarde);
    f.Regel("      </H6>");
    f.Regel("      </TD>");
}

// One row: the 12 fields of the entry, each trimmed, the image file name in place of field 9.
void SchrijfTabelRij(TekstSchrijver& f, const KaartIngang& ingang) {
    const auto v = [&](int k) { return Trim(std::string(ingang.Veld(k))); };
    f.Regel("   <TR>");
    const std::string naam = BestandsnaamDeel(v(8));
    if (!IsLeeg(naam)) {
        // The link keeps its backslashes, as the pages always had them; browsers read them as '/'.
        Cel(f, "      <A HREF=\"" + SiteLink(PaginaLink(naam, "\\")) + "\">" + HtmlTekst(v(0)) + "</A>");
    } else {
        Cel(f, "      <B>" + HtmlTekst(v(0)) + "</B>");
    }
    // The entry keeps the raw card fields (the report lists them); the page gets them as text.
    for (int k : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11})
        Cel(f, "      " + HtmlTekst(v(k)));
    f.Regel("   </TR>");
}

void SchrijfInhoudSlot(TekstSchrijver& f) {
    f.Regel("</TABLE>");
    f.Regel("");
    f.Regel("<BR>");
    f.Regel("");
    f.Regel("</BODY>");
    f.Regel("</HTML>");
}

// `rijen`: the rows written on the page.
void SchrijfVoetregels(TekstSchrijver& f, int rijen) {
    if (!DatumWeergeven && !AantalWeergeven) return;
    f.Regel("   <H6 CLASS=\"copyright\" ALIGN=\"right\">");
    if (AantalWeergeven) f.Regel("   aantal: " + std::to_string(rijen));
    if (AantalWeergeven && DatumWeergeven) f.Regel("   <BR>");
    if (DatumWeergeven) f.Regel("   laatst bijgewerkt: " + KorteDatum(Nu()));
    f.Regel("   </H6>");
}

// The page of one letter with its rows (indices into `regels`, in sorted order). A page that
// cannot be made or written to its end stops the export: a letter page short of some rows would
// hide those cards from every visitor.
void SchrijfLetterPagina(const SiteOpmaak& o, const std::string& siteMap, char l,
                         const std::vector<KaartIngang>& regels, const std::vector<std::size_t>& rijen,
                         VoortgangMelder& melder, long& gedaan) {
    SchrijfPagina(siteMap, std::string("/inhoud") + l + ".htm", [&](TekstSchrijver& f) {
        SchrijfInhoudKop(f, l);
        SchrijfTabelKop(f, o);
        for (const std::size_t k : rijen) {
            SchrijfTabelRij(f, regels[k]);
            melder.Stap(++gedaan);
        }
        SchrijfInhoudSlot(f);
        SchrijfVoetregels(f, static_cast<int>(rijen.size()));
    });
}

} // namespace

char AfbeeldingLetter(const std::string& afbeelding) {
    const char c = afbeelding.empty() ? '\0' : afbeelding[0];
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

KaartIngang MaakKaartIngang(int i, const std::string& afbeelding) {
    const recPersoon& p = Personen[i];
    KaartIngang r(i);
    r.Veld(IsLeeg(p.Tussenvoegsel) ? p.Achternaam : p.Achternaam + ", " + p.Tussenvoegsel);
    r.Veld(p.Voornamen);
    const std::string g = AsciiHoofdletters(p.Geslacht);
    r.Veld(g == "M" ? "man" : g == "F" ? "vrouw" : GeslachtOnbekendNietWeergeven ? "-" : "onbekend");
    r.Veld(p.GeboorteDatum);
    r.Veld(p.GeboortePlaats);
    r.Veld(p.OverlijdensDatum);
    r.Veld(p.OverlijdensPlaats);
    if (!IsLeeg(p.CrematieDatum) || !IsLeeg(p.CrematiePlaats))
        r.Veld("C");
    else if (!IsLeeg(p.BegraafDatum) || !IsLeeg(p.BegraafPlaats))
        r.Veld("B");
    else
        r.Veld("");
    r.Veld(afbeelding.empty() ? std::string()
                              : "afbeeldingen\\" + afbeelding.substr(0, 1) + "\\" + afbeelding);
    const std::int32_t gezin = p.Gezinnen[1];
    if (gezin >= 1) {
        const recFamilie& fam = Gezinnen[gezin];
        const recPersoon& partner = Personen[fam.Man == p.Nummer ? fam.Vrouw : fam.Man];
        r.Veld(IsLeeg(partner.Tussenvoegsel) ? partner.Achternaam
                                             : partner.Achternaam + ", " + partner.Tussenvoegsel);
        r.Veld(VoornamenPartnerVolledigWeergeven ? partner.Voornamen : Initialen(partner.Voornamen));
    } else {
        r.Veld("");
        r.Veld("");
    }
    r.Veld(p.MetFoto);
    return r;
}

void KaartIngang::Veld(std::string_view tekst) {
    if (velden_ > 0) regel_ += ';';
    begin_[velden_++] = static_cast<std::uint32_t>(regel_.size());
    regel_ += tekst;
}

std::string_view KaartIngang::Veld(int k) const {
    if (k < 0 || k >= velden_) return {};
    const std::size_t begin = begin_[k];
    const std::size_t eind = k + 1 < velden_ ? begin_[k + 1] - 1 : regel_.size();
    return std::string_view(regel_).substr(begin, eind - begin);
}

void SchrijfAfbeeldingPagina(const SiteOpmaak& o, const std::string& p, const std::string& n,
                             const std::string& a, const std::string& afbeelding,
                             const std::string& achterkant) {
    const std::string bestand = "/" + AsciiKleineLetters(n) + ".htm";
    // The images are shown from their copies, named by the site's names of the card's files
    // (which keep their extensions), the back's beside the front's.
    const std::string map = "../../Afbeeldingen/" + EersteTekenMap(SiteNaam(afbeelding)) + "/";
    const auto kopie = [&map](const std::string& naam) { return AsciiKleineLetters(map + SiteNaam(naam)); };
    const auto beeld = [&o](const std::string& bron, const std::string& alt) {
        return "   <IMG ID=\"afbeelding\" BORDER=\"1\" SRC=\"" + SiteLink(bron) + "\" ALT=\"" +
               HtmlAttribuut(alt) + "\" HEIGHT=\"" + o.hoogte + "\" WIDTH=\"" + o.breedte + "\">";
    };
    return SchrijfPagina(p, bestand, [&](TekstSchrijver& f) {
        SchrijfKop(f, PaginaKop{.trefwoorden = "Velmoran,Genealogie,Software",
                                .beschrijving = "Velmoran Genealogie",
                                .terug = "../../"});
        f.Regel("<TITLE>" + HtmlTekst(a) + "</TITLE>");
        f.Regel("</HEAD>");
        f.Regel("");
        SchrijfBeveiliging(f);
        f.Regel("<BODY BACKGROUND=\"../../tool/achtergrond/fotoachtergrond.jpg\">");
        f.Regel("");
        const auto blok = [&f](const std::string& img) {
            f.Regel("   <BR>");
            f.Regel("   <H6 CLASS=\"foto\" ALIGN=\"center\">");
            f.Regel(img);
            f.Regel("   </H6>");
            f.Regel("");
        };
        blok(beeld(kopie(afbeelding), a));
        // A card without a back found shows its front twice, as the layout always did.
        if (o.tweedeAfbeelding)
            blok(achterkant.empty() ? beeld(kopie(afbeelding), a)
                                    : beeld(kopie(achterkant), a + ", achterkant"));
        f.Regel("</BODY>");
        f.Regel("</HTML>");
    });
}

void SchrijfGeenGegevensPagina(const SiteOpmaak& o, const std::string& siteMap, char letter) {
    const std::string bestand = std::string("/inhoud") + letter + ".htm";
    SchrijfPagina(siteMap, bestand, [&](TekstSchrijver& f) {
        SchrijfInhoudKop(f, letter);
        f.Regel("   <TABLE BORDER=\"0\" CELLSPACING=\"1\" CELLPADDING=\"6\" ALIGN=\"" +
                o.geenGegevensUitlijning + "\" width=\"60%\" height=\"60%\">");
        f.Regel("   <TR>");
        f.Regel("      <TD ALIGN=\"left\">");
        f.Regel("         <font face=\"Verdana\" size=\"3\">");
        f.Regel(std::string("            <B>Voor de letter ") + static_cast<char>(letter - 'a' + 'A') +
                " zijn geen gegevens aanwezig.</B>");
        f.Regel("         </font>");
        f.Regel("      </TD>");
        f.Regel("   </TR>");
        f.Regel("   </TABLE>");
        f.Regel("");
        f.Regel("   <BR>");
        f.Regel("");
        f.Regel("</BODY>");
        f.Regel("</HTML>");
    });
}

namespace type23 {

void SchrijfToolMappen(const std::string& siteMap) {
    TFileMan fm;
    const std::string tool = siteMap + "/tool";
    MaakSiteMapAan(tool, 1);
    MaakSiteMapAan(tool + "/achtergrond", 2);
    KopieerToolBestand(fm, "Achtergrond.jpg", tool + "/achtergrond/achtergrond.jpg");
    KopieerToolBestand(fm, "fotoAchtergrond.jpg", tool + "/achtergrond/fotoachtergrond.jpg");
    MaakSiteMapAan(tool + "/image", 2);
    KopieerToolBestand(fm, "Afbeelding.jpg", tool + "/image/afbeelding.jpg");
    MaakSiteMapAan(tool + "/script", 2);
    SchrijfStijlblad(tool + "/script", "/genealogie.css");
    SchrijfScript(tool + "/script", "/genealogie.js");
}

void SchrijfLetterPaginas(const SiteOpmaak& o, const std::string& siteMap,
                          const std::vector<KaartIngang>& regels) {
    // Rows per letter in sorted order; the entries whose surname has no letter first on A's page.
    std::array<std::vector<std::size_t>, 26> perLetter;
    std::vector<std::size_t> zonderLetter;
    for (std::size_t k = 0; k < regels.size(); ++k) {
        const char e = RegelLetter(regels[k]);
        (e != 0 ? perLetter[e - 'a'] : zonderLetter).push_back(k);
    }
    perLetter[0].insert(perLetter[0].begin(), zonderLetter.begin(), zonderLetter.end());
    const long totaal = static_cast<long>(regels.size());
    VoortgangMelder melder(totaal);
    long gedaan = 0;
    for (int n = 0; n < 26; ++n) {
        const char l = static_cast<char>('a' + n);
        if (perLetter[n].empty())
            SchrijfGeenGegevensPagina(o, siteMap, l);
        else
            SchrijfLetterPagina(o, siteMap, l, regels, perLetter[n], melder, gedaan);
    }
}

namespace {

// The card image of person i copied into the site and its page written: `afbeelding` becomes the
// image file name when it was found (the entry's field 9), `pagina` the image page's link. A folder
// or page that cannot be made, or a failed copy, ends the export.
void SchrijfKaart(const SiteOpmaak& o, const std::string& siteMap, int i, std::string& afbeelding,
                  std::string& pagina, std::array<bool, 256>& letterKlaar) {
    const recPersoon& p = Personen[i];
    const std::string naam = BestandsnaamDeel(p.AfbeeldingBestand);
    const char letter = AfbeeldingLetter(naam);
    // A name that would lead outside its folder counts as not found: no copy, no page.
    const std::string bron =
        IsVeiligeNaam(naam) && IsVeiligeNaam(std::string(1, letter)) ? KaartAfbeelding(p) : "";
    if (bron.empty()) return;
    // The site's names of the copy, its page and their letter folder.
    const std::string kopie = SiteNaam(naam);
    const std::string l = EersteTekenMap(kopie);
    const std::string d = siteMap + "/afbeeldingen/" + l;
    const std::string pm = siteMap + "/paginas/" + l;
    const auto idx = static_cast<unsigned char>(l[0]);
    if (!letterKlaar[idx]) {
        MaakSiteMapAan(d, 2);
        MaakSiteMapAan(pm, 2);
        const std::string desktopIni = ToolBestand("desktop.ini");
        if (!desktopIni.empty() && !fs::BestandBestaat(d + "/desktop.ini") &&
            !fs::Kopieer(desktopIni, d + "/desktop.ini"))
            throw IOFout("Het bestand " + desktopIni + " kon niet gekopieerd worden naar " + d + ".");
        letterKlaar[idx] = true;
    }
    const auto kopieer = [&d](const std::string& van, const std::string& kopieNaam) {
        const std::string doel = d + "/" + AsciiKleineLetters(SiteNaam(kopieNaam));
        if (!fs::Kopieer(van, doel))
            throw IOFout("Het bestand " + van + " kon niet gekopieerd worden naar " + doel + ".");
    };
    kopieer(bron, naam);
    // The back's copy goes beside the front's, named after the back's file.
    std::string achterkant;
    if (o.tweedeAfbeelding) {
        const std::string achterBron = KaartAchterkant(p, bron);
        if (!achterBron.empty() && IsVeiligeNaam(BestandsnaamDeel(achterBron))) {
            achterkant = BestandsnaamDeel(achterBron);
            kopieer(achterBron, achterkant);
        }
    }
    SchrijfAfbeeldingPagina(o, pm, ExtensieVervangen(kopie, ""), ExtensieVervangen(naam, ""), naam,
                            achterkant);
    pagina = PaginaLink(naam, "/");
    afbeelding = naam;
}

// The skeleton and the letter pages: what both layouts write after the cards, their root pages
// in between.
void SchrijfSite(UitvoerSessie& sessie, const SiteOpmaak& o, const std::vector<KaartIngang>& regels,
                 const Hoofdpaginas& hoofdpaginas) {
    const std::string& siteMap = sessie.SiteMap();
    SchrijfToolMappen(siteMap);
    hoofdpaginas(siteMap);
    SchrijfLetterPaginas(o, siteMap, regels);
    StatusLinks("gedenkjes : " + std::to_string(regels.size()));
}

} // namespace

void VoegToeAanVerschillen(const std::vector<std::string>& regels) {
    if (VerschillenBestand.empty() || regels.empty()) return;
    TekstSchrijver f;
    if (!f.Open(VerschillenBestand, true))
        throw IOFout("Het bestand " + VerschillenBestand + " kan niet geschreven worden.");
    for (const std::string& r : regels)
        f.Regel(r);
    f.Sluit();
}

void Verslag(const std::vector<KaartIngang>& lijst) {
    if (ControleOpDubbeleGedenkjes) {
        std::vector<std::string> dubbel;
        for (std::size_t k = 0; k + 1 < lijst.size(); ++k)
            if (lijst[k].Regel() == lijst[k + 1].Regel())
                dubbel.push_back("dubbel opgenomen: " + lijst[k].Regel());
        VoegToeAanVerschillen(dubbel);
    }
    if (LijstNamenGedenkje) {
        std::vector<std::string> regels;
        regels.reserve(lijst.size());
        for (const KaartIngang& k : lijst)
            regels.push_back(k.Regel());
        VoegToeAanVerschillen(regels);
    }
}

bool Uitvoeren(UitvoerSessie& sessie, const SiteOpmaak& o, const Hoofdpaginas& hoofdpaginas) {
    const std::string& siteMap = sessie.SiteMap();
    // Below the root every name is the program's own: matched exactly (web servers are
    // case-sensitive), never case-insensitively.
    if (!sessie.BeginSite()) return false;
    ZoekIndex& zoeken = sessie.Zoeken();
    zoeken.Begin(false);
    MaakSiteMapAan(siteMap + "/paginas", 1);
    MaakSiteMapAan(siteMap + "/afbeeldingen", 1);

    std::array<bool, 256> letterKlaar{}; // letter folders already made, with their redirect pages
    std::vector<KaartIngang> lijst;
    long n = 0;
    {
        VoortgangMelder melder(AantalPersonen);
        for (int i = 1; i <= AantalPersonen; ++i) {
            const recPersoon& p = Personen[i];
            if (p.Nummer > 0 && !IsLeeg(p.AfbeeldingBestand)) {
                std::string afbeelding, pagina;
                SchrijfKaart(o, siteMap, i, afbeelding, pagina, letterKlaar);
                ++n;
                lijst.push_back(MaakKaartIngang(i, afbeelding));
                if (zoeken.Actief()) {
                    // A card without an image page is found on its letter page.
                    const char l = RegelLetter(lijst.back());
                    if (pagina.empty()) pagina = std::string("inhoud") + (l != 0 ? l : 'a') + ".htm";
                    zoeken.VoegToe(i, lijst.back().Regel(), pagina);
                }
            }
            melder.Stap(i);
        }
    }
    // When every card is withheld the site is still made: its letter pages say there are none.
    const bool kaarten = !lijst.empty() || sessie.Achtergehouden().Alles();
    if (kaarten) {
        SorteerOp(lijst, [](const KaartIngang& k) -> std::string_view { return k.Regel(); });
        Verslag(lijst);
        SchrijfSite(sessie, o, lijst, hoofdpaginas);
        zoeken.Schrijf(siteMap);
    }
    lijst.clear();
    lijst.shrink_to_fit();
    StatusLinks("gedenkjes : " + std::to_string(n));
    return kaarten;
}

} // namespace type23
} // namespace gdk
