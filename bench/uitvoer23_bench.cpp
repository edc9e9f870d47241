// Exporting the largest collection as type 2 and type 3 sites: 200000 persons, 100000 cards with
// a small scan each. Each export is timed beside `cp -r` of the finished site tree in the same
// run, on the same disk. Target: an export takes at most twice the copy of its tree.
#include "genereer.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "export/tgdkexporttype2.h"
#include "export/tgdkexporttype3.h"
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

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

void Meet(int type, const std::filesystem::path& uit) {
    const std::filesystem::path site =
        uit / gdk::CollectieNaam / "gedenkjes" / ("type " + std::to_string(type));
    PiekOpnieuw();
    const auto begin = std::chrono::steady_clock::now();
    const bool gelukt = type == 2 ? gdk::UitvoerenType2() : gdk::UitvoerenType3();
    const double export_s = Seconden(begin);
    const long piek = PiekSindsOpnieuwKB();
    std::size_t bestanden = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(site))
        if (e.is_regular_file()) ++bestanden;
    std::system("sync");
    const std::filesystem::path kopie = uit / ("kopie " + std::to_string(type));
    const auto cpBegin = std::chrono::steady_clock::now();
    const int rc = std::system(("cp -r " + Quote(site.string()) + " " + Quote(kopie.string())).c_str());
    const double cp_s = Seconden(cpBegin);
    std::printf("type %d: %s, %zu bestanden, export %.2f s, cp -r %.2f s (verhouding %.2f), piek %ld MB%s\n",
                type, gelukt ? "geschreven" : "MISLUKT", bestanden, export_s, cp_s, export_s / cp_s,
                piek / 1024, rc == 0 ? "" : " (cp mislukt)");
    std::filesystem::remove_all(kopie);
}

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    gdk::bench::TijdelijkeBenchMap tijdelijk;
    gdk::bench::GenereerOpties opties;
    opties.personen = 200000;
    opties.gezinnen = 100000;
    opties.afbeeldingen = true;
    const auto begin = std::chrono::steady_clock::now();
    const gdk::bench::Collectie c = gdk::bench::GenereerCollectie(tijdelijk.pad(), opties);
    std::printf("gegenereerd: %d regels, %d personen, %d gezinnen in %.1f s\n", c.regels, c.personen,
                c.gezinnen, Seconden(begin));

    gdk::StandaardUitvoerTekst();
    gdk::InstellingenVoorinstellen();
    gdk::ControleOpGeslacht = gdk::ControleOpDatum = gdk::ControleOpBestandsnaam = false;
    gdk::ControleOpBestandsnaamAfbeelding = gdk::ControleOpBestandsnaamFoto = false;
    gdk::AfbeeldingBestanden = c.scans.string();
    gdk::NiveauAfbeeldingBestanden = 0;
    gdk::ControleOpDubbeleGedenkjes = true;
    gdk::DatumWeergeven = gdk::AantalWeergeven = true;
    gdk::t2InhoudCellPadd = gdk::t2InhoudCellSpac = gdk::t3InhoudCellPadd = gdk::t3InhoudCellSpac = "1";
    gdk::t2AfbeeldingHeight = gdk::t2AfbeeldingWidth = gdk::t3AfbeeldingHeight = gdk::t3AfbeeldingWidth =
        "69%";
    gdk::miWidth = "40";
    gdk::miHeight = "30";
    gdk::inCols = "250";
    gdk::ProgrammaMap = (tijdelijk.pad() / "programma").string();
    const std::filesystem::path uit = tijdelijk.pad() / "uit";
    gdk::UitvoerBestanden = uit.string();

    const auto lees = std::chrono::steady_clock::now();
    if (!gdk::InlezenCommando(c.gdk.string())) {
        std::printf("lezen mislukt\n");
        return 1;
    }
    std::printf("gelezen: %d personen in %.2f s, piek tot nu %ld MB\n", gdk::AantalPersonen, Seconden(lees),
                PiekGeheugenKB() / 1024);
    Meet(2, uit);
    Meet(3, uit);
    return 0;
}
