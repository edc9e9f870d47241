#pragma once
// A write that the disk or the folder refuses: no space or no inodes left, a read-only file
// system, no permission. Writing on is then pointless, so while a WeigeringScope is alive (one
// export) the first such failure throws SchrijfWeigering, with a Dutch message naming the file
// and the reason. It is no IOFout on purpose: the handlers that report one page and go on let it
// pass.
#include <stdexcept>
#include <string>

namespace gdk::fs {

class SchrijfWeigering : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class WeigeringScope {
  public:
    WeigeringScope();
    ~WeigeringScope();
    WeigeringScope(const WeigeringScope&) = delete;
    WeigeringScope& operator=(const WeigeringScope&) = delete;
};

// After a failed write of `pad1252` (a file, or a folder being made) with error number `fout`,
// throws SchrijfWeigering when a WeigeringScope is alive and the disk or folder refused.
void ControleerWeigering(const std::string& pad1252, int fout, bool isMap = false);
// The reason of a failure with error number `fout` in the user's words.
std::string Reden(int fout);
// The same for a write that failed after the export had moved on (a new file made once its name
// was claimed): whatever the cause, the export cannot report it at the file any more, so it stops.
void StopNaFout(const std::string& pad1252, int fout, bool isMap = false);

} // namespace gdk::fs
