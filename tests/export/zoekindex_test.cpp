// The search index shards: escaping, links, size limit, ranks and words, hostile card fields.
#include "export/zoekindex.h"
#include "support/uitvoer.h"

#include "export/tgdkexporttype2.h"
#include "export/zoekvouw.h"
#include "export23.h"
#include "zoekdelen.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace gdk::test {
namespace {

TEST(ZoekIndex, JsTekstIsAsciiThatCannotEndTheStringOrTheScript) {
    const struct {
        const char* tekst;
        const char* js;
    } gevallen[] = {
        {"Peeters", "\"Peeters\""},
        {"Zo\xEB", "\"Zo\\u00eb\""},
        {"</script><b>", "\"\\u003c/script\\u003e\\u003cb\\u003e\""},
        {"a \"b\" 'c' & d\\e", "\"a \\u0022b\\u0022 \\u0027c\\u0027 \\u0026 d\\u005ce\""},
        {"\x01\t\r\n\x7F", "\"\\u0001\\u0009\\u000d\\u000a\\u007f\""},
        {"\x80 \x9F", "\"\\u20ac \\u0178\""},
        {"", "\"\""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(JsTekst(g.tekst), g.js) << g.tekst;
}

TEST(ZoekIndex, LinksArePercentEncodedUtf8AsTheFilesLieOnDisk) {
    EXPECT_EQ(UrlPad("paginas/p/peeters zo\xEB 1931.htm"), "paginas/p/peeters%20zo%C3%AB%201931.htm");
    EXPECT_EQ(UrlPad("paginas/\xC9/\xC9loy.htm"), "paginas/%C3%89/%C3%89loy.htm");
    EXPECT_EQ(UrlPad("inhoudb.htm"), "inhoudb.htm");
    EXPECT_EQ(UrlPad("a#b?c%d\"e<f'g"), "a%23b%3Fc%25d%22e%3Cf%27g");
}

// Many invented cards, in rank order as an export hands them over.
std::vector<ZoekKaart> Kaarten(int n) {
    const char* achternamen[] = {"Aarts",    "Bakker",  "Berg", "Claes",  "Dijkstra", "Jansen",
                                 "Janssens", "Peeters", "Smit", "Visser", "Vos",      "Wouters"};
    const char* voornamen[] = {"Jan", "Maria", "Petrus", "Johanna", "Zo\xEB", "Hendrik"};
    std::mt19937 r(7);
    std::vector<ZoekKaart> kaarten;
    for (int a = 0; a < 12; ++a)
        for (int i = 0; i < n / 12; ++i) {
            ZoekKaart k;
            k.naam = std::string(voornamen[r() % 6]) + " " + achternamen[a];
            k.geboren = "1-1-" + std::to_string(1850 + r() % 100);
            k.overleden = "2-2-1900"; // one word on every card: more ranks than one shard holds
            k.plaats = "Leuven";
            k.link = "paginas/x/" + std::to_string(kaarten.size()) + ".htm";
            k.achternaam = VouwAaneen(achternamen[a]);
            ZoekWoorden(k.naam + " " + k.plaats, k.woorden);
            ZoekJaren(k.geboren + " " + k.overleden, k.woorden);
            std::sort(k.woorden.begin(), k.woorden.end());
            k.woorden.erase(std::unique(k.woorden.begin(), k.woorden.end()), k.woorden.end());
            kaarten.push_back(k);
        }
    return kaarten;
}

TEST(ZoekIndex, ShardsStayUnderTheLimitAndHoldEveryCardAndWord) {
    for (const std::size_t limiet : {std::size_t{4096}, ZoekDeelLimiet}) {
        const std::vector<ZoekKaart> kaarten = Kaarten(12000);
        std::map<std::string, std::string> bestanden;
        std::vector<std::string> volgorde;
        MaakZoekBestanden(kaarten, limiet, [&](const std::string& naam, const std::string& inhoud) {
            EXPECT_TRUE(bestanden.emplace(naam, inhoud).second) << "two shards named " << naam;
            volgorde.push_back(naam);
            // (The table of contents lists every shard: only a toy limit lets it pass the limit.)
            if (naam != "inhoud" || limiet == ZoekDeelLimiet) {
                EXPECT_LE(inhoud.size() + 2, limiet) << naam;
            }
            for (char c : inhoud)
                ASSERT_TRUE(c >= 0x20 && c < 0x7F) << naam;
            for (char c : naam)
                EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') << naam;
        });
        EXPECT_EQ(volgorde.back(), "inhoud") << "the table of contents comes last";
        const ZoekIndexInhoud z = LeesZoekIndex(bestanden);

        ASSERT_EQ(z.kaarten.size(), kaarten.size());
        for (std::size_t r = 0; r < kaarten.size(); ++r)
            EXPECT_EQ(z.kaarten[r][4], kaarten[r].link);
        // A card shard holds surnames of one first letter.
        for (const JsWaarde& k : z.inhoud.velden.at("kaarten").lijst) {
            const std::size_t eerste = static_cast<std::size_t>(k.lijst[1].getal);
            EXPECT_EQ(k.lijst[0].tekst.substr(0, 3), "k-" + kaarten[eerste].achternaam.substr(0, 1));
        }
        if (limiet == ZoekDeelLimiet) {
            EXPECT_EQ(z.inhoud.velden.at("kaarten").lijst.size(), 9u) << "one a letter";
        }

        std::map<std::string, std::vector<int>> verwacht;
        for (std::size_t r = 0; r < kaarten.size(); ++r)
            for (const std::string& w : kaarten[r].woorden)
                verwacht[w].push_back(static_cast<int>(r));
        EXPECT_EQ(z.woorden, verwacht);
        EXPECT_EQ(z.woorden.at("1900").size(), kaarten.size());
    }
}

TEST(ZoekIndex, AnEmptyCollectionGivesAnEmptyIndex) {
    std::map<std::string, std::string> bestanden;
    MaakZoekBestanden({}, ZoekDeelLimiet,
                      [&](const std::string& naam, const std::string& inhoud) { bestanden[naam] = inhoud; });
    ASSERT_EQ(bestanden.size(), 1u);
    EXPECT_EQ(bestanden["inhoud"], "gdkZoekDeel(\"inhoud\",{\"aantal\":0,\"kaarten\":[],\"woorden\":[]});");
}

class ZoekIndexExport : public Export23 {};

TEST_F(ZoekIndexExport, HostileFieldsReachTheShardsOnlyAsEscapedText) {
    ZoekpaginaMaken = true;
    const std::string boos = "</script><script>alert(\"x\")</script>&amp;\\'\x01\x1F\x7F";
    Kaartje({.voornamen = boos,
             .achternaam = "Boos" + boos,
             .afbeelding = "boos.jpg",
             .overlijdensDatum = "1-1-1931" + boos,
             .overlijdensPlaats = "Leuven" + boos});
    Scan("boos.jpg");
    Kaartje({.voornamen = std::string(100000, 'x'), .achternaam = "Lang", .afbeelding = "lang.jpg"});
    ASSERT_TRUE(Exporteer(2));

    const auto bestanden = ZoekBestandenVan(Site(2));
    for (const auto& [naam, inhoud] : bestanden) {
        EXPECT_LE(inhoud.size(), ZoekDeelLimiet) << naam;
        for (char c : inhoud.substr(0, inhoud.size() - 2))
            ASSERT_TRUE(c >= 0x20 && c < 0x7F && c != '<' && c != '>' && c != '&' && c != '\'') << naam;
    }
    const ZoekIndexInhoud z = LeesZoekIndex(bestanden);
    ASSERT_EQ(z.kaarten.size(), 2u);
    // The name comes back whole, control bytes and all, for the page to show as text.
    EXPECT_EQ(z.kaarten[0][0], "</script><script>alert(\"x\")</script>&amp;\\'\x01\x1F\x7F Boos</script>"
                               "<script>alert(\"x\")</script>&amp;\\'\x01\x1F\x7F");
    EXPECT_EQ(z.kaarten[0][4], "paginas/b/boos.htm");
    EXPECT_EQ(z.kaarten[1][0].size(), 200u + std::string(" Lang").size()) << "a field is cut at 200 bytes";
    EXPECT_TRUE(z.woorden.count("1931"));
    EXPECT_TRUE(z.woorden.count("leuven"));
    EXPECT_TRUE(z.woorden.count("boosscript") || z.woorden.count("boos"));
}

TEST_F(ZoekIndexExport, ACardWithoutImagePageLinksToItsLetterPage) {
    ZoekpaginaMaken = true;
    Kaartje({.voornamen = "Jan", .achternaam = "Smit", .afbeelding = "ontbreekt.jpg"});
    Kaartje({.voornamen = "Piet", .achternaam = "3 Smit", .afbeelding = "ook.jpg"});
    Kaartje({.voornamen = "Anna", .achternaam = "Aarts", .afbeelding = "aarts.jpg"});
    Scan("aarts.jpg");
    ASSERT_TRUE(Exporteer(2));
    const ZoekIndexInhoud z = LeesZoekIndex(ZoekBestandenVan(Site(2)));
    ASSERT_EQ(z.kaarten.size(), 3u);
    // Letter-page order: a surname that starts with a digit before the letters.
    EXPECT_EQ(z.kaarten[0][4], "inhouda.htm") << "a surname without a letter is listed on A's page";
    EXPECT_EQ(z.kaarten[1][4], "paginas/a/aarts.htm");
    EXPECT_EQ(z.kaarten[2][4], "inhouds.htm");
}

} // namespace
} // namespace gdk::test
