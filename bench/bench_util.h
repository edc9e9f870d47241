#pragma once
// Shared by the benchmarks: time, CPU time and memory of the running process.
#include <chrono>

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

} // namespace gdk::bench
