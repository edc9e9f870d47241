#include "data/ufuncties.h"

#include "import/woordlijsten.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <system_error>

namespace gdk {
namespace {

unsigned char U(char c) {
    return static_cast<unsigned char>(c);
}

bool IsScheiding(char c) {
    return c == '\\' || c == '/';
}

} // namespace

// ---------------------------------------------------------------- status bar

void StatusbalkIndelen() {
    UI().StatusbalkIndelen();
}

void StatusLinks(const std::string& tekst) {
    UI().ToonLinks("  " + (tekst.empty() ? UitvoerTekst[110] : tekst));
    // Long operations block the window: the text must be visible now, not at the next idle.
    UI().Herteken();
}

void StatusRechts(const std::string& tekst) {
    UI().ToonRechts("  " + (tekst.empty() ? UitvoerTekst[67] : tekst));
    UI().Herteken();
}

// ---------------------------------------------------------------- numbers and durations

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

std::string ZonderSlotBackslash(const std::string& pad) {
    std::size_t eind = pad.size();
    while (eind > 0 && IsScheiding(pad[eind - 1]))
        --eind;
    return pad.substr(0, eind);
}

// ---------------------------------------------------------------- dates

std::string DatumNaarNederlands(const std::string& datum) {
    // The order matters: the full English month names go first, so that "mar" and "oct" only
    // meet the abbreviations; each replacement is written exactly as listed.
    static const std::pair<const char*, const char*> vervangingen[] = {
        {"January", "januari"},
        {"February", "februari"},
        {"March", "maart"},
        {"April", "april"},
        {"May", "mei"},
        {"June", "juni"},
        {"July", "juli"},
        {"August", "augustus"},
        {"September", "september"},
        {"October", "oktober"},
        {"November", "november"},
        {"December", "december"},
        {"mar", "mrt"},
        {"oct", "okt"},
        {"ABT ", "ca "},
        {"CAL ", "ca "},
        {"EST ", "ca "},
        {"BEF ", "voor "},
        {"AFT ", "na "},
        {"BET ", "tussen "},
        {"ABT. ", "ca "},
        {"CAL. ", "ca "},
        {"EST. ", "ca "},
        {"BEF. ", "voor "},
        {"AFT. ", "na "},
        {"BET. ", "tussen "},
        {"  ", " "},
        {".", "-"},
    };
    // An ASCII letter matches only ASCII letters ignoring case, so a pattern is sought only when
    // the text holds each of its letters: a numeric date (most of them) skips straight to the
    // last two, a written one to the few patterns that share its letters. A replacement adds
    // the letters of its new text to the set and removes none, so no possible match is skipped.
    static const auto Letters = [](std::string_view tekst) {
        std::uint32_t set = 0;
        for (const char c : tekst)
            if (const char k = AsciiKlein(c); k >= 'a' && k <= 'z') set |= 1u << (k - 'a');
        return set;
    };
    static const auto nodig = [] {
        std::array<std::pair<std::uint32_t, std::uint32_t>, std::size(vervangingen)> n{};
        for (std::size_t i = 0; i < n.size(); ++i)
            n[i] = {Letters(vervangingen[i].first), Letters(vervangingen[i].second)};
        return n;
    }();
    std::string t = datum;
    std::uint32_t aanwezig = Letters(t);
    for (std::size_t i = 0; i < std::size(vervangingen); ++i) {
        const auto& [oud, nieuw] = vervangingen[i];
        if ((nodig[i].first & aanwezig) != nodig[i].first ||
            ZoekZonderHoofdletters(t, oud) == std::string::npos)
            continue;
        t = VervangAlles(t, oud, nieuw);
        aanwezig |= nodig[i].second;
    }
    return t;
}

std::string DatumNormaliseren(const std::string& datum) {
    const std::int32_t instelling = adDatumAanpassen;
    // Only 1 and 2 are formats; 0, negative values (nothing stored) and anything else leave the
    // date as the file has it.
    if (instelling != 1 && instelling != 2) return datum;

    std::string t = DatumNaarNederlands(datum);
    const std::size_t streep1 = t.find('-');
    if (streep1 == std::string::npos) return datum;
    std::int32_t dag = 0, maand = 0, jaar = 0;
    if (!TekstNaarGetal(Trim(t.substr(0, streep1)), dag)) return datum;
    t = Trim(t.substr(streep1 + 1));
    const std::size_t streep2 = t.find('-');
    if (streep2 == std::string::npos) return datum;
    if (!TekstNaarGetal(Trim(t.substr(0, streep2)), maand)) return datum;
    if (!TekstNaarGetal(Trim(t.substr(streep2 + 1)), jaar)) return datum;

    if (instelling == 1)
        return GetalOpLengte(dag, 2) + "-" + GetalOpLengte(maand, 2) + "-" + GetalOpLengte(jaar, 4);
    return std::to_string(dag) + "-" + std::to_string(maand) + "-" + std::to_string(jaar);
}

// ---------------------------------------------------------------- names and file-name codes

namespace {

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

namespace {

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

std::string BestandsnaamSchoon(const std::string& s) {
    // One pass over a table instead of 43 replacements: the reader calls this for every card.
    static const SchoonTabel tabel;
    std::string r;
    r.reserve(s.size());
    for (const char c : s)
        if (!tabel.weg[U(c)]) r += tabel.naar[U(c)];
    return r;
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

// ---------------------------------------------------------------- file-system listings

namespace {

void ZoekMappenIn(const std::string& map, std::vector<std::string>& lijst, std::set<std::string>& bezocht) {
    // A symbolic link back up the tree would otherwise make the walk endless.
    std::error_code ec;
    const std::filesystem::path echt = std::filesystem::canonical(fs::OpSchijf(map), ec);
    if (!ec && !bezocht.insert(echt.string()).second) return;

    const std::string basis = !map.empty() && IsScheiding(map.back()) ? map : map + "/";
    for (const fs::Item& item : fs::Lijst(basis)) {
        if (!item.isMap || item.naam.empty() || item.naam[0] == '.') continue;
        lijst.push_back(basis + item.naam);
        ZoekMappenIn(basis + item.naam, lijst, bezocht);
    }
}

} // namespace

void ZoekMappen(const std::string& map, std::vector<std::string>& lijst) {
    std::set<std::string> bezocht;
    ZoekMappenIn(map, lijst, bezocht);
}

bool ZoekBestanden(const std::string& map, const std::string& masker, const std::string& extensie,
                   std::vector<std::string>& lijst) {
    const std::string patroon = masker + "." + extensie;
    bool gevonden = false;
    for (const fs::Item& item : fs::Lijst(map)) {
        if (!fs::PastOpMasker(item.naam, patroon)) continue;
        gevonden = true; // a matching folder counts as found, though it is not listed
        if (!item.isMap) lijst.push_back(map + "/" + item.naam);
    }
    return gevonden;
}

std::string LeesInhoudMeta(const std::string& regel) {
    static const char* const tags[] = {
        "<meta name=\"vinhoud\" content=\"",
        "<meta name=\"minhoud\" content=\"",
        "<meta name=\"kinhoud\" content=\"",
        "<meta name=\"oinhoud\" content=\"",
    };
    const std::string klein = AsciiKleineLetters(regel);
    for (const char* tag : tags) {
        if (klein.find(tag) == std::string::npos) continue;
        // The content between the tag (which opens the line, 30 characters) and the closing ">.
        if (regel.size() <= 32) return {};
        return regel.substr(30, regel.size() - 32);
    }
    return {};
}

// ---------------------------------------------------------------- shared helpers

std::string Trim(const std::string& s) {
    std::size_t begin = 0, eind = s.size();
    while (begin < eind && U(s[begin]) <= 32)
        ++begin;
    while (eind > begin && U(s[eind - 1]) <= 32)
        --eind;
    return s.substr(begin, eind - begin);
}

namespace {

bool OpentToegestaneTag(std::string_view s) {
    static constexpr std::string_view tags[] = {"<b>",    "</b>",  "<i>",    "</i>",     "<u>",      "</u>",
                                                "<em>",   "</em>", "<br>",   "<br/>",    "<br />",   "<sup>",
                                                "</sup>", "<sub>", "</sub>", "<strong>", "</strong>"};
    for (const std::string_view tag : tags)
        if (s.size() >= tag.size() && GelijkZonderHoofdletters(s.substr(0, tag.size()), tag)) return true;
    return false;
}

std::string HtmlVeld(std::string_view veld, bool attribuut) {
    const std::size_t eerste = EersteVan(veld, attribuut ? "<\"" : "<");
    if (eerste == std::string_view::npos) return std::string(veld);
    std::string uit(veld.substr(0, eerste));
    uit.reserve(veld.size() + 16);
    for (std::size_t i = eerste; i < veld.size(); ++i) {
        const char c = veld[i];
        if (c == '<' && !OpentToegestaneTag(veld.substr(i)))
            uit += "&lt;";
        else if (c == '"' && attribuut)
            uit += "&quot;";
        else
            uit += c;
    }
    return uit;
}

} // namespace

std::string HtmlTekst(std::string_view veld) {
    return HtmlVeld(veld, false);
}

std::string HtmlAttribuut(std::string_view veld) {
    return HtmlVeld(veld, true);
}

bool IsLeeg(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

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

std::string ExtensieVervangen(const std::string& naam, const std::string& nieuw) {
    const std::size_t scheiding = LaatsteVan(naam, "\\/:");
    const std::size_t punt = naam.rfind('.');
    if (punt == std::string::npos || (scheiding != std::string::npos && punt < scheiding))
        return naam + nieuw;
    return naam.substr(0, punt) + nieuw;
}

std::string BestandsnaamDeel(const std::string& pad, bool ookDubbelePunt) {
    const std::size_t p = LaatsteVan(pad, ookDubbelePunt ? "\\/:" : "\\/");
    return p == std::string::npos ? pad : pad.substr(p + 1);
}

} // namespace gdk
