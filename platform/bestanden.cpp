#include "platform/bestanden.h"

#include "platform/tekst1252.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <unordered_map>

namespace gdk::fs {
namespace {

enum class Soort : unsigned char { Onbekend, Bestand, Map, Anders, Geen };

Soort SoortVan(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return Soort::Map;
    if (S_ISREG(st.st_mode)) return Soort::Bestand;
    return Soort::Anders;
}

Soort StatSoort(const std::string& pad) {
    struct stat st{};
    if (::stat(pad.empty() ? "/" : pad.c_str(), &st) != 0) return Soort::Geen;
    return SoortVan(st);
}

// The key under which a name on disk matches case-insensitively: the name as Windows-1252 in
// small letters. A name that is not valid UTF-8 is taken byte for byte (old media); a UTF-8 name
// with characters Windows-1252 lacks cannot be spelled by the program, so it gets no key.
bool Vouwsleutel(const std::string& opSchijf, std::string& sleutel) {
    if (IsGeldigUtf8(opSchijf)) {
        if (!VanUtf8Verliesvrij(opSchijf, sleutel)) return false;
    } else {
        sleutel = opSchijf;
    }
    sleutel = KleineLetters1252(sleutel);
    return true;
}

struct MapInhoud {
    bool leesbaar = false;
    std::unordered_map<std::string, Soort> exact;          // name on disk -> kind
    std::unordered_map<std::string, std::string> gevouwen; // key -> first name on disk in byte order

    void Voegtoe(const std::string& naam, Soort soort) {
        exact[naam] = soort;
        std::string sleutel;
        if (!Vouwsleutel(naam, sleutel)) return;
        auto [it, nieuw] = gevouwen.try_emplace(std::move(sleutel), naam);
        if (!nieuw && naam < it->second) it->second = naam;
    }

    void Verwijder(const std::string& naam) {
        if (exact.erase(naam) == 0) return;
        std::string sleutel;
        if (!Vouwsleutel(naam, sleutel)) return;
        auto it = gevouwen.find(sleutel);
        if (it == gevouwen.end() || it->second != naam) return;
        gevouwen.erase(it);
        // Rare (the program removes few files): look for the next name with the same key.
        std::string s2;
        for (const auto& [n, k] : exact) {
            if (Vouwsleutel(n, s2) && s2 == sleutel) {
                auto [j, nieuw] = gevouwen.try_emplace(sleutel, n);
                if (!nieuw && n < j->second) j->second = n;
            }
        }
    }
};

struct Cache {
    std::unordered_map<std::string, MapInhoud> mappen;      // folder on disk -> its entries
    std::unordered_map<std::string, std::string> opgelost; // folder as asked -> folder on disk
};

int cacheDiepte = 0;
std::unique_ptr<Cache> cache;
std::vector<std::string> exacteMappen;

Soort UitDirent(const dirent* e) {
    switch (e->d_type) {
    case DT_DIR: return Soort::Map;
    case DT_REG: return Soort::Bestand;
    case DT_UNKNOWN:
    case DT_LNK: return Soort::Onbekend; // a link takes the kind of its target, found when asked
    default: return Soort::Anders;
    }
}

MapInhoud& Inhoud(const std::string& map) {
    auto [it, nieuw] = cache->mappen.try_emplace(map);
    MapInhoud& m = it->second;
    if (!nieuw) return m;
    DIR* d = ::opendir(map.empty() ? "/" : map.c_str());
    if (!d) return m;
    m.leesbaar = true;
    while (const dirent* e = ::readdir(d)) {
        const std::string naam = e->d_name;
        if (naam == "." || naam == "..") continue;
        m.Voegtoe(naam, UitDirent(e));
    }
    ::closedir(d);
    return m;
}

struct Gevonden {
    std::string naam;
    Soort soort;
};

// One component `naam1252` (utf8: its disk form) inside the existing folder `map`.
std::optional<Gevonden> ZoekInMap(const std::string& map, const std::string& naam1252, const std::string& utf8) {
    if (cache) {
        MapInhoud& m = Inhoud(map);
        if (m.leesbaar) {
            auto it = m.exact.find(utf8);
            if (it == m.exact.end() && utf8 != naam1252) it = m.exact.find(naam1252);
            if (it != m.exact.end()) return Gevonden{it->first, it->second};
            auto g = m.gevouwen.find(KleineLetters1252(naam1252));
            if (g != m.gevouwen.end()) return Gevonden{g->second, m.exact[g->second]};
        }
        // Entries made behind the program's back with this exact name are still found.
        const Soort s = StatSoort(map + "/" + utf8);
        if (s != Soort::Geen) {
            if (m.leesbaar) m.Voegtoe(utf8, s);
            return Gevonden{utf8, s};
        }
        return std::nullopt;
    }

    Soort s = StatSoort(map + "/" + utf8);
    if (s != Soort::Geen) return Gevonden{utf8, s};
    if (utf8 != naam1252) {
        s = StatSoort(map + "/" + naam1252);
        if (s != Soort::Geen) return Gevonden{naam1252, s};
    }
    DIR* d = ::opendir(map.empty() ? "/" : map.c_str());
    if (!d) return std::nullopt;
    const std::string gezocht = KleineLetters1252(naam1252);
    std::optional<Gevonden> beste;
    std::string sleutel;
    while (const dirent* e = ::readdir(d)) {
        const std::string naam = e->d_name;
        if (naam == "." || naam == "..") continue;
        if (!Vouwsleutel(naam, sleutel) || sleutel != gezocht) continue;
        if (!beste || naam < beste->naam) beste = Gevonden{naam, UitDirent(e)};
    }
    ::closedir(d);
    return beste;
}

bool IsExact(const std::string& pad) {
    for (const std::string& p : exacteMappen) {
        if (pad.size() >= p.size() && pad.compare(0, p.size(), p) == 0 &&
            (pad.size() == p.size() || pad[p.size()] == '/' || p.empty()))
            return true;
    }
    return false;
}

struct Resultaat {
    std::string pad;                // on disk, absolute, '/' separated
    Soort soort = Soort::Onbekend; // Geen when a component is missing
};

std::vector<std::string> Delen(const std::string& pad1252) {
    std::vector<std::string> delen;
    std::string deel;
    for (char c : pad1252) {
        if (c == '/' || c == '\\') {
            if (!deel.empty()) delen.push_back(std::move(deel));
            deel.clear();
        } else {
            deel += c;
        }
    }
    if (!deel.empty()) delen.push_back(std::move(deel));
    return delen;
}

std::string Werkmap() {
    std::string buf(4096, '\0');
    while (!::getcwd(buf.data(), buf.size())) {
        if (errno != ERANGE) return ".";
        buf.resize(buf.size() * 2);
    }
    buf.resize(std::char_traits<char>::length(buf.c_str()));
    if (buf == "/") buf.clear();
    return buf;
}

Resultaat Los(const std::string& pad1252) {
    const bool absoluut = !pad1252.empty() && (pad1252[0] == '/' || pad1252[0] == '\\');
    const std::vector<std::string> delen = Delen(pad1252);
    Resultaat r;
    r.pad = absoluut ? std::string() : Werkmap();
    r.soort = Soort::Map;
    bool ontbreekt = false;
    bool exact = IsExact(r.pad);
    std::size_t begin = 0;

    // Inside a scope the folder part of a path is looked up once: 200000 files in one folder
    // then cost one hash lookup for the folder and one for the name.
    std::string mapSleutel;
    if (cache && delen.size() > 1) {
        mapSleutel = r.pad;
        for (std::size_t i = 0; i + 1 < delen.size(); ++i) (mapSleutel += '/') += delen[i];
        auto it = cache->opgelost.find(mapSleutel);
        if (it != cache->opgelost.end()) {
            r.pad = it->second;
            exact = IsExact(r.pad);
            begin = delen.size() - 1;
        }
    }

    for (std::size_t i = begin; i < delen.size(); ++i) {
        const std::string& deel = delen[i];
        if (deel == "." || deel == "..") {
            r.pad += '/' + deel;
            if (!ontbreekt) r.soort = Soort::Onbekend;
            exact = exact || IsExact(r.pad);
            continue;
        }
        const std::string utf8 = NaarUtf8(deel);
        // Past a missing component the tail is created as given; below an export's own
        // folder every name is the program's own and matches exactly.
        if (ontbreekt || exact) {
            r.pad += '/' + utf8;
            if (!ontbreekt) r.soort = Soort::Onbekend;
            continue;
        }
        if (r.soort == Soort::Onbekend) r.soort = StatSoort(r.pad);
        if (r.soort == Soort::Map && i == delen.size() - 1 && !mapSleutel.empty())
            cache->opgelost.emplace(mapSleutel, r.pad);
        std::optional<Gevonden> g;
        if (r.soort == Soort::Map) g = ZoekInMap(r.pad, deel, utf8);
        if (g) {
            r.pad += '/' + g->naam;
            r.soort = g->soort;
            if (!exacteMappen.empty()) exact = IsExact(r.pad);
        } else {
            ontbreekt = true;
            r.pad += '/' + utf8;
            r.soort = Soort::Geen;
        }
    }
    if (r.pad.empty()) r.pad = "/";
    if (r.soort == Soort::Onbekend) r.soort = StatSoort(r.pad);
    return r;
}

std::pair<std::string, std::string> Splits(const std::string& opSchijf) {
    const auto p = opSchijf.find_last_of('/');
    if (p == std::string::npos) return {".", opSchijf};
    return {opSchijf.substr(0, p), opSchijf.substr(p + 1)};
}

void Aangemaakt(const std::string& opSchijf, Soort soort) {
    if (!cache) return;
    auto [map, naam] = Splits(opSchijf);
    auto it = cache->mappen.find(map);
    if (it != cache->mappen.end() && it->second.leesbaar) it->second.Voegtoe(naam, soort);
}

} // namespace

std::string OpSchijf(const std::string& pad1252) { return Los(pad1252).pad; }

bool Bestaat(const std::string& pad1252) { return Los(pad1252).soort != Soort::Geen; }

bool BestandBestaat(const std::string& pad1252) {
    const Soort s = Los(pad1252).soort;
    return s == Soort::Bestand || s == Soort::Anders;
}

bool MapBestaat(const std::string& pad1252) { return Los(pad1252).soort == Soort::Map; }

bool MaakMappen(const std::string& pad1252) {
    const Resultaat r = Los(pad1252);
    if (r.soort == Soort::Map) return true;
    if (r.soort != Soort::Geen) return false;
    // Create each missing component from the top; the existing part is as resolved.
    std::size_t p = 1;
    while (p <= r.pad.size()) {
        std::size_t q = r.pad.find('/', p);
        if (q == std::string::npos) q = r.pad.size();
        const std::string deel = r.pad.substr(0, q);
        if (::mkdir(deel.c_str(), 0777) == 0) {
            Aangemaakt(deel, Soort::Map);
        } else if (errno != EEXIST) {
            return false;
        }
        p = q + 1;
    }
    return StatSoort(r.pad) == Soort::Map;
}

bool Verwijder(const std::string& pad1252) {
    const Resultaat r = Los(pad1252);
    if (r.soort == Soort::Geen) return true;
    if (::unlink(r.pad.c_str()) != 0) return errno == ENOENT;
    MeldVerwijderd(r.pad);
    return true;
}

bool Kopieer(const std::string& bron1252, const std::string& doel1252) {
    const std::string bron = OpSchijf(bron1252);
    const std::string doel = OpSchijf(doel1252);
    std::FILE* in = std::fopen(bron.c_str(), "rb");
    if (!in) return false;
    struct stat sb{}, sd{};
    if (::fstat(fileno(in), &sb) != 0 || S_ISDIR(sb.st_mode)) {
        std::fclose(in);
        return false;
    }
    // Copying a file onto itself would truncate it first: the copy is already there.
    if (::stat(doel.c_str(), &sd) == 0 && sd.st_dev == sb.st_dev && sd.st_ino == sb.st_ino) {
        std::fclose(in);
        return true;
    }
    std::FILE* uit = std::fopen(doel.c_str(), "wb");
    if (!uit) {
        std::fclose(in);
        return false;
    }
    Aangemaakt(doel, Soort::Bestand);
    std::vector<char> buf(1 << 16);
    bool goed = true;
    for (;;) {
        const std::size_t n = std::fread(buf.data(), 1, buf.size(), in);
        if (n > 0 && std::fwrite(buf.data(), 1, n, uit) != n) {
            goed = false;
            break;
        }
        if (n < buf.size()) {
            if (std::ferror(in)) goed = false;
            break;
        }
    }
    std::fclose(in);
    if (std::fclose(uit) != 0) goed = false;
    if (!goed) {
        // No half copy left behind that looks like a good one.
        ::unlink(doel.c_str());
        MeldVerwijderd(doel);
    }
    return goed;
}

std::uintmax_t Grootte(const std::string& pad1252) {
    struct stat st{};
    if (::stat(OpSchijf(pad1252).c_str(), &st) != 0) return 0;
    return static_cast<std::uintmax_t>(st.st_size);
}

std::vector<Item> Lijst(const std::string& map1252) {
    const std::string map = OpSchijf(map1252);
    std::vector<std::pair<std::string, bool>> namen;
    DIR* d = ::opendir(map.c_str());
    if (!d) return {};
    while (const dirent* e = ::readdir(d)) {
        std::string naam = e->d_name;
        if (naam == "." || naam == "..") continue;
        Soort s = UitDirent(e);
        if (s == Soort::Onbekend) s = StatSoort(map + "/" + naam);
        namen.emplace_back(std::move(naam), s == Soort::Map);
    }
    ::closedir(d);
    std::sort(namen.begin(), namen.end());
    std::vector<Item> uit;
    uit.reserve(namen.size());
    for (auto& [naam, isMap] : namen) uit.push_back(Item{VanUtf8(naam), isMap});
    return uit;
}

bool PastOpMasker(const std::string& naam, const std::string& masker) {
    if (masker == "*.*" || masker == "*") return true;
    // Wildcard match with backtracking to the last '*'.
    std::size_t n = 0, m = 0, sterM = std::string::npos, sterN = 0;
    while (n < naam.size()) {
        if (m < masker.size() && masker[m] == '*') {
            sterM = m++;
            sterN = n;
        } else if (m < masker.size() &&
                   (masker[m] == '?' || KleinLetter1252(masker[m]) == KleinLetter1252(naam[n]))) {
            ++m;
            ++n;
        } else if (sterM != std::string::npos) {
            m = sterM + 1;
            n = ++sterN;
        } else {
            return false;
        }
    }
    while (m < masker.size() && masker[m] == '*') ++m;
    return m == masker.size();
}

std::FILE* OpenBestand(const std::string& pad1252, const char* modus) {
    const Resultaat r = Los(pad1252);
    std::FILE* f = std::fopen(r.pad.c_str(), modus);
    if (f && r.soort == Soort::Geen) Aangemaakt(r.pad, Soort::Bestand);
    return f;
}

void MeldAangemaakt(const std::string& opSchijf, bool isMap) {
    Aangemaakt(opSchijf, isMap ? Soort::Map : Soort::Bestand);
}

void MeldVerwijderd(const std::string& opSchijf) {
    if (!cache) return;
    auto [map, naam] = Splits(opSchijf);
    auto it = cache->mappen.find(map);
    if (it != cache->mappen.end()) it->second.Verwijder(naam);
    cache->opgelost.clear();
}

CacheScope::CacheScope() {
    if (cacheDiepte++ == 0) cache = std::make_unique<Cache>();
}

CacheScope::~CacheScope() {
    if (--cacheDiepte == 0) cache.reset();
}

ExacteMapScope::ExacteMapScope(const std::string& map1252) { exacteMappen.push_back(OpSchijf(map1252)); }

ExacteMapScope::~ExacteMapScope() {
    if (!exacteMappen.empty()) exacteMappen.pop_back();
}

} // namespace gdk::fs
