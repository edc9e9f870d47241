#pragma once
// The search index of an exported site. While an export writes its card pages it hands each card
// to the session's ZoekIndex; at its end the export writes the search page with its script and the index:
// shards of cards in the order of the letter pages, cut where the folded surname's first letters
// change so that a surname search loads one shard, and shards of search words, each word with
// the ranks of the cards that hold it. Shards are script files (not data fetched by the page), so
// the search works from a web server and from the site opened straight from disk. Every text goes
// into them as an ASCII JavaScript string: no card field can close the script or run as markup.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

// No shard file grows beyond this many bytes.
inline constexpr std::size_t ZoekDeelLimiet = 256 * 1024;
// The folder of the shards below the site root.
inline constexpr const char* ZoekMap = "tool/zoeken";

// One card as the search shows and finds it.
struct ZoekKaart {
    std::string naam, geboren, overleden, plaats; // Windows-1252, as shown
    std::string link;                             // URL relative to the site root, ASCII; or empty
    std::string achternaam;                       // VouwAaneen of the surname: names the shard
    std::vector<std::string> woorden;             // folded search words, no repeats
};

// The text as a double-quoted JavaScript string of ASCII only: Windows-1252 converted to Unicode,
// and every character that could end the string, the script or a line ('"', '\\', '<', '>', '&',
// '\'', control bytes, all non-ASCII) written as \uXXXX.
std::string JsTekst(std::string_view s1252);
// A site path (Windows-1252, '/' separated) as a relative URL: UTF-8, percent-encoded except for
// letters, digits, '-', '.', '_', '~' and '/', as the file lies on disk.
std::string UrlPad(std::string_view pad1252);

// Builds the shards and the table of contents ("inhoud") from cards in letter-page order and
// hands each file, name without ".js", to `schrijf`; the table of contents comes last.
void MaakZoekBestanden(const std::vector<ZoekKaart>& kaarten, std::size_t limiet,
                       const std::function<void(const std::string&, const std::string&)>& schrijf);

class ZoekIndex {
  public:
    // Starts collecting for one export when the option ZoekpaginaMaken is on, else does nothing
    // until the next Begin. `laatstePerLink`: a later card with the same link replaces the
    // earlier one (type 1, where the later page overwrites the earlier).
    void Begin(bool laatstePerLink);
    // The same for a layout that always has its search (`aan`), whatever the option says.
    void Begin(bool laatstePerLink, bool aan);
    bool Actief() const { return actief_; }
    // One card whose page was written (or, without a page, whose row was): `sorteerRegel` is the
    // line by which the letter pages order it, `link` its page ('/' separated, relative to the site
    // root, Windows-1252), empty when it has none.
    void VoegToe(std::int32_t persoon, const std::string& sorteerRegel, const std::string& link);
    // The cards in the order of their lines, for a layout that has sorted the same lines already:
    // their places as added, first the smallest line (lines alike in every byte in any order).
    // Not for a Begin with `laatstePerLink`, which drops cards.
    void ZetVolgorde(std::vector<std::size_t> volgorde);
    // Writes the search page, its script and the index into `siteMap`, with progress, and ends
    // the collecting. Nothing when not active; StopNietAangemaakt when a file cannot be made.
    void Schrijf(const std::string& siteMap);
    // Writes only the index (its shards below `siteMap`) and the search script as
    // `scriptMap` + `scriptBestand`, for a layout with a search page of its own; ends the
    // collecting. The shards' folder gets the redirect page of the frame layouts when
    // `doorverwijzing`. Nothing when not active; StopNietAangemaakt when a file cannot be made.
    void SchrijfIndex(const std::string& siteMap, const std::string& scriptMap,
                      const std::string& scriptBestand, bool doorverwijzing);

  private:
    struct Ingang {
        std::int32_t persoon;
        std::string sorteerRegel, link;
    };
    bool actief_ = false;
    bool laatstePerLink_ = false;
    std::vector<Ingang> ingangen_;
    std::vector<std::size_t> volgorde_; // given by ZetVolgorde, else empty
};

} // namespace gdk
