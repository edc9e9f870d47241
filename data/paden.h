#pragma once
// Paths and file names as the system takes them apart (either separator counts), and the
// folder walks of the exports.
#include <string>
#include <vector>

namespace gdk {

// Removes every closing '\' (and '/').
std::string ZonderSlotBackslash(const std::string& pad);
// The extension starts at the last '.' after the last '\', '/' or ':'; a name without one gets
// `nieuw` appended.
std::string ExtensieVervangen(const std::string& naam, const std::string& nieuw);
// The file name part: after the last '\' or '/' (and ':' when `ookDubbelePunt`).
std::string BestandsnaamDeel(const std::string& pad, bool ookDubbelePunt = false);

// Every folder below `map`, depth first, without hidden ones; a link back up the tree ends the walk.
void ZoekMappen(const std::string& map, std::vector<std::string>& lijst);
// Appends map + "/" + name of each file matching masker + "." + extensie (ignoring case); true
// when anything matched, a folder included.
bool ZoekBestanden(const std::string& map, const std::string& masker, const std::string& extensie,
                   std::vector<std::string>& lijst);

} // namespace gdk
