#include "pages/trelatiepagina.h"

#include "data/html.h"
#include "data/namen.h"
#include "data/tvars.h"
#include "import/woordlijsten.h"
#include "pages/tnaamopmaak.h"
#include "pages/tpersoonpagina.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <string_view>

namespace gdk {

using namespace pagina;

namespace {

void Regel(std::string& html, const char* insprong, std::string_view tekst) {
    html += insprong;
    html += tekst;
    html += CRLF;
}

const char* const LijstBegin = "<OL STYLE=\"margin-top: 0;margin-bottom: 0\">";

// The partner's name in bold, then the summary of the partner's life events when there is one.
void PartnerBlok(std::string& html, std::int32_t persoon) {
    // A partner links to his or her first relation, also when this page shows another one.
    const std::int32_t gezin = Personen[persoon].Gezinnen[1];
    const bool toonLink = Gezinnen[gezin].Man > 0;
    Regel(html, I1, "<B>");
    Regel(html, I1, RelatiePersoonRegel(persoon, gezin, toonLink));
    Regel(html, I1, "</B>");
    html += CRLF;
    std::string samenvatting;
    PersoonSamenvatting(persoon, samenvatting);
    if (!IsLeeg(samenvatting)) {
        Regel(html, I1, LijstBegin);
        Regel(html, I1, samenvatting);
        Regel(html, I1, "</OL>");
        html += CRLF;
    }
}

} // namespace

std::string RelatieKop() {
    std::string kop;
    for (const char* regel : {"<HTML>", "<HEAD>", "</HEAD>", "", "<BODY>", ""})
        Regel(kop, "", regel);
    return kop;
}

std::string RelatiePersoonRegel(std::int32_t persoon, std::int32_t linkGezin, bool toonLink) {
    const recPersoon& p = Personen[persoon];
    // Card fields go into the page through HtmlTekst: a collection may hold markup.
    std::string regel =
        HtmlTekst(Trim(glAfblijven ? p.Voornamen : HoofdletterWoorden(p.Voornamen, glVoornamen)));
    if (toonLink) regel += " <A HREF=\"" + std::to_string(linkGezin) + "\">";
    if (!IsLeeg(p.Tussenvoegsel)) {
        std::string tussenvoegsel = p.Tussenvoegsel;
        if (!glAfblijven)
            tussenvoegsel =
                glTussenvoegsel ? HoofdletterWoorden(tussenvoegsel, true) : AsciiKleineLetters(tussenvoegsel);
        regel += " " + HtmlTekst(Trim(tussenvoegsel));
    }
    if (!IsLeeg(p.Achternaam))
        regel += " " +
                 HtmlTekst(Trim(glAfblijven ? p.Achternaam : HoofdletterWoorden(p.Achternaam, glAchternaam)));
    else
        regel += " " + UitvoerTekst[ut::Onbekend];
    if (toonLink) regel += "</A>";
    const std::string knop = AfbeeldingKnop(persoon);
    if (!knop.empty()) regel += CRLF + std::string(I1) + knop;
    return regel;
}

bool RelatiePagina(std::int32_t gezin) {
    PaginaHtml.clear();
    try {
        const recFamilie& f = Gezinnen[gezin];
        const recPersoon& man = Personen[f.Man];
        if (IsLeeg(man.Achternaam)) return false;

        // The relation number is the last of the first partner's slots that holds this family;
        // it is shown only when that partner has a second relation.
        int relatieNummer = 0;
        for (int slot = 1; slot <= 6; ++slot)
            if (man.Gezinnen[slot] == gezin) relatieNummer = slot;
        const bool toonNummer = relatieNummer != 0 && man.Gezinnen[2] > 0;

        std::string& html = PaginaHtml;
        html += RelatieKop();
        PartnerBlok(html, f.Man);
        Regel(html, I1, LijstBegin);
        std::string relatie;
        if (relatieNummer == 0)
            relatie = UitvoerTekst[ut::Gehuwd] + " " + UitvoerTekst[ut::Met];
        else
            RelatieTekst(gezin, relatieNummer, toonNummer, relatie);
        Regel(html, I1, relatie);
        Regel(html, I1, "</OL>");
        html += CRLF;
        PartnerBlok(html, f.Vrouw);
        Regel(html, I1, "<BR>");
        std::string voet;
        PaginaVoet(I1, f.Bron(), f.LaatstBijgewerkt(), voet);
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
