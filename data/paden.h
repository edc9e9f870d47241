#pragma once
// Paths and file names as the system takes them apart (either separator counts), and the
// folder walks of the exports.
#include <cstddef>
#include <string>
#include <vector>

namespace gdk {

// The extension starts at the last '.' after the last '\', '/' or ':'; a name without one gets
// `nieuw` appended.
std::string ExtensieVervangen(const std::string& naam, const std::string& nieuw);
// The file name part: after the last '\' or '/' (and ':' when `ookDubbelePunt`).
std::string BestandsnaamDeel(const std::string& pad, bool ookDubbelePunt = false);

// For a path the operating system gave (the command line, the open dialog, the program folder),
// where only '/' separates and a '\' or ':' is a letter of a name: without its closing '/', with
// the extension of its file name replaced, its file name.
std::string OsZonderSlotScheiding(const std::string& pad);
std::string OsExtensieVervangen(const std::string& pad, const std::string& nieuw);
std::string OsBestandsnaamDeel(const std::string& pad);

// The longest file or folder name an export makes from card data: in UTF-8 at most three bytes a
// character, so it fits the 255 bytes of every common file system with room to spare.
inline constexpr std::size_t MaxNaamLengte = 64;
// `naam` itself when it is at most MaxNaamLengte long; else its start, '~' and eight hexadecimal
// digits of a hash of the whole name, MaxNaamLengte in all, so that two long names stay apart.
std::string NaamOpLengte(const std::string& naam);

// Every folder below `map`, depth first, without hidden ones; a link back up the tree ends the walk.
void ZoekMappen(const std::string& map, std::vector<std::string>& lijst);
// Appends map + "/" + name of each file matching masker + "." + extensie (ignoring case); true
// when anything matched, a folder included.
bool ZoekBestanden(const std::string& map, const std::string& masker, const std::string& extensie,
                   std::vector<std::string>& lijst);

} // namespace gdk
