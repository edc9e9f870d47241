// The type 2 site end to end on small collections built card by card.
#include "export/tgdkexporttype2.h"

#include "export/skelet.h"
#include "export23.h"
#include "support/linkcontrole.h"
#include "support/uitvoer.h"

#include <sys/resource.h>

#include <csignal>

namespace gdk::test {
namespace {

std::vector<std::string> LetterKop(char l) {
    return {"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">",
            "<HTML>",
            "<HEAD>",
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">",
            "<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie\">",
            std::string("<META NAME=\"description\" CONTENT=\"inhoudpagina ") + l +
                " van Velmoran Genealogie\">",
            "<META NAME=\"robots\" CONTENT=\"index, follow\">",
            "<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">",
            "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
            "SRC=\"tool/script/genealogie.js\"></SCRIPT>",
            "<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"tool/script/genealogie.css\">",
            std::string("<TITLE>inhoud") + l + "</TITLE>",
            "</HEAD>",
            "",
            "<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">",
            "",
            "   <BR><BR>",
            ""};
}

std::vector<std::string> TabelKop(const std::string& padd, const std::string& spac) {
    std::vector<std::string> r = {"<TABLE BORDER=\"1\" CELLPADDING=\"" + padd + "\" CELLSPACING=\"" + spac +
                                      "\" ALIGN=\"center\">",
                                  "   <TR>"};
    const std::pair<const char*, const char*> koppen[] = {
        {"4%", "achternaam"},   {"4%", "voornamen"}, {"1%", "geslacht"}, {"2%", "g-datum"},
        {"4%", "g-plaats"},     {"2%", "o-datum"},   {"4%", "o-plaats"}, {"1%", "B/C"},
        {"4%", "p-achternaam"}, {"1%", ""},          {"1%", "foto"}};
    for (const auto& [w, label] : koppen)
        Voeg(r, {std::string("      <TD WIDTH=\"") + w + "\" HEIGHT=\"25\" ALIGN=\"center\">",
                 "      <H6 CLASS=\"standaard\">", std::string("      <B>") + label + "</B>", "      </H6>",
                 "      </TD>"});
    Voeg(r, {"   </TR>", ""});
    return r;
}

std::vector<std::string> Rij(const std::string& eerste, const std::vector<std::string>& rest) {
    std::vector<std::string> r = {"   <TR>"};
    auto cel = [&](const std::string& w) {
        Voeg(r, {"      <TD ALIGN=\"center\">", "      <H6 CLASS=\"standaard\">", w, "      </H6>",
                 "      </TD>"});
    };
    cel(eerste);
    for (const auto& w : rest)
        cel("      " + w);
    r.push_back("   </TR>");
    return r;
}

std::vector<std::string> Slot() {
    return {"</TABLE>", "", "<BR>", "", "</BODY>", "</HTML>"};
}

std::vector<std::string> GeenGegevens(char l, const char* uitlijning) {
    std::vector<std::string> r = LetterKop(l);
    Voeg(r, {std::string("   <TABLE BORDER=\"0\" CELLSPACING=\"1\" CELLPADDING=\"6\" ALIGN=\"") + uitlijning +
                 "\" width=\"60%\" height=\"60%\">",
             "   <TR>", "      <TD ALIGN=\"left\">", "         <font face=\"Verdana\" size=\"3\">",
             std::string("            <B>Voor de letter ") + static_cast<char>(l - 32) +
                 " zijn geen gegevens aanwezig.</B>",
             "         </font>", "      </TD>", "   </TR>", "   </TABLE>", "", "   <BR>", "", "</BODY>",
             "</HTML>"});
    return r;
}

class Type2 : public Export23 {
  protected:
    // Jansen with a partner and the scan "Jan Smit.JPG"; de Jong whose scan is missing.
    void TweeKaarten() {
        Scan("Jan Smit.JPG", "scan van jan");
        const int jan = Kaartje(Kaart{.voornamen = "Jan Pieter",
                                      .achternaam = "Jansen",
                                      .geslacht = "M",
                                      .afbeelding = "Jan Smit.JPG",
                                      .metFoto = "ja",
                                      .geboorteDatum = "1-2-1900",
                                      .geboortePlaats = "Delft",
                                      .overlijdensDatum = "3-4-1980",
                                      .overlijdensPlaats = "Gouda",
                                      .begraafPlaats = "Gouda"});
        const int maria = Kaartje(Kaart{.voornamen = "Maria Johanna", .achternaam = "Smit", .geslacht = "F"});
        Trouw(jan, maria);
        Kaartje(Kaart{.voornamen = "Kees",
                      .tussenvoegsel = "de",
                      .achternaam = "Jong",
                      .geslacht = "U",
                      .afbeelding = "ontbreekt.jpg",
                      .crematieDatum = "5-5-1990"});
    }
};

TEST_F(Type2, FolderTreeAndFileNames) {
    TweeKaarten();
    map.Schrijf("programma/tool/Achtergrond.jpg", "a");
    map.Schrijf("programma/tool/fotoAchtergrond.jpg", "f");
    map.Schrijf("programma/tool/Afbeelding.jpg", "b");
    map.Schrijf("programma/tool/desktop.ini", "[.ShellClassInfo]");
    ASSERT_TRUE(Exporteer(2));
    std::set<std::string> verwacht = {"index.htm",
                                      "kopindex.htm",
                                      "menuindex.htm",
                                      "inhoudindex.htm",
                                      "paginas/index.htm",
                                      "paginas/j/index.htm",
                                      "paginas/j/jan smit.htm",
                                      "afbeeldingen/index.htm",
                                      "afbeeldingen/j/index.htm",
                                      "afbeeldingen/j/desktop.ini",
                                      "afbeeldingen/j/jan smit.jpg",
                                      "tool/index.htm",
                                      "tool/achtergrond/index.htm",
                                      "tool/achtergrond/achtergrond.jpg",
                                      "tool/achtergrond/fotoachtergrond.jpg",
                                      "tool/image/index.htm",
                                      "tool/image/afbeelding.jpg",
                                      "tool/script/index.htm",
                                      "tool/script/genealogie.css",
                                      "tool/script/genealogie.js"};
    for (char c = 'a'; c <= 'z'; ++c)
        verwacht.insert(std::string("inhoud") + c + ".htm");
    EXPECT_EQ(Bestanden(Site(2)), verwacht);
    EXPECT_EQ(Lees(2, "afbeeldingen/j/jan smit.jpg"), "scan van jan");
    EXPECT_EQ(Lees(2, "tool/achtergrond/fotoachtergrond.jpg"), "f");
    EXPECT_NE(Lees(2, "afbeeldingen/j/index.htm").find("SRC=\"../../tool/script/genealogie.js\""),
              std::string::npos);
    EXPECT_NE(Lees(2, "paginas/index.htm").find("ONLOAD=\"indexeendir()\""), std::string::npos);
    EXPECT_TRUE(ui.meldingen.empty());
    EXPECT_EQ(ui.links.back(), "  gedenkjes : 2");
}

TEST_F(Type2, MissingToolFilesAreSkippedSilently) {
    TweeKaarten();
    ASSERT_TRUE(Exporteer(2));
    const auto bestanden = Bestanden(Site(2));
    EXPECT_EQ(bestanden.count("tool/achtergrond/achtergrond.jpg"), 0u);
    EXPECT_EQ(bestanden.count("afbeeldingen/j/desktop.ini"), 0u);
    EXPECT_EQ(bestanden.count("tool/achtergrond/index.htm"), 1u);
    EXPECT_TRUE(ui.meldingen.empty());
}

// The letter page for each combination of the two footer settings.
class Type2Voet : public Type2, public ::testing::WithParamInterface<std::pair<bool, bool>> {};

TEST_P(Type2Voet, LetterPageWithRowsLinksAndFooter) {
    DatumWeergeven = GetParam().first;
    AantalWeergeven = GetParam().second;
    TweeKaarten();
    ASSERT_TRUE(Exporteer(2));
    std::vector<std::string> verwacht = LetterKop('j');
    Voeg(verwacht, TabelKop("1", "1"));
    Voeg(verwacht,
         Rij("      <A HREF=\"paginas\\j\\jan smit.htm\">Jansen</A>",
             {"Jan Pieter", "man", "1-2-1900", "Delft", "3-4-1980", "Gouda", "B", "Smit", "M.J.", "ja"}));
    Voeg(verwacht, Rij("      <B>Jong, de</B>", {"Kees", "onbekend", "", "", "", "", "C", "", "", "nee"}));
    Voeg(verwacht, Slot());
    if (DatumWeergeven || AantalWeergeven) {
        verwacht.push_back("   <H6 CLASS=\"copyright\" ALIGN=\"right\">");
        if (AantalWeergeven) verwacht.push_back("   aantal: 2");
        if (AantalWeergeven && DatumWeergeven) verwacht.push_back("   <BR>");
        if (DatumWeergeven) verwacht.push_back("   laatst bijgewerkt: 8-12-2026");
        verwacht.push_back("   </H6>");
    }
    EXPECT_EQ(Lees(2, "inhoudj.htm"), Samen(verwacht));
}

INSTANTIATE_TEST_SUITE_P(Voetregels, Type2Voet,
                         ::testing::Values(std::pair{false, false}, std::pair{true, false},
                                           std::pair{false, true}, std::pair{true, true}),
                         [](const auto& p) {
                             return std::string(p.param.first ? "Datum" : "GeenDatum") +
                                    (p.param.second ? "Aantal" : "GeenAantal");
                         });

TEST_F(Type2, ImagePageOfACard) {
    TweeKaarten();
    t3AfbeeldingHeight = "10";
    ASSERT_TRUE(Exporteer(2));
    EXPECT_EQ(
        Lees(2, "paginas/j/jan smit.htm"),
        Samen({"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">",
               "<HTML>",
               "<HEAD>",
               "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">",
               "<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie,Software\">",
               "<META NAME=\"description\" CONTENT=\"Velmoran Genealogie\">",
               "<META NAME=\"robots\" CONTENT=\"index, follow\">",
               "<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">",
               "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
               "SRC=\"../../tool/script/genealogie.js\"></SCRIPT>",
               "<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"../../tool/script/genealogie.css\">",
               "<TITLE>Jan Smit</TITLE>",
               "</HEAD>",
               "",
               "<BODY BACKGROUND=\"../../tool/achtergrond/fotoachtergrond.jpg\">",
               "",
               "   <BR>",
               "   <H6 CLASS=\"foto\" ALIGN=\"center\">",
               "   <IMG ID=\"afbeelding\" BORDER=\"1\" SRC=\"../../afbeeldingen/j/jan smit.jpg\" ALT=\"Jan "
               "Smit\" HEIGHT=\"69%\" WIDTH=\"69%\">",
               "   </H6>",
               "",
               "</BODY>",
               "</HTML>"}));
}

TEST_F(Type2, ImageOfAnotherFormatIsShownUnderItsOwnName) {
    Scan("Bos.png", "png");
    Kaartje(Kaart{.achternaam = "Bos", .afbeelding = "Bos.png"});
    ASSERT_TRUE(Exporteer(2));
    EXPECT_EQ(Lees(2, "afbeeldingen/b/bos.png"), "png");
    EXPECT_NE(Lees(2, "paginas/b/bos.htm").find("SRC=\"../../afbeeldingen/b/bos.png\""), std::string::npos);
}

TEST_F(Type2, FirstSurnameWithBGivesAnEmptyPageForA) {
    Scan("b1.jpg");
    Kaartje(Kaart{.achternaam = "Bakker", .afbeelding = "b1.jpg"});
    ASSERT_TRUE(Exporteer(2));
    EXPECT_EQ(Lees(2, "inhouda.htm"), Samen(GeenGegevens('a', "left")));
    EXPECT_EQ(Lees(2, "inhoudz.htm"), Samen(GeenGegevens('z', "left")));
    EXPECT_NE(Lees(2, "inhoudb.htm").find("Bakker"), std::string::npos);
}

TEST_F(Type2, ParticleAfterSurnameAndCaseIgnoredInTheSort) {
    Kaartje(Kaart{.achternaam = "berg", .afbeelding = "x1.jpg"});
    Kaartje(Kaart{.tussenvoegsel = "van den", .achternaam = "Berg", .afbeelding = "x2.jpg"});
    Kaartje(Kaart{.achternaam = "Bakker", .afbeelding = "x3.jpg"});
    Kaartje(Kaart{.achternaam = "Aalders", .afbeelding = "x4.jpg"});
    ASSERT_TRUE(Exporteer(2));
    const std::string b = Lees(2, "inhoudb.htm");
    const auto bakker = b.find("<B>Bakker</B>"), berg = b.find("<B>berg</B>"),
               vanDen = b.find("<B>Berg, van den</B>");
    ASSERT_NE(bakker, std::string::npos);
    ASSERT_NE(berg, std::string::npos);
    ASSERT_NE(vanDen, std::string::npos);
    EXPECT_LT(bakker, berg);
    EXPECT_NE(Lees(2, "inhouda.htm").find("<B>Aalders</B>"), std::string::npos);
}

TEST_F(Type2, IdenticalCardsGiveOneReportLineAndTwoRows) {
    ControleOpDubbeleGedenkjes = true;
    AantalWeergeven = true;
    for (int i = 0; i < 2; ++i)
        Kaartje(Kaart{.voornamen = "Piet", .achternaam = "Vos", .geslacht = "M", .afbeelding = "v.jpg"});
    ASSERT_TRUE(Exporteer(2));
    EXPECT_EQ(LeesBestand(VerschillenBestand), "dubbel opgenomen: Vos;Piet;man;;;;;;;;;nee\r\n");
    const std::string v = Lees(2, "inhoudv.htm");
    EXPECT_NE(v.find("   aantal: 2\r\n"), std::string::npos);
}

TEST_F(Type2, EntryListAppendedToTheReport) {
    LijstNamenGedenkje = true;
    map.Schrijf("kaarten_Verschillen.txt", "eerder\r\n");
    Scan("z.jpg");
    Kaartje(Kaart{.voornamen = "Ab", .achternaam = "Zee", .afbeelding = "z.jpg"});
    Kaartje(Kaart{.voornamen = "Cor", .achternaam = "Aap", .geslacht = "F", .afbeelding = "a.jpg"});
    ASSERT_TRUE(Exporteer(2));
    EXPECT_EQ(LeesBestand(VerschillenBestand),
              "eerder\r\nAap;Cor;vrouw;;;;;;;;;nee\r\nZee;Ab;onbekend;;;;;;afbeeldingen\\z\\z.jpg;;;nee\r\n");
}

TEST_F(Type2, PartnerGivenNamesInFullOrAsInitials) {
    for (bool volledig : {false, true}) {
        std::filesystem::remove_all(map.pad() / "uit");
        SetUp();
        VoornamenPartnerVolledigWeergeven = volledig;
        GeslachtOnbekendNietWeergeven = true;
        const int a =
            Kaartje(Kaart{.voornamen = "Ida", .achternaam = "Kok", .geslacht = "F", .afbeelding = "k.jpg"});
        const int b =
            Kaartje(Kaart{.voornamen = "Maria Johanna", .tussenvoegsel = "de", .achternaam = "Wit"});
        Trouw(b, a); // Ida is the family's Vrouw: the partner is its Man
        ASSERT_TRUE(Exporteer(2));
        EXPECT_EQ(MaakKaartIngang(a, "").Regel(), volledig ? "Kok;Ida;vrouw;;;;;;;Wit, de;Maria Johanna;nee"
                                                           : "Kok;Ida;vrouw;;;;;;;Wit, de;M.J.;nee");
        EXPECT_EQ(MaakKaartIngang(b, "").Regel(), volledig ? "Wit, de;Maria Johanna;-;;;;;;;Kok;Ida;nee"
                                                           : "Wit, de;Maria Johanna;-;;;;;;;Kok;I.;nee");
        EXPECT_NE(Lees(2, "inhoudk.htm").find(volledig ? "      Maria Johanna\r\n" : "      M.J.\r\n"),
                  std::string::npos);
    }
}

TEST_F(Type2, Type3SettingsDoNotReachType2Pages) {
    TweeKaarten();
    t2InhoudCellPadd = "7";
    t2InhoudCellSpac = "8";
    t2AfbeeldingHeight = "50%";
    t3InhoudCellPadd = "3";
    t3AfbeeldingWidth = "11%";
    AfbeeldingVoorEnAchterkantWeergeven = true;
    ASSERT_TRUE(Exporteer(2));
    EXPECT_NE(Lees(2, "inhoudj.htm")
                  .find("<TABLE BORDER=\"1\" CELLPADDING=\"7\" CELLSPACING=\"8\" ALIGN=\"center\">"),
              std::string::npos);
    const std::string pagina = Lees(2, "paginas/j/jan smit.htm");
    EXPECT_NE(pagina.find("HEIGHT=\"50%\" WIDTH=\"69%\""), std::string::npos);
    EXPECT_EQ(pagina.find("<IMG ID"), pagina.rfind("<IMG ID")); // one image block
}

TEST_F(Type2, NoPersonWithAnImageNameGivesFalse) {
    Kaartje(Kaart{.achternaam = "Leeg"});
    EXPECT_FALSE(Exporteer(2));
    EXPECT_EQ(Bestanden(Site(2)), (std::set<std::string>{"afbeeldingen/index.htm", "paginas/index.htm"}));
    EXPECT_EQ(ui.links.back(), "  gedenkjes : 0");
}

TEST_F(Type2, ExistingSiteRootIsRefusedAndLeftUntouched) {
    map.Schrijf("uit/kaarten/gedenkjes/type 2/index.htm", "oud");
    TweeKaarten();
    EXPECT_FALSE(Exporteer(2));
    EXPECT_EQ(Bestanden(Site(2)), std::set<std::string>{"index.htm"});
    EXPECT_EQ(Lees(2, "index.htm"), "oud");
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(ui.meldingen[0].first,
              "De directorie " + Site(2).string() +
                  " bestaat al.\nDeze moet eerst verwijderd of verplaatst worden,\nvoordat "
                  "er weer een uitvoer kan plaatsvinden.");
    EXPECT_EQ(ui.meldingen[0].second, "Gedenkjes");
}

TEST_F(Type2, OutputFolderThatCannotBeCreated) {
    map.Schrijf("uit", "een bestand, geen map");
    TweeKaarten();
    EXPECT_FALSE(Exporteer(2));
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(ui.meldingen[0].first, "Verwerking afgebroken omdat het bestand \r" + Site(2).string() +
                                         "/paginas/index.htm\rniet aangemaakt kon worden.");
}

TEST_F(Type2, ImageFieldsNeverLeadOutsideTheSite) {
    map.Schrijf("scans/k/k/kok.jpg", "kok");
    map.Schrijf("scans/k/k/.hidden.jpg", "verborgen");
    map.Schrijf("buiten.jpg", "buiten");
    map.Schrijf("scans/buiten.jpg", "buiten");
    const char* velden[] = {
        "..", "../buiten.jpg", "..\\buiten.jpg", "k/..", "k\\kok.jpg", "k/", "k/.hidden.jpg", "/"};
    for (const char* v : velden)
        Kaartje(Kaart{.achternaam = std::string("Kok ") + v, .afbeelding = v});
    ASSERT_TRUE(Exporteer(2));
    // Only a field without ".." may name a scan, and only the plain name after the last separator
    // becomes a file: k\kok.jpg -> afbeeldingen/k/kok.jpg.
    std::set<std::string> beeld;
    for (const auto& b : Bestanden(Site(2)))
        if (b.rfind("afbeeldingen/", 0) == 0 || b.rfind("paginas/", 0) == 0) beeld.insert(b);
    EXPECT_EQ(beeld, (std::set<std::string>{"afbeeldingen/index.htm", "paginas/index.htm",
                                            "afbeeldingen/k/index.htm", "paginas/k/index.htm",
                                            "afbeeldingen/k/kok.jpg", "paginas/k/kok.htm"}));
    // Nothing beside the site but its list: the output folder holds only the collection's tree.
    EXPECT_EQ(Bestanden(map.pad() / "uit").size(), Bestanden(Site(2)).size() + 1);
    EXPECT_TRUE(std::filesystem::exists(map.pad() / "uit/kaarten/gedenkjes/type 2.gdklijst"));
    EXPECT_EQ(LeesBestand(map.pad() / "buiten.jpg"), "buiten");
}

// Every card is listed: on the page of its surname's first letter after the fold of the type 1
// folders, or, without one, on A's page before A's own.
TEST_F(Type2, EveryCardIsListedOnALetterPage) {
    ControleOpDubbeleGedenkjes = true;
    LijstNamenGedenkje = true;
    Scan("1.jpg", "een");
    const struct {
        const char* achternaam;
        char letter;
    } gevallen[] = {{"1900", 'a'}, {"\xC9toile", 'e'}, {"'t Hart", 't'}, {"'t Hart", 't'},
                    {"Mol", 'm'},  {"?", 'a'},         {"Aarts", 'a'},   {"\xD6zt\xFCrk", 'o'}};
    for (const auto& g : gevallen)
        Kaartje(Kaart{.achternaam = g.achternaam, .afbeelding = "1.jpg"});
    ASSERT_TRUE(Exporteer(2));
    EXPECT_EQ(ui.links.back(), "  gedenkjes : 8");
    EXPECT_NE(LeesBestand(VerschillenBestand).find("dubbel opgenomen: 't Hart;"), std::string::npos);
    for (const auto& g : gevallen) {
        const std::string rij = std::string(">") + g.achternaam + "</A>";
        for (char c = 'a'; c <= 'z'; ++c)
            EXPECT_EQ(Lees(2, std::string("inhoud") + c + ".htm").find(rij) != std::string::npos,
                      c == g.letter)
                << g.achternaam << " " << c;
    }
    const std::string a = Lees(2, "inhouda.htm");
    EXPECT_LT(a.find(">1900<"), a.find(">Aarts<"));
    EXPECT_LT(a.find(">?<"), a.find(">Aarts<"));
}

// Names that differ only in case keep their own folders below the site root, in UTF-8 on disk,
// so every link still finds its file on a case-sensitive web server.
TEST_F(Type2, AccentedNamesThatDifferInCaseKeepTheirOwnFolders) {
    map.Schrijf("scans/\xC3\x89/\xC3\x89"
                "cole.jpg",
                "groot");
    map.Schrijf("scans/\xC3\xA9/\xC3\xA9"
                "cole.jpg",
                "klein");
    map.Schrijf("programma/tool/Afbeelding.jpg", "b");
    Kaartje(Kaart{.achternaam = "Eerst",
                  .afbeelding = "\xC9"
                                "cole.jpg"});
    Kaartje(Kaart{.achternaam = "Eind",
                  .afbeelding = "\xE9"
                                "cole.jpg"});
    ASSERT_TRUE(Exporteer(2));
    EXPECT_EQ(Lees(2, "afbeeldingen/\xC3\x89/\xC3\x89"
                      "cole.jpg"),
              "groot");
    EXPECT_EQ(Lees(2, "afbeeldingen/\xC3\xA9/\xC3\xA9"
                      "cole.jpg"),
              "klein");
    EXPECT_EQ(KapotteLinks(Site(2)), std::vector<std::string>{});
}

TEST_F(Type2, ProgressStaysWithinAFewHundredUpdates) {
    for (int i = 0; i < 3000; ++i)
        Kaartje(Kaart{.achternaam = "Naam" + std::to_string(i), .afbeelding = "n.jpg"});
    ASSERT_TRUE(Exporteer(2));
    EXPECT_GT(ui.voortgang.size(), 10u);
    EXPECT_LE(ui.voortgang.size(), 1000u);
}

// A letter page that cannot be written to the end: the failure is reported with the entry's image
// path, the export goes on, and every other letter still gets its page.
TEST_F(Type2, ALetterPageThatCannotBeWrittenStopsTheExport) {
    for (int i = 0; i < 400; ++i)
        Kaartje(Kaart{.achternaam = "Groot" + std::to_string(1000 + i), .afbeelding = "g.jpg"});
    Scan("h.jpg");
    Kaartje(Kaart{.achternaam = "Hal", .afbeelding = "h.jpg"});
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit oud{};
    getrlimit(RLIMIT_FSIZE, &oud);
    rlimit klein = oud;
    klein.rlim_cur = 100000; // the page of g grows past this, the other files stay below it
    setrlimit(RLIMIT_FSIZE, &klein);
    const bool gelukt = Exporteer(2);
    setrlimit(RLIMIT_FSIZE, &oud);
    // Mended: the page lost rows with a message per row, and the export went on to report success.
    EXPECT_FALSE(gelukt);
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(ui.meldingen[0].first, "Verwerking afgebroken omdat het bestand \r" + Site(2).string() +
                                         "//inhoudg.htm\rniet aangemaakt kon worden.");
}

} // namespace
} // namespace gdk::test
