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

// The field as ZoekVeld gives it, without a copy.
std::string_view VeldDeel(const std::string& veld) {
    return TrimDeel(veld).substr(0, MaxVeld);
}

} // namespace

std::string ZoekVeld(const std::string& veld) {
    return std::string(VeldDeel(veld));
}

std::vector<std::string> KaartWoorden(const recPersoon& p) {
    std::vector<std::string> woorden;
    for (const std::string* veld : {&p.Achternaam, &p.Tussenvoegsel, &p.Voornamen, &p.OverlijdensPlaats})
        ZoekWoorden(VeldDeel(*veld), woorden);
    ZoekJaren(VeldDeel(p.GeboorteDatum), woorden);
    ZoekJaren(VeldDeel(p.OverlijdensDatum), woorden);
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
