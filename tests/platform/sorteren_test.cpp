#include "platform/sorteren.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace gdk {
namespace {

std::string_view Zelf(const std::string& r) {
    return r;
}

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

// A list long enough to be keyed and sorted in parts on several cores, then merged: each
// surname 2000 times, the order as pinned.
TEST(Sorteren, ALongListSortedInPartsKeepsThePinnedOrder) {
    std::vector<std::string> verwacht, regels;
    for (const std::string& naam : kVerwacht)
        for (int i = 0; i < 2000; ++i)
            verwacht.push_back(naam);
    regels = verwacht;
    std::shuffle(regels.begin(), regels.end(), std::mt19937(7));
    const std::vector<std::size_t> volgorde =
        Sorteervolgorde(std::vector<std::string_view>(regels.begin(), regels.end()));
    ASSERT_EQ(volgorde.size(), regels.size());
    std::vector<std::string> gevolgd;
    for (std::size_t i : volgorde)
        gevolgd.push_back(regels[i]);
    EXPECT_TRUE(gevolgd == verwacht);
    SorteerRegels(regels);
    EXPECT_TRUE(regels == verwacht);
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

// Lines that tie on their text without hyphens and apostrophes (case, hyphens, apostrophes,
// accents and exact repeats) still come out in the order of their whole keys.
TEST(Sorteren, NearTiesFollowTheWholeKey) {
    const std::vector<std::string> delen = {"a",    "A", "-", "'",          " ", "\xE9",
                                            "\xC9", "e", "E", "12-03-1920", "1"};
    std::mt19937 rng(11);
    for (int ronde = 0; ronde < 20; ++ronde) {
        std::vector<std::string> regels;
        for (int i = 0; i < 400; ++i) {
            std::string r;
            for (std::size_t n = rng() % 5; n > 0; --n)
                r += delen[rng() % delen.size()];
            regels.push_back(r);
        }
        std::vector<std::string> verwacht = regels;
        std::sort(verwacht.begin(), verwacht.end(), [](const std::string& a, const std::string& b) {
            return Sorteersleutel(a) < Sorteersleutel(b);
        });
        SorteerRegels(regels);
        ASSERT_EQ(regels, verwacht) << "ronde " << ronde;
    }
}

// Index entries of one site: "text;<site folder>/paginas/..." with the folder left out of the
// keys must come out exactly as the full sort puts them, whatever the texts hold (accents, soft
// hyphens, hyphens and apostrophes, entities with ';', lines without the folder).
TEST(Sorteren, LeavingASharedPartOutOfTheKeysKeepsTheOrder) {
    const std::vector<std::string> tekens = {"a",  "A", "e",    "\xE9",  "\xC9", "\xEB", "-",      "'",
                                             " ",  ",", ".",    "&amp;", ";",    "0",    "9",      "ij",
                                             "IJ", "y", "\xAD", "\xDF",  "\xE6", "/",    "Jansen", "Janssen"};
    const std::string deel = ";/home/d'Ancona/uit-mappen/Kaarten/gedenkjes/type 1/paginas/";
    std::mt19937 rng(7);
    const auto tekst = [&](std::size_t max) {
        std::string t;
        for (std::size_t n = rng() % max; n > 0; --n)
            t += tekens[rng() % tekens.size()];
        return t;
    };
    for (int ronde = 0; ronde < 20; ++ronde) {
        std::vector<std::string> regels;
        for (int i = 0; i < 300; ++i)
            regels.push_back(tekst(8) + (rng() % 10 == 0 ? ";" : deel) + tekst(5) + ".htm");
        std::vector<std::string> verwacht = regels;
        SorteerRegels(verwacht);
        SorteerOp(regels, Zelf, deel);
        ASSERT_EQ(regels, verwacht) << "ronde " << ronde;
    }
    // Here leaving the part out would swap the two ("bz" after "b;Q", but "b;Pz" before "b;Q"):
    // the check notices and the full order stands.
    std::vector<std::string> regels = {"b;Q", "b;Pz"};
    SorteerOp(regels, Zelf, ";P");
    EXPECT_EQ(regels, (std::vector<std::string>{"b;Pz", "b;Q"}));
}

} // namespace
} // namespace gdk
