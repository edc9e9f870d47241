#pragma once
// Card text in the pages of the type 4 site. A field is first escaped by the rule of every layout
// (data/html.h: only the simple formatting tags of notes stay markup), and then made valid HTML5
// without changing what it shows: those tags closed where a field leaves them open and dropped
// where they close nothing, an "&" that starts no character reference written "&amp;", control
// characters (which HTML forbids) a blank. Windows-1252 in and out; the page is converted to UTF-8
// when it is written.
#include <string>
#include <string_view>

namespace gdk::type4 {

// A fragment of page text that card fields went into through HtmlTekst (a person page phrase,
// a note), made valid.
std::string GeldigeHtml(std::string_view fragment);
// A card field as page text: HtmlTekst, then GeldigeHtml.
std::string Html(std::string_view veld);
// A card field as plain text for an attribute, a title or a description: the formatting tags
// left out, "&", "<", ">" and '"' written as references, control characters a blank.
std::string Kaal(std::string_view veld);
// The same text without references, for the structured data (JSON) and the sitemap.
std::string KaleTekst(std::string_view veld);
// Text for XML (the sitemap): "&", "<", ">" and '"' as references.
std::string XmlTekst(std::string_view tekst);

} // namespace gdk::type4
