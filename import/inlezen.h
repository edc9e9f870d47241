#pragma once
// The read command without its window steps: both front ends call it, the window adds its
// page-control and menu steps around it.
#include <string>

namespace gdk {

// True, after telling the user why, when the file at `pad` is plainly no collection (a family
// tree, UTF-16 text). Nothing is changed then: the collection read before stays, report and all.
bool CollectieGeweigerd(const std::string& pad);

// Unless the file is refused (false), sets the collection globals from `pad` (a Windows-1252
// path), deletes the report of an earlier read and reads the collection. The result is
// LeesGedenkjes's; IOFout passes through.
bool InlezenCommando(const std::string& pad);

} // namespace gdk
