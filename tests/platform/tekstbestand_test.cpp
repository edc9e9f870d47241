#include "platform/tekstbestand.h"

#include "platform/bestanden.h"
#include "platform/schrijfteller.h"
#include "platform/weigering.h"

#include "support/fouten.h"
#include "support/tijdelijke_map.h"

#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk {
namespace {

using test::GooitIOFout;
using test::LeesBestand;
using test::TijdelijkeMap;

std::vector<std::string> AlleRegels(const std::string& pad) {
    TekstLezer lezer;
    EXPECT_TRUE(lezer.Open(pad));
    std::vector<std::string> regels;
    std::string regel;
    while (lezer.LeesRegel(regel))
        regels.push_back(regel);
    EXPECT_FALSE(lezer.LeesRegel(regel)); // stays at the end
    return regels;
}

struct Geval {
    const char* naam;
    std::string inhoud;
    std::vector<std::string> regels;
};

class TekstLezerRegels : public testing::TestWithParam<Geval> {};

TEST_P(TekstLezerRegels, SplitsAsDosDoes) {
    TijdelijkeMap map;
    EXPECT_EQ(AlleRegels(map.Schrijf("a.txt", GetParam().inhoud)), GetParam().regels);
}

INSTANTIATE_TEST_SUITE_P(
    TekstLezer, TekstLezerRegels,
    testing::Values(
        Geval{"empty", "", {}}, Geval{"crlf", "een\r\ntwee\r\n", {"een", "twee"}},
        Geval{"lf", "een\ntwee\n", {"een", "twee"}}, Geval{"loneCr", "een\rtwee\r", {"een", "twee"}},
        Geval{"mixed", "a\r\rb\n\nc\r\n\r\nd", {"a", "", "b", "", "c", "", "d"}},
        Geval{"lfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
        Geval{"finalLineWithoutEnd", "een\r\ntwee", {"een", "twee"}}, Geval{"onlyTerminator", "\r\n", {""}},
        Geval{"ctrlZEnds",
              "een\r\ntwee\x1a"
              "drie\r\n",
              {"een", "twee"}},
        Geval{"ctrlZAfterEnd", "een\r\n\x1a", {"een"}},
        Geval{"ctrlZFirst",
              "\x1a"
              "een",
              {}},
        Geval{"nulKept", std::string("a\0b\r\n\0", 6), {std::string("a\0b", 3), std::string("\0", 1)}},
        Geval{"highBytesKept", "Zo\xEB;\x81\xFF\r\n", {"Zo\xEB;\x81\xFF"}}),
    [](const auto& p) { return std::string(p.param.naam); });

TEST(TekstLezer, LinesAcrossBufferBoundaries) {
    // CR LF pairs and lines straddling every kind of internal block edge.
    TijdelijkeMap map;
    std::string inhoud;
    std::vector<std::string> verwacht;
    for (int i = 0; inhoud.size() < 300000; ++i) {
        std::string regel(static_cast<std::size_t>(1 + i % 97), static_cast<char>('a' + i % 26));
        verwacht.push_back(regel);
        inhoud += regel + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\r" : "\n");
    }
    const auto regels = AlleRegels(map.Schrijf("groot.txt", inhoud));
    ASSERT_EQ(regels.size(), verwacht.size());
    EXPECT_EQ(regels, verwacht);
}

TEST(TekstLezer, VeryLongLineAndProgress) {
    TijdelijkeMap map;
    const std::string lang(10 * 1024 * 1024, 'x');
    const std::string pad = map.Schrijf("lang.txt", lang + "\r\nkort");
    TekstLezer lezer;
    ASSERT_TRUE(lezer.Open(pad));
    EXPECT_EQ(lezer.Grootte(), lang.size() + 6);
    std::string regel;
    ASSERT_TRUE(lezer.LeesRegel(regel));
    EXPECT_EQ(regel.size(), lang.size());
    ASSERT_TRUE(lezer.LeesRegel(regel));
    EXPECT_EQ(regel, "kort");
    EXPECT_EQ(lezer.Gelezen(), lang.size() + 6);
}

TEST(TekstLezer, MissingFileIsFalseUnreadableThrows) {
    TijdelijkeMap map;
    TekstLezer lezer;
    EXPECT_FALSE(lezer.Open(map.tekst() + "/geen.txt"));
    EXPECT_FALSE(lezer.Open(map.tekst() + "/geenmap/geen.txt"));

    const std::string submap = map.tekst() + "/een map";
    std::filesystem::create_directory(submap);
    EXPECT_THAT([&] { lezer.Open(submap); },
                GooitIOFout("Het bestand " + submap + " kan niet gelezen worden."));
}

TEST(TekstLezer, NoPermissionThrows) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    TijdelijkeMap map;
    const std::string pad = map.Schrijf("geheim.txt", "x");
    ::chmod(pad.c_str(), 0);
    TekstLezer lezer;
    EXPECT_THAT([&] { lezer.Open(pad); }, GooitIOFout("Het bestand " + pad + " kan niet gelezen worden."));
}

TEST(TekstLezer, FindsTheFileInAnotherCase) {
    TijdelijkeMap map;
    map.Schrijf("Kaarten/Berg.TXT", "regel\r\n");
    EXPECT_EQ(AlleRegels(map.tekst() + "\\kaarten\\berg.txt"), std::vector<std::string>{"regel"});
}

TEST(TekstSchrijver, WritesCrLfBytesAsTheyAre) {
    TijdelijkeMap map;
    const std::string pad = map.tekst() + "/uit.txt";
    TekstSchrijver s;
    ASSERT_TRUE(s.Open(pad));
    EXPECT_TRUE(s.IsOpen());
    s.Regel("Zo\xEB");
    s.Schrijf(std::string("a\0b", 3));
    s.Regel("");
    s.Sluit();
    EXPECT_FALSE(s.IsOpen());
    EXPECT_EQ(LeesBestand(pad), std::string("Zo\xEB\r\na\0b\r\n", 10));

    ASSERT_TRUE(s.Open(pad, true));
    s.Regel("erbij");
    s.Sluit();
    EXPECT_EQ(LeesBestand(pad), std::string("Zo\xEB\r\na\0b\r\nerbij\r\n", 17));

    ASSERT_TRUE(s.Open(pad));
    s.Sluit();
    EXPECT_EQ(LeesBestand(pad), "");
}

TEST(TekstSchrijver, UsesTheExistingFolderAndKeepsTheGivenCaseForTheFile) {
    TijdelijkeMap map;
    std::filesystem::create_directory(map.pad() / "Site");
    TekstSchrijver s;
    ASSERT_TRUE(s.Open(map.tekst() + "/SITE/Index.HTM"));
    s.Regel("x");
    s.Sluit();
    EXPECT_EQ(LeesBestand(map.pad() / "Site" / "Index.HTM"), "x\r\n");
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "SITE"));
}

TEST(TekstSchrijver, CannotCreateIsFalse) {
    TijdelijkeMap map;
    TekstSchrijver s;
    EXPECT_FALSE(s.Open(map.tekst() + "/geenmap/uit.txt"));
    EXPECT_FALSE(s.IsOpen());
    EXPECT_FALSE(s.Open(map.tekst())); // a folder
}

TEST(TekstSchrijver, WriteErrorThrowsDutchMessage) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TekstSchrijver s;
    ASSERT_TRUE(s.Open("/dev/full"));
    EXPECT_THAT(
        [&] {
            for (int i = 0; i < 100000; ++i)
                s.Regel("een regel die niet past");
            s.Sluit();
        },
        GooitIOFout("Het bestand /dev/full kan niet geschreven worden."));
}

TEST(TekstSchrijver, WhatItWritesReadsBack) {
    TijdelijkeMap map;
    const std::string pad = map.tekst() + "/heen.txt";
    const std::vector<std::string> regels = {"", "een", "\xC9\xE9", std::string(70000, 'q'), "laatste"};
    TekstSchrijver s;
    ASSERT_TRUE(s.Open(pad));
    for (const auto& r : regels)
        s.Regel(r);
    s.Sluit();
    EXPECT_EQ(AlleRegels(pad), regels);
}

// Below an export's own tree the writer gathers a file in memory and writes it a block at a time.
class TekstSchrijverInExport : public testing::Test {
  protected:
    TijdelijkeMap map;
    fs::CacheScope cache;
    std::unique_ptr<fs::ExacteMapScope> exact;
    void SetUp() override { exact = std::make_unique<fs::ExacteMapScope>(map.tekst()); }
    std::string Pad(const char* naam) const { return map.tekst() + "/" + naam; }
};

TEST_F(TekstSchrijverInExport, WritesEveryByteOfSmallAndLargeFiles) {
    for (const std::size_t lengte :
         {std::size_t{0}, std::size_t{10}, std::size_t{65534}, std::size_t{65536}, std::size_t{200000}}) {
        SCOPED_TRACE(lengte);
        const std::string naam = std::to_string(lengte) + ".htm";
        const std::string regel(lengte, 'x');
        TekstSchrijver s;
        ASSERT_TRUE(s.Open(Pad(naam.c_str())));
        s.Regel("kop");
        s.Regel(regel);
        s.Sluit();
        std::string verwacht = "kop\r\n";
        verwacht.append(regel).append("\r\n");
        EXPECT_EQ(LeesBestand(map.pad() / naam), verwacht);
    }
}

TEST_F(TekstSchrijverInExport, AWriterOpenedAgainOrGoneLeavesWhatItGathered) {
    {
        TekstSchrijver s;
        ASSERT_TRUE(s.Open(Pad("eerste.htm")));
        s.Regel("een");
        ASSERT_TRUE(s.Open(Pad("tweede.htm"))); // without Sluit, as stdio would flush it
        s.Regel("twee");
    }
    EXPECT_EQ(LeesBestand(map.pad() / "eerste.htm"), "een\r\n");
    EXPECT_EQ(LeesBestand(map.pad() / "tweede.htm"), "twee\r\n");
}

TEST_F(TekstSchrijverInExport, TheSameBytesAreNotWrittenAgainHoweverTheyCame) {
    const std::string groot(150000, 'g');
    fs::SchrijfTeller teller;
    TekstSchrijver s;
    ASSERT_TRUE(s.Open(Pad("p.htm")));
    s.Regel(groot);
    s.Sluit();
    // The same bytes in many small pieces.
    ASSERT_TRUE(s.Open(Pad("p.htm")));
    for (std::size_t i = 0; i < groot.size(); i += 7)
        s.Schrijf(groot.substr(i, 7));
    s.Schrijf("\r\n");
    s.Sluit();
    EXPECT_EQ(teller.Aantal(map.tekst() + "/p.htm"), 1u);
    // One byte different at the very end: written again, whole.
    ASSERT_TRUE(s.Open(Pad("p.htm")));
    s.Regel(groot + "!");
    s.Sluit();
    EXPECT_EQ(teller.Aantal(map.tekst() + "/p.htm"), 2u);
    EXPECT_EQ(LeesBestand(map.pad() / "p.htm"), groot + "!\r\n");
    // Shorter bytes: nothing of the longer file is left behind them.
    ASSERT_TRUE(s.Open(Pad("p.htm")));
    s.Regel("kort");
    s.Sluit();
    EXPECT_EQ(teller.Aantal(map.tekst() + "/p.htm"), 3u);
    EXPECT_EQ(LeesBestand(map.pad() / "p.htm"), "kort\r\n");
}

TEST_F(TekstSchrijverInExport, AFileThatOutgrowsTheDiskFailsWhileItIsWritten) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit oud{};
    getrlimit(RLIMIT_FSIZE, &oud);
    rlimit klein = oud;
    klein.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &klein);
    TekstSchrijver s;
    ASSERT_TRUE(s.Open(Pad("groot.htm")));
    int regels = 0;
    EXPECT_THAT(
        [&] {
            for (; regels < 10000; ++regels)
                s.Regel(std::string(99, 'r'));
        },
        GooitIOFout("Het bestand " + Pad("groot.htm") + " kan niet geschreven worden."));
    setrlimit(RLIMIT_FSIZE, &oud);
    // Not at Sluit but as the second block went out, as a row of a page reports it.
    EXPECT_LT(regels, 1400);
    s.Sluit();
}

} // namespace
} // namespace gdk
