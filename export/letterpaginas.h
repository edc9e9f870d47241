#pragma once
// The 26 letter index pages of the type 1 site, "inhouda.htm" to "inhoudz.htm" in the site root:
// per letter the surnames it lists (NaamLetter: those without a letter first on A's page), each in
// bold and followed by one link per person page, spread over a table of four columns of
// near-equal length, so that every person page is reached. A letter without surnames gets a page
// that says so. Nothing here throws: a page that cannot be written is
// reported (or, for an empty letter, passed over) where it fails.
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

// One entry of the index: the index line of a person page and the page's full path, kept as the
// one text the letter pages sort on (line + ";" + path).
class IndexIngang {
  public:
    IndexIngang(const std::string& inhoud, const std::string& pad)
        : tekst_(inhoud + ";" + pad), lengte_(inhoud.size()) {}
    std::string_view Tekst() const { return tekst_; }
    std::string_view Inhoud() const { return std::string_view(tekst_).substr(0, lengte_); }
    std::string_view Pad() const { return std::string_view(tekst_).substr(lengte_ + 1); }

  private:
    std::string tekst_;
    std::size_t lengte_;
};

// The letter pages from the index entries of the site, sorted ascending on their text as the
// text lists sort. `siteMap` has no closing separator. Letters before, between and after those
// with entries get the empty page; an empty list gives 26 empty pages. A page that cannot be made
// or written stops the export (StopNietAangemaakt).
void SchrijfLetterPaginas(const std::string& siteMap, const std::vector<IndexIngang>& regels);

// The page of a letter without entries ("Voor de letter X zijn geen gegevens aanwezig."), 49
// lines. Only for the capitals A to Z; a failure to write it stops the export as any page's does.
void SchrijfLegeLetterPagina(const std::string& siteMap, char letter);

// The link to a page from the site root: `pad` with `siteMap` + "\" removed (either separator,
// without regard to case), forward slashes, in small letters.
std::string MaakLink(const std::string& siteMap, const std::string& pad);

// True for the character codes 65 to 90 ("A" to "Z").
bool IsHoofdletter(int code);

} // namespace gdk
