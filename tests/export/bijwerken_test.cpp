// Updating a site in place, for every layout, through the frame the menu and the command line
// run: the result is exactly a fresh export of the changed collection, files added by hand stay
// and are named, untouched files keep their time, an update killed while it writes is repaired by
// the next, and a folder that is not the program's is refused untouched.
#include "export/uitvoeren.h"

#include "export23.h"
#include "platform/schrijfteller.h"
#include "support/boom.h"

#include <gmock/gmock.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace gdk::test {
namespace {

namespace stdfs = std::filesystem;
using testing::HasSubstr;

// The paths where two trees differ: in one only, or with other bytes.
std::vector<std::string> Verschil(const std::map<std::string, std::string>& a,
                                  const std::map<std::string, std::string>& b) {
    std::vector<std::string> uit;
    for (const auto& [pad, bytes] : a)
        if (!b.contains(pad) || b.at(pad) != bytes) uit.push_back(pad);
    for (const auto& [pad, bytes] : b)
        if (!a.contains(pad)) uit.push_back(pad);
    return uit;
}

class Bijwerken : public Export23, public testing::WithParamInterface<int> {
  protected:
    int Type() const { return GetParam(); }
    stdfs::path Lijst() const { return Site(Type()).string() + ".gdklijst"; }

    // The collection before and after a week of collecting: a card added, one removed, one
    // renamed (its page and image names move), one with a new note and a new scan.
    void Verzameling(bool later) {
        LeegOpslag();
        // The scans stay as they are: a scan written again is another source, copied again.
        if (!later)
            for (const char* s :
                 {"aarts.jpg", "bos.jpg", "claes.jpg", "cramer.jpg", "dekker.jpg", "elst.jpg", "goos.jpg"})
                Scan(s, std::string("JPEG ") + s);
        // A scan replaced by another of the same size: copied again all the same.
        if (later) Scan("dekker.jpg", "JPEG DEKKER.JPG");
        Kaartje(Kaart{.voornamen = "Anna", .achternaam = "Aarts", .afbeelding = "aarts.jpg"});
        if (!later) Kaartje(Kaart{.voornamen = "Bert", .achternaam = "Bos", .afbeelding = "bos.jpg"});
        if (later)
            Kaartje(Kaart{.voornamen = "Cor", .achternaam = "Cramer", .afbeelding = "cramer.jpg"});
        else
            Kaartje(Kaart{.voornamen = "Cor", .achternaam = "Claes", .afbeelding = "claes.jpg"});
        const int dekker =
            Kaartje(Kaart{.voornamen = "Dirk", .achternaam = "Dekker", .afbeelding = "dekker.jpg"});
        if (later) Personen.Wijzig(dekker).Aantekening = "zeer geliefd";
        if (later) Kaartje(Kaart{.voornamen = "Eva", .achternaam = "Elst", .afbeelding = "elst.jpg"});
        Kaartje(Kaart{.voornamen = "Frans", .achternaam = "Fik", .afbeelding = "aarts.jpg"});
        // Cards of one scan give one page in some layouts: the last card's, as it was.
        Kaartje(Kaart{.voornamen = "Gijs", .achternaam = "Goos", .afbeelding = "goos.jpg"});
        Kaartje(Kaart{.voornamen = "Greet", .achternaam = "Goos", .afbeelding = "goos.jpg"});
        Kaartje(Kaart{.voornamen = "Gijs", .achternaam = "Goos", .afbeelding = "goos.jpg"});
    }

    // A fresh export of the collection as it is now, in a folder of its own.
    std::map<std::string, std::string> VerseSite(std::vector<std::string>* mappen = nullptr) {
        const std::string uit = UitvoerBestanden;
        UitvoerBestanden = (map.pad() / "vers").string();
        stdfs::remove_all(map.pad() / "vers");
        EXPECT_TRUE(UitvoerenCommando(Type()));
        const stdfs::path site = map.pad() / "vers/kaarten/gedenkjes" / ("type " + std::to_string(Type()));
        if (mappen) *mappen = Mappen(site);
        UitvoerBestanden = uit;
        return Boom(site);
    }
};

TEST_P(Bijwerken, TheSiteBecomesExactlyAFreshExportOfTheChangedCollection) {
    Verzameling(false);
    // No folder yet: exported as a fresh export would, with the list beside it.
    ASSERT_TRUE(BijwerkenCommando(Type()));
    EXPECT_EQ(Boom(Site(Type())), VerseSite());
    EXPECT_TRUE(stdfs::exists(Lijst()));
    const auto voor = Boom(Site(Type()));
    const auto tijdenVoor = Tijden(Site(Type()));
    map.Schrijf(stdfs::relative(Site(Type()), map.pad()).string() + "/eigen.txt", "van mij");
    // Type 4 has no folder "paginas": there a folder of its own takes a file added by hand.
    const std::string eigen = std::string(Type() == 4 ? "kaart" : "paginas") + "/eigen";
    map.Schrijf(stdfs::relative(Site(Type()), map.pad()).string() + "/" + eigen + "/notitie.htm", "ook");

    Verzameling(true);
    ui.meldingen.clear();
    ASSERT_TRUE(BijwerkenCommando(Type()));
    const std::string telling = ui.links.back();
    std::vector<std::string> verseMappen;
    const auto vers = VerseSite(&verseMappen);
    auto na = Boom(Site(Type()));
    // The files added by hand are still there, named in one message, and nothing else differs
    // from the fresh export, names and folders included.
    EXPECT_EQ(na["eigen.txt"], "van mij");
    EXPECT_EQ(na[eigen + "/notitie.htm"], "ook");
    na.erase("eigen.txt");
    na.erase(eigen + "/notitie.htm");
    EXPECT_EQ(na, vers);
    std::vector<std::string> mappen = Mappen(Site(Type()));
    std::erase(mappen, eigen);
    EXPECT_EQ(mappen, verseMappen);
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_THAT(
        ui.meldingen[0].first,
        AllOf(HasSubstr("niet geschreven heeft. Ze zijn niet aangeraakt:\n  eigen.txt\n  " + eigen + "/"),
              testing::Not(HasSubstr("beschadigd"))));
    // The removed card's and the renamed card's old files are gone.
    for (const auto& [pad, bytes] : na) {
        EXPECT_EQ(pad.find("bos"), std::string::npos) << pad;
        EXPECT_EQ(pad.find("claes"), std::string::npos) << pad;
    }
    // What kept its bytes kept its time; the counts say what happened.
    std::size_t geschreven = 0, ongewijzigd = 0, verwijderd = 0;
    const auto tijdenNa = Tijden(Site(Type()));
    for (const auto& [pad, bytes] : vers) {
        const auto oud = voor.find(pad);
        if (oud != voor.end() && oud->second == bytes) {
            ++ongewijzigd;
            EXPECT_EQ(tijdenNa.at(pad), tijdenVoor.at(pad)) << pad;
        } else {
            ++geschreven;
        }
    }
    for (const auto& [pad, bytes] : voor)
        verwijderd += vers.count(pad) == 0;
    EXPECT_GT(ongewijzigd, 0u);
    EXPECT_GT(verwijderd, 0u);
    EXPECT_EQ(telling, "  Bijgewerkt: " + std::to_string(geschreven) + " bestanden geschreven, " +
                           std::to_string(verwijderd) + " verwijderd, " + std::to_string(ongewijzigd) +
                           " ongewijzigd");

    // Nothing changed since: nothing is written, not even the list, nor the page that two cards
    // share, which the first would give other bytes and the second gives back.
    struct stat lijst {};
    ASSERT_EQ(::stat(Lijst().c_str(), &lijst), 0);
    const std::string lijstVoor = LeesBestand(Lijst());
    const auto tijden = Tijden(Site(Type()));
    ui.meldingen.clear();
    fs::SchrijfTeller teller;
    ASSERT_TRUE(BijwerkenCommando(Type()));
    EXPECT_EQ(teller.Totaal(), 0u);
    EXPECT_EQ(Tijden(Site(Type())), tijden);
    EXPECT_EQ(LeesBestand(Lijst()), lijstVoor);
    struct stat daarna {};
    ASSERT_EQ(::stat(Lijst().c_str(), &daarna), 0);
    EXPECT_EQ(daarna.st_ino, lijst.st_ino);
    EXPECT_EQ(daarna.st_mtim.tv_nsec, lijst.st_mtim.tv_nsec);
    EXPECT_EQ(ui.links.back(), "  Bijgewerkt: 0 bestanden geschreven, 0 verwijderd, " +
                                   std::to_string(vers.size()) + " ongewijzigd");
    EXPECT_EQ(ui.meldingen.size(), 1u); // the files added by hand, named again
}

// A list cut off and edited by hand: nothing the program did not write is removed, what is in
// doubt is kept and named, and the list is whole again afterwards.
TEST_P(Bijwerken, ADamagedListNeverCostsAFileThatIsNotTheProgramsOwn) {
    Verzameling(false);
    ASSERT_TRUE(BijwerkenCommando(Type()));
    const std::string site = stdfs::relative(Site(Type()), map.pad()).string();
    map.Schrijf(site + "/eigen.htm", "van mij");
    // The line of Bos's image copy edited (another size), the last half of the list cut off.
    std::string lijst = LeesBestand(Lijst());
    const std::size_t bos = lijst.find("/bos.jpg\t");
    ASSERT_NE(bos, std::string::npos);
    const std::size_t begin = lijst.rfind('\t', bos) + 1;
    const std::string bosPad = lijst.substr(begin, bos + 8 - begin);
    lijst.insert(lijst.find('\t', bos + 9), "9");
    lijst.resize(lijst.size() / 2);
    map.Schrijf(stdfs::relative(Lijst(), map.pad()).string(), lijst);

    Verzameling(true);
    ui.meldingen.clear();
    ASSERT_TRUE(BijwerkenCommando(Type()));
    auto na = Boom(Site(Type()));
    EXPECT_EQ(na["eigen.htm"], "van mij");
    EXPECT_EQ(na[bosPad], "JPEG bos.jpg"); // in doubt: kept
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_THAT(ui.meldingen[0].first, AllOf(HasSubstr("eigen.htm"), HasSubstr(bosPad),
                                             HasSubstr("De lijst naast de site was ingekort")));
    // Where the site differs from a fresh export, the message names the file (or its folder).
    const std::string melding = ui.meldingen[0].first;
    const auto Genoemd = [&](const std::string& pad) {
        for (std::size_t p = pad.size(); p != std::string::npos && p > 0; p = pad.rfind('/', p - 1))
            if (melding.find("\n  " + pad.substr(0, p) + (p < pad.size() ? "/" : "")) != std::string::npos)
                return true;
        return false;
    };
    const auto vers = VerseSite();
    for (const auto& [pad, bytes] : vers) {
        if (na[pad] != bytes) {
            EXPECT_TRUE(Genoemd(pad)) << pad;
        }
    }
    for (const auto& [pad, bytes] : na) {
        if (!vers.count(pad)) {
            EXPECT_TRUE(Genoemd(pad)) << pad;
        }
    }
    // The list is whole again: the next update has nothing to say about it.
    ui.meldingen.clear();
    ASSERT_TRUE(BijwerkenCommando(Type()));
    ASSERT_EQ(ui.meldingen.size(), 1u);
    EXPECT_THAT(ui.meldingen[0].first, testing::Not(HasSubstr("ingekort")));
}

// Killed at a few of its writes (the process gone, as at a power cut or kill -9), the first
// export or an update after a change leaves what the next update repairs to exactly a fresh
// export; after that nothing is left to write.
TEST_P(Bijwerken, AnUpdateKilledWhileWritingIsRepairedByTheNext) {
    for (const bool eerste : {true, false})
        for (const std::size_t stop : {1u, 2u, 5u, 9u}) {
            SCOPED_TRACE((eerste ? "first export, write " : "update, write ") + std::to_string(stop));
            stdfs::remove_all(map.pad() / "uit");
            Verzameling(false);
            if (!eerste) {
                ASSERT_TRUE(BijwerkenCommando(Type()));
                Verzameling(true);
            }
            const pid_t kind = ::fork();
            ASSERT_GE(kind, 0);
            if (kind == 0) {
                fs::SchrijfTeller teller;
                teller.daarna = [&](std::size_t n) {
                    if (n == stop) ::raise(SIGKILL);
                };
                BijwerkenCommando(Type());
                ::_exit(0);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(kind, &status, 0), kind);
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
            ui.meldingen.clear();
            ASSERT_TRUE(BijwerkenCommando(Type()));
            EXPECT_EQ(ui.meldingen.size(), 0u);
            EXPECT_EQ(Verschil(Boom(Site(Type())), VerseSite()), std::vector<std::string>{});
            ASSERT_TRUE(BijwerkenCommando(Type()));
            EXPECT_THAT(ui.links.back(),
                        testing::StartsWith("  Bijgewerkt: 0 bestanden geschreven, 0 verwijderd"));
        }
}

INSTANTIATE_TEST_SUITE_P(ElkType, Bijwerken, testing::Range(1, SiteTypen + 1),
                         [](const testing::TestParamInfo<int>& i) {
                             return "Type" + std::to_string(i.param);
                         });

// A site folder that is not the program's own: refused with one message, nothing changed.
class VreemdeMap : public Export23 {};

TEST_F(VreemdeMap, IsRefusedUntouched) {
    Kaartje(Kaart{.voornamen = "Anna", .achternaam = "Aarts", .afbeelding = "aarts.jpg"});
    Scan("aarts.jpg");
    const std::string site = "uit/kaarten/gedenkjes/type 2";
    struct Geval {
        const char* wat;
        std::function<void()> maak;
        std::string melding;
    };
    const std::string s = Site(2).string();
    const Geval gevallen[] = {
        {"a file", [&] { map.Schrijf(site, "een bestand"); },
         "Onder de naam " + s +
             " staat een bestand of een snelkoppeling, geen map: daar kan geen site geschreven worden.\n\nEr "
             "is "
             "niets veranderd. Verplaats of verwijder dat bestand, of kies onder Opties een andere "
             "uitvoermap."},
        {"a link to elsewhere",
         [&] {
             map.Schrijf("elders/index.htm", "van iemand anders");
             stdfs::create_directories(Site(2).parent_path());
             stdfs::create_directory_symlink(map.pad() / "elders", Site(2));
         },
         "Onder de naam " + s +
             " staat een bestand of een snelkoppeling, geen map: daar kan geen site geschreven worden.\n\nEr "
             "is "
             "niets veranderd. Verplaats of verwijder dat bestand, of kies onder Opties een andere "
             "uitvoermap."},
        {"someone else's folder", [&] { map.Schrijf(site + "/index.htm", "van iemand anders"); },
         "De map " + s +
             " bestaat al, maar Gedenkjes heeft haar niet geschreven: de lijst \"type 2.gdklijst\" ernaast "
             "ontbreekt.\n\nEr is niets veranderd. Verplaats de map of geef haar een andere naam; bijwerken "
             "maakt "
             "de site daarna opnieuw."},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.wat);
        stdfs::remove_all(map.pad() / "uit");
        stdfs::remove_all(map.pad() / "elders");
        g.maak();
        const auto voor = Boom(map.pad());
        ui.meldingen.clear();
        EXPECT_FALSE(BijwerkenCommando(2));
        ASSERT_EQ(ui.meldingen.size(), 1u);
        EXPECT_EQ(ui.meldingen[0].first, g.melding);
        EXPECT_EQ(Boom(map.pad()), voor); // nothing beside it either
    }
}

} // namespace
} // namespace gdk::test
