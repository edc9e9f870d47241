#pragma once
// How the search page sees card text: letters folded to a-z (case and accents dropped, Æ as
// "ae", ß as "ss"), digits kept, "ij" read as "y", everything else a word boundary. Apostrophes
// and hyphens end a word part but also join it: "D'Hondt" gives "d", "hondt" and "dhondt", so a
// visitor finds it however it is typed. The search script folds what a visitor types with the
// same table (VouwTabel), as VraagWoorden does for the window, so index and query always agree.
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

// The folded form of one Windows-1252 byte: "" for a word boundary or a joining sign.
std::string_view VouwTeken(unsigned char c);
// Apostrophes and hyphens (straight and typographic): they split a word and join it.
bool IsVerbindteken(unsigned char c);

// Appends the search words of `tekst` (Windows-1252) to `uit`; may hold repeats.
void ZoekWoorden(std::string_view tekst, std::vector<std::string>& uit);
// The years in a date text: runs of three or four digits ("ca 1895" gives "1895", "5-3-1920"
// gives "1920"; day and month numbers are no years).
void ZoekJaren(std::string_view datum, std::vector<std::string>& uit);
// The words of a typed query (Windows-1252), folded as card text is, "ij" as "y"; every sign
// (apostrophes and hyphens too) ends a word. In byte order, without repeats and without a word
// with which another typed word begins: a card that matches the longer matches it too.
std::vector<std::string> VraagWoorden(std::string_view vraag);
// The folded letters and digits of `tekst` without any boundary: "Van der Berg" gives
// "vanderberg" (no "ij" rule). Orders and names the index shards by surname.
std::string VouwAaneen(std::string_view tekst);

} // namespace gdk
