// Publishing to real rclone remotes that the test serves itself on 127.0.0.1 (WebDAV without a
// vendor: the remote compares neither times nor checksums, only sizes).
#include "export/publiceren.h"

#include "platform/gebruiker_opname.h"
#include "support/rclone_proef.h"
#include "support/tijdelijke_map.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace gdk {
namespace {

namespace stdfs = std::filesystem;
using test::Boom;
using test::Mappen;
using test::RcloneProef;
using test::TijdelijkeMap;
using test::Tijden;
using testing::AllOf;
using testing::EndsWith;
using testing::HasSubstr;
using testing::StartsWith;

class Publiceren : public testing::Test {
  protected:
    // A blank in the local folder's name, as in a user's "Mijn documenten".
    void Schrijf(const std::string& relatief, const std::string& inhoud) const {
        map.Schrijf("mijn site/" + relatief, inhoud);
    }
    bool Publiceer(const std::string& doel, const SiteWijzigingen& w, Verzonden* v = nullptr) const {
        return gdk::Publiceren(site.string(), doel, w, v);
    }

    TijdelijkeMap map;
    stdfs::path site = map.pad() / "mijn site";
    RcloneProef proef;
    OpnameGebruiker ui;
};

TEST_F(Publiceren, EachPublishSendsWhatTheUpdateWroteAndTheRemoteThenEqualsTheSite) {
    // A target path with blanks and both kinds of quote reaches rclone as one argument.
    const std::string doel = "web:public html/\"gedenkjes\" 'nu'";
    const stdfs::path remote = proef.Serveer("web") / "public html/\"gedenkjes\" 'nu'";
    // What was on the server before is not the program's: a first publish leaves it.
    stdfs::create_directories(remote);
    std::ofstream(remote / "eigen.txt") << "van de gebruiker";
    Schrijf("index.htm", "<p>index</p>");
    Schrijf("paginas/a/anna.htm", "<p>Anna</p>");
    Schrijf("paginas/b/bert.htm", "<p>Bert</p>");
    Schrijf("paginas/\xC3\xA9/Zo\xC3\xAB.htm", "<p>Zo\xEB</p>"); // UTF-8 on disk, Windows-1252 inside
    Schrijf("afbeeldingen/kaart 1.jpg", std::string("\xFF\xD8\xFF\0\x01", 5));
    const auto GelijkAanSite = [&] {
        auto boom = Boom(remote);
        EXPECT_EQ(boom["eigen.txt"], "van de gebruiker");
        boom.erase("eigen.txt");
        EXPECT_EQ(boom, Boom(site));
        EXPECT_EQ(Mappen(remote), Mappen(site));
    };

    Verzonden v;
    // A first publish: the files of the site's list, nothing deleted.
    SiteWijzigingen eerste;
    eerste.eerste = true;
    for (const auto& [pad, inhoud] : Boom(site))
        eerste.geschreven.push_back(pad);
    ASSERT_TRUE(Publiceer(doel, eerste, &v)) << (ui.meldingen.empty() ? "" : ui.meldingen[0].first);
    EXPECT_EQ(v.bestanden, 5);
    EXPECT_EQ(v.bytes, 12 + 11 + 11 + 10 + 5);
    GelijkAanSite();
    EXPECT_THAT(ui.links.back(), HasSubstr("5 bestanden verzonden, 0 verwijderd"));

    struct Stap {
        const char* wat;
        std::vector<std::pair<std::string, std::string>> schrijf; // on disk: UTF-8 names
        std::vector<std::string> weg;
        SiteWijzigingen wijzigingen; // names on disk
        std::set<std::string> verzonden;
        std::int64_t verwijderd;
    };
    const Stap stappen[] = {
        {"a page changed but kept its size",
         {{"paginas/b/bert.htm", "<p>BERT</p>"}},
         {},
         {{"paginas/b/bert.htm"}, {}, false},
         {"paginas/b/bert.htm"},
         0},
        {"a page grew and a new one came",
         {{"paginas/a/anna.htm", "<p>Anna Smit</p>"}, {"paginas/c/cor.htm", "<p>Cor</p>"}},
         {},
         {{"paginas/a/anna.htm", "paginas/c/cor.htm"}, {}, false},
         {"paginas/a/anna.htm", "paginas/c/cor.htm"},
         0},
        {"an accented name, same size",
         {{"paginas/\xC3\xA9/Zo\xC3\xAB.htm", "<p>ZO\xCB</p>"}},
         {},
         {{"paginas/\xC3\xA9/Zo\xC3\xAB.htm"}, {}, false},
         {"paginas/\xC3\xA9/Zo\xC3\xAB.htm"},
         0},
        {"a card removed, its folder emptied", {}, {"paginas/b"}, {{}, {"paginas/b/bert.htm"}, false}, {}, 1},
        {"nothing changed", {}, {}, {}, {}, 0},
    };
    for (const Stap& s : stappen) {
        SCOPED_TRACE(s.wat);
        // Dated back a year on the server, so that what is sent again shows by its new time.
        const auto toen = stdfs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
        for (const auto& [pad, inhoud] : Boom(remote))
            stdfs::last_write_time(remote / pad, toen);
        for (const auto& [pad, inhoud] : s.schrijf)
            Schrijf(pad, inhoud);
        for (const std::string& pad : s.weg)
            stdfs::remove_all(site / pad);

        ui.meldingen.clear();
        ASSERT_TRUE(Publiceer(doel, s.wijzigingen, &v))
            << (ui.meldingen.empty() ? "" : ui.meldingen[0].first);
        EXPECT_EQ(v.bestanden, static_cast<std::int64_t>(s.verzonden.size()));
        EXPECT_EQ(v.verwijderd, s.verwijderd);
        std::set<std::string> nieuw;
        for (const auto& [pad, tijd] : Tijden(remote))
            if (tijd > toen && !stdfs::is_directory(remote / pad)) nieuw.insert(pad);
        EXPECT_EQ(nieuw, s.verzonden);
        GelijkAanSite();
        EXPECT_TRUE(ui.meldingen.empty());
    }
}

// One way publishing fails, with the message it gives.
struct Mislukking {
    const char* wat;
    std::string doel;
    std::string begin; // the whole message, or what comes before rclone's own words
    const char* eind;  // after rclone's words; nullptr when the message has none
    const char* bevat = "";
    const char* variabele = nullptr; // set to `waarde` for the call
    std::string waarde = {};
};

TEST_F(Publiceren, EachFailureGivesOneMessageAndLeavesTheSiteAsItWas) {
    proef.Serveer("web");
    proef.Serveer("alleenlezen", true);
    proef.Onbereikbaar("dicht");
    Schrijf("index.htm", "<p>index</p>");
    Schrijf("paginas/a/anna.htm", "<p>Anna</p>");
    const TijdelijkeMap leeg; // a PATH without rclone
    const std::string slot =
        map.Schrijf("slot.conf", "# Encrypted rclone configuration File\n\nRCLONE_ENCRYPT_V0:\n"
                                 "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\n");
    const std::string opnieuw = "\n\nDe site op deze computer is ongewijzigd. Publiceer opnieuw wanneer de "
                                "oorzaak verholpen is; wat nog "
                                "niet op de server staat, wordt dan verzonden.";
    const Mislukking gevallen[] = {
        {"blank", "  ",
         "Er is nog geen doel gekozen waarheen de site gepubliceerd wordt.\n\nVul het in bij \"Publiceren "
         "naar\" "
         "(onder Opties, op het tabblad Bij uitvoeren): de naam van een verbinding die u met rclone config "
         "hebt "
         "ingericht, een dubbele punt en de map, bijvoorbeeld mijnsite:public_html/gedenkjes.",
         nullptr},
        {"no remote name", "public_html/gedenkjes",
         "\"public_html/gedenkjes\" bij \"Publiceren naar\" noemt geen verbinding van rclone.\n\nSchrijf "
         "daar "
         "(onder Opties, op het tabblad Bij uitvoeren) de naam van een verbinding die u met rclone config "
         "hebt "
         "ingericht, een dubbele punt en de map, bijvoorbeeld mijnsite:public_html/gedenkjes.",
         nullptr},
        {"rclone missing", "web:site",
         "Het programma rclone, dat de site naar de server verzendt, is niet gevonden.\n\nInstalleer het "
         "(bijvoorbeeld met: sudo apt install rclone), richt met rclone config de verbinding in en publiceer "
         "daarna opnieuw.",
         nullptr, "", "PATH", leeg.tekst()},
        // Never a prompt for the password of a locked configuration: no one would see it.
        {"configuration locked", "web:site", "rclone kan zijn instellingen niet lezen.\n\nrclone meldt: ",
         "\n\nControleer ze met rclone config en publiceer daarna opnieuw.", "RCLONE_CONFIG_PASS",
         "RCLONE_CONFIG", slot},
        {"remote unknown", "onbekend:site",
         "De verbinding \"onbekend\" van \"Publiceren naar\" is bij rclone niet bekend.\n\nRicht haar in met "
         "rclone config, of kies bij \"Publiceren naar\" (onder Opties, op het tabblad Bij uitvoeren) een "
         "verbinding die rclone listremotes noemt.",
         nullptr},
        {"unreachable", "dicht:site", "De server van \"dicht:site\" is niet bereikbaar.\n\nrclone meldt: ",
         "\n\nControleer de internetverbinding en de instellingen van de verbinding (rclone config), en "
         "publiceer "
         "daarna opnieuw. Er is niets verzonden.",
         "connection refused"},
        {"transfer refused", "alleenlezen:site",
         "Het verzenden naar \"alleenlezen:site\" is mislukt.\n\nrclone meldt: ", opnieuw.c_str(),
         "Failed to copy"},
    };
    const auto boom = Boom(site);
    const auto tijden = Tijden(site);
    for (const Mislukking& g : gevallen) {
        SCOPED_TRACE(g.wat);
        ui.meldingen.clear();
        SiteWijzigingen w;
        w.eerste = true;
        w.geschreven = {"index.htm", "paginas/a/anna.htm"};
        const std::string was = g.variabele ? std::getenv(g.variabele) : "";
        if (g.variabele) ::setenv(g.variabele, g.waarde.c_str(), 1);
        EXPECT_FALSE(Publiceer(g.doel, w));
        if (g.variabele) ::setenv(g.variabele, was.c_str(), 1);
        ASSERT_EQ(ui.meldingen.size(), 1u);
        const std::string& melding = ui.meldingen[0].first;
        if (!g.eind)
            EXPECT_EQ(melding, g.begin);
        else
            EXPECT_THAT(melding, AllOf(StartsWith(g.begin), EndsWith(g.eind), HasSubstr(g.bevat)));
        EXPECT_EQ(Boom(site), boom);
        EXPECT_EQ(Tijden(site), tijden);
    }
}

} // namespace
} // namespace gdk
