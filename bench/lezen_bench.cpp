// Reading the largest collection the store takes: 200000 persons, 100000 of them partners in
// 100000 families, once with every check off and once with all five on (images present, so
// the image checks test 100000 card images and their photos through the listing cache); then the
// same collection saved as UTF-8 with accented names, which is looked at whole and converted.
// Targets: checks off < 1 s, checks on < 2 s, UTF-8 with checks off < 1 s, peak memory < 250 MB.
#include "bench_util.h"
#include "genereer.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "import/controles.h"
#include "import/inlezen.h"
#include "import/woordlijsten.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace gdk::bench;

void Checks(bool aan) {
    gdk::ControleOpGeslacht = gdk::ControleOpDatum = gdk::ControleOpBestandsnaam = aan;
    gdk::ControleOpBestandsnaamAfbeelding = gdk::ControleOpBestandsnaamFoto = aan;
}

void Meet(const char* naam, const std::string& pad, int keren) {
    std::vector<double> tijden, cpu;
    long piek = 0;
    for (int i = 0; i < keren; ++i) {
        PiekOpnieuw();
        const double cpuBegin = CpuSeconden();
        const auto begin = std::chrono::steady_clock::now();
        const bool gelukt = gdk::InlezenCommando(pad);
        const auto eind = std::chrono::steady_clock::now();
        tijden.push_back(std::chrono::duration<double>(eind - begin).count());
        cpu.push_back(CpuSeconden() - cpuBegin);
        piek = std::max(piek, PiekSindsOpnieuwKB());
        if (!gelukt) std::printf("  %s: lezen mislukt\n", naam);
    }
    std::sort(tijden.begin(), tijden.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-23s personen %6d  gezinnen %6d  verschillen %5d  wand snelste %.3f s  mediaan %.3f s"
                "  cpu mediaan %.3f s  piek %ld MB\n",
                naam, gdk::AantalPersonen, gdk::AantalGezinnen, gdk::AantalVerschillen, tijden.front(),
                tijden[tijden.size() / 2], cpu[cpu.size() / 2], piek / 1024);
}

} // namespace

int main() {
    // $GDK_BENCH_MAP keeps the generated collection between runs (for profiling the read alone).
    gdk::bench::TijdelijkeBenchMap tijdelijk;
    const char* vast = std::getenv("GDK_BENCH_MAP");
    const std::filesystem::path map = vast ? std::filesystem::path(vast) : tijdelijk.pad();
    gdk::bench::GenereerOpties opties;
    opties.personen = 200000;
    opties.gezinnen = 100000;
    opties.afbeeldingen = !(vast && std::filesystem::exists(map / "scans"));
    const auto begin = std::chrono::steady_clock::now();
    const gdk::bench::Collectie c = gdk::bench::GenereerCollectie(map, opties);
    std::printf("gegenereerd: %d regels, %d personen, %d gezinnen in %.1f s\n", c.regels, c.personen,
                c.gezinnen, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());

    gdk::StandaardUitvoerTekst();
    gdk::AfbeeldingBestanden = c.scans.string();
    gdk::NiveauAfbeeldingBestanden = 0;
    gdk::adDatumAanpassen = 1;
    gdk::CodeGedenkjeVoorkant = "_v";
    gdk::CodeFotoosVoorkant = "_f";
    gdk::AlleenBestandsnaamAfbeeldingInlezen = true;
    gdk::BestandsnaamToevoegen = true;

    Checks(false);
    Meet("controles uit", c.gdk.string(), 5);
    Checks(true);
    Meet("alle vijf controles aan", c.gdk.string(), 5);

    const std::filesystem::path utf8 = map / "generatie_utf8.gdk";
    {
        std::ifstream in(c.gdk, std::ios::binary);
        const std::string inhoud(std::istreambuf_iterator<char>(in), {});
        std::ofstream(utf8, std::ios::binary) << gdk::NaarUtf8(
            gdk::VervangAlles(gdk::VervangAlles(inhoud, "Rosalie", "Rosali\xEB"), "Remi", "R\xE9mi"));
    }
    Checks(false);
    Meet("UTF-8, controles uit", utf8.string(), 5);
    std::printf("piek van het hele proces: %ld MB\n", PiekGeheugenKB() / 1024);
    return 0;
}
