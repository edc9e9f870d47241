#include "export/letterpaginas.h"

#include "export/sitemappen.h"
#include "import/woordlijsten.h"
#include "platform/sorteren.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace gdk::test {
namespace {

// The head of a letter page as the test expects it, for the keyword line given.
std::string Kop(char l, const std::string& trefwoorden) {
    const std::string L(1, l);
    return "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">\n"
           "<HTML>\n"
           "<HEAD>\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\n"
           "<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie" +
           trefwoorden +
           "\">\n"
           "<META NAME=\"description\" CONTENT=\"inhoudpagina " +
           L +
           " van Velmoran Genealogie\">\n"
           "<META NAME=\"robots\" CONTENT=\"index, follow\">\n"
           "<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">\n"
           "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
           "SRC=\"tool/script/genealogie.js\"></SCRIPT>\n"
           "<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"tool/script/genealogie.css\">\n"
           "<TITLE>inhoud" +
           L +
           "</TITLE>\n"
           "</HEAD>\n"
           "\n"
           "<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">\n"
           "\n"
           "\n"
           "\n"
           "   <BR><BR>\n"
           "\n";
}

// The letter pages from entries written as lines of index text ";" page path.
void SchrijfUitRegels(const std::string& w, const std::vector<std::string>& regels) {
    std::vector<IndexIngang> ingangen;
    for (const std::string& r : regels) {
        const std::size_t p = r.find(';');
        ingangen.emplace_back(r.substr(0, p), r.substr(p + 1));
    }
    SchrijfLetterPaginas(w, ingangen);
}

const std::string Td = "      <TD CLASS=\"inhoud\" WIDTH=\"222\" VALIGN=\"top\">\n";
const std::string Slot = "\n      </TD>\n   </TR>\n   </TABLE>\n\n</BODY>\n\n</HTML>\n";

class LetterPaginas : public ::testing::Test {
  protected:
    void SetUp() override { StandaardUitvoerTekst(); }
    std::string Pagina(char l) const { return PaginaIn(map, l); }
    static std::string PaginaIn(const TijdelijkeMap& m, char l) {
        return LeesBestand(m.pad() / ("inhoud" + std::string(1, static_cast<char>(l - 'A' + 'a')) + ".htm"));
    }
    std::string Leeg(char l) const {
        return MetCrLf(
            Kop(l, "") + "         <BR>\n         <B>Voor de letter " + std::string(1, l) +
            " zijn geen gegevens aanwezig.</B>\n\n   <TABLE BORDER=\"0\" ALIGN=\"center\">\n   <TR>\n\n" +
            Td + "\n      </TD>\n" + Td + "\n      </TD>\n\n" + Td + "\n      </TD>\n" + Td +
            "\n      </TD>\n\n   </TR>\n   </TABLE>\n" + Slot);
    }
    // An entry as the site scan gathers it: content ";" full path of the page.
    std::string Ingang(const std::string& inhoud, const std::string& pagina) const {
        return inhoud + ";" + map.tekst() + "/" + pagina;
    }
    // The surnames of each table cell of a letter page, in order.
    static std::vector<std::vector<std::string>> Cellen(const TijdelijkeMap& m, char l) {
        std::vector<std::vector<std::string>> cellen;
        std::istringstream in(PaginaIn(m, l));
        std::string r;
        while (std::getline(in, r)) {
            if (!r.empty() && r.back() == '\r') r.pop_back();
            if (r + "\n" == Td) cellen.emplace_back();
            const auto b = r.find("<B>");
            if (b != std::string::npos && !cellen.empty())
                cellen.back().push_back(r.substr(b + 3, r.find("</B>") - b - 3));
        }
        return cellen;
    }
    TijdelijkeMap map;
};

TEST_F(LetterPaginas, LetterZonderIngangenKrijgtDePaginaVan49Regels) {
    SchrijfUitRegels(map.tekst(), {Ingang("Bakker, J., 01-02-1900", "paginas/b/bakker/b1.htm")});
    const std::string q = Pagina('Q');
    EXPECT_EQ(q, Leeg('Q'));
    EXPECT_EQ(std::count(q.begin(), q.end(), '\n'), 49);
    EXPECT_EQ(Pagina('A'), Leeg('A'));
    EXPECT_EQ(Pagina('Z'), Leeg('Z'));
}

TEST_F(LetterPaginas, EenAchternaamGeeftTweeCellenDeTweedeLeeg) {
    SchrijfUitRegels(map.tekst(), {Ingang("Bakker, J., 01-02-1900", "paginas/b/bakker/B1.htm")});
    EXPECT_EQ(Pagina('B'),
              MetCrLf(Kop('B', ",Bakker") + "   <TABLE BORDER=\"0\" ALIGN=\"center\">\n   <TR>\n\n" + Td +
                      "\n"
                      "         <B>Bakker</B><BR>\n"
                      "         <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"paginas/b/bakker/b1.htm\">J., "
                      "01-02-1900</A><BR>\n"
                      "\n      </TD>\n" +
                      Td + "\n" + Slot));
}

TEST_F(LetterPaginas, DrieAchternamenGevenVierCellen) {
    SchrijfUitRegels(map.tekst(), {Ingang("Maas, A., ", "paginas/m/maas/m1.htm"),
                                   Ingang("Mol, B., ", "paginas/m/mol/m2.htm"),
                                   Ingang("Mulder, C., 1900", "paginas/m/mulder/m3.htm")});
    const auto a = [](const std::string& pagina, const std::string& rest) {
        return "         <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"paginas/m/" + pagina + "\">" + rest +
               "</A><BR>\n";
    };
    EXPECT_EQ(Pagina('M'),
              MetCrLf(Kop('M', ",Maas,Mol,Mulder") + "   <TABLE BORDER=\"0\" ALIGN=\"center\">\n   <TR>\n\n" +
                      Td + "\n" + "         <B>Maas</B><BR>\n" + a("maas/m1.htm", "A.,") + "         <BR>\n" +
                      "\n      </TD>\n" + Td + "\n" + "\n" + "         <B>Mol</B><BR>\n" +
                      a("mol/m2.htm", "B.,") + "         <BR>\n" + "\n      </TD>\n" + Td + "\n" + "\n" +
                      "         <B>Mulder</B><BR>\n" + a("mulder/m3.htm", "C., 1900") + "\n      </TD>\n" +
                      Td + "\n" + Slot));
}

TEST_F(LetterPaginas, AchternamenVerdeeldOverVierKolommen) {
    struct {
        int namen;
        std::vector<std::vector<std::string>> cellen;
    } const gevallen[] = {
        {1, {{"S01"}, {}}},
        {2, {{"S01"}, {"S02"}, {}}},
        {3, {{"S01"}, {"S02"}, {"S03"}, {}}},
        {4, {{"S01"}, {"S02"}, {"S03"}, {"S04"}}},
        {5, {{"S01", "S02"}, {"S03"}, {"S04"}, {"S05"}}},
        {10, {{"S01", "S02", "S03"}, {"S04", "S05", "S06"}, {"S07", "S08"}, {"S09", "S10"}}},
    };
    for (const auto& g : gevallen) {
        TijdelijkeMap eigen;
        std::vector<std::string> regels;
        for (int n = 1; n <= g.namen; ++n) {
            const std::string naam = (n < 10 ? "S0" : "S") + std::to_string(n);
            // Two persons per surname: a group is one bold name with all its links.
            regels.push_back(naam + ", A., ;" + eigen.tekst() + "/paginas/s/" + naam + "/a.htm");
            regels.push_back(naam + ", B., ;" + eigen.tekst() + "/paginas/s/" + naam + "/b.htm");
        }
        SchrijfUitRegels(eigen.tekst(), regels);
        EXPECT_EQ(Cellen(eigen, 'S'), g.cellen) << g.namen << " achternamen";
        const std::string pagina = PaginaIn(eigen, 'S');
        EXPECT_EQ(std::count(pagina.begin(), pagina.end(), '\n'),
                  34 + 4 * (g.namen - 1) + g.namen + 4 * (static_cast<int>(g.cellen.size()) - 1))
            << g.namen << " achternamen";
    }
}

TEST_F(LetterPaginas, PersonenVanEenAchternaamVormenEenGroepOpVoorlettersTussenvoegselEnDatum) {
    std::vector<std::string> regels = {
        Ingang("Vries, J. de, 03-04-1911", "paginas/v/vries/c.htm"),
        Ingang("Vries, A., 01-01-1950", "paginas/v/vries/b.htm"),
        Ingang("Vries, J. de, 02-04-1911", "paginas/v/vries/a.htm"),
        Ingang("Vries, J., 01-01-1800", "paginas/v/vries/d.htm"),
    };
    SorteerRegels(regels);
    SchrijfUitRegels(map.tekst(), regels);
    const auto a = [](const std::string& pagina, const std::string& rest) {
        return "         <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"paginas/v/vries/" + pagina + "\">" +
               rest + "</A><BR>\n";
    };
    EXPECT_EQ(Pagina('V'),
              MetCrLf(Kop('V', ",Vries") + "   <TABLE BORDER=\"0\" ALIGN=\"center\">\n   <TR>\n\n" + Td +
                      "\n" + "         <B>Vries</B><BR>\n" + a("b.htm", "A., 01-01-1950") +
                      a("a.htm", "J. de, 02-04-1911") + a("c.htm", "J. de, 03-04-1911") +
                      a("d.htm", "J., 01-01-1800") + "\n      </TD>\n" + Td + "\n" + Slot));
}

TEST_F(LetterPaginas, TrefwoordenNoemenDeAchternamenInPaginavolgorde) {
    std::vector<std::string> regels = {
        Ingang("Kok, A., ", "paginas/k/kok/1.htm"),       Ingang("Kuiper, B., ", "paginas/k/kuiper/2.htm"),
        Ingang("Kok, C., ", "paginas/k/kok/3.htm"),       Ingang("Koster, D., ", "paginas/k/koster/4.htm"),
        Ingang("Jansen, E., ", "paginas/j/jansen/5.htm"),
    };
    SorteerRegels(regels);
    SchrijfUitRegels(map.tekst(), regels);
    EXPECT_NE(Pagina('K').find(
                  "\r\n<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie,Kok,Koster,Kuiper\">\r\n"),
              std::string::npos);
    EXPECT_NE(Pagina('J').find("\r\n<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie,Jansen\">\r\n"),
              std::string::npos);
    EXPECT_EQ(Pagina('L'), Leeg('L'));
}

// Another name between two entries of one surname splits their group: each entry continues only
// the one directly before it on its page.
TEST_F(LetterPaginas, AndereNaamTussenTweeGelijkeSplitstDeGroep) {
    std::vector<std::string> regels = {
        Ingang("Jansen, A., ", "paginas/j/jansen/a.htm"),
        Ingang("-Jansen, B., ", "paginas/j/jansen/b.htm"),
        Ingang("Jansen, C., ", "paginas/j/jansen/c.htm"),
        Ingang("Janssen, K., ", "paginas/j/janssen/k.htm"),
    };
    const std::vector<std::string> gegeven = regels;
    SorteerRegels(regels);
    ASSERT_EQ(regels, gegeven) << "the hyphen is ignored first, so this is already the sorted order";
    SchrijfUitRegels(map.tekst(), regels);
    EXPECT_NE(
        Pagina('J').find(
            "\r\n<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie,Jansen,-Jansen,Jansen,Janssen\">\r\n"),
        std::string::npos);
    EXPECT_EQ(Cellen(map, 'J'),
              (std::vector<std::vector<std::string>>{{"Jansen"}, {"-Jansen"}, {"Jansen"}, {"Janssen"}}));
}

// Equal names continue a group only when the name before the comma matches exactly, untrimmed.
TEST_F(LetterPaginas, NaamMetBlancoVoorDeKommaBegintEenEigenGroep) {
    SchrijfUitRegels(map.tekst(),
                     {Ingang("Kok , A., ", "paginas/k/kok/a.htm"), Ingang("Kok, B., ", "paginas/k/kok/b.htm"),
                      Ingang("Kok, C., ", "paginas/k/kok/c.htm")});
    EXPECT_EQ(Cellen(map, 'K'), (std::vector<std::vector<std::string>>{{"Kok"}, {"Kok"}, {}}));
}

// Every entry is listed, on the page of the first letter of its name after the fold of the
// folders; a name without one on A's page, before A's own.
TEST_F(LetterPaginas, ElkeIngangOpDePaginaVanZijnLetter) {
    const struct {
        const char* naam;
        char letter;
    } gevallen[] = {{"1e Kamer", 'A'}, {"'t Hart", 'T'}, {"\xC9mile", 'E'}, {"\xD6zt\xFCrk", 'O'},
                    {"Onbekend", 'O'}, {"?", 'A'},       {"\t", 'A'},       {"Aarts", 'A'}};
    for (const auto& g : gevallen) {
        TijdelijkeMap eigen;
        const std::vector<std::string> regels = {std::string(g.naam) + ", J., ;" + eigen.tekst() +
                                                 "/paginas/x/y.htm"};
        SchrijfUitRegels(eigen.tekst(), regels);
        for (char l = 'A'; l <= 'Z'; ++l)
            EXPECT_EQ(PaginaIn(eigen, l).find("HREF=\"paginas/x/y.htm\">J.,</A>") != std::string::npos,
                      l == g.letter)
                << g.naam << " letter " << l;
    }
    SchrijfUitRegels(map.tekst(), {Ingang("Aarts, A., ", "paginas/a/aarts/1.htm"),
                                   Ingang("1900, B., ", "paginas/1/1900/2.htm"),
                                   Ingang("Bos, C., ", "paginas/b/bos/3.htm")});
    EXPECT_EQ(Cellen(map, 'A'), (std::vector<std::vector<std::string>>{{"1900"}, {"Aarts"}, {}}));
}

TEST_F(LetterPaginas, KleineBeginletterEnBijnaOnbekendTellenWelMee) {
    SchrijfUitRegels(map.tekst(), {Ingang("de Wit, A., ", "paginas/d/dewit/1.htm"),
                                   Ingang("Onbeken, B., ", "paginas/o/onbeken/2.htm")});
    EXPECT_EQ(Cellen(map, 'D'), (std::vector<std::vector<std::string>>{{"de Wit"}, {}}));
    EXPECT_EQ(Cellen(map, 'O'), (std::vector<std::vector<std::string>>{{"Onbeken"}, {}}));
}

TEST_F(LetterPaginas, GeenIngangenGeeft26LegePaginas) {
    SchrijfUitRegels(map.tekst(), {});
    int paginas = 0;
    for (const auto& e : std::filesystem::directory_iterator(map.pad()))
        ++paginas, (void)e;
    EXPECT_EQ(paginas, 26);
    for (char l = 'A'; l <= 'Z'; ++l)
        EXPECT_EQ(Pagina(l), Leeg(l)) << l;
}

// A letter needing more lines than the 25000 the pages were laid out for loses no entry.
TEST_F(LetterPaginas, GroteLetterVerliestGeenIngang) {
    std::vector<std::string> regels;
    for (int n = 0; n < 30000; ++n) {
        const std::string naam = "Naam" + std::to_string(100000 + n / 3);
        regels.push_back(naam + ", J., " + std::to_string(n) + ";" + map.tekst() + "/paginas/n/" + naam +
                         "/" + std::to_string(n) + ".htm");
    }
    SchrijfUitRegels(map.tekst(), regels);
    const std::string n = Pagina('N');
    std::size_t links = 0, pos = 0;
    while ((pos = n.find("<A CLASS=\"1\"", pos)) != std::string::npos)
        ++links, ++pos;
    EXPECT_EQ(links, 30000u);
    EXPECT_NE(n.find("HREF=\"paginas/n/naam109999/29999.htm\">J., 29999</A>"), std::string::npos);
    EXPECT_TRUE(n.ends_with("</BODY>\r\n\r\n</HTML>\r\n"));
    const auto cellen = Cellen(map, 'N');
    ASSERT_EQ(cellen.size(), 4u);
    EXPECT_EQ(cellen[0].size(), 2500u);
    EXPECT_EQ(cellen[3].size(), 2500u);
}

TEST(MaakLink, GeeftHetPadVanafDeSiteInKleineLettersMetSchuineStrepen) {
    struct {
        const char *site, *pad, *link;
    } const gevallen[] = {
        {"/home/An/Sites/kaarten/gedenkjes/type 1",
         "/home/An/Sites/kaarten/gedenkjes/type 1/paginas/b/bakker/Berg.htm", "paginas/b/bakker/berg.htm"},
        {"/home/An/Sites/kaarten/gedenkjes/type 1", "/HOME/an/sites/kaarten/gedenkjes/TYPE 1/paginas/a/x.htm",
         "paginas/a/x.htm"},
        {"C:\\Uit\\kaarten", "c:\\uit\\kaarten\\paginas\\z\\zoon\\Z.HTM", "paginas/z/zoon/z.htm"},
        {"/uit", "/elders/paginas/a.htm", "/elders/paginas/a.htm"},
        {"/uit", "/uit/paginas/\xC9mile/\xC9.htm", "paginas/\xC9mile/\xC9.htm"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(MaakLink(g.site, g.pad), g.link) << g.pad;
    EXPECT_TRUE(IsHoofdletter('A'));
    EXPECT_TRUE(IsHoofdletter('Z'));
    EXPECT_FALSE(IsHoofdletter('a'));
    EXPECT_FALSE(IsHoofdletter('@'));
    EXPECT_FALSE(IsHoofdletter('['));
    EXPECT_FALSE(IsHoofdletter(0xC9));
}

// Mended: the page's loss was told as "Verschillen in bestand", and the export went on to succeed.
TEST_F(LetterPaginas, PaginaDieNietGeschrevenKanWordenStoptDeUitvoer) {
    std::filesystem::create_directory(map.pad() / "inhoudc.htm"); // blocks the page of C
    EXPECT_THROW(SchrijfUitRegels(map.tekst(), {Ingang("Bos, A., ", "paginas/b/bos/1.htm"),
                                                Ingang("Claes, B., ", "paginas/c/claes/2.htm"),
                                                Ingang("Dekker, C., ", "paginas/d/dekker/3.htm")}),
                 PaginaNietGemaakt);
    EXPECT_EQ(Cellen(map, 'B'), (std::vector<std::vector<std::string>>{{"Bos"}, {}}));
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "inhoudd.htm"));
}

} // namespace
} // namespace gdk::test
