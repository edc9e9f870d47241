// The type 3 site: its own frame set and banner, its settings, and its independence from type 2.
#include "export/tgdkexporttype3.h"
#include "support/uitvoer.h"

#include "export23.h"

namespace gdk::test {
namespace {

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

class Type3 : public Export23 {
  protected:
    void EenKaart() {
        Scan("Jan Smit.JPG", "scan");
        Kaartje(
            Kaart{.voornamen = "Jan", .achternaam = "Smit", .geslacht = "M", .afbeelding = "Jan Smit.JPG"});
    }
};

TEST_F(Type3, RootHasFramesetBannerAndWelcomeButNoMenu) {
    EenKaart();
    ASSERT_TRUE(Exporteer(3));
    const auto bestanden = Bestanden(Site(3));
    EXPECT_EQ(bestanden.count("menuindex.htm"), 0u);
    for (const char* b :
         {"index.htm", "kopindex.htm", "inhoudindex.htm", "inhouda.htm", "inhoudz.htm",
          "afbeeldingen/j/jan smit.jpg", "paginas/j/jan smit.htm", "tool/script/genealogie.css"})
        EXPECT_EQ(bestanden.count(b), 1u) << b;

    std::vector<std::string> frameset = Kop();
    Voeg(frameset, {"<TITLE>Gedenkjes</TITLE>", "</HEAD>", "",
                    "<FRAMESET FRAMEBORDER=\"0\" FRAMESPACING=\"0\" BORDER=\"0\" ROWS=\"200,*\">",
                    "   <FRAME NAME=\"kopindex\" SRC=\"kopindex.htm\" SCROLLING=\"no\" NORESIZE>",
                    "      <FRAMESET FRAMEBORDER=\"0\" FRAMESPACING=\"0\" BORDER=\"0\">",
                    "         <FRAME NAME=\"inhoudindex\" SRC=\"inhoudindex.htm\" SCROLLING=\"auto\">",
                    "      </FRAMESET>", "   <NOFRAMES>", "      <BODY>",
                    "         <P>Op deze pagina worden frames gebruikt, maar uw browser ondersteunt geen "
                    "frames.</P>",
                    "      </BODY>", "   </NOFRAMES>", "</FRAMESET>", "", "</HTML>"});
    EXPECT_EQ(Lees(3, "index.htm"), Samen(frameset));
}

class Type3Banner : public Type3, public ::testing::WithParamInterface<bool> {};

TEST_P(Type3Banner, LetterBarInTheBanner) {
    BeschermenTegenKopieren = GetParam();
    miWidth = "44";
    miHeight = "33";
    EenKaart();
    ASSERT_TRUE(Exporteer(3));
    std::vector<std::string> v = Kop();
    Voeg(v, {"<TITLE>KopIndex</TITLE>", "<BASE TARGET=\"kopindex\">", "</HEAD>", ""});
    if (GetParam()) {
        const std::string pagina = Lees(3, "kopindex.htm");
        EXPECT_NE(pagina.find("</HEAD>\r\n\r\n<script>\r\n<!--\r\n"), std::string::npos);
        EXPECT_NE(pagina.find("//-->\r\n</script>\r\n\r\n<BODY"), std::string::npos);
        return;
    }
    Voeg(v,
         {"<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">", "", "   <BR>", "   <P ALIGN=\"center\">",
          "   <IMG BORDER=\"0\" SRC=\"tool/image/afbeelding.jpg\" ALT=\"Gedenkjes\" HSPACE=\"30\" "
          "WIDTH=\"600\" "
          "HEIGHT=\"60\">",
          "   </P>", "", "   <BR>", "", "   <TABLE BORDER=\"1\" ALIGN=\"center\">",
          "   <TD WIDTH=\"90\" HEIGHT=\"33\" ALIGN=\"center\">", "      <H6 CLASS=\"standaard\">",
          "      <A TARGET=\"inhoudindex\" HREF=\"inhoudindex.htm\">Gedenkjes</A>", "      </H6>",
          "   </TD>"});
    for (char x = 'A'; x <= 'Z'; ++x)
        Voeg(v, {"   <TD WIDTH=\"44\" HEIGHT=\"33\" ALIGN=\"center\">", "      <H6 CLASS=\"standaard\">",
                 std::string("      <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"inhoud") +
                     static_cast<char>(x + 32) + ".htm\"><B>" + x + "</B></A>",
                 "      </H6>", "   </TD>"});
    Voeg(v, {"   </TABLE>", "", "   <BR><BR><BR>", "", "</BODY>", "", "</HTML>"});
    EXPECT_EQ(Lees(3, "kopindex.htm"), Samen(v));
}

INSTANTIATE_TEST_SUITE_P(Beveiliging, Type3Banner, ::testing::Bool(),
                         [](const auto& p) { return p.param ? "Aan" : "Uit"; });

TEST_F(Type3, OwnSettingsAndCentredEmptyLetterPages) {
    EenKaart();
    t2InhoudCellPadd = "7";
    t2InhoudCellSpac = "8";
    t2AfbeeldingHeight = "50%";
    t3InhoudCellPadd = "3";
    t3InhoudCellSpac = "4";
    t3AfbeeldingWidth = "11%";
    ASSERT_TRUE(Exporteer(3));
    EXPECT_NE(Lees(3, "inhouds.htm")
                  .find("<TABLE BORDER=\"1\" CELLPADDING=\"3\" CELLSPACING=\"4\" ALIGN=\"center\">"),
              std::string::npos);
    EXPECT_NE(Lees(3, "paginas/j/jan smit.htm").find("HEIGHT=\"69%\" WIDTH=\"11%\""), std::string::npos);
    const std::string a = Lees(3, "inhouda.htm");
    EXPECT_NE(
        a.find("   <TABLE BORDER=\"0\" CELLSPACING=\"1\" CELLPADDING=\"6\" ALIGN=\"center\" width=\"60%\" "
               "height=\"60%\">\r\n"),
        std::string::npos);
    EXPECT_NE(a.find("            <B>Voor de letter A zijn geen gegevens aanwezig.</B>\r\n"),
              std::string::npos);
}

// A settings file from someone else: its texts go into attribute values escaped, as card fields do.
TEST_F(Type3, SettingsInAttributesCannotEndThem) {
    EenKaart();
    t3InhoudCellPadd = "3\" onmouseover=\"alert(1)";
    miHeight = "33\"><script>alert(2)</script>";
    ASSERT_TRUE(Exporteer(3));
    EXPECT_NE(Lees(3, "inhouds.htm").find("CELLPADDING=\"3&quot; onmouseover=&quot;alert(1)\""),
              std::string::npos);
    const std::string banner = Lees(3, "kopindex.htm");
    EXPECT_NE(banner.find("HEIGHT=\"33&quot;>&lt;script>alert(2)&lt;/script>\""), std::string::npos);
    EXPECT_EQ(banner.find("<script>"), std::string::npos);
}

// The second block shows the back's copy when the card has a back, else the front once more.
TEST_F(Type3, SecondImageBlockShowsTheBackWhenAsked) {
    EenKaart();
    Scan("Piet Smit_V.JPG", "voor");
    Scan("Piet Smit_a.jpg", "achter");
    Kaartje(Kaart{.voornamen = "Piet", .achternaam = "Smit", .afbeelding = "Piet Smit_V.JPG"});
    AfbeeldingVoorEnAchterkantWeergeven = true;
    CodeGedenkjeVoorkant = "_v";
    CodeGedenkjeAchterkant = "_a";
    ASSERT_TRUE(Exporteer(3));
    const auto img = [](const std::string& bron, const std::string& alt) {
        return "   <BR>\r\n   <H6 CLASS=\"foto\" ALIGN=\"center\">\r\n   <IMG ID=\"afbeelding\" "
               "BORDER=\"1\" SRC=\"../../afbeeldingen/" +
               bron + "\" ALT=\"" + alt + "\" HEIGHT=\"69%\" WIDTH=\"69%\">\r\n   </H6>\r\n\r\n";
    };
    const std::string slot = "</BODY>\r\n</HTML>\r\n";
    const std::string jan = img("j/jan smit.jpg", "Jan Smit");
    EXPECT_NE(Lees(3, "paginas/j/jan smit.htm").find("\r\n\r\n" + jan + jan + slot), std::string::npos);
    const std::string piet = Lees(3, "paginas/p/piet smit_v.htm");
    EXPECT_NE(piet.find("\r\n\r\n" + img("p/piet smit_v.jpg", "Piet Smit_V") +
                        img("p/piet smit_a.jpg", "Piet Smit_V, achterkant") + slot),
              std::string::npos)
        << piet;
    EXPECT_EQ(Lees(3, "afbeeldingen/p/piet smit_a.jpg"), "achter");
    // Without the option the back is neither shown nor copied.
    AfbeeldingVoorEnAchterkantWeergeven = false;
    std::filesystem::remove_all(Site(3));
    ASSERT_TRUE(Exporteer(3));
    EXPECT_EQ(Bestanden(Site(3)).count("afbeeldingen/p/piet smit_a.jpg"), 0u);
}

TEST_F(Type3, SecondType3IsRefusedWhileType2OfTheSameCollectionSucceeds) {
    EenKaart();
    ASSERT_TRUE(Exporteer(3));
    const auto eerst = Bestanden(Site(3));
    const std::string kop = Lees(3, "kopindex.htm");
    ui.meldingen.clear();
    EXPECT_FALSE(Exporteer(3));
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(ui.meldingen[0].first.rfind("De directorie " + Site(3).string() + " bestaat al.\n", 0), 0u);
    EXPECT_EQ(Bestanden(Site(3)), eerst);
    EXPECT_EQ(Lees(3, "kopindex.htm"), kop);
    EXPECT_TRUE(Exporteer(2));
    EXPECT_EQ(Bestanden(Site(2)).count("menuindex.htm"), 1u);
}

} // namespace
} // namespace gdk::test
