#include "pages/tnaamopmaak.h"

#include "data/datums.h"
#include "data/html.h"
#include "data/namen.h"
#include "data/tekst.h"
#include "data/tvars.h"
#include "import/woordlijsten.h"
#include "platform/klok.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <limits>

namespace gdk {
namespace {

// Appends `deel` after `scheiding`, or makes it the text when the text is still empty.
void Voeg(std::string& tekst, const char* scheiding, const std::string& deel) {
    if (!tekst.empty()) tekst += scheiding;
    tekst += deel;
}

std::string PlaatsWeergave(const std::string& plaats) {
    const std::string t = Trim(plaats);
    return glAfblijven ? t : HoofdletterWoorden(t, glPlaatsnamen);
}

// Date, place, detail, note and addition of one event, each only when its field is not empty.
// `detail` is null for the events that have none. Returns whether any part was present.
bool GebeurtenisDelen(std::string& tekst, const std::string& datum, const std::string& plaats,
                      const std::string* detail, const std::string& aantekening,
                      const std::string& toevoeging) {
    bool aanwezig = false;
    // Card fields go into pages through HtmlTekst: a collection from someone else may hold markup.
    if (!IsLeeg(datum)) {
        tekst = UitvoerTekst[ut::Op] + " " + HtmlTekst(DatumNormaliseren(Trim(datum), adDatumAanpassen));
        aanwezig = true;
    }
    if (!IsLeeg(plaats)) {
        Voeg(tekst, " ", UitvoerTekst[ut::Te] + " " + HtmlTekst(PlaatsWeergave(plaats)));
        aanwezig = true;
    }
    if (detail && !IsLeeg(*detail)) {
        Voeg(tekst, " ", "(" + HtmlTekst(Trim(*detail)) + ")");
        aanwezig = true;
    }
    if (!IsLeeg(aantekening)) {
        Voeg(tekst, ", ", UitvoerTekst[ut::Aantekening] + ": " + HtmlTekst(Trim(aantekening)));
        aanwezig = true;
    }
    if (!IsLeeg(toevoeging)) {
        Voeg(tekst, " ", "[" + HtmlTekst(Trim(toevoeging)) + "]");
        aanwezig = true;
    }
    return aanwezig;
}

std::string GebeurtenisTekst(const std::string& woord, const std::string& datum, const std::string& plaats,
                             const std::string* detail, const std::string& aantekening,
                             const std::string& toevoeging) {
    std::string tekst;
    GebeurtenisDelen(tekst, datum, plaats, detail, aantekening, toevoeging);
    if (!IsLeeg(tekst)) tekst = woord + " " + tekst;
    return tekst;
}

std::string NotitieOpEenRegel(const std::string& aantekening) {
    return HtmlTekst(VervangAlles(Trim(aantekening), "\r\n", ", "));
}

} // namespace

std::string GeboorteTekst(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    return GebeurtenisTekst(UitvoerTekst[ut::Geboren], p.GeboorteDatum, p.GeboortePlaats, nullptr,
                            p.GeboorteAantekening(), p.GeboorteToevoeging());
}

std::string OverlijdensTekst(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    return GebeurtenisTekst(UitvoerTekst[ut::Overleden], p.OverlijdensDatum, p.OverlijdensPlaats, nullptr,
                            p.OverlijdensAantekening(), p.OverlijdensToevoeging());
}

std::string BegrafenisTekst(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    return GebeurtenisTekst(UitvoerTekst[ut::Begraven], p.BegraafDatum, p.BegraafPlaats, &p.BegraafDetail(),
                            p.BegraafAantekening(), p.BegraafToevoeging());
}

std::string CrematieTekst(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    return GebeurtenisTekst(UitvoerTekst[ut::Gecremeerd], p.CrematieDatum, p.CrematiePlaats,
                            &p.CrematieDetail(), p.CrematieAantekening(), p.CrematieToevoeging());
}

std::string AantekeningTekst(std::int32_t persoon) {
    const std::string& aantekening = Personen[persoon].Aantekening;
    if (IsLeeg(aantekening)) return {};
    return UitvoerTekst[ut::Aantekening] + ": " + NotitieOpEenRegel(aantekening);
}

std::string BijzonderhedenTekst(std::int32_t persoon) {
    const std::string& aantekening = Personen[persoon].Aantekening;
    if (IsLeeg(aantekening)) return {};
    return NotitieOpEenRegel(aantekening);
}

bool PersoonSamenvatting(std::int32_t persoon, std::string& regel) {
    regel.clear();
    try {
        const std::string delen[] = {Trim(GeboorteTekst(persoon)), AantekeningTekst(persoon),
                                     OverlijdensTekst(persoon), BegrafenisTekst(persoon),
                                     CrematieTekst(persoon)};
        for (const std::string& deel : delen)
            if (!IsLeeg(deel)) Voeg(regel, "; ", deel);
        const std::string foto = AsciiKleineLetters(Trim(Personen[persoon].MetFoto));
        if (foto == "ja")
            regel += " (met foto)";
        else if (foto == "nee")
            regel += " (zonder foto)";
        return true;
    } catch (...) {
        return false;
    }
}

std::string HuwelijkTekst(std::int32_t gezin, std::int32_t relatieNummer, bool toonNummer) {
    const recFamilie& f = Gezinnen[gezin];
    std::string tekst;
    for (int slot = 1; slot <= 6; ++slot) {
        const recHuwelijk& h = f.Huwelijken(slot);
        std::string deel;
        if (GebeurtenisDelen(deel, h.HuwelijkDatum, h.HuwelijkPlaats, nullptr, h.HuwelijkAantekening,
                             h.HuwelijkToevoeging)) {
            const std::string soort = Trim(h.HuwelijkSoort);
            std::string voor;
            if (soort.empty() || GelijkZonderHoofdletters(soort, UitvoerTekst[ut::Gehuwd]))
                voor = UitvoerTekst[ut::Gehuwd] +
                       (toonNummer ? " (" + std::to_string(relatieNummer) + ") " : " ");
            else
                voor = HtmlTekst(soort) + " ";
            deel = voor + deel;
        }
        if (!IsLeeg(deel)) Voeg(tekst, "; ", deel);
    }
    return tekst;
}

bool RelatieTekst(std::int32_t gezin, std::int32_t relatieNummer, bool toonNummer, std::string& regel) {
    regel.clear();
    try {
        regel = Trim(HuwelijkTekst(gezin, relatieNummer, toonNummer));
        if (regel.empty()) regel = UitvoerTekst[ut::Relatie] + " " + UitvoerTekst[ut::Met];
        return true;
    } catch (...) {
        return false;
    }
}

std::string GeslachtTekst(std::int32_t persoon) {
    const std::string geslacht = AsciiHoofdletters(Personen[persoon].Geslacht);
    if (geslacht == "F") return UitvoerTekst[ut::Vrouw];
    if (geslacht == "M") return UitvoerTekst[ut::Man];
    return UitvoerTekst[ut::Onbekend];
}

IndexRegels MaakIndexRegels(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    // The parts both lines share are made once: every page of a type 1 site carries both.
    std::string naam = HoofdletterWoorden(VerwijderTussenHaakjes(p.Achternaam, '(', ')'), false);
    if (naam.empty()) naam = UitvoerTekst[ut::Onbekend];
    IndexRegels r{naam, std::move(naam)};

    const auto MetTussenvoegsel = [&](const char* scheiding) {
        const std::string klein = AsciiKleineLetters(p.Tussenvoegsel);
        (r.gewoon += scheiding) += klein;
        (r.variant += scheiding) += HoofdletterWoorden(klein, false);
    };
    if (!IsLeeg(p.Voornamen)) {
        const std::string initialen = Initialen(VerwijderTussenHaakjes(p.Voornamen, '(', ')'));
        // Without initials the particle is left out too: it would hang after a lone comma.
        if (!initialen.empty()) {
            r.gewoon += ", " + initialen;
            r.variant += ", " + initialen;
            if (!IsLeeg(p.Tussenvoegsel)) MetTussenvoegsel(" ");
        }
    } else if (!IsLeeg(p.Tussenvoegsel)) {
        MetTussenvoegsel(", ");
    }

    // A date that is no calendar date is shown as the card gives it (after the read's own
    // normalisation): the translation to Dutch only serves the conversion.
    std::string datum, datumVariant;
    if (!IsLeeg(p.GeboorteDatum)) {
        if (const auto d = KalenderDatum(p.GeboorteDatum)) {
            datum = datumVariant = DatumDDMMJJJJ(*d);
        } else {
            bool mislukt = false;
            datum = p.GeboorteDatum;
            datumVariant = std::to_string(AlleenCijfers(p.GeboorteDatum, mislukt));
        }
    }
    // The particle comes after a comma, so both lines have one or neither.
    const bool heeftKomma = r.gewoon.find(',') != std::string::npos;
    const auto MetDatum = [heeftKomma](std::string& regel, const std::string& d) {
        if (!d.empty())
            regel += (heeftKomma ? " " : ", ") + d;
        else if (!heeftKomma)
            regel += ", ";
    };
    MetDatum(r.gewoon, datum);
    MetDatum(r.variant, datumVariant);
    return r;
}

std::int32_t AlleenCijfers(const std::string& tekst, bool& mislukt) {
    std::int64_t waarde = 0;
    bool cijfer = false;
    for (const char c : tekst) {
        if (c < '0' || c > '9') continue;
        cijfer = true;
        waarde = waarde * 10 + (c - '0');
        if (waarde > std::numeric_limits<std::int32_t>::max()) {
            mislukt = true;
            return 0;
        }
    }
    mislukt = !cijfer;
    return cijfer ? static_cast<std::int32_t>(waarde) : 0;
}

} // namespace gdk
