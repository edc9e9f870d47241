#include "export/zoekvouw.h"

#include <algorithm>
#include <array>

namespace gdk {
namespace {

struct Tabel {
    std::array<std::string_view, 256> vorm{};
    Tabel() {
        static const char* const kleineLetters[26] = {"a", "b", "c", "d", "e", "f", "g", "h", "i",
                                                      "j", "k", "l", "m", "n", "o", "p", "q", "r",
                                                      "s", "t", "u", "v", "w", "x", "y", "z"};
        static const char* const cijfers[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        for (int c = 0; c < 26; ++c) {
            vorm['a' + c] = kleineLetters[c];
            vorm['A' + c] = kleineLetters[c];
        }
        for (int c = 0; c < 10; ++c)
            vorm['0' + c] = cijfers[c];
        const auto reeks = [this](int van, int tot, std::string_view v) {
            for (int c = van; c <= tot; ++c)
                vorm[c] = v;
        };
        // Both halves of the Windows-1252 letters: capitals C0-DE, small letters E0-FE.
        for (int basis : {0xC0, 0xE0}) {
            reeks(basis + 0x00, basis + 0x05, "a");
            vorm[basis + 0x06] = "ae";
            vorm[basis + 0x07] = "c";
            reeks(basis + 0x08, basis + 0x0B, "e");
            reeks(basis + 0x0C, basis + 0x0F, "i");
            vorm[basis + 0x10] = "d";
            vorm[basis + 0x11] = "n";
            reeks(basis + 0x12, basis + 0x16, "o");
            vorm[basis + 0x18] = "o";
            reeks(basis + 0x19, basis + 0x1C, "u");
            vorm[basis + 0x1D] = "y";
            vorm[basis + 0x1E] = "th";
        }
        vorm[0xDF] = "ss";
        vorm[0xFF] = "y";
        vorm[0x83] = "f";
        vorm[0x8A] = vorm[0x9A] = "s";
        vorm[0x8C] = vorm[0x9C] = "oe";
        vorm[0x8E] = vorm[0x9E] = "z";
        vorm[0x9F] = "y";
    }
};

const Tabel& DeTabel() {
    static const Tabel t;
    return t;
}

// "ij" becomes "y" in a folded word, left to right.
void IjAlsY(std::string& w) {
    std::size_t uit = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] == 'i' && i + 1 < w.size() && w[i + 1] == 'j') {
            w[uit++] = 'y';
            ++i;
        } else {
            w[uit++] = w[i];
        }
    }
    w.resize(uit);
}

void Bewaar(std::string& w, std::vector<std::string>& uit) {
    if (w.empty()) return;
    IjAlsY(w);
    uit.push_back(std::move(w));
    w.clear();
}

} // namespace

std::string_view VouwTeken(unsigned char c) {
    return DeTabel().vorm[c];
}

bool IsVerbindteken(unsigned char c) {
    switch (c) {
    case '\'':
    case '`':
    case '-':
    case 0x91: // left single quotation mark
    case 0x92: // right single quotation mark (the usual typographic apostrophe)
    case 0x96: // en dash
    case 0x97: // em dash
    case 0xB4: // acute accent, often typed for an apostrophe
        return true;
    default:
        return false;
    }
}

void ZoekWoorden(std::string_view tekst, std::vector<std::string>& uit) {
    std::string deel, geheel;
    int delen = 0; // parts in `geheel`
    const auto woordEinde = [&] {
        if (!deel.empty()) {
            ++delen;
            Bewaar(deel, uit);
        }
    };
    const auto geheelEinde = [&] {
        woordEinde();
        if (delen > 1) Bewaar(geheel, uit);
        geheel.clear();
        delen = 0;
    };
    for (char ch : tekst) {
        const auto c = static_cast<unsigned char>(ch);
        const std::string_view v = VouwTeken(c);
        if (!v.empty()) {
            deel += v;
            geheel += v;
        } else if (IsVerbindteken(c)) {
            woordEinde();
        } else {
            geheelEinde();
        }
    }
    geheelEinde();
}

void ZoekJaren(std::string_view datum, std::vector<std::string>& uit) {
    std::size_t i = 0;
    while (i < datum.size()) {
        if (datum[i] < '0' || datum[i] > '9') {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < datum.size() && datum[j] >= '0' && datum[j] <= '9')
            ++j;
        if (j - i == 3 || j - i == 4) uit.emplace_back(datum.substr(i, j - i));
        i = j;
    }
}

std::vector<std::string> VraagWoorden(std::string_view vraag) {
    std::vector<std::string> woorden;
    std::string w;
    for (char ch : vraag) {
        const std::string_view v = VouwTeken(static_cast<unsigned char>(ch));
        if (!v.empty())
            w += v;
        else
            Bewaar(w, woorden);
    }
    Bewaar(w, woorden);
    std::sort(woorden.begin(), woorden.end());
    woorden.erase(std::unique(woorden.begin(), woorden.end()), woorden.end());
    // The words that begin with a word follow it directly in byte order.
    std::vector<std::string> uit;
    for (std::size_t i = 0; i < woorden.size(); ++i)
        if (i + 1 == woorden.size() || woorden[i + 1].compare(0, woorden[i].size(), woorden[i]) != 0)
            uit.push_back(std::move(woorden[i]));
    return uit;
}

std::string VouwAaneen(std::string_view tekst) {
    std::string uit;
    for (char ch : tekst)
        uit += VouwTeken(static_cast<unsigned char>(ch));
    return uit;
}

} // namespace gdk
