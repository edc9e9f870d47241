#pragma once
// Card-field text as it goes into a page line: a "<" stays only where it opens one of the simple
// formatting tags collectors use in notes (<b>, <i>, <u>, <em>, <strong>, <sup>, <sub>, their
// closing tags, <br>, <br/>, <br />, any letter case) and is written "&lt;" elsewhere, so no
// script or markup from a collection runs in a page. HtmlAttribuut also writes '"' as "&quot;",
// for a value inside a double-quoted attribute.
#include <string>
#include <string_view>

namespace gdk {

std::string HtmlTekst(std::string_view veld);
std::string HtmlAttribuut(std::string_view veld);

} // namespace gdk
