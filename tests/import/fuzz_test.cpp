// Random and damaged collection files: whatever the bytes, a read ends, never crashes, and
// leaves the store in the shape every reader of it relies on.
#include "import/inlezen.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "import/controles.h"
#include "import/woordlijsten.h"
#include "pages/tpersoonpagina.h"
#include "platform/gebruiker_opname.h"
#include "settings/instellingen.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace gdk {
namespace {

const char* const Voorbeelden[] = {
    "Johannes Petrus;van der;Berg;M;oud-strijder;5-3-1920;Utrecht;12-11-1987;Utrecht;17-11-1987;Zuylen;;;"
    "BergJPVanDer19200305_19871112_v.jpg;ja;Maria;;Jansen;V",
    "Zo\xEB;;Peeters;vrouw;;17-8-1931;Leuven;9.9.2004;Leuven;;;15-9-2004;Leuven;Peeters "
    "Zo\xEB.jpg;nee;Jozef;;Wouters;M",
    "Anna;van 't;Hof;F;;12 MAR 1920;Tilburg;ABT 2001;;;;;;E:\\scans\\H\\Hof.JPG;x;Cornelis;;Smits;",
    ";;;;;;;;;;;;;;;;;;",
    "Jan;;Dijk;mannelijk;;1920?;;ca 1990;;;;;;;;Piet;in 't;Veld;onbekend",
    // From someone else: fields that try to leave the scans folder or to run in a page.
    "Jan<script>alert(1)</script>;van \"t;Xavier\" onmouseover=\"alert(2);M;<b>vet</b><img src=x "
    "onerror=y>;;;;;;;;;"
    "../../../../../../../etc/passwd;ja;;;;",
    "Piet;;Pas;M;;;;;;;;;;/dev/zero;nee;Els\" onmouseover=\"x;;Kok<script>;V",
    "((((((((((;;(((((((((((((((((((((;M;;;;;;;;;;..\\..\\geheim;;;;;",
    // Saved as UTF-8, one character beyond Windows-1252: beside the others, a file that switches.
    "Ren\xC3\xA9;;Dvo\xC5\x99\xC3\xA1k;M;;1889-08-11;Br\xC3\xBCgge;;;;;;;;nee;;;;",
};

// What a browser would run of a composed viewer page: a script or image tag from the data.
bool LevendeOpmaak(const std::string& pagina) {
    std::string klein = pagina;
    for (char& c : klein)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return klein.find("<script") != std::string::npos || klein.find("<img src=x") != std::string::npos;
}

// The store as page composers and exports rely on it after any read.
void ControleerOpslag() {
    ASSERT_GE(AantalPersonen, 0);
    ASSERT_LE(AantalPersonen, MaxPersonen);
    ASSERT_GE(AantalGezinnen, 0);
    ASSERT_LE(AantalGezinnen, MaxGezinnen);
    ASSERT_EQ(Personen.Gevuld(), AantalPersonen);
    ASSERT_EQ(Gezinnen.Gevuld(), AantalGezinnen);
    int metGezin = 0;
    for (int i = 1; i <= AantalPersonen; ++i) {
        const recPersoon& p = Personen[i];
        ASSERT_EQ(p.Nummer, i);
        for (int slot = 2; slot <= 6; ++slot)
            ASSERT_EQ(p.Gezinnen[static_cast<std::size_t>(slot)], 0);
        ASSERT_TRUE(p.Geslacht == "M" || p.Geslacht == "F" || p.Geslacht == "U" || p.Geslacht.empty());
        ASSERT_TRUE(p.MetFoto == "ja" || p.MetFoto == "nee" || p.MetFoto.empty());
        ASSERT_TRUE(p.AfbeeldingExtensie.empty() || p.AfbeeldingExtensie == "jpg");
        if (p.Gezinnen[1] != 0) ++metGezin;
    }
    ASSERT_EQ(Personen[AantalPersonen + 1].Nummer, 0);
    ASSERT_EQ(Gezinnen[AantalGezinnen + 1].Nummer, 0);
    ASSERT_EQ(metGezin, 2 * AantalGezinnen);
    for (int f = 1; f <= AantalGezinnen; ++f) {
        const recFamilie& g = Gezinnen[f];
        ASSERT_EQ(g.Nummer, f);
        const int n = std::min(g.Man, g.Vrouw);
        ASSERT_EQ(std::max(g.Man, g.Vrouw), n + 1);
        ASSERT_EQ(Personen[n].Gezinnen[1], f);
        ASSERT_EQ(Personen[n + 1].Gezinnen[1], f);
        ASSERT_EQ(Personen[n + 1].MetFoto, "");
        ASSERT_EQ(g.Man, Personen[n].Geslacht == "F" ? n + 1 : n);
    }
}

void ControleerRapport() {
    const bool bestaat = std::filesystem::exists(VerschillenBestand);
    ASSERT_EQ(bestaat, AantalVerschillen > 0);
    if (!bestaat) return;
    const std::string inhoud = test::LeesBestand(VerschillenBestand);
    std::string aantal = std::to_string(AantalVerschillen);
    if (aantal.size() < 5) aantal.insert(0, 5 - aantal.size(), '0');
    const std::string slot = "aantal verschillen = " + aantal + "\r\n";
    ASSERT_GE(inhoud.size(), slot.size());
    ASSERT_EQ(inhoud.substr(inhoud.size() - slot.size()), slot);
}

class Fuzz : public ::testing::Test {
  protected:
    void SetUp() override {
        StandaardUitvoerTekst();
        map.Schrijf("scans/B/BergJPVanDer19200305_19871112_v.jpg", "x");
        map.Schrijf("scans/P/Peeters Zo\xC3\xAB.jpg", "x");
        map.Schrijf("scans/H/hof.jpg", "x");
    }
    void WillekeurigeInstellingen() {
        ControleOpGeslacht = r() % 2;
        ControleOpDatum = r() % 2;
        ControleOpBestandsnaam = r() % 2;
        ControleOpBestandsnaamAfbeelding = r() % 2;
        ControleOpBestandsnaamFoto = r() % 2;
        AlleenBestandsnaamAfbeeldingInlezen = r() % 2;
        BestandsnaamToevoegen = r() % 2;
        adDatumAanpassen = static_cast<int>(r() % 4) - 1;
        NiveauAfbeeldingBestanden = static_cast<int>(r() % 4) - 1;
        AfbeeldingBestanden = r() % 4 ? map.tekst() + "/scans" : "";
        CodeGedenkjeVoorkant = r() % 2 ? "_v" : "";
        CodeFotoosVoorkant = r() % 2 ? " _f " : "";
    }
    void LeesEnControleer(const std::string& inhoud, const char* wat) {
        SCOPED_TRACE(wat);
        // A new file each time: truncating one in place makes ext4 flush it to disk on close.
        std::filesystem::remove(map.pad() / "fuzz.gdk");
        const std::string pad = map.Schrijf("fuzz.gdk", inhoud);
        ASSERT_TRUE(InlezenCommando(pad));
        ControleerOpslag();
        ControleerRapport();
        // The viewer's pages (no attribute holds a name there) show card fields as text only.
        for (int i = 1; i <= std::min(AantalPersonen, 20); ++i) {
            PersoonPagina(i);
            ASSERT_FALSE(LevendeOpmaak(PaginaHtml)) << PaginaHtml;
        }
    }
    std::string Willekeurig(std::size_t lengte) {
        std::string s(lengte, '\0');
        for (char& c : s) {
            const unsigned k = r() % 16;
            c = k == 0 ? ';' : k == 1 ? '\n' : k == 2 ? '\r' : static_cast<char>(r() % 256);
        }
        return s;
    }
    std::string Gemuteerd() {
        std::string s = r() % 4 ? "" : "\xEF\xBB\xBF";
        for (unsigned i = 1 + r() % 6; i > 0; --i)
            s += std::string(Voorbeelden[r() % std::size(Voorbeelden)]) + "\r\n";
        static const char bijzonder[] = {';',  '\r', '\n', '\x1A', '\0', ' ',
                                         '\\', '/',  ':',  '.',    '-',  '\xEB'};
        for (unsigned i = r() % 12; i > 0 && !s.empty(); --i) {
            const std::size_t p = r() % s.size();
            const char c = r() % 2 ? bijzonder[r() % sizeof bijzonder] : static_cast<char>(r() % 256);
            switch (r() % 3) {
            case 0:
                s[p] = c;
                break;
            case 1:
                s.insert(s.begin() + static_cast<long>(p), c);
                break;
            default:
                s.erase(p, 1 + r() % 8);
                break;
            }
        }
        return s;
    }

    test::TijdelijkeMap map;
    OpnameGebruiker ui;
    std::mt19937 r{20261208};
};

TEST_F(Fuzz, RandomBytes) {
    for (int i = 0; i < 1200; ++i) {
        WillekeurigeInstellingen();
        LeesEnControleer(Willekeurig(r() % 1200), "random bytes");
        if (HasFatalFailure()) return;
    }
}

TEST_F(Fuzz, DamagedCards) {
    for (int i = 0; i < 1500; ++i) {
        WillekeurigeInstellingen();
        LeesEnControleer(Gemuteerd(), "damaged cards");
        if (HasFatalFailure()) return;
    }
}

TEST_F(Fuzz, ExtremeFiles) {
    ControleOpGeslacht = ControleOpDatum = ControleOpBestandsnaam = true;
    ControleOpBestandsnaamAfbeelding = ControleOpBestandsnaamFoto = true;
    AfbeeldingBestanden = map.tekst() + "/scans";
    NiveauAfbeeldingBestanden = 1;
    adDatumAanpassen = 1;

    LeesEnControleer(std::string(100000, ';'), "only semicolons");
    EXPECT_EQ(AantalPersonen, 1);
    LeesEnControleer(std::string(5000, '\0') + "\n" + std::string(5000, '\0'), "NUL bytes");
    EXPECT_EQ(AantalPersonen, 2);

    std::string lang = Willekeurig(10 * 1024 * 1024);
    for (char& c : lang)
        if (c == '\n' || c == '\r' || c == '\x1A') c = 'x';
    LeesEnControleer(lang, "a 10 MB line");
    EXPECT_LE(AantalGezinnen, 1);
    EXPECT_EQ(AantalPersonen, 1 + AantalGezinnen);

    ControleOpBestandsnaamAfbeelding = ControleOpBestandsnaamFoto = false;
    std::string veel;
    for (int i = 0; i < 300000; ++i)
        veel += "Jan;;Dijk;M;;;;;;;;;;;;Truus;;Smit;V\n";
    LeesEnControleer(veel, "300000 lines with partners");
    EXPECT_EQ(AantalPersonen, 200000);
    EXPECT_EQ(AantalGezinnen, 100000);
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_EQ(ui.meldingen[0].first, "Het maximale aantal personen is bereikt. (200000)");
}

} // namespace
} // namespace gdk
