#include "platform/delen.h"

#include <algorithm>
#include <exception>
#include <malloc.h>
#include <system_error>
#include <thread>
#include <vector>

namespace gdk {

void EenHeap() {
    static const bool eenHeap = mallopt(M_ARENA_MAX, 1) == 1;
    (void)eenHeap;
}

std::size_t AantalDelen(std::size_t n, std::size_t minimum) {
    const std::size_t kernen = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
    return std::clamp<std::size_t>(n / std::max<std::size_t>(minimum, 1), 1, kernen);
}

void InDelen(std::size_t n, std::size_t minimum,
             const std::function<void(std::size_t deel, std::size_t begin, std::size_t eind)>& werk) {
    const std::size_t delen = AantalDelen(n, minimum);
    EenHeap();
    std::vector<std::exception_ptr> fouten(delen);
    const auto deel = [&](std::size_t d) {
        try {
            werk(d, n * d / delen, n * (d + 1) / delen);
        } catch (...) {
            fouten[d] = std::current_exception();
        }
    };
    std::vector<std::thread> draden;
    try {
        for (std::size_t d = 1; d < delen; ++d)
            draden.emplace_back(deel, d);
    } catch (const std::system_error&) {
        // No thread to be had: the parts not started run here.
        for (std::size_t d = draden.size() + 1; d < delen; ++d)
            deel(d);
    }
    deel(0);
    for (std::thread& t : draden)
        t.join();
    for (const std::exception_ptr& f : fouten)
        if (f) std::rethrow_exception(f);
}

} // namespace gdk
