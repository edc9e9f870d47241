#include "export/zoekregel.h"

#include "data/tvars.h"
#include "export/zoekvouw.h"
#include "platform/tekst1252.h"

#include <algorithm>

namespace gdk {
namespace {

constexpr std::size_t MaxVeld = 200;
constexpr std::size_t MaxWoord = 64;
constexpr std::size_t MaxWoorden = 64;

} // namespace

std::string ZoekVeld(const std::string& veld) {
    std::string t = Trim(veld);
    if (t.size() > MaxVeld) t.resize(MaxVeld);
    return t;
}

std::vector<std::string> KaartWoorden(const recPersoon& p) {
    std::vector<std::string> woorden;
    for (const std::string* veld : {&p.Achternaam, &p.Tussenvoegsel, &p.Voornamen, &p.OverlijdensPlaats})
        ZoekWoorden(ZoekVeld(*veld), woorden);
    ZoekJaren(ZoekVeld(p.GeboorteDatum), woorden);
    ZoekJaren(ZoekVeld(p.OverlijdensDatum), woorden);
    for (std::string& w : woorden)
        if (w.size() > MaxWoord) w.resize(MaxWoord);
    std::sort(woorden.begin(), woorden.end());
    woorden.erase(std::unique(woorden.begin(), woorden.end()), woorden.end());
    if (woorden.size() > MaxWoorden) woorden.resize(MaxWoorden);
    return woorden;
}

std::vector<std::string> VraagVormen(const std::string& woord) {
    std::vector<std::string> vormen{woord};
    if (!woord.empty() && woord.back() == 'i') vormen.push_back(woord.substr(0, woord.size() - 1) + "y");
    return vormen;
}

} // namespace gdk
