#pragma once
// Locale-aware case-insensitive ordering of text lines: ICU's Dutch collator at secondary
// strength (case ignored, accents count, punctuation not ignorable). Hyphen and apostrophe are
// ignored first: lines compare on their text without '-' and '\'', then on the full text, then
// byte for byte, so the order is total and the same on every machine.
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

// A byte string whose plain byte order (memcmp, std::string operator<) is the order above.
std::string Sorteersleutel(std::string_view regel1252);
// Sorts Windows-1252 lines in place in that order, on precomputed keys.
void SorteerRegels(std::vector<std::string>& regels);
// Compares two lines in that order (<0, 0, >0). For occasional use; sorting uses keys.
int VergelijkRegels(std::string_view a, std::string_view b);
// Sorts exactly as SorteerRegels does, faster for lines that carry one long part in common (the
// site folder in the paths of an index): the keys are made without the first `deel` in each
// line, and the result is checked neighbour by neighbour with the full comparison, falling back
// to SorteerRegels where leaving the part out would have changed the order.
void SorteerRegelsZonder(std::vector<std::string>& regels, std::string_view deel);

} // namespace gdk
