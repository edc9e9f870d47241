#pragma once
// Runs the real gedenkjes-cli as a user would from a shell, with its output caught in files.
#include "support/tekst.h"

#include <filesystem>
#include <string>

namespace gdk::test {

struct CliUitkomst {
    int code = -1;    // exit status; -1 when the program did not exit normally
    std::string uit;  // standard output, bytes
    std::string fout; // standard error, UTF-8
};

// gedenkjes-cli `args` (already quoted where needed) run in `werkmap`, its output caught in a
// temporary folder of its own. Standard output goes to `standaarduitvoer` instead when given.
CliUitkomst VoerCli(const std::string& args, const std::filesystem::path& werkmap,
                    const std::string& standaarduitvoer = {});

} // namespace gdk::test
