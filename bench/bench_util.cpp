#include "bench_util.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

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

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

EigenBestandssysteem::EigenBestandssysteem(const std::filesystem::path& basis)
    : beeld_(basis / "fs.img"), map_(basis / "fs") {
    const char* e = std::getenv("GDK_BENCH_EIGEN_FS");
    if (geteuid() != 0 || (e && std::string(e) == "0")) return;
    std::filesystem::create_directories(map_);
    // Inode tables written by mkfs, not by the kernel in the background during the runs.
    const std::string maak = "truncate -s 32G " + Quote(beeld_.string()) +
                             " && mkfs.ext4 -q -F -E lazy_itable_init=0,lazy_journal_init=0 " +
                             Quote(beeld_.string()) + " && mount -o loop " + Quote(beeld_.string()) + " " +
                             Quote(map_.string());
    aangekoppeld_ = std::system(maak.c_str()) == 0;
    if (!aangekoppeld_) std::printf("eigen bestandssysteem mislukt: de tijdelijke map wordt gebruikt\n");
}

EigenBestandssysteem::~EigenBestandssysteem() {
    if (aangekoppeld_) std::system(("umount " + Quote(map_.string())).c_str());
    std::error_code ec;
    std::filesystem::remove(beeld_, ec);
}

} // namespace gdk::bench
