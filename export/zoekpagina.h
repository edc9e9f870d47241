#pragma once
// The search page of an exported site and its script. The page lies in the site root and shows in
// the content frame; the script reads the index shards of tool/zoeken (zoekindex.h).
#include <string>

namespace gdk {

// "zoeken.htm": the common head of a root page, a search field, a line with the number found and
// the result list, in the look of the welcome page. A page address ending in "?q=WORDS" fills the
// field and searches at once.
void SchrijfZoekpagina(const std::string& map, const std::string& bestand);
// "zoeken.js": the folding table of the index (zoekvouw.h) followed by the search code.
void SchrijfZoekScript(const std::string& map, const std::string& bestand);

// The search code itself, without the table.
const char* ZoekScriptCode();

} // namespace gdk
