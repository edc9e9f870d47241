#include "platform/register.h"

#include "support/tekst.h"
#include "support/tijdelijke_map.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk::reg {
namespace {

using test::LeesBestand;
using test::TijdelijkeMap;
using test::Utf16MetMerk;

const std::string kCode = "Software\\Velmoran\\Gedenkje\\4.00\\OptiesCode";
const std::string kAlg = "Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen";

class Register : public testing::Test {
  protected:
    void SetUp() override { ZetRegisterBestand(pad); }
    void TearDown() override { ZetRegisterBestand(""); }
    TijdelijkeMap map;
    std::string pad = map.tekst() + "/HKEY_CURRENT_USER.reg";
    void Bestand(const std::string& inhoud) { map.Schrijf("HKEY_CURRENT_USER.reg", inhoud); }
};

TEST_F(Register, ReadsStringsAndDwordsCaseInsensitively) {
    Bestand("REGEDIT4\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\r\n"
            "\"AfbeeldingBestanden\"=\"/home/an/scans\"\r\n"
            "\"NiveauAfbeeldingBestanden\"=dword:ffffffff\r\n"
            "\"Pad\"=\"C:\\\\map \\\"x\\\"\"\r\n"
            "\"Naam\"=\"Zo\xC3\xAB\"\r\n"
            "\"Leeg\"=\"\"\r\n"
            "\"Kort\"=dword:2A\r\n");
    EXPECT_EQ(LeesString(kAlg, "AfbeeldingBestanden"), "/home/an/scans");
    EXPECT_EQ(LeesString("software\\VELMORAN\\gedenkje\\4.00\\optiesalgemeen\\", "afbeeldingbestanden"),
              "/home/an/scans");
    EXPECT_EQ(LeesInteger(kAlg, "NiveauAfbeeldingBestanden"), -1);
    EXPECT_EQ(LeesString(kAlg, "Pad"), "C:\\map \"x\"");
    EXPECT_EQ(LeesString(kAlg, "Naam"), "Zo\xEB");
    EXPECT_EQ(LeesString(kAlg, "Leeg"), "");
    EXPECT_EQ(LeesInteger(kAlg, "Kort"), 42);
    // The wrong type reads as absent.
    EXPECT_EQ(LeesInteger(kAlg, "AfbeeldingBestanden"), std::nullopt);
    EXPECT_EQ(LeesString(kAlg, "Kort"), std::nullopt);
    EXPECT_EQ(LeesString(kAlg, "Geen"), std::nullopt);
    EXPECT_EQ(LeesString(kCode, "AfbeeldingBestanden"), std::nullopt);
    EXPECT_TRUE(SleutelBestaat(kAlg));
    EXPECT_TRUE(SleutelBestaat("Software\\Velmoran\\Gedenkje\\4.00\\"));
    EXPECT_FALSE(SleutelBestaat(kCode));
    EXPECT_FALSE(SleutelBestaat("Software\\Velmo"));
}

TEST_F(Register, WritesANewFileInItsFolder) {
    ZetRegisterBestand(map.tekst() + "/nieuw/diep/HKEY_CURRENT_USER.reg");
    EXPECT_TRUE(SchrijfString(kAlg, "AfbeeldingBestanden", "C:\\scans \"oud\" Zo\xEB"));
    EXPECT_TRUE(SchrijfInteger(kAlg, "Niveau", 42));
    EXPECT_TRUE(SchrijfInteger(kCode, "Min", -1));
    EXPECT_EQ(LeesBestand(map.pad() / "nieuw/diep/HKEY_CURRENT_USER.reg"),
              "REGEDIT4\n\n"
              "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\n"
              "\"AfbeeldingBestanden\"=\"C:\\\\scans \\\"oud\\\" Zo\xC3\xAB\"\n"
              "\"Niveau\"=dword:0000002a\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesCode]\n"
              "\"Min\"=dword:ffffffff\n");
    EXPECT_EQ(LeesString(kAlg, "afbeeldingbestanden"), "C:\\scans \"oud\" Zo\xEB");
    EXPECT_EQ(LeesInteger(kCode, "MIN"), -1);
}

TEST_F(Register, RewriteKeepsEveryOtherLineInPlace) {
    Bestand("REGEDIT4\r\n"
            "; opmerking van de gebruiker\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\r\n"
            "\"Oud\"=\"x\"\r\n"
            "\"Binair\"=hex:01,02\r\n"
            "@=\"standaard\"\r\n"
            "\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Iets]\r\n"
            "\"Oud\"=\"ander\"\r\n");
    EXPECT_TRUE(SchrijfString(kAlg, "OUD", "nieuw"));
    EXPECT_TRUE(SchrijfInteger(kAlg, "Erbij", 7));
    EXPECT_TRUE(SchrijfString(kCode, "Code", "c"));
    EXPECT_EQ(LeesBestand(pad), "REGEDIT4\r\n"
                                "; opmerking van de gebruiker\r\n"
                                "\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\r\n"
                                "\"Oud\"=\"nieuw\"\r\n"
                                "\"Binair\"=hex:01,02\r\n"
                                "@=\"standaard\"\r\n"
                                "\"Erbij\"=dword:00000007\r\n"
                                "\r\n"
                                "[HKEY_LOCAL_MACHINE\\Software\\Iets]\r\n"
                                "\"Oud\"=\"ander\"\r\n"
                                "\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesCode]\r\n"
                                "\"Code\"=\"c\"\r\n");
    // A value of the other type is replaced by the new type.
    EXPECT_TRUE(SchrijfInteger(kAlg, "Oud", 3));
    EXPECT_EQ(LeesInteger(kAlg, "Oud"), 3);
    EXPECT_EQ(LeesString(kAlg, "Oud"), std::nullopt);
}

TEST_F(Register, ValueWithLineBreaksSurvives) {
    EXPECT_TRUE(SchrijfString(kAlg, "Tekst", "een\r\ntwee\\n"));
    EXPECT_EQ(LeesString(kAlg, "Tekst"), "een\r\ntwee\\n");
}

TEST_F(Register, UnparsableFileReadsEmptyAndIsNeverOverwritten) {
    const std::string regedit =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n";
    const std::string gevallen[] = {
        std::string("R\0E\0G\0E\0D\0I\0T\0004\0", 16),   // UTF-16 without its mark
        Utf16MetMerk(regedit + "\"A\"=\"b\"\r\n") + "x", // an odd byte at the end
        Utf16MetMerk(regedit) + "\x3D\xD8" + Utf16MetMerk("\"A\"=\"b\"\r\n").substr(2), // a lone surrogate
        "mijn boodschappenlijst\n",
        "Windows Registry Editor Version 4.00\n",
        std::string("\x89PNG\r\n\x1a\n\0\0\0", 11),
    };
    for (const std::string& inhoud : gevallen) {
        Bestand(inhoud);
        EXPECT_EQ(RegisterLeesbaarheid(), Leesbaarheid::GeenRegister);
        EXPECT_EQ(LeesString("Software", "A"), std::nullopt);
        EXPECT_FALSE(SleutelBestaat("Software"));
        EXPECT_FALSE(SchrijfString(kAlg, "A", "b"));
        EXPECT_FALSE(SchrijfInteger(kAlg, "A", 1));
        EXPECT_EQ(LeesBestand(pad), inhoud);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(map.pad()), {}), 1); // no temporary left
}

TEST_F(Register, EmptyFileIsFreeToFill) {
    Bestand("");
    EXPECT_EQ(RegisterLeesbaarheid(), Leesbaarheid::Gelezen);
    EXPECT_EQ(LeesString(kAlg, "A"), std::nullopt);
    EXPECT_TRUE(SchrijfString(kAlg, "A", "b"));
    EXPECT_EQ(LeesString(kAlg, "A"), "b");
}

TEST_F(Register, TruncatedFileYieldsEveryWellFormedValue) {
    const std::string kop = "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + kAlg + "]\n\"Een\"=\"1\"\n";
    const std::string gevallen[] = {
        kop + "\"Twee\"=\"2",               // value cut in its text
        kop + "\"Twee\"=dword:",            // cut after the type
        kop + "\"Tw",                       // cut in the name
        kop + "[HKEY_CURRENT_USER\\Softw",  // key line without closing bracket
        kop + "\"Twee\"=dword:123456789\n", // too many digits
        kop + "\"Twee\"=\"2\" rest\n",      // something after the text
    };
    for (const std::string& inhoud : gevallen) {
        Bestand(inhoud);
        EXPECT_EQ(LeesString(kAlg, "Een"), "1") << inhoud;
        EXPECT_EQ(LeesString(kAlg, "Twee"), std::nullopt) << inhoud;
        EXPECT_EQ(LeesInteger(kAlg, "Twee"), std::nullopt) << inhoud;
        // Writing keeps the damaged line as it was and adds a line end to it.
        EXPECT_TRUE(SchrijfString(kAlg, "Drie", "3"));
        EXPECT_EQ(LeesString(kAlg, "Een"), "1");
        EXPECT_EQ(LeesString(kAlg, "Drie"), "3");
        EXPECT_NE(LeesBestand(pad).find(inhoud.substr(kop.size())), std::string::npos) << inhoud;
    }
}

TEST_F(Register, ValuesAfterAKeyLineWithoutBracketAreNotTheEarlierKeys) {
    Bestand("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"X\"=\"a\"\n"
            "[HKEY_CURRENT_USER\\Software\\B\n\"Y\"=\"b\"\n");
    EXPECT_EQ(LeesString("Software\\A", "X"), "a");
    EXPECT_EQ(LeesString("Software\\A", "Y"), std::nullopt);
    EXPECT_EQ(LeesString("Software\\B", "Y"), "b");
}

TEST_F(Register, SeesChangesMadeBehindItsBack) {
    Bestand("REGEDIT4\n\n[HKEY_CURRENT_USER\\S]\n\"A\"=dword:00000001\n");
    EXPECT_EQ(LeesInteger("S", "A"), 1);
    Bestand("REGEDIT4\n\n[HKEY_CURRENT_USER\\S]\n\"A\"=dword:00000002\n\n");
    EXPECT_EQ(LeesInteger("S", "A"), 2);
}

TEST_F(Register, UnwritableFolderFailsSilentlyAndKeepsTheOldFile) {
    // A "folder" that is a file: no user, not even root, can write below it.
    map.Schrijf("bestand", "x");
    ZetRegisterBestand(map.tekst() + "/bestand/HKEY_CURRENT_USER.reg");
    EXPECT_FALSE(SchrijfString(kAlg, "A", "b"));

    if (geteuid() == 0) GTEST_SKIP() << "root writes in a read-only folder";
    ZetRegisterBestand(pad);
    const std::string oud = "REGEDIT4\n\n[HKEY_CURRENT_USER\\S]\n\"A\"=\"1\"\n";
    Bestand(oud);
    ::chmod(map.tekst().c_str(), 0555);
    EXPECT_FALSE(SchrijfString("S", "A", "2"));
    ::chmod(map.tekst().c_str(), 0755);
    EXPECT_EQ(LeesBestand(pad), oud);
    EXPECT_EQ(LeesString("S", "A"), "1");
}

TEST_F(Register, Location) {
    ZetRegisterBestand("");
    const char* oudR = std::getenv("GEDENKJES_REGISTRY");
    const char* oudX = std::getenv("XDG_CONFIG_HOME");
    const std::string bewaarR = oudR ? oudR : "", bewaarX = oudX ? oudX : "";
    ::setenv("GEDENKJES_REGISTRY", "/tmp/r.reg", 1);
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(RegisterBestand(), "/tmp/r.reg");
    ::unsetenv("GEDENKJES_REGISTRY");
    EXPECT_EQ(RegisterBestand(), "/tmp/xdg/gedenkjes/HKEY_CURRENT_USER.reg");
    ::unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (home) {
        EXPECT_EQ(RegisterBestand(), std::string(home) + "/.config/gedenkjes/HKEY_CURRENT_USER.reg");
    }
    ZetRegisterBestand("/elders/x.reg");
    EXPECT_EQ(RegisterBestand(), "/elders/x.reg");
    if (oudR) ::setenv("GEDENKJES_REGISTRY", bewaarR.c_str(), 1);
    if (oudX) ::setenv("XDG_CONFIG_HOME", bewaarX.c_str(), 1);
}

// Settings files that came from elsewhere: kept behind a link, written by another editor, or
// something other than a file under the settings name.
TEST_F(Register, SaveThroughALinkWritesItsTargetAndKeepsTheLink) {
    map.Schrijf("elders/echt.reg",
                "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + kAlg + "]\n\"Niveau\"=dword:00000001\n");
    std::filesystem::create_symlink("elders/echt.reg", pad);
    EXPECT_TRUE(SchrijfInteger(kAlg, "Niveau", 2));
    EXPECT_TRUE(std::filesystem::is_symlink(pad));
    EXPECT_EQ(LeesBestand(map.pad() / "elders" / "echt.reg"),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + kAlg + "]\n\"Niveau\"=dword:00000002\n");
    EXPECT_EQ(LeesInteger(kAlg, "Niveau"), 2);
}

// A file goes back in the form it came in: encoding, byte-order mark, header and line ends, with
// the registry editor's own value types (hex(2): over two lines) as they were.
TEST_F(Register, ARewriteKeepsTheFilesEncodingHeaderAndLineEnds) {
    const auto tekst = [](const std::string& kop, const std::string& eind, int niveau, bool plaats) {
        std::string t = kop + eind + eind + "[HKEY_CURRENT_USER\\" + kAlg + "]" + eind +
                        "\"Niveau\"=dword:0000000" + std::to_string(niveau) + eind +
                        "\"Naam\"=\"Zo\xC3\xAB\"" + eind +
                        "\"Pad\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,\\" + eind + "  00,00" + eind +
                        "; \xF0\x9F\x98\x80" + eind;
        if (plaats) t += "\"Plaats\"=\"Li\xC3\xA8ge\"" + eind;
        return t;
    };
    const std::string kop5 = "Windows Registry Editor Version 5.00";
    const auto zo = [](const std::string& t) { return t; };
    struct {
        const char* naam;
        std::string kop, eind;
        std::function<std::string(const std::string&)> vorm;
    } const gevallen[] = {
        {"REGEDIT4 in UTF-8 met merk", "REGEDIT4", "\r\n",
         [](const std::string& t) { return "\xEF\xBB\xBF" + t; }},
        {"REGEDIT4 met alleen CR", "REGEDIT4", "\r", zo},
        {"5.00 in UTF-8", kop5, "\r\n", zo},
        {"5.00 in UTF-16 LE", kop5, "\r\n", [](const std::string& t) { return Utf16MetMerk(t); }},
        {"5.00 in UTF-16 BE", kop5, "\n", [](const std::string& t) { return Utf16MetMerk(t, true); }},
    };
    for (const auto& g : gevallen) {
        Bestand(g.vorm(tekst(g.kop, g.eind, 1, false)));
        EXPECT_EQ(LeesInteger(kAlg, "Niveau"), 1) << g.naam;
        EXPECT_EQ(LeesString(kAlg, "Naam"), "Zo\xEB") << g.naam;
        EXPECT_EQ(LeesString(kAlg, "Pad"), std::nullopt) << g.naam;
        EXPECT_TRUE(SchrijfInteger(kAlg, "Niveau", 2)) << g.naam;
        EXPECT_TRUE(SchrijfString(kAlg, "Plaats", "Li\xE8ge")) << g.naam;
        EXPECT_EQ(LeesBestand(pad), g.vorm(tekst(g.kop, g.eind, 2, true))) << g.naam;
    }
}

// A rewrite leaves the file as its owner set it up; a file its owner made read-only, or another
// user's, is not replaced at all, by root neither.
TEST_F(Register, ARewriteKeepsOwnerGroupAndModeAndLeavesAFileItMayNotWrite) {
    struct {
        const char* naam;
        mode_t modus;
        uid_t eigenaar; // 0: the test's own user; else needs root
        gid_t groep;
        bool vervangen;
    } const gevallen[] = {
        {"eigen, groep leest mee", 0640, 0, 4242, true},
        {"alleen lezen", 0444, 0, 0, false},
        {"van een ander", 0666, 4242, 0, false},
    };
    const std::string oud = "REGEDIT4\n\n[HKEY_CURRENT_USER\\S]\n\"A\"=\"1\"\n";
    for (const auto& g : gevallen) {
        if ((g.eigenaar || g.groep) && geteuid() != 0) continue;
        Bestand(oud);
        ASSERT_EQ(::chown(pad.c_str(), g.eigenaar ? g.eigenaar : geteuid(), g.groep ? g.groep : getegid()),
                  0);
        ASSERT_EQ(::chmod(pad.c_str(), g.modus), 0);
        struct stat voor {};
        ASSERT_EQ(::stat(pad.c_str(), &voor), 0);
        EXPECT_EQ(SchrijfString("S", "A", "2"), g.vervangen) << g.naam;
        EXPECT_EQ(LeesString("S", "A"), g.vervangen ? "2" : "1") << g.naam;
        struct stat na {};
        ASSERT_EQ(::stat(pad.c_str(), &na), 0);
        EXPECT_EQ(na.st_ino != voor.st_ino, g.vervangen) << g.naam;
        EXPECT_EQ(na.st_mode, voor.st_mode) << g.naam;
        EXPECT_EQ(na.st_uid, voor.st_uid) << g.naam;
        EXPECT_EQ(na.st_gid, voor.st_gid) << g.naam;
        std::filesystem::remove(pad);
    }
    EXPECT_TRUE(std::filesystem::is_empty(map.pad())); // no temporary left
}

TEST_F(Register, APipeOrFolderUnderTheSettingsNameIsUnreadableAtOnce) {
    ASSERT_EQ(::mkfifo(pad.c_str(), 0600), 0);
    // Opening the pipe would wait for a writer that never comes; the test's time limit catches that.
    EXPECT_EQ(LeesInteger(kAlg, "Niveau"), std::nullopt);
    EXPECT_EQ(RegisterLeesbaarheid(), Leesbaarheid::NietTeLezen);
    EXPECT_FALSE(SchrijfInteger(kAlg, "Niveau", 2));
    EXPECT_FALSE(SleutelBestaat(kAlg));
    EXPECT_EQ(std::filesystem::status(pad).type(), std::filesystem::file_type::fifo);
    ZetRegisterBestand("/dev/null");
    EXPECT_EQ(LeesInteger(kAlg, "Niveau"), std::nullopt);
    EXPECT_FALSE(SchrijfInteger(kAlg, "Niveau", 2));
}

TEST_F(Register, ABundleRewritesTheFileOnceWhenItCloses) {
    Bestand("REGEDIT4\n");
    struct stat voor {};
    ASSERT_EQ(::stat(pad.c_str(), &voor), 0);
    {
        SchrijfBundel bundel;
        for (int i = 0; i < 50; ++i)
            EXPECT_TRUE(SchrijfInteger(kAlg, "Waarde" + std::to_string(i), i));
        {
            SchrijfBundel binnen; // joins the outer one
            EXPECT_TRUE(SchrijfString(kCode, "Code", "_v"));
        }
        EXPECT_EQ(LeesBestand(pad), "REGEDIT4\n") << "nothing written before the bundle closes";
    }
    struct stat na {};
    ASSERT_EQ(::stat(pad.c_str(), &na), 0);
    EXPECT_NE(na.st_ino, voor.st_ino); // replaced as a whole, by rename
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(LeesInteger(kAlg, "Waarde" + std::to_string(i)), i);
    EXPECT_EQ(LeesString(kCode, "Code"), "_v");
}

// Whatever the order of writes, a bundle leaves the file exactly as the same writes one by one.
TEST_F(Register, ABundleWritesWhatSingleWritesWould) {
    const std::string begin = "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + kCode +
                              "]\n\"A\"=\"1\"\n\n"
                              "[HKEY_CURRENT_USER\\" +
                              kAlg + "]\n\"B\"=dword:00000001\n; eigen regel\n";
    const auto schrijf = [] {
        SchrijfString(kCode, "A", "2");
        SchrijfString(kCode, "Nieuw", "x");
        SchrijfInteger(kAlg, "B", 2);
        SchrijfInteger(kAlg, "C", 3);
        SchrijfString(kCode, "A", "1");
        SchrijfInteger("Software\\Velmoran\\Programma", "D", 4);
        SchrijfInteger(kAlg, "C", 5);
        SchrijfString("Software\\Velmoran\\Programma", "E", "e");
    };
    Bestand(begin);
    schrijf();
    const std::string los = LeesBestand(pad);
    Bestand(begin);
    {
        SchrijfBundel bundel;
        schrijf();
    }
    EXPECT_EQ(LeesBestand(pad), los);
    EXPECT_EQ(LeesInteger(kAlg, "C"), 5);
}

} // namespace
} // namespace gdk::reg
