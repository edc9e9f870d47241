#pragma once
// The 26 letter index pages of the type 1 site, "inhouda.htm" to "inhoudz.htm" in the site root:
// per capital letter the surnames that start with it, each in bold and followed by one link per
// person page, spread over a table of four columns of near-equal length. A letter without
// surnames gets a page that says so. Nothing here throws: a page that cannot be written is
// reported (or, for an empty letter, passed over) where it fails.
#include <string>
#include <vector>

namespace gdk {

// Assembly state of the letter page being built. A page is assembled completely before it is
// written, because its column breaks depend on the number of surnames on it. The buffer grows as
// needed: a letter with more lines than the 25000 the pages were laid out for loses nothing.
inline constexpr std::size_t RegelbufferOntwerp = 25000;
extern std::vector<std::string> Regelbuffer; // slot n is Regelbuffer[n - 1]; the counter is size() + 1
extern std::string Trefwoorden;              // the page's surnames joined by ","

// The letter pages from the index entries of the site, sorted ascending as the text lists sort
// (content + ";" + full path of the person page). `siteMap` has no closing separator. Letters
// before, between and after those with entries get the empty page; a list without a single entry
// that belongs on a letter page gives 26 empty pages. False when a page with entries could not be
// written (reported in a message box); the remaining letters then get no page.
bool SchrijfLetterPaginas(const std::string& siteMap, const std::vector<std::string>& regels);

// The page of a letter without entries ("Voor de letter X zijn geen gegevens aanwezig."), 49
// lines. Only for the capitals A to Z; a failure to write it is silent.
void SchrijfLegeLetterPagina(const std::string& siteMap, char letter);

// The link to a page from the site root: `pad` with `siteMap` + "\" removed (either separator,
// without regard to case), forward slashes, in small letters.
std::string MaakLink(const std::string& siteMap, const std::string& pad);

// True for the character codes 65 to 90 ("A" to "Z").
bool IsHoofdletter(int code);

} // namespace gdk
