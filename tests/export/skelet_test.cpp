// The skeleton files of the sites, compared line by line with the texts they must hold.
#include "export/skelet.h"

#include "data/globalen.h"
#include "export/sitemappen.h"
#include "export/tfileman.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "settings/instellingen.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace gdk {
namespace {

using test::Invullingen;
using test::LeesBestand;
using test::MetCrLf;
using test::TijdelijkeMap;
using test::Verwacht;

std::string Samen(const std::vector<std::string>& regels) {
    std::string s;
    for (const auto& r : regels)
        s += r + "\r\n";
    return s;
}

// An expected file beside these tests, with the CR LF line ends the site's files have.
std::string Verwachte(const std::string& naam, const Invullingen& invullingen = {}) {
    return MetCrLf(Verwacht("export/verwacht/" + naam, invullingen));
}

std::size_t Regels(const std::string& tekst) {
    return std::count(tekst.begin(), tekst.end(), '\n');
}

std::vector<std::string> Kop() {
    return {
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">",
        "<HTML>",
        "<HEAD>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">",
        "<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie,Software,Gedenkjes,Gedenkkaarten,Bidprentjes,"
        "Stamboom,Familiegeschiedenis\">",
        "<META NAME=\"description\" CONTENT=\"Velmoran voor Genealogie en Software\">",
        "<META NAME=\"robots\" CONTENT=\"index, follow\">",
        "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
        "SRC=\"tool/script/genealogie.js\"></SCRIPT>",
        "<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"tool/script/genealogie.css\">"};
}

class Skelet : public ::testing::Test {
  protected:
    void SetUp() override {
        StandaardUitvoerTekst();
        inCols = "250";
        miWidth = "40";
        miHeight = "30";
        BeschermenTegenKopieren = false;
    }
    std::string Lees(const std::string& naam) { return LeesBestand(map.pad() / naam); }
    TijdelijkeMap map;
    OpnameGebruiker ui;
};

TEST_F(Skelet, StyleSheetHas275LinesEndingInAClosingBrace) {
    // Rule after rule: selector, "   {", properties, "   }", an empty line between rules.
    const std::string verwacht = Verwachte("genealogie.css");
    ASSERT_EQ(Regels(verwacht), 275u);
    SchrijfStijlblad(map.tekst() + "/", "genealogie.css");
    EXPECT_EQ(Lees("genealogie.css"), verwacht);
}

TEST_F(Skelet, ScriptHasThreeRedirectFunctions) {
    const std::string verwacht = Verwachte("genealogie.js");
    ASSERT_EQ(Regels(verwacht), 24u);
    SchrijfScript(map.tekst(), "/genealogie.js");
    EXPECT_EQ(Lees("genealogie.js"), verwacht);
}

TEST_F(Skelet, RedirectPageOfEachDepth) {
    const struct {
        int diepte;
        const char* voor;
        const char* functie;
    } gevallen[] = {
        {1, "../", "indexeendir()"}, {2, "../../", "indextweedir()"}, {3, "../../../", "indexdriedir()"}};
    for (const auto& g : gevallen) {
        const std::string naam = "index" + std::to_string(g.diepte) + ".htm";
        SchrijfDoorverwijzing(g.diepte, map.tekst() + "/", naam);
        EXPECT_EQ(Lees(naam),
                  Verwachte("doorverwijzing.htm", {{"@TERUG@", g.voor}, {"@FUNCTIE@", g.functie}}))
            << "depth " << g.diepte;
    }
}

TEST_F(Skelet, RedirectPageWhileAPageIsOpen) {
    TekstSchrijver open;
    ASSERT_TRUE(open.Open(map.tekst() + "/open.htm"));
    SchrijfIndexKop(open);
    SchrijfDoorverwijzing(1, map.tekst(), "/index.htm");
    open.Regel("verder");
    open.Sluit();
    std::vector<std::string> verwacht = Kop();
    verwacht.push_back("verder");
    EXPECT_EQ(Lees("open.htm"), Samen(verwacht));
}

TEST_F(Skelet, FramesetTakesTheMenuWidthAsStored) {
    inCols = "20% ";
    SchrijfFrameset(map.tekst(), "/index.htm");
    EXPECT_EQ(Lees("index.htm"), Verwachte("index.htm"));
}

// The banner, menu and welcome pages, each with the copy protection off and on: on, its 40 lines
// and an empty line stand where the expected file says @BEVEILIGING@.
class SkeletBeveiliging : public Skelet, public ::testing::WithParamInterface<bool> {
  protected:
    void SetUp() override {
        Skelet::SetUp();
        BeschermenTegenKopieren = GetParam();
    }
    static std::string Pagina(const std::string& naam, Invullingen invullingen = {}) {
        invullingen.emplace_back("@BEVEILIGING@\n",
                                 GetParam() ? Verwacht("export/verwacht/beveiliging.txt") + "\n" : "");
        return Verwachte(naam, invullingen);
    }
};

TEST_P(SkeletBeveiliging, Banner) {
    SchrijfKopIndex(map.tekst(), "/kopindex.htm");
    const std::string verwacht = Pagina("kopindex.htm");
    EXPECT_EQ(Regels(verwacht), GetParam() ? 9u + 14u + 41u : 9u + 14u);
    EXPECT_EQ(Lees("kopindex.htm"), verwacht);
}

TEST_P(SkeletBeveiliging, LetterMenu) {
    miWidth = "41";
    miHeight = "31";
    SchrijfMenuIndex(map.tekst(), "/menuindex.htm", "Gedenkjes");
    EXPECT_EQ(Lees("menuindex.htm"), Pagina("menuindex.htm"));
}

TEST_P(SkeletBeveiliging, WelcomePageWithOverrideMarkup) {
    const std::string inleiding = "<I>Welkom</I> \xEB";
    UitvoerTekst[ut::InleidingTekst] = inleiding;
    SchrijfInhoudIndex(map.tekst(), "/inhoudindex.htm");
    EXPECT_EQ(Lees("inhoudindex.htm"), Pagina("inhoudindex.htm", {{"@INLEIDING@", inleiding}}));
}

INSTANTIATE_TEST_SUITE_P(Beveiliging, SkeletBeveiliging, ::testing::Bool(),
                         [](const auto& p) { return p.param ? "Aan" : "Uit"; });

// A page that cannot be made stops the export with what it could not make.
TEST_F(Skelet, AFileThatCannotBeCreatedStopsTheExport) {
    map.Schrijf("bestand", "x");
    const std::string map2 = map.tekst() + "/bestand"; // a file, so no folder below it
    try {
        SchrijfStijlblad(map2, "/genealogie.css");
        FAIL() << "no stop";
    } catch (const PaginaNietGemaakt& fout) {
        EXPECT_STREQ(fout.what(), ("Verwerking afgebroken omdat het bestand \r" + map2 +
                                   "//genealogie.css\rniet aangemaakt kon worden.")
                                      .c_str());
    }
    EXPECT_THROW(SchrijfKopIndex(map2, "/kopindex.htm"), PaginaNietGemaakt);
    EXPECT_THROW(SchrijfDoorverwijzing(2, map2, "/index.htm"), PaginaNietGemaakt);
    EXPECT_TRUE(ui.meldingen.empty());
}

TEST(SiteMap, ComposedFromOutputFolderCollectionAndType) {
    UitvoerBestanden = "/uit/";
    CollectieNaam = "kaarten";
    EXPECT_EQ(SiteMapVan(2), "/uit//kaarten/gedenkjes/type 2");
    UitvoerBestanden = "";
    EXPECT_EQ(SiteMapVan(3), "/kaarten/gedenkjes/type 3");
}

TEST(SiteMap, DerivedNamesThatWouldLeaveTheirFolder) {
    for (const char* naam : {"", ".", "..", "a/b", "a\\b", "/"})
        EXPECT_FALSE(IsVeiligeNaam(naam)) << naam;
    EXPECT_FALSE(IsVeiligeNaam(std::string("a\0b", 3)));
    for (const char* naam : {"jan smit.jpg", "...jpg",
                             "\xC9"
                             "cole.jpg",
                             "a"})
        EXPECT_TRUE(IsVeiligeNaam(naam)) << naam;
}

// The names card data gives files of a site: what Windows cannot hold mended, the rest as it was.
TEST(SiteMap, NamesThatCopyToAnyDisk) {
    const struct {
        std::string in, naam, link;
    } gevallen[] = {
        {"Robert? Mullins.jpg", "Robert_ Mullins.jpg", "Robert_ Mullins.jpg"},
        {"A<B>|*:.jpg", "A_B____.jpg", "A_B____.jpg"},
        {"x\"autofocus onfocus=\"y.jpg", "x_autofocus onfocus=_y.jpg", "x_autofocus onfocus=_y.jpg"},
        {std::string("tab\there\x7F.jpg"), "tab_here_.jpg", "tab_here_.jpg"},
        {"Van#Dam 50%.jpg", "Van#Dam 50%.jpg", "Van%23Dam 50%25.jpg"},
        {"smit. . ", "smit", "smit"},
        {"...", "_", "_"},
        {"NUL.jpg", "NUL_.jpg", "NUL_.jpg"},
        {"con", "con_", "con_"},
        {"Lpt9 .tar.gz", "Lpt9_ .tar.gz", "Lpt9_ .tar.gz"},
        {"com\xB9.jpg", "com\xB9_.jpg", "com\xB9_.jpg"},
        // Not device names, and ordinary names: as they were.
        {"Console.jpg", "Console.jpg", "Console.jpg"},
        {"com0.jpg", "com0.jpg", "com0.jpg"},
        {"peeters zo\xEB 1931.jpg", "peeters zo\xEB 1931.jpg", "peeters zo\xEB 1931.jpg"},
        {"'t Hart (1).JPG", "'t Hart (1).JPG", "'t Hart (1).JPG"},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(SiteNaam(g.in), g.naam) << g.in;
        EXPECT_EQ(SiteLink(SiteNaam(g.in)), g.link) << g.in;
    }
    EXPECT_EQ(SiteLink("paginas\\a\\b\"<c.htm"), "paginas\\a\\b&quot;&lt;c.htm");
    EXPECT_EQ(EersteTekenMap("Berg.jpg"), "b");
    EXPECT_EQ(EersteTekenMap(" x.jpg"), "_");
    EXPECT_EQ(EersteTekenMap("\xC9loy"), "\xC9");
}

// The letter that lists a card: the fold of the type 1 folders, or none.
TEST(SiteMap, TheLetterOfASurname) {
    const struct {
        const char* achternaam;
        char letter;
    } gevallen[] = {
        {"Berg", 'b'},         {"berg", 'b'},    {"\xC9loy", 'e'},
        {"\xD6zt\xFCrk", 'o'}, {"'t Hart", 't'}, {" \tSmit", 's'},
        {"?", '\0'},           {"1e", '\0'},     {"", '\0'},
        {"#Dam", '\0'},        {"<B>", '\0'},    {"\xDF", '\0'}, // a letter the fold leaves as it is
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(NaamLetter(g.achternaam), g.letter) << g.achternaam;
}

TEST(TFileMan, CopiesEveryByteWhateverTheSize) {
    TijdelijkeMap map;
    OpnameGebruiker ui;
    TFileMan fm;
    constexpr std::size_t blok = 8193; // the block the copier once read at a time
    for (std::size_t grootte : {std::size_t{0}, std::size_t{1}, blok, blok + 1, 3 * blok + 7}) {
        std::string inhoud(grootte, '\0');
        for (std::size_t i = 0; i < grootte; ++i)
            inhoud[i] = static_cast<char>(i * 31 + 7);
        const std::string bron = map.Schrijf("bron" + std::to_string(grootte), inhoud);
        const std::string doel = map.tekst() + "/doel" + std::to_string(grootte);
        ASSERT_TRUE(fm.KopieerBestand(bron, doel));
        EXPECT_EQ(LeesBestand(doel), inhoud) << grootte;
    }
    EXPECT_TRUE(ui.meldingen.empty());
}

TEST(TFileMan, MissingSourceOrTargetFolderIsReported) {
    TijdelijkeMap map;
    OpnameGebruiker ui;
    TFileMan fm;
    const std::string bron = map.Schrijf("bron.jpg", "x");
    EXPECT_FALSE(fm.KopieerBestand(map.tekst() + "/geen.jpg", map.tekst() + "/doel.jpg"));
    EXPECT_FALSE(fm.KopieerBestand(bron, map.tekst() + "/geen/doel.jpg"));
    ASSERT_EQ(ui.meldingen.size(), 2u);
    EXPECT_EQ(ui.meldingen[0].first, "Het bestand " + map.tekst() + "/geen.jpg is niet aanwezig.");
    EXPECT_EQ(ui.meldingen[1].first, "De directorie " + map.tekst() + "/geen/doel.jpg is niet aanwezig.");
}

} // namespace
} // namespace gdk
