#pragma once
// The read command without its window steps: both front ends call it, the window adds its
// page-control and menu steps around it.
#include <string>

namespace gdk {

// Sets the collection globals from `pad` (a Windows-1252 path), deletes the report of an
// earlier read and reads the collection. The result is LeesGedenkjes's; IOFout passes through.
bool InlezenCommando(const std::string& pad);

} // namespace gdk
