#include "export/tgdkexporttype2.h"

#include "data/afbeeldingen.h"
#include "data/globalen.h"
#include "data/html.h"
#include "data/namen.h"
#include "data/paden.h"
#include "data/tekst.h"
#include "data/tvars.h"
#include "export/skelet.h"
#include "export/tfileman.h"
#include "export/tuitvoer.h"
#include "export/zoekindex.h"
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

int RijenOpPagina = 0;

namespace {

std::string huidigeSiteMap;

// The lower-case letter a-z with which the (trimmed) surname field of an entry line starts, or 0:
// the letter page the entry is listed on.
char RegelLetter(const std::string& r) {
    std::size_t b = 0;
    while (b < r.size() && static_cast<unsigned char>(r[b]) <= 32)
        ++b;
    if (b >= r.size() || r[b] == ';') return 0;
    char e = r[b];
    if (e >= 'A' && e <= 'Z') e = static_cast<char>(e - 'A' + 'a');
    return IsKleineLetter(static_cast<unsigned char>(e)) ? e : 0;
}

// The fields of an entry line, each trimmed.
std::vector<std::string> Velden(const std::string& regel) {
    std::vector<std::string> v;
    v.reserve(12);
    std::size_t begin = 0;
    for (;;) {
        const std::size_t p = regel.find(';', begin);
        v.push_back(Trim(regel.substr(begin, p == std::string::npos ? std::string::npos : p - begin)));
        if (p == std::string::npos) break;
        begin = p + 1;
    }
    v.resize(12);
    return v;
}

void VoegToeAanVerschillen(const std::vector<std::string>& regels) {
    if (VerschillenBestand.empty() || regels.empty()) return;
    TekstSchrijver f;
    if (!f.Open(VerschillenBestand, true))
        throw IOFout("Het bestand " + VerschillenBestand + " kan niet geschreven worden.");
    for (const std::string& r : regels)
        f.Regel(r);
    f.Sluit();
}

void SchrijfInhoudKop(TekstSchrijver& f, char l) {
    const std::string script = VervangEnVerklein("tool\\script", "\\", "/");
    const std::string achtergrond = VervangEnVerklein("tool\\achtergrond", "\\", "/");
    f.Regel("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">");
    f.Regel("<HTML>");
    f.Regel("<HEAD>");
    f.Regel("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">");
    f.Regel("<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie\">");
    f.Regel(std::string("<META NAME=\"description\" CONTENT=\"inhoudpagina ") + l +
            " van Velmoran Genealogie\">");
    f.Regel("<META NAME=\"robots\" CONTENT=\"index, follow\">");
    f.Regel("<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">");
    f.Regel("<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" SRC=\"" + script +
            "/genealogie.js\"></SCRIPT>");
    f.Regel("<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"" + script + "/genealogie.css\">");
    f.Regel(std::string("<TITLE>inhoud") + l + "</TITLE>");
    f.Regel("</HEAD>");
    f.Regel("");
    if (BeschermenTegenKopieren) {
        for (const std::string& r : BeveiligingsScriptRegels())
            f.Regel(r);
        f.Regel("");
    }
    f.Regel("<BODY BACKGROUND=\"" + achtergrond + "/achtergrond.jpg\">");
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

// One row; `v` holds the 12 fields with the image file name in place of field 9.
void SchrijfTabelRij(TekstSchrijver& f, const std::vector<std::string>& v) {
    f.Regel("   <TR>");
    const std::string& naam = v[8];
    if (!IsLeeg(naam)) {
        // The link keeps its backslashes, as the pages always had them; browsers read them as '/'.
        const std::string link =
            AsciiKleineLetters("paginas\\" + naam.substr(0, 1) + "\\" + ExtensieVervangen(naam, ".htm"));
        Cel(f, "      <A HREF=\"" + HtmlAttribuut(link) + "\">" + HtmlTekst(v[0]) + "</A>");
    } else {
        Cel(f, "      <B>" + HtmlTekst(v[0]) + "</B>");
    }
    // The entry keeps the raw card fields (the report lists them); the page gets them as text.
    for (int k : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11})
        Cel(f, "      " + HtmlTekst(v[k]));
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

void SchrijfVoetregels(TekstSchrijver& f) {
    if (!DatumWeergeven && !AantalWeergeven) return;
    f.Regel("   <H6 CLASS=\"copyright\" ALIGN=\"right\">");
    if (AantalWeergeven) f.Regel("   aantal: " + std::to_string(RijenOpPagina));
    if (AantalWeergeven && DatumWeergeven) f.Regel("   <BR>");
    if (DatumWeergeven) f.Regel("   laatst bijgewerkt: " + KorteDatum(Nu()));
    f.Regel("   </H6>");
}

// Into the open letter page: its head and table header when it has none yet (`kop`), then the
// row. False when a line could not be written.
bool SchrijfRijOpPagina(const SiteOpmaak& o, char l, const std::vector<std::string>& v, bool& kop) {
    try {
        if (!kop) {
            SchrijfInhoudKop(Paginabestand, l);
            SchrijfTabelKop(Paginabestand, o);
            kop = true;
        }
        SchrijfTabelRij(Paginabestand, v);
        return true;
    } catch (const IOFout&) {
        return false;
    }
}

void MeldRijFout(const std::string& veld9) {
    UI().Melding(std::string("Verschillen in bestand :") + "\n\n" + veld9, "Html Afbeelding");
}

// The page of one letter with its rows (indices into `regels`, in sorted order).
//
// A failure while writing the head, the header or a row is reported with the entry's image path;
// the page is then closed and reopened for appending, and the walk goes on with the next row, so a
// passing failure costs one row, not the rest of the letter. A page that fails again right after
// failing a second time is given up (its remaining rows are skipped), so a full disk does not
// raise one message per row.
void SchrijfLetterPagina(const SiteOpmaak& o, const std::string& siteMap, char l,
                         const std::vector<std::string>& regels, const std::vector<std::size_t>& rijen,
                         VoortgangMelder& melder, long& gedaan) {
    const std::string bestand = std::string("/inhoud") + l + ".htm";
    const std::string pad = siteMap + bestand;
    RijenOpPagina = 0;
    bool kop = false; // the head and header are on the page
    bool open = false;
    int fouten = 0;
    for (std::size_t k = 0; k < rijen.size(); ++k) {
        const std::string& regel = regels[rijen[k]];
        std::vector<std::string> v = Velden(regel);
        const std::string veld9 = v[8];
        v[8] = Trim(BestandsnaamDeel(v[8]));
        if (!open) open = Paginabestand.Open(pad, kop);
        if (open && SchrijfRijOpPagina(o, l, v, kop)) {
            ++RijenOpPagina;
        } else {
            MeldRijFout(veld9);
            SluitPaginabestandStil();
            open = false;
            if (++fouten >= 2) break;
        }
        melder.Stap(++gedaan);
    }
    if (!open && !kop) {
        // Not even the head could be written: the letter still ends with a page of its own.
        if (!fs::BestandBestaat(pad)) SchrijfGeenGegevensPagina(o, siteMap, l);
        return;
    }
    bool gesloten = false;
    if (open || Paginabestand.Open(pad, true)) {
        try {
            SchrijfInhoudSlot(Paginabestand);
            SchrijfVoetregels(Paginabestand);
            Paginabestand.Sluit();
            gesloten = true;
        } catch (const IOFout&) {
            SluitPaginabestandStil();
        }
    }
    if (!gesloten) MeldNietAangemaakt(siteMap, bestand);
    RijenOpPagina = 0;
}

} // namespace

SiteOpmaak Type2Opmaak() {
    SiteOpmaak o;
    o.type = 2;
    o.cellPadd = t2InhoudCellPadd;
    o.cellSpac = t2InhoudCellSpac;
    o.hoogte = t2AfbeeldingHeight;
    o.breedte = t2AfbeeldingWidth;
    o.tweedeAfbeelding = false;
    o.geenGegevensUitlijning = "left";
    return o;
}

bool IsKleineLetter(int code) {
    return code >= 97 && code <= 122;
}

char AfbeeldingLetter(const std::string& afbeelding) {
    const char c = afbeelding.empty() ? '\0' : afbeelding[0];
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string MaakIndexRegel(int i, const std::string& afbeelding) {
    const recPersoon& p = Personen[i];
    std::string r;
    r.reserve(160);
    r += p.Achternaam;
    if (!IsLeeg(p.Tussenvoegsel)) r += ", " + p.Tussenvoegsel;
    r += ';';
    r += p.Voornamen;
    r += ';';
    const std::string g = AsciiHoofdletters(p.Geslacht);
    r += g == "M" ? "man" : g == "F" ? "vrouw" : GeslachtOnbekendNietWeergeven ? "-" : "onbekend";
    r += ';';
    r +=
        p.GeboorteDatum + ";" + p.GeboortePlaats + ";" + p.OverlijdensDatum + ";" + p.OverlijdensPlaats + ";";
    if (!IsLeeg(p.CrematieDatum) || !IsLeeg(p.CrematiePlaats))
        r += 'C';
    else if (!IsLeeg(p.BegraafDatum) || !IsLeeg(p.BegraafPlaats))
        r += 'B';
    r += ';';
    if (!afbeelding.empty()) r += "afbeeldingen\\" + afbeelding.substr(0, 1) + "\\" + afbeelding;
    r += ';';
    const std::int32_t gezin = p.Gezinnen[1];
    if (gezin >= 1) {
        const recFamilie& fam = Gezinnen[gezin];
        const recPersoon& partner = Personen[fam.Man == p.Nummer ? fam.Vrouw : fam.Man];
        r += partner.Achternaam;
        if (!IsLeeg(partner.Tussenvoegsel)) r += ", " + partner.Tussenvoegsel;
        r += ';';
        r += VoornamenPartnerVolledigWeergeven ? partner.Voornamen : Initialen(partner.Voornamen);
    } else {
        r += ';';
    }
    r += ';';
    r += p.MetFoto;
    return r;
}

bool SchrijfAfbeeldingPagina(const SiteOpmaak& o, const std::string& p, const std::string& n,
                             const std::string& a, const std::string& afbeelding) {
    if (!fs::MapBestaat(p)) return false;
    const std::string bestand = "/" + AsciiKleineLetters(n) + ".htm";
    // The image is shown from its copy, whose name keeps the card's own extension.
    const std::string bron =
        AsciiKleineLetters("../../Afbeeldingen/" + afbeelding.substr(0, 1) + "/" + afbeelding);
    TekstSchrijver f; // its own handle: a letter page may be open meanwhile
    if (!f.Open(p + bestand)) {
        MeldNietAangemaakt(p, bestand);
        return false;
    }
    try {
        f.Regel("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">");
        f.Regel("<HTML>");
        f.Regel("<HEAD>");
        f.Regel("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">");
        f.Regel("<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie,Software\">");
        f.Regel("<META NAME=\"description\" CONTENT=\"Velmoran Genealogie\">");
        f.Regel("<META NAME=\"robots\" CONTENT=\"index, follow\">");
        f.Regel("<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">");
        f.Regel("<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
                "SRC=\"../../tool/script/genealogie.js\"></SCRIPT>");
        f.Regel("<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"../../tool/script/genealogie.css\">");
        f.Regel("<TITLE>" + HtmlTekst(n) + "</TITLE>");
        f.Regel("</HEAD>");
        f.Regel("");
        if (BeschermenTegenKopieren) {
            for (const std::string& r : BeveiligingsScriptRegels())
                f.Regel(r);
            f.Regel("");
        }
        f.Regel("<BODY BACKGROUND=\"../../tool/achtergrond/fotoachtergrond.jpg\">");
        f.Regel("");
        const std::string img = "   <IMG ID=\"afbeelding\" BORDER=\"1\" SRC=\"" + HtmlAttribuut(bron) +
                                "\" ALT=\"" + HtmlAttribuut(a) + "\" HEIGHT=\"" + o.hoogte + "\" WIDTH=\"" +
                                o.breedte + "\">";
        f.Regel("   <BR>");
        f.Regel("   <H6 CLASS=\"foto\" ALIGN=\"center\">");
        f.Regel(img);
        f.Regel("   </H6>");
        f.Regel("");
        if (o.tweedeAfbeelding) {
            // The store holds no name for the back of a card: the second block shows the same scan.
            f.Regel("   <BR>");
            f.Regel("   <H6 CLASS=\"foto\" ALIGN=\"center\">");
            f.Regel(img);
            f.Regel("   </H6>");
            f.Regel("");
        }
        f.Regel("</BODY>");
        f.Regel("</HTML>");
        f.Sluit();
        return true;
    } catch (const IOFout&) {
        SluitStil(f);
        MeldNietAangemaakt(p, bestand);
        return false;
    }
}

void SchrijfGeenGegevensPagina(const SiteOpmaak& o, const std::string& siteMap, char letter) {
    const std::string bestand = std::string("/inhoud") + letter + ".htm";
    if (!Paginabestand.Open(siteMap + bestand)) {
        MeldNietAangemaakt(siteMap, bestand);
        return;
    }
    try {
        TekstSchrijver& f = Paginabestand;
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
        f.Sluit();
    } catch (const IOFout&) {
        SluitPaginabestandStil();
        MeldNietAangemaakt(siteMap, bestand);
    }
}

namespace type23 {

const std::string& HuidigeSiteMap() {
    return huidigeSiteMap;
}

void SchrijfToolMappen(const std::string& siteMap) {
    TFileMan fm;
    const std::string tool = siteMap + "/tool";
    MaakSiteMapAan(tool, 1);
    if (MaakSiteMapAan(tool + "/achtergrond", 2)) {
        KopieerToolBestand(fm, "Achtergrond.jpg", tool + "/achtergrond/achtergrond.jpg");
        KopieerToolBestand(fm, "fotoAchtergrond.jpg", tool + "/achtergrond/fotoachtergrond.jpg");
    }
    if (MaakSiteMapAan(tool + "/image", 2))
        KopieerToolBestand(fm, "Afbeelding.jpg", tool + "/image/afbeelding.jpg");
    if (MaakSiteMapAan(tool + "/script", 2)) {
        SchrijfStijlblad(tool + "/script", "/genealogie.css");
        SchrijfScript(tool + "/script", "/genealogie.js");
    }
}

void SchrijfLetterPaginas(const SiteOpmaak& o, const std::string& siteMap,
                          const std::vector<std::string>& regels) {
    // Rows per letter in sorted order. Entries whose surname does not start with a letter a-z have
    // no letter page to go to and are left out here (they are counted, sorted and reported).
    std::array<std::vector<std::size_t>, 26> perLetter;
    for (std::size_t k = 0; k < regels.size(); ++k) {
        const char e = RegelLetter(regels[k]);
        if (e != 0) perLetter[e - 'a'].push_back(k);
    }
    const long totaal = static_cast<long>(regels.size());
    VoortgangMelder melder(totaal);
    long gedaan = 0;
    RijenOpPagina = 0;
    for (int n = 0; n < 26; ++n) {
        const char l = static_cast<char>('a' + n);
        if (perLetter[n].empty())
            SchrijfGeenGegevensPagina(o, siteMap, l);
        else
            SchrijfLetterPagina(o, siteMap, l, regels, perLetter[n], melder, gedaan);
    }
}

bool Uitvoeren(const SiteOpmaak& o, const std::function<bool(const std::vector<std::string>&)>& schrijfSite) {
    fs::CacheScope cache;
    const std::string siteMap = SiteMapVan(o.type);
    if (SiteBestaatAl(siteMap)) return false;
    // Below the fresh root every name is the program's own: matched exactly (web servers are
    // case-sensitive), never case-insensitively.
    fs::ExacteMapScope exact(siteMap);
    huidigeSiteMap = siteMap;
    ZoekKaarten.Begin(false);
    const std::string paginas = siteMap + "/paginas";
    const std::string afbeeldingen = siteMap + "/afbeeldingen";
    if (!MaakSiteMapAan(paginas, 1) || !MaakSiteMapAan(afbeeldingen, 1)) return false;

    const std::string desktopIni = ToolBestand("desktop.ini");
    std::array<bool, 256> letterKlaar{}; // letter folders already made, with their redirect pages
    std::vector<std::string> lijst;
    long n = 0;
    {
        VoortgangMelder melder(AantalPersonen);
        for (int i = 1; i <= AantalPersonen; ++i) {
            const recPersoon& p = Personen[i];
            std::string afbeelding, pagina;
            if (p.Nummer > 0 && !IsLeeg(p.AfbeeldingBestand)) {
                const std::string naam = BestandsnaamDeel(p.AfbeeldingBestand);
                const char letter = AfbeeldingLetter(naam);
                // A name that would lead outside its folder counts as not found: no copy, no page.
                const std::string bron =
                    IsVeiligeNaam(naam) && IsVeiligeNaam(std::string(1, letter)) ? KaartAfbeelding(p) : "";
                if (!bron.empty()) {
                    afbeelding = naam;
                    const std::string d = afbeeldingen + "/" + letter;
                    const std::string pm = paginas + "/" + letter;
                    const auto idx = static_cast<unsigned char>(letter);
                    if (!letterKlaar[idx]) {
                        if (!MaakSiteMapAan(d, 2) || !MaakSiteMapAan(pm, 2)) return false;
                        if (!desktopIni.empty() && !fs::BestandBestaat(d + "/desktop.ini") &&
                            !fs::Kopieer(desktopIni, d + "/desktop.ini"))
                            throw IOFout("Het bestand " + desktopIni + " kon niet gekopieerd worden naar " +
                                         d + ".");
                        letterKlaar[idx] = true;
                    }
                    const std::string doel = d + "/" + AsciiKleineLetters(naam);
                    if (!fs::Kopieer(bron, doel))
                        throw IOFout("Het bestand " + bron + " kon niet gekopieerd worden naar " + doel +
                                     ".");
                    const std::string zonder = ExtensieVervangen(naam, "");
                    if (SchrijfAfbeeldingPagina(o, pm, zonder, zonder, naam))
                        pagina =
                            "paginas/" + std::string(1, letter) + "/" + AsciiKleineLetters(zonder) + ".htm";
                }
                ++n;
                lijst.push_back(MaakIndexRegel(i, afbeelding));
                if (ZoekKaarten.Actief()) {
                    // A card without an image page is found on its letter page.
                    const char l = RegelLetter(lijst.back());
                    if (pagina.empty() && l != 0) pagina = std::string("inhoud") + l + ".htm";
                    ZoekKaarten.VoegToe(i, lijst.back(), pagina);
                }
            }
            melder.Stap(i);
        }
    }
    bool resultaat = false;
    if (!lijst.empty()) {
        SorteerRegels(lijst);
        if (ControleOpDubbeleGedenkjes) {
            std::vector<std::string> dubbel;
            for (std::size_t k = 0; k + 1 < lijst.size(); ++k)
                if (lijst[k] == lijst[k + 1]) dubbel.push_back("dubbel opgenomen: " + lijst[k]);
            VoegToeAanVerschillen(dubbel);
        }
        if (LijstNamenGedenkje) VoegToeAanVerschillen(lijst);
        resultaat = schrijfSite(lijst) && ZoekKaarten.Schrijf(siteMap);
    }
    lijst.clear();
    lijst.shrink_to_fit();
    StatusLinks("gedenkjes : " + std::to_string(n));
    return resultaat;
}

} // namespace type23

bool SchrijfSiteType2(const std::vector<std::string>& regels) {
    const SiteOpmaak o = Type2Opmaak();
    const std::string& siteMap = type23::HuidigeSiteMap();
    RijenOpPagina = 0;
    type23::SchrijfToolMappen(siteMap);
    SchrijfFrameset(siteMap, "/index.htm");
    SchrijfKopIndex(siteMap, "/kopindex.htm");
    SchrijfMenuIndex(siteMap, "/menuindex.htm", "Gedenkjes");
    SchrijfInhoudIndex(siteMap, "/inhoudindex.htm");
    type23::SchrijfLetterPaginas(o, siteMap, regels);
    StatusLinks("gedenkjes : " + std::to_string(regels.size()));
    return true;
}

bool UitvoerenType2() {
    return type23::Uitvoeren(Type2Opmaak(), SchrijfSiteType2);
}

} // namespace gdk
