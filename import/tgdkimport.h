#pragma once
// The collection file reader: one .gdk file (one card a line, 19 semicolon-closed fields) into
// the record store, with the checks of the difference report run as the settings ask.
#include "data/tvars.h"

#include <string>
#include <string_view>

namespace gdk {

// Reads the file at CollectiePad into the store, writing findings to VerschillenBestand.
// False when no file exists there (the store is then empty); true when the reading ran to the
// end of the file or to a capacity stop. An unreadable file or report throws IOFout after the
// collection file is closed and the report finished.
bool LeesGedenkjes();

// ---- The per-line steps, shared with the checks and open to tests ----

// Takes the next field off `rest`: the text before the first ';', trimmed; `rest` becomes the
// trimmed text after it. Without a ';' left the field is empty and `rest` stays as it is.
std::string VeldNemen(std::string_view& rest);

// Sex field: upper-cased (A-Z), "M"/"MAN" -> "M", "F"/"V"/"VROUW" -> "F", anything else "U".
std::string GeslachtNormaliseren(std::string_view veld);
// Photo flag: "Y", "YES", "J", "JA", "X" (any case) -> "ja", anything else "nee".
std::string MetFotoNormaliseren(std::string_view veld);

// Eight characters from a stored date: dd-mm-jjjj gives jjjjmmdd; otherwise the last four
// characters as a whole number followed by "0000", or "00000000" when they are no number.
std::string DatumCode(const std::string& datum);

// The file-name codes of one card, working values of one line (never stored).
struct BestandsnaamCodes {
    std::string Naamcode;        // surname, initials, particle, birth date code
    std::string Overlijdenscode; // "_" + death date code
    std::string Uitvaartcode;    // "_" + burial date code, else cremation, else "_00000000"
};
std::string Naamcode(const recPersoon& p);
std::string Overlijdenscode(const recPersoon& p);
std::string Uitvaartcode(const recPersoon& p);
BestandsnaamCodes Codes(const recPersoon& p);

} // namespace gdk
