// Every file of an export written once: cards that share an image name and cards that appear
// more than once leave the site as the last writer left it, without rewriting what is already
// there. Counted through the file-system layer.
#include "export23.h"
#include "platform/bestanden.h"
#include "platform/kopieren.h"
#include "platform/schrijfteller.h"
#include "support/uitvoer.h"

#include <functional>

namespace gdk::test {
namespace {

class Eenmaal : public Export23 {
  protected:
    // Every file of a site with its bytes, by path below the site.
    static std::map<std::string, std::string> Inhoud(const std::filesystem::path& site) {
        std::map<std::string, std::string> uit;
        for (const std::string& b : Bestanden(site))
            uit[b] = LeesBestand(site / b);
        return uit;
    }
};

// 50 cards share one scan, one card appears 20 times.
void GedeeldeEnDubbeleKaarten(const std::function<int(const Kaart&)>& kaartje) {
    for (int i = 0; i < 50; ++i)
        kaartje(Kaart{.voornamen = "Piet",
                      .achternaam = "Naam" + std::to_string(100 + i),
                      .geslacht = "M",
                      .afbeelding = "scan0001.jpg",
                      .overlijdensDatum = std::to_string(i + 1) + "-1-1990"});
    for (int i = 0; i < 20; ++i)
        kaartje(Kaart{.voornamen = "Jan",
                      .achternaam = "Dubbel",
                      .geslacht = "M",
                      .afbeelding = "dubbel.jpg",
                      .geboortePlaats = "Leuven"});
}

TEST_F(Eenmaal, GedeeldeAfbeeldingEnDubbeleKaartWordenEenmaalGeschreven) {
    Scan("scan0001.jpg", "JPEG gedeeld");
    Scan("dubbel.jpg", "JPEG dubbel");
    GedeeldeEnDubbeleKaarten([this](const Kaart& k) { return Kaartje(k); });
    for (int type = 1; type <= 3; ++type) {
        fs::SchrijfTeller teller;
        ASSERT_TRUE(Exporteer(type)) << "type " << type;
        EXPECT_EQ(teller.Herschreven(), std::vector<std::string>{}) << "type " << type;
        EXPECT_EQ(teller.Bestanden(), Bestanden(Site(type)).size()) << "type " << type;
    }

    // The same site as one card of each kind gives for the files of those cards: the last card of
    // a shared name wins, a repeated card writes the same page.
    const auto volledig1 = Inhoud(Site(1)), volledig2 = Inhoud(Site(2)), volledig3 = Inhoud(Site(3));
    std::filesystem::remove_all(map.pad() / "uit");
    LeegOpslag();
    Kaartje(Kaart{.voornamen = "Piet",
                  .achternaam = "Naam149",
                  .geslacht = "M",
                  .afbeelding = "scan0001.jpg",
                  .overlijdensDatum = "50-1-1990"});
    Kaartje(Kaart{.voornamen = "Jan",
                  .achternaam = "Dubbel",
                  .geslacht = "M",
                  .afbeelding = "dubbel.jpg",
                  .geboortePlaats = "Leuven"});
    for (int type = 1; type <= 3; ++type)
        ASSERT_TRUE(Exporteer(type));
    const std::pair<int, const std::map<std::string, std::string>*> sites[] = {
        {1, &volledig1}, {2, &volledig2}, {3, &volledig3}};
    for (const auto& [type, volledig] : sites) {
        std::size_t vergeleken = 0;
        for (const auto& [pad, bytes] : Inhoud(Site(type))) {
            // Pages of the cards themselves and the image copies; letter and index pages list all.
            if (pad.rfind("paginas/d/", 0) != 0 && pad.rfind("paginas/s/", 0) != 0 &&
                pad.rfind("afbeeldingen/", 0) != 0 && pad.rfind("paginas/n/naam149/", 0) != 0)
                continue;
            ASSERT_TRUE(volledig->count(pad)) << "type " << type << " " << pad;
            EXPECT_EQ(volledig->at(pad), bytes) << "type " << type << " " << pad;
            ++vergeleken;
        }
        EXPECT_GE(vergeleken, 4u) << "type " << type;
    }
}

// One image name from two different scans (level 2: a folder per surname): the last card's scan
// is in the site, as always, and nothing of the longer one before it.
TEST_F(Eenmaal, EenAndereBronOverschrijftNogSteeds) {
    NiveauAfbeeldingBestanden = 2;
    map.Schrijf("scans/b/Bos/bidprent.png", "PNG van Bos, groter dan die van Bakker");
    map.Schrijf("scans/b/Bakker/bidprent.png", "PNG van Bakker");
    Kaartje(Kaart{.voornamen = "Els", .achternaam = "Bos", .afbeelding = "bidprent.png"});
    Kaartje(Kaart{.voornamen = "Ida", .achternaam = "Bakker", .afbeelding = "bidprent.png"});
    Kaartje(Kaart{.voornamen = "Ida", .achternaam = "Bakker", .afbeelding = "bidprent.png"});
    for (int type = 1; type <= 3; ++type) {
        fs::SchrijfTeller teller;
        ASSERT_TRUE(Exporteer(type)) << "type " << type;
        const std::string kopie = (Site(type) / "afbeeldingen" / "b" / "bidprent.png").string();
        EXPECT_EQ(LeesBestand(kopie), "PNG van Bakker") << "type " << type;
        EXPECT_EQ(teller.Aantal(kopie), 2u) << "type " << type;
    }
}

} // namespace
} // namespace gdk::test
