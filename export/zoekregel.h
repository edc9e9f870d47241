#pragma once
// Which cards a search finds, on an exported site and in the window alike: every typed word must
// begin a word of the card's surname, particle, first names or place of death, or a year of its
// birth or death; case, accents and "ij"/"y" do not matter, and the particle may be left out. The
// site's index holds the words KaartWoorden gives and its script reads a query as VraagWoorden
// and VraagVormen do; the window's search asks these three itself.
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

struct recPersoon;

// A card field as the search reads and shows it: trimmed, at most 200 bytes. Long enough for
// any real card, short enough that a damaged card (a field of megabytes) cannot outgrow a shard.
std::string ZoekVeld(const std::string& veld);

// The search words of a card: folded (export/zoekvouw), each cut at 64 bytes, in byte order
// without repeats, at most the first 64.
std::vector<std::string> KaartWoorden(const recPersoon& p);

// The forms in which a word of a query (VraagWoorden) may begin a card's word: as typed, and
// when it ends in "i" also with "y" there, for the "ij" that the card holds as "y", half typed.
std::vector<std::string> VraagVormen(const std::string& woord);

} // namespace gdk
