// The words the search index holds for card fields, the years it takes from dates, and the words
// of a typed query.
#include "export/zoekvouw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gdk::test {
namespace {

std::vector<std::string> Woorden(const std::string& tekst) {
    std::vector<std::string> w;
    ZoekWoorden(tekst, w);
    return w;
}

std::vector<std::string> Jaren(const std::string& datum) {
    std::vector<std::string> j;
    ZoekJaren(datum, j);
    return j;
}

TEST(ZoekVouw, CardFieldsBecomeFoldedWords) {
    using W = std::vector<std::string>;
    const struct {
        const char* tekst; // Windows-1252
        W woorden;
    } gevallen[] = {
        {"Zo\xEB", {"zoe"}},
        {"M\xFCller", {"muller"}},
        {"\xC9loy", {"eloy"}},
        {"Ga\xEBtan", {"gaetan"}},
        {"Dijkstra", {"dykstra"}},
        {"IJsselmuiden", {"ysselmuiden"}},
        {"van der Berg", {"van", "der", "berg"}},
        {"  Van   den Broeck ", {"van", "den", "broeck"}},
        {"D'Hondt", {"d", "hondt", "dhondt"}},
        {"D\x92Hondt", {"d", "hondt", "dhondt"}},
        {"Marie-Louise", {"marie", "louise", "marielouise"}},
        {"'s-Hertogenbosch", {"s", "hertogenbosch", "shertogenbosch"}},
        {"in 't", {"in", "t"}},
        {"\x8Cuvre Stra\xDF"
         "e",
         {"oeuvre", "strasse"}},
        {"\xC6sop \xD8ster \x8A\x9E", {"aesop", "oster", "sz"}},
        {"Johannes (Jan)", {"johannes", "jan"}},
        {"Jan2", {"jan2"}},
        {"<script>alert(1)</script>", {"script", "alert", "1", "script"}},
        {"!!! ?? ;;", {}},
        {"", {}},
        {"a\x01"
         "b\tc",
         {"a", "b", "c"}},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Woorden(g.tekst), g.woorden) << g.tekst;
}

TEST(ZoekVouw, EveryWindows1252LetterFoldsToPlainLetters) {
    for (int c = 0xC0; c <= 0xFF; ++c) {
        const std::string_view v = VouwTeken(static_cast<unsigned char>(c));
        if (c == 0xD7 || c == 0xF7) {
            EXPECT_TRUE(v.empty()) << "multiplication and division signs are no letters";
            continue;
        }
        ASSERT_FALSE(v.empty()) << std::hex << c;
        for (char ch : v)
            EXPECT_TRUE(ch >= 'a' && ch <= 'z') << std::hex << c;
        // Capital and small letter fold alike.
        if (c < 0xDF && c != 0xD7) {
            EXPECT_EQ(v, VouwTeken(static_cast<unsigned char>(c + 0x20)));
        }
    }
}

TEST(ZoekVouw, YearsAreRunsOfThreeOrFourDigits) {
    using J = std::vector<std::string>;
    const struct {
        const char* datum;
        J jaren;
    } gevallen[] = {
        {"5-3-1920", {"1920"}},
        {"12 MAR 1920", {"1920"}},
        {"ca 1895", {"1895"}},
        {"9.4.1911", {"1911"}},
        {"1920?", {"1920"}},
        {"1 januari 1970", {"1970"}},
        {"ABT 888", {"888"}},
        {"12-11", {}},
        {"123456", {}},
        {"", {}},
        {"1914-1918", {"1914", "1918"}},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Jaren(g.datum), g.jaren) << g.datum;
}

TEST(ZoekVouw, TypedQueriesBecomeFoldedWordsWithoutTheRedundant) {
    using W = std::vector<std::string>;
    const struct {
        const char* vraag; // Windows-1252
        W woorden;
    } gevallen[] = {
        {"Zo\xEB", {"zoe"}},
        {"van der Berg", {"berg", "der", "van"}},
        {"Dijk", {"dyk"}},
        {"di", {"di"}},
        {"D'Hondt", {"d", "hondt"}}, // a typed apostrophe only separates
        {"jan jansen", {"jansen"}},  // "jan" begins "jansen": a card with the one has the other
        {"berg Berg BERG", {"berg"}},
        {"ab a abc b", {"abc", "b"}},
        {"1931 Leuven", {"1931", "leuven"}},
        {"  ", {}},
        {"!? ;-- %%", {}},
        {"\x01\x02jan\x1F", {"jan"}},
        {"", {}},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(VraagWoorden(g.vraag), g.woorden) << g.vraag;
}

TEST(ZoekVouw, SurnameKeyKeepsOnlyFoldedLettersAndDigits) {
    EXPECT_EQ(VouwAaneen("Van der Berg"), "vanderberg");
    EXPECT_EQ(VouwAaneen("D'Hondt"), "dhondt");
    EXPECT_EQ(VouwAaneen("\xC9loy"), "eloy");
    EXPECT_EQ(VouwAaneen("Dijkstra"), "dijkstra");
    EXPECT_EQ(VouwAaneen("???"), "");
}

} // namespace
} // namespace gdk::test
