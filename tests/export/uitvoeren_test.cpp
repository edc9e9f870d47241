// The export command as the menu and the command line run it: status texts, the failure message,
// exit codes, and the exported sample sites checked link by link.
#include "export/uitvoeren.h"

#include "export/tgdkexporttype1.h"

#include "export23.h"
#include "support/linkcontrole.h"
#include "support/tekst.h"
#include "support/voorbeeld.h"

#include <cstdlib>
#include <sys/wait.h>

namespace gdk::test {
namespace {

class Frame : public Export23 {};

TEST_F(Frame, StatusTextsAndElapsedTimeOfASuccessfulExport) {
    Scan("a.jpg");
    Kaartje(Kaart{.achternaam = "Aa", .afbeelding = "a.jpg"});
    ASSERT_TRUE(UitvoerenCommando(2));
    ASSERT_GE(ui.links.size(), 3u);
    EXPECT_EQ(ui.links[1], "  Gedenkjes type 2 schrijven...");
    EXPECT_EQ(ui.rechts[1], "  " + UitvoerTekst[ut::GestartOm] + " 10:30:00");
    EXPECT_EQ(ui.links.back(), "  gedenkjes : 1");
    EXPECT_EQ(ui.rechts.back().substr(0, 2), "  ");
    EXPECT_EQ(ui.rechts.back().size(), 2u + 11u); // dd:hh:mm:ss
    EXPECT_EQ(ui.bezig, (std::vector<bool>{true, false}));
    EXPECT_TRUE(ui.meldingen.empty());
    EXPECT_EQ(UitvoerTijd.jaar, 2026);
}

TEST_F(Frame, RefusedExportShowsItsOwnMessageThenTheGeneralOneOnce) {
    // A folder with its start page is a site; one without is what an export stopped halfway left.
    const std::string site = Site(3).string();
    // With the journal of an export that was cut off beside it, the update can finish it.
    const struct {
        const char* bestand;
        const char* naast;
        std::string melding;
    } gevallen[] = {
        {"index.htm", nullptr,
         "De directorie " + site +
             " bestaat al.\nDeze moet eerst verwijderd of verplaatst worden,\nvoordat er weer een "
             "uitvoer kan plaatsvinden."},
        {"paginas/x.htm", nullptr,
         "De directorie " + site +
             " bestaat al, maar er staat geen beginpagina (index.htm) in:\nhet lijkt een uitvoer "
             "die niet is afgemaakt.\nVerwijder die map, voordat er weer een uitvoer kan "
             "plaatsvinden."},
        {"paginas/x.htm", "type 3.gdkjournaal",
         "De directorie " + site +
             " bestaat al, maar er staat geen beginpagina (index.htm) in:\nhet lijkt een uitvoer "
             "die niet is afgemaakt.\nBestand > Bijwerken (of gedenkjes-cli bijwerken) maakt haar af; of "
             "verwijder die map, voordat er weer een uitvoer kan plaatsvinden."},
    };
    Kaartje(Kaart{.achternaam = "Aa", .afbeelding = "a.jpg"});
    for (const auto& g : gevallen) {
        std::filesystem::remove_all(Site(3).parent_path());
        map.Schrijf("uit/kaarten/gedenkjes/type 3/" + std::string(g.bestand), "");
        if (g.naast) map.Schrijf("uit/kaarten/gedenkjes/" + std::string(g.naast), "");
        ui.meldingen.clear();
        ui.bezig.clear();
        EXPECT_FALSE(UitvoerenCommando(3));
        ASSERT_EQ(ui.meldingen.size(), 2u);
        EXPECT_EQ(ui.meldingen[0], std::make_pair(g.melding, std::string("Gedenkjes")));
        EXPECT_EQ(ui.meldingen[1].first, "Er is een onverklaarbare fout ontstaan bij de uitvoer.");
        EXPECT_EQ(ui.bezig, (std::vector<bool>{true, false}));
    }
}

TEST_F(Frame, Type1WithoutAnImageNameSaysSoOnceAndMakesNothing) {
    Kaartje(Kaart{.achternaam = "Aa", .afbeelding = ""});
    Kaartje(Kaart{.achternaam = "Bos", .afbeelding = "   "});
    EXPECT_FALSE(UitvoerenCommando(1));
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(ui.meldingen[0].first, GeenAfbeeldingenMelding);
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "uit" / "kaarten"));
}

// Names that break links and file systems: every layout names its files so that any disk holds
// them, and every link and image reference finds its file.
TEST_F(Frame, NamesThatBreakLinksGiveFilesAnyDiskHolds) {
    const std::string aanval = "x\"autofocus onfocus=\"document.title=this.href\"y.jpg";
    const struct {
        const char *voornamen, *achternaam;
        std::string afbeelding;
    } kaarten[] = {{"Robert?", "Mullins", "Robert? Mullins.jpg"},
                   {"Dirk", "Van#Dam", "Van#Dam.jpg"},
                   {"Honderd", "50%", "50%.jpg"},
                   {"Bert", "A<B>", "A<B>|:*.jpg"},
                   {"Eva", "Aanval", aanval},
                   {"Nul", "Nul", "nul.jpg"}};
    map.Schrijf("programma/tool/Afbeelding.jpg", "banier");
    for (const auto& k : kaarten) {
        Scan(k.afbeelding);
        Kaartje(Kaart{.voornamen = k.voornamen, .achternaam = k.achternaam, .afbeelding = k.afbeelding});
    }
    for (int type : {1, 2, 3, 4}) {
        ASSERT_TRUE(UitvoerenCommando(type)) << type;
        EXPECT_EQ(KapotteLinks(Site(type)), std::vector<std::string>{}) << "type " << type;
        std::size_t kopieen = 0;
        for (const auto& e : std::filesystem::recursive_directory_iterator(Site(type))) {
            const std::string naam = e.path().filename().string();
            EXPECT_EQ(naam.find_first_of("<>:\"\\|?*"), std::string::npos) << "type " << type << ": " << naam;
            EXPECT_FALSE(naam.starts_with("nul.")) << "type " << type << ": " << naam;
            kopieen +=
                e.path().extension() == ".jpg" && e.path().string().find("/tool/") == std::string::npos;
        }
        EXPECT_EQ(kopieen, std::size(kaarten)) << "type " << type;
    }
    EXPECT_NE(LeesBestand(Site(2) / "inhoudv.htm").find("<A HREF=\"paginas\\v\\van%23dam.htm\">Van#Dam</A>"),
              std::string::npos);
    EXPECT_NE(LeesBestand(Site(1) / "paginas/m/mullins/robert_ mullins.htm")
                  .find("SRC=\"../../../afbeeldingen/r/robert_ mullins.jpg\""),
              std::string::npos);
}

// The sample collection exported through the real gedenkjes-cli with the sample registry.
class Cli : public ::testing::Test {
  protected:
    void SetUp() override {
        register_ = map.Schrijf("HKEY_CURRENT_USER.reg", VoorbeeldRegister((map.pad() / "uit").string()));
        for (const char* t : {"Achtergrond.jpg", "fotoAchtergrond.jpg", "Afbeelding.jpg", "desktop.ini"})
            map.Schrijf(std::string("programma/tool/") + t, t);
        std::filesystem::copy_file(Voorbeeld("kaarten.gdk"), map.pad() / "kaarten.gdk");
    }
    int Voer(const std::string& args) {
        const std::string cli = std::string(GDK_BINARY_DIR) + "/gedenkjes-cli";
        if (!std::filesystem::exists(cli)) ADD_FAILURE() << cli << " is not built";
        const std::string opdracht = Quote(cli) + " --register " + Quote(register_) + " --programmamap " +
                                     Quote(programmamap.string()) + " " + args + " >/dev/null 2>" +
                                     Quote((map.pad() / "stderr.txt").string());
        const int status = std::system(opdracht.c_str());
        fout = LeesBestand(map.pad() / "stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::filesystem::path Site(int type) const {
        return map.pad() / "uit" / "kaarten" / "gedenkjes" / ("type " + std::to_string(type));
    }
    std::string Gdk() const { return Quote((map.pad() / "kaarten.gdk").string()); }

    TijdelijkeMap map;
    std::filesystem::path programmamap = map.pad() / "programma";
    std::string register_, fout;
};

TEST_F(Cli, SampleSitesHaveNoBrokenLinks) {
    for (int type : {2, 3}) {
        ASSERT_EQ(Voer("uitvoeren " + Gdk() + " " + std::to_string(type)), 0) << fout;
        EXPECT_NE(fout.find("links:   Gedenkjes type " + std::to_string(type) + " schrijven...\n"),
                  std::string::npos);
        EXPECT_EQ(KapotteLinks(Site(type)), std::vector<std::string>{}) << "type " << type;
        EXPECT_GT(AantalGecontroleerdeLinks(), 200u);
        EXPECT_TRUE(std::filesystem::exists(Site(type) / "afbeeldingen" / "b" / "desktop.ini"));
    }
    ASSERT_EQ(Voer("uitvoeren " + Gdk() + " 4"), 0) << fout;
    EXPECT_EQ(KapotteLinks(Site(4)), std::vector<std::string>{});
    EXPECT_GT(AantalGecontroleerdeLinks(), 500u);
}

// The build puts the program's own artwork beside the programs, as an installation does.
TEST_F(Cli, SampleSitesShowTheProgramsOwnBannerAndBackgrounds) {
    programmamap = GDK_BINARY_DIR;
    const std::filesystem::path tool = std::filesystem::path(GDK_SOURCE_DIR) / "tool";
    for (int type : {1, 2, 3}) {
        ASSERT_EQ(Voer("uitvoeren " + Gdk() + " " + std::to_string(type)), 0) << fout;
        EXPECT_EQ(fout.find("melding:"), std::string::npos) << fout;
        EXPECT_EQ(KapotteLinks(Site(type)), std::vector<std::string>{}) << "type " << type;
        EXPECT_EQ(LeesBestand(Site(type) / "tool/image/afbeelding.jpg"),
                  LeesBestand(tool / "Afbeelding.jpg"));
        EXPECT_EQ(LeesBestand(Site(type) / "tool/achtergrond/achtergrond.jpg"),
                  LeesBestand(tool / "Achtergrond.jpg"));
        EXPECT_EQ(std::filesystem::exists(Site(type) / "tool/achtergrond/fotoachtergrond.jpg"), type != 1);
    }
    // Type 4 takes the banner, and the program's icon as its favicon.
    ASSERT_EQ(Voer("uitvoeren " + Gdk() + " 4"), 0) << fout;
    EXPECT_EQ(KapotteLinks(Site(4)), std::vector<std::string>{});
    EXPECT_EQ(LeesBestand(Site(4) / "tool/banner.jpg"), LeesBestand(tool / "Afbeelding.jpg"));
    const std::filesystem::path iconen = std::filesystem::path(GDK_SOURCE_DIR) / "install/iconen";
    EXPECT_EQ(LeesBestand(Site(4) / "favicon.svg"), LeesBestand(iconen / "nl.gedenkjes.Gedenkjes.svg"));
    EXPECT_EQ(LeesBestand(Site(4) / "favicon.png"), LeesBestand(iconen / "nl.gedenkjes.Gedenkjes-48.png"));
    EXPECT_NE(
        LeesBestand(Site(4) / "index.html").find("<img src=\"tool/banner.jpg\" width=\"600\" height=\"60\""),
        std::string::npos);
}

// Without a tool folder beside the program the sites lack only the artwork, and nobody is told.
TEST_F(Cli, ProgramFolderWithoutToolExportsSilentlyWithoutArtwork) {
    programmamap = map.pad() / "kaal";
    std::filesystem::create_directories(programmamap);
    for (int type : {1, 2, 3}) {
        ASSERT_EQ(Voer("uitvoeren " + Gdk() + " " + std::to_string(type)), 0) << fout;
        EXPECT_EQ(fout.find("melding:"), std::string::npos) << fout;
        EXPECT_TRUE(std::filesystem::is_directory(Site(type) / "tool/image"));
        EXPECT_FALSE(std::filesystem::exists(Site(type) / "tool/image/afbeelding.jpg"));
        EXPECT_FALSE(std::filesystem::exists(Site(type) / "afbeeldingen/b/desktop.ini"));
        const std::vector<std::string> kapot = KapotteLinks(Site(type));
        EXPECT_FALSE(kapot.empty());
        for (const std::string& link : kapot)
            EXPECT_TRUE(link.ends_with("/afbeelding.jpg") || link.ends_with("/achtergrond.jpg") ||
                        link.ends_with("/fotoachtergrond.jpg"))
                << "type " << type << ": " << link;
    }
    // Type 4 then names the site in words and has no favicon: nothing it links to is missing.
    ASSERT_EQ(Voer("uitvoeren " + Gdk() + " 4"), 0) << fout;
    EXPECT_EQ(fout.find("melding:"), std::string::npos) << fout;
    EXPECT_EQ(KapotteLinks(Site(4)), std::vector<std::string>{});
    EXPECT_NE(LeesBestand(Site(4) / "index.html").find("<span>Gedenkjes</span>"), std::string::npos);
}

TEST_F(Cli, SecondExportFailsWithBothMessages) {
    ASSERT_EQ(Voer("uitvoeren " + Gdk() + " 2"), 0) << fout;
    EXPECT_EQ(Voer("uitvoeren " + Gdk() + " 2"), 1);
    const std::string bestaat =
        "melding: De directorie " + Site(2).string() +
        " bestaat al.\nDeze moet eerst verwijderd of verplaatst worden,\nvoordat er weer een "
        "uitvoer kan plaatsvinden.\n";
    const auto p = fout.find(bestaat);
    ASSERT_NE(p, std::string::npos) << fout;
    EXPECT_NE(fout.find("melding: Er is een onverklaarbare fout ontstaan bij de uitvoer.\n", p),
              std::string::npos);
}

TEST_F(Cli, BadUsage) {
    for (const char* args : {"uitvoeren", "uitvoeren x.gdk", "uitvoeren x.gdk 5", "uitvoeren x.gdk 0",
                             "uitvoeren x.gdk twee", "uitvoeren x.gdk 2 3"})
        EXPECT_EQ(Voer(args), 2) << args;
    EXPECT_NE(fout.find("gedenkjes-cli"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "uit"));
}

TEST_F(Cli, MissingCollectionGivesOne) {
    EXPECT_EQ(Voer("uitvoeren " + Quote((map.pad() / "geen.gdk").string()) + " 3"), 1);
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "uit"));
}

TEST(LinkControle, FindsLinksThatDifferInCaseOrLeaveTheSite) {
    TijdelijkeMap map;
    map.Schrijf("site/a/Pagina.htm", "");
    map.Schrijf("site/b/img.jpg", "");
    map.Schrijf("buiten.htm", "");
    map.Schrijf("site/index.htm", "<A HREF=\"a\\Pagina.htm\">x</A> <a href=\"a/pagina.htm\">y</a>"
                                  "<IMG SRC=\"b/img.jpg\"><IMG SRC=\"../buiten.htm\"><A HREF=\"#boven\">"
                                  "<A HREF=\"javascript:void(0)\"><A HREF=\"b/img%2Ejpg#x\">");
    EXPECT_EQ(KapotteLinks(map.pad() / "site"),
              (std::vector<std::string>{"index.htm: a/pagina.htm", "index.htm: ../buiten.htm"}));
    EXPECT_EQ(AantalGecontroleerdeLinks(), 5u);
}

} // namespace
} // namespace gdk::test
