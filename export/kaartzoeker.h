#pragma once
// The window's search: the persons of the read collection with the words of their cards, found
// by a typed query as the site's search page finds them (export/zoekregel). Made once after a
// read; every word of the cards is held once, in byte order, with the places of the cards that
// have it, so a keystroke costs the cards it touches, not a pass over the collection.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

class KaartZoeker {
  public:
    // Takes the persons `personen` (numbers in the store) with their words as the store holds
    // them now; searches give their finds in this order.
    void Bouw(std::vector<std::int32_t> personen);
    void Wis();
    std::size_t Aantal() const { return personen_.size(); }

    // The persons a query (Windows-1252) finds, in the order of Bouw. Nothing for a query
    // without a word (only blanks or signs).
    std::vector<std::int32_t> Zoek(std::string_view vraag);

  private:
    // Fills the words and their places for personen_.
    void Verzamel();
    std::vector<std::int32_t> personen_;
    std::vector<std::string> woorden_;   // every word once, in byte order
    std::vector<std::uint32_t> begin_;   // woorden_[i] is held by plekken_[begin_[i]] up to begin_[i + 1]
    std::vector<std::uint32_t> plekken_; // places in personen_, ascending per word
    // Per place: how many words of the query so far found it.
    std::vector<std::uint32_t> treffers_;
};

} // namespace gdk
