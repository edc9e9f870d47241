#include "import/woordlijsten.h"

#include "data/globalen.h"
#include "data/tekst.h"
#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"

#include <sys/stat.h>

namespace gdk {

std::array<std::string, MaxTussenvoegsels + 1> Tussenvoegsels;
int AantalTussenvoegsels = 0;
std::array<std::string, AantalUitvoerTeksten + 1> UitvoerTekst;

namespace {

const char* const StandaardDeeltjes[] = {
    "d'",        "l'",      "o'",         "\xE0 ",    "'s ",      "'t ",     "ab ",      "aan den ",
    "aan de ",   "an de ",  "aen de ",    "auf 'm ",  "bij de ",  "da ",     "de la ",   "de los ",
    "del ",      "den ",    "der ",       "des ",     "de ",      "die ",    "di ",      "du ",
    "dos ",      "het ",    "im ",        "in 't ",   "in den ",  "in der ", "in de ",   "in die ",
    "in het ",   "in ",     "la ",        "le ",      "mac ",     "mijn ",   "of the ",  "onder 't ",
    "onder de ", "onder ",  "op 't ter ", "op 't ",   "op den ",  "op der ", "op de ",   "op gen ",
    "op het ",   "op ten ", "op ",        "over de ", "st. ",     "ten ",    "ter ",     "te ",
    "the ",      "tho ",    "uijt den ",  "uijt de ", "uit 't ",  "uit de ", "vam ",     "van d'",
    "van 's ",   "van 't ", "van den ",   "van der ", "van des ", "van de ", "van het ", "van ter ",
    "van ",      "ver ",    "vanden ",    "vander ",  "vande ",   "vom ",    "von den ", "von der ",
    "vonden ",   "von ",    "voor 't ",   "voor de ", "zum ",
};
static_assert(std::size(StandaardDeeltjes) == 85);

const char* const StandaardTeksten[AantalUitvoerTeksten] = {
    "GezinsBladen",                                                        // 1
    "geboorte",                                                            // 2
    "geb.",                                                                // 3
    "*",                                                                   // 4
    "gedoopt",                                                             // 5
    "ged.",                                                                // 6
    "~",                                                                   // 7
    "gedoopt 8",                                                           // 8
    "ged.8",                                                               // 9
    "~",                                                                   // 10
    "gedoopt LDS",                                                         // 11
    "ged.LDS",                                                             // 12
    "~",                                                                   // 13
    "adoptie",                                                             // 14
    "adop.",                                                               // 15
    "communie",                                                            // 16
    "com.",                                                                // 17
    "beroep",                                                              // 18
    "ber.",                                                                // 19
    "pensioen",                                                            // 20
    "pens.",                                                               // 21
    "nationaliteit",                                                       // 22
    "nati.",                                                               // 23
    "naturalisatie",                                                       // 24
    "natu.",                                                               // 25
    "emigratie",                                                           // 26
    "emi.",                                                                // 27
    "immigratie",                                                          // 28
    "immi.",                                                               // 29
    "overlijden",                                                          // 30
    "overl.",                                                              // 31
    "+",                                                                   // 32
    "begraven",                                                            // 33
    "begr.",                                                               // 34
    "[]",                                                                  // 35
    "crematie",                                                            // 36
    "crem.",                                                               // 37
    "!",                                                                   // 38
    "verloving",                                                           // 39
    "verl.",                                                               // 40
    "ondertrouw",                                                          // 41
    "otr.",                                                                // 42
    "huwelijk",                                                            // 43
    "tr.",                                                                 // 44
    "oo",                                                                  // 45
    "gehuwd kerkelijk",                                                    // 46
    "tr.kk.",                                                              // 47
    "ontbonden",                                                           // 48
    "ontb.",                                                               // 49
    "o/o",                                                                 // 50
    "nietigverklaring",                                                    // 51
    "ntgv.",                                                               // 52
    "gehuwd",                                                              // 53
    "met",                                                                 // 54
    "aantekening bij",                                                     // 55
    "kinderen",                                                            // 56
    "onbekend",                                                            // 57
    "bron",                                                                // 58
    "copyright",                                                           // 59
    "laatst bijgewerkt",                                                   // 60
    "gebruiker",                                                           // 61
    "Maak hier de keuze welke pagina u wilt bekijken.",                    // 62
    "Voor deze pagina zijn geen gegevens aanwezig.",                       // 63
    "Inleiding",                                                           // 64
    "Geef hier met eigen woorden weer wat de INLEIDING zou moeten zijn.",  // 65
    "Geef hier met eigen woorden weer wat u verstaat onder GEZINSBLADEN.", // 66
    "gezinsblad",                                                          // 67
    "Afbeelding",                                                          // 68
    "Overzicht van gezinsbladdragers man (gesorteerd)",                    // 69
    "Overzicht van gezinsbladdragers vrouw (gesorteerd)",                  // 70
    "Overzicht van personen met afbeelding (gesorteerd)",                  // 71
    "ca.",                                                                 // 72
    "voor",                                                                // 73
    "na",                                                                  // 74
    "tussen",                                                              // 75
    "januari",                                                             // 76
    "februari",                                                            // 77
    "maart",                                                               // 78
    "april",                                                               // 79
    "mei",                                                                 // 80
    "juni",                                                                // 81
    "juli",                                                                // 82
    "augustus",                                                            // 83
    "september",                                                           // 84
    "oktober",                                                             // 85
    "november",                                                            // 86
    "december",                                                            // 87
    "op",                                                                  // 88
    "te",                                                                  // 89
    "aantekening",                                                         // 90
    "geboren",                                                             // 91
    "gepensioneerd",                                                       // 92
    "genaturaliseerd",                                                     // 93
    "ge\xEBmigreerd",                                                      // 94
    "ge\xEFmmigreerd",                                                     // 95
    "geadopteerd",                                                         // 96
    "overleden",                                                           // 97
    "gecremeerd",                                                          // 98
    "verloofd",                                                            // 99
    "ondertrouwd",                                                         // 100
    "man",                                                                 // 101
    "vrouw",                                                               // 102
    "adres",                                                               // 103
    "gebeurtenis",                                                         // 104
    "relatie",                                                             // 105
    "-- Deze persoon wenst niet opgenomen te worden --",                   // 106
    "Het maximale aantal personen is bereikt.",                            // 107
    "Het maximale aantal relaties is bereikt.",                            // 108
    "-- Deze persoon is nog in leven --",                                  // 109
    "berichten",                                                           // 110
    "gestart om",                                                          // 111
    "persoon",                                                             // 112
    "geslacht ontbreekt bij:",                                             // 113
    "beiden hebben hetzelfde geslacht:",                                   // 114
    "bestand ontbreekt:",                                                  // 115
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

// Only a regular file counts: a folder of that name is no file, and opening a named pipe would
// wait for a writer and hang every activation.
bool OverschrijvingAanwezig(const std::string& pad) {
    if (!fs::BestandBestaat(pad)) return false;
    struct stat st {};
    return ::stat(fs::OpSchijf(pad).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void LeegTussenvoegsels() {
    for (auto& t : Tussenvoegsels)
        t.clear();
    AantalTussenvoegsels = 0;
}

} // namespace

bool StandaardTussenvoegsels() {
    LeegTussenvoegsels();
    for (const char* deeltje : StandaardDeeltjes)
        Tussenvoegsels[++AantalTussenvoegsels] = deeltje;
    return true;
}

bool LeesTussenvoegsels() {
    LeegTussenvoegsels();
    const std::string pad = ProgrammaMap + "/Tussenvoegsel.txt";
    if (!OverschrijvingAanwezig(pad)) return StandaardTussenvoegsels();
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
    for (int i = 0; i < AantalUitvoerTeksten; ++i)
        UitvoerTekst[i + 1] = StandaardTeksten[i];
}

bool LeesUitvoerTekst() {
    for (auto& t : UitvoerTekst)
        t.clear();
    const std::string pad = ProgrammaMap + "/UitvoerTekst.txt";
    if (!OverschrijvingAanwezig(pad)) {
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
            const std::string sleutel =
                komma == std::string::npos ? std::string() : Trim(regel.substr(0, komma));
            const std::string waarde =
                komma == std::string::npos ? std::string() : Trim(regel.substr(komma + 1));
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
