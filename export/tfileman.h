#pragma once
// The file copier of the site writers: copies the program's own files (backgrounds, banner,
// desktop.ini) into a site, with a message when the source or the target folder is missing.
// May throw IOFout (KopieerBestand).
#include <string>

namespace gdk {

class TFileMan {
  public:
    // Copies `bron` to `doel` (both full paths). False, after a message, when `bron` does not
    // exist or the folder of `doel` does not; true when the copy was made. A read or write failure
    // during the copy closes both files and throws IOFout: it ends the export.
    bool KopieerBestand(const std::string& bron, const std::string& doel);
};

} // namespace gdk
