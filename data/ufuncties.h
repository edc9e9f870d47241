#pragma once
// Small stateless operations on Windows-1252 text shared by reader, composers, exports and window.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

// Status bar: two blanks + text, or + output text 110 / 67 when empty; then a repaint.
void StatusbalkIndelen();
void StatusLinks(const std::string& tekst);
void StatusRechts(const std::string& tekst);

std::string GetalOpLengte(std::int64_t n, int lengte);
std::string DuurTekst(std::uint32_t ms);
std::string ZonderSlotBackslash(const std::string& pad); // removes every closing '\' (and '/')

std::string DatumNaarNederlands(const std::string& datum);
std::string DatumNormaliseren(const std::string& datum); // reads adDatumAanpassen

std::string HoofdletterWoorden(const std::string& s, bool hoofdletters);
std::string Initialen(const std::string& voornamen);
std::string BestandsnaamSchoon(const std::string& s);
std::string VervangEnVerklein(const std::string& s, const std::string& oud, const std::string& nieuw);
std::string VerwijderTussenHaakjes(const std::string& s, char open, char sluit);

void ZoekMappen(const std::string& map, std::vector<std::string>& lijst);
bool ZoekBestanden(const std::string& map, const std::string& masker, const std::string& extensie,
                   std::vector<std::string>& lijst);
std::string LeesInhoudMeta(const std::string& regel);

// Shared helpers of the readings the system makes of texts:
// trimmed = every character of code 32 and below removed at both ends.
std::string Trim(const std::string& s);
// Card-field text as it goes into a page line: a "<" stays only where it opens one of the simple
// formatting tags collectors use in notes (<b>, <i>, <u>, <em>, <strong>, <sup>, <sub>, their
// closing tags, <br>, <br/>, <br />, any letter case) and is written "&lt;" elsewhere, so no
// script or markup from a collection runs in a page. HtmlAttribuut also writes '"' as "&quot;",
// for a value inside a double-quoted attribute.
std::string HtmlTekst(std::string_view veld);
std::string HtmlAttribuut(std::string_view veld);
// True when nothing is left after trimming; checked without building the trimmed copy, as the
// exports ask this per field and person.
bool IsLeeg(std::string_view s);
// Leading blanks and one sign, then decimal digits, within 32 bits; anything else fails.
bool TekstNaarGetal(const std::string& s, std::int32_t& uit);
// The extension starts at the last '.' after the last '\', '/' or ':'.
std::string ExtensieVervangen(const std::string& naam, const std::string& nieuw);
// The file name part: after the last '\' or '/' (and ':' when `ookDubbelePunt`).
std::string BestandsnaamDeel(const std::string& pad, bool ookDubbelePunt = false);

} // namespace gdk
