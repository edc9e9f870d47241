#pragma once
// The lines rclone writes on standard error with --use-json-log: its statistics, which the
// status bar shows while it sends, and its errors, which a failure message quotes. A fatal
// error comes last as a plain line ("2026/12/09 23:07:03 Failed to copy: ..."), not as JSON.
#include <cstdint>
#include <string>
#include <string_view>

namespace gdk {

struct RcloneStatistiek {
    std::int64_t bytes = 0, totaalBytes = 0;
    std::int64_t bestanden = 0, totaalBestanden = 0; // transfers done, transfers known so far
    std::int64_t verwijderd = 0;
};

struct RcloneRegel {
    bool heeftStatistiek = false;
    RcloneStatistiek statistiek;
    bool isFout = false; // an error: a JSON line of level "error", or a plain line
    std::string tekst;   // its message as rclone wrote it (UTF-8), the date of a plain line removed
    std::string bestand; // the file it is about, when rclone names one
};

RcloneRegel LeesRcloneRegel(std::string_view regel);

} // namespace gdk
