#pragma once
// Checks an exported site as a web server would serve it: in every page (*.htm, *.html) below
// `site`, each HREF and SRC (a '\' read as '/', as browsers do; %XX decoded as a server does) must
// name a file that exists with exactly that letter case, relative to the page, inside the site.
// Page texts are Windows-1252 (*.htm) or UTF-8 (*.html), names on disk UTF-8. javascript:,
// mailto:, data:, http(s): and "#" anchors are not checked.
#include <filesystem>
#include <string>
#include <vector>

namespace gdk::test {

// One line per broken link: "<page relative to site>: <link as written>". Empty when all are good.
std::vector<std::string> KapotteLinks(const std::filesystem::path& site);

// The number of links checked by the last call (so a test can see that it checked anything).
std::size_t AantalGecontroleerdeLinks();

} // namespace gdk::test
