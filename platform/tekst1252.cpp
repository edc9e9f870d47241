#include "platform/tekst1252.h"

#include <algorithm>

#include <array>
#include <cstdint>
#include <cstring>

namespace gdk {
namespace {

// Unicode code points of 0x80-0x9F. The five codes Windows-1252 leaves undefined keep their
// C1 control code point, so every byte survives a round trip through UTF-8.
constexpr std::array<char16_t, 32> kC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct Tabellen {
    std::array<unsigned char, 256> klein{}, groot{};
    Tabellen() {
        for (int i = 0; i < 256; ++i)
            klein[i] = groot[i] = static_cast<unsigned char>(i);
        auto paar = [this](int g, int k) {
            klein[g] = static_cast<unsigned char>(k);
            groot[k] = static_cast<unsigned char>(g);
        };
        for (int c = 'A'; c <= 'Z'; ++c)
            paar(c, c + 32);
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7) paar(c, c + 32);
        paar(0x8A, 0x9A);
        paar(0x8C, 0x9C);
        paar(0x8E, 0x9E);
        paar(0x9F, 0xFF);
    }
};

const Tabellen& T() {
    static const Tabellen t;
    return t;
}

inline unsigned char U(char c) {
    return static_cast<unsigned char>(c);
}

void SchrijfUtf8(std::string& uit, std::uint32_t cp) {
    if (cp < 0x80) {
        uit += static_cast<char>(cp);
    } else if (cp < 0x800) {
        uit += static_cast<char>(0xC0 | (cp >> 6));
        uit += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        uit += static_cast<char>(0xE0 | (cp >> 12));
        uit += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        uit += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point at `i` (strict: no overlong forms, no surrogates, at most U+10FFFF).
// Returns the length, 0 when the bytes there are not valid UTF-8.
std::size_t DecodeerUtf8(std::string_view s, std::size_t i, std::uint32_t& cp) {
    const unsigned char b = U(s[i]);
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    std::size_t n;
    std::uint32_t min;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2, cp = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3, cp = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char v = U(s[i + k]);
        if ((v & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (v & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

char Naar1252(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kC1[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

char AsciiKlein(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}
char AsciiGroot(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

std::string AsciiKleineLetters(std::string_view s) {
    std::string uit(s);
    for (char& c : uit)
        c = AsciiKlein(c);
    return uit;
}

std::string AsciiHoofdletters(std::string_view s) {
    std::string uit(s);
    for (char& c : uit)
        c = AsciiGroot(c);
    return uit;
}

char KleinLetter1252(char c) {
    return static_cast<char>(T().klein[U(c)]);
}
char HoofdLetter1252(char c) {
    return static_cast<char>(T().groot[U(c)]);
}

std::string KleineLetters1252(std::string_view s) {
    const auto& k = T().klein;
    std::string uit(s);
    for (char& c : uit)
        c = static_cast<char>(k[U(c)]);
    return uit;
}

bool GelijkZonderHoofdletters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto& k = T().klein;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (k[U(a[i])] != k[U(b[i])]) return false;
    return true;
}

std::size_t EersteVan(std::string_view s, std::string_view tekens, std::size_t vanaf) {
    if (vanaf >= s.size()) return std::string_view::npos;
    // One vectorised scan per sought byte, each over what lies before the best find so far.
    const char* begin = s.data() + vanaf;
    std::size_t lengte = s.size() - vanaf;
    std::size_t gevonden = std::string_view::npos;
    for (const char t : tekens)
        if (const auto* p = static_cast<const char*>(std::memchr(begin, t, lengte))) {
            lengte = static_cast<std::size_t>(p - begin);
            gevonden = static_cast<std::size_t>(p - s.data());
        }
    return gevonden;
}

std::size_t LaatsteVan(std::string_view s, std::string_view tekens) {
    if (s.empty()) return std::string_view::npos;
    std::size_t begin = 0; // what lies after the best find so far
    std::size_t gevonden = std::string_view::npos;
    for (const char t : tekens)
        if (const auto* p = static_cast<const char*>(::memrchr(s.data() + begin, t, s.size() - begin))) {
            gevonden = static_cast<std::size_t>(p - s.data());
            begin = gevonden + 1;
        }
    return gevonden;
}

std::size_t ZoekZonderHoofdletters(std::string_view hooi, std::string_view naald, std::size_t vanaf) {
    if (vanaf > hooi.size()) return std::string_view::npos;
    if (naald.empty()) return vanaf;
    if (naald.size() > hooi.size()) return std::string_view::npos;
    const auto& k = T().klein;
    const unsigned char eerste = k[U(naald[0])];
    for (std::size_t i = vanaf; i + naald.size() <= hooi.size(); ++i) {
        if (k[U(hooi[i])] != eerste) continue;
        std::size_t j = 1;
        while (j < naald.size() && k[U(hooi[i + j])] == k[U(naald[j])])
            ++j;
        if (j == naald.size()) return i;
    }
    return std::string_view::npos;
}

std::string VervangAlles(std::string_view s, std::string_view oud, std::string_view nieuw) {
    // An empty pattern matches nowhere (it would otherwise match between every two characters).
    if (oud.empty()) return std::string(s);
    std::string uit;
    uit.reserve(s.size());
    std::size_t van = 0;
    for (;;) {
        const std::size_t p = ZoekZonderHoofdletters(s, oud, van);
        if (p == std::string_view::npos) break;
        uit.append(s.substr(van, p - van));
        uit.append(nieuw);
        van = p + oud.size();
    }
    uit.append(s.substr(van));
    return uit;
}

char16_t Unicode1252(char c) {
    const unsigned char b = U(c);
    return (b >= 0x80 && b < 0xA0) ? kC1[b - 0x80] : static_cast<char16_t>(b);
}

std::string NaarUtf8(std::string_view s1252) {
    std::string uit;
    uit.reserve(s1252.size() + s1252.size() / 8);
    for (std::size_t i = 0; i < s1252.size();) {
        // A run of ASCII (most of a page) goes over in one piece.
        std::size_t eind = i;
        while (eind < s1252.size() && U(s1252[eind]) < 0x80)
            ++eind;
        uit.append(s1252.substr(i, eind - i));
        if (eind == s1252.size()) break;
        const unsigned char b = U(s1252[eind]);
        SchrijfUtf8(uit, b < 0xA0 ? std::uint32_t{kC1[b - 0x80]} : std::uint32_t{b});
        i = eind + 1;
    }
    return uit;
}

bool VanUtf8(std::string_view utf8, std::string& uit) {
    uit.clear();
    uit.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp;
        const std::size_t n = DecodeerUtf8(utf8, i, cp);
        if (n == 0) return false;
        uit += Naar1252(cp);
        i += n;
    }
    return true;
}

std::size_t VanUtf8Of1252(std::string& tekst, std::size_t vanaf) {
    // Every character becomes one byte, never more than it had: the text is written over itself,
    // behind where it is read, so a whole collection file needs no second copy.
    const std::string_view s = tekst;
    char* uit = tekst.data();
    std::size_t geschreven = 0, vervangen = 0;
    for (std::size_t i = vanaf; i < s.size();) {
        // A run of ASCII, most of any text, goes over at once.
        const std::size_t j = EersteNietAscii(s, i);
        if (geschreven != i) std::memmove(uit + geschreven, uit + i, j - i);
        geschreven += j - i;
        if (j == s.size()) break;
        std::uint32_t cp;
        const std::size_t n = DecodeerUtf8(s, j, cp);
        // Past ASCII, a '?' is always a character Windows-1252 lacks.
        const char c = n == 0 ? s[j] : Naar1252(cp);
        if (n != 0 && c == '?') ++vervangen;
        uit[geschreven++] = c;
        i = j + (n == 0 ? 1 : n);
    }
    tekst.resize(geschreven);
    return vervangen;
}

std::string VanUtf8(std::string_view utf8) {
    std::string uit;
    if (!VanUtf8(utf8, uit)) uit.assign(utf8);
    return uit;
}

bool IsGeldigUtf8(std::string_view s) {
    for (std::size_t i = EersteNietAscii(s); i < s.size(); i = EersteNietAscii(s, i)) {
        std::uint32_t cp;
        const std::size_t n = DecodeerUtf8(s, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::size_t EersteNietAscii(std::string_view s, std::size_t vanaf) {
    std::size_t i = vanaf;
    // Eight bytes at a time: a whole collection file is looked at before its first line is read.
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t acht;
        std::memcpy(&acht, s.data() + i, 8);
        if (acht & 0x8080808080808080u) break;
    }
    while (i < s.size() && U(s[i]) < 0x80)
        ++i;
    return i;
}

bool VanUtf8Verliesvrij(std::string_view utf8, std::string& uit) {
    uit.clear();
    uit.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp;
        const std::size_t n = DecodeerUtf8(utf8, i, cp);
        if (n == 0) return false;
        const char c = Naar1252(cp);
        if (c == '?' && cp != '?') return false;
        uit += c;
        i += n;
    }
    return true;
}

namespace {

bool IsBlanco(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string_view TrimDeel(std::string_view s) {
    std::size_t begin = 0, eind = s.size();
    while (begin < eind && IsBlanco(s[begin]))
        ++begin;
    while (eind > begin && IsBlanco(s[eind - 1]))
        --eind;
    return s.substr(begin, eind - begin);
}

std::string Trim(const std::string& s) {
    return std::string(TrimDeel(s));
}

bool IsLeeg(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsBlanco);
}

} // namespace gdk
