// The lines of the browsing lists.
#include "ui/lijstregels.h"

#include "data/tvars.h"

#include <gtest/gtest.h>

namespace {

gdk::recPersoon& NieuwePersoon(int n) {
    while (gdk::Personen.Gevuld() < n)
        gdk::Personen.Nieuw();
    return gdk::Personen.Wijzig(n);
}

class Lijstregels : public ::testing::Test {
  protected:
    void SetUp() override { gdk::LeegOpslag(); }
    void TearDown() override { gdk::LeegOpslag(); }
};

} // namespace

struct DatumGeval {
    const char* naam;
    const char* geboorte[2];
    const char* overlijden[2];
    const char* begrafenis[2];
    const char* lijstDatum;
};

class LijstDatumGevallen : public Lijstregels, public ::testing::WithParamInterface<DatumGeval> {};

TEST_P(LijstDatumGevallen, FirstDateThereIs) {
    const DatumGeval& g = GetParam();
    gdk::recPersoon& p = NieuwePersoon(1);
    p.GeboorteDatum = g.geboorte[0];
    p.GeboortePlaats = g.geboorte[1];
    p.OverlijdensDatum = g.overlijden[0];
    p.OverlijdensPlaats = g.overlijden[1];
    p.BegraafDatum = g.begrafenis[0];
    p.BegraafPlaats = g.begrafenis[1];
    EXPECT_EQ(LijstDatum(1), g.lijstDatum);
}

INSTANTIATE_TEST_SUITE_P(
    Data, LijstDatumGevallen,
    ::testing::Values(
        DatumGeval{"Geboorte", {"12-03-1901", "Venlo"}, {"1-1-1980", "Oss"}, {"", ""}, "* 12-03-1901 Venlo"},
        DatumGeval{"GeboorteZonderPlaats", {"1901", ""}, {"", "Oss"}, {"", ""}, "* 1901"},
        DatumGeval{"Overlijden", {"", "Venlo"}, {"1-1-1980", "Oss"}, {"5-1-1980", "Ede"}, "+ 1-1-1980 Oss"},
        DatumGeval{"Begrafenis", {"", ""}, {"", ""}, {"5-1-1980", "Ede"}, "[] 5-1-1980 Ede"},
        DatumGeval{"AlsOpgeslagen", {" ca 1900 ", " Venlo"}, {"", ""}, {"", ""}, "*  ca 1900   Venlo"},
        DatumGeval{"Geen", {"", "Venlo"}, {"", "Oss"}, {"", "Ede"}, ""}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Lijstregels, PersonAndRelationLines) {
    gdk::recPersoon& p = NieuwePersoon(17);
    p.Voornamen = "Johannes";
    p.Achternaam = "Zovovu";
    p.GeboorteDatum = "12-03-1901";
    p.GeboortePlaats = "Venlo";
    p.Gezinnen[1] = 9;
    EXPECT_EQ(PersoonRegel(17, true), "Zovovu, Johannes * 12-03-1901 Venlo %17");
    EXPECT_EQ(RelatieRegel(17, true), "Zovovu, Johannes * 12-03-1901 Venlo #9");
    EXPECT_EQ(PersoonRegel(17, false), "Johannes, Zovovu * 12-03-1901 Venlo %17");
    p.GeboorteDatum.clear();
    EXPECT_EQ(PersoonRegel(17, true), "Zovovu, Johannes  %17");
}

TEST_F(Lijstregels, WhoIsListedUnderWhichLetter) {
    const struct {
        const char* voornamen;
        const char* achternaam;
        int gezin;
    } personen[] = {
        {"Jan", "kok", 1},     // small letter: under K
        {"", "Klaver", 2},     // no first names: in no list
        {"Piet", "", 0},       // no surname: in no list
        {"Kees", "Kuiper", 0}, // no relation: persons only
        {"Els", "\xC9loy", 3}, // accented capital: no letter tab
        {"Ada", "'t Kind", 4}, // apostrophe first: no letter tab
    };
    for (int i = 0; i < 6; ++i) {
        gdk::recPersoon& p = NieuwePersoon(i + 1);
        p.Voornamen = personen[i].voornamen;
        p.Achternaam = personen[i].achternaam;
        p.Gezinnen[1] = personen[i].gezin;
    }
    LijstVolgorden lijsten;
    const auto letter = [&](char l, bool relaties) {
        return LijstRegels(lijsten.Letter(relaties, l), relaties, true);
    };
    EXPECT_EQ(letter('K', false), (std::vector<std::string>{"kok, Jan  %1", "Kuiper, Kees  %4"}));
    EXPECT_EQ(letter('K', true), (std::vector<std::string>{"kok, Jan  #1"}));
    EXPECT_TRUE(letter('E', false).empty());
    EXPECT_EQ(lijsten.Volgorde(false, true).size(), 4u);
    EXPECT_EQ(LijstRegels(lijsten.Volgorde(true, false), true, false),
              (std::vector<std::string>{"Ada, 't Kind  #4", "Els, \xC9loy  #3", "Jan, kok  #1"}));

    // The orders are kept until forgotten: a new collection needs Wis.
    gdk::LeegOpslag();
    EXPECT_EQ(lijsten.Volgorde(false, true).size(), 4u);
    lijsten.Wis();
    EXPECT_TRUE(lijsten.Volgorde(false, true).empty());
}

TEST(RegelNummer, NumberAfterTheLastMarker) {
    std::int32_t n = 0;
    EXPECT_TRUE(RegelNummer("Zovovu, Johannes * 1901 Venlo %17", '%', n));
    EXPECT_EQ(n, 17);
    // A marker inside a name or place does not hide the line's own.
    EXPECT_TRUE(RegelNummer("100% Zeker, Jan * 1901 50%-dorp %3", '%', n));
    EXPECT_EQ(n, 3);
    EXPECT_TRUE(RegelNummer("Nr#1, Jan  #12", '#', n));
    EXPECT_EQ(n, 12);
    EXPECT_FALSE(RegelNummer("zonder teken", '%', n));
    EXPECT_FALSE(RegelNummer("Jan %", '%', n));
}
