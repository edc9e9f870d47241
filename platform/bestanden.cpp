#include "platform/bestanden.h"

#include "platform/tekst1252.h"
#include "platform/vlaktabel.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/sendfile.h>
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
    struct stat st {};
    if (::stat(pad.empty() ? "/" : pad.c_str(), &st) != 0) return Soort::Geen;
    return SoortVan(st);
}

// The key under which a name on disk matches case-insensitively: the name as Windows-1252 in
// small letters. A name that is not valid UTF-8 is taken byte for byte (old media); a UTF-8 name
// with characters Windows-1252 lacks cannot be spelled by the program, so it gets no key.
bool Vouwsleutel(std::string_view opSchijf, std::string& sleutel) {
    bool ascii = true;
    for (char c : opSchijf)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        // Most names: no conversion needed, one copy folded in place.
        sleutel = opSchijf;
        for (char& c : sleutel)
            c = AsciiKlein(c);
        return true;
    }
    if (IsGeldigUtf8(opSchijf)) {
        if (!VanUtf8Verliesvrij(opSchijf, sleutel)) return false;
    } else {
        sleutel = opSchijf;
    }
    sleutel = KleineLetters1252(sleutel);
    return true;
}

struct Naam {
    std::string_view opSchijf; // in the listing's own store
    Soort soort;
};

// The names on disk that share one key, in byte order (nearly always one).
struct Namen {
    Naam eerste;
    std::vector<Naam> meer;

    // The one spelled exactly `opSchijf`, if any.
    Naam* Met(std::string_view opSchijf) {
        if (eerste.opSchijf == opSchijf) return &eerste;
        for (Naam& m : meer)
            if (m.opSchijf == opSchijf) return &m;
        return nullptr;
    }
};

// Names and keys of one listing in a few blocks: a folder of 200000 names then costs one
// allocation per name (the table's node), not three, to build and to free. Blocks grow with the
// listing, so the thousands of small folders of an export stay small and close together.
class Opslag {
  public:
    std::string_view Bewaar(std::string_view s) {
        if (s.size() > vrij_) {
            // 256 bytes, doubling up to 64 KiB.
            const std::size_t n =
                std::max(std::size_t{256} << std::min<std::size_t>(blokken_.size(), 8), s.size());
            blokken_.emplace_back(new char[n]);
            plek_ = blokken_.back().get();
            vrij_ = n;
        }
        if (!s.empty()) std::memcpy(plek_, s.data(), s.size());
        const std::string_view v(plek_, s.size());
        plek_ += s.size();
        vrij_ -= s.size();
        return v;
    }

  private:
    std::vector<std::unique_ptr<char[]>> blokken_;
    char* plek_ = nullptr;
    std::size_t vrij_ = 0;
};

// One folder's listing, keyed on the case-folded name: one lookup answers the exact match, the
// byte-for-byte match and the case-insensitive one.
struct MapInhoud {
    bool leesbaar = false;
    Opslag opslag;
    VlakkeTabel<std::string_view, Namen> namen;
    std::string werk; // the key being built

    // `bewaard`: naam already lies in `opslag`.
    void Voegtoe(std::string_view naam, Soort soort, bool bewaard = false) {
        if (!Vouwsleutel(naam, werk)) return;
        Namen* gevonden = namen.Zoek(werk);
        if (!gevonden) {
            const std::string_view n = bewaard ? naam : opslag.Bewaar(naam);
            const std::string_view sleutel = werk == n ? n : opslag.Bewaar(werk);
            namen.Voeg(sleutel, Namen{Naam{n, soort}, {}});
            return;
        }
        Namen& n = *gevonden;
        if (Naam* al = n.Met(naam)) {
            al->soort = soort;
            return;
        }
        Naam nieuwe{bewaard ? naam : opslag.Bewaar(naam), soort};
        if (nieuwe.opSchijf < n.eerste.opSchijf) std::swap(nieuwe, n.eerste);
        auto plek = std::lower_bound(n.meer.begin(), n.meer.end(), nieuwe,
                                     [](const Naam& x, const Naam& y) { return x.opSchijf < y.opSchijf; });
        n.meer.insert(plek, nieuwe);
    }

    void Verwijder(const std::string& naam) {
        if (!Vouwsleutel(naam, werk)) return;
        Namen* gevonden = namen.Zoek(werk);
        if (!gevonden) return;
        Namen& n = *gevonden;
        if (n.eerste.opSchijf == naam) {
            if (n.meer.empty()) {
                namen.Verwijder(werk);
                return;
            }
            n.eerste = n.meer.front();
            n.meer.erase(n.meer.begin());
            return;
        }
        std::erase_if(n.meer, [&](const Naam& m) { return m.opSchijf == naam; });
    }

    // The entry named exactly `opSchijf`; `bekend` false when the listing cannot tell (a name
    // without a key is not filed).
    Naam* ZoekExact(std::string_view opSchijf, bool& bekend) {
        bekend = Vouwsleutel(opSchijf, werk);
        if (!bekend) return nullptr;
        Namen* gevonden = namen.Zoek(werk);
        return gevonden ? gevonden->Met(opSchijf) : nullptr;
    }

    // Exact name first, then the same bytes (a name that is not UTF-8), then the first in
    // byte order that differs only in case.
    Naam* Zoek(const std::string& naam1252, const std::string& utf8) {
        werk.assign(naam1252);
        for (char& c : werk)
            c = KleinLetter1252(c);
        Namen* gevonden = namen.Zoek(werk);
        if (!gevonden) return nullptr;
        if (Naam* n = gevonden->Met(utf8)) return n;
        if (utf8 != naam1252)
            if (Naam* n = gevonden->Met(naam1252)) return n;
        return &gevonden->eerste;
    }
};

struct Resultaat {
    std::string pad;               // on disk, absolute, '/' separated
    Soort soort = Soort::Onbekend; // Geen when a component is missing
};

struct OpgelostMap {
    std::string pad;
    MapInhoud* inhoud; // its listing
    bool exact = false;
};

struct Cache {
    std::unordered_map<std::string, MapInhoud> mappen;     // folder on disk -> its entries
    std::unordered_map<std::string, OpgelostMap> opgelost; // folder as asked -> folder on disk
    // The folders of the last few paths: an export asks for the same three or four folders
    // (the scans, the image copies, the pages) card after card.
    struct Recent {
        std::string sleutel;
        const OpgelostMap* map = nullptr;
    };
    std::array<Recent, 4> recent;
    std::size_t volgende = 0;
    // The last path resolved outside an export's own tree, with its result: an export asks for
    // a card's image several times in a row (shown? copy it; the page's image block).
    std::string vorigPad;
    std::optional<Resultaat> vorig;
};

int cacheDiepte = 0;
std::unique_ptr<Cache> cache;
// An export's own folder (on disk), with a descriptor of it once it exists: the export opens
// its files relative to it, and the kernel walks only the few components below the folder, not
// the dozen of the whole path again for each of 270000 files.
struct ExacteMap {
    std::string pad;
    int fd = -1;
};
std::vector<ExacteMap> exacteMappen;

// What an export wrote below its own tree, while an ExacteMapScope is alive: the bytes of a text
// file, or the on-disk source of a copy (0 for text). Paths are kept as 64-bit hashes: a site
// of 270000 files would otherwise hold every path twice more; a write is skipped only when
// both the target's and the content's (or source's) hashes agree.
struct Schrijving {
    Inhoudsafdruk afdruk;
    std::size_t bron = 0;
};
VlakkeTabel<std::size_t, Schrijving> schrijvingen;

std::size_t PadHash(const std::string& opSchijf) {
    // Never 0, which marks text files in Schrijving::bron.
    return std::hash<std::string>{}(opSchijf) | 1;
}
SchrijfTeller* teller = nullptr;

Soort UitDirent(const dirent* e) {
    switch (e->d_type) {
    case DT_DIR:
        return Soort::Map;
    case DT_REG:
        return Soort::Bestand;
    case DT_UNKNOWN:
    case DT_LNK:
        return Soort::Onbekend; // a link takes the kind of its target, found when asked
    default:
        return Soort::Anders;
    }
}

MapInhoud& Inhoud(const std::string& map) {
    auto [it, nieuw] = cache->mappen.try_emplace(map);
    MapInhoud& m = it->second;
    if (!nieuw) return m;
    DIR* d = ::opendir(map.empty() ? "/" : map.c_str());
    if (!d) return m;
    m.leesbaar = true;
    // Collected first so the table is sized once, not rehashed all the way up.
    std::vector<Naam> namen;
    while (const dirent* e = ::readdir(d)) {
        const char* naam = e->d_name;
        if (naam[0] == '.' && (naam[1] == 0 || (naam[1] == '.' && naam[2] == 0))) continue;
        namen.push_back(Naam{m.opslag.Bewaar(naam), UitDirent(e)});
    }
    ::closedir(d);
    m.namen.Reserveer(namen.size());
    for (const Naam& n : namen)
        m.Voegtoe(n.opSchijf, n.soort, true);
    return m;
}

struct Gevonden {
    std::string naam;
    Soort soort;
};

// One component `naam1252` (utf8: its disk form) inside the existing folder `map`.
std::optional<Gevonden> ZoekInMap(const std::string& map, MapInhoud* inhoud, const std::string& naam1252,
                                  const std::string& utf8) {
    if (cache) {
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
bool OpOfOnder(std::string_view pad, std::string_view map) {
    return pad.size() >= map.size() && pad.compare(0, map.size(), map) == 0 &&
           (pad.size() == map.size() || pad[map.size()] == '/' || map.empty());
}

bool IsExact(const std::string& pad) {
    return std::any_of(exacteMappen.begin(), exacteMappen.end(),
                       [&](const ExacteMap& m) { return OpOfOnder(pad, m.pad); });
}

inline bool IsScheiding(char c) {
    return c == '/' || c == '\\';
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
            if (!exacteMappen.empty()) exact = IsExact(r.pad);
        } else {
            ontbreekt = true;
            (r.pad += '/') += utf8;
            r.soort = Soort::Geen;
        }
    }

    void Stappen(const std::string& pad1252, std::size_t van, std::size_t tot) {
        std::string deel;
        std::size_t begin = van;
        for (std::size_t i = van; i <= tot; ++i) {
            if (i == tot || IsScheiding(pad1252[i])) {
                if (i > begin) {
                    deel.assign(pad1252, begin, i - begin);
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

Resultaat Los(const std::string& pad1252) {
    if (!cache) return LosOpnieuw(pad1252);
    if (cache->vorig && cache->vorigPad == pad1252) return *cache->vorig;
    Resultaat r = LosOpnieuw(pad1252);
    if (!InExacteMap(r.pad)) {
        cache->vorigPad = pad1252;
        cache->vorig = r;
    }
    return r;
}

Resultaat LosOpnieuw(const std::string& pad1252) {
    // No path names nothing (not the working folder).
    if (pad1252.empty()) return Resultaat{{}, Soort::Geen};
    const bool absoluut = !pad1252.empty() && IsScheiding(pad1252[0]);
    Wandeling w;
    w.r.pad = absoluut ? std::string() : Werkmap();
    w.r.soort = Soort::Map;
    w.exact = IsExact(w.r.pad);

    // The last component and the folder text before it.
    std::size_t eind = pad1252.size();
    while (eind > 0 && IsScheiding(pad1252[eind - 1]))
        --eind;
    std::size_t begin = eind;
    while (begin > 0 && !IsScheiding(pad1252[begin - 1]))
        --begin;

    if (cache && begin > 0 && !w.exact) {
        // Inside a scope the folder part is resolved once: 200000 files in one folder then
        // cost one lookup for the folder and one for the name.
        // The key: where a relative path starts, and the folder text.
        const std::string_view map(pad1252.data(), begin);
        const OpgelostMap* op = nullptr;
        for (const Cache::Recent& r : cache->recent)
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
            auto it = cache->opgelost.find(sleutel);
            if (it == cache->opgelost.end()) {
                w.Stappen(pad1252, 0, begin);
                // An export's own folder is remembered too, once its parent's listing shows it:
                // every page of the export would otherwise walk its whole path again.
                if (!w.ontbreekt && w.exact && w.r.soort == Soort::Onbekend)
                    w.r.soort = SoortUitLijst(w.r.pad);
                if (!w.ontbreekt && w.r.soort == Soort::Map)
                    it = cache->opgelost.emplace(sleutel, OpgelostMap{w.r.pad, &Inhoud(w.r.pad), w.exact})
                             .first;
            }
            if (it != cache->opgelost.end()) {
                op = &it->second;
                cache->recent[cache->volgende] = Cache::Recent{std::move(sleutel), op};
                cache->volgende = (cache->volgende + 1) % cache->recent.size();
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
    if (r.soort == Soort::Onbekend) r.soort = w.exact && cache ? SoortUitLijst(r.pad) : StatSoort(r.pad);
    return std::move(r);
}

void Aangemaakt(const std::string& opSchijf, Soort soort) {
    if (!cache) return;
    if (!InExacteMap(opSchijf)) cache->vorig.reset();
    auto [map, naam] = Splits(opSchijf);
    auto it = cache->mappen.find(map);
    if (it != cache->mappen.end() && it->second.leesbaar) it->second.Voegtoe(std::move(naam), soort);
    // A folder the program just made is empty: its listing is known without reading it.
    if (soort == Soort::Map) {
        MapInhoud& nieuw = cache->mappen[opSchijf];
        nieuw = MapInhoud{};
        nieuw.leesbaar = true;
    }
}

// The resolved folders remembered by a cache may lie below a folder that is gone or that
// changes its matching rule.
void VergeetOpgeloste() {
    if (!cache) return;
    cache->vorig.reset();
    cache->opgelost.clear();
    cache->recent = {};
}

} // namespace

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

bool MapBestaat(const std::string& pad1252) {
    return Los(pad1252).soort == Soort::Map;
}

namespace {

int weigeringDiepte = 0;

// The reason in the user's words, for the refusals that end an export.
const char* Weigeringsreden(int fout) {
    switch (fout) {
    case ENOSPC:
        return "de schijf is vol (geen ruimte of geen plaats voor nieuwe bestanden meer)";
    case EDQUOT:
        return "de schijfruimte die u mag gebruiken is op";
    case EROFS:
        return "de schijf is alleen te lezen";
    case EACCES:
    case EPERM:
        return "u hebt geen toestemming om daar te schrijven";
    default:
        return nullptr;
    }
}

} // namespace

void ControleerWeigering(const std::string& pad1252, int fout, bool isMap) {
    if (weigeringDiepte == 0) return;
    if (const char* reden = Weigeringsreden(fout))
        throw SchrijfWeigering((isMap ? "De map " + pad1252 + " kan niet aangemaakt worden: "
                                      : "Het bestand " + pad1252 + " kan niet geschreven worden: ") +
                               reden + ".");
}

WeigeringScope::WeigeringScope() {
    ++weigeringDiepte;
}

WeigeringScope::~WeigeringScope() {
    --weigeringDiepte;
}

bool MaakMappen(const std::string& pad1252) {
    const Resultaat r = Los(pad1252);
    if (r.soort == Soort::Map) return true;
    if (r.soort != Soort::Geen || r.pad.empty()) return false;
    // Create each missing component from the top; the existing part is as resolved.
    std::size_t p = 1;
    while (p <= r.pad.size()) {
        std::size_t q = r.pad.find('/', p);
        if (q == std::string::npos) q = r.pad.size();
        const std::string deel = r.pad.substr(0, q);
        if (::mkdir(deel.c_str(), 0777) == 0) {
            Aangemaakt(deel, Soort::Map);
        } else if (errno != EEXIST) {
            ControleerWeigering(VanUtf8(deel), errno, true);
            return false;
        }
        p = q + 1;
    }
    return StatSoort(r.pad) == Soort::Map;
}

bool Verwijder(const std::string& pad1252) {
    const Resultaat r = Los(pad1252);
    // A link goes itself, never what it points to; a dangling one too.
    if (::unlink(r.pad.c_str()) != 0) return errno == ENOENT || errno == ENOTDIR;
    MeldVerwijderd(r.pad);
    return true;
}

namespace {

// Closes a file descriptor it owns when it goes.
struct Descriptor {
    int fd;
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

// The `grootte` bytes of `in` to `uit` in the kernel: copy_file_range within one file system,
// sendfile across two (where copy_file_range refuses), else through a buffer. False with errno
// set on a read or write error.
bool KopieerInhoud(int in, int uit, off_t grootte) {
    off_t gedaan = 0;
    // A call that fails before copying anything copies nothing: the next way goes on from there.
    bool viaBereik = true, viaSendfile = true;
    while (gedaan < grootte) { // the size is known: no call to learn the end
        const auto rest = static_cast<std::size_t>(grootte - gedaan);
        const ssize_t n = viaBereik ? ::copy_file_range(in, nullptr, uit, nullptr, rest, 0)
                                    : ::sendfile(uit, in, nullptr, rest);
        if (n > 0) {
            gedaan += n;
            continue;
        }
        if (n == 0) return true; // the file became shorter meanwhile
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP && errno != EBADF)
            return false;
        if (viaBereik) {
            viaBereik = false;
            continue;
        }
        viaSendfile = false;
        break;
    }
    if (viaSendfile) return true;
    // Neither kernel way: through one buffer, kept for the next copy.
    static const std::unique_ptr<char[]> buf(new char[1 << 16]);
    for (;;) {
        const ssize_t n = ::read(in, buf.get(), 1 << 16);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (!SchrijfAlles(uit, std::string_view(buf.get(), static_cast<std::size_t>(n)))) return false;
    }
}

} // namespace

bool SchrijfAlles(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t w = ::write(fd, bytes.data(), bytes.size());
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(w));
    }
    return true;
}

bool Kopieer(const std::string& bron1252, const std::string& doel1252) {
    const Resultaat b = Los(bron1252);
    const Resultaat d = Los(doel1252);
    const bool eenmaal = InExacteMap(d.pad);
    if (eenmaal) {
        // The same source copied to the same target again in this export: already there.
        const Schrijving* eerder = schrijvingen.Zoek(PadHash(d.pad));
        if (eerder && eerder->bron == PadHash(b.pad)) return true;
    }
    const Descriptor in(::open(b.pad.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) return false;
    struct stat sb {};
    if (::fstat(in.fd, &sb) != 0 || S_ISDIR(sb.st_mode)) return false;
    // Copying a file onto itself would truncate it first: the copy is already there.
    struct stat sd {};
    if (d.soort != Soort::Geen && ::stat(d.pad.c_str(), &sd) == 0 && sd.st_dev == sb.st_dev &&
        sd.st_ino == sb.st_ino)
        return true;
    // Only in the export's own tree is an existing target known to be a file of its own.
    const bool over = eenmaal && d.soort == Soort::Bestand;
    const int uit = MaakDoel(Doel{d.pad, d.soort != Soort::Geen}, doel1252, over);
    if (uit < 0) return false;
    bool goed = KopieerInhoud(in.fd, uit, sb.st_size);
    int schrijfFout = goed ? 0 : errno;
    if (!SluitDoel(uit, over) && goed) {
        goed = false;
        schrijfFout = errno;
    }
    if (!goed) {
        // No half copy left behind that looks like a good one.
        ::unlink(d.pad.c_str());
        MeldVerwijderd(d.pad);
        schrijvingen.Verwijder(PadHash(d.pad));
        ControleerWeigering(doel1252, schrijfFout);
        return false;
    }
    if (eenmaal) schrijvingen.Zet(PadHash(d.pad), Schrijving{{}, PadHash(b.pad)});
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

std::FILE* OpenBestand(const std::string& pad1252, const char* modus) {
    return OpenDoel(LosDoel(pad1252), pad1252, modus);
}

Doel LosDoel(const std::string& pad1252) {
    Resultaat r = Los(pad1252);
    return Doel{std::move(r.pad), r.soort != Soort::Geen};
}

std::FILE* OpenDoel(const Doel& doel, const std::string& pad1252, const char* modus) {
    std::FILE* f = std::fopen(doel.opSchijf.c_str(), modus);
    if (f && !doel.bestaat) Aangemaakt(doel.opSchijf, Soort::Bestand);
    if (f && modus[0] == 'w') TelSchrijving(doel.opSchijf);
    if (!f && modus[0] != 'r') ControleerWeigering(pad1252, errno);
    return f;
}

namespace {

// Opens `opSchijf` relative to the export's folder it lies in, else by its whole path.
int OpenVoorSchrijven(const std::string& opSchijf, int vlaggen) {
    for (ExacteMap& m : exacteMappen) {
        if (m.pad.empty() || opSchijf.size() == m.pad.size() || !OpOfOnder(opSchijf, m.pad)) continue;
        if (m.fd < 0) m.fd = ::open(m.pad.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (m.fd >= 0) return ::openat(m.fd, opSchijf.c_str() + m.pad.size() + 1, vlaggen, 0666);
        break;
    }
    return ::open(opSchijf.c_str(), vlaggen, 0666);
}

void SluitExacteMap(ExacteMap& m) {
    if (m.fd >= 0) ::close(m.fd);
    m.fd = -1;
}

} // namespace

int MaakDoel(const Doel& doel, const std::string& pad1252, bool overschrijven) {
    const int fd =
        OpenVoorSchrijven(doel.opSchijf, O_WRONLY | O_CREAT | (overschrijven ? 0 : O_TRUNC) | O_CLOEXEC);
    if (fd < 0) {
        const int fout = errno;
        ControleerWeigering(pad1252, fout);
        errno = fout;
        return -1;
    }
    if (!doel.bestaat) Aangemaakt(doel.opSchijf, Soort::Bestand);
    TelSchrijving(doel.opSchijf);
    return fd;
}

bool SluitDoel(int fd, bool overschrijven) {
    bool goed = true;
    if (overschrijven) {
        const off_t eind = ::lseek(fd, 0, SEEK_CUR);
        goed = eind >= 0 && ::ftruncate(fd, eind) == 0;
    }
    const int fout = errno;
    if (::close(fd) != 0) return false;
    errno = fout;
    return goed;
}

void Inhoudsafdruk::VoegBlok(std::string_view blok) {
    grootte += blok.size();
    hash = (hash ^ std::hash<std::string_view>{}(blok)) * 0x100000001b3;
}

bool InExacteMap(const std::string& opSchijf) {
    return !exacteMappen.empty() && IsExact(opSchijf);
}

const Inhoudsafdruk* VorigeInhoud(const std::string& opSchijf) {
    const Schrijving* s = schrijvingen.Zoek(PadHash(opSchijf));
    return !s || s->bron != 0 ? nullptr : &s->afdruk;
}

void MeldGeschreven(const std::string& opSchijf, const Inhoudsafdruk& afdruk) {
    if (InExacteMap(opSchijf)) schrijvingen.Zet(PadHash(opSchijf), Schrijving{afdruk, 0});
}

SchrijfTeller::SchrijfTeller() {
    teller = this;
}

SchrijfTeller::~SchrijfTeller() {
    teller = nullptr;
}

std::size_t SchrijfTeller::Aantal(const std::string& opSchijf) const {
    const auto it = aantallen_.find(opSchijf);
    return it == aantallen_.end() ? 0 : it->second;
}

std::vector<std::string> SchrijfTeller::Herschreven() const {
    std::vector<std::string> uit;
    for (const auto& [pad, n] : aantallen_)
        if (n > 1) uit.push_back(pad);
    std::sort(uit.begin(), uit.end());
    return uit;
}

void TelSchrijving(const std::string& opSchijf) {
    if (!teller) return;
    ++teller->aantallen_[opSchijf];
    ++teller->totaal_;
}

void MeldAangemaakt(const std::string& opSchijf, bool isMap) {
    Aangemaakt(opSchijf, isMap ? Soort::Map : Soort::Bestand);
}

void MeldVerwijderd(const std::string& opSchijf) {
    // An export's folder that is gone, or lies in one that is: made anew, it is another folder.
    for (ExacteMap& m : exacteMappen)
        if (OpOfOnder(m.pad, opSchijf)) SluitExacteMap(m);
    if (!cache) return;
    cache->vorig.reset();
    auto [map, naam] = Splits(opSchijf);
    auto it = cache->mappen.find(map);
    if (it != cache->mappen.end()) it->second.Verwijder(naam);
    // A folder that is gone takes its listing with it.
    if (cache->mappen.erase(opSchijf) > 0) VergeetOpgeloste();
}

CacheScope::CacheScope() {
    if (cacheDiepte++ == 0) cache = std::make_unique<Cache>();
}

CacheScope::~CacheScope() {
    if (--cacheDiepte == 0) cache.reset();
}

ExacteMapScope::ExacteMapScope(const std::string& map1252) {
    exacteMappen.push_back(ExacteMap{OpSchijf(map1252)});
    VergeetOpgeloste();
}

ExacteMapScope::~ExacteMapScope() {
    if (!exacteMappen.empty()) {
        SluitExacteMap(exacteMappen.back());
        exacteMappen.pop_back();
    }
    if (exacteMappen.empty()) schrijvingen.Leeg();
    VergeetOpgeloste();
}

} // namespace gdk::fs
