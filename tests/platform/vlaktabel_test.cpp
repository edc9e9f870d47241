#include "platform/vlaktabel.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace gdk::fs {
namespace {

// The table against the standard one, through long random runs of adding, finding and removing:
// the removals shift runs back and move the last entry into the hole, where faults hide.
TEST(VlakkeTabel, AgreesWithAStandardMapThroughAddsAndRemovals) {
    for (const std::size_t sleutels : {std::size_t{1}, std::size_t{17}, std::size_t{3000}}) {
        SCOPED_TRACE(sleutels);
        std::vector<std::string> namen; // the key bytes outlive the table, as in a listing
        for (std::size_t i = 0; i < sleutels; ++i)
            namen.push_back("scan" + std::to_string(i * 7919 % 100003) + ".jpg");
        VlakkeTabel<std::string_view, int> tabel;
        std::unordered_map<std::string_view, int> verwacht;
        std::mt19937 r(static_cast<unsigned>(sleutels));
        for (int stap = 0; stap < 40000; ++stap) {
            const std::string_view naam = namen[r() % namen.size()];
            switch (r() % 3) {
            case 0:
                if (!verwacht.contains(naam)) {
                    tabel.Voeg(naam, stap);
                    verwacht[naam] = stap;
                }
                break;
            case 1:
                EXPECT_EQ(tabel.Verwijder(naam), verwacht.erase(naam) == 1) << naam;
                break;
            default: {
                const int* w = tabel.Zoek(naam);
                const auto it = verwacht.find(naam);
                ASSERT_EQ(w != nullptr, it != verwacht.end()) << naam << " in stap " << stap;
                if (w) {
                    EXPECT_EQ(*w, it->second);
                }
            }
            }
            ASSERT_EQ(tabel.Grootte(), verwacht.size());
        }
        for (const std::string& naam : namen) {
            const int* w = tabel.Zoek(naam);
            ASSERT_EQ(w != nullptr, verwacht.contains(naam)) << naam;
        }
    }
}

TEST(VlakkeTabel, EmptyNamesReservedRoomReplacingAndClearing) {
    VlakkeTabel<std::string_view, int> tabel;
    EXPECT_EQ(tabel.Zoek(""), nullptr);
    EXPECT_FALSE(tabel.Verwijder("x"));
    tabel.Reserveer(1000);
    tabel.Voeg("", 1);
    tabel.Voeg("a", 2);
    ASSERT_NE(tabel.Zoek(""), nullptr);
    EXPECT_EQ(*tabel.Zoek(""), 1);
    EXPECT_EQ(*tabel.Zoek("a"), 2);
    EXPECT_EQ(tabel.Zoek("A"), nullptr); // exact bytes: folding is the listing's business
    EXPECT_TRUE(tabel.Verwijder(""));
    EXPECT_EQ(tabel.Zoek(""), nullptr);
    EXPECT_EQ(*tabel.Zoek("a"), 2);
    tabel.Zet("a", 3); // replaces
    tabel.Zet("b", 4); // adds
    int som = 0;
    tabel.VoorElk([&](std::string_view, int w) { som += w; });
    EXPECT_EQ(som, 7);
    tabel.Leeg();
    EXPECT_EQ(tabel.Grootte(), 0u);
    EXPECT_EQ(tabel.Zoek("a"), nullptr);
    tabel.Voeg("a", 5); // usable again after Leeg
    EXPECT_EQ(*tabel.Zoek("a"), 5);
}

} // namespace
} // namespace gdk::fs
