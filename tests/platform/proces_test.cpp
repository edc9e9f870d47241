// Running a program without a shell: arguments arrive as given, large input and output on both
// streams at once do not stall, standard error comes in lines, and the end is told apart.
#include "platform/proces.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace gdk {
namespace {

TEST(Proces, EveryArgumentArrivesAsOneUntouched) {
    const std::vector<std::string> lastig = {
        "mijn site:public html/\"gedenkjes\"", "'enkel'", "-rf", "$HOME", "a;b|c", "*", ""};
    std::vector<std::string> argv = {"printf", "[%s]\\n"};
    argv.insert(argv.end(), lastig.begin(), lastig.end());
    const ProcesUitkomst u = VoerUit(argv, {}, nullptr);
    ASSERT_TRUE(u.gestart);
    EXPECT_EQ(u.code, 0);
    std::string verwacht;
    for (const std::string& a : lastig)
        verwacht += "[" + a + "]\n";
    EXPECT_EQ(u.uit, verwacht);
}

TEST(Proces, LargeInputAndBothOutputsFlowTogether) {
    // More than any pipe holds, on all three streams at once.
    std::string invoer;
    for (int i = 0; invoer.size() < 4'000'000; ++i)
        invoer += "paginas/" + std::to_string(i) + ".htm\n";
    std::size_t foutregels = 0;
    const ProcesUitkomst u =
        VoerUit({"sh", "-c", "tee /dev/stderr"}, invoer, [&](std::string_view) { ++foutregels; });
    EXPECT_EQ(u.code, 0);
    EXPECT_EQ(u.uit, invoer);
    EXPECT_EQ(foutregels, static_cast<std::size_t>(std::count(invoer.begin(), invoer.end(), '\n')));
}

TEST(Proces, StandardErrorInLinesAndHowTheProgramEnded) {
    struct Geval {
        const char* script;
        std::vector<std::string> regels;
        int code;
    };
    const Geval gevallen[] = {
        {"printf 'een\\r\\ntwee\\n\\nlaatste' >&2", {"een", "twee", "", "laatste"}, 0},
        {"exit 7", {}, 7},
        {"kill -9 $$", {}, -1},
        {"exec 0<&-; exit 3", {}, 3}, // stops reading its input at once
    };
    for (const Geval& g : gevallen) {
        std::vector<std::string> regels;
        const ProcesUitkomst u = VoerUit({"sh", "-c", g.script}, std::string(1'000'000, 'x'),
                                         [&](std::string_view r) { regels.emplace_back(r); });
        EXPECT_TRUE(u.gestart) << g.script;
        EXPECT_EQ(u.code, g.code) << g.script;
        EXPECT_EQ(regels, g.regels) << g.script;
    }
}

TEST(Proces, AMissingProgramIsNotStarted) {
    const ProcesUitkomst u = VoerUit({"gedenkjes-bestaat-niet"}, {}, nullptr);
    EXPECT_FALSE(u.gestart);
    EXPECT_EQ(u.startfout, ENOENT);
}

} // namespace
} // namespace gdk
