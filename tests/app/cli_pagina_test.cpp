// The page commands as a user runs them: the real gedenkjes-cli on a collection in a temporary
// folder, the page on standard output as its exact bytes.
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
using gdk::test::Invullingen;
using gdk::test::LeesBestand;
using gdk::test::MetCrLf;
using gdk::test::Quote;
using gdk::test::TijdelijkeMap;
using gdk::test::Verwacht;
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

    // The parts of the expected pages that differ from run to run.
    Invullingen Invulling() const { return {{"@PROGRAMMA@", programma}, {"@VANDAAG@", Vandaag()}}; }

    TijdelijkeMap map;
    std::string register_, programma, gdk;
    std::string uit, fout;
};

TEST_F(CliPagina, PersoonSchrijftDePagina) {
    ASSERT_EQ(Voer("persoon " + Quote(gdk) + " 1"), 0) << fout;
    EXPECT_EQ(uit, MetCrLf(Verwacht("app/verwacht/persoon.htm", Invulling())));
}

TEST_F(CliPagina, RelatieSchrijftDePagina) {
    ASSERT_EQ(Voer("relatie " + Quote(gdk) + " 1"), 0) << fout;
    EXPECT_EQ(uit, MetCrLf(Verwacht("app/verwacht/relatie.htm", Invulling())));
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
