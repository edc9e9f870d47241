// The window's search against the index of an exported site: one rule, so the same cards.
#include "export/kaartzoeker.h"

#include "support/uitvoer.h"
#include "export/zoekregel.h"
#include "export/zoekvouw.h"
#include "export23.h"
#include "zoekdelen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace gdk::test {
namespace {

template <class T, std::size_t N> std::string Kies(const T (&lijst)[N], std::mt19937& r) {
    return lijst[r() % N];
}

class KaartZoekerSite : public Export23 {
  protected:
    // Cards with what collectors' files hold: accents, "ij" and "y", apostrophes and hyphens,
    // particles, signs, unusual dates, and fields past the search's limits. Each has its own
    // image, so its page names it.
    void MaakKaarten() {
        const char* achternamen[] = {"Dijkstra",
                                     "IJsselmuiden",
                                     "D'Hondt",
                                     "D\x92Hondt",
                                     "\xC9loy",
                                     "M\xFC"
                                     "ller",
                                     "Van den Broeck",
                                     "Berg",
                                     "Bergen",
                                     "Smit",
                                     "Smits",
                                     "Stra\xDF"
                                     "e",
                                     "Vries-Bakker",
                                     "'t Hart",
                                     "Zo\xEB",
                                     "Zoe",
                                     "Peeters",
                                     "Yperman",
                                     "\x8Cuvre",
                                     "3 Smit",
                                     "?"};
        const char* voornamen[] = {"Jan",        "Marie-Louise", "Alo\xEFs",       "Ga\xEBtan",
                                   "Zo\xEB",     "IJsbrand",     "Yvonne",         "Henri\xEBtte",
                                   "Jan Pieter", "No\xEBl",      "Johannes (Jan)", "Anna"};
        const char* tussenvoegsels[] = {"", "", "van", "van der", "van 't", "de", "in 't", "ter"};
        const char* plaatsen[] = {"Leuven", "'s-Hertogenbosch", "Sint-Niklaas",       "IJsselstein",
                                  "Zwolle", "Dordrecht",        "M\xF6nchengladbach", "",
                                  "Ieper"};
        const char* data[] = {"", "ca 1895", "ABT 1888", "1914?", "12 MAR 1920", "9.4.1911", "1914-1918"};
        std::mt19937 r(11);
        for (int i = 0; i < 700; ++i) {
            std::string afbeelding = std::to_string(i);
            afbeelding.insert(0, 1, 'k');
            afbeelding += ".jpg";
            const auto datum = [&] {
                if (r() % 4 == 0) return Kies(data, r);
                char t[24];
                std::snprintf(t, sizeof t, "%lu-%lu-%lu", 1 + r() % 28, 1 + r() % 12, 1850 + r() % 170);
                return std::string(t);
            };
            Kaartje({.voornamen = Kies(voornamen, r),
                     .tussenvoegsel = Kies(tussenvoegsels, r),
                     .achternaam = Kies(achternamen, r),
                     .afbeelding = afbeelding,
                     .geboorteDatum = datum(),
                     .overlijdensDatum = datum(),
                     .overlijdensPlaats = Kies(plaatsen, r)});
        }
        // Past the limits: 70 words (the search keeps the first 64 in byte order), a word of 70
        // letters (kept as 64), a field of 300 bytes (read as its first 200).
        std::string veelWoorden;
        for (int i = 0; i < 70; ++i)
            veelWoorden +=
                std::string(1, static_cast<char>('a' + i / 26)) + static_cast<char>('a' + i % 26) + " ";
        Kaartje({.voornamen = veelWoorden, .achternaam = "Veel", .afbeelding = "k-veel.jpg"});
        Kaartje({.voornamen = "Jan", .achternaam = std::string(70, 'w'), .afbeelding = "k-lang.jpg"});
        Kaartje({.voornamen = std::string(195, 'x') + " Hendrikus",
                 .achternaam = "Kort",
                 .afbeelding = "k-kort.jpg"});
        // Not in the window's lists (no first names): left out of the comparison.
        Kaartje({.achternaam = "Zondervoornaam", .afbeelding = "k-zonder.jpg"});
        for (int n = 1; n <= AantalPersonen; ++n)
            Scan(Personen[n].AfbeeldingBestand);
    }
};

TEST_F(KaartZoekerSite, FindsTheCardsTheSitesIndexFinds) {
    ZoekpaginaMaken = true;
    MaakKaarten();
    ASSERT_TRUE(Exporteer(2));
    const ZoekIndexInhoud z = LeesZoekIndex(ZoekBestandenVan(Site(2)));

    // The site's cards as persons: a card's page is named after its image.
    std::map<std::string, int> persoonVanPagina;
    for (int n = 1; n <= AantalPersonen; ++n) {
        const std::string& a = Personen[n].AfbeeldingBestand;
        persoonVanPagina["paginas/k/" + a.substr(0, a.size() - 4) + ".htm"] = n;
    }
    ASSERT_EQ(z.kaarten.size(), static_cast<std::size_t>(AantalPersonen));
    std::vector<int> kaartPersoon;
    std::vector<std::vector<std::string>> kaartWoorden(z.kaarten.size());
    for (const auto& kaart : z.kaarten) {
        ASSERT_TRUE(persoonVanPagina.count(kaart[4])) << kaart[4];
        kaartPersoon.push_back(persoonVanPagina[kaart[4]]);
    }
    for (const auto& [woord, rangen] : z.woorden)
        for (int r : rangen)
            kaartWoorden[static_cast<std::size_t>(r)].push_back(woord);

    std::vector<std::int32_t> inLijst;
    for (int n = 1; n <= AantalPersonen; ++n)
        if (!Personen[n].Voornamen.empty()) inLijst.push_back(n);
    KaartZoeker zoeker;
    zoeker.Bouw(inLijst);

    const std::string vragen[] = {"jan",
                                  "JAN",
                                  "zoe",
                                  "zo\xEB",
                                  "ZO\xCB",
                                  "dijk",
                                  "dyk",
                                  "di",
                                  "dij",
                                  "d ij",
                                  "ij",
                                  "y",
                                  "yp",
                                  "van der berg",
                                  "berg",
                                  "bergen",
                                  "berg van",
                                  "'t hart",
                                  "hart",
                                  "t",
                                  "d'hondt",
                                  "dhondt",
                                  "hondt d",
                                  "d\x92hondt",
                                  "s-hertogenbosch",
                                  "shertogenbosch",
                                  "hertogenbosch",
                                  "1931",
                                  "19",
                                  "188",
                                  "1914 1918",
                                  "ca",
                                  "abt",
                                  "leuven 1931",
                                  "m\xFCller",
                                  "muller",
                                  "strasse",
                                  "stra\xDF"
                                  "e",
                                  "oeuvre",
                                  "\x8Cuvre",
                                  "marie-louise",
                                  "marielouise",
                                  "louise marie",
                                  "jan pieter",
                                  "(jan)",
                                  "johannes jan",
                                  "3",
                                  "3 smit",
                                  "ieper",
                                  "sint niklaas",
                                  "moenchengladbach",
                                  "monchengladbach",
                                  "am",
                                  "bz",
                                  "cr",
                                  "cs",
                                  "veel am",
                                  std::string(64, 'w'),
                                  std::string(65, 'w'),
                                  "hendrikus",
                                  "xxxx",
                                  "zondervoornaam",
                                  "",
                                  "   ",
                                  "!?;--",
                                  std::string(200, 'q'),
                                  "\x01\x02jan\x1F",
                                  "a b c d e",
                                  "xyzzy",
                                  "jan jan jansen"};
    std::size_t gevondenOoit = 0;
    for (const std::string& vraag : vragen) {
        const std::vector<std::string> woorden = VraagWoorden(vraag);
        std::multiset<int> site, venster;
        for (std::size_t r = 0; r < z.kaarten.size(); ++r) {
            if (Personen[kaartPersoon[r]].Voornamen.empty()) continue;
            const bool past =
                !woorden.empty() && std::all_of(woorden.begin(), woorden.end(), [&](const std::string& w) {
                    for (const std::string& vorm : VraagVormen(w))
                        for (const std::string& k : kaartWoorden[r])
                            if (k.compare(0, vorm.size(), vorm) == 0) return true;
                    return false;
                });
            if (past) site.insert(kaartPersoon[r]);
        }
        for (std::int32_t n : zoeker.Zoek(vraag))
            venster.insert(n);
        EXPECT_EQ(venster, site) << "query \"" << vraag << "\"";
        gevondenOoit += !site.empty();
    }
    EXPECT_GT(gevondenOoit, 40u) << "most queries find cards";
}

TEST(KaartZoeker, FindsInTheOrderItWasGivenAndEmptiesWithTheStore) {
    LeegOpslag();
    const char* namen[][2] = {{"Jan", "Smit"}, {"Piet", "Smits"}, {"Jan", "de Smet"}};
    for (const auto& naam : namen) {
        Personen.Nieuw();
        recPersoon& p = Personen.Wijzig(Personen.Gevuld());
        p.Voornamen = naam[0];
        p.Achternaam = naam[1];
    }
    KaartZoeker zoeker;
    zoeker.Bouw({3, 2, 1});
    EXPECT_EQ(zoeker.Zoek("sm"), (std::vector<std::int32_t>{3, 2, 1}));
    EXPECT_EQ(zoeker.Zoek("smit"), (std::vector<std::int32_t>{2, 1}));
    EXPECT_EQ(zoeker.Zoek("jan smi"), (std::vector<std::int32_t>{1}));
    EXPECT_TRUE(zoeker.Zoek("jan piet").empty());
    zoeker.Wis();
    EXPECT_TRUE(zoeker.Zoek("sm").empty());
    LeegOpslag();
}

} // namespace
} // namespace gdk::test
