#include "platform/bestanden.h"

#include "platform/kopieren.h"
#include "platform/uitvoerbestand.h"
#include "platform/weigering.h"

#include "platform/tekstbestand.h"
#include "support/tijdelijke_map.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace gdk::fs {
namespace {

using test::LeesBestand;
using test::TijdelijkeMap;

// Every resolver rule must hold the same with and without a listing cache.
class Resolver : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (GetParam()) scope_ = std::make_unique<CacheScope>();
    }
    TijdelijkeMap map;
    std::string Onder(const std::string& rel) const { return map.tekst() + "/" + rel; }
    std::string Schijf(const std::string& rel) const { return (map.pad() / rel).string(); }

  private:
    std::unique_ptr<CacheScope> scope_;
};

TEST_P(Resolver, ExactNameFirstElseFirstCaseInsensitiveMatchInByteOrder) {
    map.Schrijf("Berg.jpg", "1");
    map.Schrijf("berg.jpg", "2");
    map.Schrijf("bERG.jpg", "3");
    EXPECT_EQ(OpSchijf(Onder("berg.jpg")), Schijf("berg.jpg"));
    EXPECT_EQ(OpSchijf(Onder("bERG.jpg")), Schijf("bERG.jpg"));
    EXPECT_EQ(OpSchijf(Onder("BERG.JPG")), Schijf("Berg.jpg")); // 'B' < 'b'
}

TEST_P(Resolver, WindowsCasePairsAndUtf8NamesOnDisk) {
    map.Schrijf("Zo\xC3\xAB.JPG", "x"); // Zoë.JPG in UTF-8
    map.Schrijf("\xC5\x92uvre", "x");   // Œuvre
    EXPECT_TRUE(BestandBestaat(Onder("zo\xEB.jpg")));
    EXPECT_TRUE(BestandBestaat(Onder("ZO\xCB.jpg")));
    EXPECT_EQ(OpSchijf(Onder("ZO\xCB.jpg")), Schijf("Zo\xC3\xAB.JPG"));
    EXPECT_TRUE(BestandBestaat(Onder("\x9Cuvre"))); // œ finds Œ
    EXPECT_FALSE(BestandBestaat(Onder("zoe.jpg"))); // accents count
}

TEST_P(Resolver, NamesThatAreNotUtf8MatchByteForByte) {
    map.Schrijf("Zo\xEB.jpg", "oud"); // Windows-1252 bytes, as copied from old media
    EXPECT_EQ(OpSchijf(Onder("Zo\xEB.jpg")), Schijf("Zo\xEB.jpg"));
    EXPECT_EQ(OpSchijf(Onder("ZO\xCB.JPG")), Schijf("Zo\xEB.jpg"));
}

TEST_P(Resolver, UtfBytesGivenAsTheyAreFindTheirName) {
    // A caller that passes a name's disk bytes unconverted still reaches it.
    map.Schrijf("\xC5\x81odz.txt", "x"); // Lodz with a stroke, which Windows-1252 lacks
    EXPECT_EQ(OpSchijf(Onder("\xC5\x81odz.txt")), Schijf("\xC5\x81odz.txt"));
    EXPECT_TRUE(BestandBestaat(Onder("\xC5\x81odz.txt")));
}

TEST_P(Resolver, NameWithCharactersWindowsLacksIsNoQuestionMark) {
    map.Schrijf("\xE4\xB8\xAD.txt", "x");
    EXPECT_FALSE(Bestaat(Onder("?.txt")));
    ASSERT_EQ(Lijst(map.tekst()).size(), 1u);
    EXPECT_EQ(Lijst(map.tekst())[0].naam, "?.txt");
}

TEST_P(Resolver, OnlyTheMissingTailKeepsTheGivenCase) {
    std::filesystem::create_directories(map.pad() / "Uitvoer" / "Kaarten");
    EXPECT_EQ(OpSchijf(Onder("uitvoer\\KAARTEN\\Gedenkjes\\Type 2\\Zo\xEB.htm")),
              Schijf("Uitvoer/Kaarten/Gedenkjes/Type 2/Zo\xC3\xAB.htm"));
    // Doubled and mixed separators are harmless.
    EXPECT_EQ(OpSchijf(map.tekst() + "\\\\uitvoer//kaarten/"), Schijf("Uitvoer/Kaarten"));
    EXPECT_EQ(OpSchijf("/"), "/");
}

TEST_P(Resolver, KindsOfEntries) {
    map.Schrijf("Map/Bestand.txt", "abc");
    EXPECT_TRUE(Bestaat(Onder("map")));
    EXPECT_TRUE(MapBestaat(Onder("MAP")));
    EXPECT_FALSE(BestandBestaat(Onder("map")));
    EXPECT_TRUE(Bestaat(Onder("map/bestand.TXT")));
    EXPECT_TRUE(BestandBestaat(Onder("map/bestand.TXT")));
    EXPECT_FALSE(MapBestaat(Onder("map/bestand.TXT")));
    EXPECT_FALSE(Bestaat(Onder("map/bestand.TXT/verder")));
    EXPECT_FALSE(Bestaat(Onder("geen")));
    EXPECT_FALSE(Bestaat(Onder("geen/map/bestand.txt")));
    EXPECT_FALSE(Bestaat(""));
    EXPECT_FALSE(MaakMappen(""));
    EXPECT_EQ(Grootte(Onder("MAP/BESTAND.txt")), 3u);
    EXPECT_EQ(Grootte(Onder("geen")), 0u);
}

TEST_P(Resolver, RelativePathsAreRelativeToTheWorkingFolder) {
    map.Schrijf("Sub/Een.txt", "x");
    const auto oud = std::filesystem::current_path();
    std::filesystem::current_path(map.pad());
    EXPECT_TRUE(BestandBestaat("sub\\een.txt"));
    EXPECT_TRUE(BestandBestaat("./SUB/een.txt"));
    EXPECT_EQ(OpSchijf("sub/een.txt"), Schijf("Sub/Een.txt"));
    std::filesystem::current_path(oud);
}

TEST_P(Resolver, MaakMappenCreatesMissingParentsBelowTheExistingOnes) {
    std::filesystem::create_directory(map.pad() / "Uit");
    EXPECT_TRUE(MaakMappen(Onder("uit/Kaarten/gedenkjes\\type 1")));
    EXPECT_TRUE(std::filesystem::is_directory(map.pad() / "Uit/Kaarten/gedenkjes/type 1"));
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "uit"));
    EXPECT_TRUE(MapBestaat(Onder("UIT/kaarten/GEDENKJES/Type 1")));
    EXPECT_TRUE(MaakMappen(Onder("uit/kaarten"))); // already there

    map.Schrijf("bestand", "x");
    EXPECT_FALSE(MaakMappen(Onder("bestand")));
    EXPECT_FALSE(MaakMappen(Onder("bestand/onder")));
}

TEST_P(Resolver, VerwijderAndKeepTheCacheRight) {
    map.Schrijf("Kaart.JPG", "1");
    map.Schrijf("kaart.jpg", "2");
    EXPECT_EQ(LeesBestand(OpSchijf(Onder("KAART.jpg"))), "1");
    EXPECT_TRUE(Verwijder(Onder("KAART.jpg")));
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "Kaart.JPG"));
    EXPECT_EQ(LeesBestand(OpSchijf(Onder("KAART.jpg"))), "2"); // the next one in line
    EXPECT_TRUE(Verwijder(Onder("kaart.jpg")));
    EXPECT_FALSE(Bestaat(Onder("KAART.jpg")));
    EXPECT_TRUE(Verwijder(Onder("KAART.jpg"))); // gone already
    ASSERT_TRUE(MaakMappen(Onder("map")));
    EXPECT_FALSE(Verwijder(Onder("map"))); // not a file
}

TEST_P(Resolver, CreatedEntriesAreFoundInAnyCase) {
    EXPECT_FALSE(Bestaat(Onder("Nieuw/Index.htm")));
    ASSERT_TRUE(MaakMappen(Onder("Nieuw")));
    EXPECT_TRUE(MapBestaat(Onder("NIEUW")));
    TekstSchrijver s;
    ASSERT_TRUE(s.Open(Onder("nieuw/Index.htm")));
    s.Regel("x");
    s.Sluit();
    EXPECT_TRUE(BestandBestaat(Onder("NIEUW/INDEX.HTM")));
    EXPECT_TRUE(BestandBestaat(Onder("Nieuw/Index.htm"))); // the very path first asked for
    EXPECT_TRUE(Kopieer(Onder("nieuw/index.htm"), Onder("Nieuw/Kopie.htm")));
    EXPECT_TRUE(BestandBestaat(Onder("nieuw/kopie.HTM")));
    Uitvoerbestand los;
    ASSERT_TRUE(los.Open(Onder("nieuw/Los.bin")));
    ASSERT_TRUE(los.Sluit());
    EXPECT_TRUE(BestandBestaat(Onder("NIEUW/los.BIN")));
}

TEST_P(Resolver, KopieerByteForByte) {
    std::string groot(8193, '\0');
    for (std::size_t i = 0; i < groot.size(); ++i)
        groot[i] = static_cast<char>(i * 7);
    map.Schrijf("Bron/Groot.jpg", groot);
    map.Schrijf("Bron/Leeg.jpg", "");
    std::filesystem::create_directory(map.pad() / "Doel");
    EXPECT_TRUE(Kopieer(Onder("bron/groot.JPG"), Onder("doel/groot.jpg")));
    EXPECT_EQ(LeesBestand(map.pad() / "Doel/groot.jpg"), groot);
    EXPECT_TRUE(Kopieer(Onder("bron/leeg.jpg"), Onder("doel/leeg.jpg")));
    EXPECT_TRUE(std::filesystem::exists(map.pad() / "Doel/leeg.jpg"));
    EXPECT_EQ(LeesBestand(map.pad() / "Doel/leeg.jpg"), "");

    EXPECT_FALSE(Kopieer(Onder("bron/geen.jpg"), Onder("doel/geen.jpg")));
    EXPECT_FALSE(Kopieer(Onder("bron/groot.jpg"), Onder("geenmap/groot.jpg")));
    EXPECT_FALSE(Kopieer(Onder("bron"), Onder("doel/map")));
    // Onto itself (in another case): the file stays whole.
    EXPECT_TRUE(Kopieer(Onder("bron/groot.jpg"), Onder("BRON/GROOT.JPG")));
    EXPECT_EQ(LeesBestand(map.pad() / "Bron/Groot.jpg"), groot);
}

TEST_P(Resolver, KopieerFromAnotherFileSystem) {
    // Scans on another disk than the site: the kernel copies across file systems another way.
    if (!std::filesystem::is_directory("/dev/shm")) GTEST_SKIP() << "no /dev/shm";
    const std::filesystem::path bron = std::filesystem::path("/dev/shm") / map.pad().filename();
    std::filesystem::create_directory(bron);
    std::string groot(200001, '\0');
    for (std::size_t i = 0; i < groot.size(); ++i)
        groot[i] = static_cast<char>(i * 13);
    { std::ofstream(bron / "scan.jpg", std::ios::binary) << groot; }
    const bool gelukt = Kopieer(bron.string() + "/SCAN.jpg", Onder("scan.jpg"));
    std::filesystem::remove_all(bron);
    EXPECT_TRUE(gelukt);
    EXPECT_EQ(LeesBestand(map.pad() / "scan.jpg"), groot);
}

TEST_P(Resolver, ExacteMapScopeMatchesExactlyBelowItsFolderOnly) {
    std::filesystem::create_directories(map.pad() / "Uit");
    map.Schrijf("Uit/Site/Berg.jpg", "x");
    map.Schrijf("Uit/Kaart.txt", "x");
    {
        ExacteMapScope exact(Onder("uit/site"));
        EXPECT_FALSE(Bestaat(Onder("uit/site/berg.jpg")));
        EXPECT_TRUE(Bestaat(Onder("uit/site/Berg.jpg")));
        EXPECT_EQ(OpSchijf(Onder("uit/site/\xE9/x.jpg")), Schijf("Uit/Site/\xC3\xA9/x.jpg"));
        EXPECT_TRUE(MaakMappen(Onder("uit/site/\xC9")));
        EXPECT_TRUE(MaakMappen(Onder("uit/site/\xE9")));
        EXPECT_TRUE(std::filesystem::is_directory(map.pad() / "Uit/Site/\xC3\x89"));
        EXPECT_TRUE(std::filesystem::is_directory(map.pad() / "Uit/Site/\xC3\xA9"));
        EXPECT_TRUE(Bestaat(Onder("UIT/kaart.TXT"))); // outside the scope as always
    }
    EXPECT_TRUE(Bestaat(Onder("uit/site/berg.jpg")));
}

// An export writes relative to its folder; a folder it reports gone (itself or one above it)
// and then makes again is the new one.
TEST_P(Resolver, AnExportFolderMadeAgainGetsTheFilesWrittenAfter) {
    const std::string bron = map.Schrijf("bron.jpg", "JPG");
    for (const char* weg : {"uit/site", "uit"}) {
        SCOPED_TRACE(weg);
        ExacteMapScope exact(Onder("uit/site"));
        ASSERT_TRUE(MaakMappen(Onder("uit/site/a")));
        ASSERT_TRUE(Kopieer(bron, Onder("uit/site/a/eerst.jpg")));
        std::filesystem::remove_all(map.pad() / weg);
        MeldVerwijderd(Schijf(weg));
        ASSERT_TRUE(MaakMappen(Onder("uit/site/a")));
        ASSERT_TRUE(Kopieer(bron, Onder("uit/site/a/daarna.jpg")));
        EXPECT_EQ(LeesBestand(map.pad() / "uit/site/a/daarna.jpg"), "JPG");
        EXPECT_FALSE(std::filesystem::exists(map.pad() / "uit/site/a/eerst.jpg"));
    }
}

TEST_P(Resolver, LijstGivesWindowsNamesInByteOrder) {
    map.Schrijf("b.txt", "");
    map.Schrijf("B.txt", "");
    map.Schrijf("Zo\xC3\xAB.txt", "");
    map.Schrijf("oud\xEB.txt", "");
    std::filesystem::create_directory(map.pad() / "Map");
    const auto items = Lijst(map.tekst() + "/");
    std::vector<std::pair<std::string, bool>> gezien;
    for (const auto& i : items)
        gezien.emplace_back(i.naam, i.isMap);
    const std::vector<std::pair<std::string, bool>> verwacht = {
        {"B.txt", false}, {"Map", true}, {"Zo\xEB.txt", false}, {"b.txt", false}, {"oud\xEB.txt", false}};
    EXPECT_EQ(gezien, verwacht);
    EXPECT_TRUE(Lijst(Onder("geen")).empty());
}

INSTANTIATE_TEST_SUITE_P(Bestanden, Resolver, testing::Bool(),
                         [](const auto& p) { return p.param ? "MetCache" : "ZonderCache"; });

TEST(Bestanden, CacheSeesWhatTheProgramReportsNotWhatOthersDoMeanwhile) {
    TijdelijkeMap map;
    {
        CacheScope scope;
        EXPECT_FALSE(Bestaat(map.tekst() + "/later.txt"));
        const std::string pad = map.Schrijf("later.txt", "x");
        EXPECT_FALSE(Bestaat(map.tekst() + "/later.txt")); // the listing of this operation
        MeldAangemaakt(pad, false);
        EXPECT_TRUE(Bestaat(map.tekst() + "/later.txt"));
        EXPECT_TRUE(Bestaat(map.tekst() + "/LATER.txt"));
        std::filesystem::remove(pad);
        MeldVerwijderd(pad);
        EXPECT_FALSE(Bestaat(map.tekst() + "/LATER.txt"));
        EXPECT_FALSE(Bestaat(map.tekst() + "/later.txt"));
        map.Schrijf("nog later.txt", "x");
    }
    EXPECT_TRUE(Bestaat(map.tekst() + "/NOG LATER.txt")); // the next operation reads afresh
}

TEST(Bestanden, NestedScopesShareOneCache) {
    TijdelijkeMap map;
    CacheScope buiten;
    {
        CacheScope binnen;
        ASSERT_TRUE(MaakMappen(map.tekst() + "/A"));
    }
    EXPECT_TRUE(MapBestaat(map.tekst() + "/a"));
}

struct Masker {
    const char* naam;
    const char* masker;
    bool past;
};

TEST(Bestanden, PastOpMasker) {
    const Masker gevallen[] = {
        {"index.htm", "*.htm", true},
        {"INDEX.HTM", "*.htm", true},
        {"index.html", "*.htm", false},
        {"index.htm", "*.*", true},
        {"zonderpunt", "*.*", true},
        {"x", "*", true},
        {"jan.htm", "j?n.htm", true},
        {"jn.htm", "j?n.htm", false},
        {"a.b.htm", "*.htm", true},
        {"\xC9t\xE9.JPG", "\xE9*.jpg", true},
        {"abc", "a*c*", true},
        {"abc", "a*d", false},
        {"", "*", true},
        {"", "?", false},
        {"htm", "*.htm", false},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(PastOpMasker(g.naam, g.masker), g.past) << g.naam << " ~ " << g.masker;
}

} // namespace
} // namespace gdk::fs
