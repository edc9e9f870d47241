#include "data/datums.h"

#include "data/tekst.h"
#include "platform/tekst1252.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <utility>

namespace gdk {

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

namespace {

// Day, month and year of a date written day first with '-' (or '.') between the parts, blanks
// around each allowed; false when a part is missing or no whole number.
bool DelenLezen(const std::string& datum, std::int32_t& dag, std::int32_t& maand, std::int32_t& jaar) {
    std::string t = DatumNaarNederlands(datum);
    const std::size_t streep1 = t.find('-');
    if (streep1 == std::string::npos) return false;
    if (!TekstNaarGetal(Trim(t.substr(0, streep1)), dag)) return false;
    t = Trim(t.substr(streep1 + 1));
    const std::size_t streep2 = t.find('-');
    if (streep2 == std::string::npos) return false;
    if (!TekstNaarGetal(Trim(t.substr(0, streep2)), maand)) return false;
    return TekstNaarGetal(Trim(t.substr(streep2 + 1)), jaar);
}

} // namespace

std::string DatumNormaliseren(const std::string& datum, std::int32_t instelling) {
    // Only 1 and 2 are formats; 0, negative values (nothing stored) and anything else leave the
    // date as the file has it.
    if (instelling != 1 && instelling != 2) return datum;

    std::int32_t dag = 0, maand = 0, jaar = 0;
    // Year first only in the one unmistakable form: read day first, 1889-08-11 would be day 1889.
    if (const auto iso = IsoDatum(datum)) {
        dag = iso->dag;
        maand = iso->maand;
        jaar = iso->jaar;
    } else if (!DelenLezen(datum, dag, maand, jaar)) {
        return datum;
    }

    if (instelling == 1)
        return GetalOpLengte(dag, 2) + "-" + GetalOpLengte(maand, 2) + "-" + GetalOpLengte(jaar, 4);
    return std::to_string(dag) + "-" + std::to_string(maand) + "-" + std::to_string(jaar);
}

std::optional<DatumTijd> KalenderDatum(const std::string& datum) {
    if (auto iso = IsoDatum(datum)) return iso;
    return TekstNaarDatum(DatumNaarNederlands(datum));
}

} // namespace gdk
