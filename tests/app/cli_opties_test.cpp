// The settings command, run as the built program with a registry file of the test's own.
#include "support/tekst.h"
#include "support/tijdelijke_map.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

using gdk::test::LeesBestand;
using gdk::test::MetCrLf;
using gdk::test::TijdelijkeMap;
using gdk::test::Utf16MetMerk;

struct Uitkomst {
    int status = -1;
    std::string uit, fout;
};

class CliOpties : public testing::Test {
  protected:
    Uitkomst Start(const std::string& argumenten) const {
        const std::string foutBestand = map.tekst() + "/stderr.txt";
        const std::string opdracht = std::string("'") + GDK_BINARY_DIR + "/gedenkjes-cli' --register '" +
                                     Register() + "' --programmamap '" + map.tekst() + "' " + argumenten +
                                     " 2>'" + foutBestand + "'";
        Uitkomst u;
        FILE* p = ::popen(opdracht.c_str(), "r");
        if (!p) return u;
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
            u.uit.append(buf, n);
        const int w = ::pclose(p);
        u.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
        u.fout = LeesBestand(foutBestand);
        return u;
    }
    std::string Register() const { return map.tekst() + "/HKEY_CURRENT_USER.reg"; }
    void SchrijfRegister(const std::string& inhoud) const { map.Schrijf("HKEY_CURRENT_USER.reg", inhoud); }
    // The value of one "Section\Name" line of the output.
    static std::string Waarde(const std::string& uit, const std::string& sleutel) {
        const std::string alles = "\n" + uit;
        const std::size_t p = alles.find("\n" + sleutel + "=");
        if (p == std::string::npos) return "<ontbreekt>";
        const std::size_t van = p + sleutel.size() + 2;
        return alles.substr(van, alles.find('\n', van) - van);
    }

    TijdelijkeMap map;
};

const char* const ZonderRegister = "OptiesAlgemeen\\AfbeeldingBestanden=\n"
                                   "OptiesAlgemeen\\NiveauAfbeeldingBestanden=-1\n"
                                   "OptiesAlgemeen\\UitvoerBestanden=\n"
                                   "OptiesCode\\CodeFotoosVoorkant=\n"
                                   "OptiesCode\\CodeFotoosAchterkant=\n"
                                   "OptiesCode\\CodeGeboortekaartjeVoorkant=\n"
                                   "OptiesCode\\CodeGeboortekaartjeAchterkant=\n"
                                   "OptiesCode\\CodeCommunieplaatjeVoorkant=\n"
                                   "OptiesCode\\CodeCommunieplaatjeAchterkant=\n"
                                   "OptiesCode\\CodeSchoolrapportenVoorkant=\n"
                                   "OptiesCode\\CodeSchoolrapportenAchterkant=\n"
                                   "OptiesCode\\CodeIDVoorkant=\n"
                                   "OptiesCode\\CodeIDAchterkant=\n"
                                   "OptiesCode\\CodeVakantieVoorkant=\n"
                                   "OptiesCode\\CodeVakantieAchterkant=\n"
                                   "OptiesCode\\CodeTrouwkaartjeVoorkant=\n"
                                   "OptiesCode\\CodeTrouwkaartjeAchterkant=\n"
                                   "OptiesCode\\CodeDocumentatieVoorkant=\n"
                                   "OptiesCode\\CodeDocumentatieAchterkant=\n"
                                   "OptiesCode\\CodeGenealogieVoorkant=\n"
                                   "OptiesCode\\CodeGenealogieAchterkant=\n"
                                   "OptiesCode\\CodeGedenkjeVoorkant=\n"
                                   "OptiesCode\\CodeGedenkjeAchterkant=\n"
                                   "OptiesBijInlezen\\ControleOpGeslacht=0\n"
                                   "OptiesBijInlezen\\ControleOpDatum=0\n"
                                   "OptiesBijInlezen\\ControleOpBestandsnaam=0\n"
                                   "OptiesBijInlezen\\ControleOpBestandsnaamAfbeelding=0\n"
                                   "OptiesBijInlezen\\ControleOpBestandsnaamFoto=0\n"
                                   "OptiesBijInlezen\\AlleenBestandsnaamAfbeeldingInlezen=0\n"
                                   "OptiesBijInlezen\\BestandsnaamToevoegen=0\n"
                                   "OptiesBijUitvoeren\\VoornamenPartnerVolledigWeergeven=0\n"
                                   "OptiesBijUitvoeren\\GeslachtOnbekendNietWeergeven=0\n"
                                   "OptiesBijUitvoeren\\ControleOpDubbeleGedenkjes=0\n"
                                   "OptiesBijUitvoeren\\BeschermenTegenKopieren=0\n"
                                   "OptiesBijUitvoeren\\DatumWeergeven=0\n"
                                   "OptiesBijUitvoeren\\AantalWeergeven=0\n"
                                   "OptiesBijUitvoeren\\AfbeeldingVoorEnAchterkantWeergeven=0\n"
                                   "OptiesBijUitvoeren\\ZoekpaginaMaken=0\n"
                                   "OptiesBijUitvoeren\\PubliceerDoel=\n"
                                   "OptiesBijUitvoeren\\WebAdres=\n"
                                   "OptiesBijUitvoeren\\RecentNietPubliceren=0\n"
                                   "OptiesWeergave\\alLettertype=\n"
                                   "OptiesWeergave\\adDatumAanpassen=-1\n"
                                   "OptiesWeergave\\glAfblijven=0\n"
                                   "OptiesWeergave\\glRoepnaam=0\n"
                                   "OptiesWeergave\\glVoornamen=0\n"
                                   "OptiesWeergave\\glTussenvoegsel=0\n"
                                   "OptiesWeergave\\glAchternaam=0\n"
                                   "OptiesWeergave\\glPlaatsnamen=0\n"
                                   "OptiesExtra\\LijstNamenGedenkje=0\n"
                                   "OptiesExtra\\t2InhoudCellPadd=1\n"
                                   "OptiesExtra\\t2InhoudCellSpac=1\n"
                                   "OptiesExtra\\t2AfbeeldingHeight=69%\n"
                                   "OptiesExtra\\t2AfbeeldingWidth=69%\n"
                                   "OptiesExtra\\t3InhoudCellPadd=1\n"
                                   "OptiesExtra\\t3InhoudCellSpac=1\n"
                                   "OptiesExtra\\t3AfbeeldingHeight=69%\n"
                                   "OptiesExtra\\t3AfbeeldingWidth=69%\n"
                                   "OptiesExtra\\miWidth=40\n"
                                   "OptiesExtra\\miHeight=30\n"
                                   "OptiesExtra\\inCols=250\n"
                                   "OptiesExtra\\bppWidth=35%\n"
                                   "OptiesExtra\\bppHeight=35%\n"
                                   "Programma\\Email=\n"
                                   "Velmoran\\Homepage=\n";

TEST_F(CliOpties, WithoutARegistryFileEverySettingHasItsDefault) {
    const Uitkomst u = Start("opties");
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(u.uit, ZonderRegister);
    // The first activation resets the panels before the output texts are loaded.
    EXPECT_EQ(u.fout, "links:   \nrechts:   \n");
}

TEST_F(CliOpties, ExtraArgumentsAreBadUsage) {
    const Uitkomst u = Start("opties overbodig");
    EXPECT_EQ(u.status, 2);
    EXPECT_EQ(u.uit, "");
    EXPECT_EQ(u.fout, "gedenkjes-cli: gebruik: gedenkjes-cli opties (zonder verdere argumenten)\n");
}

TEST_F(CliOpties, StoredValuesWrongTypesAndBlankExtrasAsActivationReadsThem) {
    SchrijfRegister("REGEDIT4\n\n"
                    "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\n"
                    "\"AfbeeldingBestanden\"=\"/home/an/Zo\xC3\xAB \\\"scans\\\"\"\n"
                    "\"NiveauAfbeeldingBestanden\"=\"2\"\n"
                    "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren]\n"
                    "\"PubliceerDoel\"=\"mijn site:public_html/\\\"gedenkjes\\\"\"\n"
                    "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave]\n"
                    "\"adDatumAanpassen\"=dword:00000002\n"
                    "\"glRoepnaam\"=dword:00000001\n"
                    "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesExtra]\n"
                    "\"miWidth\"=\"  \"\n"
                    "\"inCols\"=\"120\"\n"
                    "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\Programma]\n"
                    "\"Email\"=\"an@example.org\"\n"
                    "[HKEY_CURRENT_USER\\Software\\Velmoran]\n"
                    "\"Homepage\"=\"https://example.org/\"\n");
    const Uitkomst u = Start("opties");
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(Waarde(u.uit, "OptiesAlgemeen\\AfbeeldingBestanden"),
              "/home/an/Zo\xC3\xAB \"scans\"");                                  // UTF-8 out
    EXPECT_EQ(Waarde(u.uit, "OptiesAlgemeen\\NiveauAfbeeldingBestanden"), "-1"); // a string is no integer
    EXPECT_EQ(Waarde(u.uit, "OptiesBijUitvoeren\\PubliceerDoel"), "mijn site:public_html/\"gedenkjes\"");
    EXPECT_EQ(Waarde(u.uit, "OptiesWeergave\\adDatumAanpassen"), "2");
    EXPECT_EQ(Waarde(u.uit, "OptiesWeergave\\glRoepnaam"), "1");
    EXPECT_EQ(Waarde(u.uit, "OptiesWeergave\\alLettertype"), "");
    EXPECT_EQ(Waarde(u.uit, "OptiesExtra\\miWidth"), "40");
    EXPECT_EQ(Waarde(u.uit, "OptiesExtra\\inCols"), "120");
    EXPECT_EQ(Waarde(u.uit, "Programma\\Email"), "an@example.org");
    EXPECT_EQ(Waarde(u.uit, "Velmoran\\Homepage"), "https://example.org/");
}

// The years of recent cards kept off the sites: a stray value never withholds more than 200
// years, and one that is no number of years at all publishes everything.
TEST_F(CliOpties, RecentYearsOutsideTheirRangeAreBroughtIntoIt) {
    const struct {
        const char* waarde;
        const char* gelezen;
    } gevallen[] = {
        {"dword:00000032", "50"},  {"dword:000000c8", "200"}, {"dword:000000c9", "200"},
        {"dword:7fffffff", "200"}, {"dword:ffffffff", "0"},   {"dword:80000000", "0"},
        {"\"50\"", "0"},           {"\"veel\"", "0"},         {"hex:32,00,00,00", "0"},
    };
    for (const auto& g : gevallen) {
        SchrijfRegister(
            std::string("REGEDIT4\n\n"
                        "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren]\n"
                        "\"RecentNietPubliceren\"=") +
            g.waarde + "\n");
        const Uitkomst u = Start("opties");
        EXPECT_EQ(u.status, 0) << g.waarde;
        EXPECT_EQ(Waarde(u.uit, "OptiesBijUitvoeren\\RecentNietPubliceren"), g.gelezen) << g.waarde;
    }
}

TEST_F(CliOpties, GarbageLinesDoNotHideTheWellFormedValues) {
    const std::string inhoud = "REGEDIT4\n\n"
                               "dit is onzin\n"
                               "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijInlezen]\n"
                               "\"ControleOpDatum\"=dword:00000001\n"
                               "\"Kapot\"=dword:xyz\n"
                               "\"Half\n"
                               "=====\n"
                               "\"ControleOpGeslacht\"=dword:00000001\n"
                               "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesExtra]\n"
                               "\"t2AfbeeldingWidth\"=\"50%\"\n";
    SchrijfRegister(inhoud);
    const Uitkomst u = Start("opties");
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(Waarde(u.uit, "OptiesBijInlezen\\ControleOpDatum"), "1");
    EXPECT_EQ(Waarde(u.uit, "OptiesBijInlezen\\ControleOpGeslacht"), "1");
    EXPECT_EQ(Waarde(u.uit, "OptiesExtra\\t2AfbeeldingWidth"), "50%");
    // Reading never writes the registry.
    EXPECT_EQ(LeesBestand(Register()), inhoud);
}

// A collector's settings as this program writes them, and as Windows' registry editor exported
// them there: in UTF-16 of either byte order or in UTF-8, headed "Windows Registry Editor Version
// 5.00", with CR LF and values of its own types in between.
TEST_F(CliOpties, SettingsExportedByTheRegistryEditorReadAsTheSameRegedit4File) {
    const std::string waarden =
        "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\n"
        "\"AfbeeldingBestanden\"=\"/home/an/Zo\xC3\xAB \\\"scans\\\"\"\n"
        "\"NiveauAfbeeldingBestanden\"=dword:00000002\n"
        "\n"
        "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren]\n"
        "\"ZoekpaginaMaken\"=dword:00000001\n"
        "\"WebAdres\"=\"https://www.example.org/gedenkjes/\"\n"
        "\n"
        "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesExtra]\n"
        "\"t2AfbeeldingWidth\"=\"50%\"\n";
    const std::string eigenTypen =
        "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\Programma]\n"
        "\"Map\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,5c,00,47,00,65,00,64,00,65,\\\n"
        "  00,6e,00,6b,00,6a,00,65,00,73,00,00,00\n"
        "\"Recent\"=hex(7):61,00,2e,00,67,00,64,00,6b,00,00,00,00,00\n"
        "\n";
    SchrijfRegister("REGEDIT4\n\n" + waarden);
    const Uitkomst regedit4 = Start("opties");
    ASSERT_EQ(regedit4.status, 0);
    ASSERT_EQ(Waarde(regedit4.uit, "OptiesAlgemeen\\AfbeeldingBestanden"), "/home/an/Zo\xC3\xAB \"scans\"");
    ASSERT_EQ(Waarde(regedit4.uit, "OptiesBijUitvoeren\\ZoekpaginaMaken"), "1");
    ASSERT_EQ(Waarde(regedit4.uit, "OptiesBijUitvoeren\\WebAdres"), "https://www.example.org/gedenkjes/");

    const std::string versie5 = MetCrLf("Windows Registry Editor Version 5.00\n\n" + eigenTypen + waarden);
    const struct {
        const char* naam;
        std::string inhoud;
    } vormen[] = {
        {"UTF-16 LE", Utf16MetMerk(versie5)},
        {"UTF-16 BE", Utf16MetMerk(versie5, true)},
        {"UTF-8", versie5},
    };
    for (const auto& v : vormen) {
        SchrijfRegister(v.inhoud);
        const Uitkomst u = Start("opties");
        EXPECT_EQ(u.status, 0) << v.naam;
        EXPECT_EQ(u.uit, regedit4.uit) << v.naam;
        EXPECT_EQ(u.fout, regedit4.fout) << v.naam;
        EXPECT_EQ(LeesBestand(Register()), v.inhoud) << v.naam;
    }
}

// A settings file that cannot be read is named once, before the command's own lines; the
// defaults are used and the file stays as it is.
TEST_F(CliOpties, AnUnreadableSettingsFileIsReportedOnceAndLeftAlone) {
    const std::string boodschappen = "mijn boodschappenlijst\r\n";
    const struct {
        bool map; // a folder under the settings name, else a shopping list
        const char* reden;
    } gevallen[] = {
        {false, "het is geen registerbestand (REGEDIT4 of Windows Registry Editor Version 5.00)"},
        {true, "het is geen gewoon bestand of u mag het niet lezen"},
    };
    for (const auto& g : gevallen) {
        if (g.map) {
            std::filesystem::remove(Register());
            std::filesystem::create_directory(Register());
        } else {
            SchrijfRegister(boodschappen);
        }
        const Uitkomst u = Start("opties");
        EXPECT_EQ(u.status, 0) << g.reden;
        EXPECT_EQ(u.uit, ZonderRegister) << g.reden;
        EXPECT_EQ(u.fout,
                  "melding: Het instellingenbestand " + Register() + " kon niet gelezen worden: " + g.reden +
                      ". De standaardinstellingen worden gebruikt en het bestand blijft ongewijzigd.\n"
                      "links:   \nrechts:   \n");
        if (!g.map) {
            EXPECT_EQ(LeesBestand(Register()), boodschappen);
        }
    }
}

} // namespace
