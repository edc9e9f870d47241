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

// Buffers reused from line to line: sorting 200000 lines then allocates little beyond the keys.
struct Werk {
    std::u16string vol, zonder;
    std::string icu;
};

void MaakSleutel(std::string_view regel1252, Werk& w, std::string& sleutel) {
    w.vol.clear();
    w.zonder.clear();
    for (char ch : regel1252) {
        const char16_t u = Unicode1252(ch);
        w.vol += u;
        if (ch != '-' && ch != '\'') w.zonder += u;
    }
    sleutel.clear();
    VoegSleutelToe(sleutel, w.zonder, w.icu);
    if (w.zonder.size() == w.vol.size()) {
        // Nothing removed: the full text has the same key, no need to ask the collator twice.
        const std::size_t n = sleutel.size();
        sleutel.resize(2 * n);
        std::memcpy(sleutel.data() + n, sleutel.data(), n);
    } else {
        VoegSleutelToe(sleutel, w.vol, w.icu);
    }
    sleutel.append(regel1252);
}

} // namespace

std::string Sorteersleutel(std::string_view regel1252) {
    Werk w;
    std::string sleutel;
    MaakSleutel(regel1252, w, sleutel);
    return sleutel;
}

void SorteerRegels(std::vector<std::string>& regels) {
    std::vector<std::string> sleutels(regels.size());
    Werk w;
    for (std::size_t i = 0; i < regels.size(); ++i)
        MaakSleutel(regels[i], w, sleutels[i]);
    std::vector<std::size_t> volgorde(regels.size());
    std::iota(volgorde.begin(), volgorde.end(), std::size_t{0});
    std::sort(volgorde.begin(), volgorde.end(),
              [&](std::size_t a, std::size_t b) { return sleutels[a] < sleutels[b]; });
    std::vector<std::string> gesorteerd;
    gesorteerd.reserve(regels.size());
    for (std::size_t i : volgorde)
        gesorteerd.push_back(std::move(regels[i]));
    regels = std::move(gesorteerd);
}

int VergelijkRegels(std::string_view a, std::string_view b) {
    const int c = Sorteersleutel(a).compare(Sorteersleutel(b));
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

} // namespace gdk
