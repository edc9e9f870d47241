#include "opstart/activering.h"

#include "data/globalen.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "platform/klok.h"
#include "platform/register.h"
#include "settings/instellingen.h"
#include "support/tijdelijke_map.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace gdk {
namespace {

using test::TijdelijkeMap;

// Records the status-bar calls in the order they come.
class VolgordeGebruiker : public OpnameGebruiker {
  public:
    void StatusbalkIndelen() override { volgorde.push_back("indelen"); }
    void ToonLinks(const std::string& t) override {
        OpnameGebruiker::ToonLinks(t);
        volgorde.push_back("links:" + t);
    }
    void ToonRechts(const std::string& t) override {
        OpnameGebruiker::ToonRechts(t);
        volgorde.push_back("rechts:" + t);
    }
    std::vector<std::string> volgorde;
};

class Activatie : public testing::Test {
  protected:
    void SetUp() override {
        reg::ZetRegisterBestand(map.tekst() + "/HKEY_CURRENT_USER.reg");
        setenv("GEDENKJES_PROGRAMMAMAP", (map.tekst() + "//").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("GEDENKJES_PROGRAMMAMAP");
        reg::ZetRegisterBestand("");
        ZetVasteTijd(std::nullopt);
    }
    TijdelijkeMap map;
};

TEST_F(Activatie, StatusBarFirstShowsBlanksAloneThenTheDefaults) {
    for (auto& t : UitvoerTekst)
        t.clear(); // as before the first activation
    VolgordeGebruiker ui;
    Activering();
    EXPECT_EQ(ui.volgorde, (std::vector<std::string>{"indelen", "links:  ", "rechts:  "}));
    ui.volgorde.clear();
    Activering();
    EXPECT_EQ(ui.volgorde, (std::vector<std::string>{"indelen", "links:  berichten", "rechts:  gezinsblad"}));
}

TEST_F(Activatie, ProgramFolderFromTheEnvironmentWithoutClosingSeparator) {
    Activering();
    EXPECT_EQ(ProgrammaMap, map.tekst());
}

TEST_F(Activatie, ProgramFolderIsTheFolderOfTheExecutable) {
    unsetenv("GEDENKJES_PROGRAMMAMAP");
    Activering();
    EXPECT_EQ(ProgrammaMap, std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

TEST_F(Activatie, ChangedOverrideFilesAndRegistryTakeEffectAtTheNextActivation) {
    Activering();
    EXPECT_EQ(AantalTussenvoegsels, 85);
    EXPECT_EQ(alLettertype, ""); // the preset "Verdana" gives way to the type default
    EXPECT_EQ(adDatumAanpassen, -1);
    EXPECT_FALSE(glAfblijven);
    EXPECT_EQ(NiveauAfbeeldingBestanden, -1);

    map.Schrijf("Tussenvoegsel.txt", "ter\nvan\n");
    map.Schrijf("HKEY_CURRENT_USER.reg",
                "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave]\n"
                "\"alLettertype\"=\"Arial\"\n"
                "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesExtra]\n"
                "\"inCols\"=\"100\"\n");
    Activering();
    EXPECT_EQ(AantalTussenvoegsels, 2);
    EXPECT_EQ(Tussenvoegsels[1], "ter ");
    EXPECT_EQ(alLettertype, "Arial");
    EXPECT_EQ(inCols, "100");
    EXPECT_EQ(UitvoerTekst[ut::Onbekend], "onbekend");
}

TEST_F(Activatie, ExportTimeIsNow) {
    ZetVasteTijd(DatumTijd{2026, 12, 8, 14, 5, 9});
    Activering();
    EXPECT_EQ(UitvoerTijd.jaar, 2026);
    EXPECT_EQ(UitvoerTijd.dag, 8);
    EXPECT_EQ(UitvoerTijd.seconde, 9);
}

} // namespace
} // namespace gdk
