// Browsing the largest collection: 200000 persons read into the window, then every letter tab
// chosen on the "Persoon" tab (each fills both letter lists), every sort order chosen on the
// "Ga naar" tab (each fills one sorted list of up to 200000 lines), and searches typed key by key
// on the "Zoeken" tab (1 to 12 characters of common surnames and of a year). After the read it
// reports how long the window still held the event loop before giving it back, the longest the
// loop was then kept busy at a time, and when the search field took typing.
// Targets: held after the read <= 0.3 s, a letter <= 0.05 s, a sort order <= 0.3 s, a keystroke
// <= 0.03 s, peak <= 340 MB.
// Runs offscreen; a plain main.
#include "bench_util.h"
#include "genereer.h"

#include "data/tvars.h"
#include "export/kaartzoeker.h"
#include "platform/gebruiker.h"
#include "ui/lijstregels.h"
#include "ui/tfrmgedenkjes.h"
#include "ui/tsbrgedenkjes.h"
#include "ui/ttabbalk.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace gdk::bench;
using Klok = std::chrono::steady_clock;

double Tussen(Klok::time_point van, Klok::time_point tot) {
    return std::chrono::duration<double>(tot - van).count();
}

// The window's own sink, passed through; it notes when the window ends the progress bar, which
// it does last right after the read itself.
class LeesEinde : public gdk::Gebruiker {
  public:
    explicit LeesEinde(gdk::Gebruiker& ui) : ui_(ui) {}
    void ToonLinks(const std::string& t) override { ui_.ToonLinks(t); }
    void ToonRechts(const std::string& t) override { ui_.ToonRechts(t); }
    void Melding(const std::string& t, const std::string& titel) override { ui_.Melding(t, titel); }
    void BezigCursor(bool aan) override { ui_.BezigCursor(aan); }
    void Herteken() override { ui_.Herteken(); }
    void Voortgang(long gedaan, long totaal) override {
        if (totaal == 0) einde = Klok::now();
        ui_.Voortgang(gedaan, totaal);
    }
    void StatusbalkIndelen() override { ui_.StatusbalkIndelen(); }
    Klok::time_point einde;

  private:
    gdk::Gebruiker& ui_;
};

struct Meting {
    double wand = 0, cpu = 0;
};

template <class F> Meting Meet(F&& f) {
    const double c = CpuSeconden();
    const auto b = std::chrono::steady_clock::now();
    f();
    QApplication::processEvents(); // the lists laid out and painted, as the user sees them
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - b).count(), CpuSeconden() - c};
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    gdk::bench::TijdelijkeBenchMap map;
    const std::string registry = (map.pad() / "HKEY_CURRENT_USER.reg").string();
    std::ofstream(registry) << "REGEDIT4\r\n";
    setenv("GEDENKJES_REGISTRY", registry.c_str(), 1);
    gdk::bench::GenereerOpties opties;
    opties.afwijkingElke = 0;
    const gdk::bench::Collectie collectie = gdk::bench::GenereerCollectie(map.pad(), opties);

    TfrmGedenkjes venster;
    venster.resize(1000, 700);
    venster.show();
    venster.Activeren();
    LeesEinde leesEinde(*venster.sbrGedenkjes);
    gdk::ZetUI(&leesEinde);
    const Klok::time_point begin = Klok::now();
    const bool gelezen = venster.Inlezen(collectie.gdk.string());
    const Klok::time_point terug = Klok::now();
    if (!gelezen) {
        std::fprintf(stderr, "bladeren_bench: inlezen mislukt\n");
        return 1;
    }
    // The event loop until the search takes typing, one round at a time with a pause between, as
    // an idle loop would wait: the longest round is the longest the user could not reach the window.
    double langsteRonde = 0;
    const auto ronde = [&] {
        const Klok::time_point r = Klok::now();
        QApplication::processEvents();
        langsteRonde = std::max(langsteRonde, Tussen(r, Klok::now()));
    };
    while (!venster.edtZoeken->isEnabled() && Tussen(terug, Klok::now()) < 30) {
        ronde();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const Klok::time_point zoekKlaar = Klok::now();
    ronde(); // what the ready search still set in motion
    gdk::ZetUI(venster.sbrGedenkjes);
    std::printf("collectie: %d personen, %d gezinnen; inlezen in het venster %.3f s, waarvan het lezen "
                "zelf %.3f s\n",
                gdk::AantalPersonen, gdk::AantalGezinnen, Tussen(begin, terug),
                Tussen(begin, leesEinde.einde));
    std::printf("na het inlezen: venster vastgehouden %.3f s, daarna langste ronde %.3f s; "
                "zoeken klaar na %.3f s%s\n",
                Tussen(leesEinde.einde, terug), langsteRonde, Tussen(leesEinde.einde, zoekKlaar),
                venster.edtZoeken->isEnabled() ? "" : " (niet klaar!)");
    {
        // What the window adds to the read: the orders of the lists and the search's words.
        LijstVolgorden lijsten;
        gdk::KaartZoeker zoeker;
        const Meting volgorden = Meet([&] {
            lijsten.Volgorde(false, true);
            lijsten.Volgorde(true, true);
        });
        const Meting zoekwoorden = Meet([&] { zoeker.Bouw(lijsten.Volgorde(false, true)); });
        std::printf("waarvan volgorden van de lijsten %.3f s, zoekwoorden %.3f s\n", volgorden.wand,
                    zoekwoorden.wand);
    }

    venster.pctrViewer->setCurrentIndex(5);
    std::vector<double> letters;
    double letterCpuMax = 0;
    int meesteRegels = 0;
    char zwaarste = 'A';
    for (int i = 0; i < 26; ++i) {
        const Meting m = Meet([&] { venster.tcPersoon->setCurrentIndex(i); });
        letters.push_back(m.wand);
        letterCpuMax = std::max(letterCpuMax, m.cpu);
        if (venster.lbxPersoon->count() > meesteRegels) {
            meesteRegels = venster.lbxPersoon->count();
            zwaarste = static_cast<char>('A' + i);
        }
    }
    std::sort(letters.begin(), letters.end());
    std::printf("letter (beide lijsten): mediaan %.3f s, langzaamst %.3f s (cpu max %.3f s); "
                "grootste letter %c met %d personen\n",
                letters[letters.size() / 2], letters.back(), letterCpuMax, zwaarste, meesteRegels);

    venster.pctrViewer->setCurrentIndex(1);
    struct Keuze {
        const char* naam;
        QRadioButton* knop;
        QListWidget* lijst;
    } keuzes[] = {
        {"persoon voornamen", venster.rgrpSorterenPersoonVoornamen, venster.lbxSorterenPersoon},
        {"persoon achternaam", venster.rgrpSorterenPersoonAchternaam, venster.lbxSorterenPersoon},
        {"relatie voornamen", venster.rgrpSorterenRelatieVoornamen, venster.lbxSorterenRelatie},
        {"relatie achternaam", venster.rgrpSorterenRelatieAchternaam, venster.lbxSorterenRelatie},
    };
    for (const Keuze& k : keuzes) {
        const Meting m = Meet([&] { k.knop->click(); });
        std::printf("sorteren %-18s: %.3f s (cpu %.3f s), %d regels\n", k.naam, m.wand, m.cpu,
                    k.lijst->count());
    }
    // Where a sort order's time goes: the lines with their sort, and the list's filling.
    LijstVolgorden lijsten;
    const Meting opbouw = Meet([&] { lijsten.Volgorde(false, true); });
    QListWidget proef;
    const Meting vullen = Meet([&] { VulLijst(&proef, lijsten.Volgorde(false, true), false, true); });
    std::printf("waarvan regels en sorteren %.3f s, lijst vullen %.3f s\n", opbouw.wand, vullen.wand);

    // Typed key by key after Ctrl+F: each key searches and fills both result lists.
    venster.ZoekenKiezen();
    double toetsMax = 0;
    for (const char* vraag :
         {"van der berg", "jansen maria", "vermeulen jo", "dijkstra pet", "1931 haarlem"}) {
        venster.edtZoeken->clear();
        QApplication::processEvents();
        std::printf("zoeken %-14s", ("\"" + std::string(vraag) + "\"").c_str());
        for (const char* c = vraag; *c; ++c) {
            const Meting m = Meet([&] { venster.edtZoeken->insert(QString(QLatin1Char(*c))); });
            toetsMax = std::max(toetsMax, m.wand);
            std::printf(" %.3f", m.wand);
        }
        std::printf(" s; %s\n", venster.lblZoekenAantal->text().toUtf8().constData());
    }
    std::printf("zoeken: langzaamste toets %.3f s\n", toetsMax);
    std::printf("piekgeheugen: %ld MB\n", PiekGeheugenKB() / 1024);
    return 0;
}
