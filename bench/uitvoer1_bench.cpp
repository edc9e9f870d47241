// The type 1 export of the largest collection: 200000 persons, 100000 cards with a card image
// (level 0 image folder). Both phases (person pages with image copies, then skeleton, scan of the
// written pages and the letter pages) are timed, with the peak memory of the export alone, and set
// beside `cp -r` of the finished site. Target: the export takes at most twice the copy.
#include "genereer.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "export/tgdkexporttype1.h"
#include "import/inlezen.h"
#include "import/woordlijsten.h"
#include "settings/instellingen.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

long PiekGeheugenKB();

namespace {

void PiekOpnieuw() {
    std::ofstream("/proc/self/clear_refs") << "5";
}
long PiekSindsOpnieuwKB() {
    std::ifstream status("/proc/self/status");
    for (std::string regel; std::getline(status, regel);)
        if (regel.rfind("VmHWM:", 0) == 0) return std::stol(regel.substr(6));
    return -1;
}

double Seconden(std::chrono::steady_clock::time_point begin) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

std::string Aanhalen(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

} // namespace

int main() {
    namespace stdfs = std::filesystem;
    gdk::bench::TijdelijkeBenchMap tijdelijk;
    const stdfs::path map = tijdelijk.pad();
    gdk::bench::GenereerOpties opties;
    // $GDK_BENCH_PERSONEN makes a smaller collection (half of them partners) for quick comparisons.
    const char* personen = std::getenv("GDK_BENCH_PERSONEN");
    opties.personen = personen ? std::atoi(personen) : 200000;
    opties.gezinnen = opties.personen / 2;
    opties.afbeeldingen = true;
    auto begin = std::chrono::steady_clock::now();
    const gdk::bench::Collectie c = gdk::bench::GenereerCollectie(map / "bron", opties);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("gegenereerd: %d regels, %d personen, %d gezinnen in %.1f s\n", c.regels, c.personen,
                c.gezinnen, Seconden(begin));

    gdk::StandaardUitvoerTekst();
    gdk::StandaardTussenvoegsels();
    gdk::AfbeeldingBestanden = c.scans.string();
    gdk::NiveauAfbeeldingBestanden = 0;
    gdk::adDatumAanpassen = 1;
    gdk::CodeGedenkjeVoorkant = "_v";
    gdk::CodeFotoosVoorkant = "_f";
    gdk::ControleOpGeslacht = gdk::ControleOpDatum = gdk::ControleOpBestandsnaam = false;
    gdk::ControleOpBestandsnaamAfbeelding = gdk::ControleOpBestandsnaamFoto = false;
    gdk::ProgrammaMap = (map / "programma").string();
    gdk::UitvoerBestanden = (map / "uit").string();
    if (!gdk::InlezenCommando(c.gdk.string())) {
        std::printf("lezen mislukt\n");
        return 1;
    }
    int metAfbeelding = 0;
    for (std::int32_t i = 1; i <= gdk::AantalPersonen; ++i)
        if (!gdk::Personen[i].AfbeeldingBestand.empty()) ++metAfbeelding;
    std::printf("gelezen: %d personen, %d met een kaartafbeelding\n", gdk::AantalPersonen, metAfbeelding);

    // The scans were just written, so both the export and the copy read from a warm page cache.
    // The two phases as UitvoerenType1 runs them, timed apart.
    PiekOpnieuw();
    begin = std::chrono::steady_clock::now();
    bool gelukt = gdk::SchrijfPersoonPaginas();
    const double fase1_s = Seconden(begin);
    const auto begin2 = std::chrono::steady_clock::now();
    gelukt = gelukt && gdk::SchrijfSiteType1();
    const double fase2_s = Seconden(begin2);
    const double export_s = Seconden(begin);
    const long piek = PiekSindsOpnieuwKB();

    std::uintmax_t bestanden = 0, bytes = 0;
    const stdfs::path site = map / "uit" / gdk::CollectieNaam / "gedenkjes" / "type 1";
    for (const auto& e : stdfs::recursive_directory_iterator(site))
        if (e.is_regular_file()) ++bestanden, bytes += e.file_size();

    begin = std::chrono::steady_clock::now();
    const std::string kopie = "cp -r " + Aanhalen(site) + " " + Aanhalen(map / "kopie");
    const int rc = std::system(kopie.c_str());
    const double cp_s = Seconden(begin);

    std::printf(
        "type 1 %s: %.2f s (fase 1 %.2f s, fase 2 %.2f s), piek %ld MB; site %ju bestanden, %.1f MB\n",
        gelukt ? "geschreven" : "MISLUKT", export_s, fase1_s, fase2_s, piek / 1024, bestanden,
        bytes / 1048576.0);
    std::printf("cp -r van de site: %.2f s%s; verhouding uitvoer / kopie: %.2f (doel <= 2)\n", cp_s,
                rc == 0 ? "" : " (cp mislukt)", export_s / cp_s);
    std::printf("piek van het hele proces: %ld MB\n", PiekGeheugenKB() / 1024);
    std::fflush(stdout); // before the slow removal of the temporary tree
    return gelukt && rc == 0 ? 0 : 1;
}
