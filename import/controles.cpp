#include "import/controles.h"

#include "data/afbeeldingen.h"
#include "data/globalen.h"
#include "data/namen.h"
#include "data/tekst.h"
#include "import/woordlijsten.h"
#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"
#include "settings/instellingen.h"

namespace gdk {

std::int32_t AantalVerschillen = 0;
std::string AfbeeldingMap;

namespace {

// The report of the current read, open from its first finding to the end of the read.
TekstSchrijver verslag;

} // namespace

std::string PersoonSleutel(std::int32_t n) {
    const recPersoon& p = Personen[n];
    std::string sleutel = p.Voornamen;
    sleutel += ';';
    sleutel += p.Tussenvoegsel;
    if (!p.Achternaam.empty()) {
        sleutel += ';';
        sleutel += p.Achternaam;
    }
    return sleutel;
}

void VerschillenBeginnen() {
    AantalVerschillen = 0;
    AfbeeldingMap.clear();
    if (verslag.IsOpen()) {
        try {
            verslag.Sluit();
        } catch (const IOFout&) {
        }
    }
}

void VerschilSchrijven(const std::string& regel) {
    // Created empty at the first finding, so a report never mixes two reads, even when the
    // old one could not be deleted.
    if (!verslag.IsOpen() && !verslag.Open(VerschillenBestand))
        throw IOFout("Het verschillenbestand " + VerschillenBestand + " kan niet aangemaakt worden.");
    verslag.Regel(regel);
    ++AantalVerschillen;
}

void VerschillenAfsluiten() {
    if (!verslag.IsOpen()) return;
    try {
        // Five digits, but never cut: a large collection can have 100000 findings or more, and
        // "00000" for those would be a wrong count.
        const std::string aantal = std::to_string(AantalVerschillen);
        verslag.Regel("aantal verschillen = " +
                      (aantal.size() < 5 ? GetalOpLengte(AantalVerschillen, 5) : aantal));
    } catch (const IOFout&) {
        try {
            verslag.Sluit();
        } catch (const IOFout&) {
        }
        throw;
    }
    verslag.Sluit();
}

void ControleGeslacht(std::int32_t n) {
    VerschilSchrijven(UitvoerTekst[ut::GeslachtOntbreekt] + PersoonSleutel(n));
}

void ControleDatum(std::int32_t n, DatumSoort soort) {
    const recPersoon& p = Personen[n];
    const std::string* datum = nullptr;
    const char* tekst = nullptr;
    switch (soort) {
    case DatumSoort::Geboorte:
        datum = &p.GeboorteDatum, tekst = "afwijking in g-datum van ";
        break;
    case DatumSoort::Overlijden:
        datum = &p.OverlijdensDatum, tekst = "afwijking in o-datum van ";
        break;
    case DatumSoort::Begraaf:
        datum = &p.BegraafDatum, tekst = "afwijking in b-datum van ";
        break;
    case DatumSoort::Crematie:
        datum = &p.CrematieDatum, tekst = "afwijking in c-datum van ";
        break;
    }
    if (datum->size() <= 10) return;
    VerschilSchrijven(tekst + p.Voornamen + " " + Trim(p.Tussenvoegsel) + " " + p.Achternaam + " : " +
                      *datum);
}

void ControleBestandsnaam(std::int32_t n, const BestandsnaamCodes& codes) {
    const recPersoon& p = Personen[n];
    const std::string v = Trim(CodeGedenkjeVoorkant);
    const std::string naamcode = Trim(codes.Naamcode);
    const std::string overlijden = Trim(codes.Overlijdenscode);
    const std::string uitvaart = Trim(codes.Uitvaartcode);
    if (IsLeeg(p.AfbeeldingBestand)) {
        VerschilSchrijven("bestandsnaam van de afbeelding ontbreekt " + codes.Naamcode + v + ".jpg");
        return;
    }
    // Exact, case-sensitive: a name that differs only in case is a finding too.
    const std::string naam = Trim(p.AfbeeldingBestand);
    if (naam == naamcode + v + ".jpg" || naam == naamcode + overlijden + v + ".jpg" ||
        naam == naamcode + overlijden + uitvaart + v + ".jpg")
        return;
    VerschilSchrijven("samengesteld " + codes.Naamcode + codes.Overlijdenscode + v + ".jpg" +
                      " - opgenomen: " + p.AfbeeldingBestand);
}

void ControleAfbeeldingMap(std::int32_t n) {
    const recPersoon& p = Personen[n];
    AfbeeldingMap = KaartMap(p);
    // Also for an empty image name: the bare folder is then reported.
    const std::string pad = AfbeeldingMap + p.AfbeeldingBestand;
    if (!AfbeeldingBestaat(p.AfbeeldingBestand, pad))
        VerschilSchrijven("bestand afbeelding ontbreekt: " + pad);
}

std::array<std::string, 2> FotoNamen(const BestandsnaamCodes& codes) {
    const std::string foto = Trim(CodeFotoosVoorkant);
    return {codes.Naamcode + foto + ".jpg", codes.Naamcode + codes.Overlijdenscode + foto + ".jpg"};
}

void ControleFoto(std::int32_t n, const BestandsnaamCodes& codes) {
    const recPersoon& p = Personen[n];
    const std::string foto = Trim(CodeFotoosVoorkant);
    const auto [eersteNaam, tweedeNaam] = FotoNamen(codes);
    const std::string eerste = AfbeeldingMap + eersteNaam;
    const std::string tweede = AfbeeldingMap + tweedeNaam;
    const bool eersteBestaat = AfbeeldingBestaat(eersteNaam, eerste);
    const bool tweedeBestaat = AfbeeldingBestaat(tweedeNaam, tweede);
    if (p.MetFoto == "ja") {
        if (!eersteBestaat && !tweedeBestaat)
            VerschilSchrijven("afbeelding foto ontbreekt " + AfbeeldingMap + codes.Naamcode + " ... " + foto +
                              ".jpg");
    } else if (eersteBestaat) {
        VerschilSchrijven("afbeelding aanwezig " + eerste);
    } else if (tweedeBestaat) {
        VerschilSchrijven("afbeelding aanwezig " + tweede);
    }
}

void ControlePartnerGeslacht(std::int32_t n) {
    const std::string& partner = Personen[n + 1].Geslacht;
    if (partner == "U")
        VerschilSchrijven(UitvoerTekst[ut::GeslachtOntbreekt] + PersoonSleutel(n + 1));
    else if (partner == Personen[n].Geslacht)
        VerschilSchrijven(UitvoerTekst[ut::ZelfdeGeslacht] + PersoonSleutel(n));
}

} // namespace gdk
