#include "data/namen.h"

#include <gtest/gtest.h>

namespace gdk {
namespace {

struct Geval {
    const char* in;
    const char* uit;
};

TEST(HoofdletterWoorden, EveryWordACapital) {
    const Geval gevallen[] = {
        {"van der berg-de wit", "Van Der Berg-De Wit"},
        {"van 't hof", "Van 't Hof"},
        {"JANSEN", "Jansen"},
        {"st.-jan (ri)/ba", "St.-Jan (Ri)/Ba"},
        {"jan  piet", "Jan  Piet"},
        {"\xE9mile \xE9mile", "\xE9mile \xC9mile"}, // the first letter is A-Z only, later ones Windows-1252
        {"a \xF7x", "A \xF7x"},                     // the division sign has no capital
        {"a \xFFx", "A \xFFx"},
        {" jan ", " Jan "},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(HoofdletterWoorden(g.in, false), g.uit) << g.in;
}

TEST(HoofdletterWoorden, AllCapitalsKeepsSurroundingBlanks) {
    const Geval gevallen[] = {
        {" van 't hof ", " VAN 'T HOF "},
        {"m\xFCller", "M\xFCLLER"}, // A-Z only
        {"  ", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(HoofdletterWoorden(g.in, true), g.uit) << g.in;
}

TEST(Initialen, FirstLetterOfEveryWord) {
    const Geval gevallen[] = {
        {"Johannes Petrus", "J.P."},    {"anna-maria", "A.-M."}, {"(Jo)", "J."}, {"Jan ", "J."},
        {"jan.piet", "J.P."},           {"  jan", "J."},         {"", ""},       {" ", ""},
        {"Maria (Mies) Ann", "M.M.A."},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Initialen(g.in), g.uit) << g.in;
}

TEST(BestandsnaamSchoon, RemovesPunctuationAndAccentsInBothCodePages) {
    const Geval gevallen[] = {
        {"Zo\xEB-M\xFCller", "ZoeMuller"}, // Windows-1252
        {"Zo\x89-M\x81ller", "ZoeMuller"}, // DOS code page 437
        {"O'Brien", "OBrien"},
        {"a b,c.d-e?f/g\\h\"i'j\x07k", "abcdefghijk"},
        {"\xC9LISE", "eLISE"}, // the Windows-1252 capital goes too
        {"Fran\xE7ois Fran\x87ois", "FrancoisFrancois"},
        {"\xC7"
         "a",
         "ca"}, // ignoring case, the "c" row takes it first
        {"\x80"
         "a",
         "Ca"},
        {"Pe\xA4"
         "a",
         "Pena"},
        {"\xE0\xE1\xE2\xE4 \xE8\xE9\xEA\xEB \xEC\xED\xEE\xEF \xF2\xF3\xF4\xF6 \xF9\xFA\xFB\xFC",
         "aaaaeeeeiiiioooouuuu"},
        {"Jan\tSmit", "Jan\tSmit"},         // only code 32 counts as a blank
        {"\x8A\x9A\x9F\xFF", "ee\x9F\xFF"}, // Windows-1252 case pairs of the DOS codes
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(BestandsnaamSchoon(g.in), g.uit) << g.in;
    EXPECT_EQ(BestandsnaamSchoon(std::string("a\0b", 3)), std::string("a\0b", 3));
}

} // namespace
} // namespace gdk
