#include "platform/sorteren.h"

#include "platform/tekst1252.h"

#include <algorithm>
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

} // namespace

std::string Sorteersleutel(std::string_view regel1252) {
    std::u16string vol, zonder;
    vol.reserve(regel1252.size());
    zonder.reserve(regel1252.size());
    for (char ch : regel1252) {
        const char16_t u = Unicode1252(ch);
        vol += u;
        if (ch != '-' && ch != '\'') zonder += u;
    }
    std::string werk, sleutel;
    VoegSleutelToe(sleutel, zonder, werk);
    if (zonder.size() == vol.size()) {
        // Nothing removed: the full text has the same key, no need to ask the collator twice.
        const std::string eerste = sleutel;
        sleutel += eerste;
    } else {
        VoegSleutelToe(sleutel, vol, werk);
    }
    sleutel.append(regel1252);
    return sleutel;
}

void SorteerRegels(std::vector<std::string>& regels) {
    std::vector<std::string> sleutels;
    sleutels.reserve(regels.size());
    for (const std::string& r : regels)
        sleutels.push_back(Sorteersleutel(r));
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
