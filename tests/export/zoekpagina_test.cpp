// The search page of the sample collection's sites, exported as the program does it with the
// sample's own settings and the option ZoekpaginaMaken on or off.
#include "export/zoekpagina.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "export/tgdkexporttype1.h"
#include "export/tgdkexporttype2.h"
#include "export/tgdkexporttype3.h"
#include "import/inlezen.h"
#include "opstart/activering.h"
#include "platform/gebruiker_opname.h"
#include "platform/register.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"
#include "support/linkcontrole.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"
#include "support/uitvoer.h"
#include "support/voorbeeld.h"
#include "zoekdelen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

namespace gdk::test {
namespace {

namespace stdfs = std::filesystem;

// A percent-encoded relative URL back to the UTF-8 path on disk.
std::string Ontcijfer(const std::string& url) {
    std::string uit;
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size()) {
            uit += static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            uit += url[i];
        }
    }
    return uit;
}

std::map<std::string, std::string> AlleBestanden(const stdfs::path& map) {
    std::map<std::string, std::string> uit;
    for (const auto& e : stdfs::recursive_directory_iterator(map))
        if (e.is_regular_file()) uit[stdfs::relative(e.path(), map).generic_string()] = LeesBestand(e.path());
    return uit;
}

class ZoekVoorbeeld : public ::testing::Test {
  protected:
    void SetUp() override {
        map.Schrijf("HKEY_CURRENT_USER.reg", VoorbeeldRegister(map.tekst() + "/uit"));
        map.Schrijf("collectie/kaarten.gdk", LeesBestand(Voorbeeld("kaarten.gdk")));
        reg::ZetRegisterBestand(map.tekst() + "/HKEY_CURRENT_USER.reg");
        Activering();
        for (const char* f : {"Achtergrond.jpg", "fotoAchtergrond.jpg", "Afbeelding.jpg", "desktop.ini"})
            map.Schrijf(std::string("programma/tool/") + f, f);
        ProgrammaMap = map.tekst() + "/programma";
        ASSERT_TRUE(InlezenCommando(map.tekst() + "/collectie/kaarten.gdk"));
    }
    void TearDown() override {
        ZoekpaginaMaken = false;
        reg::ZetRegisterBestand("");
        LeegOpslag();
    }
    // Exports all three types into uit/<naam> with the option as given.
    void ExporteerAlle(const std::string& naam, bool zoeken) {
        ZoekpaginaMaken = zoeken;
        UitvoerBestanden = map.tekst() + "/" + naam;
        for (int type = 1; type <= 3; ++type)
            ASSERT_TRUE(Exporteer(type)) << type;
    }
    stdfs::path Site(const std::string& naam, int type) const {
        return map.pad() / naam / "kaarten" / "gedenkjes" / ("type " + std::to_string(type));
    }

    TijdelijkeMap map;
    OpnameGebruiker ui;
};

TEST_F(ZoekVoorbeeld, EveryTypeGetsTheSearchPageItsLinkAndWorkingLinks) {
    ExporteerAlle("aan", true);
    EXPECT_TRUE(ui.meldingen.empty());
    for (int type = 1; type <= 3; ++type) {
        SCOPED_TRACE("type " + std::to_string(type));
        const stdfs::path site = Site("aan", type);
        const std::string pagina = LeesBestand(site / "zoeken.htm");
        EXPECT_NE(pagina.find("charset=windows-1252"), std::string::npos);
        EXPECT_NE(pagina.find("<TITLE>Zoeken</TITLE>\r\n"), std::string::npos);
        EXPECT_NE(pagina.find("<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">"), std::string::npos);
        EXPECT_NE(pagina.find("HREF=\"tool/script/genealogie.css\""), std::string::npos);
        EXPECT_NE(pagina.find("<INPUT ID=\"zoekveld\" TYPE=\"search\" NAME=\"q\""), std::string::npos);
        EXPECT_NE(pagina.find("SRC=\"tool/script/zoeken.js\""), std::string::npos);
        EXPECT_EQ(LeesBestand(site / "tool/script/zoeken.js").rfind("var GDK_VOUW = {", 0), 0u);
        EXPECT_TRUE(stdfs::is_regular_file(site / "tool/zoeken/index.htm")) << "redirect page";

        const std::string menu = LeesBestand(site / (type == 3 ? "kopindex.htm" : "menuindex.htm"));
        EXPECT_NE(menu.find("<A TARGET=\"inhoudindex\" HREF=\"zoeken.htm\">Zoeken</A>"), std::string::npos);

        EXPECT_EQ(KapotteLinks(site), std::vector<std::string>{});
        // Every result links to a page of the site.
        const ZoekIndexInhoud z = LeesZoekIndex(ZoekBestandenVan(site));
        EXPECT_GT(z.kaarten.size(), 30u);
        for (const auto& k : z.kaarten)
            if (!k[4].empty()) {
                EXPECT_TRUE(stdfs::is_regular_file(site / Ontcijfer(k[4]))) << k[4];
            }
        EXPECT_TRUE(z.woorden.count("zoe") && z.woorden.count("1931") && z.woorden.count("leuven"));
    }
}

TEST_F(ZoekVoorbeeld, OffLeavesEveryFileAsItWasOnlyTheMenuGainsALink) {
    ExporteerAlle("uit", false);
    ExporteerAlle("aan", true);
    for (int type = 1; type <= 3; ++type) {
        SCOPED_TRACE("type " + std::to_string(type));
        const auto uit = AlleBestanden(Site("uit", type));
        const auto aan = AlleBestanden(Site("aan", type));
        const std::string menu = type == 3 ? "kopindex.htm" : "menuindex.htm";
        for (const auto& [pad, inhoud] : uit) {
            EXPECT_EQ(pad.find("zoek"), std::string::npos) << pad;
            EXPECT_EQ(inhoud.find("zoeken"), std::string::npos) << pad;
            ASSERT_TRUE(aan.count(pad)) << pad;
            if (pad != menu) {
                EXPECT_TRUE(aan.at(pad) == inhoud) << pad << " differs with the option on";
            }
        }
        // The menu with the option on is the menu without it plus the five lines of the link.
        std::string zonderLink = aan.at(menu);
        const std::regex link(
            type == 3 ? "   <TD WIDTH=\"90\"[^\n]*\n[^\n]*\n[^\n]*zoeken\\.htm[^\n]*\n[^\n]*\n[^\n]*\n"
                      : "      <TR>\r\n[^\n]*\n[^\n]*zoeken\\.htm[^\n]*\n[^\n]*\n[^\n]*\n");
        zonderLink = std::regex_replace(zonderLink, link, "");
        EXPECT_EQ(zonderLink, uit.at(menu));
        std::set<std::string> extra;
        for (const auto& [pad, _] : aan)
            if (!uit.count(pad)) extra.insert(pad.substr(0, pad.find('/', 5)));
        EXPECT_EQ(extra, (std::set<std::string>{"tool/script", "tool/zoeken", "zoeken.htm"}));
    }
}

TEST_F(ZoekVoorbeeld, ResultsFollowTheOrderOfTheLetterPages) {
    ExporteerAlle("aan", true);
    for (int type = 1; type <= 3; ++type) {
        SCOPED_TRACE("type " + std::to_string(type));
        const stdfs::path site = Site("aan", type);
        // The page links of the letter pages a-z, in their order.
        std::vector<std::string> letterpaginas;
        const std::regex href("HREF=\"(paginas[^\"]*)\"");
        for (char l = 'a'; l <= 'z'; ++l) {
            const std::string p = LeesBestand(site / (std::string("inhoud") + l + ".htm"));
            for (std::sregex_iterator i(p.begin(), p.end(), href), e; i != e; ++i) {
                letterpaginas.push_back(NaarUtf8(Vervang((*i)[1].str(), "\\", "/")));
            }
        }
        std::vector<std::string> gevonden;
        for (const auto& k : LeesZoekIndex(ZoekBestandenVan(site)).kaarten) {
            const std::string h = Ontcijfer(k[4]);
            // Only what the letter pages list: their letters a-z, with a page of their own.
            if (std::find(letterpaginas.begin(), letterpaginas.end(), h) != letterpaginas.end())
                gevonden.push_back(h);
        }
        EXPECT_GT(gevonden.size(), 20u);
        std::vector<std::string> lijst;
        for (const std::string& h : letterpaginas)
            if (std::find(gevonden.begin(), gevonden.end(), h) != gevonden.end()) lijst.push_back(h);
        EXPECT_EQ(gevonden, lijst);
    }
}

} // namespace
} // namespace gdk::test
