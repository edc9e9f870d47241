#include "import/tgdkimport.h"

#include "data/datums.h"
#include "data/globalen.h"
#include "data/namen.h"
#include "data/paden.h"
#include "data/tekst.h"
#include "import/codering.h"
#include "import/controles.h"
#include "import/status.h"
#include "import/woordlijsten.h"
#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"
#include "platform/klok.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace gdk {
namespace {

// Trimmed = every character of code 32 and below removed at both ends.
std::string_view TrimZicht(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return s.substr(b, e - b);
}

// Upper case A-Z only, compared against short fixed words: no allocation for long fields.
bool GelijkHoofdletters(std::string_view veld, std::string_view woord) {
    if (veld.size() != woord.size()) return false;
    for (std::size_t i = 0; i < veld.size(); ++i) {
        char c = veld[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != woord[i]) return false;
    }
    return true;
}

// Everything the reader does for one line; false when a capacity stop ends the reading.
class RegelLezer {
  public:
    bool Lees(std::string_view regel);

  private:
    bool Partner(std::int32_t n, const std::string& voornamen, const std::string& tussenvoegsel,
                 const std::string& achternaam, const std::string& geslacht);
};

bool RegelLezer::Lees(std::string_view regel) {
    // The main person may be at most number 199999, so that its partner still fits.
    if (AantalPersonen + 1 >= MaxPersonen) {
        UI().Melding(UitvoerTekst[ut::MaxPersonenBereikt] + " (" + std::to_string(MaxPersonen) + ")");
        return false;
    }
    Personen.Nieuw();
    const std::int32_t n = ++AantalPersonen;

    std::string_view rest = regel;
    {
        recPersoon& p = Personen.Wijzig(n);
        p.Voornamen = VeldNemen(rest);
        p.Tussenvoegsel = VeldNemen(rest);
        p.Achternaam = VeldNemen(rest);
        p.Geslacht = GeslachtNormaliseren(VeldNemen(rest));
    }
    if (ControleOpGeslacht && Personen[n].Geslacht == "U") ControleGeslacht(n);
    Personen.Wijzig(n).Aantekening = VeldNemen(rest);

    struct Datumveld {
        std::string recPersoon::*datum;
        std::string recPersoon::*plaats;
        DatumSoort soort;
    };
    static constexpr Datumveld datums[] = {
        {&recPersoon::GeboorteDatum, &recPersoon::GeboortePlaats, DatumSoort::Geboorte},
        {&recPersoon::OverlijdensDatum, &recPersoon::OverlijdensPlaats, DatumSoort::Overlijden},
        {&recPersoon::BegraafDatum, &recPersoon::BegraafPlaats, DatumSoort::Begraaf},
        {&recPersoon::CrematieDatum, &recPersoon::CrematiePlaats, DatumSoort::Crematie},
    };
    for (const Datumveld& d : datums) {
        std::string datum = VeldNemen(rest);
        // An empty date normalises to itself; most cards leave two of the four dates empty.
        if (!datum.empty()) datum = DatumNormaliseren(datum, adDatumAanpassen);
        Personen.Wijzig(n).*d.datum = std::move(datum);
        if (ControleOpDatum) ControleDatum(n, d.soort);
        Personen.Wijzig(n).*d.plaats = VeldNemen(rest);
    }

    const std::string afbeelding = VeldNemen(rest);
    // The codes are needed only for a derived name or a name check; skip them otherwise.
    const bool codesNodig =
        (afbeelding.empty() && BestandsnaamToevoegen) || ControleOpBestandsnaam || ControleOpBestandsnaamFoto;
    const BestandsnaamCodes codes = codesNodig ? Codes(Personen[n]) : BestandsnaamCodes{};
    {
        recPersoon& p = Personen.Wijzig(n);
        if (!afbeelding.empty()) {
            p.AfbeeldingExtensie = "jpg";
            // Only the name: the part after the last '\', '/' or ':' of a path from another machine.
            p.AfbeeldingBestand =
                AlleenBestandsnaamAfbeeldingInlezen ? BestandsnaamDeel(afbeelding, true) : afbeelding;
        } else if (BestandsnaamToevoegen) {
            p.AfbeeldingExtensie = "jpg";
            p.AfbeeldingBestand = codes.Naamcode + std::string(TrimZicht(CodeGedenkjeVoorkant)) + ".jpg";
        }
    }
    if (ControleOpBestandsnaam) ControleBestandsnaam(n, codes);
    if (ControleOpBestandsnaamAfbeelding)
        ControleAfbeeldingMap(n);
    else
        AfbeeldingMap.clear();

    Personen.Wijzig(n).MetFoto = MetFotoNormaliseren(VeldNemen(rest));

    const std::string pVoornamen = VeldNemen(rest);
    const std::string pTussenvoegsel = VeldNemen(rest);
    const std::string pAchternaam = VeldNemen(rest);
    // Field 19 needs no closing ';': its first character is the partner's sex.
    const std::string pGeslacht = GeslachtNormaliseren(rest.substr(0, 1));

    if (ControleOpBestandsnaamFoto) ControleFoto(n, codes);

    if (pVoornamen.empty() && pTussenvoegsel.empty() && pAchternaam.empty()) return true;
    return Partner(n, pVoornamen, pTussenvoegsel, pAchternaam, pGeslacht);
}

bool RegelLezer::Partner(std::int32_t n, const std::string& voornamen, const std::string& tussenvoegsel,
                         const std::string& achternaam, const std::string& geslacht) {
    if (AantalGezinnen >= MaxGezinnen) {
        UI().Melding(UitvoerTekst[ut::MaxRelatiesBereikt] + " (" + std::to_string(MaxGezinnen) + ")");
        return false;
    }
    Gezinnen.Nieuw();
    const std::int32_t f = ++AantalGezinnen;
    recFamilie& gezin = Gezinnen.Wijzig(f);
    gezin.Nummer = f;
    Personen.Wijzig(n).Gezinnen[1] = f;
    if (Personen[n].Geslacht == "F") {
        gezin.Man = n + 1;
        gezin.Vrouw = n;
    } else {
        gezin.Man = n;
        gezin.Vrouw = n + 1;
    }

    // No capacity test: the main person's test left room for this partner.
    Personen.Nieuw();
    const std::int32_t m = ++AantalPersonen;
    recPersoon& partner = Personen.Wijzig(m);
    partner.Nummer = m;
    partner.Voornamen = voornamen;
    partner.Tussenvoegsel = tussenvoegsel;
    partner.Achternaam = achternaam;
    partner.Gezinnen[1] = f;
    // Without the sex check the partner's sex is not stored at all.
    if (ControleOpGeslacht) {
        partner.Geslacht = geslacht;
        ControlePartnerGeslacht(n);
    }
    return true;
}

} // namespace

std::string VeldNemen(std::string_view& rest) {
    const std::size_t p = rest.find(';');
    if (p == std::string_view::npos) return {};
    std::string veld(TrimZicht(rest.substr(0, p)));
    rest = TrimZicht(rest.substr(p + 1));
    return veld;
}

std::string GeslachtNormaliseren(std::string_view veld) {
    if (GelijkHoofdletters(veld, "M") || GelijkHoofdletters(veld, "MAN")) return "M";
    if (GelijkHoofdletters(veld, "F") || GelijkHoofdletters(veld, "V") || GelijkHoofdletters(veld, "VROUW"))
        return "F";
    return "U";
}

std::string MetFotoNormaliseren(std::string_view veld) {
    for (std::string_view ja : {"Y", "YES", "J", "JA", "X"})
        if (GelijkHoofdletters(veld, ja)) return "ja";
    return "nee";
}

std::string DatumCode(const std::string& datum) {
    if (datum.size() == 10) return datum.substr(6, 4) + datum.substr(3, 2) + datum.substr(0, 2);
    const std::string laatste = datum.size() > 4 ? datum.substr(datum.size() - 4) : datum;
    std::int32_t jaar = 0;
    if (!laatste.empty() && TekstNaarGetal(laatste, jaar)) return std::to_string(jaar) + "0000";
    return "00000000";
}

std::string Naamcode(const recPersoon& p) {
    return BestandsnaamSchoon(p.Achternaam) + BestandsnaamSchoon(Initialen(p.Voornamen)) +
           BestandsnaamSchoon(HoofdletterWoorden(p.Tussenvoegsel, false)) + DatumCode(p.GeboorteDatum);
}

namespace {
// "_" + code, built by appending (GCC 12 warns falsely on "_" + a temporary string).
std::string MetStreep(const std::string& datum) {
    std::string code = "_";
    code += DatumCode(datum);
    return code;
}
} // namespace

std::string Overlijdenscode(const recPersoon& p) {
    return MetStreep(p.OverlijdensDatum);
}

std::string Uitvaartcode(const recPersoon& p) {
    if (!IsLeeg(p.BegraafDatum)) return MetStreep(p.BegraafDatum);
    if (!IsLeeg(p.CrematieDatum)) return MetStreep(p.CrematieDatum);
    return "_00000000";
}

BestandsnaamCodes Codes(const recPersoon& p) {
    return {Naamcode(p), Overlijdenscode(p), Uitvaartcode(p)};
}

bool LeesGedenkjes() {
    // Cleared before the file test, so a failed read leaves an empty store.
    LeegOpslag();
    VerschillenBeginnen();
    if (!fs::Bestaat(CollectiePad)) {
        StatusRechts("Gedenkjes inlezen fout gegaan");
        return false;
    }
    StatusLinks("");
    StatusRechts("");

    // One listing cache for the whole read: the image checks test every card's files.
    fs::CacheScope cache;
    TekstLezer lezer;
    try {
        // Exists but is no readable file (a folder, no permission): IOFout from Open. Gone since
        // the test a moment ago: as missing.
        if (!lezer.OpenGeheel(CollectiePad)) {
            StatusRechts("Gedenkjes inlezen fout gegaan");
            return false;
        }
        // Whether a file is UTF-8 shows only in all of it, so it is read whole before its first
        // line; the report says so first of all.
        const Omzetting omzetting = CoderingOmzetten(lezer);
        if (omzetting.utf8) VerschilSchrijven(Utf8Verschilregel(omzetting.vervangen));
        // Room for as many persons as the file can hold (a line of n bytes gives at most two), so
        // the store never moves its records while it grows; untouched room costs no memory.
        const std::size_t grootte = lezer.Grootte();
        Personen.Reserveer(std::min<std::size_t>(MaxPersonen, grootte + 1 + grootte / 17));
        Gezinnen.Reserveer(std::min<std::size_t>(MaxGezinnen, grootte / 17 + 1));
        const std::uint32_t start = Tik();
        StatusLinks("GDK bestand inlezen...");
        StatusRechts(UitvoerTekst[ut::GestartOm] + " " + LangeTijd(Nu()));
        {
            BezigScope bezig;
            VoortgangMelder voortgang(static_cast<long>(lezer.Grootte()));
            RegelLezer regels;
            std::string regel;
            while (lezer.LeesRegel(regel)) {
                if (!regels.Lees(regel)) break;
                voortgang.Stap(static_cast<long>(lezer.Gelezen()));
            }
            StatusLinks("aantal personen : " + std::to_string(AantalPersonen) + "; " +
                        "aantal gezinnen : " + std::to_string(AantalGezinnen) + "; ingelezen.");
            StatusRechts(DuurTekst(Tik() - start));
        }
    } catch (...) {
        // The report keeps what was found so far and still gets its count line if it can;
        // the first error is the one the user sees.
        try {
            VerschillenAfsluiten();
        } catch (const IOFout&) {
        }
        throw;
    }
    VerschillenAfsluiten();
    return true;
}

} // namespace gdk
