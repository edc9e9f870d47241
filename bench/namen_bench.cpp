// The text utilities at the load of the largest collection: per card the reader and the
// exports derive file-name codes, capitalise names, take initials and normalise dates.
// 200000 cards; reports processor time per operation and peak memory.
#include "bench_util.h"
#include "data/datums.h"
#include "data/namen.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

using namespace gdk::bench;

constexpr int kAantal = 200000;

double CpuMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

template <class F> std::size_t Meet(const char* naam, F&& f) {
    const double van = CpuMs();
    std::size_t som = 0;
    for (int i = 0; i < kAantal; ++i)
        som += f(i).size();
    std::printf("%-24s %d keer: %.1f ms (cpu)\n", naam, kAantal, CpuMs() - van);
    return som;
}

} // namespace

int main() {
    std::vector<std::string> namen, datums;
    namen.reserve(kAantal);
    datums.reserve(kAantal);
    for (int i = 0; i < kAantal; ++i) {
        namen.push_back("Zo\xEB-Marie van 't M\xFCller-" + std::to_string(i));
        datums.push_back(std::to_string(1 + i % 28) + "." + std::to_string(1 + i % 12) + "." +
                         std::to_string(1850 + i % 150));
    }
    std::size_t som = 0;
    som += Meet("BestandsnaamSchoon", [&](int i) { return gdk::BestandsnaamSchoon(namen[i]); });
    som += Meet("HoofdletterWoorden", [&](int i) { return gdk::HoofdletterWoorden(namen[i], false); });
    som += Meet("Initialen", [&](int i) { return gdk::Initialen(namen[i]); });
    som += Meet("DatumNormaliseren", [&](int i) { return gdk::DatumNormaliseren(datums[i], 1); });
    som += Meet("DatumNaarNederlands", [&](int i) { return gdk::DatumNaarNederlands("12 March 1920"); });
    std::printf("piekgeheugen: %ld kB (controlesom %zu)\n", PiekGeheugenKB(), som);
    return 0;
}
