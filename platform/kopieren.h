#pragma once
// Copying a file byte for byte through the resolver, in the kernel where it can.
#include <functional>
#include <string>

struct stat;

namespace gdk::fs {

// Shown the source where a copy opens it, before its bytes go: the open descriptor (to read with
// pread, so that the copy still starts at its beginning) and its stat. Not every copy shows it: one
// skipped (the same source again), one waiting to be made, or one over a file of a kept site; who
// saw nothing opens the file itself.
using BronKijker = std::function<void(int fd, const struct stat& sb)>;

// False when the source cannot be read or the target not written (a half copy is removed). In an
// export's own tree the same source copied to the same target again is already there, and a
// target written before is written over, not emptied first. `kijk`: a file read for what it holds
// and copied too is opened once. May throw SchrijfWeigering (weigering.h).
bool Kopieer(const std::string& bron1252, const std::string& doel1252, const BronKijker& kijk = {});

} // namespace gdk::fs
