#pragma once
// The text fragments the person page, the relation page and the type 1 site are built from:
// the phrase of each life event, the general note, the marriage events of a relation, a one-line
// summary of a person, the word for a person's sex and the line of an alphabetical index.
// Each reads the record store by index, takes its fixed words from the output texts by number
// and follows the display settings; none of them changes any state. Texts are Windows-1252.
#include <cstdint>
#include <string>

namespace gdk {

// "geboren op <date> te <place> ..." or empty when the event has no field.
std::string GeboorteTekst(std::int32_t persoon);
std::string OverlijdensTekst(std::int32_t persoon);
std::string BegrafenisTekst(std::int32_t persoon);
std::string CrematieTekst(std::int32_t persoon);

// The general note on one line (each CR LF becomes ", "), with or without "aantekening: ".
std::string AantekeningTekst(std::int32_t persoon);
std::string BijzonderhedenTekst(std::int32_t persoon);

// All phrases of the person on one line, with the photo remark. False only when composing
// failed; `regel` then holds what was built.
bool PersoonSamenvatting(std::int32_t persoon, std::string& regel);

// The marriage events of the family; `relatieNummer` is printed after the kind "gehuwd" when
// `toonNummer` is set.
std::string HuwelijkTekst(std::int32_t gezin, std::int32_t relatieNummer, bool toonNummer);
// The line joining the two partners: the marriage events, or "relatie met" without any.
// False only when composing failed; `regel` then holds what was built.
bool RelatieTekst(std::int32_t gezin, std::int32_t relatieNummer, bool toonNummer, std::string& regel);

// "man", "vrouw" or "onbekend".
std::string GeslachtTekst(std::int32_t persoon);

// "Surname, initials particle, dd-mm-yyyy" for an index; the variant capitalises the particle's
// words and shows an unreadable birth date as the number of its digits.
struct IndexRegels {
    std::string gewoon, variant;
};
IndexRegels MaakIndexRegels(std::int32_t persoon);

// The number formed by the digits "0" to "9" of the text, in their order. `mislukt` is set when
// there are no digits or the number does not fit in 32 bits; the result is then 0.
std::int32_t AlleenCijfers(const std::string& tekst, bool& mislukt);

} // namespace gdk
