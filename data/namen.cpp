#include "data/namen.h"

#include "platform/tekst1252.h"

#include <utility>

namespace gdk {
namespace {

unsigned char U(char c) {
    return static_cast<unsigned char>(c);
}

bool IsWoordGrens(char c) {
    return c == ' ' || c == '(' || c == '-' || c == '.' || c == '/';
}

// a-z and the Windows-1252 small letters E0..FE except F7 become their capitals; the rest stays.
char WoordHoofdletter(char c) {
    const unsigned char b = U(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
    return c;
}

bool IsInitiaalScheiding(char c) {
    return c == ' ' || c == '.' || c == '-' || c == '(';
}

// What each byte becomes in a file-name code: itself, a plain letter, or nothing.
struct SchoonTabel {
    char naar[256];
    bool weg[256] = {};
    SchoonTabel() {
        for (int b = 0; b < 256; ++b)
            naar[b] = static_cast<char>(b);
        for (const char c : {' ', ',', '.', '-', '?', '/', '\\', '"', '\'', '\x07'})
            weg[U(c)] = true;
        // Each letter by its DOS code page 437 code and its Windows-1252 code: collection files
        // may carry either. Ignoring case, so the Windows-1252 capitals go too; where a capital
        // belongs to two rows (C7 is the capital of E7), the earlier row takes it, as replacing
        // row by row would.
        static const std::pair<char, const char*> tabel[] = {
            {'a', "\xA0\xE1\x85\xE0\x83\xE2\x84\xE4"},
            {'e', "\x82\xE9\x8A\xE8\x88\xEA\x89\xEB"},
            {'i', "\xA1\xED\x8D\xEC\x8C\xEE\x8B\xEF"},
            {'o', "\xA2\xF3\x95\xF2\x93\xF4\x94\xF6"},
            {'u', "\xA3\xFA\x97\xF9\x96\xFB\x81\xFC"},
            {'c', "\x87\xE7"},
            {'C', "\x80\xC7"},
            {'n', "\xA4"},
        };
        bool vervangen[256] = {};
        for (const auto& [door, codes] : tabel)
            for (const char* c = codes; *c; ++c)
                for (int b = 0x80; b < 256; ++b)
                    if (!vervangen[b] && KleinLetter1252(static_cast<char>(b)) == KleinLetter1252(*c)) {
                        naar[b] = door;
                        vervangen[b] = true;
                    }
    }
};

} // namespace

std::string HoofdletterWoorden(const std::string& s, bool hoofdletters) {
    if (Trim(s).empty()) return {};
    if (hoofdletters) return AsciiHoofdletters(s);
    std::string r = AsciiKleineLetters(s);
    if (r[0] >= 'a' && r[0] <= 'z') r[0] = AsciiGroot(r[0]);
    for (std::size_t i = 0; i + 1 < r.size(); ++i)
        if (IsWoordGrens(r[i]) && !IsWoordGrens(r[i + 1])) r[i + 1] = WoordHoofdletter(r[i + 1]);
    return r;
}

std::string Initialen(const std::string& voornamen) {
    if (voornamen.empty()) return {};
    const std::string s = " " + voornamen;
    std::string r;
    std::size_t i = 0;
    while (i < s.size()) {
        if (!IsInitiaalScheiding(s[i])) {
            ++i; // the rest of a word
            continue;
        }
        for (; i < s.size() && IsInitiaalScheiding(s[i]); ++i)
            if (s[i] == '-') r += '-';
        if (i < s.size()) {
            r += s[i];
            r += '.';
            ++i;
        }
    }
    for (std::size_t p; (p = r.find("..")) != std::string::npos;)
        r.erase(p, 1);
    return AsciiHoofdletters(r);
}

std::string BestandsnaamSchoon(const std::string& s) {
    // One pass over a table instead of 43 replacements: the reader calls this for every card.
    static const SchoonTabel tabel;
    std::string r;
    r.reserve(s.size());
    for (const char c : s)
        if (!tabel.weg[U(c)]) r += tabel.naar[U(c)];
    return r;
}

} // namespace gdk
