// Exporting generated collections as each of the three site types, beside `cp -r` of the
// finished site tree in the same run, on the same disk: an export can do no better than writing
// its files. As in real collections some cards share an image name and some appear twice.
// For each size (30000 and 200000 persons; $GDK_BENCH_PERSONEN names others, comma-separated)
// and type: wall and CPU time, peak memory, files in the site, the copy and the ratio.
// Target: a ratio of at most 1.2.
#include "bench_util.h"
#include "genereer.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "export/tgdkexporttype1.h"
#include "export/tgdkexporttype2.h"
#include "export/tgdkexporttype3.h"
#include "import/inlezen.h"
#include "import/woordlijsten.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace gdk::bench;

namespace stdfs = std::filesystem;

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

double Belasting() {
    double b = -1;
    std::ifstream("/proc/loadavg") >> b;
    return b;
}

struct Ronde {
    bool gelukt = false;
    double export_s = 0, cpu_s = 0, cp_s = 0;
    long piek = 0;
    std::size_t bestanden = 0;
};

// One export of `type` into `uit`, then `cp -r` of its site beside it.
Ronde EenRonde(int type, const stdfs::path& uit) {
    Ronde r;
    gdk::UitvoerBestanden = uit.string();
    const stdfs::path site = uit / gdk::CollectieNaam / "gedenkjes" / ("type " + std::to_string(type));
    std::system("sync");
    PiekOpnieuw();
    const double cpu = CpuSeconden();
    const auto begin = std::chrono::steady_clock::now();
    r.gelukt = type == 1 ? gdk::UitvoerenType1() : type == 2 ? gdk::UitvoerenType2() : gdk::UitvoerenType3();
    r.export_s = Seconden(begin);
    r.cpu_s = CpuSeconden() - cpu;
    r.piek = PiekSindsOpnieuwKB();
    for (const auto& e : stdfs::recursive_directory_iterator(site))
        if (e.is_regular_file()) ++r.bestanden;
    std::system("sync");
    const auto cpBegin = std::chrono::steady_clock::now();
    const stdfs::path kopie = uit / ("kopie " + std::to_string(type));
    r.gelukt =
        r.gelukt && std::system(("cp -r " + Quote(site.string()) + " " + Quote(kopie.string())).c_str()) == 0;
    r.cp_s = Seconden(cpBegin);
    return r;
}

// Two rounds, export and copy each, and the faster of each: on a shared machine the file system's
// own work swings with what others do, and the minimum is the figure least disturbed by that.
// Nothing is removed until the run ends: on ext4 the files made just after a removal cost far more
// (recently freed inodes are passed over), which would burden whichever came next.
void Meet(int type, const stdfs::path& uit) {
    const Ronde a = EenRonde(type, uit / "ronde 1");
    const Ronde b = EenRonde(type, uit / "ronde 2");
    const double export_s = std::min(a.export_s, b.export_s), cp_s = std::min(a.cp_s, b.cp_s);
    std::printf("  type %d: %s, %zu bestanden; uitvoer %.2f / %.2f s (cpu %.2f / %.2f s), piek %ld MB; "
                "cp -r %.2f / %.2f s; verhouding van de snelste %.2f; belasting %.2f\n",
                type, a.gelukt && b.gelukt ? "geschreven" : "MISLUKT", a.bestanden, a.export_s, b.export_s,
                a.cpu_s, b.cpu_s, std::max(a.piek, b.piek) / 1024, a.cp_s, b.cp_s, export_s / cp_s,
                Belasting());
}

void MeetGrootte(const stdfs::path& basis, int personen) {
    gdk::bench::GenereerOpties opties;
    opties.personen = personen;
    opties.gezinnen = personen / 4;
    opties.afbeeldingen = true;
    opties.gedeeldeAfbeeldingen = true;
    opties.dubbeleKaarten = true;
    const auto begin = std::chrono::steady_clock::now();
    const gdk::bench::Collectie c = gdk::bench::GenereerCollectie(basis / "bron", opties);
    std::printf("%d personen: %d regels, %d gezinnen gegenereerd in %.1f s\n", c.personen, c.regels,
                c.gezinnen, Seconden(begin));

    ExportInstellingen(c, basis / "programma");
    gdk::StandaardTussenvoegsels();
    gdk::adDatumAanpassen = 1;
    gdk::CodeGedenkjeVoorkant = "_v";
    gdk::CodeFotoosVoorkant = "_f";
    gdk::ControleOpDubbeleGedenkjes = true;
    gdk::t2InhoudCellPadd = gdk::t2InhoudCellSpac = gdk::t3InhoudCellPadd = gdk::t3InhoudCellSpac = "1";
    gdk::t2AfbeeldingHeight = gdk::t2AfbeeldingWidth = gdk::t3AfbeeldingHeight = gdk::t3AfbeeldingWidth =
        "69%";
    gdk::miWidth = "40";
    gdk::miHeight = "30";
    gdk::inCols = "250";
    const stdfs::path uit = basis / "uit";
    if (!gdk::InlezenCommando(c.gdk.string())) {
        std::printf("lezen mislukt\n");
        return;
    }
    for (int type = 1; type <= 3; ++type)
        Meet(type, uit);
}

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::vector<int> groottes = {30000, 200000};
    if (const char* e = std::getenv("GDK_BENCH_PERSONEN")) {
        groottes.clear();
        std::stringstream ss(e);
        for (std::string deel; std::getline(ss, deel, ',');)
            groottes.push_back(std::atoi(deel.c_str()));
    }
    gdk::bench::TijdelijkeBenchMap tijdelijk;
    for (const int personen : groottes)
        MeetGrootte(tijdelijk.pad() / std::to_string(personen), personen);
    std::fflush(stdout); // before the slow removal of the temporary tree
    return 0;
}
