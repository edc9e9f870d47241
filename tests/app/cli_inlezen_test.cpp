// The read command as a user runs it: the real gedenkjes-cli on files in a temporary folder.
#include "support/cli.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"
#include "support/voorbeeld.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using gdk::test::CliUitkomst;
using gdk::test::LeesBestand;
using gdk::test::Quote;
using gdk::test::TijdelijkeMap;
using gdk::test::VoerCli;
using gdk::test::Voorbeeld;
using gdk::test::VoorbeeldRegister;

const char* const Register = "REGEDIT4\n"
                             "\n"
                             "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijInlezen]\n"
                             "\"ControleOpGeslacht\"=dword:00000001\n"
                             "\n"
                             "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave]\n"
                             "\"adDatumAanpassen\"=dword:00000001\n";

class CliInlezen : public ::testing::Test {
  protected:
    void SetUp() override {
        register_ = map.Schrijf("register/HKEY_CURRENT_USER.reg", Register);
        std::filesystem::create_directories(map.pad() / "programma");
    }
    // Runs gedenkjes-cli in `werkmap` with the given arguments; standard error lands in `fout`.
    int Voer(const std::string& args, const std::filesystem::path& werkmap = {}) {
        CliUitkomst u = VoerCli("--register " + Quote(register_) + " --programmamap " +
                                    Quote((map.pad() / "programma").string()) + " " + args,
                                werkmap.empty() ? map.pad() : werkmap);
        fout = std::move(u.fout);
        return u.code;
    }

    TijdelijkeMap map;
    std::string register_;
    std::string fout;
};

TEST_F(CliInlezen, ReadsAndPrintsTheStatusTexts) {
    const std::string pad =
        map.Schrijf("kaarten.gdk", "Jan;van;Dijk;M;;;;;;;;;;;;Truus;;Smit;\r\nPiet;;Bos;M;\r\n");
    EXPECT_EQ(Voer("inlezen " + Quote(pad)), 0) << fout;
    EXPECT_NE(fout.find("links:   GDK bestand inlezen...\n"), std::string::npos) << fout;
    EXPECT_NE(fout.find("links:   aantal personen : 3; aantal gezinnen : 1; ingelezen.\n"), std::string::npos)
        << fout;
    EXPECT_EQ(LeesBestand(map.pad() / "kaarten_Verschillen.txt"),
              "geslacht ontbreekt bij:Truus;;Smit\r\naantal verschillen = 00001\r\n");
}

TEST_F(CliInlezen, RelativePathAndAnAccentedFileName) {
    map.Schrijf("verz/Zo\xC3\xAB.gdk", "Jan;;Dijk;;\r\n");
    EXPECT_EQ(Voer("inlezen " + Quote("verz/Zo\xC3\xAB.gdk")), 0) << fout;
    // The report's name is made from the Windows-1252 path and lands on disk as UTF-8.
    EXPECT_EQ(LeesBestand(map.pad() / "verz" / "Zo\xC3\xAB_Verschillen.txt"),
              "geslacht ontbreekt bij:Jan;;Dijk\r\naantal verschillen = 00001\r\n");
}

// A path from the command line is the system's: a '\' in it is a letter, never a separator, so
// "..\..\x.gdk" is that one file in the working folder and not x.gdk two folders up.
TEST_F(CliInlezen, ABackslashIsALetterOfTheName) {
    // The file and report two folders up that a separator would reach: neither may be touched.
    map.Schrijf("x.gdk", "Lokaas;;Boven;;\r\nTweede;;Boven;;\r\n");
    map.Schrijf("x_Verschillen.txt", "oud");
    map.Schrijf("w/v/a\\b.gdk", "Jan;;Dijk;;\r\n");
    map.Schrijf("w/v/c\\d/k.gdk", "Jan;;Dijk;;\r\n");
    map.Schrijf("w/v/..\\..\\y.gdk", "Jan;;Dijk;;\r\n");
    struct Geval {
        const char* bestand;
        const char* verslag; // beside the file, in w/v; nullptr: the read fails
    };
    const Geval gevallen[] = {
        {"a\\b.gdk", "a\\b_Verschillen.txt"},
        {"c\\d/k.gdk", "c\\d/k_Verschillen.txt"},
        {"..\\..\\y.gdk", "..\\..\\y_Verschillen.txt"},
        {"..\\..\\x.gdk", nullptr},
    };
    for (const Geval& g : gevallen) {
        const int code = Voer("inlezen " + Quote(g.bestand), map.pad() / "w" / "v");
        if (!g.verslag) {
            EXPECT_EQ(code, 1) << g.bestand << "\n" << fout;
            EXPECT_NE(fout.find("rechts:   Gedenkjes inlezen fout gegaan\n"), std::string::npos) << fout;
            continue;
        }
        EXPECT_EQ(code, 0) << g.bestand << "\n" << fout;
        EXPECT_NE(fout.find("aantal personen : 1;"), std::string::npos) << g.bestand << "\n" << fout;
        EXPECT_EQ(LeesBestand(map.pad() / "w" / "v" / g.verslag),
                  "geslacht ontbreekt bij:Jan;;Dijk\r\naantal verschillen = 00001\r\n")
            << g.bestand;
    }
    EXPECT_EQ(LeesBestand(map.pad() / "x_Verschillen.txt"), "oud");
}

// The export of such a collection, with a program folder so named: the site lies in a folder
// named after the whole file name, and the program's tool files reach it.
TEST_F(CliInlezen, ABackslashNameThroughAnExport) {
    const std::string reg = map.Schrijf("uitvoer.reg", VoorbeeldRegister(map.tekst() + "/uit"));
    map.Schrijf("p\\q/tool/Achtergrond.jpg", "beeld");
    const std::string gdk = map.Schrijf("c\\d/a\\b.gdk", LeesBestand(Voorbeeld("kaarten.gdk")));
    const CliUitkomst u = VoerCli("--register " + Quote(reg) + " --programmamap " +
                                      Quote(map.tekst() + "/p\\q") + " uitvoeren " + Quote(gdk) + " 2",
                                  map.pad());
    ASSERT_EQ(u.code, 0) << u.fout;
    const std::filesystem::path site = map.pad() / "uit" / "a\\b" / "gedenkjes" / "type 2";
    EXPECT_TRUE(std::filesystem::exists(site / "index.htm"));
    EXPECT_FALSE(std::filesystem::is_empty(site / "afbeeldingen")); // the cards' scans
    EXPECT_EQ(LeesBestand(site / "tool" / "achtergrond" / "achtergrond.jpg"), "beeld");
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "uit" / "b"));
}

TEST_F(CliInlezen, MissingFileExitsWithOne) {
    EXPECT_EQ(Voer("inlezen weg.gdk"), 1);
    EXPECT_NE(fout.find("rechts:   Gedenkjes inlezen fout gegaan\n"), std::string::npos) << fout;
}

TEST_F(CliInlezen, AFamilyTreeFileIsRefusedWithOne) {
    const std::string pad = map.Schrijf("stamboom.gdk", "\xEF\xBB\xBF"
                                                        "0 HEAD\r\n1 CHAR UTF-8\r\n");
    EXPECT_EQ(Voer("inlezen stamboom.gdk"), 1);
    EXPECT_NE(fout.find("melding: Het bestand " + pad + " is een stamboombestand (GEDCOM)"),
              std::string::npos)
        << fout;
    EXPECT_EQ(fout.find("GDK bestand inlezen"), std::string::npos) << fout;
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "stamboom_Verschillen.txt"));
}

TEST_F(CliInlezen, AFolderIsAnInputOutputError) {
    std::filesystem::create_directories(map.pad() / "map.gdk");
    EXPECT_EQ(Voer("inlezen map.gdk"), 2);
    EXPECT_NE(fout.find("gedenkjes-cli: Het bestand " + map.tekst() + "/map.gdk kan niet gelezen worden.\n"),
              std::string::npos)
        << fout;
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "map_Verschillen.txt"));
}

TEST_F(CliInlezen, WrongNumberOfArgumentsIsBadUsage) {
    EXPECT_EQ(Voer("inlezen"), 2);
    EXPECT_EQ(fout, "gedenkjes-cli: gebruik: gedenkjes-cli inlezen BESTAND.gdk\n");
    EXPECT_EQ(Voer("inlezen a.gdk b.gdk"), 2);
}

// The bundled sample, read with its own registry: every planned oddity is reported, nothing else;
// the Windows path, the derived names, the case differences and the accented names all find
// their files.
TEST_F(CliInlezen, TheSampleCollection) {
    const std::filesystem::path voorbeeld = map.pad() / "examples";
    std::filesystem::copy(std::string(GDK_SOURCE_DIR) + "/examples", voorbeeld,
                          std::filesystem::copy_options::recursive);
    register_ =
        map.Schrijf("register/sample.reg", VoorbeeldRegister(map.tekst() + "/out", voorbeeld.string()));

    EXPECT_EQ(Voer("inlezen examples/kaarten.gdk"), 0) << fout;
    EXPECT_NE(fout.find("links:   aantal personen : 55; aantal gezinnen : 15; ingelezen.\n"),
              std::string::npos)
        << fout;
    const std::string s = voorbeeld.string() + "/scans";
    EXPECT_EQ(LeesBestand(voorbeeld / "kaarten_Verschillen.txt"),
              "samengesteld PeetersZ19310817_20040909_v.jpg - opgenomen: Peeters Zo\xEB 1931.jpg\r\n"
              "samengesteld eloyG19020202_19621201_v.jpg - opgenomen: \xC9loy Ga\xEBtan 1902.jpg\r\n"
              "afwijking in g-datum van Anna van 't Hof : 12 MAR 1920\r\n"
              "geslacht ontbreekt bij:Cornelis;;Smits\r\n"
              "geslacht ontbreekt bij:Jan;;Dijkstra\r\n"
              "afwijking in o-datum van Alo\xEFs  D'Hondt : 1 januari 1970\r\n"
              "samengesteld HermansR19300119_20150402_v.jpg - opgenomen: HermansR19300119_20150402_v.JPG\r\n"
              "samengesteld DamFVan19150303_19921224_v.jpg - opgenomen: DamFVan19150303_19921224_v.JPG\r\n"
              "bestand afbeelding ontbreekt: " +
                  s +
                  "/V/VisserC19250501_20030602_v.jpg\r\n"
                  "geslacht ontbreekt bij:Karel;;Goossens\r\n"
                  "beiden hebben hetzelfde geslacht:Lucia;;Desmet\r\n"
                  "afbeelding foto ontbreekt " +
                  s +
                  "/C/ClaessensH19141109 ... _f.jpg\r\n"
                  "aantal verschillen = 00012\r\n");
}

} // namespace
