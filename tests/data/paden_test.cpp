#include "data/paden.h"

#include "support/tijdelijke_map.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <filesystem>

namespace gdk {
namespace {

using test::TijdelijkeMap;

struct Geval {
    const char* in;
    const char* uit;
};

TEST(OsPaden, OnlyTheSlashSeparates) {
    const Geval zonderSlot[] = {
        {"C:\\map\\", "C:\\map\\"},
        {"/home/an/", "/home/an"},
        {"/home/an\\//", "/home/an\\"},
        {"/home/an", "/home/an"},
        {"", ""},
        {"//", ""},
    };
    for (const auto& g : zonderSlot)
        EXPECT_EQ(OsZonderSlotScheiding(g.in), g.uit) << g.in;
    EXPECT_EQ(OsBestandsnaamDeel("/tmp/a\\b.gdk"), "a\\b.gdk");
    EXPECT_EQ(OsBestandsnaamDeel("/tmp/c:d.gdk"), "c:d.gdk");
    EXPECT_EQ(OsExtensieVervangen("/tmp/a.b\\c", "_Verschillen.txt"), "/tmp/a_Verschillen.txt");
    EXPECT_EQ(OsExtensieVervangen("/a.b/kaarten", ".txt"), "/a.b/kaarten.txt");
}

// ---------------------------------------------------------------- dates

TEST(ExtensieVervangen, LastDotAfterTheLastSeparator) {
    EXPECT_EQ(ExtensieVervangen("/a/kaarten.gdk", "_Verschillen.txt"), "/a/kaarten_Verschillen.txt");
    EXPECT_EQ(ExtensieVervangen("/a.b/kaarten", ".txt"), "/a.b/kaarten.txt");
    EXPECT_EQ(ExtensieVervangen("C:kaart.x.jpg", ""), "C:kaart.x");
    EXPECT_EQ(ExtensieVervangen("map\\naam", ".gif"), "map\\naam.gif");
}

TEST(BestandsnaamDeel, AfterTheLastSeparator) {
    EXPECT_EQ(BestandsnaamDeel("C:\\scans\\a/berg.jpg"), "berg.jpg");
    EXPECT_EQ(BestandsnaamDeel("C:berg.jpg"), "C:berg.jpg");
    EXPECT_EQ(BestandsnaamDeel("C:berg.jpg", true), "berg.jpg");
    EXPECT_EQ(BestandsnaamDeel("map/"), "");
}

// ---------------------------------------------------------------- file-system listings

TEST(ZoekMappen, DepthFirstWithoutHiddenFolders) {
    TijdelijkeMap map;
    map.Schrijf("b/b1/x.txt", "");
    map.Schrijf("a/a2/x.txt", "");
    map.Schrijf("a/a1/x.txt", "");
    map.Schrijf(".verborgen/x.txt", "");
    map.Schrijf("bestand.txt", "");
    std::vector<std::string> lijst;
    ZoekMappen(map.tekst(), lijst);
    const std::string m = map.tekst() + "/";
    EXPECT_EQ(lijst, (std::vector<std::string>{m + "a", m + "a/a1", m + "a/a2", m + "b", m + "b/b1"}));

    std::vector<std::string> metSlot;
    ZoekMappen(m, metSlot);
    EXPECT_EQ(metSlot, lijst);

    std::vector<std::string> niets;
    ZoekMappen(map.tekst() + "/ontbreekt", niets);
    EXPECT_TRUE(niets.empty());
}

TEST(ZoekMappen, ALinkBackUpTheTreeEndsTheWalk) {
    TijdelijkeMap map;
    map.Schrijf("a/x.txt", "");
    std::filesystem::create_directory_symlink(map.pad(), map.pad() / "a" / "terug");
    std::vector<std::string> lijst;
    ZoekMappen(map.tekst(), lijst);
    EXPECT_LE(lijst.size(), 3u);
    EXPECT_EQ(lijst.front(), map.tekst() + "/a");
}

TEST(ZoekBestanden, MaskAndExtensionIgnoringCase) {
    TijdelijkeMap map;
    map.Schrijf("Berg.JPG", "");
    map.Schrijf("dal.jpg", "");
    map.Schrijf("dal.gif", "");
    map.Schrijf("map.jpg/x", "");
    map.Schrijf("Zo\xC3\xAB.jpg", ""); // UTF-8 on disk
    std::vector<std::string> lijst;
    EXPECT_TRUE(ZoekBestanden(map.tekst(), "*", "jpg", lijst));
    std::sort(lijst.begin(), lijst.end());
    EXPECT_EQ(lijst, (std::vector<std::string>{map.tekst() + "/Berg.JPG", map.tekst() + "/Zo\xEB.jpg",
                                               map.tekst() + "/dal.jpg"}));

    std::vector<std::string> geen;
    EXPECT_FALSE(ZoekBestanden(map.tekst(), "*", "png", geen));
    EXPECT_FALSE(ZoekBestanden(map.tekst() + "/ontbreekt", "*", "*", geen));
    EXPECT_TRUE(geen.empty());

    // A folder that matches counts as found, but is not listed.
    std::vector<std::string> alleenMap;
    EXPECT_TRUE(ZoekBestanden(map.tekst(), "map", "jpg", alleenMap));
    EXPECT_TRUE(alleenMap.empty());
}

} // namespace
} // namespace gdk
