#include "platform/sorteren.h"

#include "platform/tekst1252.h"

#include <algorithm>
#include <cstring>
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
void MaakEersteSleutel(std::string_view regel1252, Werk& w, std::string& sleutel) {
    w.t.Vul(regel1252);
    sleutel.clear();
    VoegSleutelToe(sleutel, w.t.zonder, w.icu);
}

// The whole key: the first key, the key of the full text, the bytes.
void MaakSleutel(std::string_view regel1252, Werk& w, std::string& sleutel) {
    MaakEersteSleutel(regel1252, w, sleutel);
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

// The positions of the lines in the order of their first keys, lines with equal keys in the
// full order.
std::vector<std::size_t> OpSleutels(const std::vector<std::string_view>& regels,
                                    const std::vector<std::string>& sleutels) {
    std::vector<std::size_t> volgorde(regels.size());
    std::iota(volgorde.begin(), volgorde.end(), std::size_t{0});
    Teksten ta, tb;
    std::sort(volgorde.begin(), volgorde.end(), [&](std::size_t a, std::size_t b) {
        if (const int c = sleutels[a].compare(sleutels[b])) return c < 0;
        ta.Vul(regels[a]);
        tb.Vul(regels[b]);
        return Vergelijk(ta, regels[a], tb, regels[b]) < 0;
    });
    return volgorde;
}

std::vector<std::size_t> VolledigeVolgorde(const std::vector<std::string_view>& regels) {
    std::vector<std::string> sleutels(regels.size());
    Werk w;
    for (std::size_t i = 0; i < regels.size(); ++i)
        MaakEersteSleutel(regels[i], w, sleutels[i]);
    return OpSleutels(regels, sleutels);
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
    std::vector<std::string> sleutels(regels.size());
    Werk w;
    std::string kort;
    for (std::size_t i = 0; i < regels.size(); ++i) {
        const std::string_view r = regels[i];
        const std::size_t p = r.find(deel);
        if (p == std::string_view::npos) {
            MaakEersteSleutel(r, w, sleutels[i]);
            continue;
        }
        kort.assign(r, 0, p);
        kort.append(r.substr(p + deel.size()));
        MaakEersteSleutel(kort, w, sleutels[i]);
    }
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
