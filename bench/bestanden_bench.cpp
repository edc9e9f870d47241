// The resolver under the load of the largest collection: a folder of 200000 card images and
// 200000 existence tests inside one operation, half of them in another letter case than on
// disk. Also reads a 200000-line text file. Reports wall time and peak memory.
#include "bench_util.h"
#include "platform/bestanden.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fcntl.h>
#include <random>
#include <string>
#include <unistd.h>

namespace {

using namespace gdk::bench;

constexpr int kAantal = 200000;

std::string Naam(int i) {
    return "Kaart_" + std::to_string(i) + "_Voorkant.jpg";
}

double Ms(std::chrono::steady_clock::time_point van) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - van).count();
}

// Processor time of this process: wall time on a busy machine says little.
double CpuMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

int main() {
    namespace fs = std::filesystem;
    std::random_device rd;
    const fs::path basis = fs::temp_directory_path() / ("gdk-bench-" + std::to_string(rd()));
    const fs::path map = basis / "Afbeeldingen";
    fs::create_directories(map);

    auto t = std::chrono::steady_clock::now();
    for (int i = 0; i < kAantal; ++i) {
        const int fd = ::open((map / Naam(i)).c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0) ::close(fd);
    }
    std::printf("aanmaken van %d bestanden: %.0f ms (niet meegeteld)\n", kAantal, Ms(t));
    const long geheugenVoor = PiekGeheugenKB();

    const std::string map1252 = basis.string() + "\\afbeeldingen";
    int gevonden = 0;
    t = std::chrono::steady_clock::now();
    double cpu = CpuMs();
    {
        gdk::fs::CacheScope scope;
        const auto t1 = std::chrono::steady_clock::now();
        gevonden += gdk::fs::BestandBestaat(map1252 + "\\" + Naam(0));
        std::printf("eerste test (leest de map): %.0f ms\n", Ms(t1));
        for (int i = 1; i < kAantal; ++i) {
            std::string naam = Naam(i);
            if (i % 2) naam = gdk::AsciiKleineLetters(naam);
            gevonden += gdk::fs::BestandBestaat(map1252 + "\\" + naam);
        }
    }
    std::printf(
        "%d bestaanstesten in CacheScope (helft andere hoofdletters): %.0f ms (cpu %.0f ms), %d gevonden\n",
        kAantal, Ms(t), CpuMs() - cpu, gevonden);
    std::printf("piekgeheugen: %ld kB (%ld kB erbij)\n", PiekGeheugenKB(), PiekGeheugenKB() - geheugenVoor);

    // Cards whose image is missing: each such test also asks the disk once, so a file put there
    // by hand during the operation is still found by its exact name.
    int ontbrekend = 0;
    t = std::chrono::steady_clock::now();
    cpu = CpuMs();
    {
        gdk::fs::CacheScope scope;
        for (int i = 0; i < kAantal; ++i)
            ontbrekend += !gdk::fs::BestandBestaat(map1252 + "\\Ontbreekt_" + std::to_string(i) + ".jpg");
    }
    std::printf(
        "%d bestaanstesten naar ontbrekende bestanden in CacheScope: %.0f ms (cpu %.0f ms), %d ontbrekend\n",
        kAantal, Ms(t), CpuMs() - cpu, ontbrekend);

    t = std::chrono::steady_clock::now();
    int zonder = 0;
    for (int i = 0; i < 2000; ++i)
        zonder += gdk::fs::BestandBestaat(map1252 + "\\" + Naam(i));
    std::printf("2000 bestaanstesten zonder cache, exacte namen: %.1f ms, %d gevonden\n", Ms(t), zonder);

    // A collection-sized text file: 200000 lines of about 120 bytes.
    const std::string tekst = (basis / "kaarten.gdk").string();
    {
        gdk::TekstSchrijver s;
        if (!s.Open(tekst)) return 1;
        std::string regel;
        for (int i = 0; i < kAantal; ++i) {
            regel = "Jansen;Johannes Petrus;van der;m;12-3-1920;Amsterdam;4-5-1990;Haarlem;" +
                    std::to_string(i) + ";kaart" + std::to_string(i) + ".jpg;;;;;;;;;;";
            s.Regel(regel);
        }
        s.Sluit();
    }
    t = std::chrono::steady_clock::now();
    cpu = CpuMs();
    long regels = 0;
    {
        gdk::TekstLezer lezer;
        if (!lezer.Open(tekst)) return 1;
        std::string regel;
        while (lezer.LeesRegel(regel))
            ++regels;
    }
    std::printf("lezen van %ld regels (%ju bytes): %.1f ms (cpu %.1f ms)\n", regels, gdk::fs::Grootte(tekst),
                Ms(t), CpuMs() - cpu);

    std::error_code ec;
    fs::remove_all(basis, ec);
    return gevonden == kAantal && ontbrekend == kAantal && regels == kAantal ? 0 : 1;
}
