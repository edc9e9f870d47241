// The encoding of a collection file as a user meets it: real files through the read command.
#include "import/codering.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "import/controles.h"
#include "import/inlezen.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "settings/instellingen.h"
#include "support/tekst.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace gdk {
namespace {

const std::string Utf8Regel0 =
    "collectie gelezen als UTF-8 en omgezet naar Windows-1252; tekens zonder Windows-1252-vorm vervangen "
    "door ?: 0\r\n";

class Codering : public ::testing::Test {
  protected:
    void SetUp() override {
        StandaardUitvoerTekst();
        ControleOpGeslacht = true;
        ControleOpDatum = ControleOpBestandsnaam = false;
        ControleOpBestandsnaamAfbeelding = ControleOpBestandsnaamFoto = false;
        AlleenBestandsnaamAfbeeldingInlezen = BestandsnaamToevoegen = false;
        adDatumAanpassen = 1;
    }
    std::string Rapport(const std::string& naam) const {
        const auto pad = map.pad() / (naam + "_Verschillen.txt");
        return std::filesystem::exists(pad) ? test::LeesBestand(pad) : "(geen)";
    }
    test::TijdelijkeMap map;
    OpnameGebruiker ui;
};

// Which files are read as UTF-8, and what the program then holds (in Windows-1252).
TEST_F(Codering, TheChoiceOfEncoding) {
    const std::string Bom = "\xEF\xBB\xBF";
    struct Geval {
        const char* wat;
        std::string inhoud;
        int personen;
        std::string voornamen, achternaam; // of the first person
        std::string rapport;
    } const gevallen[] = {
        {"Windows-1252, as always", "Ren\xE9;;Dijk;M;\r\nZo\xEB;;Smit;F;\r\n", 2, "Ren\xE9", "Dijk",
         "(geen)"},
        {"UTF-8 without a mark", "Ren\xC3\xA9;;Dijk;M;\r\nZo\xC3\xAB;;Smit;F;\r\n", 2, "Ren\xE9", "Dijk",
         Utf8Regel0 + "aantal verschillen = 00001\r\n"},
        {"UTF-8 with a mark", Bom + "Ren\xC3\xA9;;Dijk;M;\r\n", 1, "Ren\xE9", "Dijk",
         Utf8Regel0 + "aantal verschillen = 00001\r\n"},
        {"a mark before ASCII alone", Bom + "Jan;;Dijk;;\n", 1, "Jan", "Dijk",
         Utf8Regel0 + "geslacht ontbreekt bij:Jan;;Dijk\r\naantal verschillen = 00002\r\n"},
        // Two characters Windows-1252 lacks, and a '?' that was one already.
        {"UTF-8 beyond Windows-1252", "\xC5\x81ukasz?;;Dvo\xC5\x99\xC3\xA1k;M;\r\n", 1, "?ukasz?",
         "Dvo?\xE1k",
         "collectie gelezen als UTF-8 en omgezet naar Windows-1252; tekens zonder Windows-1252-vorm "
         "vervangen door ?: 2\r\naantal verschillen = 00001\r\n"},
        // The last line's é in Windows-1252 makes the whole file Windows-1252, as it was read before.
        {"UTF-8 but one byte", "Ren\xC3\xA9;;Dijk;M;\r\nZo\xEB;;Smit;F;\r\n", 2, "Ren\xC3\xA9", "Dijk",
         "(geen)"},
        // Bytes after a mark that are no UTF-8 keep their Windows-1252 meaning.
        {"a mark, then Windows-1252", Bom + "Ren\xC3\xA9;;Zo\xEB;M;\r\n", 1, "Ren\xE9", "Zo\xEB",
         Utf8Regel0 + "aantal verschillen = 00001\r\n"},
        {"ASCII alone", "Jan;;Dijk;M;\r\n", 1, "Jan", "Dijk", "(geen)"},
        // A NUL byte is no text: such a file is read byte for byte, as before.
        {"UTF-8 with a NUL byte", std::string("Ren\xC3\xA9;;Dijk;M;\0\r\n", 17), 1, "Ren\xC3\xA9", "Dijk",
         "(geen)"},
        {"an empty file", "", 0, "", "", "(geen)"},
        {"a mark alone", Bom, 0, "", "", Utf8Regel0 + "aantal verschillen = 00001\r\n"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        ASSERT_TRUE(InlezenCommando(map.Schrijf("kaarten.gdk", g.inhoud)));
        EXPECT_EQ(AantalPersonen, g.personen);
        EXPECT_EQ(Personen[1].Voornamen, g.voornamen);
        EXPECT_EQ(Personen[1].Achternaam, g.achternaam);
        EXPECT_EQ(Rapport("kaarten"), g.rapport);
        EXPECT_TRUE(ui.meldingen.empty());
    }
}

// A family tree or UTF-16 text is refused before anything changes: the collection read before,
// its globals, and the report beside the refused file all stay.
TEST_F(Codering, FilesThatAreNoCollectionAreRefusedAndChangeNothing) {
    const std::string Stamboom =
        "Het bestand @ is een stamboombestand (GEDCOM) en geen collectie gedenkjes; het is niet ingelezen.";
    const std::string Utf16 =
        "Het bestand @ is als UTF-16 opgeslagen en kan zo niet ingelezen worden. Sla het "
        "op als UTF-8 of als ANSI (Windows-1252) en lees het opnieuw in.";
    struct Geval {
        const char* wat;
        std::string inhoud, melding;
    } const gevallen[] = {
        {"a family tree", "0 HEAD\r\n1 SOUR x\r\n0 @I1@ INDI\r\n1 NAME Jan /Dijk/\r\n", Stamboom},
        {"a family tree with a mark",
         "\xEF\xBB\xBF"
         "0 HEAD  \n1 CHAR UTF-8\n",
         Stamboom},
        {"a family tree in UTF-16",
         std::string("\xFF\xFE"
                     "0\0 \0H\0E\0A\0D\0\r\0\n\0",
                     18),
         Stamboom},
        {"UTF-16, little end first", std::string("\xFF\xFEJ\0a\0n\0;\0", 10), Utf16},
        {"UTF-16, big end first", std::string("\xFE\xFF\0J\0a\0n\0;", 10), Utf16},
        {"a mark alone of UTF-16", "\xFF\xFE", Utf16},
    };
    const std::string kaarten =
        map.Schrijf("kaarten.gdk", "Jan;;Dijk;;\r\nPiet;;Bos;M;;;;;;;;;;;;Truus;;Smit;V\r\n");
    ASSERT_TRUE(InlezenCommando(kaarten));
    const std::string rapport = Rapport("kaarten");
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        const std::string pad = map.Schrijf("stamboom.gdk", g.inhoud);
        map.Schrijf("stamboom_Verschillen.txt", "oud\r\n");
        ui.meldingen.clear();
        EXPECT_FALSE(InlezenCommando(pad));
        ASSERT_EQ(ui.meldingen.size(), 1u);
        std::string melding = g.melding;
        melding.replace(melding.find('@'), 1, pad);
        EXPECT_EQ(ui.meldingen[0].first, melding);
        EXPECT_EQ(AantalPersonen, 3);
        EXPECT_EQ(AantalGezinnen, 1);
        EXPECT_EQ(Personen[2].Voornamen, "Piet");
        EXPECT_EQ(CollectiePad, kaarten);
        EXPECT_EQ(VerschillenBestand, map.tekst() + "/kaarten_Verschillen.txt");
        EXPECT_EQ(Rapport("kaarten"), rapport);
        EXPECT_EQ(Rapport("stamboom"), "oud\r\n");
    }
}

// Only a first line of its own is a family tree's header; a missing or unreadable file is left
// to the read, which says what is wrong.
TEST(Weigering, OnlyAHeaderLineOfItsOwn) {
    struct {
        std::string begin;
        bool geweigerd;
    } const gevallen[] = {
        {"0 HEAD", true},
        {"0 head\r\n", true},
        {" 0 HEAD \x1A", true},
        {"0 HEADER;;;\r\n", false},
        {"0 HEAD;;Dijk;\r\n", false},
        {"Jan;;Dijk;M;\r\n0 HEAD\r\n", false},
        {"", false},
        {"\xEF\xBB", false},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(!Weigering(g.begin, "x.gdk").empty(), g.geweigerd) << g.begin;
    test::TijdelijkeMap map;
    EXPECT_EQ(CollectieWeigering(map.tekst() + "/weg.gdk"), "");
    std::filesystem::create_directories(map.pad() / "map.gdk");
    EXPECT_EQ(CollectieWeigering(map.tekst() + "/map.gdk"), "");
}

} // namespace
} // namespace gdk
