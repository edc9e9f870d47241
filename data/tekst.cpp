#include "data/tekst.h"

#include "platform/tekst1252.h"

namespace gdk {

bool TekstNaarGetal(const std::string& s, std::int32_t& uit) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negatief = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negatief = s[i++] == '-';
    if (i == s.size()) return false;
    std::int64_t waarde = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        waarde = waarde * 10 + (s[i] - '0');
        if (waarde > 2147483648LL) return false;
    }
    if (negatief) waarde = -waarde;
    if (waarde > INT32_MAX || waarde < INT32_MIN) return false;
    uit = static_cast<std::int32_t>(waarde);
    return true;
}

std::string GetalOpLengte(std::int64_t n, int lengte) {
    if (lengte < 0) return {};
    std::string tekst = std::to_string(n);
    const auto l = static_cast<std::size_t>(lengte);
    if (tekst.size() < l) return std::string(l - tekst.size(), '0') + tekst;
    return tekst.substr(tekst.size() - l);
}

std::string DuurTekst(std::uint32_t ms) {
    const std::uint32_t dagen = ms / 86400000u;
    const std::uint32_t uren = (ms % 86400000u) / 3600000u;
    const std::uint32_t minuten = (ms % 3600000u) / 60000u;
    const std::uint32_t seconden = (ms % 60000u) / 1000u;
    return GetalOpLengte(dagen, 2) + ":" + GetalOpLengte(uren, 2) + ":" + GetalOpLengte(minuten, 2) + ":" +
           GetalOpLengte(seconden, 2);
}

std::string VervangEnVerklein(const std::string& s, const std::string& oud, const std::string& nieuw) {
    return AsciiKleineLetters(VervangAlles(s, oud, nieuw));
}

std::string VerwijderTussenHaakjes(const std::string& s, char open, char sluit) {
    // One pass, copying what stays: erasing each part in place took quadratic time on a long
    // text full of brackets.
    std::string r;
    r.reserve(s.size());
    std::size_t p = 0;
    while (p < s.size()) {
        const std::size_t open1 = s.find(open, p);
        if (open1 == std::string::npos) break;
        const std::size_t q = s.find(sluit, open1 + 1);
        if (q == std::string::npos) break; // an unclosed bracket keeps the rest as it is
        r.append(s, p, open1 - p);
        // Brackets do not nest: the walk goes on at the character after the first closing one.
        p = q + 1;
    }
    if (p < s.size()) r.append(s, p, std::string::npos);
    return Trim(r);
}

} // namespace gdk
