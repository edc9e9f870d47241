#include "platform/sorteren.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace gdk {
namespace {

// Dutch surnames as the entry lists hold them. The order, worked out by hand:
// - hyphen and apostrophe count only when all else is equal ("d'Ancona" sits as "dAncona",
//   "O'Brien" as "OBrien", "'t Hart" as "t Hart");
// - a blank is a character and sorts before every letter ("de Vries" before "Devries",
//   "'t Hart" before "ter Horst");
// - case is ignored, accents count after the letters ("Muller" before "M\xFCller" before nothing
//   longer, but "Zo\xEB" before "Zoek");
// - then the full text with its hyphen decides ("De-Vries" before "Devries");
// - then the bytes: capitals first ("JANSEN", "Jansen", "jansen").
const std::vector<std::string> kVerwacht = {
    "Aa",        "Dam",         "d'Ancona",  "De Vries", "de Vries",       "De-Vries",  "Devries", "Dijk",
    "Dijk Smit", "Dijk-Smit",   "Dijkstra",  "Eenhoorn", "\xC9\xE9nhoorn", "Horst",     "JANSEN",  "Jansen",
    "jansen",    "Jansen-Smit", "Janssen",   "Mulder",   "Muller",         "M\xFCller", "Obbema",  "O'Brien",
    "'t Hart",   "Ter Horst",   "ter Horst", "Van Dam",  "van Dam",        "Zoe",       "Zo\xEB",  "Zoek",
};

TEST(Sorteren, DutchSurnamesInTheirPinnedOrder) {
    std::vector<std::string> regels = kVerwacht;
    std::mt19937 rng(42);
    for (int ronde = 0; ronde < 5; ++ronde) {
        std::shuffle(regels.begin(), regels.end(), rng);
        SorteerRegels(regels);
        EXPECT_EQ(regels, kVerwacht);
    }
}

TEST(Sorteren, KeysAndComparisonAgreeWithTheSort) {
    for (std::size_t i = 0; i + 1 < kVerwacht.size(); ++i) {
        EXPECT_LT(Sorteersleutel(kVerwacht[i]), Sorteersleutel(kVerwacht[i + 1])) << kVerwacht[i];
        EXPECT_EQ(VergelijkRegels(kVerwacht[i], kVerwacht[i + 1]), -1) << kVerwacht[i];
        EXPECT_EQ(VergelijkRegels(kVerwacht[i + 1], kVerwacht[i]), 1) << kVerwacht[i];
    }
    EXPECT_EQ(VergelijkRegels("Jansen", "Jansen"), 0);
}

TEST(Sorteren, BlanksAndPunctuationBeforeDigitsBeforeLetters) {
    std::vector<std::string> regels = {"b", "a b", "1a", "a", "a-b", "ab", "", "a,b"};
    SorteerRegels(regels);
    // "a-b" is "ab" first, then the hyphen puts it before "ab" itself.
    EXPECT_EQ(regels, (std::vector<std::string>{"", "1a", "a", "a b", "a,b", "a-b", "ab", "b"}));
}

TEST(Sorteren, OrderIsTotalForOddBytes) {
    // Undefined codes and NUL still get a place; equal-looking lines keep a fixed order.
    std::vector<std::string> regels = {std::string("a\0", 2), "a", "\x81", "\x9D", "\x80"};
    SorteerRegels(regels);
    for (std::size_t i = 0; i + 1 < regels.size(); ++i)
        EXPECT_LT(Sorteersleutel(regels[i]), Sorteersleutel(regels[i + 1]));
    // C1 controls and U+0000 weigh nothing, so the bytes decide among them; the euro sign is a
    // symbol and comes before letters.
    EXPECT_EQ(regels, (std::vector<std::string>{"\x81", "\x9D", "\x80", "a", std::string("a\0", 2)}));
}

} // namespace
} // namespace gdk
