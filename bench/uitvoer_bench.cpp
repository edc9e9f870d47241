// Exporting generated collections as each of the four site types, beside `cp -r` of the
// finished site tree in the same run, on the same disk: an export can do no better than writing
// its files. As in real collections some cards share an image name and some appear twice.
// For each size (30000 and 200000 persons; $GDK_BENCH_PERSONEN names others, comma-separated)
// and type ($GDK_BENCH_TYPEN picks some): wall, user and system time, peak memory, files in the
// site, the copy and the ratio of the fastest rounds, the site's size and its fullest folder.
// Target: a ratio of at most 1.2 (types 1 to 3) and 1.3 (type 4, whose pages are larger).
// Profiling: $GDK_BENCH_PERF (below).
#include "bench_util.h"
#include "genereer.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "export/sessie.h"
#include "export/uitvoeren.h"
#include "import/inlezen.h"
#include "import/woordlijsten.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace gdk::bench;

namespace stdfs = std::filesystem;

std::vector<int> Getallen(const std::string& lijst) {
    std::vector<int> getallen;
    std::stringstream ss(lijst);
    for (std::string deel; std::getline(ss, deel, ',');)
        getallen.push_back(std::atoi(deel.c_str()));
    return getallen;
}

double Belasting() {
    double b = -1;
    std::ifstream("/proc/loadavg") >> b;
    return b;
}

struct Ronde {
    bool gelukt = false;
    double export_s = 0, cp_s = 0;
    Rusage cpu, cpCpu;
    long piek = 0;
    std::size_t bestanden = 0;
};

Rusage Verschil(const Rusage& na, const Rusage& voor) {
    return {na.user - voor.user, na.sys - voor.sys};
}

// With $GDK_BENCH_PERF naming the control fifo of `perf record -D -1 --control fifo:...`, the
// profile covers the exports only, not the generating and reading before them.
void Perf(const char* opdracht) {
    if (const char* fifo = std::getenv("GDK_BENCH_PERF")) std::ofstream(fifo) << opdracht << std::endl;
}

// One export of `type` into `uit`, then `cp -r` of its site beside it.
Ronde EenRonde(int type, const stdfs::path& uit) {
    Ronde r;
    gdk::UitvoerBestanden = uit.string();
    const stdfs::path site = uit / gdk::CollectieNaam / "gedenkjes" / ("type " + std::to_string(type));
    std::system("sync");
    PiekOpnieuw();
    const Rusage cpu = Gebruik();
    const auto begin = std::chrono::steady_clock::now();
    Perf("enable");
    {
        gdk::UitvoerSessie sessie(type);
        r.gelukt = gdk::UitvoerenLayout(sessie);
    }
    Perf("disable");
    r.export_s = Seconden(begin);
    r.cpu = Verschil(Gebruik(), cpu);
    r.piek = PiekSindsOpnieuwKB();
    for (const auto& e : stdfs::recursive_directory_iterator(site))
        if (e.is_regular_file()) ++r.bestanden;
    std::system("sync");
    const Rusage cpCpu = Gebruik(true);
    const auto cpBegin = std::chrono::steady_clock::now();
    const stdfs::path kopie = uit / ("kopie " + std::to_string(type));
    r.gelukt =
        r.gelukt && std::system(("cp -r " + Quote(site.string()) + " " + Quote(kopie.string())).c_str()) == 0;
    r.cp_s = Seconden(cpBegin);
    r.cpCpu = Verschil(Gebruik(true), cpCpu);
    return r;
}

// The tree of a site: files, bytes, the folder with the most entries; for type 4 also the letter
// with the most pages, and whether every card page is linked from a letter page (read from the
// pages themselves).
void Overzicht(int type, const stdfs::path& site) {
    std::size_t bestanden = 0, meeste = 0;
    std::uintmax_t bytes = 0;
    stdfs::path volste;
    std::set<std::string> kaarten, gelinkt;
    std::map<char, int> letterPaginas;
    const auto tel = [&](const stdfs::path& map) {
        std::size_t n = 0;
        for (const auto& e : stdfs::directory_iterator(map)) {
            (void)e;
            ++n;
        }
        if (n > meeste) {
            meeste = n;
            volste = map;
        }
    };
    tel(site);
    for (const auto& e : stdfs::recursive_directory_iterator(site)) {
        if (e.is_directory()) {
            tel(e.path());
            continue;
        }
        ++bestanden;
        bytes += e.file_size();
        if (type != 4) continue;
        const std::string rel = stdfs::relative(e.path(), site).generic_string();
        if (rel.rfind("kaart/", 0) == 0) kaarten.insert(rel);
        if (rel.rfind("letter/", 0) == 0) {
            ++letterPaginas[rel[7]];
            std::ifstream in(e.path());
            const std::string tekst((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            const std::string voor = "<a href=\"../kaart/";
            for (std::size_t p = tekst.find(voor); p != std::string::npos; p = tekst.find(voor, p + 1)) {
                const std::size_t begin = p + voor.size() - 6, eind = tekst.find('"', begin);
                gelinkt.insert(tekst.substr(begin, eind - begin));
            }
        }
    }
    std::printf("    %zu bestanden, %.1f MB; grootste map %s: %zu ingangen\n", bestanden, bytes / 1e6,
                stdfs::relative(volste, site).generic_string().c_str(), meeste);
    if (type != 4) return;
    char letter = '?';
    int paginas = 0;
    for (const auto& [l, n] : letterPaginas)
        if (n > paginas) {
            letter = l;
            paginas = n;
        }
    std::size_t bereikt = 0;
    for (const std::string& k : kaarten)
        bereikt += gelinkt.count(k);
    std::printf(
        "    letter met de meeste pagina's: %c, %d pagina's; kaartpagina's %zu, vanaf hun letterpagina "
        "bereikt %zu%s\n",
        letter, paginas, kaarten.size(), bereikt, bereikt == kaarten.size() ? "" : " (NIET ALLE)");
}

std::string Lijst(const std::vector<Ronde>& rondes, double Ronde::*veld) {
    std::string uit;
    for (const Ronde& r : rondes)
        uit += (uit.empty() ? "" : " / ") + std::to_string(r.*veld).substr(0, 5);
    return uit;
}

// Three rounds, export and copy each, and the fastest of each: on a shared machine the file
// system's own work swings with what others do, and the minimum is the figure least disturbed by
// that. Nothing is removed until the type is done: on ext4 the files made just after a removal
// cost far more (recently freed inodes are passed over), which would burden whichever came next.
void Meet(int type, const stdfs::path& uit) {
    std::vector<Ronde> rondes;
    for (int i = 1; i <= 3; ++i)
        rondes.push_back(EenRonde(type, uit / ("ronde " + std::to_string(i))));
    double export_s = 1e9, cp_s = 1e9;
    long piek = 0;
    bool gelukt = true;
    std::string cpu, cpCpu;
    for (const Ronde& r : rondes) {
        export_s = std::min(export_s, r.export_s);
        cp_s = std::min(cp_s, r.cp_s);
        piek = std::max(piek, r.piek);
        gelukt = gelukt && r.gelukt;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%s%.2f+%.2f", cpu.empty() ? "" : " / ", r.cpu.user, r.cpu.sys);
        cpu += buf;
        std::snprintf(buf, sizeof buf, "%s%.2f+%.2f", cpCpu.empty() ? "" : " / ", r.cpCpu.user, r.cpCpu.sys);
        cpCpu += buf;
    }
    std::printf(
        "  type %d: %s, %zu bestanden; uitvoer %s s (user+sys %s s), piek %ld MB; cp -r %s s (user+sys "
        "%s s); verhouding van de snelste %.2f; belasting %.2f\n",
        type, gelukt ? "geschreven" : "MISLUKT", rondes[0].bestanden, Lijst(rondes, &Ronde::export_s).c_str(),
        cpu.c_str(), piek / 1024, Lijst(rondes, &Ronde::cp_s).c_str(), cpCpu.c_str(), export_s / cp_s,
        Belasting());
    Overzicht(type, uit / "ronde 1" / gdk::CollectieNaam / "gedenkjes" / ("type " + std::to_string(type)));
}

// The site types to measure: all four, or those $GDK_BENCH_TYPEN names (such as "1" or "2,3").
std::vector<int> Typen() {
    const char* e = std::getenv("GDK_BENCH_TYPEN");
    return e ? Getallen(e) : std::vector<int>{1, 2, 3, 4};
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
    gdk::CodeGedenkjeAchterkant = "_a";
    gdk::CodeFotoosVoorkant = "_f";
    gdk::ControleOpDubbeleGedenkjes = true;
    gdk::t2InhoudCellPadd = gdk::t2InhoudCellSpac = gdk::t3InhoudCellPadd = gdk::t3InhoudCellSpac = "1";
    gdk::t2AfbeeldingHeight = gdk::t2AfbeeldingWidth = gdk::t3AfbeeldingHeight = gdk::t3AfbeeldingWidth =
        "69%";
    gdk::miWidth = "40";
    gdk::miHeight = "30";
    gdk::inCols = "250";
    if (!gdk::InlezenCommando(c.gdk.string())) {
        std::printf("lezen mislukt\n");
        return;
    }
    const std::vector<int> typen = Typen();
    for (const int type : typen) {
        // Each type on a file system of its own, as empty as the first type's.
        const EigenBestandssysteem fs(basis);
        if (type == typen.front()) std::printf("uitvoer naar %s\n", fs.Soort());
        Meet(type, fs.Uit(basis / ("uit " + std::to_string(type))));
    }
}

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const char* e = std::getenv("GDK_BENCH_PERSONEN");
    const std::vector<int> groottes = e ? Getallen(e) : std::vector<int>{30000, 200000};
    gdk::bench::TijdelijkeBenchMap tijdelijk;
    for (const int personen : groottes)
        MeetGrootte(tijdelijk.pad() / std::to_string(personen), personen);
    std::fflush(stdout); // before the slow removal of the temporary tree
    return 0;
}
