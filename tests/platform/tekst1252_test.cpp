#include "platform/tekst1252.h"

#include <gtest/gtest.h>

namespace gdk {
namespace {

TEST(Tekst1252, AsciiCaseLeavesOtherLettersAlone) {
    EXPECT_EQ(AsciiKleineLetters("AbC-\xC9\xE9Z"), "abc-\xC9\xE9z");
    EXPECT_EQ(AsciiHoofdletters("aBc-\xC9\xE9z"), "ABC-\xC9\xE9Z");
    EXPECT_EQ(AsciiKlein('@'), '@');
    EXPECT_EQ(AsciiGroot('{'), '{');
}

TEST(Tekst1252, CasePairsAreExactlyTheWindowsOnes) {
    // Every byte: its small letter and its capital, as Windows-1252 pairs them.
    for (int b = 0; b < 256; ++b) {
        int klein = b, groot = b;
        if (b >= 'A' && b <= 'Z') klein = b + 32;
        if (b >= 'a' && b <= 'z') groot = b - 32;
        if (b >= 0xC0 && b <= 0xDE && b != 0xD7) klein = b + 32;
        if (b >= 0xE0 && b <= 0xFE && b != 0xF7) groot = b - 32;
        if (b == 0x8A || b == 0x8C || b == 0x8E) klein = b + 0x10;
        if (b == 0x9A || b == 0x9C || b == 0x9E) groot = b - 0x10;
        if (b == 0x9F) klein = 0xFF;
        if (b == 0xFF) groot = 0x9F;
        const char c = static_cast<char>(b);
        EXPECT_EQ(static_cast<unsigned char>(KleinLetter1252(c)), klein) << "byte " << b;
        EXPECT_EQ(static_cast<unsigned char>(HoofdLetter1252(c)), groot) << "byte " << b;
    }
    EXPECT_EQ(KleineLetters1252("\xC9\x8A\x9F\xD7\xDF"), "\xE9\x9A\xFF\xD7\xDF");
}

TEST(Tekst1252, CompareFindAndReplaceIgnoringCase) {
    EXPECT_TRUE(GelijkZonderHoofdletters("Z\xD6\xCB", "z\xF6\xEB"));
    EXPECT_FALSE(GelijkZonderHoofdletters("\xD7", "\xF7")); // times and divide are no pair
    EXPECT_FALSE(GelijkZonderHoofdletters("ab", "abc"));

    EXPECT_EQ(ZoekZonderHoofdletters("De MAART en maart", "maart"), 3u);
    EXPECT_EQ(ZoekZonderHoofdletters("De MAART en maart", "maart", 4), 12u);
    EXPECT_EQ(ZoekZonderHoofdletters("abc", "abcd"), std::string::npos);
    EXPECT_EQ(ZoekZonderHoofdletters("abc", "x", 9), std::string::npos);
    EXPECT_EQ(ZoekZonderHoofdletters("\xC9"
                                     "COLE",
                                     "\xE9"
                                     "cole"),
              0u);

    EXPECT_EQ(VervangAlles("12 MARCH 1920, march", "March", "maart"), "12 maart 1920, maart");
    EXPECT_EQ(VervangAlles("aaa", "aa", "b"), "ba"); // left to right, no overlap
    EXPECT_EQ(VervangAlles("abc", "", "x"), "abc");  // an empty pattern matches nowhere
    EXPECT_EQ(VervangAlles("\xC9t\xE9", "\xE9", "e"), "ete");
}

TEST(Tekst1252, FirstAndLastOfAFewBytesAsStdFindsThem) {
    const std::string_view tekens[] = {"/\\", "<\"", "\\/:", std::string_view("/\\\0", 3), ""};
    const std::string_view teksten[] = {
        "", "a", "a/b\\c", "c:\\d/e.jpg", "<b>\"x\"</b>", std::string_view("a\0b", 3), "zonder"};
    for (const std::string_view t : tekens)
        for (const std::string_view s : teksten) {
            SCOPED_TRACE(std::string(s) + " | " + std::string(t));
            EXPECT_EQ(LaatsteVan(s, t), s.find_last_of(t));
            for (std::size_t van = 0; van <= s.size() + 1; ++van)
                EXPECT_EQ(EersteVan(s, t, van), s.find_first_of(t, van));
        }
}

struct Paar {
    const char* naam;
    std::string cp1252;
    std::string utf8;
};

class Utf8Conversie : public testing::TestWithParam<Paar> {};

TEST_P(Utf8Conversie, BothWays) {
    EXPECT_EQ(NaarUtf8(GetParam().cp1252), GetParam().utf8);
    std::string terug;
    EXPECT_TRUE(VanUtf8(GetParam().utf8, terug));
    EXPECT_EQ(terug, GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(
    Tekst1252, Utf8Conversie,
    testing::Values(Paar{"ascii", "Jan Smit", "Jan Smit"}, Paar{"euro", "\x80", "\xE2\x82\xAC"},
                    Paar{"undefined81", "\x81", "\xC2\x81"}, Paar{"undefined8D", "\x8D", "\xC2\x8D"},
                    Paar{"undefined8F", "\x8F", "\xC2\x8F"}, Paar{"undefined90", "\x90", "\xC2\x90"},
                    Paar{"undefined9D", "\x9D", "\xC2\x9D"},
                    Paar{"quotes", "\x91\x92\x93\x94", "\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D"},
                    Paar{"caronS", "\x8A\x9A", "\xC5\xA0\xC5\xA1"},
                    Paar{"ligatureOE", "\x8C\x9C", "\xC5\x92\xC5\x93"},
                    Paar{"caronZ", "\x8E\x9E", "\xC5\xBD\xC5\xBE"},
                    Paar{"yDiaeresis", "\x9F\xFF", "\xC5\xB8\xC3\xBF"},
                    Paar{"tradeMark", "\x99", "\xE2\x84\xA2"},
                    Paar{"nbspAndLatin1", "\xA0\xEB\xFC", "\xC2\xA0\xC3\xAB\xC3\xBC"},
                    Paar{"nul", std::string("a\0b", 3), std::string("a\0b", 3)}),
    [](const auto& p) { return std::string(p.param.naam); });

TEST(Tekst1252, EveryByteSurvivesTheRoundTrip) {
    std::string alle;
    for (int b = 0; b < 256; ++b)
        alle += static_cast<char>(b);
    const std::string utf8 = NaarUtf8(alle);
    EXPECT_TRUE(IsGeldigUtf8(utf8));
    std::string terug;
    ASSERT_TRUE(VanUtf8(utf8, terug));
    EXPECT_EQ(terug, alle);
}

TEST(Tekst1252, Utf8WithoutWindowsFormAndInvalidUtf8) {
    std::string uit;
    EXPECT_TRUE(VanUtf8("a\xE4\xB8\xAD"
                        "b\xC2\x80",
                        uit)); // CJK and U+0080 have no form
    EXPECT_EQ(uit, "a?b?");
    EXPECT_FALSE(VanUtf8Verliesvrij("a\xE4\xB8\xAD", uit));
    EXPECT_TRUE(VanUtf8Verliesvrij("Zo\xC3\xAB?", uit));
    EXPECT_EQ(uit, "Zo\xEB?");

    for (const char* fout : {"Zo\xEB", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xFF"}) {
        EXPECT_FALSE(IsGeldigUtf8(fout)) << fout;
        EXPECT_FALSE(VanUtf8(std::string_view(fout), uit));
        EXPECT_EQ(VanUtf8(std::string_view(fout)), fout); // byte for byte
    }
    EXPECT_TRUE(IsGeldigUtf8("\xF0\x9F\x98\x80"));
}

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEnds) {
    EXPECT_EQ(Trim(" \t\r\n\x01 jan smit \x1F\x20"), "jan smit");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0"); // the non-breaking space is above 32
    EXPECT_EQ(Trim(" \t "), "");
}

} // namespace
} // namespace gdk
