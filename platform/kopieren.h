#pragma once
// Copying a file byte for byte through the resolver, in the kernel where it can.
#include <string>

namespace gdk::fs {

// False when the source cannot be read or the target not written (a half copy is removed). In an
// export's own tree the same source copied to the same target again is already there, and a
// target written before is written over, not emptied first. May throw SchrijfWeigering
// (weigering.h).
bool Kopieer(const std::string& bron1252, const std::string& doel1252);

} // namespace gdk::fs
