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

#include <string>
#include <vector>

namespace gdk {
namespace {

using test::LeesBestand;
using test::TijdelijkeMap;
using test::VerwachteRegels;

std::string Samen(const std::vector<std::string>& regels) {
    std::string s;
    for (const auto& r : regels)
        s += r + "\r\n";
    return s;
}

// The copy protection's 40 lines, as written beside the tests.
const std::vector<std::string> Script40 = VerwachteRegels("beveiliging.txt");

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

void Voeg(std::vector<std::string>& a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
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
    // Written out from the rule table: selector, "   {", properties, "   }", empty line between rules.
    const std::string A = "      font-family: Arial;", N = "      font-weight: normal;",
                      L = "      font-weight: light;", B = "      font-weight: bold;",
                      p8 = "      font-size: 8pt;", p10 = "      font-size: 10pt;",
                      p13 = "      font-size: 13pt;", p14 = "      font-size: 14pt;",
                      blauw = "      color: #0000FF;", rood = "      color: #FF3300;",
                      paars = "      color: #FF00FF;";
    const std::vector<std::string> blok = {"      word-spacing: 0;", "      line-height: 110%;",
                                           "      margin-top: 0;", "      margin-bottom: 0;"};
    struct R {
        std::string sel;
        std::vector<std::string> props;
        bool blok;
    };
    const std::vector<R> regels = {
        {"BODY", {A, N, p10}, true},
        {"H6.kop", {A, N, p14}, true},
        {"H6.standaard", {A, N, p10}, true},
        {"H6.vader", {A, N, p13}, true},
        {"OL.vtekst", {A, N, p10}, true},
        {"OL.vmhuwelijk", {A, N, p10}, true},
        {"H6.moeder", {A, N, p13}, true},
        {"OL.mtekst", {A, N, p10}, true},
        {"H6.kinderen", {A, N, p10}, false},
        {"OL.kinderen", {A, N, p10}, true},
        {"LI.kinderen", {A, N, p10}, true},
        {"LI.aantekening", {A, N, p8}, true},
        {"H6.copyright", {A, N, p8}, true},
        {"H6.foto", {A, L, p10}, false},
        {"TD.inhoud", {A, L, p10}, false},
        {"TD.medewerker", {A, L, p8}, false},
        {"A:link", {blauw, A, B}, false},
        {"A:visited", {rood, A, B}, false},
        {"A:active", {rood, A, B}, false},
        {"A:hover", {rood, A, B}, false},
        {"A:link.1", {blauw, A, N}, true},
        {"A:visited.1", {rood, A, N}, true},
        {"A:active.1",
         {rood, A, N, "      word-spacing: 0;", "      line-height: 110%;", "      margin-top: 0;",
          "      margin-bottom: 0"},
         false},
        {"A:hover.1", {rood, A, N}, true},
        {"A:link.2", {blauw, A, N}, true},
        {"A:visited.2", {paars, A, N}, true},
        {"A:active.2", {paars, A, N}, true},
        {"A:hover.2", {paars, A, N}, true},
    };
    std::vector<std::string> verwacht;
    for (std::size_t i = 0; i < regels.size(); ++i) {
        if (i > 0) verwacht.push_back("");
        verwacht.push_back(regels[i].sel);
        verwacht.push_back("   {");
        Voeg(verwacht, regels[i].props);
        if (regels[i].blok) Voeg(verwacht, blok);
        verwacht.push_back("   }");
    }
    ASSERT_EQ(verwacht.size(), 275u);
    ASSERT_TRUE(SchrijfStijlblad(map.tekst() + "/", "genealogie.css"));
    EXPECT_EQ(Lees("genealogie.css"), Samen(verwacht));
}

TEST_F(Skelet, ScriptHasThreeRedirectFunctions) {
    std::vector<std::string> verwacht;
    for (const auto& [naam, terug] : std::vector<std::pair<std::string, std::string>>{
             {"indexeendir()", "../"}, {"indextweedir()", "../../"}, {"indexdriedir()", "../../../"}})
        Voeg(verwacht, {"", "function " + naam, "{", "   if( document.location == top.location)", "   {",
                        "      top.location.replace(\"" + terug + "index.htm\");", "   }", "}"});
    ASSERT_EQ(verwacht.size(), 24u);
    ASSERT_TRUE(SchrijfScript(map.tekst(), "/genealogie.js"));
    EXPECT_EQ(Lees("genealogie.js"), Samen(verwacht));
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
        ASSERT_TRUE(SchrijfDoorverwijzing(g.diepte, map.tekst() + "/", naam));
        const std::string p = g.voor;
        EXPECT_EQ(Lees(naam),
                  Samen({"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">", "<HTML>", "<HEAD>",
                         "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" SRC=\"" + p +
                             "tool/script/genealogie.js\"></SCRIPT>",
                         "</HEAD>",
                         "<BODY BACKGROUND=\"" + p + "tool/achtergrond/achtergrond.jpg\" ONLOAD=\"" +
                             g.functie + "\">",
                         "</BODY>", "</HTML>"}))
            << "depth " << g.diepte;
    }
}

TEST_F(Skelet, RedirectPageWhileAPageIsOpen) {
    TekstSchrijver open;
    ASSERT_TRUE(open.Open(map.tekst() + "/open.htm"));
    SchrijfIndexKop(open);
    ASSERT_TRUE(SchrijfDoorverwijzing(1, map.tekst(), "/index.htm"));
    open.Regel("verder");
    open.Sluit();
    std::vector<std::string> verwacht = Kop();
    verwacht.push_back("verder");
    EXPECT_EQ(Lees("open.htm"), Samen(verwacht));
}

TEST_F(Skelet, FramesetTakesTheMenuWidthAsStored) {
    inCols = "20% ";
    ASSERT_TRUE(SchrijfFrameset(map.tekst(), "/index.htm"));
    std::vector<std::string> verwacht = Kop();
    Voeg(verwacht, {"<TITLE>Gedenkjes</TITLE>", "</HEAD>", "",
                    "<FRAMESET FRAMEBORDER=\"0\" FRAMESPACING=\"0\" BORDER=\"0\" ROWS=\"125,*\">",
                    "   <FRAME NAME=\"kopindex\" SRC=\"kopindex.htm\" SCROLLING=\"no\" NORESIZE>",
                    "      <FRAMESET COLS=\"20% ,*\">",
                    "         <FRAME NAME=\"menuindex\" SRC=\"menuindex.htm\" SCROLLING=\"auto\">",
                    "         <FRAME NAME=\"inhoudindex\" SRC=\"inhoudindex.htm\" SCROLLING=\"auto\">",
                    "      </FRAMESET>", "   <NOFRAMES>", "      <BODY>",
                    "         <P>Op deze pagina worden frames gebruikt, maar uw browser ondersteunt geen "
                    "frames.</P>",
                    "      </BODY>", "   </NOFRAMES>", "</FRAMESET>", "", "</HTML>"});
    EXPECT_EQ(Lees("index.htm"), Samen(verwacht));
}

// The banner, menu and welcome pages, each with the copy protection off and on.
class SkeletBeveiliging : public Skelet, public ::testing::WithParamInterface<bool> {};

TEST_P(SkeletBeveiliging, Banner) {
    BeschermenTegenKopieren = GetParam();
    ASSERT_TRUE(SchrijfKopIndex(map.tekst(), "/kopindex.htm"));
    std::vector<std::string> verwacht = Kop();
    Voeg(verwacht, {"<TITLE>KopIndex</TITLE>", "<BASE TARGET=\"kopindex\">", "</HEAD>", ""});
    if (GetParam()) {
        Voeg(verwacht, Script40);
        verwacht.push_back("");
    }
    Voeg(verwacht,
         {"<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">", "", "   <BR>", "   <P ALIGN=\"center\">",
          "   <IMG BORDER=\"0\" SRC=\"tool/image/afbeelding.jpg\" ALT=\"Gedenkjes\" HSPACE=\"30\" "
          "WIDTH=\"600\" HEIGHT=\"60\">",
          "   </P>", "", "</BODY>", "", "</HTML>"});
    EXPECT_EQ(verwacht.size(), GetParam() ? 9u + 14u + 41u : 9u + 14u);
    EXPECT_EQ(Lees("kopindex.htm"), Samen(verwacht));
}

TEST_P(SkeletBeveiliging, LetterMenu) {
    BeschermenTegenKopieren = GetParam();
    miWidth = "41";
    miHeight = "31";
    ASSERT_TRUE(SchrijfMenuIndex(map.tekst(), "/menuindex.htm", "Gedenkjes"));
    std::vector<std::string> verwacht = Kop();
    Voeg(verwacht, {"<TITLE>menuIndex</TITLE>", "<BASE TARGET=\"menuindex\">", "</HEAD>", ""});
    if (GetParam()) {
        Voeg(verwacht, Script40);
        verwacht.push_back("");
    }
    Voeg(verwacht,
         {"<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">", "",
          "   <TABLE BORDER=\"0\" WIDTH=\"100\" CELLSPACING=\"6\" CELLPADDING=\"0\">", "      <TR>",
          "         <TD WIDTH=\"100%\">",
          "         <A TARGET=\"inhoudindex\" HREF=\"inhoudindex.htm\">Gedenkjes</A>", "         </TD>",
          "      </TR>", "   </TABLE>", "   <BR><BR>", "   <TABLE BORDER=\"1\" ALIGN=\"center\">"});
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int rij = 0; rij < 9; ++rij) {
        verwacht.push_back("   <TR>");
        for (int k = 0; k < 3; ++k) {
            const int n = rij * 3 + k;
            verwacht.push_back("      <TD WIDTH=\"41\" HEIGHT=\"31\" ALIGN=\"center\">");
            verwacht.push_back("      <H6 CLASS=\"standaard\">");
            if (n < 26) {
                const std::string X(1, letters[n]);
                const std::string x(1, static_cast<char>(letters[n] + 32));
                verwacht.push_back("      <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"inhoud" + x +
                                   ".htm\"><B>" + X + "</B></A>");
            } else {
                verwacht.push_back("      ");
            }
            verwacht.push_back("      </H6>");
            verwacht.push_back("      </TD>");
        }
        verwacht.push_back("   </TR>");
    }
    Voeg(verwacht, {"   </TABLE>", "", "</BODY>", "", "</HTML>"});
    EXPECT_EQ(Lees("menuindex.htm"), Samen(verwacht));
}

TEST_P(SkeletBeveiliging, WelcomePageWithOverrideMarkup) {
    BeschermenTegenKopieren = GetParam();
    UitvoerTekst[ut::InleidingTekst] = "<I>Welkom</I> \xEB";
    ASSERT_TRUE(SchrijfInhoudIndex(map.tekst(), "/inhoudindex.htm"));
    std::vector<std::string> verwacht = Kop();
    Voeg(verwacht, {"<TITLE>inhoudIndex</TITLE>", "<BASE TARGET=\"inhoudindex\">", "", "</HEAD>", "",
                    "<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">", ""});
    if (GetParam()) {
        Voeg(verwacht, Script40);
        verwacht.push_back("");
    }
    Voeg(verwacht,
         {"   <BR>",
          "   <TABLE BORDER=\"0\" CELLSPACING=\"1\" CELLPADDING=\"6\" ALIGN=\"center\" width=\"60%\" "
          "height=\"60%\">",
          "   <TR>",
          "      <TD ALIGN=\"left\">",
          "         <BR><BR>",
          "         <font face=\"Verdana\" size=\"3\">",
          "            <B>Inleiding</B>",
          "            <BR><BR>",
          "            <I>Welkom</I> \xEB",
          "         </font>",
          "         <BR><BR>",
          "      </TD>",
          "   </TR>",
          "   </TABLE>",
          "",
          "   <BR>",
          "",
          "</BODY>",
          "",
          "</HTML>"});
    EXPECT_EQ(Lees("inhoudindex.htm"), Samen(verwacht));
}

INSTANTIATE_TEST_SUITE_P(Beveiliging, SkeletBeveiliging, ::testing::Bool(),
                         [](const auto& p) { return p.param ? "Aan" : "Uit"; });

TEST_F(Skelet, AFileThatCannotBeCreatedIsReportedAndClosed) {
    map.Schrijf("bestand", "x");
    const std::string map2 = map.tekst() + "/bestand"; // a file, so no folder below it
    EXPECT_FALSE(SchrijfStijlblad(map2, "/genealogie.css"));
    EXPECT_FALSE(SchrijfKopIndex(map2, "/kopindex.htm"));
    EXPECT_FALSE(SchrijfDoorverwijzing(2, map2, "/index.htm"));
    ASSERT_EQ(ui.meldingen.size(), 3u); // the banner's failed head is reported once
    EXPECT_EQ(ui.meldingen[0].first, "Verwerking afgebroken omdat het bestand \r" + map2 +
                                         "//genealogie.css\rniet aangemaakt kon worden.");
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
