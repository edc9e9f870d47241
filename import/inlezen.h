#pragma once
// The read command without its window steps: both front ends call it, the window adds its
// page-control and menu steps around it.
#include <string>

namespace gdk {

// True, after telling the user why, when the file at `pad` (as the operating system names it) is
// plainly no collection (a family tree, UTF-16 text). Nothing is changed then: the collection read
// before stays, report and all.
bool CollectieGeweigerd(const std::string& pad);

// Unless the file is refused (false), sets the collection globals from `pad`, the file as the
// operating system names it (the bytes of the command line or the open dialog: a '\' is a letter
// of a name), deletes the report of an earlier read and reads the collection. The globals hold its
// Windows-1252 text, and the file system finds that text, and the report beside it, by the name
// given. The result is LeesGedenkjes's; IOFout passes through.
bool InlezenCommando(const std::string& pad);

} // namespace gdk
