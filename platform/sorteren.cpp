#include "platform/sorteren.h"

#include "platform/delen.h"
#include "platform/tekst1252.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <numeric>
#include <unicode/ucol.h>

namespace gdk {
namespace {

struct CollatorSluiter {
    void operator()(UCollator* c) const { ucol_close(c); }
};

// Dutch, case ignored, accents counted, and punctuation and blanks weighed like letters
// (not skipped), so "de Vries" and "Devries" keep their own places.
UCollator* Collator() {
    static const std::unique_ptr<UCollator, CollatorSluiter> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("nl", &status);
        if (U_FAILURE(status)) {
            status = U_ZERO_ERROR;
            c = ucol_open("", &status);
        }
        ucol_setStrength(c, UCOL_SECONDARY);
        status = U_ZERO_ERROR;
        ucol_setAttribute(c, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
        return std::unique_ptr<UCollator, CollatorSluiter>(c);
    }();
    return collator.get();
}

// Appends the ICU sort key of the text (ending in its 0 byte, the only 0 in it), so that a
// following part compares only when everything before it is equal.
void VoegSleutelToe(std::string& uit, const std::u16string& tekst, std::string& werk) {
    UCollator* c = Collator();
    if (!c) {
        uit += '\0';
        return;
    }
    if (werk.size() < 64 + tekst.size() * 4) werk.resize(64 + tekst.size() * 4);
    auto* buf = reinterpret_cast<uint8_t*>(werk.data());
    int32_t n = ucol_getSortKey(c, tekst.data(), static_cast<int32_t>(tekst.size()), buf,
                                static_cast<int32_t>(werk.size()));
    if (n > static_cast<int32_t>(werk.size())) {
        werk.resize(static_cast<std::size_t>(n));
        buf = reinterpret_cast<uint8_t*>(werk.data());
        n = ucol_getSortKey(c, tekst.data(), static_cast<int32_t>(tekst.size()), buf, n);
    }
    if (n <= 0) {
        uit += '\0';
        return;
    }
    uit.append(werk.data(), static_cast<std::size_t>(n));
}

// A line as the collator reads it, in full and without hyphen and apostrophe. Reused from line
// to line: sorting 200000 lines then allocates little beyond the keys.
struct Teksten {
    std::u16string vol, zonder;

    void Vul(std::string_view regel1252) {
        vol.resize(regel1252.size());
        zonder.resize(regel1252.size());
        std::size_t z = 0;
        for (std::size_t i = 0; i < regel1252.size(); ++i) {
            const char ch = regel1252[i];
            const char16_t u = Unicode1252(ch);
            vol[i] = u;
            zonder[z] = u;
            z += ch != '-' && ch != '\'';
        }
        zonder.resize(z);
    }
};

struct Werk {
    Teksten t;
    std::string icu;
};

// The collator's key of a line's text without hyphen and apostrophe. It orders nearly every
// pair of lines by itself; the few it leaves equal (lines that differ only in case, hyphens or
// apostrophes, or not at all) are compared in full while sorting. The whole key would take the
// collator over the text twice for every line with a hyphen or apostrophe, and every date has
// hyphens.
void VoegEersteSleutelToe(std::string& uit, std::string_view regel1252, Werk& w) {
    w.t.Vul(regel1252);
    VoegSleutelToe(uit, w.t.zonder, w.icu);
}

// The whole key: the first key, the key of the full text, the bytes.
void MaakSleutel(std::string_view regel1252, Werk& w, std::string& sleutel) {
    sleutel.clear();
    VoegEersteSleutelToe(sleutel, regel1252, w);
    if (w.t.zonder.size() == w.t.vol.size()) {
        // Nothing removed: the full text has the same key, no need to ask the collator twice.
        const std::size_t n = sleutel.size();
        sleutel.resize(2 * n);
        std::memcpy(sleutel.data() + n, sleutel.data(), n);
    } else {
        VoegSleutelToe(sleutel, w.t.vol, w.icu);
    }
    sleutel.append(regel1252);
}

int Collatie(const std::u16string& a, const std::u16string& b) {
    UCollator* c = Collator();
    if (!c) return 0;
    switch (
        ucol_strcoll(c, a.data(), static_cast<int32_t>(a.size()), b.data(), static_cast<int32_t>(b.size()))) {
    case UCOL_LESS:
        return -1;
    case UCOL_GREATER:
        return 1;
    default:
        return 0;
    }
}

// Compares two lines (`a` read as `ta`, `b` as `tb`) without making their keys: the collator
// compares the texts without hyphen and apostrophe, then the full texts, then the bytes decide.
// ICU orders strings exactly as it orders their sort keys, so this agrees with the keys; it stops
// at the first difference, where a key covers the whole line.
int Vergelijk(const Teksten& ta, std::string_view a, const Teksten& tb, std::string_view b) {
    if (const int c = Collatie(ta.zonder, tb.zonder)) return c;
    if (const int c = Collatie(ta.vol, tb.vol)) return c;
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// The first keys of many lines, one after another in one buffer, each with its first eight
// bytes as a number: most pairs differ there, so the sort compares two numbers and seldom
// reaches into the buffer. A key holds no 0 byte but its last, so no key begins another and
// the padded heads order as the keys do.
struct Sleutels {
    struct Ingang {
        std::uint64_t kop;
        std::uint32_t begin, lengte;
    };
    std::string bytes;
    std::vector<Ingang> ingangen;

    // Takes the key just appended to `bytes` at `begin`.
    void Neem(std::size_t begin) {
        Ingang i{0, static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(bytes.size() - begin)};
        for (std::size_t k = 0; k < 8; ++k)
            i.kop = (i.kop << 8) | (k < i.lengte ? static_cast<unsigned char>(bytes[begin + k]) : 0u);
        ingangen.push_back(i);
    }
    int Vergelijk(std::size_t a, std::size_t b) const {
        const Ingang& x = ingangen[a];
        const Ingang& y = ingangen[b];
        if (x.kop != y.kop) return x.kop < y.kop ? -1 : 1;
        if (x.lengte <= 8 || y.lengte <= 8) return x.lengte == y.lengte ? 0 : x.lengte < y.lengte ? -1 : 1;
        const int c = std::memcmp(bytes.data() + x.begin + 8, bytes.data() + y.begin + 8,
                                  std::min(x.lengte, y.lengte) - 8);
        if (c) return c;
        return x.lengte == y.lengte ? 0 : x.lengte < y.lengte ? -1 : 1;
    }
};

// Below this many lines a sort stays on one thread.
constexpr std::size_t DeelMinimum = 20000;

// The first keys of all lines, `vorm` giving the text a key is made of; the parts of a long
// list are keyed at once, each into its own buffer, and joined.
Sleutels MaakSleutels(const std::vector<std::string_view>& regels,
                      const std::function<std::string_view(std::string_view, std::string&)>& vorm) {
    std::vector<Sleutels> delen(AantalDelen(regels.size(), DeelMinimum));
    InDelen(regels.size(), DeelMinimum, [&](std::size_t d, std::size_t begin, std::size_t eind) {
        Sleutels& s = delen[d];
        s.ingangen.reserve(eind - begin);
        Werk w;
        std::string hulp;
        for (std::size_t i = begin; i < eind; ++i) {
            const std::size_t plek = s.bytes.size();
            VoegEersteSleutelToe(s.bytes, vorm(regels[i], hulp), w);
            s.Neem(plek);
        }
    });
    if (delen.size() == 1) return std::move(delen[0]);
    Sleutels alle;
    alle.ingangen.reserve(regels.size());
    for (Sleutels& s : delen) {
        const auto verschuiving = static_cast<std::uint32_t>(alle.bytes.size());
        alle.bytes += s.bytes;
        for (Sleutels::Ingang i : s.ingangen) {
            i.begin += verschuiving;
            alle.ingangen.push_back(i);
        }
        s = {};
    }
    return alle;
}

// Compares two lines by their first keys, lines with equal keys in the full order.
struct Kleiner {
    const std::vector<std::string_view>& regels;
    const Sleutels& sleutels;
    Teksten ta{}, tb{};
    bool operator()(std::size_t a, std::size_t b) {
        if (const int c = sleutels.Vergelijk(a, b)) return c < 0;
        ta.Vul(regels[a]);
        tb.Vul(regels[b]);
        return Vergelijk(ta, regels[a], tb, regels[b]) < 0;
    }
};

// The positions of the lines in the order of their first keys, lines with equal keys in the
// full order. The parts of a long list are sorted at once and then merged.
std::vector<std::size_t> OpSleutels(const std::vector<std::string_view>& regels, const Sleutels& sleutels) {
    std::vector<std::size_t> volgorde(regels.size());
    std::iota(volgorde.begin(), volgorde.end(), std::size_t{0});
    const auto plek = [&](std::size_t i) { return volgorde.begin() + static_cast<std::ptrdiff_t>(i); };
    std::vector<std::size_t> grenzen(AantalDelen(regels.size(), DeelMinimum) + 1, regels.size());
    InDelen(regels.size(), DeelMinimum, [&](std::size_t d, std::size_t begin, std::size_t eind) {
        grenzen[d] = begin;
        Kleiner k{regels, sleutels};
        std::sort(plek(begin), plek(eind), std::ref(k));
    });
    Kleiner k{regels, sleutels};
    for (std::size_t d = 1; d + 1 < grenzen.size(); ++d)
        std::inplace_merge(plek(0), plek(grenzen[d]), plek(grenzen[d + 1]), std::ref(k));
    return volgorde;
}

std::vector<std::size_t> VolledigeVolgorde(const std::vector<std::string_view>& regels) {
    return OpSleutels(regels, MaakSleutels(regels, [](std::string_view r, std::string&) { return r; }));
}

} // namespace

std::string Sorteersleutel(std::string_view regel1252) {
    Werk w;
    std::string sleutel;
    MaakSleutel(regel1252, w, sleutel);
    return sleutel;
}

void SorteerRegels(std::vector<std::string>& regels) {
    SorteerOp(regels, [](const std::string& r) -> std::string_view { return r; });
}

int VergelijkRegels(std::string_view a, std::string_view b) {
    Teksten ta, tb;
    ta.Vul(a);
    tb.Vul(b);
    return Vergelijk(ta, a, tb, b);
}

std::vector<std::size_t> Sorteervolgorde(const std::vector<std::string_view>& regels, std::string_view deel) {
    if (deel.empty()) return VolledigeVolgorde(regels);
    const Sleutels sleutels = MaakSleutels(regels, [deel](std::string_view r, std::string& kort) {
        const std::size_t p = r.find(deel);
        if (p == std::string_view::npos) return r;
        kort.assign(r, 0, p);
        kort.append(r.substr(p + deel.size()));
        return std::string_view(kort);
    });
    std::vector<std::size_t> volgorde = OpSleutels(regels, sleutels);
    // Leaving the shared part out keeps the order wherever it is shared the same way; checked
    // here for every neighbour with the full comparison. In order everywhere is the one order of
    // the whole lines (lines that compare equal are the same bytes).
    if (volgorde.empty()) return volgorde;
    Teksten vorige, huidige;
    vorige.Vul(regels[volgorde[0]]);
    for (std::size_t i = 1; i < volgorde.size(); ++i) {
        huidige.Vul(regels[volgorde[i]]);
        if (Vergelijk(vorige, regels[volgorde[i - 1]], huidige, regels[volgorde[i]]) > 0)
            return VolledigeVolgorde(regels);
        std::swap(vorige, huidige);
    }
    return volgorde;
}

} // namespace gdk
