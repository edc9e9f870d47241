#pragma once
// Real rclone remotes for tests: `rclone serve webdav` over a temporary folder on 127.0.0.1,
// a free port, and an rclone configuration of the test's own (RCLONE_CONFIG, for this process
// and every rclone it starts). The remotes use plain WebDAV, which keeps neither modification
// times nor checksums: the remote compares by size alone, as many web hosts do.
#include "support/boom.h"
#include "support/tijdelijke_map.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <sys/types.h>

namespace gdk::test {

class RcloneProef {
  public:
    RcloneProef();
    ~RcloneProef(); // stops the servers, restores RCLONE_CONFIG
    RcloneProef(const RcloneProef&) = delete;
    RcloneProef& operator=(const RcloneProef&) = delete;

    // Serves a new empty folder as remote `naam`; returns that folder. A read-only server
    // lists but refuses every upload.
    std::filesystem::path Serveer(const std::string& naam, bool alleenLezen = false);
    // Remote `naam` in the configuration, at a port where nothing listens.
    void Onbereikbaar(const std::string& naam);

  private:
    void Voeg(const std::string& naam, int poort);

    TijdelijkeMap map_;
    std::string config_;
    std::vector<pid_t> servers_;
    bool hadConfig_ = false;
    std::string vorigeConfig_;
};

} // namespace gdk::test
