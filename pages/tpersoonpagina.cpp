#include "pages/tpersoonpagina.h"

#include "data/afbeeldingen.h"
#include "data/datums.h"
#include "data/globalen.h"
#include "data/html.h"
#include "data/namen.h"
#include "data/tvars.h"
#include "import/woordlijsten.h"
#include "pages/tnaamopmaak.h"
#include "platform/bestanden.h"
#include "platform/klok.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <string_view>

namespace gdk {

std::string PaginaHtml;

using namespace pagina;

namespace {

// A name or place as the display settings ask; values on this page are not trimmed.
std::string Opgemaakt(const std::string& waarde, bool hoofdletters) {
    return glAfblijven ? waarde : HoofdletterWoorden(waarde, hoofdletters);
}

std::string TussenvoegselOpgemaakt(const std::string& tussenvoegsel) {
    if (glAfblijven) return tussenvoegsel;
    return glTussenvoegsel ? HoofdletterWoorden(tussenvoegsel, true) : AsciiKleineLetters(tussenvoegsel);
}

void Regel(std::string& html, const char* insprong, std::string_view tekst) {
    html += insprong;
    html += tekst;
    html += CRLF;
}

// One row of the table: label cell, empty middle cell, value cell. The first row alone
// carries the column widths.
void Rij(std::string& html, std::string_view label, const std::string& waarde, const std::string& knop = {},
         bool eerste = false) {
    Regel(html, I3, "<TR>");
    Regel(html, I4, eerste ? "<TD WIDTH=\"21%\" ALIGN=\"right\">" : "<TD ALIGN=\"right\">");
    Regel(html, I5, label);
    Regel(html, I4, "</TD>");
    Regel(html, I4, eerste ? "<TD WIDTH=\"1%\" ALIGN=\"center\"></TD>" : "<TD ALIGN=\"center\"></TD>");
    Regel(html, I4, eerste ? "<TD WIDTH=\"78%\" ALIGN=\"left\">" : "<TD ALIGN=\"left\">");
    Regel(html, I5, waarde);
    if (!knop.empty()) Regel(html, I5, knop);
    Regel(html, I4, "</TD>");
    Regel(html, I3, "</TR>");
}

// First names, then the link to the person's page around particle and surname. A reference
// to no person (0, or a number past the store) shows "onbekend" without a link, so the page
// never links to a page that cannot be composed.
std::string PersoonLink(std::int32_t persoon) {
    if (persoon < 1 || persoon > AantalPersonen) return UitvoerTekst[ut::Onbekend];
    const recPersoon& p = Personen[persoon];
    std::string link = HtmlTekst(p.Voornamen) + " <A HREF=\"%" + std::to_string(persoon) + "\">";
    if (!IsLeeg(p.Tussenvoegsel)) link += " " + HtmlTekst(p.Tussenvoegsel) + " ";
    link += HtmlTekst(p.Achternaam) + "</A>";
    return link;
}

const char* const KnopAfbeelding = "/TOOL/btnAfbeelding.gif";

} // namespace

std::string PersoonKop() {
    std::string kop = "<HTML>";
    kop += CRLF;
    Regel(kop, I1, "<HEAD>");
    Regel(kop, I1, "</HEAD>");
    Regel(kop, I1, "<BODY>");
    return kop;
}

std::string PaginaEinde() {
    return std::string("</BODY>") + CRLF + "</HTML>" + CRLF;
}

bool PaginaVoet(const std::string& insprong, const std::string& bron, const std::string& datum,
                std::string& tekst) {
    tekst.clear();
    const char* in = insprong.c_str();
    Regel(tekst, in, "<BR>");
    Regel(tekst, in, "<H5 CLASS=\"copyright\" ALIGN=\"right\">");
    if (!IsLeeg(bron)) Regel(tekst, in, UitvoerTekst[ut::Bron] + " : " + bron + "<BR>");
    std::string getoond;
    if (IsLeeg(datum)) {
        getoond = DatumDDMMJJJJ(UitvoerTijd);
    } else {
        const auto d = KalenderDatum(datum);
        if (!d) return false;
        getoond = DatumDDMMJJJJ(*d);
    }
    Regel(tekst, in, UitvoerTekst[ut::LaatstBijgewerkt] + " : " + getoond + "<BR>");
    Regel(tekst, in, "</H5>");
    return true;
}

std::string AfbeeldingKnop(std::int32_t persoon) {
    if (IsLeeg(Personen[persoon].AfbeeldingBestand)) return {};
    if (VensterKaartAfbeelding(Personen[persoon]).empty() ||
        !fs::BestandBestaat(ProgrammaMap + KnopAfbeelding))
        return {};
    return "<A HREF=\"#" + std::to_string(persoon) + "\"><IMG BORDER=\"0\" SRC=\"" + ProgrammaMap +
           "/TOOL/btnafbeelding.gif\"></A>";
}

std::string OudersTekst(std::int32_t persoon) {
    const recFamilie& ouders = Gezinnen[Personen[persoon].OudersGezin()];
    return PersoonLink(ouders.Man) + "<BR>" + PersoonLink(ouders.Vrouw);
}

std::string PartnersTekst(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    const std::string geslacht = AsciiHoofdletters(p.Geslacht);
    std::string tekst;
    for (int slot = 1; slot <= 6; ++slot) {
        const std::int32_t gezin = p.Gezinnen[slot];
        if (gezin <= 0) continue;
        if (slot != 1) tekst += "<BR>";
        if (geslacht == "M")
            tekst += " " + PersoonLink(Gezinnen[gezin].Vrouw);
        else if (geslacht == "F")
            tekst += " " + PersoonLink(Gezinnen[gezin].Man);
    }
    return Trim(tekst);
}

bool PersoonPagina(std::int32_t persoon) {
    PaginaHtml.clear();
    try {
        const recPersoon& p = Personen[persoon];
        if (IsLeeg(p.Achternaam)) return false;
        std::string& html = PaginaHtml;
        html += PersoonKop();
        Regel(html, I2, "<TABLE BORDER=\"0\" WIDTH=\"100%\" CELLSPACING=\"0\" CELLPADDING=\"0\">");
        Rij(html, "volgnummer :", std::to_string(p.Nummer), {}, true);
        // Card fields go into the page through HtmlTekst: a collection may hold markup.
        Rij(html, "voornamen :", HtmlTekst(Opgemaakt(p.Voornamen, glVoornamen)));
        Rij(html, "Tussenvoegsel :", HtmlTekst(TussenvoegselOpgemaakt(p.Tussenvoegsel)));
        Rij(html, "achternaam :", HtmlTekst(Opgemaakt(p.Achternaam, glAchternaam)), AfbeeldingKnop(persoon));
        Rij(html, "geslacht :", GeslachtTekst(persoon));
        Rij(html, "bijzonderheden :", BijzonderhedenTekst(persoon));
        Rij(html, "geboortedatum :", HtmlTekst(p.GeboorteDatum));
        Rij(html, "-plaats :", HtmlTekst(Opgemaakt(p.GeboortePlaats, glPlaatsnamen)));
        Rij(html, "overlijdens datum :", HtmlTekst(p.OverlijdensDatum));
        Rij(html, "-plaats :", HtmlTekst(Opgemaakt(p.OverlijdensPlaats, glPlaatsnamen)));
        if (!IsLeeg(p.BegraafDatum) || !IsLeeg(p.BegraafPlaats)) {
            Rij(html, "begrafenis datum :", HtmlTekst(p.BegraafDatum));
            Rij(html, "-plaats :", HtmlTekst(Opgemaakt(p.BegraafPlaats, glPlaatsnamen)));
        }
        if (!IsLeeg(p.CrematieDatum) || !IsLeeg(p.CrematiePlaats)) {
            Rij(html, "crematie datum :", HtmlTekst(p.CrematieDatum));
            Rij(html, "-plaats :", HtmlTekst(Opgemaakt(p.CrematiePlaats, glPlaatsnamen)));
        }
        Rij(html, "met foto :", IsLeeg(p.MetFoto) ? std::string("nee") : HtmlTekst(p.MetFoto));
        if (!IsLeeg(p.AfbeeldingBestand)) Rij(html, "object file :", HtmlTekst(p.AfbeeldingBestand));
        if (p.OudersGezin() > 0) Rij(html, "ouders :", OudersTekst(persoon));
        if (p.Gezinnen[1] > 0) Rij(html, "partner :", PartnersTekst(persoon));
        Regel(html, I2, "</TABLE>");
        std::string voet;
        PaginaVoet(I1, {}, {}, voet);
        html += voet;
        html += CRLF;
        Regel(html, I1, "</BODY>");
        Regel(html, "", "</HTML>");
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace gdk
