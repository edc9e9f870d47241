// The search page at the largest collection: 200000 persons, 100000 cards with a small scan each.
// Each layout is exported without and with the option ZoekpaginaMaken; the difference is the
// index's share of the export time (target: at most 10%). Printed too: the total index size, the
// largest shard (limit 300 KB) and, in headless Chromium over loopback, the time from typing a
// surname to the shown result once its shards are loaded (target: under 100 ms).
//   zoeken_bench [TYPES]   TYPES as "2" (default) or "1,2,3"
#include "bench_util.h"
#include "genereer.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "export/sessie.h"
#include "export/type23.h"
#include "export/uitvoeren.h"
#include "export/zoekindex.h"
#include "import/inlezen.h"
#include "import/woordlijsten.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace gdk::bench;

namespace stdfs = std::filesystem;

void Belasting(const char* wanneer) {
    double l[3] = {0, 0, 0};
    if (getloadavg(l, 3) == 3) std::printf("belasting %s: %.2f %.2f %.2f\n", wanneer, l[0], l[1], l[2]);
}

double Exporteer(int type, const stdfs::path& uit, bool zoeken) {
    gdk::ZoekpaginaMaken = zoeken;
    gdk::UitvoerBestanden = uit.string();
    std::system("sync");
    const auto begin = std::chrono::steady_clock::now();
    gdk::UitvoerSessie sessie(type);
    const bool gelukt = gdk::UitvoerenLayout(sessie);
    const double s = Seconden(begin);
    if (!gelukt) std::printf("type %d: export MISLUKT\n", type);
    return s;
}

// The index work alone on the same cards, without the noise of a whole export beside it: the
// collector fed as the export feeds it, then the index written.
double IndexAlleen(const stdfs::path& site) {
    std::vector<std::pair<int, std::string>> regels;
    for (int i = 1; i <= gdk::AantalPersonen; ++i) {
        const gdk::recPersoon& p = gdk::Personen[i];
        if (p.Nummer > 0 && !gdk::IsLeeg(p.AfbeeldingBestand))
            regels.emplace_back(i, gdk::MaakKaartIngang(i, p.AfbeeldingBestand).Regel());
    }
    stdfs::create_directories(site / "tool" / "script");
    gdk::ZoekpaginaMaken = true;
    std::system("sync");
    const auto begin = std::chrono::steady_clock::now();
    gdk::ZoekIndex zoeken;
    zoeken.Begin(false);
    for (const auto& [i, regel] : regels)
        zoeken.VoegToe(i, regel,
                       "paginas/" + gdk::Personen[i].AfbeeldingBestand.substr(0, 1) + "/" +
                           gdk::Personen[i].AfbeeldingBestand + ".htm");
    zoeken.Schrijf(site.string()); // a file it cannot make throws
    const double s = Seconden(begin);
    stdfs::remove_all(site);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::string types = argc > 1 ? argv[1] : "2";
    Belasting("bij de start");
    gdk::bench::TijdelijkeBenchMap tijdelijk;
    gdk::bench::GenereerOpties opties;
    opties.personen = 200000;
    opties.gezinnen = 100000;
    opties.afbeeldingen = true;
    const gdk::bench::Collectie c = gdk::bench::GenereerCollectie(tijdelijk.pad(), opties);
    std::printf("gegenereerd: %d regels, %d personen, %d gezinnen\n", c.regels, c.personen, c.gezinnen);

    ExportInstellingen(c, tijdelijk.pad() / "programma");
    if (!gdk::InlezenCommando(c.gdk.string())) {
        std::printf("lezen mislukt\n");
        return 1;
    }
    std::printf("gelezen: %d personen\n", gdk::AantalPersonen);

    bool gemeten = false;
    for (char t : types) {
        if (t < '1' || t > '3') continue;
        const int type = t - '0';
        const stdfs::path zonder = tijdelijk.pad() / "zonder", met = tijdelijk.pad() / "met";
        // Without, with, and without again: the mean of the two runs without is the base, so a
        // warmer disk cache for the second run does not count for or against the index.
        const double a = Exporteer(type, zonder, false);
        stdfs::remove_all(zonder);
        const double b = Exporteer(type, met, true);
        const double a2 = Exporteer(type, zonder, false);
        stdfs::remove_all(zonder);
        const double basis = (a + a2) / 2;
        std::printf(
            "type %d: export zonder zoekpagina %.2f s en %.2f s, met %.2f s: de index voegt %.1f%% toe\n",
            type, a, a2, b, 100.0 * (b - basis) / basis);
        const double los = IndexAlleen(tijdelijk.pad() / "los");
        std::printf(
            "type %d: de index alleen (verzamelen, sorteren, schrijven) %.2f s = %.1f%% van de export "
            "zonder\n",
            type, los, 100.0 * los / basis);

        const stdfs::path site = met / gdk::CollectieNaam / "gedenkjes" / ("type " + std::to_string(type));
        std::uintmax_t totaal = 0, grootste = 0;
        int delen = 0;
        std::string grootsteNaam;
        for (const auto& e : stdfs::directory_iterator(site / "tool" / "zoeken")) {
            if (e.path().extension() != ".js") continue;
            ++delen;
            totaal += e.file_size();
            if (e.file_size() > grootste) {
                grootste = e.file_size();
                grootsteNaam = e.path().filename().string();
            }
        }
        const auto script = stdfs::file_size(site / "tool" / "script" / "zoeken.js");
        std::printf("type %d: index %d bestanden, samen %.1f MB; grootste %s %.1f KB; zoeken.js %.1f KB\n",
                    type, delen, totaal / 1048576.0, grootsteNaam.c_str(), grootste / 1024.0,
                    script / 1024.0);
        if (!gemeten) {
            gemeten = true;
            const std::string opdracht =
                std::string("python3 '") + GDK_BENCH_DIR + "/zoekmeting.py' --site '" + site.string() +
                "' --namen Jansen,Peeters,Vandeputte,Dijkstra,Bruijn,Wijk,Maria,Leuven,1931";
            if (std::system(opdracht.c_str()) != 0) std::printf("zoekmeting mislukt\n");
        }
        stdfs::remove_all(met);
    }
    Belasting("aan het eind");
    return 0;
}
