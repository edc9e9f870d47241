// The type 4 site: its addresses, its text rule, and small collections exported end to end.
#include "export/type4site.h"

#include "export/type4adres.h"
#include "export/type4html.h"
#include "export/uitvoeren.h"
#include "export23.h"
#include "support/linkcontrole.h"

#include <regex>

namespace gdk::test {
namespace {

using type4::AdresDeel;

TEST(Type4Adres, LowercaseAsciiLettersDigitsAndHyphens) {
    const struct {
        std::string in, uit;
    } gevallen[] = {
        {"Zo\xEB Peeters", "zoe-peeters"},
        {"D'Hondt", "dhondt"},
        {"  Van der -- Berg  ", "van-der-berg"},
        {"\xC6sop \xDF", "aesop-ss"},
        {"../../etc/passwd", "etc-passwd"},
        {"a\x01\x7F"
         "b",
         "a-b"},
        {"???", ""},
        {"", ""},
        {std::string(100000, 'x'), std::string(type4::MaxAdresDeel, 'x')},
        {"aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn oooo pppp qqqq",
         "aaaa-bbbb-cccc-dddd-eeee-ffff-gggg-hhhh-iiii-jjjj-kkkk-llll-mmmm-nnnn-oooo-pppp"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(AdresDeel(g.in), g.uit) << g.in.substr(0, 40);
}

TEST(Type4Adres, UniqueInTheOrderAskedAndAFolderFixedByTheAddress) {
    type4::UniekeAdressen a;
    EXPECT_EQ(a.Uniek("jansen"), "jansen");
    EXPECT_EQ(a.Uniek("jansen-2"), "jansen-2");
    EXPECT_EQ(a.Uniek("jansen"), "jansen-3"); // "-2" was a name of its own already
    EXPECT_EQ(a.Uniek("jansen"), "jansen-4");
    EXPECT_EQ(a.Uniek("nul"), "nul-2"); // no Windows disk holds a file "nul.html"
    EXPECT_EQ(a.Uniek("com1"), "com1-2");
    EXPECT_EQ(a.Uniek("nul"), "nul-3");
    EXPECT_EQ(type4::MapVan("jan-smit-1901"), type4::MapVan("jan-smit-1901"));
    EXPECT_TRUE(std::regex_match(type4::MapVan("x"), std::regex("[0-9a-f]{2}")));
}

TEST(Type4Html, FieldsAsValidHtmlByTheRuleOfEveryLayout) {
    const struct {
        const char* in;
        const char* html;
        const char* kaal;
    } gevallen[] = {
        {"<b>vet", "<b>vet</b>", "vet"},
        {"einde</i>", "einde", "einde"},
        {"<b><i>x</b>y</i>", "<b><i>x</i></b>y", "xy"},
        {"<BR/>regel", "<br>regel", "regel"},
        {"<script>alert(1)</script>", "&lt;script>alert(1)&lt;/script>",
         "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"\"x\" onload=", "\"x\" onload=", "&quot;x&quot; onload="},
        {"AT&T &copy; &eacute; &#233; &#x1F600; &#0; &bogus;",
         "AT&amp;T &copy; &eacute; &#233; &#x1F600; &amp;#0; &amp;bogus;",
         "AT&amp;T &copy; &eacute; &#233; &#x1F600; &amp;#0; &amp;bogus;"},
        {"a\x01"
         "b\x81"
         "c",
         "a b c", "a b c"},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(type4::Html(g.in), g.html) << g.in;
        EXPECT_EQ(type4::Kaal(g.in), g.kaal) << g.in;
    }
}

TEST(Type4Html, WebAddressOfTheSetting) {
    EXPECT_EQ(type4::WebAdresVan(""), "");
    EXPECT_EQ(type4::WebAdresVan("  https://x.org/gedenkjes "), "https://x.org/gedenkjes/");
    EXPECT_EQ(type4::WebAdresVan("www.x.org"), "https://www.x.org/");
    EXPECT_EQ(type4::WebAdresVan("http://x.org/zo\xEB/"), "http://x.org/zo%C3%AB/");
    EXPECT_EQ(type4::WebAdresVan("ftp://x.org/"), "");
    EXPECT_EQ(type4::WebAdresVan("https://x.org/\"onload=x"), "");
}

class Type4 : public Export23 {
  protected:
    void SetUp() override {
        Export23::SetUp();
        CodeGedenkjeVoorkant = "_v";
        CodeGedenkjeAchterkant = "_a";
        CodeFotoosVoorkant = "_f";
        WebAdres.clear();
    }
    void TearDown() override {
        WebAdres.clear();
        Export23::TearDown();
    }
    std::string Lees4(const std::string& relatief) const { return Lees(4, relatief); }
    // The card page files, below kaart/.
    std::vector<std::string> KaartPaginas() const {
        std::vector<std::string> v;
        for (const std::string& b : Bestanden(Site(4)))
            if (b.rfind("kaart/", 0) == 0) v.push_back(b);
        return v;
    }
    std::string KaartPagina(const std::string& adres) const {
        for (const std::string& b : KaartPaginas())
            if (b.size() > adres.size() && b.compare(b.size() - adres.size(), adres.size(), adres) == 0)
                return Lees4(b);
        ADD_FAILURE() << "geen kaartpagina " << adres;
        return {};
    }
};

std::string Jpeg(int b, int h) {
    const auto b16 = [](int n) {
        return std::string{static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)};
    };
    return std::string("\xFF\xD8\xFF\xC0\x00\x0B\x08", 7) + b16(h) + b16(b) +
           std::string("\x01\x01\x11\x00", 4);
}

TEST_F(Type4, TheSiteOfASmallCollection) {
    Scan("BergJ_v.jpg", Jpeg(600, 900));
    Scan("BergJ_a.jpg", Jpeg(600, 901));
    Scan("BergJVanDer19200305_f.jpg", Jpeg(300, 400));
    Kaartje(Kaart{.voornamen = "Jan",
                  .tussenvoegsel = "van der",
                  .achternaam = "Berg",
                  .afbeelding = "BergJ_v.jpg",
                  .geboorteDatum = "05-03-1920",
                  .geboortePlaats = "Utrecht",
                  .overlijdensDatum = "12-11-1987",
                  .overlijdensPlaats = "Utrecht"});
    Scan("scan.jpg", Jpeg(10, 20));
    const int zoe = Kaartje(Kaart{.voornamen = "Zo\xEB", .achternaam = "\xC9loy", .afbeelding = "scan.jpg"});
    const int partner = Kaartje(Kaart{.voornamen = "Piet", .achternaam = "Smit"});
    Personen.Wijzig(partner).Nummer = 0; // a partner: no card of its own
    Trouw(partner, zoe);
    Kaartje(Kaart{.voornamen = "Ann", .achternaam = "?", .afbeelding = "scan.jpg"}); // shares the scan
    Kaartje(Kaart{.voornamen = "Jan",
                  .tussenvoegsel = "van der",
                  .achternaam = "Berg",
                  .afbeelding = "weg.jpg",
                  .geboorteDatum = "1920",
                  .overlijdensDatum = "1987"}); // same address, no image
    Scan("kapot_v.jpg", "geen beeld");
    Kaartje(Kaart{.voornamen = "Kees", .achternaam = "Kapot", .afbeelding = "kapot_v.jpg"});
    Scan("zonder_a.png", Jpeg(5, 5)); // a back whose front is missing
    Kaartje(Kaart{.voornamen = "Zus", .achternaam = "Zonder", .afbeelding = "zonder_v.jpg"});
    ASSERT_TRUE(UitvoerenCommando(4));
    EXPECT_EQ(ui.links.back(), "  gedenkjes : 6");

    // Letters: Éloy under E, "?" first under A, nothing under Q (shown, not linked).
    const std::string start = Lees4("index.html");
    EXPECT_NE(start.find("<html lang=\"nl\">"), std::string::npos);
    EXPECT_NE(start.find("<a href=\"letter/e.html\">E</a>"), std::string::npos);
    EXPECT_NE(start.find("<span title=\"Geen gedenkjes onder de Q\">Q</span>"), std::string::npos);
    EXPECT_NE(start.find("Deze verzameling telt 6 gedenkjes."), std::string::npos);
    EXPECT_NE(Lees4("letter/a.html").find("<h2 id=\"n-zonder\">?</h2>"), std::string::npos);
    EXPECT_NE(Lees4("letter/e.html").find("Zo\xC3\xAB \xC3\x89loy"), std::string::npos) << "UTF-8";

    // Both Jan van der Bergs, the first in reading order at the plain address.
    const std::string b = Lees4("letter/b.html");
    EXPECT_NE(b.find("<h2 id=\"n-berg-van-der\">Berg, van der</h2>"), std::string::npos);
    const std::string jan = KaartPagina("/jan-van-der-berg-1920-1987.html");
    EXPECT_NE(KaartPagina("/jan-van-der-berg-1920-1987-2.html").find("geen afbeelding aanwezig"),
              std::string::npos);

    // The three faces together, with sizes from the headers and names of the face and person.
    EXPECT_NE(jan.find("width=\"600\" height=\"900\" style=\"width:400px\" alt=\"Voorkant van het gedenkje "
                       "van Jan van der Berg\""),
              std::string::npos);
    EXPECT_NE(jan.find("width=\"600\" height=\"901\" style=\"width:400px\" alt=\"Achterkant van het gedenkje "
                       "van Jan van der Berg\" "
                       "loading=\"lazy\""),
              std::string::npos);
    EXPECT_NE(jan.find("alt=\"Foto van Jan van der Berg\""), std::string::npos);
    EXPECT_NE(jan.find("\"birthDate\":\"1920-03-05\""), std::string::npos);
    EXPECT_NE(jan.find("<li>geboren op 05-03-1920 te Utrecht</li>"), std::string::npos);
    EXPECT_EQ(jan.find("rel=\"canonical\""), std::string::npos);
    EXPECT_EQ(jan.find("og:"), std::string::npos);
    EXPECT_NE(KaartPagina("/zoe-eloy.html").find("relatie met <strong>Piet Smit</strong>"),
              std::string::npos);
    // A header that cannot be read: no size; a back without its front is shown.
    EXPECT_EQ(KaartPagina("/kees-kapot.html").find(" width=\""), std::string::npos);
    EXPECT_NE(KaartPagina("/zus-zonder.html").find("Achterkant van het gedenkje van Zus Zonder"),
              std::string::npos);

    // The scan that two cards share is copied once; nothing of the sitemap without an address.
    std::size_t scans = 0;
    for (const std::string& f : Bestanden(Site(4))) {
        if (f.find("/scan.jpg") != std::string::npos) ++scans;
        EXPECT_TRUE(std::regex_match(f, std::regex("[a-z0-9/.-]+"))) << f;
    }
    EXPECT_EQ(scans, 1u);
    EXPECT_FALSE(std::filesystem::exists(Site(4) / "sitemap.xml"));
    EXPECT_FALSE(std::filesystem::exists(Site(4) / "robots.txt"));
    EXPECT_EQ(KapotteLinks(Site(4)), std::vector<std::string>{});
    EXPECT_GT(AantalGecontroleerdeLinks(), 100u);

    // Refused a second time, as every layout.
    ui.meldingen.clear();
    EXPECT_FALSE(UitvoerenCommando(4));
    ASSERT_FALSE(ui.meldingen.empty());
    EXPECT_NE(ui.meldingen[0].first.find("gedenkjes/type 4 bestaat al."), std::string::npos);
}

TEST_F(Type4, WithAWebAddressASitemapCanonicalAddressesAndSharingData) {
    WebAdres = "https://www.example.org/gedenkjes";
    Scan("a_v.jpg", Jpeg(60, 90));
    Kaartje(Kaart{.voornamen = "Jan", .achternaam = "Aa", .afbeelding = "a_v.jpg"});
    ASSERT_TRUE(UitvoerenCommando(4));
    const std::string kaart = KaartPagina("/jan-aa.html");
    const std::smatch m = [&] {
        std::smatch r;
        std::regex_search(kaart, r, std::regex("<link rel=\"canonical\" href=\"([^\"]*)\">"));
        return r;
    }();
    ASSERT_FALSE(m.empty());
    EXPECT_TRUE(std::regex_match(
        m[1].str(), std::regex("https://www\\.example\\.org/gedenkjes/kaart/[0-9a-f]{2}/jan-aa\\.html")));
    EXPECT_TRUE(std::regex_search(
        kaart, std::regex("<meta property=\"og:image\" content=\"https://www\\.example\\.org/"
                          "gedenkjes/beeld/[0-9a-f]{2}/a-v\\.jpg\">")));
    EXPECT_EQ(Lees4("robots.txt"),
              "User-agent: *\nAllow: /\nSitemap: https://www.example.org/gedenkjes/sitemap.xml\n");
    EXPECT_NE(Lees4("sitemap.xml").find("<loc>https://www.example.org/gedenkjes/sitemap-1.xml</loc>"),
              std::string::npos);
    const std::string adressen = Lees4("sitemap-1.xml");
    EXPECT_NE(adressen.find("<loc>https://www.example.org/gedenkjes/</loc>"), std::string::npos);
    EXPECT_NE(adressen.find("<loc>" + m[1].str() + "</loc>"), std::string::npos);
    // The 404 page resolves its links from the site's address wherever a server shows it.
    const std::string niet = Lees4("404.html");
    EXPECT_NE(niet.find("<base href=\"https://www.example.org/gedenkjes/\">"), std::string::npos);
    EXPECT_NE(niet.find("<meta name=\"robots\" content=\"noindex\">"), std::string::npos);
}

TEST_F(Type4, NoCardsStillASite) {
    ASSERT_TRUE(UitvoerenCommando(4));
    EXPECT_NE(Lees4("index.html").find("Deze verzameling bevat nog geen gedenkjes."), std::string::npos);
    EXPECT_EQ(Lees4("index.html").find("letter/"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(Site(4) / "zoeken.html"));
    EXPECT_TRUE(std::filesystem::exists(Site(4) / "tool/zoeken/inhoud.js"));
}

// A letter of more than 500 cards gets numbered pages with a pager; every card is on one of them,
// and its trail leads to the page and heading it is on.
TEST_F(Type4, ALongLetterInPagesOfAtMost500) {
    Scan("j.jpg");
    for (int i = 0; i < 1203; ++i)
        Kaartje(Kaart{.voornamen = "Kind" + std::to_string(i),
                      .achternaam = i < 700 ? "Jansen" : "Jong",
                      .afbeelding = "j.jpg"});
    ASSERT_TRUE(UitvoerenCommando(4));
    std::set<std::string> gelinkt;
    for (const char* pagina : {"letter/j.html", "letter/j-2.html", "letter/j-3.html"}) {
        const std::string s = Lees4(pagina);
        ASSERT_FALSE(s.empty()) << pagina;
        EXPECT_NE(s.find("<nav class=\"bladeren\""), std::string::npos);
        const std::regex link("<a href=\"\\.\\./(kaart/[^\"]+)\">");
        for (auto i = std::sregex_iterator(s.begin(), s.end(), link); i != std::sregex_iterator(); ++i) {
            gelinkt.insert((*i)[1].str());
            EXPECT_NE(Lees4((*i)[1].str()).find("href=\"../../" + std::string(pagina) + "#n-j"),
                      std::string::npos)
                << (*i)[1].str() << " leidt niet naar " << pagina;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(Site(4) / "letter/j-4.html"));
    EXPECT_NE(Lees4("letter/j-2.html").find("<a href=\"#n-jansen\">Jansen</a>"), std::string::npos);
    EXPECT_NE(Lees4("letter/j-2.html").find("<a href=\"#n-jong\">Jong</a>"), std::string::npos);
    const std::vector<std::string> paginas = KaartPaginas();
    EXPECT_EQ(paginas.size(), 1203u);
    EXPECT_EQ(gelinkt, std::set<std::string>(paginas.begin(), paginas.end()));
}

// The hostile names of the safety tests: no live script and no broken attribute, names that fold
// to nothing or hold separators still give pages of their own.
TEST_F(Type4, HostileFieldsStayText) {
    Scan("x.jpg");
    const std::string aanval = "<script>alert(1)</script>\"><img src=x onerror=alert(2)>";
    Kaartje(Kaart{.voornamen = aanval,
                  .achternaam = "'\"onmouseover=\"alert(3)",
                  .afbeelding = "x.jpg",
                  .overlijdensPlaats = aanval});
    Kaartje(Kaart{.voornamen = "../..", .achternaam = "/", .afbeelding = "x.jpg"});
    Kaartje(Kaart{.voornamen = "???", .achternaam = "\x01\x02", .afbeelding = "x.jpg"});
    ASSERT_TRUE(UitvoerenCommando(4));
    const std::vector<std::string> paginas = KaartPaginas();
    EXPECT_EQ(paginas.size(), 3u);
    for (const std::string& f : Bestanden(Site(4))) {
        if (f.size() < 5 || f.substr(f.size() - 5) != ".html") continue;
        const std::string s = Lees4(f);
        // Only the program's own scripts, and no tag with an event attribute.
        const std::regex script("<script([^>]*)>"),
            gebeurtenis("<[a-z]+(\\s+[a-z:-]+(=\"[^\"]*\")?)*\\s+on[a-z]+=");
        for (auto i = std::sregex_iterator(s.begin(), s.end(), script); i != std::sregex_iterator(); ++i)
            EXPECT_TRUE(std::regex_match(
                (*i)[1].str(), std::regex(" type=\"application/ld\\+json\"| src=\"[./a-z]+\\.js\"( defer)?")))
                << f << ": " << (*i)[0].str();
        std::smatch m;
        EXPECT_FALSE(std::regex_search(s, m, gebeurtenis)) << f << ": " << m.str();
        EXPECT_EQ(s.find('\x01'), std::string::npos) << f;
    }
    EXPECT_EQ(KapotteLinks(Site(4)), std::vector<std::string>{});
}

} // namespace
} // namespace gdk::test
