// The program and maker values a first start writes into a registry that lacks them.
#include "settings/programmagegevens.h"

#include "platform/register.h"
#include "settings/instellingen.h"
#include "support/tijdelijke_map.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace gdk::test {
namespace {

const std::string Programma = "Software\\Velmoran\\Gedenkje\\4.00\\Programma";
const std::string Maker = "Software\\Velmoran";

class ProgrammagegevensTest : public ::testing::Test {
  protected:
    void SetUp() override { reg::ZetRegisterBestand(pad); }
    void TearDown() override { reg::ZetRegisterBestand(""); }
    void Registreer(const std::string& inhoud) { map.Schrijf("HKEY_CURRENT_USER.reg", inhoud); }

    TijdelijkeMap map;
    std::string pad = map.tekst() + "/HKEY_CURRENT_USER.reg";
};

std::optional<std::string> S(const char* s) {
    return std::string(s);
}

TEST_F(ProgrammagegevensTest, AnEmptyRegistryGetsEveryValueOnce) {
    ProgrammagegevensInstalleren();
    EXPECT_EQ(reg::LeesString(Programma, "Naam"), S("Gedenkjes"));
    EXPECT_EQ(reg::LeesString(Programma, "Versie"), S("4.00"));
    EXPECT_EQ(reg::LeesString(Programma, "Datum"), S(ProgrammaDatum));
    EXPECT_EQ(reg::LeesString(Programma, "Email"), S(ProgrammaEmail));
    const char* const maker[][2] = {{"Naam", MakerNaam},         {"Adres", MakerAdres},
                                    {"PostCode", MakerPostCode}, {"Plaats", MakerPlaats},
                                    {"Telefoon", MakerTelefoon}, {"Logo", MakerLogo},
                                    {"Homepage", MakerHomepage}};
    for (const auto& w : maker)
        EXPECT_EQ(reg::LeesString(Maker, w[0]), S(w[1])) << w[0];

    // The settings store reads the two addresses the help commands use.
    LeesInstellingen();
    EXPECT_EQ(Email, ProgrammaEmail);
    EXPECT_EQ(Homepage, MakerHomepage);

    const std::string eerst = LeesBestand(pad);
    ProgrammagegevensInstalleren();
    EXPECT_EQ(LeesBestand(pad), eerst);
}

TEST_F(ProgrammagegevensTest, ValuesThatArePresentAreLeftAlone) {
    // The user emptied the e-mail address and removed the maker's telephone; the option sections
    // alone do not count as the maker's values.
    Registreer("REGEDIT4\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Velmoran]\r\n"
               "\"Naam\"=\"Eigen naam\"\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\Programma]\r\n"
               "\"Email\"=\"\"\r\n");
    ProgrammagegevensInstalleren();
    EXPECT_EQ(reg::LeesString(Programma, "Email"), S(""));
    EXPECT_EQ(reg::LeesString(Programma, "Versie"), std::nullopt);
    EXPECT_EQ(reg::LeesString(Maker, "Naam"), S("Eigen naam"));
    EXPECT_EQ(reg::LeesString(Maker, "Telefoon"), std::nullopt);
}

TEST_F(ProgrammagegevensTest, OptionSectionsAloneGetTheMakersValues) {
    Registreer("REGEDIT4\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\r\n"
               "\"UitvoerBestanden\"=\"/uit\"\r\n");
    ProgrammagegevensInstalleren();
    EXPECT_EQ(reg::LeesString(Maker, "Logo"), S(MakerLogo));
    EXPECT_EQ(reg::LeesString(Programma, "Versie"), S("4.00"));
    EXPECT_EQ(reg::LeesString("Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen", "UitvoerBestanden"),
              S("/uit"));
}

TEST_F(ProgrammagegevensTest, AnUnreadableRegistryIsNotWrittenOver) {
    const std::string onzin = "dit is geen registerbestand\r\n";
    Registreer(onzin);
    ProgrammagegevensInstalleren();
    EXPECT_EQ(LeesBestand(pad), onzin);
}

} // namespace
} // namespace gdk::test
