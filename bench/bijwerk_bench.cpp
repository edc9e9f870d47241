// Updating a large site in place, beside exporting it fresh and `cp -r` of its tree, in one run
// on the same disk: a collection of 200000 persons ($GDK_BENCH_PERSONEN names others) with a scan
// per card, per type ($GDK_BENCH_TYPEN picks some) on a new file system of its own: a fresh
// export, `cp -r` of the site it wrote, an update after 10 changed cards (a first name added to
// each), and an update with nothing changed. Printed: wall and user+sys time of each, the files
// written, removed and left, and the ratios of the update after 10 changes to the fresh export
// and to the copy. Target: at most 0.25 of the fresh export.
#include "bench_util.h"
#include "genereer.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "export/sitemappen.h"
#include "export/uitvoeren.h"
#include "import/inlezen.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace gdk::bench;

namespace stdfs = std::filesystem;

// The last status text: an update's counts.
class Status : public gdk::Gebruiker {
  public:
    void ToonLinks(const std::string& t) override { links = t; }
    void ToonRechts(const std::string&) override {}
    void Melding(const std::string& t, const std::string&) override {
        std::printf("melding: %s\n", t.c_str());
    }
    void BezigCursor(bool) override {}
    void Herteken() override {}
    void Voortgang(long, long) override {}
    std::string links;
};

struct Meting {
    double s = 0;
    Rusage cpu;
    bool gelukt = false;
};

// With $GDK_BENCH_PERF naming the control fifo of `perf record -D -1 --control fifo:...`, the
// profile covers the update after 10 changes only.
void Perf(const char* opdracht) {
    if (const char* fifo = std::getenv("GDK_BENCH_PERF")) std::ofstream(fifo) << opdracht << std::endl;
}

template <typename F> Meting Meet(F&& opdracht) {
    std::system("sync");
    Meting m;
    const Rusage voor = Gebruik();
    const auto begin = std::chrono::steady_clock::now();
    m.gelukt = opdracht();
    m.s = Seconden(begin);
    const Rusage na = Gebruik();
    m.cpu = {na.user - voor.user, na.sys - voor.sys};
    return m;
}

void Druk(const char* wat, const Meting& m, const Status& status) {
    std::printf("    %-26s %7.2f s (user+sys %.2f+%.2f s)%s  %s\n", wat, m.s, m.cpu.user, m.cpu.sys,
                m.gelukt ? "" : " MISLUKT", status.links.c_str());
}

// Ten cards spread over the collection, each with another first name: their pages change in
// every layout, and the letter pages that list them.
void VeranderTienKaarten(int ronde) {
    int veranderd = 0;
    for (int i = 1; i <= gdk::AantalPersonen && veranderd < 10; i += gdk::AantalPersonen / 10) {
        for (int j = i; j <= gdk::AantalPersonen; ++j) {
            const gdk::recPersoon& p = gdk::Personen[j];
            if (p.Nummer <= 0 || gdk::IsLeeg(p.AfbeeldingBestand)) continue;
            gdk::Personen.Wijzig(j).Voornamen += " " + std::to_string(ronde);
            ++veranderd;
            break;
        }
    }
}

void MeetType(int type, const stdfs::path& uit, Status& status) {
    gdk::UitvoerBestanden = uit.string();
    std::printf("  type %d:\n", type);
    const Meting vers = Meet([&] { return gdk::UitvoerenCommando(type); });
    Druk("uitvoer (vers)", vers, status);
    const std::string site = gdk::SiteMapVan(type), kopie = (uit / "kopie").string();
    const Meting cp =
        Meet([&] { return std::system(("cp -r " + Quote(site) + " " + Quote(kopie)).c_str()) == 0; });
    std::printf("    %-26s %7.2f s%s\n", "cp -r van de site", cp.s, cp.gelukt ? "" : " MISLUKT");
    VeranderTienKaarten(1);
    Perf("enable");
    const Meting tien = Meet([&] { return gdk::BijwerkenCommando(type); });
    Perf("disable");
    Druk("bijwerken na 10 kaarten", tien, status);
    const Meting niets = Meet([&] { return gdk::BijwerkenCommando(type); });
    Druk("bijwerken zonder wijziging", niets, status);
    std::printf(
        "    verhouding bijwerken na 10 kaarten / uitvoer: %.3f (doel: hoogstens 0,25); / cp -r: %.3f\n",
        tien.s / vers.s, tien.s / cp.s);
}

void MeetGrootte(const stdfs::path& basis, int personen, const std::vector<int>& typen) {
    GenereerOpties opties;
    opties.personen = personen;
    opties.gezinnen = personen / 4;
    opties.afbeeldingen = true;
    opties.gedeeldeAfbeeldingen = true;
    opties.dubbeleKaarten = true;
    const Collectie c = GenereerCollectie(basis / "bron", opties);
    std::printf("%d personen, %d regels\n", c.personen, c.regels);
    ExportInstellingen(c, basis / "programma");
    gdk::StandaardTussenvoegsels();
    gdk::CodeGedenkjeVoorkant = "_v";
    gdk::CodeFotoosVoorkant = "_f";
    if (!gdk::InlezenCommando(c.gdk.string())) {
        std::printf("lezen mislukt\n");
        return;
    }
    Status status;
    gdk::ZetUI(&status);
    for (const int type : typen) {
        const EigenBestandssysteem fs(basis);
        if (type == typen.front()) std::printf("uitvoer naar %s\n", fs.Soort());
        MeetType(type, fs.Uit(basis / ("uit " + std::to_string(type))), status);
    }
    gdk::ZetUI(nullptr);
}

std::vector<int> Getallen(const char* lijst, std::vector<int> standaard) {
    if (!lijst) return standaard;
    std::vector<int> uit;
    for (const char* p = lijst; *p;) {
        char* eind = nullptr;
        uit.push_back(static_cast<int>(std::strtol(p, &eind, 10)));
        p = *eind ? eind + 1 : eind;
    }
    return uit;
}

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::vector<int> groottes = Getallen(std::getenv("GDK_BENCH_PERSONEN"), {200000});
    const std::vector<int> typen = Getallen(std::getenv("GDK_BENCH_TYPEN"), {1, 2, 3, 4});
    TijdelijkeBenchMap tijdelijk;
    for (const int personen : groottes)
        MeetGrootte(tijdelijk.pad() / std::to_string(personen), personen, typen);
    std::fflush(stdout);
    return 0;
}
