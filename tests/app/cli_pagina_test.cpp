// The page commands as a user runs them: the real gedenkjes-cli on a collection in a temporary
// folder, the page on standard output as its exact bytes.
#include "pages/pagina_rij.h"
#include "support/cli.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

namespace {

using gdk::test::CliUitkomst;
using gdk::test::LeesBestand;
using gdk::test::MetCrLf;
using gdk::test::Quote;
using gdk::test::Rij;
using gdk::test::TijdelijkeMap;
using gdk::test::VoerCli;

// The footer shows the export time, which activation sets to now.
std::string Vandaag() {
    const std::time_t nu = std::time(nullptr);
    std::tm t{};
    localtime_r(&nu, &t);
    char tekst[40];
    std::snprintf(tekst, sizeof tekst, "%02d-%02d-%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return tekst;
}

class CliPagina : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string scans = map.tekst() + "/scans";
        register_ =
            map.Schrijf("register/HKEY_CURRENT_USER.reg",
                        "REGEDIT4\n\n"
                        "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\n"
                        "\"AfbeeldingBestanden\"=\"" +
                            scans +
                            "\"\n\n"
                            "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave]\n"
                            "\"adDatumAanpassen\"=dword:00000001\n");
        programma = map.tekst() + "/programma";
        map.Schrijf("programma/tool/btnAfbeelding.gif",
                    LeesBestand(std::string(GDK_SOURCE_DIR) + "/tool/btnAfbeelding.gif"));
        map.Schrijf("scans/s/smit.jpg", "jpeg");
        gdk =
            map.Schrijf("kaarten.gdk", "jan;;smit;man;bakker;1-2-1920;breda;3.4.1990;tilburg;;;;;Smit.jpg;j;"
                                       "Maria;de;Vries;V\r\n"
                                       "Piet;;;M;\r\n");
    }

    // Runs gedenkjes-cli; standard output lands in `uit`, standard error in `fout`.
    int Voer(const std::string& args) {
        CliUitkomst u = VoerCli(
            "--register " + Quote(register_) + " --programmamap " + Quote(programma) + " " + args, map.pad());
        uit = std::move(u.uit);
        fout = std::move(u.fout);
        return u.code;
    }

    TijdelijkeMap map;
    std::string register_, programma, gdk;
    std::string uit, fout;
};

TEST_F(CliPagina, PersoonSchrijftDePagina) {
    ASSERT_EQ(Voer("persoon " + Quote(gdk) + " 1"), 0) << fout;
    const std::string knop =
        "<A HREF=\"#1\"><IMG BORDER=\"0\" SRC=\"" + programma + "/TOOL/btnafbeelding.gif\"></A>";
    const std::string verwacht =
        "<HTML>\n"
        "   <HEAD>\n"
        "   </HEAD>\n"
        "   <BODY>\n"
        "      <TABLE BORDER=\"0\" WIDTH=\"100%\" CELLSPACING=\"0\" CELLPADDING=\"0\">\n"
        "         <TR>\n"
        "            <TD WIDTH=\"21%\" ALIGN=\"right\">\n"
        "               volgnummer :\n"
        "            </TD>\n"
        "            <TD WIDTH=\"1%\" ALIGN=\"center\"></TD>\n"
        "            <TD WIDTH=\"78%\" ALIGN=\"left\">\n"
        "               1\n"
        "            </TD>\n"
        "         </TR>\n" +
        Rij("voornamen :", "Jan") + Rij("Tussenvoegsel :", "") +
        Rij("achternaam :", "Smit\n               " + knop) + Rij("geslacht :", "man") +
        Rij("bijzonderheden :", "bakker") + Rij("geboortedatum :", "01-02-1920") + Rij("-plaats :", "Breda") +
        Rij("overlijdens datum :", "03-04-1990") + Rij("-plaats :", "Tilburg") + Rij("met foto :", "ja") +
        Rij("object file :", "Smit.jpg") + Rij("partner :", "Maria <A HREF=\"%2\"> de Vries</A>") +
        "      </TABLE>\n"
        "   <BR>\n"
        "   <H5 CLASS=\"copyright\" ALIGN=\"right\">\n"
        "   laatst bijgewerkt : " +
        Vandaag() +
        "<BR>\n"
        "   </H5>\n"
        "\n"
        "   </BODY>\n"
        "</HTML>\n";
    EXPECT_EQ(uit, MetCrLf(verwacht));
}

TEST_F(CliPagina, RelatieSchrijftDePagina) {
    ASSERT_EQ(Voer("relatie " + Quote(gdk) + " 1"), 0) << fout;
    const std::string verwacht =
        "<HTML>\n<HEAD>\n</HEAD>\n\n<BODY>\n\n"
        "   <B>\n"
        "   Jan <A HREF=\"1\"> Smit</A>\n"
        "   <A HREF=\"#1\"><IMG BORDER=\"0\" SRC=\"" +
        programma +
        "/TOOL/btnafbeelding.gif\"></A>\n"
        "   </B>\n\n"
        "   <OL STYLE=\"margin-top: 0;margin-bottom: 0\">\n"
        "   geboren op 01-02-1920 te Breda; aantekening: bakker; overleden op 03-04-1990 te "
        "Tilburg (met foto)\n"
        "   </OL>\n\n"
        "   <OL STYLE=\"margin-top: 0;margin-bottom: 0\">\n"
        "   relatie met\n"
        "   </OL>\n\n"
        "   <B>\n"
        "   Maria <A HREF=\"1\"> de Vries</A>\n"
        "   </B>\n\n"
        "   <BR>\n"
        "   <BR>\n"
        "   <H5 CLASS=\"copyright\" ALIGN=\"right\">\n"
        "   laatst bijgewerkt : " +
        Vandaag() +
        "<BR>\n"
        "   </H5>\n\n"
        "   </BODY>\n"
        "</HTML>\n";
    EXPECT_EQ(uit, MetCrLf(verwacht));
}

TEST_F(CliPagina, GeenPaginaGeeftEenMeldingEnStatusEen) {
    struct {
        const char* args;
        const char* melding;
    } const gevallen[] = {
        {"persoon", "melding: Geen pagina voor persoon 3.\n"}, // no surname
        {"persoon", "melding: Geen pagina voor persoon 0.\n"},
        {"persoon", "melding: Geen pagina voor persoon 4.\n"}, // past the store
        {"relatie", "melding: Geen pagina voor relatie 2.\n"},
        {"relatie", "melding: Geen pagina voor relatie -1.\n"},
    };
    const char* nummers[] = {"3", "0", "4", "2", "-1"};
    for (std::size_t i = 0; i < std::size(gevallen); ++i) {
        EXPECT_EQ(Voer(std::string(gevallen[i].args) + " " + Quote(gdk) + " " + nummers[i]), 1) << fout;
        EXPECT_EQ(uit, "");
        EXPECT_NE(fout.find(gevallen[i].melding), std::string::npos) << fout;
    }
}

TEST_F(CliPagina, VerkeerdGebruikGeeftStatusTwee) {
    EXPECT_EQ(Voer("persoon " + Quote(gdk) + " een"), 2);
    EXPECT_EQ(uit, "");
    EXPECT_EQ(fout, "gedenkjes-cli: Het nummer van de persoon moet een geheel getal zijn, niet 'een'.\n");
    EXPECT_EQ(Voer("relatie " + Quote(gdk) + " '1 '"), 2);
    EXPECT_EQ(fout, "gedenkjes-cli: Het nummer van de relatie moet een geheel getal zijn, niet '1 '.\n");
    EXPECT_EQ(Voer("relatie " + Quote(gdk)), 2);
    EXPECT_EQ(fout, "gedenkjes-cli: gebruik: gedenkjes-cli relatie BESTAND.gdk N\n");
    EXPECT_EQ(uit, "");
}

TEST_F(CliPagina, OntbrekendeCollectieGeeftStatusEen) {
    EXPECT_EQ(Voer("persoon weg.gdk 1"), 1);
    EXPECT_EQ(uit, "");
    EXPECT_NE(fout.find("rechts:   Gedenkjes inlezen fout gegaan\n"), std::string::npos) << fout;
    EXPECT_EQ(fout.find("melding:"), std::string::npos) << fout;
}

} // namespace
