#include "data/html.h"

#include "platform/tekst1252.h"

namespace gdk {
namespace {

bool OpentToegestaneTag(std::string_view s) {
    static constexpr std::string_view tags[] = {"<b>",    "</b>",  "<i>",    "</i>",     "<u>",      "</u>",
                                                "<em>",   "</em>", "<br>",   "<br/>",    "<br />",   "<sup>",
                                                "</sup>", "<sub>", "</sub>", "<strong>", "</strong>"};
    for (const std::string_view tag : tags)
        if (s.size() >= tag.size() && GelijkZonderHoofdletters(s.substr(0, tag.size()), tag)) return true;
    return false;
}

std::string HtmlVeld(std::string_view veld, bool attribuut) {
    const std::size_t eerste = EersteVan(veld, attribuut ? "<\"" : "<");
    if (eerste == std::string_view::npos) return std::string(veld);
    std::string uit(veld.substr(0, eerste));
    uit.reserve(veld.size() + 16);
    for (std::size_t i = eerste; i < veld.size(); ++i) {
        const char c = veld[i];
        if (c == '<' && !OpentToegestaneTag(veld.substr(i)))
            uit += "&lt;";
        else if (c == '"' && attribuut)
            uit += "&quot;";
        else
            uit += c;
    }
    return uit;
}

} // namespace

std::string HtmlTekst(std::string_view veld) {
    return HtmlVeld(veld, false);
}

std::string HtmlAttribuut(std::string_view veld) {
    return HtmlVeld(veld, true);
}

} // namespace gdk
