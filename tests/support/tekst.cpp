#include "support/tekst.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include <unicode/unistr.h>

namespace gdk::test {

std::string Vervang(std::string s, const std::string& oud, const std::string& nieuw) {
    for (std::size_t p = s.find(oud); p != std::string::npos; p = s.find(oud, p + nieuw.size()))
        s.replace(p, oud.size(), nieuw);
    return s;
}

std::string MetCrLf(const std::string& tekst) {
    std::string uit;
    for (const char c : tekst) {
        if (c == '\n') uit += '\r';
        uit += c;
    }
    return uit;
}

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string Utf16MetMerk(const std::string& utf8, bool grootEinde) {
    const icu::UnicodeString tekst = icu::UnicodeString::fromUTF8(utf8);
    std::string uit = grootEinde ? "\xFE\xFF" : "\xFF\xFE";
    for (int32_t i = 0; i < tekst.length(); ++i) {
        const char16_t e = tekst.charAt(i);
        const char hoog = static_cast<char>(e >> 8), laag = static_cast<char>(e & 0xFF);
        uit += grootEinde ? hoog : laag;
        uit += grootEinde ? laag : hoog;
    }
    return uit;
}

std::string Verwacht(const std::string& naam, const Invullingen& invullingen) {
    const std::string map = naam.find('/') == std::string::npos ? "export/verwacht/" : "";
    std::ifstream in(std::string(GDK_SOURCE_DIR) + "/tests/" + map + naam, std::ios::binary);
    if (!in.is_open()) {
        ADD_FAILURE() << "no expected file " << naam;
        return {};
    }
    std::ostringstream uit;
    uit << in.rdbuf();
    std::string tekst = uit.str();
    for (const auto& [plek, waarde] : invullingen) {
        // A placeholder the file lacks is a slip in the test or in the file, not a match.
        if (tekst.find(plek) == std::string::npos) ADD_FAILURE() << naam << " has no " << plek;
        tekst = Vervang(std::move(tekst), plek, waarde);
    }
    return tekst;
}

} // namespace gdk::test
