#include "bench_util.h"

#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace gdk::bench {

long PiekGeheugenKB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

void PiekOpnieuw() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

long PiekSindsOpnieuwKB() {
    std::ifstream status("/proc/self/status");
    for (std::string regel; std::getline(status, regel);)
        if (regel.rfind("VmHWM:", 0) == 0) return std::stol(regel.substr(6));
    return -1;
}

double CpuSeconden() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

Rusage Gebruik(bool kinderen) {
    rusage r{};
    getrusage(kinderen ? RUSAGE_CHILDREN : RUSAGE_SELF, &r);
    const auto s = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {s(r.ru_utime), s(r.ru_stime)};
}

double Seconden(std::chrono::steady_clock::time_point begin) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

} // namespace gdk::bench
