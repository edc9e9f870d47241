#include "pages/trelatiepagina.h"

#include "pages/pagina_opslag.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"

namespace gdk::test {
namespace {

using RelatiePaginaTest = PaginaOpslag;

TEST_F(RelatiePaginaTest, VolledigePaginaAlsDeLezerDeOpslagVult) {
    recPersoon& jan = Persoon("jan", "", "smit", "M");
    jan.GeboorteDatum = "1-2-1920";
    jan.GeboortePlaats = "breda";
    jan.OverlijdensDatum = "3-4-1990";
    jan.MetFoto = "ja";
    Persoon("maria", "De", "vries", "");
    Gezin(1, 2);

    ASSERT_TRUE(RelatiePagina(1));
    EXPECT_EQ(PaginaHtml, MetCrLf(Verwacht("pages/verwacht/relatie_volledig.htm")));
}

TEST_F(RelatiePaginaTest, TweedeRelatieMetHuwelijkBronDatumEnKnop) {
    TijdelijkeMap map;
    map.Schrijf("tool/btnAfbeelding.gif", "GIF89a");
    map.Schrijf("scans/S/Smit.jpg", "jpeg");
    ProgrammaMap = map.tekst();
    AfbeeldingBestanden = map.tekst() + "/scans";

    recPersoon& jan = Persoon("Jan", "", "Smit", "M"); // 1
    jan.MetFoto = "nee";
    jan.AfbeeldingBestand = "Smit.jpg";
    Persoon("Anna", "", "Berg", "F"); // 2
    Persoon("Maria", "", "Wit", "F"); // 3
    Gezin(1, 2);                      // Jan's first relation
    recFamilie& tweede = Gezin(1, 3); // the page shown
    auto& x = tweede.ExtraWijzigen();
    x.Huwelijken[1].HuwelijkSoort = "Gehuwd";
    x.Huwelijken[1].HuwelijkDatum = "12-6-1950";
    x.Huwelijken[1].HuwelijkPlaats = "tilburg";
    x.Bron = "kaart";
    x.LaatstBijgewerkt = "1.2.2003";

    ASSERT_TRUE(RelatiePagina(2));
    EXPECT_EQ(PaginaHtml,
              MetCrLf(Verwacht("pages/verwacht/relatie_tweede.htm", {{"@PROGRAMMA@", map.tekst()}})));

    // Jan's first relation is numbered 1 as soon as he has a second one.
    Gezinnen.Wijzig(1).ExtraWijzigen().Huwelijken[4].HuwelijkDatum = "1920";
    ASSERT_TRUE(RelatiePagina(1));
    EXPECT_NE(PaginaHtml.find("\r\n   gehuwd (1) op 1920\r\n"), std::string::npos);
}

TEST_F(RelatiePaginaTest, ZonderAchternaamVanDeManGeenPagina) {
    Persoon("Jan", "", "  ", "M");
    Persoon("Anna", "", "Berg", "F").MetFoto = "ja";
    Gezin(1, 2);
    PaginaHtml = "oude pagina";
    EXPECT_FALSE(RelatiePagina(1));
    EXPECT_EQ(PaginaHtml, "");
    EXPECT_FALSE(RelatiePagina(0));
    EXPECT_FALSE(RelatiePagina(2));
    EXPECT_EQ(PaginaHtml, "");
}

TEST_F(RelatiePaginaTest, VrouwZonderAchternaamEnRelatieBuitenDeSlots) {
    Persoon("Jan", "", "Smit", "M");
    Persoon("Maria", "", "");
    Gezin(1, 2);
    Personen.Wijzig(1).Gezinnen[1] = 0; // the family is in none of Jan's slots
    ASSERT_TRUE(RelatiePagina(1));
    EXPECT_NE(PaginaHtml.find(MetCrLf("<BODY>\n\n"
                                      "   <B>\n"
                                      "   Jan Smit\n"
                                      "   </B>\n\n"
                                      "   <OL STYLE=\"margin-top: 0;margin-bottom: 0\">\n"
                                      "   gehuwd met\n"
                                      "   </OL>\n\n"
                                      "   <B>\n"
                                      "   Maria <A HREF=\"1\"> onbekend</A>\n"
                                      "   </B>\n\n"
                                      "   <BR>\n")),
              std::string::npos);
}

TEST_F(RelatiePaginaTest, PersoonRegel) {
    recPersoon& p = Persoon(" jan  pieter ", " Van der ", " berg ");
    struct {
        const char* naam;
        bool afblijven, hoofdletters, link;
        const char* verwacht;
    } const gevallen[] = {
        {"woorden met link", false, false, true, "Jan  Pieter <A HREF=\"7\"> van der Berg</A>"},
        {"hoofdletters zonder link", false, true, false, "JAN  PIETER VAN DER BERG"},
        {"zoals opgeslagen, getrimd", true, true, true, "jan  pieter <A HREF=\"7\"> Van der berg</A>"},
    };
    for (const auto& g : gevallen) {
        glAfblijven = g.afblijven;
        glVoornamen = glTussenvoegsel = glAchternaam = g.hoofdletters;
        EXPECT_EQ(RelatiePersoonRegel(1, 7, g.link), g.verwacht) << g.naam;
    }
    glAfblijven = glVoornamen = glTussenvoegsel = glAchternaam = false;
    p.Voornamen.clear();
    p.Achternaam = "\t";
    EXPECT_EQ(RelatiePersoonRegel(1, 3, true), " <A HREF=\"3\"> van der onbekend</A>");
    // No person at all (a family without second partner): the word for unknown, no link.
    EXPECT_EQ(RelatiePersoonRegel(0, 0, false), " onbekend");
}

TEST_F(RelatiePaginaTest, Kop) {
    EXPECT_EQ(RelatieKop(), "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n\r\n<BODY>\r\n\r\n");
}

} // namespace
} // namespace gdk::test
