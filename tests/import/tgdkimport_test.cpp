#include "import/tgdkimport.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "platform/klok.h"
#include "settings/instellingen.h"
#include "support/fouten.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace gdk {
namespace {

// One card line: the first 18 fields each closed by ';', field 19 as it is.
std::string Kaart(std::vector<std::string> velden) {
    velden.resize(19);
    std::string regel;
    for (int i = 0; i < 18; ++i)
        regel += velden[static_cast<std::size_t>(i)] + ";";
    return regel + velden[18];
}

// A card with names, sex, and a partner.
std::string MetPartner(const std::string& geslacht, const std::string& partnerGeslacht) {
    return Kaart({"Jan", "van", "Dijk", geslacht, "", "", "", "", "", "", "", "", "", "", "", "Truus", "",
                  "Smit", partnerGeslacht});
}

class Lezer : public ::testing::Test {
  protected:
    void SetUp() override {
        StandaardUitvoerTekst();
        ControleOpGeslacht = ControleOpDatum = ControleOpBestandsnaam = false;
        ControleOpBestandsnaamAfbeelding = ControleOpBestandsnaamFoto = false;
        AlleenBestandsnaamAfbeeldingInlezen = BestandsnaamToevoegen = false;
        CodeGedenkjeVoorkant = CodeFotoosVoorkant = AfbeeldingBestanden = "";
        NiveauAfbeeldingBestanden = 0;
        adDatumAanpassen = 1;
        ZetVasteTijd(DatumTijd{2026, 12, 8, 14, 3, 22});
    }
    void TearDown() override { ZetVasteTijd(std::nullopt); }

    bool Lees(const std::string& inhoud) {
        CollectiePad = map.Schrijf("kaarten.gdk", inhoud);
        VerschillenBestand = map.tekst() + "/kaarten_Verschillen.txt";
        return LeesGedenkjes();
    }

    test::TijdelijkeMap map;
    OpnameGebruiker ui;
};

// ---- Per-line steps ----

TEST(Veld, TakesTrimmedTextUpToTheSemicolonAndLeavesTheTrimmedRest) {
    struct Geval {
        std::string regel, veld, rest;
    } gevallen[] = {
        {"Jan;van;Dijk", "Jan", "van;Dijk"},
        {"  Jan  ;  van ;", "Jan", "van ;"},
        {";rest", "", "rest"},
        {"\t\x01Jan\x1F;x", "Jan", "x"},
        {"geen puntkomma", "", "geen puntkomma"}, // an unclosed field reads as empty
        {"", "", ""},
    };
    for (const auto& g : gevallen) {
        std::string_view rest = g.regel;
        EXPECT_EQ(VeldNemen(rest), g.veld) << g.regel;
        EXPECT_EQ(rest, g.rest) << g.regel;
    }
}

TEST(Geslacht, FieldValuesAndTheirNormalForm) {
    const std::pair<const char*, const char*> gevallen[] = {
        {"M", "M"}, {"m", "M"},     {"Man", "M"},   {"MAN", "M"},       {"F", "F"},
        {"v", "F"}, {"vrouw", "F"}, {"Vrouw", "F"}, {"mannelijk", "U"}, {"onbekend", "U"},
        {"X", "U"}, {"", "U"},      {"M ", "U"},
    };
    for (const auto& [veld, uit] : gevallen)
        EXPECT_EQ(GeslachtNormaliseren(veld), uit) << veld;
}

TEST(MetFoto, YesWordsGiveJaEverythingElseNee) {
    const std::pair<const char*, const char*> gevallen[] = {
        {"yes", "ja"}, {"Ja", "ja"},   {"x", "ja"},   {"j", "ja"}, {"Y", "ja"},
        {"JA", "ja"},  {"nee", "nee"}, {"no", "nee"}, {"", "nee"}, {"jawel", "nee"},
    };
    for (const auto& [veld, uit] : gevallen)
        EXPECT_EQ(MetFotoNormaliseren(veld), uit) << veld;
}

TEST(DatumCodeTest, FullDatesYearsAndTheRest) {
    const std::pair<const char*, const char*> gevallen[] = {
        {"05-03-1920", "19200305"}, {"1920", "19200000"},     {"ca 1920", "19200000"},
        {"1920?", "00000000"},      {"", "00000000"},         {"12 MAR 1920", "19200000"},
        {"ABT 1888", "18880000"},   {"5-3-1920", "19200000"}, {"31-12-99", "00000000"},
    };
    for (const auto& [datum, code] : gevallen)
        EXPECT_EQ(DatumCode(datum), code) << datum;
}

TEST(Codes, NameDeathAndFuneralCodesOfACard) {
    recPersoon p;
    p.Voornamen = "Johannes Petrus";
    p.Tussenvoegsel = "van der";
    p.Achternaam = "Berg";
    p.GeboorteDatum = "05-03-1920";
    p.OverlijdensDatum = "12-11-1987";
    EXPECT_EQ(Naamcode(p), "BergJPVanDer19200305");
    EXPECT_EQ(Overlijdenscode(p), "_19871112");
    EXPECT_EQ(Uitvaartcode(p), "_00000000");
    p.CrematieDatum = "20-11-1987";
    EXPECT_EQ(Uitvaartcode(p), "_19871120");
    p.BegraafDatum = "17-11-1987"; // a burial wins over a cremation
    EXPECT_EQ(Uitvaartcode(p), "_19871117");
    p.BegraafDatum = "   ";
    EXPECT_EQ(Uitvaartcode(p), "_19871120");
}

// ---- Whole files ----

TEST_F(Lezer, EmptyFileReadsAsNoPersons) {
    EXPECT_TRUE(Lees(""));
    EXPECT_EQ(AantalPersonen, 0);
    EXPECT_EQ(AantalGezinnen, 0);
    ASSERT_FALSE(ui.links.empty());
    EXPECT_EQ(ui.links.back(), "  aantal personen : 0; aantal gezinnen : 0; ingelezen.");
}

TEST_F(Lezer, StatusPanelsAndBusyCursorOfARead) {
    ASSERT_TRUE(Lees(MetPartner("M", "V") + "\r\n"));
    EXPECT_EQ(ui.links, (std::vector<std::string>{"  berichten", "  GDK bestand inlezen...",
                                                  "  aantal personen : 2; aantal gezinnen : 1; ingelezen."}));
    EXPECT_EQ(ui.rechts,
              (std::vector<std::string>{"  gezinsblad", "  gestart om 14:03:22", "  00:00:00:00"}));
    EXPECT_EQ(ui.bezig, (std::vector<bool>{true, false}));
    EXPECT_TRUE(ui.meldingen.empty());
}

TEST_F(Lezer, MissingFileFailsAndLeavesAnEmptyStore) {
    ASSERT_TRUE(Lees(MetPartner("M", "V")));
    ASSERT_EQ(AantalPersonen, 2);
    CollectiePad = map.tekst() + "/bestaat-niet.gdk";
    EXPECT_FALSE(LeesGedenkjes());
    EXPECT_EQ(AantalPersonen, 0);
    EXPECT_EQ(AantalGezinnen, 0);
    EXPECT_EQ(Personen[1].Nummer, 0);
    EXPECT_EQ(ui.rechts.back(), "  Gedenkjes inlezen fout gegaan");
}

TEST_F(Lezer, AllFieldsOfACardLandInTheirPlaces) {
    ASSERT_TRUE(Lees(Kaart({" Johannes Petrus ", "van der", "Berg", "m", "oud-strijder", "5-3-1920",
                            "Utrecht", "12.11.1987", "Zeist", "17-11-1987", "Zuylen", "", "", "BergJP.jpg",
                            "x", "Maria", "", "Jansen", "vrouw"})));
    const recPersoon& p = Personen[1];
    EXPECT_EQ(p.Nummer, 1);
    EXPECT_EQ(p.Voornamen, "Johannes Petrus");
    EXPECT_EQ(p.Tussenvoegsel, "van der");
    EXPECT_EQ(p.Achternaam, "Berg");
    EXPECT_EQ(p.Geslacht, "M");
    EXPECT_EQ(p.Aantekening, "oud-strijder");
    EXPECT_EQ(p.GeboorteDatum, "05-03-1920");
    EXPECT_EQ(p.GeboortePlaats, "Utrecht");
    EXPECT_EQ(p.OverlijdensDatum, "12-11-1987");
    EXPECT_EQ(p.OverlijdensPlaats, "Zeist");
    EXPECT_EQ(p.BegraafDatum, "17-11-1987");
    EXPECT_EQ(p.BegraafPlaats, "Zuylen");
    EXPECT_EQ(p.CrematieDatum, "");
    EXPECT_EQ(p.AfbeeldingBestand, "BergJP.jpg");
    EXPECT_EQ(p.AfbeeldingExtensie, "jpg");
    EXPECT_EQ(p.MetFoto, "ja");
    const recPersoon& q = Personen[2];
    EXPECT_EQ(q.Nummer, 2);
    EXPECT_EQ(q.Voornamen, "Maria");
    EXPECT_EQ(q.Achternaam, "Jansen");
    EXPECT_EQ(q.Geslacht, ""); // stored only with the sex check on
    EXPECT_EQ(q.MetFoto, "");
    EXPECT_EQ(q.GeboorteDatum, "");
}

TEST_F(Lezer, DatesAreStoredAsTheDateSettingSays) {
    const std::string kaart =
        Kaart({"A", "", "B", "M", "", "5.3.1920", "", "ABT 1920", "", "1-2-1900", "", "12 March 1920"});
    struct Geval {
        int instelling;
        const char *geboorte, *overlijden, *begraaf, *crematie;
    } gevallen[] = {
        {0, "5.3.1920", "ABT 1920", "1-2-1900", "12 March 1920"},
        {1, "05-03-1920", "ABT 1920", "01-02-1900", "12 March 1920"},
        {2, "5-3-1920", "ABT 1920", "1-2-1900", "12 March 1920"},
    };
    for (const auto& g : gevallen) {
        adDatumAanpassen = g.instelling;
        ASSERT_TRUE(Lees(kaart));
        EXPECT_EQ(Personen[1].GeboorteDatum, g.geboorte) << g.instelling;
        EXPECT_EQ(Personen[1].OverlijdensDatum, g.overlijden) << g.instelling;
        EXPECT_EQ(Personen[1].BegraafDatum, g.begraaf) << g.instelling;
        EXPECT_EQ(Personen[1].CrematieDatum, g.crematie) << g.instelling;
    }
}

// A date written year first is read as that date only in its own form (four, two, two digits, a
// date the calendar has); the name code follows the stored date as for any date.
TEST_F(Lezer, YearFirstDatesInEveryDateSetting) {
    BestandsnaamToevoegen = true;
    struct Geval {
        const char* geboren;
        int instelling;
        const char *opgeslagen, *afbeelding;
    } const gevallen[] = {
        {"1889-08-11", 1, "11-08-1889", "BergJ18890811.jpg"},
        {"1889-08-11", 2, "11-8-1889", "BergJ18890000.jpg"},
        {"1889-08-11", 0, "1889-08-11", "BergJ8-119-18.jpg"},
        {"1889-08-11", -1, "1889-08-11", "BergJ8-119-18.jpg"},
        {"1889-08-11", 3, "1889-08-11", "BergJ8-119-18.jpg"},
        // Not year first in that form, or no calendar date: read as before, day first.
        {"1889-8-11", 1, "89-08-0011", "BergJ00110889.jpg"},
        {"1889-8-11", 2, "1889-8-11", "BergJ00000000.jpg"},
        {"1889-8-11", 0, "1889-8-11", "BergJ00000000.jpg"},
        {"1889-02-30", 1, "89-02-0030", "BergJ00300289.jpg"},
        {"1889-02-30", 2, "1889-2-30", "BergJ00000000.jpg"},
        {"1889-02-30", 0, "1889-02-30", "BergJ2-309-18.jpg"},
        {"11-08-1889", 1, "11-08-1889", "BergJ18890811.jpg"},
        {"11-08-1889", 2, "11-8-1889", "BergJ18890000.jpg"},
        {"11-08-1889", 0, "11-08-1889", "BergJ18890811.jpg"},
    };
    for (const auto& g : gevallen) {
        adDatumAanpassen = g.instelling;
        ASSERT_TRUE(Lees(Kaart({"Jan", "", "Berg", "M", "", g.geboren, "", g.geboren})));
        EXPECT_EQ(Personen[1].GeboorteDatum, g.opgeslagen) << g.geboren << " " << g.instelling;
        EXPECT_EQ(Personen[1].OverlijdensDatum, g.opgeslagen) << g.geboren << " " << g.instelling;
        EXPECT_EQ(Personen[1].AfbeeldingBestand, g.afbeelding) << g.geboren << " " << g.instelling;
    }
}

TEST_F(Lezer, EmptyLineInTheMiddleIsAPersonWithoutData) {
    ASSERT_TRUE(Lees("Jan;;Dijk;M;\r\n\r\nPiet;;Smit;M;\r\n"));
    ASSERT_EQ(AantalPersonen, 3);
    const recPersoon& leeg = Personen[2];
    EXPECT_EQ(leeg.Nummer, 2);
    EXPECT_EQ(leeg.Voornamen, "");
    EXPECT_EQ(leeg.Achternaam, "");
    EXPECT_EQ(leeg.Geslacht, "U");
    EXPECT_EQ(leeg.MetFoto, "nee");
    EXPECT_EQ(leeg.AfbeeldingBestand, "");
    EXPECT_EQ(Personen[3].Voornamen, "Piet");
}

TEST_F(Lezer, PartnerSexAloneMakesNoPartner) {
    ASSERT_TRUE(
        Lees(Kaart({"Jan", "", "Dijk", "M", "", "", "", "", "", "", "", "", "", "", "", " ", "", "", "V"})));
    EXPECT_EQ(AantalPersonen, 1);
    EXPECT_EQ(AantalGezinnen, 0);
    EXPECT_EQ(Personen[1].Gezinnen[1], 0);
}

TEST_F(Lezer, FamilyTakesTheManFromTheMainPersonsSex) {
    struct Geval {
        const char* geslacht;
        int man, vrouw;
    } gevallen[] = {{"vrouw", 2, 1}, {"F", 2, 1}, {"M", 1, 2}, {"", 1, 2}, {"onbekend", 1, 2}};
    for (const auto& g : gevallen) {
        ASSERT_TRUE(Lees(MetPartner(g.geslacht, "M")));
        ASSERT_EQ(AantalGezinnen, 1) << g.geslacht;
        EXPECT_EQ(Gezinnen[1].Nummer, 1);
        EXPECT_EQ(Gezinnen[1].Man, g.man) << g.geslacht;
        EXPECT_EQ(Gezinnen[1].Vrouw, g.vrouw) << g.geslacht;
        EXPECT_EQ(Personen[1].Gezinnen[1], 1);
        EXPECT_EQ(Personen[2].Gezinnen[1], 1);
    }
}

TEST_F(Lezer, PartnerSexIsItsFirstLetterAndStoredOnlyWithTheSexCheck) {
    struct Geval {
        const char *hoofd, *partner, *hoofdUit, *partnerUit;
    } gevallen[] = {
        {"Man", "Vrouw", "M", "F"},
        {"vrouw", "man", "F", "M"},
        {"mannelijk", "mannelijk", "U", "M"},
        {"M", "onbekend", "M", "U"},
        {"M", "", "M", "U"},
        {"V", "f", "F", "F"},
        {"M", "vrouw;extra;velden", "M", "F"},
    };
    for (const auto& g : gevallen) {
        ControleOpGeslacht = true;
        ASSERT_TRUE(Lees(MetPartner(g.hoofd, g.partner)));
        EXPECT_EQ(Personen[1].Geslacht, g.hoofdUit) << g.hoofd;
        EXPECT_EQ(Personen[2].Geslacht, g.partnerUit) << g.partner;
        ControleOpGeslacht = false;
        ASSERT_TRUE(Lees(MetPartner(g.hoofd, g.partner)));
        EXPECT_EQ(Personen[1].Geslacht, g.hoofdUit) << g.hoofd;
        EXPECT_EQ(Personen[2].Geslacht, "") << g.partner;
    }
}

TEST_F(Lezer, ImageFieldWithAndWithoutTheFileNameOption) {
    const std::string kaart =
        Kaart({"Jan", "", "Berg", "M", "", "", "", "", "", "", "", "", "", "E:\\scans\\Berg.jpg"});
    struct Geval {
        bool alleenNaam;
        std::string inhoud, verwacht;
    } gevallen[] = {
        {true, kaart, "Berg.jpg"},
        {false, kaart, "E:\\scans\\Berg.jpg"},
        {true, Kaart({"Jan", "", "Berg", "M", "", "", "", "", "", "", "", "", "", "E:Berg.jpg"}), "Berg.jpg"},
        {true, Kaart({"Jan", "", "Berg", "M", "", "", "", "", "", "", "", "", "", "scans/B/Berg.jpg"}),
         "Berg.jpg"},
    };
    for (const auto& g : gevallen) {
        AlleenBestandsnaamAfbeeldingInlezen = g.alleenNaam;
        ASSERT_TRUE(Lees(g.inhoud));
        EXPECT_EQ(Personen[1].AfbeeldingBestand, g.verwacht);
        EXPECT_EQ(Personen[1].AfbeeldingExtensie, "jpg");
    }
}

TEST_F(Lezer, EmptyImageFieldIsDerivedFromTheNameCodeWhenAsked) {
    const std::string kaart = Kaart({"Johannes Petrus", "van der", "Berg", "M", "", "5-3-1920"});
    CodeGedenkjeVoorkant = " v ";
    BestandsnaamToevoegen = true;
    ASSERT_TRUE(Lees(kaart));
    EXPECT_EQ(Personen[1].AfbeeldingBestand, "BergJPVanDer19200305v.jpg");
    EXPECT_EQ(Personen[1].AfbeeldingExtensie, "jpg");
    BestandsnaamToevoegen = false;
    ASSERT_TRUE(Lees(kaart));
    EXPECT_EQ(Personen[1].AfbeeldingBestand, "");
    EXPECT_EQ(Personen[1].AfbeeldingExtensie, "");
}

TEST_F(Lezer, LineEndsOfEveryKind) {
    struct Geval {
        const char* naam;
        std::string inhoud;
        int personen;
    } gevallen[] = {
        {"CR LF", "A;;B;\r\nC;;D;\r\n", 2},
        {"LF", "A;;B;\nC;;D;\n", 2},
        {"lone CR", "A;;B;\rC;;D;\r", 2},
        {"last line without end", "A;;B;\r\nC;;D;", 2},
        {"Ctrl-Z ends the file",
         "A;;B;\r\nC;;D;\r\n\x1A"
         "E;;F;\r\n",
         2},
        {"CR CR is an empty line", "A;;B;\r\rC;;D;", 3},
    };
    for (const auto& g : gevallen) {
        ASSERT_TRUE(Lees(g.inhoud)) << g.naam;
        EXPECT_EQ(AantalPersonen, g.personen) << g.naam;
        EXPECT_EQ(Personen[2].Voornamen, g.personen == 3 ? "" : "C") << g.naam;
    }
}

TEST_F(Lezer, ASecondSmallerReadLeavesNoTraceOfTheFirst) {
    ASSERT_TRUE(Lees(MetPartner("M", "V") + "\r\n" + MetPartner("V", "M") + "\r\n"));
    ASSERT_EQ(AantalPersonen, 4);
    ASSERT_TRUE(Lees("Piet;;Smit;M;\r\n"));
    EXPECT_EQ(AantalPersonen, 1);
    EXPECT_EQ(AantalGezinnen, 0);
    EXPECT_EQ(Personen[1].Gezinnen[1], 0);
    EXPECT_EQ(Personen[2].Nummer, 0);
    EXPECT_EQ(Personen[2].Voornamen, "");
    EXPECT_EQ(Gezinnen[1].Man, 0);
}

TEST_F(Lezer, The200000thPersonCanOnlyBeAPartner) {
    std::string inhoud;
    for (int i = 0; i < 199998; ++i)
        inhoud += "a;\n";
    ASSERT_TRUE(Lees(inhoud + MetPartner("M", "V") + "\n"));
    EXPECT_EQ(AantalPersonen, 200000);
    EXPECT_EQ(AantalGezinnen, 1);
    EXPECT_EQ(Gezinnen[1].Man, 199999);
    EXPECT_EQ(Gezinnen[1].Vrouw, 200000);
    EXPECT_TRUE(ui.meldingen.empty());

    // One line more would make its main person number 200000: reading stops there.
    ASSERT_TRUE(Lees(inhoud + "a;\nb;\n"));
    EXPECT_EQ(AantalPersonen, 199999);
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(ui.meldingen[0].first, "Het maximale aantal personen is bereikt. (200000)");
    EXPECT_EQ(ui.links.back(), "  aantal personen : 199999; aantal gezinnen : 0; ingelezen.");
}

TEST_F(Lezer, AFolderIsAnInputOutputError) {
    std::filesystem::create_directories(map.pad() / "map.gdk");
    CollectiePad = map.tekst() + "/map.gdk";
    VerschillenBestand = map.tekst() + "/map_Verschillen.txt";
    ControleOpGeslacht = true;
    EXPECT_THAT([] { LeesGedenkjes(); },
                test::GooitIOFout("Het bestand " + CollectiePad + " kan niet gelezen worden."));
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "map_Verschillen.txt"));
    EXPECT_EQ(AantalPersonen, 0);
}

TEST_F(Lezer, AFileWithoutReadPermissionIsAnInputOutputError) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    CollectiePad = map.Schrijf("dicht.gdk", "Jan;;Dijk;;\r\n");
    std::filesystem::permissions(CollectiePad, std::filesystem::perms::none);
    EXPECT_THAT([] { LeesGedenkjes(); },
                test::GooitIOFout("Het bestand " + CollectiePad + " kan niet gelezen worden."));
}

} // namespace
} // namespace gdk
