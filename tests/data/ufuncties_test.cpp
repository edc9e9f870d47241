#include "data/ufuncties.h"

#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "settings/instellingen.h"
#include "support/tijdelijke_map.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace gdk {
namespace {

using test::TijdelijkeMap;

struct Geval {
    const char* in;
    const char* uit;
};

// ---------------------------------------------------------------- status bar

TEST(Statusbalk, EmptyTextsShowTheOutputTextsAfterTwoBlanksAndRepaint) {
    for (auto& t : UitvoerTekst)
        t.clear();
    OpnameGebruiker ui;
    StatusLinks("");
    StatusRechts("");
    // Before the word lists are loaded the panels show the two blanks alone.
    EXPECT_EQ(ui.links, std::vector<std::string>{"  "});
    EXPECT_EQ(ui.rechts, std::vector<std::string>{"  "});

    StandaardUitvoerTekst();
    StatusLinks("");
    StatusRechts("");
    StatusLinks("gelezen");
    StatusRechts("00:00:01:35");
    EXPECT_EQ(ui.links, (std::vector<std::string>{"  ", "  berichten", "  gelezen"}));
    EXPECT_EQ(ui.rechts, (std::vector<std::string>{"  ", "  gezinsblad", "  00:00:01:35"}));
    EXPECT_EQ(ui.hertekend, 6);
}

// ---------------------------------------------------------------- numbers and durations

TEST(GetalOpLengte, PadsOrKeepsTheLastDigits) {
    struct {
        std::int64_t n;
        int lengte;
        const char* uit;
    } const gevallen[] = {
        {7, 2, "07"}, {2024, 2, "24"}, {5, 4, "0005"}, {123, 2, "23"}, {1920, 4, "1920"},
        {0, 2, "00"}, {42, 0, ""},     {42, -1, ""},   {-5, 3, "0-5"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(GetalOpLengte(g.n, g.lengte), g.uit) << g.n << "," << g.lengte;
}

TEST(DuurTekst, DaysHoursMinutesSecondsTwoDigitsEach) {
    struct {
        std::uint32_t ms;
        const char* uit;
    } const gevallen[] = {
        {0, "00:00:00:00"},        {999, "00:00:00:00"},      {95000, "00:00:01:35"},
        {90061000, "01:01:01:01"}, {86399999, "00:23:59:59"}, {4294967295u, "49:17:02:47"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(DuurTekst(g.ms), g.uit) << g.ms;
}

TEST(ZonderSlotBackslash, RemovesEveryClosingSeparator) {
    const Geval gevallen[] = {
        {"C:\\map\\", "C:\\map"},
        {"/home/an/", "/home/an"},
        {"/home/an\\//", "/home/an"},
        {"/home/an", "/home/an"},
        {"", ""},
        {"\\\\", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(ZonderSlotBackslash(g.in), g.uit) << g.in;
}

// ---------------------------------------------------------------- dates

TEST(DatumNaarNederlands, ReplacementsInOrderIgnoringCase) {
    const Geval gevallen[] = {
        {"12 March 1920", "12 maart 1920"},
        {"12 MARCH 1920", "12 maart 1920"},
        {"12 MAR 1920", "12 mrt 1920"},
        {"1 OCT 1900", "1 okt 1900"},
        {"1 october 1900", "1 oktober 1900"},
        {"3 May 1950", "3 mei 1950"},
        {"ABT 1920", "ca 1920"},
        {"abt. 1920", "ca 1920"},
        {"BEF 1900", "voor 1900"},
        {"AFT. 1900", "na 1900"},
        {"BET 1900 AND 1910", "tussen 1900 AND 1910"},
        {"EST 1850", "ca 1850"},
        {"CAL 1850", "ca 1850"},
        {"5.3.1920", "5-3-1920"},
        {"1  2    3", "1 2  3"}, // two blanks become one in a single pass
        {"", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(DatumNaarNederlands(g.in), g.uit) << g.in;
}

TEST(DatumNormaliseren, NumericDatesFollowTheSetting) {
    struct {
        std::int32_t instelling;
        const char* in;
        const char* uit;
    } const gevallen[] = {
        {1, "5.3.1920", "05-03-1920"},
        {2, "5.3.1920", "5-3-1920"},
        {1, "1-2-1900", "01-02-1900"},
        {1, "01-02-1900", "01-02-1900"},
        {2, "01-02-1900", "1-2-1900"},
        {1, " 1 - 2 - 1900 ", "01-02-1900"},
        {1, "1-2-19", "01-02-0019"},
        {1, "12 March 1920", "12 March 1920"}, // the text as it came in, not the translated one
        {1, "ABT 1920", "ABT 1920"},
        {1, "12 MAR 1920", "12 MAR 1920"},
        {1, "1920", "1920"},
        {1, "", ""},
        {1, "1-2", "1-2"},
        {1, "a-2-1900", "a-2-1900"},
        {1, "1-2-1900-5", "1-2-1900-5"},
        {1, "1-2-", "1-2-"},
        {0, "5.3.1920", "5.3.1920"},
        {-1, "5.3.1920", "5.3.1920"}, // nothing stored: dates as in the file
        {3, "5.3.1920", "5.3.1920"},
    };
    const std::int32_t bewaard = adDatumAanpassen;
    for (const auto& g : gevallen) {
        adDatumAanpassen = g.instelling;
        EXPECT_EQ(DatumNormaliseren(g.in), g.uit) << g.instelling << " " << g.in;
    }
    adDatumAanpassen = bewaard;
}

// ---------------------------------------------------------------- names and file-name codes

TEST(HoofdletterWoorden, EveryWordACapital) {
    const Geval gevallen[] = {
        {"van der berg-de wit", "Van Der Berg-De Wit"},
        {"van 't hof", "Van 't Hof"},
        {"JANSEN", "Jansen"},
        {"st.-jan (ri)/ba", "St.-Jan (Ri)/Ba"},
        {"jan  piet", "Jan  Piet"},
        {"\xE9mile \xE9mile", "\xE9mile \xC9mile"}, // the first letter is A-Z only, later ones Windows-1252
        {"a \xF7x", "A \xF7x"},                     // the division sign has no capital
        {"a \xFFx", "A \xFFx"},
        {" jan ", " Jan "},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(HoofdletterWoorden(g.in, false), g.uit) << g.in;
}

TEST(HoofdletterWoorden, AllCapitalsKeepsSurroundingBlanks) {
    const Geval gevallen[] = {
        {" van 't hof ", " VAN 'T HOF "},
        {"m\xFCller", "M\xFCLLER"}, // A-Z only
        {"  ", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(HoofdletterWoorden(g.in, true), g.uit) << g.in;
}

TEST(Initialen, FirstLetterOfEveryWord) {
    const Geval gevallen[] = {
        {"Johannes Petrus", "J.P."},    {"anna-maria", "A.-M."}, {"(Jo)", "J."}, {"Jan ", "J."},
        {"jan.piet", "J.P."},           {"  jan", "J."},         {"", ""},       {" ", ""},
        {"Maria (Mies) Ann", "M.M.A."},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Initialen(g.in), g.uit) << g.in;
}

TEST(BestandsnaamSchoon, RemovesPunctuationAndAccentsInBothCodePages) {
    const Geval gevallen[] = {
        {"Zo\xEB-M\xFCller", "ZoeMuller"}, // Windows-1252
        {"Zo\x89-M\x81ller", "ZoeMuller"}, // DOS code page 437
        {"O'Brien", "OBrien"},
        {"a b,c.d-e?f/g\\h\"i'j\x07k", "abcdefghijk"},
        {"\xC9LISE", "eLISE"}, // the Windows-1252 capital goes too
        {"Fran\xE7ois Fran\x87ois", "FrancoisFrancois"},
        {"\xC7"
         "a",
         "ca"}, // ignoring case, the "c" row takes it first
        {"\x80"
         "a",
         "Ca"},
        {"Pe\xA4"
         "a",
         "Pena"},
        {"\xE0\xE1\xE2\xE4 \xE8\xE9\xEA\xEB \xEC\xED\xEE\xEF \xF2\xF3\xF4\xF6 \xF9\xFA\xFB\xFC",
         "aaaaeeeeiiiioooouuuu"},
        {"Jan\tSmit", "Jan\tSmit"},         // only code 32 counts as a blank
        {"\x8A\x9A\x9F\xFF", "ee\x9F\xFF"}, // Windows-1252 case pairs of the DOS codes
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(BestandsnaamSchoon(g.in), g.uit) << g.in;
    EXPECT_EQ(BestandsnaamSchoon(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(VervangEnVerklein, ReplacesIgnoringCaseThenSmallLetters) {
    EXPECT_EQ(VervangEnVerklein("Paginas\\A\\Jan Smit.HTM", "\\", "/"), "paginas/a/jan smit.htm");
    EXPECT_EQ(VervangEnVerklein("De Vries DE VRIES", "de ", "d-"), "d-vries d-vries");
    EXPECT_EQ(VervangEnVerklein("ABC", "", "x"), "abc");
    EXPECT_EQ(VervangEnVerklein("\xC9"
                                "COLE",
                                "x", "y"),
              "\xC9"
              "cole"); // small letters A-Z only
}

TEST(VerwijderTussenHaakjes, RemovesBracketedSegments) {
    const Geval gevallen[] = {
        {"Jansen (Janssen)", "Jansen"},
        {"(oud) Jansen", "Jansen"},
        {"Jansen (Janssen", "Jansen (Janssen"}, // unclosed: unchanged
        {"a (b (c) d) e", "a  d) e"},           // no nesting: up to the first closing bracket
        {"a (b) c (d", "a  c (d"},
        {"a ()(x)b", "a b"},
        {"a) b", "a) b"},
        {"  Jansen  ", "Jansen"},
        {"", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(VerwijderTussenHaakjes(g.in, '(', ')'), g.uit) << g.in;
}

TEST(LeesInhoudMeta, ContentOfTheFourTags) {
    const Geval gevallen[] = {
        {"<META NAME=\"vinhoud\" CONTENT=\"Jan Smit\">", "Jan Smit"},
        {"<meta name=\"minhoud\" content=\"M\">", "M"},
        {"<META NAME=\"KINHOUD\" CONTENT=\"kind\">", "kind"},
        {"<META NAME=\"oinhoud\" CONTENT=\"\">", ""},
        {"<META NAME=\"xinhoud\" CONTENT=\"Jan\">", ""},
        {"<META NAME=\"vinhoud\" CONTENT=\"", ""},
        {"", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(LeesInhoudMeta(g.in), g.uit) << g.in;
}

// ---------------------------------------------------------------- shared helpers

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEnds) {
    EXPECT_EQ(Trim(" \t\r\n\x01 jan smit \x1F\x20"), "jan smit");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0"); // the non-breaking space is above 32
    EXPECT_EQ(Trim(" \t "), "");
}

TEST(TekstNaarGetal, DecimalWithinThirtyTwoBits) {
    struct {
        const char* in;
        bool goed;
        std::int32_t waarde;
    } const gevallen[] = {
        {"12", true, 12},
        {"  12", true, 12},
        {"-7", true, -7},
        {"+7", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"12 ", false, 0},
        {"1a", false, 0},
        {"$1A", false, 0},
        {"0x1A", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"+-1", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const auto& g : gevallen) {
        std::int32_t uit = 0;
        EXPECT_EQ(TekstNaarGetal(g.in, uit), g.goed) << g.in;
        if (g.goed) {
            EXPECT_EQ(uit, g.waarde) << g.in;
        }
    }
}

TEST(ExtensieVervangen, LastDotAfterTheLastSeparator) {
    EXPECT_EQ(ExtensieVervangen("/a/kaarten.gdk", "_Verschillen.txt"), "/a/kaarten_Verschillen.txt");
    EXPECT_EQ(ExtensieVervangen("/a.b/kaarten", ".txt"), "/a.b/kaarten.txt");
    EXPECT_EQ(ExtensieVervangen("C:kaart.x.jpg", ""), "C:kaart.x");
    EXPECT_EQ(ExtensieVervangen("map\\naam", ".gif"), "map\\naam.gif");
}

TEST(BestandsnaamDeel, AfterTheLastSeparator) {
    EXPECT_EQ(BestandsnaamDeel("C:\\scans\\a/berg.jpg"), "berg.jpg");
    EXPECT_EQ(BestandsnaamDeel("C:berg.jpg"), "C:berg.jpg");
    EXPECT_EQ(BestandsnaamDeel("C:berg.jpg", true), "berg.jpg");
    EXPECT_EQ(BestandsnaamDeel("map/"), "");
}

// ---------------------------------------------------------------- file-system listings

TEST(ZoekMappen, DepthFirstWithoutHiddenFolders) {
    TijdelijkeMap map;
    map.Schrijf("b/b1/x.txt", "");
    map.Schrijf("a/a2/x.txt", "");
    map.Schrijf("a/a1/x.txt", "");
    map.Schrijf(".verborgen/x.txt", "");
    map.Schrijf("bestand.txt", "");
    std::vector<std::string> lijst;
    ZoekMappen(map.tekst(), lijst);
    const std::string m = map.tekst() + "/";
    EXPECT_EQ(lijst, (std::vector<std::string>{m + "a", m + "a/a1", m + "a/a2", m + "b", m + "b/b1"}));

    std::vector<std::string> metSlot;
    ZoekMappen(m, metSlot);
    EXPECT_EQ(metSlot, lijst);

    std::vector<std::string> niets;
    ZoekMappen(map.tekst() + "/ontbreekt", niets);
    EXPECT_TRUE(niets.empty());
}

TEST(ZoekMappen, ALinkBackUpTheTreeEndsTheWalk) {
    TijdelijkeMap map;
    map.Schrijf("a/x.txt", "");
    std::filesystem::create_directory_symlink(map.pad(), map.pad() / "a" / "terug");
    std::vector<std::string> lijst;
    ZoekMappen(map.tekst(), lijst);
    EXPECT_LE(lijst.size(), 3u);
    EXPECT_EQ(lijst.front(), map.tekst() + "/a");
}

TEST(ZoekBestanden, MaskAndExtensionIgnoringCase) {
    TijdelijkeMap map;
    map.Schrijf("Berg.JPG", "");
    map.Schrijf("dal.jpg", "");
    map.Schrijf("dal.gif", "");
    map.Schrijf("map.jpg/x", "");
    map.Schrijf("Zo\xC3\xAB.jpg", ""); // UTF-8 on disk
    std::vector<std::string> lijst;
    EXPECT_TRUE(ZoekBestanden(map.tekst(), "*", "jpg", lijst));
    std::sort(lijst.begin(), lijst.end());
    EXPECT_EQ(lijst, (std::vector<std::string>{map.tekst() + "/Berg.JPG", map.tekst() + "/Zo\xEB.jpg",
                                               map.tekst() + "/dal.jpg"}));

    std::vector<std::string> geen;
    EXPECT_FALSE(ZoekBestanden(map.tekst(), "*", "png", geen));
    EXPECT_FALSE(ZoekBestanden(map.tekst() + "/ontbreekt", "*", "*", geen));
    EXPECT_TRUE(geen.empty());

    // A folder that matches counts as found, but is not listed.
    std::vector<std::string> alleenMap;
    EXPECT_TRUE(ZoekBestanden(map.tekst(), "map", "jpg", alleenMap));
    EXPECT_TRUE(alleenMap.empty());
}

// Markup in card fields: simple formatting stays, anything else is shown as text.
TEST(HtmlVeld, AlleenEenvoudigeOpmaakBlijftOpmaak) {
    struct {
        const char *veld, *tekst, *attribuut;
    } const gevallen[] = {
        {"Jansen", "Jansen", "Jansen"},
        {"<b>vet</b> en <I>schuin</I>", "<b>vet</b> en <I>schuin</I>", "<b>vet</b> en <I>schuin</I>"},
        {"a<br>b<BR/>c<br />d", "a<br>b<BR/>c<br />d", "a<br>b<BR/>c<br />d"},
        {"<em><strong><u><sup>1</sup><sub>2</sub></u></strong></em>",
         "<em><strong><u><sup>1</sup><sub>2</sub></u></strong></em>",
         "<em><strong><u><sup>1</sup><sub>2</sub></u></strong></em>"},
        {"<script>alert(1)</script>", "&lt;script>alert(1)&lt;/script>", "&lt;script>alert(1)&lt;/script>"},
        {"Xavier\" onmouseover=\"alert(2)", "Xavier\" onmouseover=\"alert(2)",
         "Xavier&quot; onmouseover=&quot;alert(2)"},
        {"<b onclick=x>", "&lt;b onclick=x>", "&lt;b onclick=x>"},
        {"<bx>", "&lt;bx>", "&lt;bx>"},
        {"a < b <", "a &lt; b &lt;", "a &lt; b &lt;"},
        {"<img src=x onerror=y>", "&lt;img src=x onerror=y>", "&lt;img src=x onerror=y>"},
        {"& &amp;", "& &amp;", "& &amp;"},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(HtmlTekst(g.veld), g.tekst) << g.veld;
        EXPECT_EQ(HtmlAttribuut(g.veld), g.attribuut) << g.veld;
    }
}

} // namespace
} // namespace gdk
