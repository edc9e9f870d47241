#include "import/woordlijsten.h"

#include "data/globalen.h"
#include "data/ufuncties.h"
#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"

namespace gdk {

std::array<std::string, MaxTussenvoegsels + 1> Tussenvoegsels;
int AantalTussenvoegsels = 0;
std::array<std::string, AantalUitvoerTeksten + 1> UitvoerTekst;

namespace {

const char* const StandaardDeeltjes[] = {
    "d'",       "l'",        "o'",         "\xE0 ",      "'s ",        "'t ",       "ab ",       "aan den ",
    "aan de ",  "an de ",    "aen de ",    "auf 'm ",    "bij de ",    "da ",       "de la ",    "de los ",
    "del ",     "den ",      "der ",       "des ",       "de ",        "die ",      "di ",       "du ",
    "dos ",     "het ",      "im ",        "in 't ",     "in den ",    "in der ",   "in de ",    "in die ",
    "in het ",  "in ",       "la ",        "le ",        "mac ",       "mijn ",     "of the ",   "onder 't ",
    "onder de ", "onder ",   "op 't ter ", "op 't ",     "op den ",    "op der ",   "op de ",    "op gen ",
    "op het ",  "op ten ",   "op ",        "over de ",   "st. ",       "ten ",      "ter ",      "te ",
    "the ",     "tho ",      "uijt den ",  "uijt de ",   "uit 't ",    "uit de ",   "vam ",      "van d'",
    "van 's ",  "van 't ",   "van den ",   "van der ",   "van des ",   "van de ",   "van het ",  "van ter ",
    "van ",     "ver ",      "vanden ",    "vander ",    "vande ",     "vom ",      "von den ",  "von der ",
    "vonden ",  "von ",      "voor 't ",   "voor de ",   "zum ",
};
static_assert(std::size(StandaardDeeltjes) == 85);

const char* const StandaardTeksten[AantalUitvoerTeksten] = {
    "GezinsBladen", "geboorte", "geb.", "*", "gedoopt", "ged.", "~", "gedoopt 8", "ged.8", "~",       // 1-10
    "gedoopt LDS", "ged.LDS", "~", "adoptie", "adop.", "communie", "com.", "beroep", "ber.",         // 11-19
    "pensioen", "pens.", "nationaliteit", "nati.", "naturalisatie", "natu.", "emigratie", "emi.",    // 20-27
    "immigratie", "immi.", "overlijden", "overl.", "+", "begraven", "begr.", "[]", "crematie",      // 28-36
    "crem.", "!", "verloving", "verl.", "ondertrouw", "otr.", "huwelijk", "tr.", "oo",              // 37-45
    "gehuwd kerkelijk", "tr.kk.", "ontbonden", "ontb.", "o/o", "nietigverklaring", "ntgv.",         // 46-52
    "gehuwd", "met", "aantekening bij", "kinderen", "onbekend", "bron", "copyright",                // 53-59
    "laatst bijgewerkt", "gebruiker",                                                               // 60-61
    "Maak hier de keuze welke pagina u wilt bekijken.",                                             // 62
    "Voor deze pagina zijn geen gegevens aanwezig.",                                                // 63
    "Inleiding",                                                                                    // 64
    "Geef hier met eigen woorden weer wat de INLEIDING zou moeten zijn.",                           // 65
    "Geef hier met eigen woorden weer wat u verstaat onder GEZINSBLADEN.",                          // 66
    "gezinsblad", "Afbeelding",                                                                     // 67-68
    "Overzicht van gezinsbladdragers man (gesorteerd)",                                             // 69
    "Overzicht van gezinsbladdragers vrouw (gesorteerd)",                                           // 70
    "Overzicht van personen met afbeelding (gesorteerd)",                                           // 71
    "ca.", "voor", "na", "tussen", "januari", "februari", "maart", "april", "mei", "juni", "juli",  // 72-82
    "augustus", "september", "oktober", "november", "december", "op", "te", "aantekening",          // 83-90
    "geboren", "gepensioneerd", "genaturaliseerd", "ge\xEBmigreerd", "ge\xEFmmigreerd",             // 91-95
    "geadopteerd", "overleden", "gecremeerd", "verloofd", "ondertrouwd", "man", "vrouw", "adres",   // 96-103
    "gebeurtenis", "relatie",                                                                       // 104-105
    "-- Deze persoon wenst niet opgenomen te worden --",                                            // 106
    "Het maximale aantal personen is bereikt.",                                                     // 107
    "Het maximale aantal relaties is bereikt.",                                                     // 108
    "-- Deze persoon is nog in leven --",                                                           // 109
    "berichten", "gestart om", "persoon", "geslacht ontbreekt bij:",                                // 110-113
    "beiden hebben hetzelfde geslacht:", "bestand ontbreekt:",                                      // 114-115
};

// Both override files: blank lines (after trimming) are skipped, and so is a line whose very
// first character is ';' (a blank before it makes it an entry). Returns the next entry line.
bool VolgendeRegel(TekstLezer& lezer, std::string& regel) {
    while (lezer.LeesRegel(regel)) {
        if (Trim(regel).empty() || regel[0] == ';') continue;
        return true;
    }
    return false;
}

void LeegTussenvoegsels() {
    for (auto& t : Tussenvoegsels) t.clear();
    AantalTussenvoegsels = 0;
}

} // namespace

bool StandaardTussenvoegsels() {
    LeegTussenvoegsels();
    for (const char* deeltje : StandaardDeeltjes) Tussenvoegsels[++AantalTussenvoegsels] = deeltje;
    return true;
}

bool LeesTussenvoegsels() {
    LeegTussenvoegsels();
    const std::string pad = ProgrammaMap + "/Tussenvoegsel.txt";
    if (!fs::BestandBestaat(pad)) return StandaardTussenvoegsels();
    try {
        TekstLezer lezer;
        if (!lezer.Open(pad)) return StandaardTussenvoegsels();
        std::string regel;
        // The table has 250 slots; entry lines beyond them are ignored.
        while (AantalTussenvoegsels < MaxTussenvoegsels && VolgendeRegel(lezer, regel)) {
            std::string deeltje = AsciiKleineLetters(Trim(regel));
            const std::size_t apostrof = deeltje.find('\'');
            const std::size_t punt = deeltje.find('.');
            // "d'" and "st." join the surname directly; every other particle takes a blank.
            const bool eindigtGebonden = (apostrof != std::string::npos && apostrof + 1 == deeltje.size()) ||
                                         (punt != std::string::npos && punt + 1 == deeltje.size());
            if (!eindigtGebonden) deeltje += ' ';
            Tussenvoegsels[++AantalTussenvoegsels] = std::move(deeltje);
        }
        return true;
    } catch (const IOFout&) {
        // Activation runs each time the window becomes active; a message here would come back at
        // every activation. An unreadable file is treated like a missing one.
        return StandaardTussenvoegsels();
    }
}

void StandaardUitvoerTekst() {
    UitvoerTekst[0].clear();
    for (int i = 0; i < AantalUitvoerTeksten; ++i) UitvoerTekst[i + 1] = StandaardTeksten[i];
}

bool LeesUitvoerTekst() {
    for (auto& t : UitvoerTekst) t.clear();
    const std::string pad = ProgrammaMap + "/UitvoerTekst.txt";
    if (!fs::BestandBestaat(pad)) {
        StandaardUitvoerTekst();
        return false;
    }
    int geaccepteerd = 0;
    bool geldig = true;
    try {
        TekstLezer lezer;
        if (!lezer.Open(pad)) {
            StandaardUitvoerTekst();
            return false;
        }
        std::string regel;
        while (VolgendeRegel(lezer, regel)) {
            const std::size_t komma = regel.find(',');
            // A line without a comma has an empty key, which is no number.
            const std::string sleutel = komma == std::string::npos ? std::string() : Trim(regel.substr(0, komma));
            const std::string waarde = komma == std::string::npos ? std::string() : Trim(regel.substr(komma + 1));
            std::int32_t nummer = 0;
            if (!TekstNaarGetal(sleutel, nummer)) {
                geldig = false;
                continue;
            }
            if (nummer < 1 || nummer > AantalUitvoerTeksten) continue;
            UitvoerTekst[static_cast<std::size_t>(nummer)] = waarde;
            ++geaccepteerd;
        }
    } catch (const IOFout&) {
        geldig = false; // a file read only in part is not used (see LeesTussenvoegsels for why silently)
    }
    // The file is used whole or not at all.
    if (geaccepteerd != AantalUitvoerTeksten || !geldig) StandaardUitvoerTekst();
    return true;
}

} // namespace gdk
