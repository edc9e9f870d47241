#include "export/sessie.h"
#include "export/tgdkexporttype1.h"

#include "data/globalen.h"
#include "data/paden.h"
#include "data/tvars.h"
#include "export/skelet.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "settings/instellingen.h"
#include "support/linkcontrole.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"
#include "support/uitvoer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace gdk::test {
namespace {

namespace stdfs = std::filesystem;

// Every file and folder below `map`, relative, with the bytes of each file.
std::set<std::string> Boom(const stdfs::path& map) {
    std::set<std::string> uit;
    if (!stdfs::exists(map)) return uit;
    for (const auto& e : stdfs::recursive_directory_iterator(map))
        uit.insert(stdfs::relative(e.path(), map).string() +
                   (e.is_directory() ? "/" : "=" + LeesBestand(e.path())));
    return uit;
}

class Type1 : public ::testing::Test {
  protected:
    void SetUp() override {
        LeegOpslag();
        StandaardUitvoerTekst();
        StandaardTussenvoegsels();
        glAfblijven = glRoepnaam = glVoornamen = glTussenvoegsel = glAchternaam = glPlaatsnamen = false;
        adDatumAanpassen = 0;
        BeschermenTegenKopieren = false;
        AfbeeldingBestanden = map.tekst() + "/scans";
        NiveauAfbeeldingBestanden = 0;
        UitvoerBestanden = map.tekst() + "/uit";
        CollectieNaam = "kaarten";
        ProgrammaMap = map.tekst() + "/programma";
        map.Schrijf("programma/tool/desktop.ini", "[.ShellClassInfo]\r\n");
    }
    void TearDown() override { LeegOpslag(); }

    static recPersoon& Persoon(const std::string& voornamen, const std::string& tussenvoegsel,
                               const std::string& achternaam, const std::string& afbeelding) {
        Personen.Nieuw();
        AantalPersonen = Personen.Gevuld();
        recPersoon& p = Personen.Wijzig(AantalPersonen);
        p.Nummer = AantalPersonen;
        p.Voornamen = voornamen;
        p.Tussenvoegsel = tussenvoegsel;
        p.Achternaam = achternaam;
        p.Geslacht = "M";
        p.AfbeeldingBestand = afbeelding;
        return p;
    }
    stdfs::path Site() const { return map.pad() / "uit" / "kaarten" / "gedenkjes" / "type 1"; }
    std::string Lees(const std::string& relatief) const { return LeesBestand(Site() / relatief); }
    void Scan(const std::string& relatief) const { map.Schrijf("scans/" + relatief, "JPEG" + relatief); }

    TijdelijkeMap map;
};

const std::string KopBegin =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">\n"
    "<HTML>\n"
    "<HEAD>\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\n";
const std::string KopMidden =
    "<META NAME=\"description\" CONTENT=\"Velmoran Genealogie\">\n"
    "<META NAME=\"robots\" CONTENT=\"index, follow\">\n"
    "<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">\n"
    "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
    "SRC=\"../../../tool/script/genealogie.js\"></SCRIPT>\n"
    "<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"../../../tool/script/genealogie.css\">\n";
const std::string Body = "<BODY BACKGROUND=\"../../../tool/achtergrond/achtergrond.jpg\">\n\n";
const std::string Einde = "</BODY>\n</HTML>\n\n";

TEST_F(Type1, PersoonPaginaMetAfbeelding) {
    recPersoon& p = Persoon("johannes petrus", "van der", "berg (Bergh)", "BergJP_v.JPG");
    p.GeboorteDatum = "5-3-1920";
    p.GeboortePlaats = "utrecht";
    p.MetFoto = "ja";
    Scan("B/BergJP_v.JPG");
    OpnameGebruiker ui;
    ASSERT_TRUE(Exporteer(1));
    EXPECT_EQ(Lees("paginas/b/berg/bergjp_v.htm"),
              MetCrLf(KopBegin + "<META NAME=\"keywords\" CONTENT=\"berg (Bergh)\">\n" +
                      "<META NAME=\"oinhoud\" CONTENT=\"Berg, J.P. van der 05-03-1920\">\n" + KopMidden +
                      "<TITLE>BergJPVanDer05031920</TITLE>\n</HEAD>\n\n" + Body +
                      "   <H6 CLASS=\"vader\"><B>\n"
                      "   Johannes Petrus Van Der Berg (Bergh)\n"
                      "   </B></H6>\n\n"
                      "   <OL CLASS=\"vtekst\">\n"
                      "   geboren op 5-3-1920 te Utrecht (met foto)\n"
                      "   </OL>\n\n"
                      "   <BR><BR>\n\n"
                      "   <IMG ID=\"afbeelding\" BORDER=\"1\" SRC=\"../../../afbeeldingen/b/bergjp_v.jpg\" "
                      "ALT=\"johannes petrus van der berg (Bergh)\" WIDTH=\"69%\" HEIGHT=\"69%\">\n\n\n" +
                      Einde));
    EXPECT_EQ(Lees("afbeeldingen/b/bergjp_v.jpg"), "JPEGB/BergJP_v.JPG");
    EXPECT_EQ(Lees("afbeeldingen/b/desktop.ini"), "[.ShellClassInfo]\r\n");
    EXPECT_NE(Lees("afbeeldingen/b/index.htm").find("indextweedir()"), std::string::npos);
    EXPECT_NE(Lees("paginas/b/berg/index.htm").find("indexdriedir()"), std::string::npos);
    EXPECT_NE(Lees("paginas/b/index.htm").find("indextweedir()"), std::string::npos);
    EXPECT_NE(Lees("paginas/index.htm").find("indexeendir()"), std::string::npos);
}

TEST_F(Type1, PersoonPaginaZonderAfbeeldingMetBeveiliging) {
    BeschermenTegenKopieren = true;
    Persoon("Anna", "", "Hof", "HofA_v.jpg"); // no scan on disk
    ASSERT_TRUE(Exporteer(1));
    const std::string script = Verwacht("beveiliging.txt");
    EXPECT_EQ(Lees("paginas/h/hof/hofa_v.htm"),
              MetCrLf(KopBegin + "<META NAME=\"keywords\" CONTENT=\"Hof\">\n" +
                      "<META NAME=\"oinhoud\" CONTENT=\"Hof, A.\">\n" + KopMidden +
                      "<TITLE>HofA</TITLE>\n</HEAD>\n\n" + script + "\n" + Body +
                      "   <H6 CLASS=\"vader\"><B>\n"
                      "   Anna Hof\n"
                      "   </B></H6>\n\n"
                      "   <OL CLASS=\"vtekst\">\n"
                      "   </OL>\n\n"
                      "   <BR><BR>\n"
                      "   ...geen afbeelding aanwezig...\n\n" +
                      Einde));
    EXPECT_FALSE(stdfs::exists(Site() / "afbeeldingen" / "h"));
}

TEST_F(Type1, WieEenPaginaKrijgtEnWieInDeIndexKomt) {
    Persoon("Jan", "", "Smit", "SmitJ_v.jpg");
    Persoon("Nul", "", "Nummer", "Nul_v.jpg").Nummer = 0;
    Persoon("Geen", "", "Beeld", "  ");
    Persoon("Zonder", "", " ", "Zonder_v.jpg");        // counted, no page
    Persoon("Een", "", "1e Kamer", "Kamer_v.jpg");     // page, entry on A before A's own
    Persoon("Piet", "", "'t Hart", "Hart_v.jpg");      // page, entry on T
    Persoon("Gaetan", "", "\xC9loy", "\xC9loy G.jpg"); // page, entry on E
    Persoon("Iemand", "", "onbekend", "Onb_v.jpg");    // page, entry on O
    Persoon("Anna", "", "Aarts", "Aarts_v.jpg");
    Persoon("Kees", "", "Kok", "../Kok_v.jpg"); // page, named after the file alone
    OpnameGebruiker ui;
    ASSERT_TRUE(Exporteer(1));

    EXPECT_TRUE(stdfs::exists(Site() / "paginas/s/smit/smitj_v.htm"));
    EXPECT_TRUE(stdfs::exists(Site() / "paginas/1/1ekamer/kamer_v.htm"));
    EXPECT_TRUE(stdfs::exists(Site() / "paginas/t/thart/hart_v.htm"));
    EXPECT_TRUE(stdfs::exists(Site() / "paginas/e/eloy/\xC3\x89loy g.htm"));
    EXPECT_TRUE(stdfs::exists(Site() / "paginas/o/onbekend/onb_v.htm"));
    EXPECT_TRUE(stdfs::exists(Site() / "paginas/k/kok/kok_v.htm"));
    EXPECT_FALSE(stdfs::exists(Site() / "paginas/n"));
    EXPECT_FALSE(stdfs::exists(Site() / "paginas/b"));
    EXPECT_FALSE(stdfs::exists(Site() / "paginas/z"));
    EXPECT_FALSE(stdfs::exists(Site() / "paginas/o/onbekend/zonder_v.htm"));

    // Phase 1 counts the persons with a card image; phase 2 the index entries it read back.
    const std::vector<std::string> gedenkjes = {"  gedenkjes : 8", "  gedenkjes : 7"};
    std::vector<std::string> tellingen;
    for (const auto& t : ui.links)
        if (t.starts_with("  gedenkjes : ")) tellingen.push_back(t);
    EXPECT_EQ(tellingen, gedenkjes);

    const struct {
        const char *pagina, *link;
    } ingangen[] = {{"inhouda.htm", "paginas/1/1ekamer/kamer_v.htm\">E."},
                    {"inhoudt.htm", "paginas/t/thart/hart_v.htm\">P."},
                    {"inhoude.htm", "paginas/e/eloy/\xC9loy g.htm\">G."},
                    {"inhoudo.htm", "paginas/o/onbekend/onb_v.htm\">I."}};
    for (const auto& i : ingangen)
        EXPECT_NE(Lees(i.pagina).find(i.link), std::string::npos) << i.link;
    const std::string a = Lees("inhouda.htm");
    EXPECT_LT(a.find("<B>1e Kamer</B>"), a.find("<B>Aarts</B>"));
    EXPECT_NE(Lees("inhouds.htm")
                  .find("<A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"paginas/s/smit/smitj_v.htm\">J.</A>"),
              std::string::npos);
    EXPECT_NE(Lees("inhoudk.htm").find("HREF=\"paginas/k/kok/kok_v.htm\""), std::string::npos);
    EXPECT_TRUE(ui.meldingen.empty());
    ASSERT_FALSE(ui.voortgang.empty());
    EXPECT_EQ(ui.voortgang.back().second, 0);
}

TEST_F(Type1, ZonderPersoonPaginaAlleenHetSkelet) {
    Persoon("Zonder", "", "", "Zonder_v.jpg");
    ASSERT_TRUE(Exporteer(1));
    EXPECT_TRUE(stdfs::exists(Site() / "index.htm"));
    EXPECT_TRUE(stdfs::exists(Site() / "menuindex.htm"));
    EXPECT_TRUE(stdfs::exists(Site() / "tool/script/genealogie.css"));
    EXPECT_FALSE(stdfs::exists(Site() / "inhouda.htm"));
}

TEST_F(Type1, GeenEnkeleKaartGeeftOnwaarEnNietsOpSchijf) {
    Persoon("Geen", "", "Beeld", "");
    OpnameGebruiker ui;
    EXPECT_FALSE(Exporteer(1));
    // Mended: the site's two folders were made before, and the next export was refused for them.
    EXPECT_FALSE(stdfs::exists(Site()));
    EXPECT_EQ(ui.meldingen,
              (std::vector<std::pair<std::string, std::string>>{{GeenAfbeeldingenMelding, ""}}));
    EXPECT_EQ(ui.links.back(), "  gedenkjes : 0");
}

// The page shows the copy under the card's own extension, lower-cased, so every image it names
// exists in the site.
TEST_F(Type1, AfbeeldingWordtKleinGekopieerdEnOnderZijnEigenNaamGetoond) {
    struct {
        const char *voornaam, *achternaam, *afbeelding, *kopie, *pagina;
    } const gevallen[] = {
        {"Frans", "Dam", "DamF_v.JPG", "d/damf_v.jpg", "paginas/d/dam/damf_v.htm"},
        {"Kees", "Kok", "KokK.PNG", "k/kokk.png", "paginas/k/kok/kokk.htm"},
        {"Bets", "Bos", "bidprent.png", "b/bidprent.png", "paginas/b/bos/bidprent.htm"},
        {"Karel", "Kaan", "kaart_12.jpeg", "k/kaart_12.jpeg", "paginas/k/kaan/kaart_12.htm"},
        {"Net", "Noor", "noext", "n/noext", "paginas/n/noor/noext.htm"},
    };
    map.Schrijf("programma/tool/Afbeelding.jpg", "JPEG banier"); // the top frame shows it
    for (const auto& g : gevallen) {
        Persoon(g.voornaam, "", g.achternaam, g.afbeelding);
        Scan(std::string(1, g.afbeelding[0]) + "/" + g.afbeelding);
    }
    ASSERT_TRUE(Exporteer(1));
    for (const auto& g : gevallen) {
        EXPECT_EQ(Lees(std::string("afbeeldingen/") + g.kopie),
                  std::string("JPEG") + g.afbeelding[0] + "/" + g.afbeelding);
        EXPECT_NE(Lees(g.pagina).find(std::string("SRC=\"../../../afbeeldingen/") + g.kopie + "\""),
                  std::string::npos)
            << g.pagina;
    }
    EXPECT_EQ(KapotteLinks(Site()), std::vector<std::string>{});
    EXPECT_GT(AantalGecontroleerdeLinks(), 5u);
}

TEST_F(Type1, NiveauEenMetAchternaamVanEenTekenKopieertMaarToontDePlaatsvervanger) {
    NiveauAfbeeldingBestanden = 1;
    Persoon("Jan", "", "O", "OJ_v.jpg");
    Persoon("Piet", "", "Smit", "SmitP_v.jpg");
    Scan("O/O/OJ_v.jpg");     // where the copy looks
    Scan("S/Sm/SmitP_v.jpg"); // where both look
    ASSERT_TRUE(Exporteer(1));
    EXPECT_EQ(Lees("afbeeldingen/o/oj_v.jpg"), "JPEGO/O/OJ_v.jpg");
    EXPECT_NE(Lees("paginas/o/o/oj_v.htm").find("   ...geen afbeelding aanwezig...\r\n"), std::string::npos);
    EXPECT_EQ(Lees("afbeeldingen/s/smitp_v.jpg"), "JPEGS/Sm/SmitP_v.jpg");
    EXPECT_NE(Lees("paginas/s/smit/smitp_v.htm").find("SRC=\"../../../afbeeldingen/s/smitp_v.jpg\""),
              std::string::npos);
}

TEST_F(Type1, TweedeUitvoerWordtGeweigerdEnLaatDeSiteOngemoeid) {
    Persoon("Jan", "", "Smit", "SmitJ_v.jpg");
    ASSERT_TRUE(Exporteer(1));
    const auto voor = Boom(Site());
    OpnameGebruiker ui;
    EXPECT_FALSE(Exporteer(1));
    EXPECT_EQ(Boom(Site()), voor);
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(ui.meldingen[0].first, "De directorie " + Site().string() +
                                         " bestaat al.\nDeze moet eerst verwijderd of verplaatst worden,\n"
                                         "voordat er weer een uitvoer kan plaatsvinden.");
    EXPECT_EQ(ui.meldingen[0].second, "Gedenkjes");
    for (const auto& t : ui.links)
        EXPECT_FALSE(t.starts_with("  gedenkjes : ")) << t;
}

// An output folder with capitals keeps its case: the pages join the site, no second tree.
TEST_F(Type1, UitvoermapMetHoofdlettersBlijftEenBoom) {
    UitvoerBestanden = map.tekst() + "/An/Sites";
    CollectieNaam = "Kaarten";
    Persoon("Jan", "", "Smit", "SmitJ_v.jpg");
    Scan("S/SmitJ_v.jpg");
    ASSERT_TRUE(Exporteer(1));
    const stdfs::path site = map.pad() / "An/Sites/Kaarten/gedenkjes/type 1";
    EXPECT_TRUE(stdfs::exists(site / "paginas/s/smit/smitj_v.htm"));
    EXPECT_TRUE(stdfs::exists(site / "afbeeldingen/s/smitj_v.jpg"));
    EXPECT_NE(LeesBestand(site / "inhouds.htm").find("HREF=\"paginas/s/smit/smitj_v.htm\""),
              std::string::npos);
    std::set<std::string> bovenaan;
    for (const auto& e : stdfs::directory_iterator(map.pad()))
        bovenaan.insert(e.path().filename().string());
    EXPECT_EQ(bovenaan, (std::set<std::string>{"An", "programma", "scans"}));
    std::set<std::string> collecties;
    for (const auto& e : stdfs::directory_iterator(map.pad() / "An/Sites"))
        collecties.insert(e.path().filename().string());
    EXPECT_EQ(collecties, std::set<std::string>{"Kaarten"});
}

// Mended: a surname of 100000 characters made a type 1 folder name no file system takes, and a page
// that could not be made was reported ("afgebroken") while the export went on and succeeded.
TEST_F(Type1, ALongSurnameGetsItsPageAndAPageThatCannotBeMadeStopsTheExport) {
    const std::string lang(100000, 'k');
    Persoon("Jan", "", lang, "SmitJ_v.jpg");
    Persoon("Piet", "", "Smit", "SmitP_v.jpg");
    {
        OpnameGebruiker ui;
        ASSERT_TRUE(Exporteer(1));
        EXPECT_TRUE(ui.meldingen.empty());
    }
    std::string kort;
    for (const auto& e : stdfs::directory_iterator(Site() / "paginas/k"))
        if (e.is_directory()) kort = e.path().filename().string();
    EXPECT_EQ(kort.size(), MaxNaamLengte);
    EXPECT_TRUE(stdfs::is_regular_file(Site() / "paginas/k" / kort / "smitj_v.htm"));
    EXPECT_NE(Lees("inhoudk.htm").find(kort + "/smitj_v.htm"), std::string::npos);
    // Types 2 and 3 name their files after the scan: the card has its row and its image page.
    Scan("S/SmitJ_v.jpg");
    for (const int type : {2, 3}) {
        OpnameGebruiker ui;
        ASSERT_TRUE(Exporteer(type)) << type;
        EXPECT_TRUE(ui.meldingen.empty()) << type;
        const stdfs::path site = Site().parent_path() / ("type " + std::to_string(type));
        EXPECT_NE(LeesBestand(site / "inhoudk.htm").find("smitj_v.htm"), std::string::npos) << type;
        EXPECT_TRUE(stdfs::is_regular_file(site / "paginas/s/smitj_v.htm")) << type;
    }

    stdfs::remove_all(Site());
    stdfs::create_directory_symlink(map.pad() / "nergens", Site()); // a link leading nowhere: refused
    OpnameGebruiker ui;
    EXPECT_FALSE(Exporteer(1));
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(
        ui.meldingen[0].first.rfind("Onder de naam " + Site().string() + " staat een bestand of een", 0), 0u);
}

} // namespace
} // namespace gdk::test
