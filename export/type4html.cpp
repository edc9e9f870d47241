#include "export/type4html.h"

#include "data/html.h"
#include "platform/tekst1252.h"

#include <algorithm>
#include <array>
#include <vector>

namespace gdk::type4 {
namespace {

bool IsStuurteken(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F || c == 0x81 || c == 0x8D ||
           c == 0x8F || c == 0x90 || c == 0x9D;
}

bool IsLetterOfCijfer(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The named references a note may use: those of HTML 4 (every browser knows them).
bool IsBekendeNaam(std::string_view naam) {
    static constexpr std::string_view namen[] = {
        "quot",   "amp",    "apos",   "lt",     "gt",     "nbsp",   "iexcl",  "cent",   "pound",  "curren",
        "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",
        "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",
        "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",
        "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
        "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
        "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave",
        "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",
        "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",
        "otilde", "ouml",   "divide", "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",
        "yuml",   "OElig",  "oelig",  "Scaron", "scaron", "Yuml",   "fnof",   "circ",   "tilde",  "ensp",
        "emsp",   "thinsp", "zwnj",   "zwj",    "lrm",    "rlm",    "ndash",  "mdash",  "lsquo",  "rsquo",
        "sbquo",  "ldquo",  "rdquo",  "bdquo",  "dagger", "Dagger", "bull",   "hellip", "permil", "prime",
        "Prime",  "lsaquo", "rsaquo", "oline",  "frasl",  "euro",   "trade",  "larr",   "rarr",   "harr",
    };
    return std::find(std::begin(namen), std::end(namen), naam) != std::end(namen);
}

// The length of a character reference that starts at `s[0]` ("&"), or 0 when there is none a
// browser reads without complaint.
std::size_t Verwijzing(std::string_view s) {
    if (s.size() < 3) return 0;
    if (s[1] == '#') {
        const bool hex = s[2] == 'x' || s[2] == 'X';
        std::size_t i = hex ? 3 : 2;
        std::uint32_t cp = 0;
        const std::size_t begin = i;
        for (; i < s.size() && i - begin < 7; ++i) {
            const char c = s[i];
            int d = -1;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0) break;
            cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
        }
        if (i == begin || i >= s.size() || s[i] != ';') return 0;
        const bool goed = cp >= 0x20 && !(cp >= 0x7F && cp <= 0x9F) && !(cp >= 0xD800 && cp <= 0xDFFF) &&
                          cp <= 0x10FFFF && !(cp >= 0xFDD0 && cp <= 0xFDEF) && (cp & 0xFFFE) != 0xFFFE;
        return goed ? i + 1 : 0;
    }
    std::size_t i = 1;
    while (i < s.size() && i <= 32 && IsLetterOfCijfer(s[i]))
        ++i;
    if (i == 1 || i >= s.size() || s[i] != ';') return 0;
    return IsBekendeNaam(s.substr(1, i - 1)) ? i + 1 : 0;
}

// The simple tags HtmlTekst keeps: their name, and whether the tag closes.
struct Tag {
    std::string naam; // lower case
    bool sluit = false;
    std::size_t lengte = 0;
};
Tag LeesTag(std::string_view s) {
    Tag t;
    std::size_t i = 1;
    if (i < s.size() && s[i] == '/') {
        t.sluit = true;
        ++i;
    }
    while (i < s.size() && IsLetterOfCijfer(s[i]))
        t.naam += AsciiKlein(s[i++]);
    while (i < s.size() && s[i] != '>')
        ++i;
    t.lengte = i < s.size() ? i + 1 : 0;
    return t;
}

// Writes `s` with references and control characters made valid; `tags`: the simple tags are
// markup (page text) and get balanced, else they are left out (plain text).
std::string Maak(std::string_view s, bool tags) {
    std::string uit;
    uit.reserve(s.size() + 8);
    std::vector<std::string> open;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '&') {
            const std::size_t n = Verwijzing(s.substr(i));
            if (n == 0) {
                uit += "&amp;";
            } else {
                uit.append(s.substr(i, n));
                i += n - 1;
            }
        } else if (c == '<') {
            const Tag t = LeesTag(s.substr(i));
            if (t.lengte == 0) { // not from HtmlTekst; never markup
                uit += "&lt;";
                continue;
            }
            i += t.lengte - 1;
            if (!tags) continue;
            if (t.naam == "br") {
                if (!t.sluit) uit += "<br>";
            } else if (!t.sluit) {
                uit += "<" + t.naam + ">";
                open.push_back(t.naam);
            } else if (std::find(open.begin(), open.end(), t.naam) != open.end()) {
                // Tags still open inside it close first: the nesting stays valid.
                while (open.back() != t.naam) {
                    uit += "</" + open.back() + ">";
                    open.pop_back();
                }
                uit += "</" + t.naam + ">";
                open.pop_back();
            }
        } else if (IsStuurteken(static_cast<unsigned char>(c))) {
            uit += ' ';
        } else if (!tags && (c == '"' || c == '>')) {
            uit += c == '"' ? "&quot;" : "&gt;";
        } else {
            uit += c;
        }
    }
    while (!open.empty()) {
        uit += "</" + open.back() + ">";
        open.pop_back();
    }
    return uit;
}

} // namespace

std::string GeldigeHtml(std::string_view fragment) {
    return Maak(fragment, true);
}

std::string Html(std::string_view veld) {
    return Maak(HtmlTekst(veld), true);
}

std::string Kaal(std::string_view veld) {
    return Maak(HtmlTekst(veld), false);
}

std::string KaleTekst(std::string_view veld) {
    // The formatting tags out, nothing else changed; control characters a blank.
    const std::string zonder = HtmlTekst(veld);
    std::string uit;
    for (std::size_t i = 0; i < zonder.size(); ++i) {
        const char c = zonder[i];
        if (c == '<') {
            const Tag t = LeesTag(std::string_view(zonder).substr(i));
            if (t.lengte) {
                i += t.lengte - 1;
                continue;
            }
        }
        if (zonder.compare(i, 4, "&lt;") == 0) {
            uit += '<';
            i += 3;
            continue;
        }
        uit += IsStuurteken(static_cast<unsigned char>(c)) ? ' ' : c;
    }
    return uit;
}

std::string XmlTekst(std::string_view tekst) {
    std::string uit;
    for (const char c : tekst) {
        switch (c) {
        case '&':
            uit += "&amp;";
            break;
        case '<':
            uit += "&lt;";
            break;
        case '>':
            uit += "&gt;";
            break;
        case '"':
            uit += "&quot;";
            break;
        default:
            uit += c;
        }
    }
    return uit;
}

} // namespace gdk::type4
