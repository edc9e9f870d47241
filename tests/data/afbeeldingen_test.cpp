// Where a card's images lie: the back found beside the front, and the bounds of the scans folder.
#include "data/afbeeldingen.h"

#include "platform/bestanden.h"
#include "settings/instellingen.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <optional>
#include <sstream>

namespace gdk {
namespace {

namespace stdfs = std::filesystem;
using test::TijdelijkeMap;

class Kaartbeelden : public ::testing::Test {
  protected:
    void SetUp() override {
        AfbeeldingBestanden = map.tekst() + "/scans";
        NiveauAfbeeldingBestanden = 0;
        CodeGedenkjeVoorkant = "_v";
        CodeGedenkjeAchterkant = "_a";
        map.Schrijf("elders/Kok_a.jpg", "geheim");
    }
    void TearDown() override {
        AfbeeldingBestanden.clear();
        NiveauAfbeeldingBestanden = -1;
        CodeGedenkjeVoorkant.clear();
        CodeGedenkjeAchterkant.clear();
    }
    // Entries below the scans folder, separated by '|': "naam" a small file, "naam/" a folder,
    // "naam>doel" a link to `doel` (relative to the link's folder).
    void Maak(const std::string& lijst) {
        std::istringstream in(lijst);
        for (std::string item; std::getline(in, item, '|');) {
            const stdfs::path scans = map.pad() / "scans";
            if (const auto pijl = item.find('>'); pijl != std::string::npos) {
                const stdfs::path link = scans / item.substr(0, pijl);
                stdfs::create_directories(link.parent_path());
                stdfs::create_symlink(item.substr(pijl + 1), link);
            } else if (item.ends_with('/')) {
                stdfs::create_directories(scans / item);
            } else {
                map.Schrijf("scans/" + item, "beeld");
            }
        }
    }
    recPersoon Kaart(const std::string& veld) const {
        recPersoon p;
        p.Achternaam = "Kok";
        p.AfbeeldingBestand = veld;
        return p;
    }

    TijdelijkeMap map;
};

struct Achterkant {
    const char* naam;
    const char* veld;     // the stored front image name
    const char* schijf;   // what the scans folder holds (see Maak)
    const char* voor;     // CodeGedenkjeVoorkant
    const char* achter;   // CodeGedenkjeAchterkant
    const char* gevonden; // the back found on disk, below the scans folder; "" for none
};

class KaartAchterkanten : public Kaartbeelden, public ::testing::WithParamInterface<Achterkant> {};

TEST_P(KaartAchterkanten, FoundBesideTheFrontOrNone) {
    const Achterkant& g = GetParam();
    CodeGedenkjeVoorkant = g.voor;
    CodeGedenkjeAchterkant = g.achter;
    Maak(g.schijf);
    const recPersoon p = Kaart(g.veld);
    // Found the same with the listings cached, as a read or an export asks, as without.
    for (const bool cache : {false, true}) {
        std::optional<fs::CacheScope> scope;
        if (cache) scope.emplace();
        const std::string achter = KaartAchterkant(p, VensterKaartMap(p) + p.AfbeeldingBestand);
        if (*g.gevonden == '\0') {
            EXPECT_EQ(achter, "") << "cache " << cache;
        } else {
            ASSERT_NE(achter, "") << "cache " << cache;
            EXPECT_EQ(fs::OpSchijf(achter), (map.pad() / "scans" / g.gevonden).string());
        }
    }
    // Without a front path there is nothing to stand beside.
    EXPECT_EQ(KaartAchterkant(p, ""), "");
}

INSTANTIATE_TEST_SUITE_P(
    Regel, KaartAchterkanten,
    ::testing::Values(
        Achterkant{"Gewoon", "Kok_v.jpg", "K/Kok_v.jpg|K/Kok_a.jpg", "_v", "_a", "K/Kok_a.jpg"},
        Achterkant{"HoofdlettersOpSchijfAnders", "Kok_V.JPG", "k/KOK_v.JPG|k/kok_A.jpg", "_v", "_a",
                   "k/kok_A.jpg"},
        // The field in Windows-1252, the names on disk in UTF-8.
        Achterkant{"Accenten", "Zo\xEB_v.jpg", "Z/Zo\xC3\xAB_v.jpg|Z/Zo\xC3\xAB_a.jpg", "_v", "_a",
                   "Z/Zo\xC3\xAB_a.jpg"},
        Achterkant{"CodeInHoofdletters", "Kok_v.jpg", "K/Kok_v.jpg|K/Kok_A.jpg", "_V", "_A", "K/Kok_A.jpg"},
        Achterkant{"VoorkantPngAchterkantJpg", "Kok_v.png", "K/Kok_v.png|K/Kok_a.jpg", "_v", "_a",
                   "K/Kok_a.jpg"},
        Achterkant{"ExtensieVanDeVoorkantEerst", "Kok_v.jpeg", "K/Kok_v.JPEG|K/Kok_a.jpg|K/Kok_a.jpeg", "_v",
                   "_a", "K/Kok_a.jpeg"},
        Achterkant{"VoorkantOntbreekt", "Kok_v.jpg", "K/Kok_a.png", "_v", "_a", "K/Kok_a.png"},
        Achterkant{"InSubmapVanHetVeld", "oud/Kok_v.jpg", "o/oud/Kok_v.jpg|o/oud/Kok_a.jpg|o/Kok_a.jpg", "_v",
                   "_a", "o/oud/Kok_a.jpg"},
        Achterkant{"LinkBinnenScans", "Kok_v.jpg", "K/Kok_v.jpg|B/Bos_a.jpg|K/Kok_a.jpg>../B/Bos_a.jpg", "_v",
                   "_a", "K/Kok_a.jpg"},
        Achterkant{"AndereExtensieOntbreekt", "Kok_v.jpg", "K/Kok_v.jpg|K/Kok_a.gif", "_v", "_a", ""},
        Achterkant{"VoorcodeLeeg", "Kok_v.jpg", "K/Kok_v.jpg|K/Kok_a.jpg", " ", "_a", ""},
        Achterkant{"AchtercodeLeeg", "Kok_v.jpg", "K/Kok_v.jpg|K/Kok.jpg", "_v", "", ""},
        Achterkant{"CodeNietAanHetEind", "Kok_v2.jpg", "K/Kok_v2.jpg|K/Kok_a2.jpg|K/Kok_a.jpg", "_v", "_a",
                   ""},
        Achterkant{"CodeInDeExtensie", "Kok.jpg_v", "K/Kok.jpg_v|K/Kok.jpg_a", "_v", "_a", ""},
        Achterkant{"ZelfdeCodes", "Kok_v.jpg", "K/Kok_v.jpg", "_v", "_V", ""},
        Achterkant{"AchterkantIsMap", "Kok_v.jpg", "K/Kok_v.jpg|K/Kok_a.jpg/", "_v", "_a", ""},
        Achterkant{"LinkNaarBuiten", "Kok_v.jpg", "K/Kok_v.jpg|K/Kok_a.jpg>../../elders/Kok_a.jpg", "_v",
                   "_a", ""},
        Achterkant{"MapLinkNaarBuiten", "uit/Kok_v.jpg", "u/uit>../../elders", "_v", "_a", ""},
        Achterkant{"OuderDeelInHetVeld", "../elders/Kok_v.jpg", "", "_v", "_a", ""},
        Achterkant{"ScheidingInDeCode", "Kok_v.jpg", "K/Kok_v.jpg|x/Kok_a.jpg", "_v", "/../x/Kok_a", ""}),
    [](const auto& p) { return std::string(p.param.naam); });

TEST_F(Kaartbeelden, AFrontThroughALinkCountsOnlyWhileItStaysInsideTheScansFolder) {
    Maak("B/Bos_v.jpg|K/Kok_v.jpg>../B/Bos_v.jpg|W/Weg_v.jpg>../../elders/Kok_a.jpg");
    EXPECT_NE(KaartAfbeelding(Kaart("Kok_v.jpg")), "");
    EXPECT_EQ(KaartAfbeelding(Kaart("Weg_v.jpg")), "");
    {
        const fs::CacheScope cache; // the listings know which entries are links
        EXPECT_NE(KaartAfbeelding(Kaart("Kok_v.jpg")), "");
        EXPECT_EQ(KaartAfbeelding(Kaart("Weg_v.jpg")), "");
    }
    // The scans folder itself may be a link.
    stdfs::create_directory_symlink(map.pad() / "scans", map.pad() / "via");
    AfbeeldingBestanden = map.tekst() + "/via";
    EXPECT_NE(KaartAfbeelding(Kaart("Kok_v.jpg")), "");
    EXPECT_EQ(KaartAfbeelding(Kaart("Weg_v.jpg")), "");
}

} // namespace
} // namespace gdk
