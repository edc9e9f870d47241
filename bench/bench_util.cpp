// Shared by the benchmarks: peak memory of the process.
#include <sys/resource.h>

long PiekGeheugenKB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}
