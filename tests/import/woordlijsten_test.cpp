#include "import/woordlijsten.h"

#include "data/globalen.h"
#include "support/tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk {
namespace {

using test::TijdelijkeMap;

// An override file with the lines 1..115 as "N,tekst N", each line ended by CR LF.
std::string EigenTeksten() {
    std::string s;
    for (int i = 1; i <= AantalUitvoerTeksten; ++i)
        s += std::to_string(i) + ",tekst " + std::to_string(i) + "\r\n";
    return s;
}

class Woordlijsten : public testing::Test {
  protected:
    void SetUp() override { ProgrammaMap = map.tekst(); }
    void TearDown() override { ProgrammaMap.clear(); }

    std::vector<std::string> Deeltjes() const {
        return {Tussenvoegsels.begin() + 1, Tussenvoegsels.begin() + 1 + AantalTussenvoegsels};
    }
    static bool AlleStandaard() {
        return UitvoerTekst[1] == "GezinsBladen" && UitvoerTekst[57] == "onbekend";
    }

    TijdelijkeMap map;
};

// ---------------------------------------------------------------- defaults

TEST_F(Woordlijsten, WithoutOverrideFilesTheDefaults) {
    EXPECT_TRUE(LeesTussenvoegsels());
    EXPECT_EQ(AantalTussenvoegsels, 85);
    EXPECT_EQ(Tussenvoegsels[1], "d'");
    EXPECT_EQ(Tussenvoegsels[4], "\xE0 ");
    EXPECT_EQ(Tussenvoegsels[53], "st. ");
    EXPECT_EQ(Tussenvoegsels[64], "van d'");
    EXPECT_EQ(Tussenvoegsels[85], "zum ");
    EXPECT_TRUE(Tussenvoegsels[86].empty());

    EXPECT_FALSE(LeesUitvoerTekst()); // no file
    // The entries other units print, by number.
    const std::pair<int, const char*> gebruikt[] = {
        {1, "GezinsBladen"},
        {33, "begraven"},
        {53, "gehuwd"},
        {54, "met"},
        {57, "onbekend"},
        {58, "bron"},
        {60, "laatst bijgewerkt"},
        {64, "Inleiding"},
        {65, "Geef hier met eigen woorden weer wat de INLEIDING zou moeten zijn."},
        {67, "gezinsblad"},
        {88, "op"},
        {89, "te"},
        {90, "aantekening"},
        {91, "geboren"},
        {94, "ge\xEBmigreerd"},
        {95, "ge\xEFmmigreerd"},
        {97, "overleden"},
        {98, "gecremeerd"},
        {101, "man"},
        {102, "vrouw"},
        {105, "relatie"},
        {107, "Het maximale aantal personen is bereikt."},
        {108, "Het maximale aantal relaties is bereikt."},
        {110, "berichten"},
        {111, "gestart om"},
        {112, "persoon"},
        {113, "geslacht ontbreekt bij:"},
        {114, "beiden hebben hetzelfde geslacht:"},
        {115, "bestand ontbreekt:"},
    };
    for (const auto& [nummer, tekst] : gebruikt)
        EXPECT_EQ(UitvoerTekst[nummer], tekst) << nummer;
}

// ---------------------------------------------------------------- particles

TEST_F(Woordlijsten, ParticleFileLinesInFileOrder) {
    map.Schrijf("Tussenvoegsel.txt", "; eigen lijst\r\n"
                                     "VAN der\r\n"
                                     "\r\n"
                                     "   \t\r\n"
                                     "d'\r\n"
                                     "  st.  \r\n"
                                     "; slot\r\n");
    EXPECT_TRUE(LeesTussenvoegsels());
    EXPECT_EQ(Deeltjes(), (std::vector<std::string>{"van der ", "d'", "st."}));
    EXPECT_EQ(AantalTussenvoegsels, 3);
}

TEST_F(Woordlijsten, ParticleBlankOnlyWhenItDoesNotEndInApostropheOrFullStop) {
    map.Schrijf("Tussenvoegsel.txt", "'t\n"
                                     "van d'\n"
                                     "a.b.\n"
                                     "\xC0 LA\n" // accented letters keep their case
                                     " ;geen commentaar\n"
                                     "d''\n");
    LeesTussenvoegsels();
    EXPECT_EQ(Deeltjes(),
              (std::vector<std::string>{"'t ", "van d'", "a.b. ", "\xC0 la ", ";geen commentaar ", "d'' "}));
}

TEST_F(Woordlijsten, ParticleFileOfCommentsAndBlanksGivesAnEmptyList) {
    map.Schrijf("Tussenvoegsel.txt", "; niets\n\n;\n  \n");
    EXPECT_TRUE(LeesTussenvoegsels());
    EXPECT_EQ(AantalTussenvoegsels, 0);
    EXPECT_TRUE(Tussenvoegsels[1].empty());
}

TEST_F(Woordlijsten, ParticlesBeyondTheTwoHundredFiftySlotsAreIgnored) {
    std::string s;
    for (int i = 1; i <= 300; ++i)
        s += "d" + std::to_string(i) + "\n";
    map.Schrijf("Tussenvoegsel.txt", s);
    EXPECT_TRUE(LeesTussenvoegsels());
    EXPECT_EQ(AantalTussenvoegsels, 250);
    EXPECT_EQ(Tussenvoegsels[250], "d250 ");
}

TEST_F(Woordlijsten, AShorterFileLeavesNoOldParticlesBehind) {
    StandaardTussenvoegsels();
    map.Schrijf("Tussenvoegsel.txt", "ter\n");
    LeesTussenvoegsels();
    EXPECT_EQ(AantalTussenvoegsels, 1);
    EXPECT_TRUE(Tussenvoegsels[2].empty());
}

TEST_F(Woordlijsten, BinaryParticleFileDoesNotCrash) {
    map.Schrijf("Tussenvoegsel.txt", std::string("a\0b\n\xFF\xFE\x01\n", 8));
    EXPECT_TRUE(LeesTussenvoegsels());
    EXPECT_EQ(AantalTussenvoegsels, 2);
    EXPECT_EQ(Tussenvoegsels[1], std::string("a\0b ", 4));
}

TEST_F(Woordlijsten, UnreadableOverrideFilesFallBackToTheDefaults) {
    const std::string deeltjes = map.Schrijf("Tussenvoegsel.txt", "ter\n");
    const std::string teksten = map.Schrijf("UitvoerTekst.txt", EigenTeksten());
    std::filesystem::permissions(deeltjes, std::filesystem::perms::none);
    std::filesystem::permissions(teksten, std::filesystem::perms::none);
    if (::access(deeltjes.c_str(), R_OK) == 0) GTEST_SKIP() << "running as root: every file is readable";
    LeesTussenvoegsels();
    EXPECT_EQ(AantalTussenvoegsels, 85);
    EXPECT_TRUE(LeesUitvoerTekst());
    EXPECT_TRUE(AlleStandaard());
}

TEST_F(Woordlijsten, AFolderInPlaceOfAnOverrideFileCountsAsMissing) {
    std::filesystem::create_directory(map.pad() / "Tussenvoegsel.txt");
    std::filesystem::create_directory(map.pad() / "UitvoerTekst.txt");
    LeesTussenvoegsels();
    EXPECT_EQ(AantalTussenvoegsels, 85);
    EXPECT_FALSE(LeesUitvoerTekst());
    EXPECT_TRUE(AlleStandaard());
}

TEST_F(Woordlijsten, ANamedPipeInPlaceOfAnOverrideFileDoesNotHang) {
    ASSERT_EQ(::mkfifo((map.pad() / "Tussenvoegsel.txt").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((map.pad() / "UitvoerTekst.txt").c_str(), 0600), 0);
    LeesTussenvoegsels();
    EXPECT_EQ(AantalTussenvoegsels, 85);
    LeesUitvoerTekst();
    EXPECT_TRUE(AlleStandaard());
}

// ---------------------------------------------------------------- output texts

TEST_F(Woordlijsten, OutputTextFileIsUsedWhole) {
    std::string s = "; eigen teksten\r\n\r\n" + EigenTeksten();
    s.replace(s.find("57,tekst 57"), 11, "57,   anders \t");
    map.Schrijf("UitvoerTekst.txt", s + "; einde\r\n\r\n");
    EXPECT_TRUE(LeesUitvoerTekst());
    EXPECT_EQ(UitvoerTekst[57], "anders");
    EXPECT_EQ(UitvoerTekst[1], "tekst 1");
    EXPECT_EQ(UitvoerTekst[115], "tekst 115");
}

struct TekstGeval {
    const char* naam;
    std::string inhoud;
    bool gebruikt;
};

class OutputTextFile : public Woordlijsten, public testing::WithParamInterface<TekstGeval> {};

TEST_P(OutputTextFile, UsedOrAllDefaults) {
    map.Schrijf("UitvoerTekst.txt", GetParam().inhoud);
    EXPECT_TRUE(LeesUitvoerTekst()); // the file existed
    if (GetParam().gebruikt) {
        EXPECT_EQ(UitvoerTekst[1], "tekst 1");
        EXPECT_EQ(UitvoerTekst[115], "tekst 115");
    } else {
        EXPECT_TRUE(AlleStandaard());
        EXPECT_EQ(UitvoerTekst[115], "bestand ontbreekt:");
    }
}

std::string Zonder(std::string s, const std::string& regel) {
    return s.erase(s.find(regel), regel.size());
}

INSTANTIATE_TEST_SUITE_P(
    Woordlijsten, OutputTextFile,
    testing::Values(TekstGeval{"AllHundredFifteen", EigenTeksten(), true},
                    TekstGeval{"OneLineMissing", Zonder(EigenTeksten(), "57,tekst 57\r\n"), false},
                    TekstGeval{"ExtraLineFor116", EigenTeksten() + "116,te veel\r\n", true},
                    TekstGeval{"ExtraLinesForZeroAndNegative", EigenTeksten() + "0,x\r\n-1,y\r\n", true},
                    TekstGeval{"ExtraLineWithLetterKey", EigenTeksten() + "abc,x\r\n", false},
                    TekstGeval{"ExtraLineWithoutComma", EigenTeksten() + "hallo\r\n", false},
                    TekstGeval{"ExtraLineWithEmptyKey", EigenTeksten() + " ,x\r\n", false},
                    TekstGeval{"BlankBeforeSemicolonIsNoComment", EigenTeksten() + " ;3,x\r\n", false},
                    TekstGeval{"HexadecimalKey", EigenTeksten() + "$1A,x\r\n", false},
                    TekstGeval{"EmptyFile", "", false},
                    TekstGeval{"BinaryFile", std::string("\x00\x01\xFF,\x02\n\x7F", 7), false}),
    [](const testing::TestParamInfo<TekstGeval>& i) { return std::string(i.param.naam); });

TEST_F(Woordlijsten, EmptyValueCommaInValueAndBlanksAroundTheKey) {
    std::string s = EigenTeksten();
    s.replace(s.find("12,tekst 12"), 11, "12,");
    s.replace(s.find("13,tekst 13"), 11, "13,a, b ,c");
    s.replace(s.find("14,tekst 14"), 11, "  14  ,veertien");
    map.Schrijf("UitvoerTekst.txt", s);
    LeesUitvoerTekst();
    EXPECT_EQ(UitvoerTekst[12], "");
    EXPECT_EQ(UitvoerTekst[13], "a, b ,c");
    EXPECT_EQ(UitvoerTekst[14], "veertien");
}

TEST_F(Woordlijsten, AcceptedLinesAreCountedNotDistinctNumbers) {
    // 115 accepted lines: 5 twice, 6 not at all. The later 5 wins and 6 stays empty.
    std::string s = EigenTeksten();
    s.replace(s.find("6,tekst 6\r\n"), 11, "5,tweede vijf\r\n");
    map.Schrijf("UitvoerTekst.txt", s);
    LeesUitvoerTekst();
    EXPECT_EQ(UitvoerTekst[5], "tweede vijf");
    EXPECT_EQ(UitvoerTekst[6], "");
    EXPECT_EQ(UitvoerTekst[7], "tekst 7");
}

} // namespace
} // namespace gdk
