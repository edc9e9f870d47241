#include "export/bijwerkverslag.h"

#include "platform/site.h"
#include "platform/tekst1252.h"

#include <vector>

namespace gdk {
namespace {

constexpr std::size_t Genoemd = 20; // names in a message; the rest counted

std::string Aantal(std::size_t n, const char* een, const char* meer) {
    return std::to_string(n) + " " + (n == 1 ? een : meer);
}

std::string Namen(const std::vector<std::string>& namen) {
    std::string uit;
    for (std::size_t i = 0; i < namen.size() && i < Genoemd; ++i)
        uit += "\n  " + VanUtf8(namen[i]);
    if (namen.size() > Genoemd) uit += "\n  en nog " + std::to_string(namen.size() - Genoemd) + ".";
    return uit;
}

} // namespace

std::string BijwerkTelling(const fs::SiteUitkomst& u, bool hersteld) {
    return "Bijgewerkt: " + Aantal(u.geschreven.size(), "bestand", "bestanden") + " geschreven, " +
           std::to_string(u.verwijderd.size()) + " verwijderd, " + std::to_string(u.ongewijzigd) +
           " ongewijzigd" + (hersteld ? " (een onderbroken uitvoer is hersteld)" : "");
}

std::string BijwerkMelding(const std::string& siteMap, const fs::SiteUitkomst& u, bool lijstBeschadigd) {
    std::vector<std::string> delen;
    if (!u.vreemd.empty())
        delen.push_back("In de map " + siteMap +
                        " staan bestanden die Gedenkjes niet geschreven heeft. Ze zijn niet aangeraakt:" +
                        Namen(u.vreemd));
    if (!u.inDeWeg.empty())
        delen.push_back("Deze namen had de site nodig, maar er staat iets dat niet van Gedenkjes is. Het is "
                        "niet overschreven; de site wijkt daar af:" +
                        Namen(u.inDeWeg));
    if (!u.veranderd.empty())
        delen.push_back(
            "Deze bestanden had Gedenkjes geschreven, maar ze zijn sindsdien veranderd en horen niet "
            "meer bij de site. Ze zijn bewaard:" +
            Namen(u.veranderd));
    if (lijstBeschadigd)
        delen.push_back(
            "De lijst naast de site was ingekort of met de hand veranderd. Alleen wat er nog goed "
            "in stond, is verwijderd; bij twijfel is een bestand bewaard. De lijst is nu weer "
            "volledig.");
    std::string uit;
    for (const std::string& d : delen)
        uit += (uit.empty() ? "" : "\n\n") + d;
    return uit;
}

} // namespace gdk
