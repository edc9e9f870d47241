#pragma once
// Small stateless operations on Windows-1252 text that every layer above the platform shares:
// the readings the system makes of blanks, numbers and replacements.
#include <cstdint>
#include <string>
#include <string_view>

namespace gdk {

// Trimmed: every character of code 32 and below removed at both ends.
std::string Trim(const std::string& s);
// True when nothing is left after trimming; checked without building the trimmed copy, as the
// exports ask this per field and person.
bool IsLeeg(std::string_view s);
// Leading blanks and one sign, then decimal digits, within 32 bits; anything else fails.
bool TekstNaarGetal(const std::string& s, std::int32_t& uit);

// The last `lengte` digits of n, padded with zeros in front.
std::string GetalOpLengte(std::int64_t n, int lengte);
// dd:hh:mm:ss of a duration in milliseconds.
std::string DuurTekst(std::uint32_t ms);

// Every `oud` replaced by `nieuw` ignoring case, then the whole in small letters (A-Z).
std::string VervangEnVerklein(const std::string& s, const std::string& oud, const std::string& nieuw);
// Every part from `open` to the next `sluit` removed (brackets do not nest), then trimmed.
std::string VerwijderTussenHaakjes(const std::string& s, char open, char sluit);

} // namespace gdk
