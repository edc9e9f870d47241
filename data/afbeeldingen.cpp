#include "data/afbeeldingen.h"

#include "data/namen.h"
#include "data/paden.h"
#include "platform/bestanden.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <vector>
#include <filesystem>
#include <string_view>
#include <system_error>

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

// Does `pad`, every link on the way followed, end inside the scans folder (itself followed)? A
// scans folder that came from someone else could hold a link to any file of this computer under
// a card's name, and the exports would publish it.
bool BlijftInMap(const std::string& pad, const std::string& map) {
    namespace stdfs = std::filesystem;
    const std::string opSchijf = fs::OpSchijf(pad);
    const std::string mapOpSchijf = fs::OpSchijf(map);
    std::error_code fout;
    // The exports ask this for every card: only the few entries below the folder are looked at
    // (a link there is rare, and the listings know), and only a link among them has its whole way
    // followed.
    const std::size_t n = mapOpSchijf.size();
    if (opSchijf.starts_with(mapOpSchijf) && opSchijf.size() > n &&
        (opSchijf[n] == '/' || n == 0 || mapOpSchijf[n - 1] == '/')) {
        if (!fs::LinkOpWeg(opSchijf, n)) return true;
    }
    const stdfs::path echt = stdfs::canonical(opSchijf, fout);
    if (fout) return false;
    const stdfs::path echteMap = stdfs::canonical(mapOpSchijf, fout);
    if (fout) return false;
    return std::mismatch(echteMap.begin(), echteMap.end(), echt.begin(), echt.end()).first == echteMap.end();
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
    return fs::GewoonBestandBestaat(pad) && BlijftInMap(pad, scansMap);
}

std::string KaartAfbeelding(const recPersoon& p) {
    return AlsAanwezig(p, KaartMap(p));
}

std::string VensterKaartAfbeelding(const recPersoon& p) {
    return AlsAanwezig(p, VensterKaartMap(p));
}

std::string KaartAchterkant(const recPersoon& p, const std::string& voorkantPad) {
    const std::string& voor = CodeGedenkjeVoorkant;
    const std::string& achter = CodeGedenkjeAchterkant;
    // A code holding a separator would name a file in another folder.
    if (IsLeeg(voor) || IsLeeg(achter) || GelijkZonderHoofdletters(voor, achter) ||
        EersteVan(achter, "/\\") != std::string::npos)
        return {};
    const std::string& veld = p.AfbeeldingBestand;
    if (veld.empty() || !std::string_view(voorkantPad).ends_with(veld)) return {};
    const std::string naam = BestandsnaamDeel(veld);
    const std::size_t punt = naam.rfind('.');
    const std::string_view stam = std::string_view(naam).substr(0, punt);
    if (stam.size() < voor.size() || !GelijkZonderHoofdletters(stam.substr(stam.size() - voor.size()), voor))
        return {};
    const std::string achterNaam = std::string(stam.substr(0, stam.size() - voor.size())) + achter;
    const std::string veldMap = veld.substr(0, veld.size() - naam.size());
    const std::string map = voorkantPad.substr(0, voorkantPad.size() - naam.size());

    // The front found on disk may spell its extension otherwise than the field does, or the
    // field may have none: the disk's spelling counts.
    std::vector<std::string> extensies;
    std::string opSchijf;
    if (AfbeeldingBestaat(veld, voorkantPad) &&
        VanUtf8Verliesvrij(BestandsnaamDeel(fs::OpSchijf(voorkantPad)), opSchijf)) {
        const std::size_t extPunt = opSchijf.rfind('.');
        if (extPunt != std::string::npos) extensies.push_back(opSchijf.substr(extPunt));
    }
    for (const char* e : {".jpg", ".jpeg", ".png"})
        if (std::none_of(extensies.begin(), extensies.end(),
                         [e](const std::string& x) { return GelijkZonderHoofdletters(x, e); }))
            extensies.emplace_back(e);
    for (const std::string& extensie : extensies) {
        const std::string pad = map + achterNaam + extensie;
        if (AfbeeldingBestaat(veldMap + achterNaam + extensie, pad)) return pad;
    }
    return {};
}

} // namespace gdk
