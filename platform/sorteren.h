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
// The positions of `regels` in that order, first the smallest. With `deel` it is faster for lines
// that carry one long part in common (the site folder in the paths of an index): the keys are
// made without the first `deel` in each line, and the result is checked neighbour by neighbour
// with the full comparison, falling back to the whole lines where leaving the part out would
// have changed the order.
std::vector<std::size_t> Sorteervolgorde(const std::vector<std::string_view>& regels,
                                         std::string_view deel = {});

// Sorts any records in that order of their texts (`tekst` gives a record's text).
template <class T, class Tekst>
void SorteerOp(std::vector<T>& items, Tekst tekst, std::string_view deel = {}) {
    std::vector<std::string_view> teksten;
    teksten.reserve(items.size());
    for (const T& item : items)
        teksten.push_back(tekst(item));
    const std::vector<std::size_t> volgorde = Sorteervolgorde(teksten, deel);
    teksten = {};
    std::vector<T> gesorteerd;
    gesorteerd.reserve(items.size());
    for (std::size_t i : volgorde)
        gesorteerd.push_back(std::move(items[i]));
    items = std::move(gesorteerd);
}

} // namespace gdk
