#pragma once
// What every page of the type 4 site shares: its files written below the site folder, and the
// frame of a page (head, header with the banner and the search field, footer). Pages are composed
// in Windows-1252, as all text of the program, and written as UTF-8.
#include "data/beeldmaten.h"
#include "platform/kopieren.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace gdk::type4 {

// The files of one site, below its folder; folders are made as their first file is written.
class Bestanden {
  public:
    explicit Bestanden(std::string siteMap) : siteMap_(std::move(siteMap)) {}
    const std::string& SiteMap() const { return siteMap_; }
    // Writes `bytes` as the file `pad` ('/' separated, below the site folder);
    // StopNietAangemaakt when it cannot be made or written.
    void Schrijf(const std::string& pad, std::string_view bytes);
    // A page: Windows-1252 text written as UTF-8.
    void SchrijfPagina(const std::string& pad, std::string_view tekst1252);
    // Copies the file `bron` (a full path) to `pad`. Throws IOFout when it cannot: a card image
    // that cannot be copied ends the export, as in the other layouts.
    void Kopieer(const std::string& bron, const std::string& pad, const fs::BronKijker& kijk = {});
    // The same for an image, and its size as its header gives it, read where the copy opens it.
    std::optional<Beeldmaat> KopieerBeeld(const std::string& bron, const std::string& pad);

  private:
    bool MaakMapVan(const std::string& pad);
    std::string siteMap_;
    std::unordered_set<std::string> mappen_; // made in this export
};

// What the pages of one site share.
struct SiteGegevens {
    std::string webAdres;            // the public address, ending in '/', or empty
    std::optional<Beeldmaat> banner; // the banner's size when the program had one to copy
    bool favicon = false;            // the program's icon was copied
    std::string datum;               // the export date when DatumWeergeven is on, else empty
};

// The public address from the setting WebAdres: trimmed, "https://" added when it names no
// scheme, a '/' at its end. Empty when blank, or when it holds a blank, a quote or '<' or '>'
// (no address a browser reads) or a scheme other than http and https.
std::string WebAdresVan(const std::string& instelling);

// The head and frame of one page.
struct Kop {
    std::string pad;          // the page below the site root
    std::string titel;        // plain text (Kaal), without the site's name
    std::string beschrijving; // plain text
    std::string ogAfbeelding; // an image below the site root for sharing, or empty
    std::string ogType = "website";
    std::string extra;        // more lines for the head (structured data)
    bool zoekveld = true;     // the search form in the header (the search page has its own)
    bool vindbaar = true;     // false for the 404 page: no canonical address, not indexed
    bool vanafWortel = false; // links resolve from the site root wherever the page is served
};

// The site's one style sheet (tool/stijl.css).
const char* StijlbladTekst();

// "../" for every folder between the page and the site root.
std::string NaarWortel(const std::string& pad);

// The whole page: head, skip link, header, `spoor` (the trail, may be empty), `inhoud` inside
// <main>, footer (`voet` lines, may be empty). All texts Windows-1252 markup.
std::string Pagina(const SiteGegevens& site, const Kop& kop, const std::string& spoor,
                   const std::string& inhoud, const std::string& voet = {});

// The trail "Start > ...": `stappen` of (link below the root or empty for the page itself, text).
struct Stap {
    std::string link, tekst;
};
std::string Spoor(const std::string& pad, std::initializer_list<Stap> stappen);

} // namespace gdk::type4
