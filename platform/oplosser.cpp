#include "platform/bestanden.h"

#include "platform/bestanden_intern.h"
#include "platform/site_intern.h"
#include "platform/tekst1252.h"
#include "platform/weigering.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk::fs {

namespace {

// All of the layer's state, in one place: the listing cache, the folders exports write fresh,
// what they wrote and the refusal scope.
Toestand S;

inline bool IsScheiding(char c) {
    return c == '/' || c == '\\';
}

MapInhoud& Inhoud(const std::string& map) {
    auto [it, nieuw] = S.cache->mappen.try_emplace(map);
    if (nieuw) {
        // In a kept site nothing is there until the export makes it (site.h).
        if (InBijgehoudenSite(map))
            it->second.leesbaar = true;
        else
            LeesMapInhoud(map, it->second);
    }
    return it->second;
}

struct Gevonden {
    std::string naam;
    Soort soort;
};

// One component `naam1252` (utf8: its disk form) inside the existing folder `map`.
std::optional<Gevonden> ZoekInMap(const std::string& map, MapInhoud* inhoud, const std::string& naam1252,
                                  const std::string& utf8) {
    if (S.cache) {
        MapInhoud& m = inhoud ? *inhoud : Inhoud(map);
        if (m.leesbaar) {
            Naam* n = m.Zoek(naam1252, utf8);
            if (!n || n->opSchijf != utf8) {
                // The same bytes come before a match in another case, also when they happen to
                // be valid UTF-8 (and so filed under their Windows-1252 reading). Rare: ask the disk.
                if (utf8 != naam1252 && (!n || n->opSchijf != naam1252) && IsGeldigUtf8(naam1252)) {
                    const Soort s = StatSoort(map + "/" + naam1252);
                    if (s != Soort::Geen) return Gevonden{naam1252, s};
                }
            }
            if (n) {
                if (n->soort == Soort::Onbekend) n->soort = StatSoort((map + "/").append(n->opSchijf));
                return Gevonden{std::string(n->opSchijf), n->soort};
            }
            return std::nullopt; // a miss in the listing is a miss: no disk access
        }
        // A folder that cannot be listed (search permission only) is asked name by name.
        const Soort s = StatSoort(map + "/" + utf8);
        if (s != Soort::Geen) return Gevonden{utf8, s};
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

// Is `pad` the folder `map` itself or a path below it? The root ("") holds every path.

bool IsExact(std::string_view pad) {
    return std::any_of(S.sites.begin(), S.sites.end(), [&](const Site* s) { return s->IsOnder(pad); });
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

// The walk over the components of `pad1252` from `van` to `tot`, starting in r.pad.
struct Wandeling {
    Resultaat r;
    bool ontbreekt = false;
    bool exact = false;
    MapInhoud* inhoud = nullptr; // listing of r.pad when known

    void Stap(const std::string& deel) {
        if (deel == "." || deel == "..") {
            (r.pad += '/') += deel;
            if (!ontbreekt) r.soort = Soort::Onbekend;
            exact = exact || IsExact(r.pad);
            inhoud = nullptr;
            return;
        }
        const std::string utf8 = NaarUtf8(deel);
        // Past a missing component the tail is created as given; below an export's own
        // folder every name is the program's own and matches exactly.
        if (ontbreekt || exact) {
            (r.pad += '/') += utf8;
            if (!ontbreekt) r.soort = Soort::Onbekend;
            inhoud = nullptr;
            return;
        }
        if (r.soort == Soort::Onbekend) r.soort = StatSoort(r.pad);
        std::optional<Gevonden> g;
        if (r.soort == Soort::Map) g = ZoekInMap(r.pad, inhoud, deel, utf8);
        inhoud = nullptr;
        if (g) {
            (r.pad += '/') += g->naam;
            r.soort = g->soort;
            if (!S.sites.empty()) exact = IsExact(r.pad);
        } else {
            ontbreekt = true;
            (r.pad += '/') += utf8;
            r.soort = Soort::Geen;
        }
    }

    void Stappen(std::string_view pad1252, std::size_t van, std::size_t tot) {
        std::string deel;
        std::size_t begin = van;
        for (std::size_t i = van; i <= tot; ++i) {
            if (i == tot || IsScheiding(pad1252[i])) {
                if (i > begin) {
                    deel.assign(pad1252.substr(begin, i - begin));
                    Stap(deel);
                }
                begin = i + 1;
            }
        }
    }
};

std::pair<std::string, std::string> Splits(const std::string& opSchijf) {
    const auto p = opSchijf.find_last_of('/');
    if (p == std::string::npos) return {".", opSchijf};
    return {opSchijf.substr(0, p), opSchijf.substr(p + 1)};
}

// Below an export's own tree names match exactly, and the export keeps the listings of its
// folders right as it creates entries: the listing answers without asking the disk.
Soort SoortInLijst(MapInhoud& m, std::string_view naam, const std::string& pad) {
    bool bekend = false;
    Naam* n = m.leesbaar ? m.ZoekExact(naam, bekend) : nullptr;
    if (!m.leesbaar || !bekend) return StatSoort(pad);
    if (!n) return Soort::Geen;
    if (n->soort == Soort::Onbekend) n->soort = StatSoort(pad);
    return n->soort;
}

Soort SoortUitLijst(const std::string& pad) {
    const auto [map, naam] = Splits(pad);
    return SoortInLijst(Inhoud(map), naam, pad);
}

Resultaat LosOpnieuw(const std::string& pad1252);

} // namespace

Toestand& Staat() {
    return S;
}

bool OpOfOnder(std::string_view pad, std::string_view map) {
    return pad.size() >= map.size() && pad.compare(0, map.size(), map) == 0 &&
           (pad.size() == map.size() || pad[map.size()] == '/' || map.empty());
}

Resultaat Los(const std::string& pad1252) {
    if (!S.cache) return LosOpnieuw(pad1252);
    Cache& c = *S.cache;
    for (const Cache::Vorig& v : c.vorige)
        if (v.r && v.pad == pad1252) return *v.r;
    Resultaat r = LosOpnieuw(pad1252);
    if (!InExacteMap(r.pad)) {
        Cache::Vorig& v = c.vorige[c.volgendeVorig];
        c.volgendeVorig = (c.volgendeVorig + 1) % c.vorige.size();
        v.pad = pad1252;
        v.r = r;
    }
    return r;
}

namespace {

// The path the user gave that `pad1252` starts with (the longest), or nullptr.
const LetterlijkPad* LetterlijkVoor(const std::string& pad1252) {
    const LetterlijkPad* beste = nullptr;
    for (const LetterlijkPad& l : S.letterlijk)
        if (!l.tekst.empty() && OpOfOnder(pad1252, l.tekst) &&
            (!beste || l.tekst.size() > beste->tekst.size()))
            beste = &l;
    return beste;
}

Resultaat LosOpnieuw(const std::string& heelPad) {
    // No path names nothing (not the working folder).
    if (heelPad.empty()) return Resultaat{{}, Soort::Geen};
    Wandeling w;
    // A path the user gave is where the walk starts, as it is; only what follows it is resolved.
    const LetterlijkPad* letterlijk = LetterlijkVoor(heelPad);
    const std::string_view pad1252 =
        letterlijk ? std::string_view(heelPad).substr(letterlijk->tekst.size()) : std::string_view(heelPad);
    if (letterlijk) {
        w.r.pad = letterlijk->opSchijf;
        w.r.soort = Soort::Onbekend;
    } else {
        w.r.pad = IsScheiding(pad1252[0]) ? std::string() : Werkmap();
        w.r.soort = Soort::Map;
    }
    w.exact = IsExact(w.r.pad);

    // The last component and the folder text before it.
    std::size_t eind = pad1252.size();
    while (eind > 0 && IsScheiding(pad1252[eind - 1]))
        --eind;
    std::size_t begin = eind;
    while (begin > 0 && !IsScheiding(pad1252[begin - 1]))
        --begin;

    if (S.cache && begin > 0 && !w.exact) {
        // Inside a scope the folder part is resolved once: 200000 files in one folder then
        // cost one lookup for the folder and one for the name.
        // The key: where a relative path starts, and the folder text.
        const std::string_view map(pad1252.data(), begin);
        const OpgelostMap* op = nullptr;
        for (const Cache::Recent& r : S.cache->recent)
            if (r.map && r.sleutel.size() == w.r.pad.size() + 1 + map.size() &&
                r.sleutel.compare(w.r.pad.size() + 1, map.size(), map) == 0 &&
                r.sleutel.compare(0, w.r.pad.size(), w.r.pad) == 0) {
                op = r.map;
                break;
            }
        if (!op) {
            std::string sleutel = w.r.pad;
            sleutel += '\0';
            sleutel.append(map);
            auto it = S.cache->opgelost.find(sleutel);
            if (it == S.cache->opgelost.end()) {
                w.Stappen(pad1252, 0, begin);
                // An export's own folder is remembered too, once its parent's listing shows it:
                // every page of the export would otherwise walk its whole path again.
                if (!w.ontbreekt && w.exact && w.r.soort == Soort::Onbekend)
                    w.r.soort = SoortUitLijst(w.r.pad);
                if (!w.ontbreekt && w.r.soort == Soort::Map)
                    it = S.cache->opgelost.emplace(sleutel, OpgelostMap{w.r.pad, &Inhoud(w.r.pad), w.exact})
                             .first;
            }
            if (it != S.cache->opgelost.end()) {
                op = &it->second;
                S.cache->recent[S.cache->volgende] = Cache::Recent{std::move(sleutel), op};
                S.cache->volgende = (S.cache->volgende + 1) % S.cache->recent.size();
            }
        }
        if (op) {
            w.r.pad = op->pad;
            w.r.soort = Soort::Map;
            w.exact = op->exact;
            w.inhoud = op->inhoud;
            w.ontbreekt = false;
        }
        w.Stappen(pad1252, begin, eind);
        // A name in an export's own folder: its listing, already at hand, tells.
        if (op && op->exact && w.r.soort == Soort::Onbekend && w.r.pad.size() > op->pad.size() &&
            w.r.pad.find('/', op->pad.size() + 1) == std::string::npos) {
            const std::string_view naam = std::string_view(w.r.pad).substr(op->pad.size() + 1);
            if (naam != "." && naam != "..") w.r.soort = SoortInLijst(*op->inhoud, naam, w.r.pad);
        }
    } else {
        w.Stappen(pad1252, 0, eind);
    }
    Resultaat& r = w.r;
    if (r.pad.empty()) r.pad.push_back('/'); // the root itself
    if (r.soort == Soort::Onbekend) r.soort = w.exact && S.cache ? SoortUitLijst(r.pad) : StatSoort(r.pad);
    return std::move(r);
}

} // namespace

void Aangemaakt(const std::string& opSchijf, Soort soort) {
    if (!S.cache) return;
    if (!InExacteMap(opSchijf)) S.cache->VergeetVorige();
    auto [map, naam] = Splits(opSchijf);
    auto it = S.cache->mappen.find(map);
    if (it != S.cache->mappen.end() && it->second.leesbaar) it->second.Voegtoe(std::move(naam), soort);
    // A folder the program just made is empty: its listing is known without reading it.
    if (soort == Soort::Map) {
        MapInhoud& nieuw = S.cache->mappen[opSchijf];
        nieuw = MapInhoud{};
        nieuw.leesbaar = true;
    }
}

// The resolved folders remembered by a cache may lie below a folder that is gone or that
// changes its matching rule.
void VergeetOpgeloste() {
    if (!S.cache) return;
    S.cache->VergeetVorige();
    S.cache->opgelost.clear();
    S.cache->recent = {};
}

std::string OpSchijf(const std::string& pad1252) {
    return Los(pad1252).pad;
}

bool Bestaat(const std::string& pad1252) {
    return Los(pad1252).soort != Soort::Geen;
}

bool BestandBestaat(const std::string& pad1252) {
    const Soort s = Los(pad1252).soort;
    return s == Soort::Bestand || s == Soort::Anders;
}

bool GewoonBestandBestaat(const std::string& pad1252) {
    return Los(pad1252).soort == Soort::Bestand;
}

bool LinkOpWeg(const std::string& opSchijf, std::size_t vanaf) {
    for (std::size_t begin = vanaf; begin < opSchijf.size();) {
        if (opSchijf[begin] == '/') {
            ++begin;
            continue;
        }
        const std::size_t eind = std::min(opSchijf.find('/', begin), opSchijf.size());
        bool geenLink = false;
        if (S.cache && begin > 0) {
            MapInhoud& m = Inhoud(opSchijf.substr(0, begin - 1));
            bool bekend = false;
            const Naam* n = m.leesbaar
                                ? m.ZoekExact(std::string_view(opSchijf).substr(begin, eind - begin), bekend)
                                : nullptr;
            geenLink = n && !n->misschienLink;
        }
        struct stat st {};
        if (!geenLink && ::lstat(opSchijf.substr(0, eind).c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            return true;
        begin = eind;
    }
    return false;
}

bool MapBestaat(const std::string& pad1252) {
    return Los(pad1252).soort == Soort::Map;
}

bool MaakMappen(const std::string& pad1252) {
    const Resultaat r = Los(pad1252);
    if (r.soort == Soort::Map) return true;
    if (r.soort != Soort::Geen || r.pad.empty()) return false;
    // The existing part is as resolved; only the missing tail is made.
    return MaakMappenOpSchijf(r.pad);
}

bool MaakMappenOpSchijf(const std::string& opSchijf, unsigned modus) {
    // Each missing component from the top; below a site folder that stands, from there.
    std::size_t p = 1;
    if (Site* site = SiteVan(opSchijf); site && site->Bijhouden() && site->Fd() >= 0)
        p = site->Pad().size() + 1;
    bool zeker = false;
    while (p <= opSchijf.size()) {
        std::size_t q = opSchijf.find('/', p);
        if (q == std::string::npos) q = opSchijf.size();
        const std::string deel = opSchijf.substr(0, q);
        // A kept site's folders are its own business: made, or found and taken in.
        Site* site = SiteVan(deel);
        if (!site && !S.sites.empty() && S.sites.back()->Pad() == deel) site = S.sites.back();
        zeker = false;
        if (site && site->Bijhouden()) {
            if (!site->MaakMap(site->Relatief(deel), deel)) return false;
            zeker = true; // the site made it or found a folder there
        } else if (::mkdir(deel.c_str(), modus) == 0) {
            Aangemaakt(deel, Soort::Map);
        } else if (errno != EEXIST) {
            ControleerWeigering(VanUtf8(deel), errno, true);
            return false;
        }
        p = q + 1;
    }
    return zeker || StatSoort(opSchijf) == Soort::Map;
}

bool Verwijder(const std::string& pad1252) {
    const Resultaat r = Los(pad1252);
    // A link goes itself, never what it points to; a dangling one too.
    if (::unlink(r.pad.c_str()) != 0) return errno == ENOENT || errno == ENOTDIR;
    MeldVerwijderd(r.pad);
    return true;
}

std::uintmax_t Grootte(const std::string& pad1252) {
    struct stat st {};
    if (::stat(OpSchijf(pad1252).c_str(), &st) != 0) return 0;
    return static_cast<std::uintmax_t>(st.st_size);
}

std::vector<Item> Lijst(const std::string& map1252) {
    const std::string map = OpSchijf(map1252);
    std::vector<std::pair<std::string, bool>> namen;
    if (S.cache && InBijgehoudenSite(map)) {
        // A kept site as the export made it so far, not as the disk has it.
        if (Los(map1252).soort != Soort::Map) return {};
        Inhoud(map).namen.VoorElk([&](std::string_view, const Namen& n) {
            namen.emplace_back(std::string(n.eerste.opSchijf), n.eerste.soort == Soort::Map);
            for (const Naam& m : n.meer)
                namen.emplace_back(std::string(m.opSchijf), m.soort == Soort::Map);
        });
        std::sort(namen.begin(), namen.end());
        std::vector<Item> uit;
        for (auto& [naam, isMap] : namen)
            uit.push_back(Item{VanUtf8(naam), isMap});
        return uit;
    }
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
    for (auto& [naam, isMap] : namen)
        uit.push_back(Item{VanUtf8(naam), isMap});
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
    while (m < masker.size() && masker[m] == '*')
        ++m;
    return m == masker.size();
}

void MeldAangemaakt(const std::string& opSchijf, bool isMap) {
    Aangemaakt(opSchijf, isMap ? Soort::Map : Soort::Bestand);
}

void MeldVerwijderd(const std::string& opSchijf) {
    // A site's folder that is gone, or lies in one that is: made anew, it is another folder.
    for (Site* s : S.sites)
        if (OpOfOnder(s->Pad(), opSchijf)) s->VergeetFd();
    if (!S.cache) return;
    S.cache->VergeetVorige();
    auto [map, naam] = Splits(opSchijf);
    auto it = S.cache->mappen.find(map);
    if (it != S.cache->mappen.end()) it->second.Verwijder(naam);
    // A folder that is gone takes its listing with it.
    if (S.cache->mappen.erase(opSchijf) > 0) VergeetOpgeloste();
}

CacheScope::CacheScope() {
    if (S.cacheDiepte++ == 0) S.cache = std::make_unique<Cache>();
}

CacheScope::~CacheScope() {
    if (--S.cacheDiepte == 0) S.cache.reset();
}

ExacteMapScope::ExacteMapScope(const std::string& map1252)
    : site_(std::make_unique<Site>(OpSchijf(map1252), false)) {
    S.sites.push_back(site_.get());
    VergeetOpgeloste();
}

ExacteMapScope::~ExacteMapScope() {
    std::erase(S.sites, site_.get());
    VergeetOpgeloste();
}

void ZetLetterlijk(Letterlijk soort, const std::string& tekst1252, const std::string& opSchijf) {
    LetterlijkPad l{tekst1252, opSchijf};
    // A closing '/' is no part of the name: "map/" and "map" are one folder.
    while (l.tekst.size() > 1 && l.tekst.back() == '/')
        l.tekst.pop_back();
    if (!l.opSchijf.empty() && l.opSchijf.front() != '/') l.opSchijf = Werkmap() + "/" + l.opSchijf;
    while (l.opSchijf.size() > 1 && l.opSchijf.back() == '/')
        l.opSchijf.pop_back();
    if (l.opSchijf.empty()) l.tekst.clear();
    LetterlijkPad& plek = S.letterlijk[static_cast<std::size_t>(soort)];
    if (plek.tekst == l.tekst && plek.opSchijf == l.opSchijf) return;
    plek = std::move(l);
    // What the cache remembers may have been resolved by the old rule.
    VergeetOpgeloste();
}

std::FILE* OpenBestand(const std::string& pad1252) {
    const std::string pad = Los(pad1252).pad;
    // What waits to be made in a site is made first: the file read is the one written.
    if (Site* site = SiteVan(pad)) site->Synchroniseer();
    return std::fopen(pad.c_str(), "rb");
}

bool InExacteMap(std::string_view opSchijf) {
    return !S.sites.empty() && IsExact(opSchijf);
}

} // namespace gdk::fs
