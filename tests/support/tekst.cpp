#include "support/tekst.h"

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

} // namespace gdk::test
