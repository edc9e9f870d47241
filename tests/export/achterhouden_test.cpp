// Recent cards withheld from the published sites: the year rule at its edges and in the date
// forms collections use, the partner going with its card, what the collector is told, a site
// without any card left, and a generated collection exported in all four layouts through the
// real gedenkjes-cli with not a trace of a withheld card in any file or name.
#include "export/achterhouden.h"

#include "export/type23.h"
#include "export/uitvoeren.h"

#include "export23.h"
#include "support/cli.h"
#include "support/linkcontrole.h"
#include "support/tekst.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace gdk::test {
namespace {

namespace stdfs = std::filesystem;

class Achterhouden : public Export23 {
  protected:
    // The surnames in the record store, in its order.
    static std::vector<std::string> Achternamen() {
        std::vector<std::string> namen;
        for (std::int32_t i = 1; i <= AantalPersonen; ++i)
            namen.push_back(Personen[i].Achternaam);
        return namen;
    }
};

TEST_F(Achterhouden, TheYearOfDeathDecidesFromDeathBurialOrCremationDate) {
    const struct {
        const char *overlijden, *begraven, *gecremeerd;
        bool publiek;
    } gevallen[] = {
        {"1976", "", "", true}, // 2026 - 50: published
        {"31-12-1976", "", "", true},
        {"01-01-1977", "", "", false}, // 2026 - 49: withheld
        {"ca 1895", "", "", true},
        {"1920?", "", "", true},
        {"ABT 1888", "", "", true},
        {"12 MAR 1920", "", "", true},
        {"12 maart 1990", "", "", false},
        {"", "17-11-1950", "", true}, // a burial date only
        {"", "17-11-1987", "", false},
        {"", "", "1950", true}, // a cremation date only
        {"", "", "", false},    // no date at all: the safe side
        {"onbekend", "1950", "", true},
        {"1990", "1950", "", false}, // the death date comes first
    };
    std::vector<std::string> publiek;
    for (const auto& g : gevallen) {
        const std::string naam = std::string("Kaart ") + g.overlijden + "/" + g.begraven + "/" + g.gecremeerd;
        Kaartje(Kaart{.achternaam = naam,
                      .afbeelding = "k.jpg",
                      .overlijdensDatum = g.overlijden,
                      .crematieDatum = g.gecremeerd,
                      .begraafDatum = g.begraven});
        if (g.publiek) publiek.push_back(naam);
    }
    const std::vector<std::string> alle = Achternamen();
    UitvoerTijd = DatumTijd{2026, 12, 8, 10, 30, 0};
    RecentNietPubliceren = 50;
    {
        const Achterhouding achterhouding;
        EXPECT_EQ(Achternamen(), publiek);
        EXPECT_EQ(achterhouding.Aantal(), alle.size() - publiek.size());
        EXPECT_EQ(achterhouding.Samenvatting(), "niet gepubliceerd: 5 (overleden na 1976 of zonder jaar)");
    }
    EXPECT_EQ(Achternamen(), alle); // the window's collection is whole again

    RecentNietPubliceren = 0;
    const Achterhouding uit;
    EXPECT_FALSE(uit.Actief());
    EXPECT_EQ(Achternamen(), alle);
    EXPECT_EQ(uit.Samenvatting(), "");
}

TEST_F(Achterhouden, ThePartnerGoesWithItsCardAndTheRestIsNumberedAfresh) {
    const int anna = Kaartje(
        Kaart{.achternaam = "Aa", .geslacht = "F", .afbeelding = "a.jpg", .overlijdensDatum = "1950"});
    Kaartje(Kaart{.voornamen = "Piet", .achternaam = "Partner van Aa"});
    Trouw(anna + 1, anna);
    const int bert = Kaartje(
        Kaart{.achternaam = "Bos", .geslacht = "M", .afbeelding = "b.jpg", .overlijdensDatum = "2020"});
    Kaartje(Kaart{.achternaam = "Partner van Bos"});
    Trouw(bert, bert + 1);
    const int cor = Kaartje(
        Kaart{.achternaam = "Cats", .geslacht = "M", .afbeelding = "c.jpg", .overlijdensDatum = "1960"});
    Kaartje(Kaart{.voornamen = "Door", .achternaam = "Partner van Cats"});
    Trouw(cor, cor + 1);
    UitvoerTijd = DatumTijd{2026, 12, 8, 10, 30, 0};
    RecentNietPubliceren = 50;
    const Achterhouding achterhouding;
    ASSERT_EQ(Achternamen(), (std::vector<std::string>{"Aa", "Partner van Aa", "Cats", "Partner van Cats"}));
    ASSERT_EQ(AantalGezinnen, 2);
    EXPECT_EQ(Gezinnen[1].Man, 2);
    EXPECT_EQ(Gezinnen[1].Vrouw, 1);
    EXPECT_EQ(Gezinnen[2].Man, 3);
    EXPECT_EQ(Gezinnen[2].Vrouw, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(Personen[i].Nummer, i);
        EXPECT_EQ(Personen[i].Gezinnen[1], (i + 1) / 2);
    }
    EXPECT_EQ(MaakKaartIngang(3, "c.jpg").Regel(),
              "Cats;;man;;;1960;;;afbeeldingen\\c\\c.jpg;Partner van Cats;D.;nee");
}

TEST_F(Achterhouden, TheCollectorIsToldHowManyAndWhichCards) {
    Scan("a.jpg");
    Scan("b.jpg");
    Scan("d.jpg");
    Kaartje(Kaart{.voornamen = "Jan", .achternaam = "Aa", .afbeelding = "a.jpg", .overlijdensDatum = "1950"});
    Kaartje(Kaart{.voornamen = "Bep",
                  .achternaam = "Bos",
                  .geslacht = "F",
                  .afbeelding = "b.jpg",
                  .overlijdensDatum = "3-4-2002"});
    Kaartje(Kaart{.achternaam = "Dam", .afbeelding = "d.jpg", .overlijdensDatum = "31-12-2001"});
    Kaartje(Kaart{.achternaam = "Cats", .afbeelding = "c.jpg"});
    Kaartje(Kaart{.achternaam = "Zonder afbeelding", .overlijdensDatum = "2020"});
    RecentNietPubliceren = 25;
    for (int type : {1, 2, 3, 4}) {
        std::filesystem::remove(VerschillenBestand);
        ui.links.clear();
        ASSERT_TRUE(UitvoerenCommando(type)) << type;
        EXPECT_EQ(ui.links.back(), "  gedenkjes : 2; niet gepubliceerd: 2 (overleden na 2001 of zonder jaar)")
            << type;
        EXPECT_EQ(LeesBestand(VerschillenBestand),
                  "niet gepubliceerd: Bos;Bep;vrouw;;;3-4-2002;;;afbeeldingen\\b\\b.jpg;;;nee\r\n"
                  "niet gepubliceerd: Cats;;onbekend;;;;;;afbeeldingen\\c\\c.jpg;;;nee\r\n")
            << type;
        EXPECT_TRUE(ui.meldingen.empty()) << type;
        EXPECT_EQ(AantalPersonen, 5);
    }
}

TEST_F(Achterhouden, ACollectionWithEveryCardWithheldGivesASiteWithoutCards) {
    Scan("a.jpg");
    Kaartje(Kaart{.achternaam = "Aa", .afbeelding = "a.jpg", .overlijdensDatum = "2024"});
    Kaartje(Kaart{.achternaam = "Bos", .afbeelding = "b.jpg"});
    for (const char* t : {"Achtergrond.jpg", "fotoAchtergrond.jpg", "Afbeelding.jpg", "desktop.ini"})
        map.Schrijf(std::string("programma/tool/") + t, t);
    ZoekpaginaMaken = true;
    RecentNietPubliceren = 10;
    const struct {
        int type;
        const char *pagina, *tekst;
    } gevallen[] = {
        {1, "inhouda.htm", "Voor de letter A zijn geen gegevens aanwezig."},
        {2, "inhouda.htm", "Voor de letter A zijn geen gegevens aanwezig."},
        {3, "inhoudb.htm", "Voor de letter B zijn geen gegevens aanwezig."},
        {4, "index.html", "Deze verzameling bevat nog geen gedenkjes."},
    };
    for (const auto& g : gevallen) {
        ui.meldingen.clear();
        EXPECT_TRUE(UitvoerenCommando(g.type)) << g.type;
        EXPECT_TRUE(ui.meldingen.empty()) << g.type;
        EXPECT_EQ(ui.links.back(),
                  "  gedenkjes : 0; niet gepubliceerd: 2 (overleden na 2016 of zonder jaar)");
        EXPECT_NE(Lees(g.type, g.pagina).find(g.tekst), std::string::npos) << g.type;
        EXPECT_EQ(KapotteLinks(Site(g.type)), std::vector<std::string>{}) << g.type;
    }
}

// ---- a generated collection through the real gedenkjes-cli

std::string Klein(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// One generated card with the texts that must never be seen of it once it is withheld.
struct Gegenereerd {
    std::string regel;
    std::vector<std::string> sporen; // small letters
    bool recent = false;
};

// 54 cards, each with names of its own (no name inside another), every other one with a partner
// named only on its card; a third died in the last years, was buried recently or has no date.
std::vector<Gegenereerd> GenereerKaarten(int jaar) {
    static const char* const lettergrepen[] = {"ba", "de", "ki", "lo", "mu", "ne", "po", "ra", "si", "tu"};
    const auto woord = [](int i, const char* slot) {
        std::string w = std::string(lettergrepen[i % 10]) + lettergrepen[(i / 10) % 10] + slot;
        w[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(w[0])));
        return w;
    };
    const std::string recent = std::to_string(jaar - 1), begraven = std::to_string(jaar - 10);
    std::vector<Gegenereerd> kaarten;
    for (int i = 0; i < 54; ++i) {
        const std::string achternaam = woord(i, "mans"), voornaam = woord(i, "rina");
        const std::string partner = i % 2 == 0 ? woord(i, "stra") : "";
        std::string overlijden, begrafenis, code;
        switch (i % 9) {
        case 0:
            overlijden = "12-03-1920", code = "19200312";
            break;
        case 1:
            overlijden = "ca 1895", code = "18950000";
            break;
        case 2:
            overlijden = "1920?", code = "00000000";
            break;
        case 3:
            overlijden = "ABT 1888", code = "18880000";
            break;
        case 4:
            overlijden = "12 MAR 1920", code = "19200000";
            break;
        case 5:
            overlijden = "02-02-" + recent, code = recent + "0202";
            break;
        case 6:
            code = "00000000";
            break;
        case 7:
            begrafenis = "17-11-" + begraven, code = "00000000";
            break;
        default:
            begrafenis = "17-11-1950", code = "00000000";
            break;
        }
        const std::string naamcode = achternaam + voornaam.substr(0, 1) + "18500101";
        const std::string afbeelding = naamcode + "_" + code + "_v.jpg";
        Gegenereerd k;
        k.recent = i % 9 >= 5 && i % 9 <= 7;
        k.regel = voornaam + ";;" + achternaam + ";V;;01-01-1850;Utrecht;" + overlijden + ";Utrecht;" +
                  begrafenis + ";Zuylen;;;" + afbeelding + ";nee;" + (partner.empty() ? "" : "Piet") + ";;" +
                  partner + ";M\r\n";
        k.sporen = {Klein(achternaam), Klein(voornaam), Klein(naamcode), Klein(afbeelding)};
        if (!partner.empty()) k.sporen.push_back(Klein(partner));
        kaarten.push_back(std::move(k));
    }
    return kaarten;
}

// Every path below `site` and the content of every file, in small letters.
std::string SiteInhoud(const stdfs::path& site) {
    std::string alles;
    for (const auto& e : stdfs::recursive_directory_iterator(site)) {
        alles += Klein(stdfs::relative(e.path(), site).string()) + "\n";
        if (e.is_regular_file()) alles += Klein(LeesBestand(e.path())) + "\n";
    }
    return alles;
}

TEST(AchterhoudenCli, NoWithheldCardLeavesATraceInAnyFileOrNameOfAnyLayout) {
    const TijdelijkeMap map;
    const auto nu = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tijd{};
    localtime_r(&nu, &tijd);
    const std::vector<Gegenereerd> kaarten = GenereerKaarten(tijd.tm_year + 1900);
    std::string gdk;
    std::size_t recent = 0;
    for (const Gegenereerd& k : kaarten) {
        gdk += k.regel;
        recent += k.recent;
        const std::string naam =
            k.regel.substr(k.regel.find(";nee;") - k.sporen[3].size(), k.sporen[3].size());
        map.Schrijf("scans/" + naam.substr(0, 1) + "/" + naam, "JPEG");
        map.Schrijf("scans/" + naam.substr(0, 1) + "/" + naam.substr(0, naam.size() - 6) + "_a.jpg", "JPEG");
    }
    ASSERT_EQ(recent, 18u);
    map.Schrijf("kaarten.gdk", gdk);
    const std::string kop = "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\";
    const auto exporteer = [&](int jaren, const std::string& uit) {
        const std::string reg = map.Schrijf(
            "register.reg",
            "REGEDIT4\n\n" + kop + "OptiesAlgemeen]\n\"AfbeeldingBestanden\"=\"" + map.tekst() +
                "/scans\"\n\"NiveauAfbeeldingBestanden\"=dword:00000000\n\"UitvoerBestanden\"=\"" +
                map.tekst() + "/" + uit + "\"\n\n" + kop +
                "OptiesCode]\n\"CodeGedenkjeVoorkant\"=\"_v\"\n\"CodeGedenkjeAchterkant\"=\"_a\"\n\n" + kop +
                "OptiesBijUitvoeren]\n\"ZoekpaginaMaken\"=dword:00000001\n" +
                "\"AfbeeldingVoorEnAchterkantWeergeven\"=dword:00000001\n" +
                "\"WebAdres\"=\"https://www.voorbeeld.nl/gedenkjes/\"\n" +
                "\"RecentNietPubliceren\"=dword:" + (jaren ? "00000032" : "00000000") + "\n");
        std::vector<std::string> sites;
        for (int type : {1, 2, 3, 4}) {
            const CliUitkomst u =
                VoerCli("--register " + Quote(reg) + " --programmamap " + Quote(std::string(GDK_BINARY_DIR)) +
                            " uitvoeren kaarten.gdk " + std::to_string(type),
                        map.pad());
            EXPECT_EQ(u.code, 0) << u.fout;
            EXPECT_EQ(u.fout.find("melding:"), std::string::npos) << u.fout;
            const std::string aantal = "gedenkjes : " + std::to_string(jaren ? 36 : 54);
            EXPECT_NE(u.fout.find("links:   " + aantal +
                                  (jaren ? "; niet gepubliceerd: 18 (overleden na " +
                                               std::to_string(tijd.tm_year + 1900 - 50) + " of zonder jaar)\n"
                                         : "\n")),
                      std::string::npos)
                << u.fout;
            sites.push_back(
                SiteInhoud(map.pad() / uit / "kaarten" / "gedenkjes" / ("type " + std::to_string(type))));
        }
        return sites;
    };

    // Published whole, every trace of every card is somewhere: the test can see a leak.
    const std::vector<std::string> geheel = exporteer(0, "alles");
    for (const Gegenereerd& k : kaarten)
        for (const std::string& spoor : k.sporen)
            EXPECT_TRUE(std::any_of(geheel.begin(), geheel.end(), [&](const std::string& site) {
                return site.find(spoor) != std::string::npos;
            })) << spoor;
    // Withheld, a card is nowhere; a kept card is where it was.
    const std::vector<std::string> sites = exporteer(50, "openbaar");
    for (std::size_t t = 0; t < sites.size(); ++t)
        for (const Gegenereerd& k : kaarten)
            for (const std::string& spoor : k.sporen) {
                const bool voorheen = geheel[t].find(spoor) != std::string::npos;
                EXPECT_EQ(sites[t].find(spoor) != std::string::npos, voorheen && !k.recent)
                    << "type " << t + 1 << ": " << spoor;
            }
    const std::string verslag = LeesBestand(map.pad() / "kaarten_Verschillen.txt");
    std::size_t regels = 0;
    for (std::size_t p = verslag.find("niet gepubliceerd: "); p != std::string::npos;
         p = verslag.find("niet gepubliceerd: ", p + 1))
        ++regels;
    EXPECT_EQ(regels, 18u); // the report of the last export (type 4), read anew for each
}

} // namespace
} // namespace gdk::test
