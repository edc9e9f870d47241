#include "data/afbeeldingen.h"

#include "data/namen.h"
#include "platform/bestanden.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <string_view>

namespace gdk {
namespace {

bool IsScheiding(char c) {
    return c == '/' || c == '\\';
}

bool HeeftOuderDeel(std::string_view pad) {
    std::size_t begin = 0;
    for (;;) {
        const std::size_t eind = EersteVan(pad, "/\\", begin);
        if (pad.substr(begin, eind == std::string_view::npos ? std::string_view::npos : eind - begin) == "..")
            return true;
        if (eind == std::string_view::npos) return false;
        begin = eind + 1;
    }
}

// Does `pad` begin with `map`, either separator counting as the other?
bool BeginMetMap(std::string_view pad, std::string_view map) {
    if (pad.size() < map.size()) return false;
    for (std::size_t i = 0; i < map.size(); ++i)
        if (pad[i] != map[i] && !(IsScheiding(pad[i]) && IsScheiding(map[i]))) return false;
    return true;
}

} // namespace

std::string AfbeeldingMapVan(const std::string& letter, const std::string& niveau1,
                             const std::string& niveau2, std::int32_t niveau) {
    if (IsLeeg(AfbeeldingBestanden)) return {};
    const std::string basis = AfbeeldingBestanden + "/" + letter + "/";
    switch (niveau) {
    case 0:
        return basis;
    case 1:
        return basis + niveau1 + "/";
    case 2:
        return basis + niveau2 + "/";
    default:
        return {};
    }
}

namespace {

std::string KaartMapOpNiveau(const recPersoon& p, std::int32_t niveau) {
    const std::string& a = p.AfbeeldingBestand;
    const std::string f = BestandsnaamSchoon(p.Achternaam);
    // A surname of one character has a folder of its own at level 1: two characters of the image
    // name would reach past it.
    return AfbeeldingMapVan(a.substr(0, 1), f.size() == 1 ? f : a.substr(0, 2), f, niveau);
}

std::string AlsAanwezig(const recPersoon& p, const std::string& map) {
    const std::string pad = map + p.AfbeeldingBestand;
    return AfbeeldingBestaat(p.AfbeeldingBestand, pad) ? pad : std::string();
}

} // namespace

std::string KaartMap(const recPersoon& p) {
    return KaartMapOpNiveau(p, NiveauAfbeeldingBestanden);
}

std::string VensterKaartMap(const recPersoon& p) {
    const std::int32_t n = NiveauAfbeeldingBestanden;
    return KaartMapOpNiveau(p, n >= 0 && n <= 2 ? n : 0);
}

bool AfbeeldingBestaat(const std::string& veld, const std::string& pad) {
    const std::string& scansMap = AfbeeldingBestanden;
    if (IsLeeg(scansMap) || veld.empty() || IsScheiding(veld[0])) return false;
    if (!BeginMetMap(pad, scansMap) || HeeftOuderDeel(veld) ||
        HeeftOuderDeel(std::string_view(pad).substr(scansMap.size())))
        return false;
    return fs::GewoonBestandBestaat(pad);
}

std::string KaartAfbeelding(const recPersoon& p) {
    return AlsAanwezig(p, KaartMap(p));
}

std::string VensterKaartAfbeelding(const recPersoon& p) {
    return AlsAanwezig(p, VensterKaartMap(p));
}

} // namespace gdk
