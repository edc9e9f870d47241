// The type 1 site of the bundled sample collection, read and exported as the program does it
// with the sample's own settings.
#include "export/tgdkexporttype1.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "import/inlezen.h"
#include "opstart/activering.h"
#include "platform/gebruiker_opname.h"
#include "platform/register.h"
#include "support/linkcontrole.h"
#include "support/tijdelijke_map.h"
#include "support/uitvoer.h"
#include "support/voorbeeld.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gdk::test {
namespace {

namespace stdfs = std::filesystem;

class Type1Voorbeeld : public ::testing::Test {
  protected:
    void SetUp() override {
        map.Schrijf("HKEY_CURRENT_USER.reg", VoorbeeldRegister(map.tekst() + "/uit"));
        map.Schrijf("collectie/kaarten.gdk", LeesBestand(Voorbeeld("kaarten.gdk")));
        reg::ZetRegisterBestand(map.tekst() + "/HKEY_CURRENT_USER.reg");
        Activering();
        // The program's optional files, so that every background and banner link has its file.
        for (const char* f : {"Achtergrond.jpg", "Afbeelding.jpg", "desktop.ini"})
            map.Schrijf(std::string("programma/tool/") + f, f);
        ProgrammaMap = map.tekst() + "/programma";
        ASSERT_TRUE(InlezenCommando(map.tekst() + "/collectie/kaarten.gdk"));
    }
    void TearDown() override {
        reg::ZetRegisterBestand("");
        LeegOpslag();
    }
    stdfs::path Site() const { return map.pad() / "uit/kaarten/gedenkjes/type 1"; }
    std::string Lees(const std::string& relatief) const { return LeesBestand(Site() / relatief); }

    TijdelijkeMap map;
};

TEST_F(Type1Voorbeeld, SiteMetLetterpaginasPersoonPaginasEnAfbeeldingen) {
    OpnameGebruiker ui;
    ASSERT_TRUE(Exporteer(1));
    EXPECT_TRUE(ui.meldingen.empty());

    const std::string b = Lees("inhoudb.htm");
    const auto bakker = b.find("<B>Bakker</B>"), berg = b.find("<B>Berg</B>"),
               bosman = b.find("<B>Bosman</B>");
    ASSERT_NE(bakker, std::string::npos);
    ASSERT_NE(berg, std::string::npos);
    ASSERT_NE(bosman, std::string::npos);
    EXPECT_LT(bakker, berg);
    EXPECT_LT(berg, bosman);
    EXPECT_NE(
        b.find("HREF=\"paginas/b/berg/bergjpvander19200305_19871112_v.htm\">J.P. van der 05-03-1920</A>"),
        std::string::npos);

    // A card whose image name holds an accented letter: page and copy under the same names.
    const std::string peeters = Lees("paginas/p/peeters/peeters zo\xC3\xAB 1931.htm");
    EXPECT_NE(peeters.find("SRC=\"../../../afbeeldingen/p/peeters zo\xEB 1931.jpg\""), std::string::npos);
    EXPECT_TRUE(stdfs::is_regular_file(Site() / "afbeeldingen/p/peeters zo\xC3\xAB 1931.jpg"));
    EXPECT_NE(Lees("inhoudp.htm").find("HREF=\"paginas/p/peeters/peeters zo\xEB 1931.htm\""),
              std::string::npos);

    // An accented capital: a page, its image in the folder of that capital, listed under E.
    const std::string eloy = Lees("paginas/e/eloy/\xC3\x89loy ga\xC3\xABtan 1902.htm");
    EXPECT_NE(eloy.find("SRC=\"../../../afbeeldingen/\xC9/\xC9loy ga\xEBtan 1902.jpg\""), std::string::npos);
    EXPECT_TRUE(stdfs::is_regular_file(Site() / "afbeeldingen/\xC3\x89/\xC3\x89loy ga\xC3\xABtan 1902.jpg"));
    EXPECT_NE(Lees("inhoude.htm").find("HREF=\"paginas/e/eloy/\xC9loy ga\xEBtan 1902.htm\""),
              std::string::npos);

    // An image named with a folder of another machine: the page is named after the file alone.
    EXPECT_TRUE(stdfs::is_regular_file(Site() / "paginas/s/smet/smethde19100601_19800305_v.htm"));

    for (const char* skelet : {"index.htm", "kopindex.htm", "menuindex.htm", "inhoudindex.htm",
                               "tool/script/genealogie.css", "tool/script/genealogie.js", "tool/index.htm",
                               "paginas/index.htm", "paginas/b/index.htm", "afbeeldingen/index.htm"})
        EXPECT_TRUE(stdfs::is_regular_file(Site() / skelet)) << skelet;
    for (char l = 'a'; l <= 'z'; ++l)
        EXPECT_TRUE(stdfs::is_regular_file(Site() / ("inhoud" + std::string(1, l) + ".htm"))) << l;
}

TEST_F(Type1Voorbeeld, ElkeLinkVanDeSiteVindtZijnBestand) {
    ASSERT_TRUE(Exporteer(1));
    EXPECT_EQ(KapotteLinks(Site()), std::vector<std::string>{});
    EXPECT_GT(AantalGecontroleerdeLinks(), 300u);
}

} // namespace
} // namespace gdk::test
