#pragma once
// Small stateless operations on Windows-1252 text that the layers above the settings share:
// numbers, durations and replacements, as the system reads and writes them.
#include <cstdint>
#include <string>

namespace gdk {

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
