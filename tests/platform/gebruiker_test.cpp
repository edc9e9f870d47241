#include "platform/gebruiker.h"

#include "platform/gebruiker_opname.h"
#include "platform/gebruiker_stderr.h"
#include "support/tijdelijke_map.h"

#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace gdk {
namespace {

// Standard error into a file for the length of the scope.
class StderrNaarBestand {
  public:
    explicit StderrNaarBestand(const std::string& pad) {
        std::fflush(stderr);
        oud_ = ::dup(STDERR_FILENO);
        const int fd = ::open(pad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, STDERR_FILENO);
        ::close(fd);
    }
    ~StderrNaarBestand() {
        std::fflush(stderr);
        ::dup2(oud_, STDERR_FILENO);
        ::close(oud_);
    }

  private:
    int oud_;
};

TEST(Gebruiker, StderrLinesInUtf8WithContinuationLines) {
    test::TijdelijkeMap map;
    const std::string pad = map.tekst() + "/stderr.txt";
    {
        StderrNaarBestand omleiding(pad);
        StderrGebruiker ui; // not a terminal here: no progress drawn
        ui.ToonLinks("  Zo\xEB inlezen...");
        ui.ToonRechts("  00:00:01:35");
        ui.Voortgang(5, 10);
        ui.Melding("De directorie x bestaat al.\nDeze moet eerst\r\nverwijderd\rworden.", "Gedenkjes");
        ui.Melding(std::string("a\0b", 3), "");
        ui.Voortgang(10, 0);
        ui.ToonLinks("");
    }
    static const char verwacht[] = "links:   Zo\xC3\xAB inlezen...\n"
                                   "rechts:   00:00:01:35\n"
                                   "melding: De directorie x bestaat al.\n"
                                   "Deze moet eerst\n"
                                   "verwijderd\n"
                                   "worden.\n"
                                   "melding: a\0b\n"
                                   "links: \n";
    EXPECT_EQ(test::LeesBestand(pad), std::string(verwacht, sizeof verwacht - 1));
}

TEST(Gebruiker, SilentUntilASinkIsInstalled) {
    UI().ToonLinks("niemand ziet dit");
    {
        OpnameGebruiker opname;
        UI().ToonLinks("x");
        EXPECT_EQ(opname.links, std::vector<std::string>{"x"});
    }
    UI().Melding("weer stil", "");
}

TEST(Gebruiker, ProgressNoMoreOftenThanEvery300thAndAnEnd) {
    OpnameGebruiker opname;
    {
        VoortgangMelder melder(3000);
        for (long i = 0; i < 3000; ++i)
            melder.Stap(i);
    }
    ASSERT_EQ(opname.voortgang.size(), 301u);
    EXPECT_EQ(opname.voortgang[0], (std::pair<long, long>{0, 3000}));
    EXPECT_EQ(opname.voortgang[1], (std::pair<long, long>{10, 3000}));
    EXPECT_EQ(opname.voortgang[299], (std::pair<long, long>{2990, 3000}));
    EXPECT_EQ(opname.voortgang.back(), (std::pair<long, long>{3000, 0}));
}

TEST(Gebruiker, BusyCursorForAScope) {
    OpnameGebruiker opname;
    { BezigScope bezig; }
    EXPECT_EQ(opname.bezig, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace gdk
