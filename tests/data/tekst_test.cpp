#include "data/tekst.h"
#include "platform/tekst1252.h"

#include <gtest/gtest.h>

namespace gdk {
namespace {

struct Geval {
    const char* in;
    const char* uit;
};

TEST(GetalOpLengte, PadsOrKeepsTheLastDigits) {
    struct {
        std::int64_t n;
        int lengte;
        const char* uit;
    } const gevallen[] = {
        {7, 2, "07"}, {2024, 2, "24"}, {5, 4, "0005"}, {123, 2, "23"}, {1920, 4, "1920"},
        {0, 2, "00"}, {42, 0, ""},     {42, -1, ""},   {-5, 3, "0-5"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(GetalOpLengte(g.n, g.lengte), g.uit) << g.n << "," << g.lengte;
}

TEST(DuurTekst, DaysHoursMinutesSecondsTwoDigitsEach) {
    struct {
        std::uint32_t ms;
        const char* uit;
    } const gevallen[] = {
        {0, "00:00:00:00"},        {999, "00:00:00:00"},      {95000, "00:00:01:35"},
        {90061000, "01:01:01:01"}, {86399999, "00:23:59:59"}, {4294967295u, "49:17:02:47"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(DuurTekst(g.ms), g.uit) << g.ms;
}

TEST(VervangEnVerklein, ReplacesIgnoringCaseThenSmallLetters) {
    EXPECT_EQ(VervangEnVerklein("Paginas\\A\\Jan Smit.HTM", "\\", "/"), "paginas/a/jan smit.htm");
    EXPECT_EQ(VervangEnVerklein("De Vries DE VRIES", "de ", "d-"), "d-vries d-vries");
    EXPECT_EQ(VervangEnVerklein("ABC", "", "x"), "abc");
    EXPECT_EQ(VervangEnVerklein("\xC9"
                                "COLE",
                                "x", "y"),
              "\xC9"
              "cole"); // small letters A-Z only
}

TEST(VerwijderTussenHaakjes, RemovesBracketedSegments) {
    const Geval gevallen[] = {
        {"Jansen (Janssen)", "Jansen"},
        {"(oud) Jansen", "Jansen"},
        {"Jansen (Janssen", "Jansen (Janssen"}, // unclosed: unchanged
        {"a (b (c) d) e", "a  d) e"},           // no nesting: up to the first closing bracket
        {"a (b) c (d", "a  c (d"},
        {"a ()(x)b", "a b"},
        {"a) b", "a) b"},
        {"  Jansen  ", "Jansen"},
        {"", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(VerwijderTussenHaakjes(g.in, '(', ')'), g.uit) << g.in;
}

TEST(TekstNaarGetal, DecimalWithinThirtyTwoBits) {
    struct {
        const char* in;
        bool goed;
        std::int32_t waarde;
    } const gevallen[] = {
        {"12", true, 12},
        {"  12", true, 12},
        {"-7", true, -7},
        {"+7", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"12 ", false, 0},
        {"1a", false, 0},
        {"$1A", false, 0},
        {"0x1A", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"+-1", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const auto& g : gevallen) {
        std::int32_t uit = 0;
        EXPECT_EQ(TekstNaarGetal(g.in, uit), g.goed) << g.in;
        if (g.goed) {
            EXPECT_EQ(uit, g.waarde) << g.in;
        }
    }
}

} // namespace
} // namespace gdk
