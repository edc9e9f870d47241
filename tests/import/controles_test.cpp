#include "import/controles.h"

#include "data/globalen.h"
#include "data/tekst.h"
#include "data/tvars.h"
#include "import/tgdkimport.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "settings/instellingen.h"
#include "support/fouten.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace gdk {
namespace {

std::string Kaart(std::vector<std::string> velden) {
    velden.resize(19);
    std::string regel;
    for (int i = 0; i < 18; ++i)
        regel += velden[static_cast<std::size_t>(i)] + ";";
    return regel + velden[18];
}

// The report as lines (each must end in CR LF); empty when no report exists.
std::vector<std::string> Regels(const std::filesystem::path& pad) {
    std::vector<std::string> regels;
    if (!std::filesystem::exists(pad)) return regels;
    const std::string inhoud = test::LeesBestand(pad);
    std::size_t begin = 0;
    for (std::size_t p; (p = inhoud.find("\r\n", begin)) != std::string::npos; begin = p + 2)
        regels.push_back(inhoud.substr(begin, p - begin));
    EXPECT_EQ(begin, inhoud.size()) << "report does not end in CR LF";
    return regels;
}

class Controles : public ::testing::Test {
  protected:
    void SetUp() override {
        StandaardUitvoerTekst();
        ControleOpGeslacht = ControleOpDatum = ControleOpBestandsnaam = false;
        ControleOpBestandsnaamAfbeelding = ControleOpBestandsnaamFoto = false;
        AlleenBestandsnaamAfbeeldingInlezen = BestandsnaamToevoegen = false;
        CodeGedenkjeVoorkant = "_v";
        CodeFotoosVoorkant = "_f";
        AfbeeldingBestanden = map.tekst() + "/scans";
        NiveauAfbeeldingBestanden = 0;
        adDatumAanpassen = 1;
    }

    // Reads `inhoud`; returns the report lines without the closing count line, which is checked.
    std::vector<std::string> Lees(const std::string& inhoud) {
        CollectiePad = map.Schrijf("kaarten.gdk", inhoud);
        VerschillenBestand = map.tekst() + "/kaarten_Verschillen.txt";
        std::filesystem::remove(rapport());
        EXPECT_TRUE(LeesGedenkjes());
        std::vector<std::string> regels = Regels(rapport());
        if (regels.empty()) {
            EXPECT_EQ(AantalVerschillen, 0);
            return regels;
        }
        EXPECT_EQ(regels.back(), "aantal verschillen = " + GetalOpLengte(AantalVerschillen, 5)); // < 100000
        EXPECT_EQ(static_cast<int>(regels.size()) - 1, AantalVerschillen);
        regels.pop_back();
        return regels;
    }
    std::filesystem::path rapport() const { return map.pad() / "kaarten_Verschillen.txt"; }
    std::string S() const { return map.tekst() + "/scans"; }
    void Afbeelding(const std::string& relatief) const { map.Schrijf("scans/" + relatief, "jpg"); }

    test::TijdelijkeMap map;
    OpnameGebruiker ui;
};

using Regelset = std::vector<std::string>;

// Johannes Petrus van der Berg, born 5-3-1920, died 12-11-1987: BergJPVanDer19200305.
std::string Berg(const std::string& afbeelding, const std::string& foto = "nee") {
    return Kaart({"Johannes Petrus", "van der", "Berg", "M", "", "5-3-1920", "", "12-11-1987", "",
                  "17-11-1987", "", "", "", afbeelding, foto});
}

TEST(PersoonSleutelTest, NamesJoinedBySemicolons) {
    LeegOpslag();
    struct Geval {
        const char *voornamen, *tussenvoegsel, *achternaam, *sleutel;
    } gevallen[] = {
        {"Jan", "van", "Dijk", "Jan;van;Dijk"},
        {"Jan", "", "Dijk", "Jan;;Dijk"},
        {"Jan", "van", "", "Jan;van"},
        {"", "", "", ";"},
    };
    for (const auto& g : gevallen) {
        Personen.Nieuw();
        recPersoon& p = Personen.Wijzig(Personen.Gevuld());
        p.Voornamen = g.voornamen;
        p.Tussenvoegsel = g.tussenvoegsel;
        p.Achternaam = g.achternaam;
        EXPECT_EQ(PersoonSleutel(Personen.Gevuld()), g.sleutel);
    }
    LeegOpslag();
}

TEST_F(Controles, AllChecksOffWriteNoReportWhateverTheData) {
    const std::string inhoud = Kaart({"Jan", "", "Dijk", "X", "", "1 januari 1920", "", "", "", "", "", "",
                                      "", "ontbreekt.jpg", "ja", "Piet", "", "Smit", "?"}) +
                               "\r\n\r\n";
    EXPECT_TRUE(Lees(inhoud).empty());
    EXPECT_FALSE(std::filesystem::exists(rapport()));
    EXPECT_EQ(Personen[1].Geslacht, "U");
}

TEST_F(Controles, NoFindingsMeansNoReport) {
    ControleOpGeslacht = ControleOpDatum = true;
    EXPECT_TRUE(Lees(Kaart({"Jan", "", "Dijk", "M", "", "1-1-1920", "", "", "", "", "", "", "", "", "",
                            "Truus", "", "Smit", "V"}))
                    .empty());
    EXPECT_FALSE(std::filesystem::exists(rapport()));
}

TEST_F(Controles, MissingSexOfTheMainPerson) {
    ControleOpGeslacht = true;
    EXPECT_EQ(Lees(Kaart({"Jan", "van", "Dijk", "X"}) + "\r\n" + Kaart({"Piet", "", "Smit", ""})),
              (Regelset{"geslacht ontbreekt bij:Jan;van;Dijk", "geslacht ontbreekt bij:Piet;;Smit"}));
    EXPECT_EQ(Personen[1].Geslacht, "U");
}

TEST_F(Controles, PartnersSex) {
    ControleOpGeslacht = true;
    struct Geval {
        const char *hoofd, *partner;
        Regelset regels;
    } gevallen[] = {
        {"M", "M", {"beiden hebben hetzelfde geslacht:Jan;van;Dijk"}},
        {"U", "U", {"geslacht ontbreekt bij:Jan;van;Dijk", "geslacht ontbreekt bij:Truus;;Smit"}},
        {"F", "U", {"geslacht ontbreekt bij:Truus;;Smit"}},
        {"F", "vrouw", {"beiden hebben hetzelfde geslacht:Jan;van;Dijk"}},
        {"M", "V", {}},
        {"vrouw", "man", {}},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Lees(Kaart({"Jan", "van", "Dijk", g.hoofd, "", "", "", "", "", "", "", "", "", "", "",
                              "Truus", "", "Smit", g.partner})),
                  g.regels)
            << g.hoofd << "+" << g.partner;
}

TEST_F(Controles, DatesLongerThanTenCharacters) {
    ControleOpDatum = true;
    const std::string kaart = Kaart({"Anna", "", "Hof", "V", "", "1 januari 1920", "", "12 MAR 1990", "",
                                     "15 maart 1990", "", "ca. 17-3-1990", "", "", "", "", "", "", ""});
    adDatumAanpassen = 0;
    EXPECT_EQ(Lees(kaart), (Regelset{
                               "afwijking in g-datum van Anna  Hof : 1 januari 1920",
                               "afwijking in o-datum van Anna  Hof : 12 MAR 1990",
                               "afwijking in b-datum van Anna  Hof : 15 maart 1990",
                               "afwijking in c-datum van Anna  Hof : ca. 17-3-1990",
                           }));
    // Rewritten dates are ten characters; the ones left as written still count.
    adDatumAanpassen = 1;
    EXPECT_EQ(Lees(Kaart({"Jan", " van ", "Dijk", "M", "", "5-3-1920", "", "1 januari 1990"})),
              (Regelset{"afwijking in o-datum van Jan van Dijk : 1 januari 1990"}));
}

TEST_F(Controles, ImageFileNameAgainstTheExpectedNames) {
    ControleOpBestandsnaam = true;
    struct Geval {
        std::string afbeelding;
        Regelset regels;
    } gevallen[] = {
        {"BergJPVanDer19200305_v.jpg", {}},
        {"BergJPVanDer19200305_19871112_v.jpg", {}},
        {"BergJPVanDer19200305_19871112_19871117_v.jpg", {}},
        {"bergjpvander19200305_v.jpg",
         {"samengesteld BergJPVanDer19200305_19871112_v.jpg - opgenomen: bergjpvander19200305_v.jpg"}},
        {"BergJPVanDer19200305_v.JPG",
         {"samengesteld BergJPVanDer19200305_19871112_v.jpg - opgenomen: BergJPVanDer19200305_v.JPG"}},
        {"", {"bestandsnaam van de afbeelding ontbreekt BergJPVanDer19200305_v.jpg"}},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Lees(Berg(g.afbeelding)), g.regels) << g.afbeelding;
}

TEST_F(Controles, DerivedImageNameMatchesItsOwnExpectation) {
    ControleOpBestandsnaam = true;
    BestandsnaamToevoegen = true;
    EXPECT_TRUE(Lees(Berg("")).empty());
    EXPECT_EQ(Personen[1].AfbeeldingBestand, "BergJPVanDer19200305_v.jpg");
}

TEST_F(Controles, ImageFolderByLevel) {
    ControleOpBestandsnaamAfbeelding = true;
    struct Geval {
        int niveau;
        std::string achternaam, afbeelding, opSchijf, ontbreekt;
    } gevallen[] = {
        {0, "Berg", "Berg.jpg", "B/Berg.jpg", "/B/Berg.jpg"},
        {0, "Berg", "Berg.JPG", "b/berg.jpg", ""}, // the name in the file differs in case from the disk
        {1, "Berg", "Berg.jpg", "B/Be/Berg.jpg", "/B/Be/Berg.jpg"},
        {1, "O", "Oosterhof.jpg", "O/O/Oosterhof.jpg", "/O/O/Oosterhof.jpg"},
        {1, "O'", "Oosterhof.jpg", "O/O/Oosterhof.jpg", "/O/O/Oosterhof.jpg"}, // one character after cleaning
        {2, "van Berg-Smit", "Berg.jpg", "B/vanBergSmit/Berg.jpg", "/B/vanBergSmit/Berg.jpg"},
        {0, "Berg", "", "", "//"}, // no image name: the bare folder is reported
    };
    for (const auto& g : gevallen) {
        NiveauAfbeeldingBestanden = g.niveau;
        const std::string kaart =
            Kaart({"Jan", "", g.achternaam, "M", "", "", "", "", "", "", "", "", "", g.afbeelding});
        if (!g.ontbreekt.empty()) {
            EXPECT_EQ(Lees(kaart), (Regelset{"bestand afbeelding ontbreekt: " + S() + g.ontbreekt}))
                << g.opSchijf;
        }
        if (g.opSchijf.empty()) continue;
        Afbeelding(g.opSchijf);
        EXPECT_TRUE(Lees(kaart).empty()) << g.opSchijf;
        std::filesystem::remove_all(map.pad() / "scans");
    }
}

TEST_F(Controles, WithoutImageFolderOrLevelThePathIsTheBareName) {
    ControleOpBestandsnaamAfbeelding = true;
    const std::string kaart = Kaart({"Jan", "", "Berg", "M", "", "", "", "", "", "", "", "", "", "geen.jpg"});
    AfbeeldingBestanden = "  ";
    EXPECT_EQ(Lees(kaart), (Regelset{"bestand afbeelding ontbreekt: geen.jpg"}));
    AfbeeldingBestanden = S();
    NiveauAfbeeldingBestanden = -1;
    EXPECT_EQ(Lees(kaart), (Regelset{"bestand afbeelding ontbreekt: geen.jpg"}));
}

TEST_F(Controles, PhotoOfTheDeceased) {
    ControleOpBestandsnaamAfbeelding = true;
    ControleOpBestandsnaamFoto = true;
    Afbeelding("B/Berg.jpg");
    const std::string m = S() + "/B/";
    struct Geval {
        std::string foto, code;
        std::vector<std::string> bestanden;
        Regelset regels;
    } gevallen[] = {
        {"ja", "_f", {}, {"afbeelding foto ontbreekt " + m + "BergJPVanDer19200305 ... _f.jpg"}},
        {"ja", " ", {}, {"afbeelding foto ontbreekt " + m + "BergJPVanDer19200305 ... .jpg"}},
        {"ja", "_f", {"BergJPVanDer19200305_19871112_f.jpg"}, {}},
        {"ja", "", {"BergJPVanDer19200305.jpg"}, {}},
        {"nee", "_f", {}, {}},
        {"nee",
         "_f",
         {"BergJPVanDer19200305_f.jpg", "BergJPVanDer19200305_19871112_f.jpg"},
         {"afbeelding aanwezig " + m + "BergJPVanDer19200305_f.jpg"}},
        {"nee",
         "_f",
         {"BergJPVanDer19200305_19871112_f.jpg"},
         {"afbeelding aanwezig " + m + "BergJPVanDer19200305_19871112_f.jpg"}},
    };
    for (const auto& g : gevallen) {
        CodeFotoosVoorkant = g.code;
        for (const auto& b : g.bestanden)
            Afbeelding("B/" + b);
        EXPECT_EQ(Lees(Berg("Berg.jpg", g.foto)), g.regels) << g.foto << " " << g.bestanden.size();
        for (const auto& b : g.bestanden)
            std::filesystem::remove(map.pad() / "scans/B" / b);
    }
}

TEST_F(Controles, PhotoCheckWithoutTheFolderCheckTakesTheBareNames) {
    ControleOpBestandsnaamFoto = true;
    EXPECT_EQ(Lees(Berg("Berg.jpg", "ja")),
              (Regelset{"afbeelding foto ontbreekt BergJPVanDer19200305 ... _f.jpg"}));
}

TEST_F(Controles, FindingsInReadingOrderEndWithTheirCount) {
    ControleOpGeslacht = ControleOpDatum = ControleOpBestandsnaam = true;
    CollectiePad = map.Schrijf("kaarten.gdk", Kaart({"Jan", "", "Dijk", "", "", "1 januari 1920", "", "", "",
                                                     "", "", "", "", "Dijk.jpg"}));
    VerschillenBestand = map.tekst() + "/kaarten_Verschillen.txt";
    ASSERT_TRUE(LeesGedenkjes());
    EXPECT_EQ(test::LeesBestand(rapport()),
              "geslacht ontbreekt bij:Jan;;Dijk\r\n"
              "afwijking in g-datum van Jan  Dijk : 1 januari 1920\r\n"
              "samengesteld DijkJ19200000_00000000_v.jpg - opgenomen: Dijk.jpg\r\n"
              "aantal verschillen = 00003\r\n");
}

TEST_F(Controles, ACountOfSixDigitsIsWrittenWhole) {
    ControleOpGeslacht = true;
    std::string inhoud;
    for (int i = 0; i < 100000; ++i)
        inhoud += "a;\n";
    CollectiePad = map.Schrijf("kaarten.gdk", inhoud);
    VerschillenBestand = map.tekst() + "/kaarten_Verschillen.txt";
    ASSERT_TRUE(LeesGedenkjes());
    const std::string rapport = test::LeesBestand(this->rapport());
    const std::string slot = "geslacht ontbreekt bij:a;\r\naantal verschillen = 100000\r\n";
    ASSERT_GT(rapport.size(), slot.size());
    EXPECT_EQ(rapport.substr(rapport.size() - slot.size()), slot);
}

TEST_F(Controles, EachReadStartsANewReport) {
    ControleOpGeslacht = true;
    map.Schrijf("kaarten_Verschillen.txt", "oude regel\r\n");
    CollectiePad = map.Schrijf("kaarten.gdk", "Jan;;Dijk;;\r\n");
    VerschillenBestand = map.tekst() + "/kaarten_Verschillen.txt";
    ASSERT_TRUE(LeesGedenkjes());
    EXPECT_EQ(test::LeesBestand(rapport()),
              "geslacht ontbreekt bij:Jan;;Dijk\r\naantal verschillen = 00001\r\n");
}

TEST_F(Controles, AReportThatCannotBeCreatedEndsTheRead) {
    ControleOpGeslacht = true;
    CollectiePad = map.Schrijf("kaarten.gdk", "Jan;;Dijk;M;\r\nPiet;;Smit;;\r\nKees;;Bos;;\r\n");
    VerschillenBestand = map.tekst() + "/geen-map/kaarten_Verschillen.txt";
    EXPECT_THAT([] { LeesGedenkjes(); }, test::GooitIOFout("Het verschillenbestand " + VerschillenBestand +
                                                           " kan niet aangemaakt worden."));
    EXPECT_EQ(AantalPersonen, 2); // what was read before the error stays
    // The next read is not disturbed by the failed one.
    VerschillenBestand = map.tekst() + "/kaarten_Verschillen.txt";
    ASSERT_TRUE(LeesGedenkjes());
    EXPECT_EQ(test::LeesBestand(rapport()), "geslacht ontbreekt bij:Piet;;Smit\r\n"
                                            "geslacht ontbreekt bij:Kees;;Bos\r\n"
                                            "aantal verschillen = 00002\r\n");
}

} // namespace
} // namespace gdk
