#include "export/type4adres.h"

#include "export/sitemappen.h"
#include "export/zoekvouw.h"
#include "platform/vastehash.h"

namespace gdk::type4 {
namespace {

bool IsApostrof(unsigned char c) {
    return c == '\'' || c == '`' || c == 0x91 || c == 0x92 || c == 0xB4;
}

} // namespace

std::string AdresDeel(std::string_view tekst, std::size_t max) {
    std::string uit;
    bool grens = false;
    for (const char ch : tekst) {
        const auto c = static_cast<unsigned char>(ch);
        const std::string_view v = VouwTeken(c);
        if (v.empty()) {
            if (!IsApostrof(c)) grens = true;
            continue;
        }
        if (grens && !uit.empty()) uit += '-';
        grens = false;
        uit += v;
        if (uit.size() > max) break;
    }
    if (uit.size() > max) {
        // Cut at the last hyphen in the final quarter, so a word is not split when it need not be.
        const std::size_t streep = uit.rfind('-', max);
        uit.resize(streep != std::string::npos && streep >= max * 3 / 4 ? streep : max);
        while (!uit.empty() && uit.back() == '-')
            uit.pop_back();
    }
    return uit;
}

std::string UniekeAdressen::Uniek(const std::string& basis) {
    auto [plek, nieuw] = gezien_.try_emplace(basis, 1);
    // A device name of Windows ("nul", "com1") names no file there: it always takes a number.
    if (nieuw && !IsApparaatNaam(basis)) return basis;
    // "-2" may itself be a card's own address ("jansen-2" of a card with the year 2): go on
    // until a name is free.
    for (;;) {
        const std::string kandidaat = basis + "-" + std::to_string(++plek->second);
        if (gezien_.try_emplace(kandidaat, 1).second) return kandidaat;
    }
}

std::string MapVan(std::string_view adres) {
    const std::uint32_t h = VasteHash(adres);
    static const char* const hex = "0123456789abcdef";
    const unsigned byte = (h >> 24) ^ (h & 0xFF);
    return {hex[byte >> 4], hex[byte & 15]};
}

} // namespace gdk::type4
