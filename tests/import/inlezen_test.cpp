#include "import/inlezen.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "import/controles.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "settings/instellingen.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace gdk {
namespace {

class Inlezen : public ::testing::Test {
  protected:
    void SetUp() override {
        StandaardUitvoerTekst();
        ControleOpGeslacht = true;
        ControleOpDatum = ControleOpBestandsnaam = false;
        ControleOpBestandsnaamAfbeelding = ControleOpBestandsnaamFoto = false;
        AlleenBestandsnaamAfbeeldingInlezen = BestandsnaamToevoegen = false;
        adDatumAanpassen = 1;
    }
    test::TijdelijkeMap map;
    OpnameGebruiker ui;
};

TEST_F(Inlezen, SetsTheCollectionGlobals) {
    const std::string pad = map.Schrijf("verz/kaarten.oud.gdk", "Jan;;Dijk;M;\r\n");
    ASSERT_TRUE(InlezenCommando(pad));
    EXPECT_EQ(CollectiePad, pad);
    EXPECT_EQ(CollectieMap, map.tekst() + "/verz");
    EXPECT_EQ(CollectieBestandsnaam, "kaarten.oud.gdk");
    EXPECT_EQ(CollectieNaam, "kaarten.oud");
    EXPECT_EQ(VerschillenBestand, map.tekst() + "/verz/kaarten.oud_Verschillen.txt");
    EXPECT_EQ(AantalPersonen, 1);
}

TEST_F(Inlezen, TheOldReportGoesAndComesBackOnlyWithNewFindings) {
    const std::string rapport = map.Schrijf("kaarten_Verschillen.txt", "geslacht ontbreekt bij:Oud;;\r\n");
    const std::string pad = map.Schrijf("kaarten.gdk", "Jan;;Dijk;M;\r\n");
    ASSERT_TRUE(InlezenCommando(pad));
    EXPECT_FALSE(std::filesystem::exists(rapport));

    map.Schrijf("kaarten.gdk", "Jan;;Dijk;;\r\n");
    ASSERT_TRUE(InlezenCommando(pad));
    EXPECT_EQ(test::LeesBestand(rapport),
              "geslacht ontbreekt bij:Jan;;Dijk\r\naantal verschillen = 00001\r\n");
}

TEST_F(Inlezen, AMissingFileStillLosesTheOldReport) {
    const std::string rapport = map.Schrijf("weg_Verschillen.txt", "oud\r\n");
    EXPECT_FALSE(InlezenCommando(map.tekst() + "/weg.gdk"));
    EXPECT_FALSE(std::filesystem::exists(rapport));
    EXPECT_EQ(AantalPersonen, 0);
    EXPECT_EQ(ui.rechts.back(), "  Gedenkjes inlezen fout gegaan");
}

TEST_F(Inlezen, ProgressOfALargeFileInAFewHundredSteps) {
    std::string inhoud;
    for (int i = 0; i < 20000; ++i)
        inhoud += "Jan;;Dijk;M;;1-1-1920;Utrecht;\r\n";
    ASSERT_TRUE(InlezenCommando(map.Schrijf("groot.gdk", inhoud)));
    ASSERT_GE(ui.voortgang.size(), 100u);
    EXPECT_LE(ui.voortgang.size(), 302u);
    EXPECT_EQ(ui.voortgang.back(), (std::pair<long, long>(static_cast<long>(inhoud.size()), 0)));
    for (std::size_t i = 0; i + 1 < ui.voortgang.size(); ++i) {
        EXPECT_EQ(ui.voortgang[i].second, static_cast<long>(inhoud.size()));
        if (i > 0) {
            EXPECT_GT(ui.voortgang[i].first, ui.voortgang[i - 1].first);
        }
    }
}

} // namespace
} // namespace gdk
