// Browsing the largest collection: 200000 persons read into the window, then every letter tab
// chosen on the "Persoon" tab (each fills both letter lists) and every sort order chosen on
// the "Ga naar" tab (each fills one sorted list of up to 200000 lines).
// Targets: a letter < 0.3 s, a sort order < 1 s. Runs offscreen; a plain main.
#include "bench_util.h"
#include "genereer.h"

#include "data/tvars.h"
#include "ui/lijstregels.h"
#include "ui/tfrmgedenkjes.h"
#include "ui/ttabbalk.h"

#include <QApplication>
#include <QButtonGroup>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <vector>

namespace {

using namespace gdk::bench;

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
    if (!venster.Inlezen(collectie.gdk.string())) {
        std::fprintf(stderr, "bladeren_bench: inlezen mislukt\n");
        return 1;
    }
    std::printf("collectie: %d personen, %d gezinnen\n", gdk::AantalPersonen, gdk::AantalGezinnen);

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
    std::vector<std::string> regels;
    const Meting opbouw = Meet([&] { regels = AlleRegels(false, true); });
    QListWidget proef;
    const Meting vullen = Meet([&] { VulLijst(&proef, regels); });
    std::printf("waarvan regels en sorteren %.3f s, lijst vullen %.3f s\n", opbouw.wand, vullen.wand);
    std::printf("piekgeheugen: %ld MB\n", PiekGeheugenKB() / 1024);
    return 0;
}
