#pragma once
// Shared by the benchmarks: time, CPU time and memory of the running process.
#include <chrono>
#include <filesystem>
#include <string>

namespace gdk::bench {

// The peak resident size of the whole run so far, in KB.
long PiekGeheugenKB();
// The peak resident size since the last PiekOpnieuw (VmHWM), so each run is measured on its own.
void PiekOpnieuw();
long PiekSindsOpnieuwKB();
// CPU time of the process: on a busy machine wall time also counts the waiting for a core.
double CpuSeconden();
// User and system time, of this process or (kinderen) of its waited-for children, such as a `cp`.
struct Rusage {
    double user = 0, sys = 0;
};
Rusage Gebruik(bool kinderen = false);
double Seconden(std::chrono::steady_clock::time_point begin);

// `s` in single quotes for a shell.
std::string Quote(const std::string& s);

// A new, empty ext4 file system in an image file, mounted for the exports of one type. On the
// shared disk the file system's state swings both sides of a ratio: creating files within
// minutes of a large removal (another run's, or this benchmark's previous type) costs up to ten
// times more, as ext4 passes over recently freed inodes, and whichever of two runs comes right
// after pays for it. On its own file system neither is burdened and nothing is removed file by
// file. Needs root (mount); otherwise, or with $GDK_BENCH_EIGEN_FS=0, the temporary folder
// itself is used.
class EigenBestandssysteem {
  public:
    explicit EigenBestandssysteem(const std::filesystem::path& basis);
    ~EigenBestandssysteem();
    EigenBestandssysteem(const EigenBestandssysteem&) = delete;
    EigenBestandssysteem& operator=(const EigenBestandssysteem&) = delete;
    // Where the exports go.
    std::filesystem::path Uit(const std::filesystem::path& anders) const {
        return aangekoppeld_ ? map_ : anders;
    }
    const char* Soort() const {
        return aangekoppeld_ ? "een nieuw ext4-bestandssysteem" : "de tijdelijke map";
    }

  private:
    std::filesystem::path beeld_, map_;
    bool aangekoppeld_ = false;
};

} // namespace gdk::bench
