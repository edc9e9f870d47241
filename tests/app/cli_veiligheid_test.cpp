// A collection from someone else, a missing setting or a full disk, through the real gedenkjes-cli:
// no private file published, nothing written where the user did not ask, no failure that looks
// like success.
#include "support/cli.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace gdk::test {
namespace {

namespace stdfs = std::filesystem;

// The registry of these tests: scans and output folder as given (a blank one left out), every
// check on, and the image field read as written, path included.
std::string Register(const std::string& scans, const std::string& uit) {
    std::string r = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\n";
    if (!scans.empty()) r += "\"AfbeeldingBestanden\"=\"" + scans + "\"\n";
    r += "\"NiveauAfbeeldingBestanden\"=dword:00000000\n";
    if (!uit.empty()) r += "\"UitvoerBestanden\"=\"" + uit + "\"\n";
    r += "\n[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijInlezen]\n"
         "\"ControleOpBestandsnaamAfbeelding\"=dword:00000001\n"
         "\"AlleenBestandsnaamAfbeeldingInlezen\"=dword:00000000\n";
    return r;
}

// One card line: first name, surname, image field; the other fields empty.
std::string Kaart(const std::string& voornaam, const std::string& achternaam, const std::string& afbeelding) {
    return voornaam + ";;" + achternaam + ";M;;;;;;;;;;" + afbeelding + ";nee;;;;;\r\n";
}

std::size_t AantalMeldingen(const std::string& fout) {
    std::size_t n = 0;
    for (std::size_t p = fout.find("melding: "); p != std::string::npos; p = fout.find("melding: ", p + 1))
        ++n;
    return n;
}

class Veiligheid : public ::testing::Test {
  protected:
    void SetUp() override {
        stdfs::create_directories(map.pad() / "programma");
        map.Schrijf("scans/K/Kok.jpg", "JPEG kok");
        map.Schrijf("geheim/passwd", "GEHEIM");
        ZetRegister(map.tekst() + "/scans", map.tekst() + "/uit");
    }
    void ZetRegister(const std::string& scans, const std::string& uit) {
        register_ = map.Schrijf("HKEY_CURRENT_USER.reg", Register(scans, uit));
    }
    CliUitkomst Voer(const std::string& args, const std::string& standaarduitvoer = {}) {
        return VoerCli("--register " + Quote(register_) + " --programmamap " +
                           Quote((map.pad() / "programma").string()) + " " + args,
                       map.pad(), standaarduitvoer);
    }
    stdfs::path Site(int type, const std::string& collectie = "kaarten") const {
        return map.pad() / "uit" / collectie / "gedenkjes" / ("type " + std::to_string(type));
    }

    TijdelijkeMap map;
    std::string register_;
};

// Every file of a tree whose name or content gives away a file from outside the scans folder.
std::vector<std::string> Gelekt(const stdfs::path& site) {
    std::vector<std::string> gelekt;
    for (const auto& e : stdfs::recursive_directory_iterator(site)) {
        if (!e.is_regular_file()) continue;
        const std::string naam = e.path().filename().string();
        const std::string inhoud = LeesBestand(e.path());
        if (naam == "passwd" || naam == "zero" || inhoud.find("GEHEIM") != std::string::npos ||
            inhoud.find("root:") != std::string::npos)
            gelekt.push_back(stdfs::relative(e.path(), site).string());
    }
    return gelekt;
}

TEST_F(Veiligheid, AfbeeldingenAlleenUitDeAfbeeldingenmap) {
    const std::string velden[] = {"../geheim/passwd",
                                  "..\\geheim\\passwd",
                                  "../../../../../../../etc/passwd",
                                  "/dev/zero",
                                  "../../../../../../../dev/zero",
                                  map.tekst() + "/geheim/passwd",
                                  "K/../../geheim/passwd"};
    std::string gdk = Kaart("Kees", "Kok", "Kok.jpg");
    for (const std::string& v : velden)
        gdk += Kaart("Piet", "Pas", v);
    map.Schrijf("kaarten.gdk", gdk);

    const CliUitkomst lezen = Voer("inlezen kaarten.gdk");
    EXPECT_EQ(lezen.code, 0) << lezen.fout;
    const std::string verslag = LeesBestand(map.pad() / "kaarten_Verschillen.txt");
    for (const std::string& v : velden)
        EXPECT_NE(verslag.find("bestand afbeelding ontbreekt: " + map.tekst() + "/scans/" + v.substr(0, 1) +
                               "/" + v + "\r\n"),
                  std::string::npos)
            << v << "\n"
            << verslag;
    EXPECT_EQ(verslag.find("Kok.jpg"), std::string::npos) << verslag;

    for (int type = 1; type <= 3; ++type) {
        const CliUitkomst u = Voer("uitvoeren kaarten.gdk " + std::to_string(type));
        EXPECT_EQ(u.code, 0) << "type " << type << "\n" << u.fout;
        EXPECT_EQ(Gelekt(Site(type)), std::vector<std::string>{}) << "type " << type;
        // The one good card is still there.
        EXPECT_TRUE(stdfs::exists(Site(type) / "afbeeldingen" / "k" / "kok.jpg")) << "type " << type;
    }
}

TEST_F(Veiligheid, ZonderAfbeeldingenmapWordtNietsOpgezocht) {
    ZetRegister("", map.tekst() + "/uit");
    map.Schrijf("kaarten.gdk",
                Kaart("Piet", "Pas", map.tekst() + "/geheim/passwd") + Kaart("Kees", "Kok", "geheim/passwd"));
    for (int type = 1; type <= 3; ++type) {
        const CliUitkomst u = Voer("uitvoeren kaarten.gdk " + std::to_string(type));
        EXPECT_EQ(Gelekt(Site(type)), std::vector<std::string>{}) << "type " << type << "\n" << u.fout;
    }
}

TEST_F(Veiligheid, GeenUitvoerZonderUitvoermapOfMetOnbruikbareCollectienaam) {
    struct {
        const char *naam, *bestand, *melding;
        bool uitvoermap;
    } const gevallen[] = {
        {"blanco uitvoermap", "gdkveilig.gdk", "Er is nog geen map gekozen waarin de site geschreven wordt.",
         false},
        {"naam leeg", ".gdk", "kan geen mapnaam worden.", true},
        {"naam ..", "...gdk", "kan geen mapnaam worden.", true},
    };
    for (const auto& g : gevallen) {
        ZetRegister(map.tekst() + "/scans", g.uitvoermap ? map.tekst() + "/uit" : "");
        map.Schrijf(g.bestand, Kaart("Kees", "Kok", "Kok.jpg"));
        for (int type = 1; type <= 3; ++type) {
            const CliUitkomst u = Voer("uitvoeren " + Quote(g.bestand) + " " + std::to_string(type));
            EXPECT_EQ(u.code, 1) << g.naam << " type " << type << "\n" << u.fout;
            EXPECT_EQ(AantalMeldingen(u.fout), 1u) << g.naam << "\n" << u.fout;
            EXPECT_NE(u.fout.find(g.melding), std::string::npos) << g.naam << "\n" << u.fout;
        }
    }
    EXPECT_FALSE(stdfs::exists("/gdkveilig"));
    EXPECT_FALSE(stdfs::exists(map.pad() / "uit"));
    EXPECT_TRUE(stdfs::is_empty(map.pad() / "programma"));
}

// A small file system of our own for the output folder: read-only, or with almost no room for
// new files. Mounting needs root; elsewhere the test says why it skips.
class KleineSchijf {
  public:
    KleineSchijf(const stdfs::path& map, const std::string& opties, bool alleenLezen) : map_(map) {
        stdfs::create_directories(map);
        if (::geteuid() != 0) return;
        if (::mount("tmpfs", map.c_str(), "tmpfs", 0, opties.c_str()) != 0) return;
        gekoppeld_ = true;
        if (alleenLezen &&
            ::mount("tmpfs", map.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, opties.c_str()) != 0) {
            ::umount(map.c_str());
            gekoppeld_ = false;
        }
    }
    ~KleineSchijf() {
        if (gekoppeld_) ::umount2(map_.c_str(), MNT_DETACH);
    }
    bool gekoppeld() const { return gekoppeld_; }

  private:
    stdfs::path map_;
    bool gekoppeld_ = false;
};

TEST_F(Veiligheid, AlleenLezenUitvoermapGeeftEenMeldingEnMislukt) {
    KleineSchijf schijf(map.pad() / "uit", "size=1m", true);
    if (!schijf.gekoppeld()) GTEST_SKIP() << "a read-only file system needs root to mount";
    map.Schrijf("kaarten.gdk", Kaart("Kees", "Kok", "Kok.jpg"));
    for (int type = 1; type <= 3; ++type) {
        const CliUitkomst u = Voer("uitvoeren kaarten.gdk " + std::to_string(type));
        EXPECT_EQ(u.code, 1) << "type " << type << "\n" << u.fout;
        EXPECT_EQ(AantalMeldingen(u.fout), 1u) << "type " << type << "\n" << u.fout;
        EXPECT_NE(u.fout.find("melding: De map " + map.tekst() +
                              "/uit/kaarten kan niet aangemaakt worden: de "
                              "schijf is alleen te lezen."),
                  std::string::npos)
            << u.fout;
    }
}

TEST_F(Veiligheid, SchijfZonderRuimteVoorBestandenStoptMetEenMelding) {
    std::string gdk;
    for (int i = 0; i < 60; ++i) {
        const std::string naam = "Kok" + std::to_string(i);
        map.Schrijf("scans/K/" + naam + ".jpg", "JPEG " + naam);
        gdk += Kaart("Kees", naam, naam + ".jpg");
    }
    map.Schrijf("kaarten.gdk", gdk);
    for (int type = 1; type <= 3; ++type) {
        KleineSchijf schijf(map.pad() / "uit", "size=4m,nr_inodes=40", false);
        if (!schijf.gekoppeld()) GTEST_SKIP() << "a file system without free inodes needs root to mount";
        const CliUitkomst u = Voer("uitvoeren kaarten.gdk " + std::to_string(type));
        EXPECT_EQ(u.code, 1) << "type " << type << "\n" << u.fout;
        EXPECT_EQ(AantalMeldingen(u.fout), 1u) << "type " << type << "\n" << u.fout;
        EXPECT_NE(u.fout.find("de schijf is vol"), std::string::npos) << u.fout;
        // What was written stays.
        EXPECT_TRUE(stdfs::exists(Site(type) / "afbeeldingen" / "index.htm")) << "type " << type;
    }
}

TEST_F(Veiligheid, VerschillenbestandNooitDoorEenGeplaatsteLink) {
    map.Schrijf("bewaard.txt", "blijft");
    map.Schrijf("kaarten.gdk", Kaart("Piet", "Pas", "ontbreekt.jpg"));
    for (const char* doel : {"elders.txt", "bewaard.txt"}) {
        stdfs::remove(map.pad() / "kaarten_Verschillen.txt");
        stdfs::create_symlink(map.pad() / doel, map.pad() / "kaarten_Verschillen.txt");
        const CliUitkomst u = Voer("inlezen kaarten.gdk");
        EXPECT_EQ(u.code, 0) << u.fout;
        EXPECT_FALSE(stdfs::is_symlink(map.pad() / "kaarten_Verschillen.txt")) << doel;
        EXPECT_NE(LeesBestand(map.pad() / "kaarten_Verschillen.txt").find("bestand afbeelding ontbreekt"),
                  std::string::npos);
    }
    EXPECT_FALSE(stdfs::exists(map.pad() / "elders.txt"));
    EXPECT_EQ(LeesBestand(map.pad() / "bewaard.txt"), "blijft");
}

// A surname of a megabyte of brackets once took quadratic time; the export now runs through it.
TEST_F(Veiligheid, AchternaamVolHaakjes) {
    std::string haakjes;
    for (int i = 0; i < 250000; ++i)
        haakjes += "(()";
    map.Schrijf("kaarten.gdk", Kaart("Kees", "Kok" + haakjes, "Kok.jpg"));
    const CliUitkomst u = Voer("uitvoeren kaarten.gdk 1");
    EXPECT_EQ(u.code, 0) << u.fout.substr(0, 2000);
    EXPECT_TRUE(stdfs::exists(Site(1) / "paginas" / "k" / "kok" / "kok.htm"));
}

// What a browser would run of a page: a script element (not a data block) holding "alert", or an onmouseover
// or onerror attribute. Tags are read as a browser reads them: quoted attribute values are skipped, so an
// escaped value that merely mentions such a word is no tag of its own.
std::vector<std::string> LevendeOpmaak(const std::string& pagina) {
    std::string klein = pagina;
    for (char& c : klein)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::vector<std::string> gevonden;
    for (std::size_t i = klein.find('<'); i != std::string::npos; i = klein.find('<', i + 1)) {
        std::size_t j = i + 1;
        const std::size_t naamBegin = j;
        while (j < klein.size() && std::isalpha(static_cast<unsigned char>(klein[j])))
            ++j;
        if (j == naamBegin) continue; // no tag: "&lt;" never gets here, a lone "<" is text
        const std::string naam = klein.substr(naamBegin, j - naamBegin);
        while (j < klein.size() && klein[j] != '>') {
            if (klein[j] == '"' || klein[j] == '\'') {
                j = klein.find(klein[j], j + 1);
                if (j == std::string::npos) break;
                ++j;
                continue;
            }
            for (const char* attr : {"onmouseover", "onerror"})
                if (klein.compare(j, std::strlen(attr), attr) == 0 &&
                    std::isspace(static_cast<unsigned char>(klein[j - 1])))
                    gevonden.push_back(naam + " " + attr);
            ++j;
        }
        // A data block (structured data) is never run, whatever text it holds.
        const bool gegevens =
            j != std::string::npos &&
            klein.substr(i, j - i).find("type=\"application/ld+json\"") != std::string::npos;
        if (naam == "script" && j != std::string::npos && !gegevens) {
            const std::size_t eind = klein.find("</script", j);
            if (klein.substr(j, eind == std::string::npos ? std::string::npos : eind - j).find("alert") !=
                std::string::npos)
                gevonden.push_back("script alert");
        }
        if (j == std::string::npos) break;
        i = j;
    }
    return gevonden;
}

// Script in card fields never runs in a page of the viewer or of any site; simple formatting stays.
TEST_F(Veiligheid, ScriptInKaartveldenWordtTekst) {
    const std::string regel =
        "Jan<script>alert(1)</script>;van \"t;Xavier\" onmouseover=\"alert(2);M;<b>vet</b> <img src=x "
        "onerror=alert(3)>;"
        "1-1-1900;Leu<script>ven;2-2-1980;</script>;;;;;Kok.jpg;ja;Els\" onmouseover=\"x;;Kok<script>;V\r\n";
    map.Schrijf("kaarten.gdk", regel);
    map.Schrijf("scans/X/Xavier.jpg", "JPEG");
    const auto gevaarlijk = [](const std::string& pagina) { return LevendeOpmaak(pagina); };
    for (const char* opdracht : {"persoon kaarten.gdk 1", "persoon kaarten.gdk 2", "relatie kaarten.gdk 1"}) {
        const CliUitkomst u = Voer(opdracht);
        EXPECT_EQ(u.code, 0) << opdracht << "\n" << u.fout;
        EXPECT_EQ(gevaarlijk(u.uit), std::vector<std::string>{}) << opdracht << "\n" << u.uit;
    }
    EXPECT_NE(Voer("persoon kaarten.gdk 1").uit.find("<b>vet</b> &lt;img src=x"), std::string::npos);
    for (int type = 1; type <= 4; ++type) {
        const CliUitkomst u = Voer("uitvoeren kaarten.gdk " + std::to_string(type));
        EXPECT_EQ(u.code, 0) << "type " << type << "\n" << u.fout;
        std::size_t paginas = 0;
        for (const auto& e : stdfs::recursive_directory_iterator(Site(type))) {
            if (e.path().extension() != (type == 4 ? ".html" : ".htm")) continue;
            ++paginas;
            const std::string pagina = LeesBestand(e.path());
            EXPECT_EQ(gevaarlijk(pagina), std::vector<std::string>{}) << "type " << type << " " << e.path();
        }
        EXPECT_GT(paginas, type == 4 ? 4u : 30u); // type 4 has no frame pages
    }
    EXPECT_NE(LeesBestand(Site(1) / "paginas" / "x" / "xavieronmouseover=alert" / "kok.htm")
                  .find("CONTENT=\"Xavier&quot; onmouseover=&quot;alert(2)\">"),
              std::string::npos);
}

TEST_F(Veiligheid, UitvoerDieNietAankomtIsEenFout) {
    for (const char* args : {"opties", "--help"}) {
        const CliUitkomst u = Voer(args, "/dev/full");
        EXPECT_EQ(u.code, 2) << args;
        EXPECT_NE(
            u.fout.find("gedenkjes-cli: de uitvoer kan niet naar de standaarduitvoer geschreven worden."),
            std::string::npos)
            << args << "\n"
            << u.fout;
    }
}

} // namespace
} // namespace gdk::test
