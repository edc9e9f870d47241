#include "pages/tnaamopmaak.h"

#include "data/datums.h"
#include "pages/pagina_opslag.h"

#include <functional>

namespace gdk::test {
namespace {

using NaamOpmaak = PaginaOpslag;

struct GebeurtenisGeval {
    const char* naam;
    std::function<void(recPersoon&)> vul;
    std::string (*tekst)(std::int32_t);
    std::string verwacht;
};

TEST_F(NaamOpmaak, GebeurtenisZinnenVolgenHunVelden) {
    adDatumAanpassen = 1;
    const GebeurtenisGeval gevallen[] = {
        {"alleen begraafplaats", [](recPersoon& p) { p.BegraafPlaats = "Tilburg"; }, BegrafenisTekst,
         "begraven te Tilburg"},
        {"alleen aantekening bij begrafenis",
         [](recPersoon& p) { p.ExtraWijzigen().BegraafAantekening = " familiegraf "; }, BegrafenisTekst,
         "begraven aantekening: familiegraf"},
        {"geboortedatum genormaliseerd en plaats",
         [](recPersoon& p) {
             p.GeboorteDatum = " 5-3-1920 ";
             p.GeboortePlaats = "breda";
         },
         GeboorteTekst, "geboren op 05-03-1920 te Breda"},
        {"begrafenis met alle velden",
         [](recPersoon& p) {
             p.BegraafDatum = "12.1.1980";
             p.BegraafPlaats = "tilburg";
             auto& x = p.ExtraWijzigen();
             x.BegraafDetail = " Kerkhof Oost ";
             x.BegraafAantekening = "graf 12";
             x.BegraafToevoeging = "volgens kaart";
         },
         BegrafenisTekst,
         "begraven op 12-01-1980 te Tilburg (Kerkhof Oost), aantekening: graf 12 [volgens kaart]"},
        {"crematie met alleen detail",
         [](recPersoon& p) { p.ExtraWijzigen().CrematieDetail = "Crematorium"; }, CrematieTekst,
         "gecremeerd (Crematorium)"},
        {"crematie met alleen toevoeging", [](recPersoon& p) { p.ExtraWijzigen().CrematieToevoeging = "ca"; },
         CrematieTekst, "gecremeerd [ca]"},
        {"overlijden met aantekening",
         [](recPersoon& p) {
             p.OverlijdensDatum = "ABT 1990";
             p.ExtraWijzigen().OverlijdensAantekening = "thuis";
             p.ExtraWijzigen().OverlijdensToevoeging = "?";
         },
         OverlijdensTekst, "overleden op ABT 1990, aantekening: thuis [?]"},
        {"geboorte zonder velden", [](recPersoon&) {}, GeboorteTekst, ""},
        {"alleen blanco velden",
         [](recPersoon& p) {
             p.CrematieDatum = "  ";
             p.CrematiePlaats = "\t";
         },
         CrematieTekst, ""},
    };
    for (const auto& g : gevallen) {
        LeegOpslag();
        g.vul(Persoon("Jan", "", "Smit"));
        EXPECT_EQ(g.tekst(1), g.verwacht) << g.naam;
    }
}

TEST_F(NaamOpmaak, PlaatsVolgtDeWeergaveInstellingen) {
    struct {
        bool afblijven, plaatsnamen;
        const char* verwacht;
    } const gevallen[] = {
        {false, false, "geboren te 's-Hertogenbosch-Oost"},
        {false, true, "geboren te 'S-HERTOGENBOSCH-OOST"},
        {true, false, "geboren te 's-hertogenbosch-oost"},
        {true, true, "geboren te 's-hertogenbosch-oost"},
    };
    Persoon("Jan", "", "Smit").GeboortePlaats = "  's-hertogenbosch-oost ";
    for (const auto& g : gevallen) {
        glAfblijven = g.afblijven;
        glPlaatsnamen = g.plaatsnamen;
        EXPECT_EQ(GeboorteTekst(1), g.verwacht) << g.afblijven << g.plaatsnamen;
    }
}

TEST_F(NaamOpmaak, AantekeningVanTweeRegelsWordtEenRegel) {
    Persoon("Jan", "", "Smit").Aantekening = " eerste regel\r\ntweede regel\r\n";
    Persoon("Piet", "", "Smit").Aantekening = " \r\n ";
    EXPECT_EQ(AantekeningTekst(1), "aantekening: eerste regel, tweede regel");
    EXPECT_EQ(BijzonderhedenTekst(1), "eerste regel, tweede regel");
    EXPECT_EQ(AantekeningTekst(2), "");
    EXPECT_EQ(BijzonderhedenTekst(2), "");
}

TEST_F(NaamOpmaak, SamenvattingVoegtZinnenEnFotoOpmerkingSamen) {
    recPersoon& p = Persoon("Jan", "", "Smit");
    p.GeboortePlaats = "Breda";
    p.Aantekening = "bakker";
    p.OverlijdensDatum = "1-1-1990";
    p.BegraafPlaats = "Tilburg";
    p.CrematiePlaats = "Goirle";
    struct {
        const char* metFoto;
        const char* opmerking;
    } const gevallen[] = {
        {" JA ", " (met foto)"},   {"ja", " (met foto)"},      {"yes", ""},
        {"nee", " (zonder foto)"}, {" Nee", " (zonder foto)"}, {"", ""},
    };
    const std::string zinnen =
        "geboren te Breda; aantekening: bakker; overleden op 1-1-1990; begraven te Tilburg; "
        "gecremeerd te Goirle";
    for (const auto& g : gevallen) {
        Personen.Wijzig(1).MetFoto = g.metFoto;
        std::string regel;
        EXPECT_TRUE(PersoonSamenvatting(1, regel));
        EXPECT_EQ(regel, zinnen + g.opmerking) << '"' << g.metFoto << '"';
    }
}

TEST_F(NaamOpmaak, SamenvattingZonderGebeurtenisIsAlleenDeFotoOpmerking) {
    Persoon("Jan", "", "Smit").MetFoto = "nee";
    Persoon("Piet", "", "Smit").MetFoto = "JA";
    Persoon("Kees", "", "Smit");
    std::string regel;
    EXPECT_TRUE(PersoonSamenvatting(1, regel));
    EXPECT_EQ(regel, " (zonder foto)");
    EXPECT_TRUE(PersoonSamenvatting(2, regel));
    EXPECT_EQ(regel, " (met foto)");
    EXPECT_TRUE(PersoonSamenvatting(3, regel));
    EXPECT_EQ(regel, "");
}

TEST_F(NaamOpmaak, RelatieTekstVanHuwelijksgebeurtenissen) {
    Persoon("Jan", "", "Smit", "M");
    Persoon("Anna", "", "Berg", "F");
    Gezin(1, 2); // no marriage details, as the reader leaves every family
    recFamilie& f = Gezin(1, 2);
    recHuwelijk& eerste = f.ExtraWijzigen().Huwelijken[1];
    eerste.HuwelijkSoort = " Gehuwd ";
    eerste.HuwelijkDatum = "12-6-1950";

    std::string regel;
    EXPECT_TRUE(RelatieTekst(1, 1, false, regel));
    EXPECT_EQ(regel, "relatie met");
    EXPECT_EQ(HuwelijkTekst(1, 1, true), "");

    EXPECT_TRUE(RelatieTekst(2, 2, true, regel));
    EXPECT_EQ(regel, "gehuwd (2) op 12-6-1950");
    EXPECT_EQ(HuwelijkTekst(2, 2, false), "gehuwd op 12-6-1950");

    // An empty kind is "gehuwd"; another kind is printed as it is, without the number; a slot
    // with only a kind says nothing.
    auto& x = Gezinnen.Wijzig(2).ExtraWijzigen();
    x.Huwelijken[1].HuwelijkSoort = "";
    x.Huwelijken[2].HuwelijkSoort = "ondertrouwd";
    x.Huwelijken[2].HuwelijkPlaats = "breda";
    x.Huwelijken[2].HuwelijkAantekening = "kerk";
    x.Huwelijken[3].HuwelijkSoort = "gescheiden";
    x.Huwelijken[6].HuwelijkToevoeging = "volgens akte";
    EXPECT_TRUE(RelatieTekst(2, 3, true, regel));
    EXPECT_EQ(regel,
              "gehuwd (3) op 12-6-1950; ondertrouwd te Breda, aantekening: kerk; gehuwd (3) [volgens akte]");
}

TEST_F(NaamOpmaak, GeslachtTekst) {
    const std::pair<const char*, const char*> gevallen[] = {
        {"f", "vrouw"},    {"F", "vrouw"},   {"m", "man"},       {"M", "man"},
        {"U", "onbekend"}, {"", "onbekend"}, {" F", "onbekend"},
    };
    for (const auto& [geslacht, verwacht] : gevallen) {
        LeegOpslag();
        Persoon("Jan", "", "Smit", geslacht);
        EXPECT_EQ(GeslachtTekst(1), verwacht) << '"' << geslacht << '"';
    }
}

TEST_F(NaamOpmaak, IndexRegel) {
    struct {
        const char *achternaam, *voornamen, *tussenvoegsel, *geboren;
        bool variant;
        const char* verwacht;
    } const gevallen[] = {
        {"berg (Bergh)", "Johannes Petrus", "Van der", "05-03-1920", false, "Berg, J.P. van der 05-03-1920"},
        {"berg (Bergh)", "Johannes Petrus", "Van der", "05-03-1920", true, "Berg, J.P. Van Der 05-03-1920"},
        {"Smit", "", "", "", false, "Smit, "},
        {"Smit", "", "", "5-3-1920", false, "Smit, 05-03-1920"},
        {"vries", "", "De", "", false, "Vries, de"},
        {"", "Jan", "", "", false, "onbekend, J."},
        {"Smit", "(Jo)", "van", "", false, "Smit, "},
        {"Smit", "Jan", "", "1.2.1900", false, "Smit, J. 01-02-1900"},
        {"Smit", "Jan", "", "ABT 1920", false, "Smit, J. ABT 1920"},
        {"Smit", "Jan", "", "ABT 1920", true, "Smit, J. 1920"},
        {"Smit", "Jan", "", "AFT 1935", false, "Smit, J. AFT 1935"},
        {"Smit", "Jan", "", "13 August 1886", false, "Smit, J. 13 August 1886"},
        {"Smit", "Jan", "", "31-02-1920", false, "Smit, J. 31-02-1920"},
        {"Smit", "Jan", "", "31-02-1920", true, "Smit, J. 31021920"},
        {"Smit", "Jan", "", "onbekend", true, "Smit, J. 0"},
    };
    for (const auto& g : gevallen) {
        LeegOpslag();
        Persoon(g.voornamen, g.tussenvoegsel, g.achternaam).GeboorteDatum = g.geboren;
        EXPECT_EQ(g.variant ? MaakIndexRegels(1).variant : MaakIndexRegels(1).gewoon, g.verwacht)
            << g.achternaam << '|' << g.voornamen << '|' << g.geboren;
    }
}

// A birth date as the reader stores it: a calendar date is shown as dd-mm-yyyy, anything else as
// the stored text (never its Dutch translation), or its digits in the variant.
TEST_F(NaamOpmaak, IndexRegelToontDeGeboortedatumAlsOpgeslagen) {
    struct {
        const char* geboren;
        const char *gewoon, *variant;
    } const gevallen[] = {
        {"ABT. 1854", "Aarts, Z. van ABT. 1854", "Aarts, Z. Van 1854"},
        {"24  APR  1918", "Aarts, Z. van 24  APR  1918", "Aarts, Z. Van 241918"},
        {"2 April 1988", "Aarts, Z. van 2 April 1988", "Aarts, Z. Van 21988"},
        {"15-13-1953", "Aarts, Z. van 15-13-1953", "Aarts, Z. Van 15131953"},
        {"5.3.1920", "Aarts, Z. van 05-03-1920", "Aarts, Z. Van 05-03-1920"},
        {"1889-08-11", "Aarts, Z. van 11-08-1889", "Aarts, Z. Van 11-08-1889"},
    };
    for (const std::int32_t aanpassen : {0, 1}) {
        adDatumAanpassen = aanpassen;
        for (const auto& g : gevallen) {
            LeegOpslag();
            Persoon("Zo\xEB", "van", "aarts").GeboorteDatum = DatumNormaliseren(g.geboren, adDatumAanpassen);
            EXPECT_EQ(MaakIndexRegels(1).gewoon, g.gewoon) << g.geboren << " aanpassen " << aanpassen;
            EXPECT_EQ(MaakIndexRegels(1).variant, g.variant) << g.geboren << " aanpassen " << aanpassen;
        }
    }
}

TEST_F(NaamOpmaak, IndexRegelMetVreemdeDatumGeeftAltijdEenRegel) {
    const std::string NulDatum = std::string("1") + '\0' + "2 mei";
    struct {
        std::string geboren;
        std::string gewoon, variant;
    } const gevallen[] = {
        {"   ", "Smit, J.", "Smit, J."},
        {NulDatum, "Smit, J. " + NulDatum, "Smit, J. 12"},
        {std::string(100000, '9'), "Smit, J. " + std::string(100000, '9'), "Smit, J. 0"},
        {std::string(100000, 'x'), "Smit, J. " + std::string(100000, 'x'), "Smit, J. 0"},
    };
    for (const auto& g : gevallen) {
        LeegOpslag();
        Persoon("Jan", "", "Smit").GeboorteDatum = g.geboren;
        EXPECT_EQ(MaakIndexRegels(1).gewoon, g.gewoon) << g.geboren.size();
        EXPECT_EQ(MaakIndexRegels(1).variant, g.variant) << g.geboren.size();
    }
}

TEST_F(NaamOpmaak, AlleenCijfers) {
    struct {
        const char* tekst;
        std::int32_t getal;
        bool mislukt;
    } const gevallen[] = {
        {"12-03-1920", 12031920, false},
        {"ca 1920", 1920, false},
        {"007", 7, false},
        {"2147483647", 2147483647, false},
        {"2147483648", 0, true},
        {"abc", 0, true},
        {"", 0, true},
    };
    for (const auto& g : gevallen) {
        bool mislukt = !g.mislukt;
        EXPECT_EQ(AlleenCijfers(g.tekst, mislukt), g.getal) << g.tekst;
        EXPECT_EQ(mislukt, g.mislukt) << g.tekst;
    }
}

} // namespace
} // namespace gdk::test
