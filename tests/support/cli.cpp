#include "support/cli.h"

#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace gdk::test {

CliUitkomst VoerCli(const std::string& args, const std::filesystem::path& werkmap,
                    const std::string& standaarduitvoer) {
    const std::string cli = std::string(GDK_BINARY_DIR) + "/gedenkjes-cli";
    if (!std::filesystem::exists(cli)) ADD_FAILURE() << cli << " is not built";
    const TijdelijkeMap opvang; // the output lands beside, never in, the folder under test
    const std::filesystem::path uit = opvang.pad() / "uit", fout = opvang.pad() / "fout";
    const std::string opdracht = "cd " + Quote(werkmap.string()) + " && " + Quote(cli) + " " + args + " >" +
                                 Quote(standaarduitvoer.empty() ? uit.string() : standaarduitvoer) + " 2>" +
                                 Quote(fout.string()) + " </dev/null";
    const int status = std::system(opdracht.c_str());
    CliUitkomst u;
    u.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    u.uit = LeesBestand(uit);
    u.fout = LeesBestand(fout);
    return u;
}

} // namespace gdk::test
