#include "settings/instellingen.h"

#include "platform/register.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>
#include <sstream>

namespace gdk {
namespace {

using test::LeesBestand;
using test::TijdelijkeMap;

const std::string Kop = "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\";

class Instellingen : public testing::Test {
  protected:
    void SetUp() override { reg::ZetRegisterBestand(bestand); }
    void TearDown() override { reg::ZetRegisterBestand(""); }

    void Register(const std::string& inhoud) const {
        map.Schrijf("HKEY_CURRENT_USER.reg", "REGEDIT4\r\n\r\n" + inhoud);
    }
    // What activation does with the settings.
    static void Lees() {
        InstellingenVoorinstellen();
        LeesInstellingen();
        LeesExtraInstellingen();
    }
    // The value of one "Section\Name" line of the overview.
    static std::string Overzicht(const std::string& sleutel) {
        std::istringstream in(InstellingenOverzicht());
        for (std::string regel; std::getline(in, regel);)
            if (regel.rfind(sleutel + "=", 0) == 0) return regel.substr(sleutel.size() + 1);
        return "<ontbreekt>";
    }

    TijdelijkeMap map;
    std::string bestand = map.tekst() + "/HKEY_CURRENT_USER.reg";
};

TEST_F(Instellingen, WithoutStoredSettingsTheTypeDefaultsReplaceThePresets) {
    Lees();
    EXPECT_EQ(AfbeeldingBestanden, "");
    EXPECT_EQ(NiveauAfbeeldingBestanden, -1);
    EXPECT_EQ(adDatumAanpassen, -1);
    EXPECT_EQ(alLettertype, "");
    EXPECT_FALSE(glAfblijven);
    EXPECT_FALSE(ControleOpGeslacht);
    EXPECT_FALSE(LijstNamenGedenkje);
    EXPECT_EQ(t2AfbeeldingWidth, "69%");
    EXPECT_EQ(inCols, "250");
    EXPECT_EQ(miWidth, "40");
    EXPECT_EQ(miHeight, "30");
    EXPECT_EQ(bppHeight, "35%");
    EXPECT_EQ(t3InhoudCellSpac, "1");
    EXPECT_EQ(Email, "");
    EXPECT_EQ(Homepage, "");
}

TEST_F(Instellingen, PresetsAreTheStartUpValues) {
    NiveauAfbeeldingBestanden = 2;
    adDatumAanpassen = 0;
    alLettertype = "Arial";
    glAfblijven = false;
    InstellingenVoorinstellen();
    EXPECT_EQ(NiveauAfbeeldingBestanden, 0);
    EXPECT_EQ(alLettertype, "Verdana");
    EXPECT_EQ(adDatumAanpassen, 1);
    EXPECT_TRUE(glAfblijven);
}

TEST_F(Instellingen, StoredValuesOfEverySectionAreRead) {
    Register(
        Kop +
        "OptiesAlgemeen]\r\n"
        "\"AfbeeldingBestanden\"=\"/home/an/scans\"\r\n"
        "\"NiveauAfbeeldingBestanden\"=dword:00000002\r\n"
        "\"UitvoerBestanden\"=\"/home/an/Zo\xC3\xAB\"\r\n\r\n" +
        Kop + "OptiesCode]\r\n\"CodeGedenkjeVoorkant\"=\"_v\"\r\n\"CodeFotoosAchterkant\"=\"_fa\"\r\n\r\n" +
        Kop +
        "OptiesBijInlezen]\r\n\"ControleOpDatum\"=dword:00000001\r\n\"BestandsnaamToevoegen\"=dword:"
        "00000005\r\n\r\n" +
        Kop + "OptiesBijUitvoeren]\r\n\"AantalWeergeven\"=dword:00000001\r\n\r\n" + Kop +
        "OptiesWeergave]\r\n\"alLettertype\"=\"Arial\"\r\n\"adDatumAanpassen\"=dword:00000002\r\n"
        "\"glAfblijven\"=dword:00000000\r\n\"glPlaatsnamen\"=dword:00000001\r\n\r\n" +
        Kop + "OptiesExtra]\r\n\"LijstNamenGedenkje\"=dword:00000001\r\n\"inCols\"=\"300\"\r\n\r\n" + Kop +
        "Programma]\r\n\"Email\"=\"info@example.org\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Velmoran]\r\n\"Homepage\"=\"https://example.org/\"\r\n");
    Lees();
    EXPECT_EQ(AfbeeldingBestanden, "/home/an/scans");
    EXPECT_EQ(NiveauAfbeeldingBestanden, 2);
    EXPECT_EQ(UitvoerBestanden, "/home/an/Zo\xEB"); // Windows-1252 inside the program
    EXPECT_EQ(CodeGedenkjeVoorkant, "_v");
    EXPECT_EQ(CodeFotoosAchterkant, "_fa");
    EXPECT_EQ(CodeFotoosVoorkant, "");
    EXPECT_TRUE(ControleOpDatum);
    EXPECT_TRUE(BestandsnaamToevoegen); // non-zero is on
    EXPECT_FALSE(ControleOpGeslacht);
    EXPECT_TRUE(AantalWeergeven);
    EXPECT_EQ(alLettertype, "Arial");
    EXPECT_EQ(adDatumAanpassen, 2);
    EXPECT_FALSE(glAfblijven);
    EXPECT_TRUE(glPlaatsnamen);
    EXPECT_TRUE(LijstNamenGedenkje);
    EXPECT_EQ(inCols, "300");
    EXPECT_EQ(miWidth, "40");
    EXPECT_EQ(Email, "info@example.org");
    EXPECT_EQ(Homepage, "https://example.org/");
}

TEST_F(Instellingen, AValueOfTheWrongTypeReadsAsTheTypeDefault) {
    Register(Kop + "OptiesBijInlezen]\r\n\"ControleOpDatum\"=\"1\"\r\n\r\n" + Kop +
             "OptiesAlgemeen]\r\n\"NiveauAfbeeldingBestanden\"=\"2\"\r\n"
             "\"AfbeeldingBestanden\"=dword:00000001\r\n\r\n" +
             Kop + "OptiesExtra]\r\n\"miWidth\"=dword:00000050\r\n\"LijstNamenGedenkje\"=\"1\"\r\n");
    Lees();
    EXPECT_FALSE(ControleOpDatum);
    EXPECT_EQ(NiveauAfbeeldingBestanden, -1);
    EXPECT_EQ(AfbeeldingBestanden, "");
    EXPECT_EQ(miWidth, "40");
    EXPECT_FALSE(LijstNamenGedenkje);
}

TEST_F(Instellingen, ABlankExtraTextTakesItsDefaultAnOtherTextIsKeptAsStored) {
    Register(Kop + "OptiesExtra]\r\n\"miWidth\"=\"   \"\r\n\"miHeight\"=\"\"\r\n\"inCols\"=\" 80 \"\r\n");
    Lees();
    EXPECT_EQ(miWidth, "40");
    EXPECT_EQ(miHeight, "30");
    EXPECT_EQ(inCols, " 80 ");
}

TEST_F(Instellingen, WrittenSettingsReadBackAndOtherLinesSurvive) {
    const std::string eigen = "; eigen aantekening\r\n" + Kop +
                              "OptiesAlgemeen]\r\n\"Onbekend\"=\"blijft\"\r\n"
                              "dit is geen registerregel\r\n"
                              "\"Kapot\"=dword:xyz\r\n\r\n" +
                              Kop + "OptiesExtra]\r\n\"miWidth\"=\"55\"\r\n";
    Register(eigen);
    Lees();
    AfbeeldingBestanden = "/scans/Zo\xEB";
    NiveauAfbeeldingBestanden = 1;
    CodeGedenkjeAchterkant = "_a";
    ControleOpBestandsnaamFoto = true;
    DatumWeergeven = true;
    alLettertype = "Verdana";
    adDatumAanpassen = 2;
    glTussenvoegsel = true;
    miWidth = "99"; // never written
    SchrijfInstellingen();

    const std::string opSchijf = LeesBestand(bestand);
    EXPECT_NE(opSchijf.find("\"Onbekend\"=\"blijft\""), std::string::npos);
    EXPECT_NE(opSchijf.find("dit is geen registerregel"), std::string::npos);
    EXPECT_NE(opSchijf.find("\"Kapot\"=dword:xyz"), std::string::npos);
    EXPECT_NE(opSchijf.find("\"AfbeeldingBestanden\"=\"/scans/Zo\xC3\xAB\""),
              std::string::npos); // UTF-8 on disk
    EXPECT_NE(opSchijf.find("\"ControleOpBestandsnaamFoto\"=dword:00000001"), std::string::npos);
    EXPECT_NE(opSchijf.find("\"ControleOpGeslacht\"=dword:00000000"), std::string::npos);
    EXPECT_EQ(opSchijf.find("LijstNamenGedenkje"), std::string::npos);

    AfbeeldingBestanden.clear();
    ControleOpBestandsnaamFoto = false;
    Lees();
    EXPECT_EQ(AfbeeldingBestanden, "/scans/Zo\xEB");
    EXPECT_EQ(NiveauAfbeeldingBestanden, 1);
    EXPECT_EQ(CodeGedenkjeAchterkant, "_a");
    EXPECT_TRUE(ControleOpBestandsnaamFoto);
    EXPECT_TRUE(DatumWeergeven);
    EXPECT_FALSE(ControleOpGeslacht);
    EXPECT_EQ(adDatumAanpassen, 2);
    EXPECT_TRUE(glTussenvoegsel);
    EXPECT_EQ(miWidth, "55");
}

TEST_F(Instellingen, AnUnwritableRegistryIsSilent) {
    reg::ZetRegisterBestand(map.tekst() + "/geen/map/mag/hier/HKEY_CURRENT_USER.reg");
    std::filesystem::permissions(map.pad(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    NiveauAfbeeldingBestanden = 2;
    EXPECT_NO_THROW(SchrijfInstellingen());
    const bool geschreven = std::filesystem::exists(map.pad() / "geen");
    std::filesystem::permissions(map.pad(), std::filesystem::perms::owner_all);
    if (geschreven) GTEST_SKIP() << "running as root: every folder is writable";
    EXPECT_NO_THROW(Lees());
    EXPECT_EQ(NiveauAfbeeldingBestanden, -1);
}

TEST_F(Instellingen, OverviewLinesInStoreOrderBooleansAsDigits) {
    Register(Kop + "OptiesBijInlezen]\r\n\"ControleOpDatum\"=dword:00000001\r\n");
    Lees();
    EXPECT_EQ(Overzicht("OptiesAlgemeen\\NiveauAfbeeldingBestanden"), "-1");
    EXPECT_EQ(Overzicht("OptiesBijInlezen\\ControleOpDatum"), "1");
    EXPECT_EQ(Overzicht("OptiesBijInlezen\\ControleOpGeslacht"), "0");
    EXPECT_EQ(Overzicht("OptiesExtra\\inCols"), "250");
    const std::string alles = InstellingenOverzicht();
    EXPECT_EQ(alles.rfind("OptiesAlgemeen\\AfbeeldingBestanden=\n", 0), 0u);
    const std::string slot = "Programma\\Email=\nVelmoran\\Homepage=\n";
    EXPECT_EQ(alles.substr(alles.size() - slot.size()), slot);
    EXPECT_LT(alles.find("OptiesWeergave\\glPlaatsnamen"), alles.find("OptiesExtra\\LijstNamenGedenkje"));
}

} // namespace
} // namespace gdk
