#include "data/paden.h"

#include "platform/bestanden.h"
#include "platform/tekst1252.h"
#include "platform/vastehash.h"

#include <cstdio>
#include <filesystem>
#include <set>
#include <string_view>
#include <system_error>

namespace gdk {
namespace {

bool IsScheiding(char c) {
    return c == '\\' || c == '/';
}

} // namespace

std::string NaamOpLengte(const std::string& naam) {
    if (naam.size() <= MaxNaamLengte) return naam;
    char staart[10];
    std::snprintf(staart, sizeof staart, "~%08x", static_cast<unsigned>(VasteHash(naam)));
    return naam.substr(0, MaxNaamLengte - 9) + staart;
}

namespace {

void ZoekMappenIn(const std::string& map, std::vector<std::string>& lijst, std::set<std::string>& bezocht) {
    // A symbolic link back up the tree would otherwise make the walk endless.
    std::error_code ec;
    const std::filesystem::path echt = std::filesystem::canonical(fs::OpSchijf(map), ec);
    if (!ec && !bezocht.insert(echt.string()).second) return;

    const std::string basis = !map.empty() && IsScheiding(map.back()) ? map : map + "/";
    for (const fs::Item& item : fs::Lijst(basis)) {
        if (!item.isMap || item.naam.empty() || item.naam[0] == '.') continue;
        lijst.push_back(basis + item.naam);
        ZoekMappenIn(basis + item.naam, lijst, bezocht);
    }
}

} // namespace

void ZoekMappen(const std::string& map, std::vector<std::string>& lijst) {
    std::set<std::string> bezocht;
    ZoekMappenIn(map, lijst, bezocht);
}

bool ZoekBestanden(const std::string& map, const std::string& masker, const std::string& extensie,
                   std::vector<std::string>& lijst) {
    const std::string patroon = masker + "." + extensie;
    bool gevonden = false;
    for (const fs::Item& item : fs::Lijst(map)) {
        if (!fs::PastOpMasker(item.naam, patroon)) continue;
        gevonden = true; // a matching folder counts as found, though it is not listed
        if (!item.isMap) lijst.push_back(map + "/" + item.naam);
    }
    return gevonden;
}

namespace {

std::string ExtensieVervangenNa(const std::string& naam, const std::string& nieuw,
                                std::string_view scheidingen) {
    const std::size_t scheiding = LaatsteVan(naam, scheidingen);
    const std::size_t punt = naam.rfind('.');
    if (punt == std::string::npos || (scheiding != std::string::npos && punt < scheiding))
        return naam + nieuw;
    return naam.substr(0, punt) + nieuw;
}

std::string NaLaatste(const std::string& pad, std::string_view scheidingen) {
    const std::size_t p = LaatsteVan(pad, scheidingen);
    return p == std::string::npos ? pad : pad.substr(p + 1);
}

} // namespace

std::string ExtensieVervangen(const std::string& naam, const std::string& nieuw) {
    return ExtensieVervangenNa(naam, nieuw, "\\/:");
}

std::string BestandsnaamDeel(const std::string& pad, bool ookDubbelePunt) {
    return NaLaatste(pad, ookDubbelePunt ? "\\/:" : "\\/");
}

std::string OsZonderSlotScheiding(const std::string& pad) {
    std::size_t eind = pad.size();
    while (eind > 0 && pad[eind - 1] == '/')
        --eind;
    return pad.substr(0, eind);
}

std::string OsExtensieVervangen(const std::string& pad, const std::string& nieuw) {
    return ExtensieVervangenNa(pad, nieuw, "/");
}

std::string OsBestandsnaamDeel(const std::string& pad) {
    return NaLaatste(pad, "/");
}

} // namespace gdk
