#include "pages/tpersoonpagina.h"

#include "opstart/activering.h"
#include "pages/pagina_opslag.h"
#include "pages/pagina_rij.h"
#include "platform/klok.h"
#include "platform/register.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"

#include <cstdlib>

namespace gdk::test {
namespace {

class PersoonPaginaTest : public PaginaOpslag {
  protected:
    void SetUp() override {
        PaginaOpslag::SetUp();
        programma = map.tekst() + "/programma";
        scans = map.tekst() + "/scans";
        // Names on disk differ in case from the names the program asks for, as on the
        // Windows disks the collections come from.
        map.Schrijf("programma/tool/btnafbeelding.GIF", "GIF89a");
        map.Schrijf("scans/b/berg.JPG", "jpeg");
    }

    TijdelijkeMap map;
    std::string programma, scans;
};

TEST_F(PersoonPaginaTest, VolledigePaginaVanEenOverledeneMetKaartEnPartner) {
    AfbeeldingBestanden = scans;
    ProgrammaMap = programma;
    glAchternaam = true;
    recPersoon& p = Persoon("johannes petrus", "Van der", "berg", "M");
    p.Aantekening = "bakker\r\nte Breda";
    p.GeboorteDatum = "05-03-1920";
    p.GeboortePlaats = "breda";
    p.OverlijdensDatum = "12-01-1990";
    p.OverlijdensPlaats = "tilburg";
    p.BegraafPlaats = "goirle";
    p.MetFoto = "ja";
    p.AfbeeldingBestand = "Berg.jpg";
    Persoon("Anna", "", "Smit", "F");
    Gezin(1, 2);

    ASSERT_TRUE(PersoonPagina(1));
    EXPECT_EQ(PaginaHtml,
              MetCrLf(Verwacht("pages/verwacht/persoon_volledig.htm", {{"@PROGRAMMA@", programma}})));
}

TEST_F(PersoonPaginaTest, PartnerZonderGegevensAlsDeLezerHemVult) {
    Persoon("Jan", "", "Berg", "M");
    Persoon("anna maria", "de", "smit", "U");
    Gezin(1, 2);
    ASSERT_TRUE(PersoonPagina(2));
    EXPECT_EQ(PaginaHtml, MetCrLf(Verwacht("pages/verwacht/persoon_partner_zonder_gegevens.htm")));
}

TEST_F(PersoonPaginaTest, GeenAchternaamGeenPagina) {
    Persoon("Jan", "", "Berg");
    Persoon("Piet", "van", " \t ");
    ASSERT_TRUE(PersoonPagina(1));
    EXPECT_FALSE(PersoonPagina(2));
    EXPECT_EQ(PaginaHtml, "");
    EXPECT_FALSE(PersoonPagina(0));
    EXPECT_FALSE(PersoonPagina(3));
    EXPECT_EQ(PaginaHtml, "");
}

TEST_F(PersoonPaginaTest, NamenEnPlaatsenVolgenDeWeergaveInstellingen) {
    recPersoon& p = Persoon(" jan", " Van Der ", "berg-de wit");
    p.GeboortePlaats = " 's-hertogenbosch";
    p.CrematieDatum = "3-4-1999";
    p.MetFoto = "JA ";
    const auto rijen = [] {
        EXPECT_TRUE(PersoonPagina(1));
        return PaginaHtml;
    };
    glAfblijven = true;
    glVoornamen = glTussenvoegsel = glAchternaam = glPlaatsnamen = true;
    const std::string zoals = rijen();
    glAfblijven = false;
    const std::string hoofdletters = rijen();
    glVoornamen = glTussenvoegsel = glAchternaam = glPlaatsnamen = false;
    const std::string woorden = rijen();

    for (const std::string& rij : {Rij("voornamen :", " jan"), Rij("Tussenvoegsel :", " Van Der "),
                                   Rij("achternaam :", "berg-de wit"), Rij("-plaats :", " 's-hertogenbosch")})
        EXPECT_NE(zoals.find(MetCrLf(rij)), std::string::npos) << rij;
    for (const std::string& rij : {Rij("voornamen :", " JAN"), Rij("Tussenvoegsel :", " VAN DER "),
                                   Rij("achternaam :", "BERG-DE WIT"), Rij("-plaats :", " 'S-HERTOGENBOSCH")})
        EXPECT_NE(hoofdletters.find(MetCrLf(rij)), std::string::npos) << rij;
    for (const std::string& rij : {Rij("voornamen :", " Jan"), Rij("Tussenvoegsel :", " van der "),
                                   Rij("achternaam :", "Berg-De Wit"), Rij("-plaats :", " 's-Hertogenbosch")})
        EXPECT_NE(woorden.find(MetCrLf(rij)), std::string::npos) << rij;

    // The cremation rows come with a date alone; there are no burial rows; the photo value is
    // shown as stored.
    EXPECT_NE(woorden.find(MetCrLf(Rij("crematie datum :", "3-4-1999") + Rij("-plaats :", "") +
                                   Rij("met foto :", "JA "))),
              std::string::npos);
    EXPECT_EQ(woorden.find("begrafenis"), std::string::npos);
}

TEST_F(PersoonPaginaTest, OudersEnPartnersAlsLinks) {
    Persoon("Jan", "van der", "Berg", "M"); // 1
    Persoon("Anna", "", "Smit", "F");       // 2
    Persoon("Maria", " de ", "Vries", "F"); // 3
    Persoon("Piet", "", "Berg", "M");       // 4: father of 1
    Gezin(1, 2);
    Gezin(1, 3);
    Gezin(4, 0); // the mother is not in the collection
    Personen.Wijzig(1).ExtraWijzigen().OudersGezin = 3;

    EXPECT_EQ(PartnersTekst(1), "Anna <A HREF=\"%2\">Smit</A><BR> Maria <A HREF=\"%3\">  de  Vries</A>");
    EXPECT_EQ(PartnersTekst(2), "Jan <A HREF=\"%1\"> van der Berg</A>");
    // No link to a person 0: the page shows the word for unknown instead.
    EXPECT_EQ(OudersTekst(1), "Piet <A HREF=\"%4\">Berg</A><BR>onbekend");
    EXPECT_EQ(OudersTekst(2), "onbekend<BR>onbekend");
    Gezinnen.Wijzig(1).Vrouw = 0;
    EXPECT_EQ(PartnersTekst(1), "onbekend<BR> Maria <A HREF=\"%3\">  de  Vries</A>");

    ASSERT_TRUE(PersoonPagina(1));
    EXPECT_NE(PaginaHtml.find(MetCrLf(Rij("met foto :", "nee") +
                                      Rij("ouders :", "Piet <A HREF=\"%4\">Berg</A><BR>onbekend") +
                                      Rij("partner :", "onbekend<BR> Maria <A HREF=\"%3\">  de  Vries</A>") +
                                      "      </TABLE>\n")),
              std::string::npos);
}

TEST_F(PersoonPaginaTest, AfbeeldingKnopAlleenMetKaartEnKnopAfbeelding) {
    map.Schrijf("los/Kaart.jpg", "jpeg");
    map.Schrijf("scans/Kaart.jpg", "jpeg");
    const std::string knop =
        "<A HREF=\"#1\"><IMG BORDER=\"0\" SRC=\"" + programma + "/TOOL/btnafbeelding.gif\"></A>";
    struct {
        const char* naam;
        std::string afbeeldingen, bestand, programmaMap, verwacht;
    } const gevallen[] = {
        {"kaart in de submap van de eerste letter", scans, "Berg.jpg", programma, knop},
        {"blanco afbeeldingenmap: niet gezocht", " ", map.tekst() + "/los/kaart.JPG", programma, ""},
        {"pad naar buiten de afbeeldingenmap", scans, "../los/Kaart.jpg", programma, ""},
        {"kaart ontbreekt", scans, "Smit.jpg", programma, ""},
        {"knopafbeelding ontbreekt", scans, "Berg.jpg", map.tekst(), ""},
        {"geen afbeeldingsbestand", scans, "  ", programma, ""},
        {"kaart niet in de submap", scans, "Kaart.jpg", programma, ""},
    };
    Persoon("Jan", "", "Berg");
    for (const auto& g : gevallen) {
        AfbeeldingBestanden = g.afbeeldingen;
        ProgrammaMap = g.programmaMap;
        Personen.Wijzig(1).AfbeeldingBestand = g.bestand;
        EXPECT_EQ(AfbeeldingKnop(1), g.verwacht) << g.naam;
    }
}

TEST_F(PersoonPaginaTest, ZonderKnopafbeeldingWelDeObjectFileRij) {
    AfbeeldingBestanden = scans;
    ProgrammaMap = map.tekst();
    Persoon("Jan", "", "Berg").AfbeeldingBestand = "Berg.jpg";
    ASSERT_TRUE(PersoonPagina(1));
    EXPECT_NE(PaginaHtml.find(MetCrLf(Rij("achternaam :", "Berg") + Rij("geslacht :", "onbekend"))),
              std::string::npos);
    EXPECT_NE(PaginaHtml.find(MetCrLf(Rij("object file :", "Berg.jpg"))), std::string::npos);
}

TEST_F(PersoonPaginaTest, DeMeegeleverdeKnopafbeeldingTelt) {
    // The button picture of the source tree's tool folder, found as TOOL/btnAfbeelding.gif.
    AfbeeldingBestanden = scans;
    ProgrammaMap = GDK_SOURCE_DIR;
    Persoon("Jan", "", "Berg").AfbeeldingBestand = "Berg.jpg";
    EXPECT_EQ(AfbeeldingKnop(1), std::string("<A HREF=\"#1\"><IMG BORDER=\"0\" SRC=\"") + GDK_SOURCE_DIR +
                                     "/TOOL/btnafbeelding.gif\"></A>");
    const std::string gif = LeesBestand(std::string(GDK_SOURCE_DIR) + "/tool/btnAfbeelding.gif");
    ASSERT_GE(gif.size(), 10u);
    EXPECT_EQ(gif.substr(0, 6), "GIF89a");
    EXPECT_EQ(gif.substr(6, 4), std::string("\x18\0\x18\0", 4)); // 24 x 24
}

TEST_F(PersoonPaginaTest, PaginaVoet) {
    std::string voet;
    EXPECT_TRUE(PaginaVoet("  ", "kaart van tante Mien", "5.3.2001", voet));
    EXPECT_EQ(voet, MetCrLf("  <BR>\n"
                            "  <H5 CLASS=\"copyright\" ALIGN=\"right\">\n"
                            "  bron : kaart van tante Mien<BR>\n"
                            "  laatst bijgewerkt : 05-03-2001<BR>\n"
                            "  </H5>\n"));

    EXPECT_FALSE(PaginaVoet("   ", "kaart", "maart 2001", voet));
    EXPECT_EQ(voet, MetCrLf("   <BR>\n"
                            "   <H5 CLASS=\"copyright\" ALIGN=\"right\">\n"
                            "   bron : kaart<BR>\n"));

    EXPECT_FALSE(PaginaVoet("", " ", "31-2-2001", voet));
    EXPECT_EQ(voet, MetCrLf("<BR>\n<H5 CLASS=\"copyright\" ALIGN=\"right\">\n"));

    UitvoerTijd = DatumTijd{2027, 1, 2, 0, 0, 1};
    EXPECT_TRUE(PaginaVoet("   ", "", " ", voet));
    EXPECT_EQ(voet, MetCrLf("   <BR>\n"
                            "   <H5 CLASS=\"copyright\" ALIGN=\"right\">\n"
                            "   laatst bijgewerkt : 02-01-2027<BR>\n"
                            "   </H5>\n"));
}

TEST_F(PersoonPaginaTest, DeVoetToontDeUitvoertijd) {
    Persoon("Jan", "", "Berg");
    UitvoerTijd = DatumTijd{1999, 7, 4, 23, 59, 59};
    ASSERT_TRUE(PersoonPagina(1));
    EXPECT_NE(
        PaginaHtml.find("   laatst bijgewerkt : 04-07-1999<BR>\r\n   </H5>\r\n\r\n   </BODY>\r\n</HTML>\r\n"),
        std::string::npos);
}

TEST_F(PersoonPaginaTest, NaActiveringDeUitvoertijdEnDeProgrammamapUitDeOmgeving) {
    // Activation takes the program folder from the environment and sets the export time to now.
    reg::ZetRegisterBestand(map.tekst() + "/register/HKEY_CURRENT_USER.reg");
    setenv("GEDENKJES_PROGRAMMAMAP", programma.c_str(), 1);
    ZetVasteTijd(DatumTijd{2031, 5, 6, 7, 8, 9});
    Activering();
    ZetVasteTijd(std::nullopt);
    unsetenv("GEDENKJES_PROGRAMMAMAP");
    reg::ZetRegisterBestand("");
    AfbeeldingBestanden = scans; // a settings global, set directly after the activation

    Persoon("Jan", "", "Berg").AfbeeldingBestand = "Berg.jpg";
    ASSERT_TRUE(PersoonPagina(1));
    EXPECT_NE(PaginaHtml.find(
                  MetCrLf(Rij("achternaam :", "Berg\n               <A HREF=\"#1\"><IMG BORDER=\"0\" SRC=\"" +
                                                  programma + "/TOOL/btnafbeelding.gif\"></A>"))),
              std::string::npos)
        << PaginaHtml;
    EXPECT_NE(PaginaHtml.find("   laatst bijgewerkt : 06-05-2031<BR>\r\n"), std::string::npos);
}

TEST_F(PersoonPaginaTest, KopEnEinde) {
    EXPECT_EQ(PersoonKop(), "<HTML>\r\n   <HEAD>\r\n   </HEAD>\r\n   <BODY>\r\n");
    EXPECT_EQ(PaginaEinde(), "</BODY>\r\n</HTML>\r\n");
}

} // namespace
} // namespace gdk::test
