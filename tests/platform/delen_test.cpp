// Work in parts at once: every item once, a part's exception reaches the caller.
#include "platform/delen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <vector>

namespace gdk {
namespace {

TEST(Delen, EveryItemOnceInPartsThatFollowOneAnother) {
    for (const std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{999}, std::size_t{100000}}) {
        std::vector<int> keer(n);
        std::vector<std::pair<std::size_t, std::size_t>> delen(AantalDelen(n, 1000));
        InDelen(n, 1000, [&](std::size_t d, std::size_t begin, std::size_t eind) {
            delen[d] = {begin, eind};
            for (std::size_t i = begin; i < eind; ++i)
                ++keer[i];
        });
        EXPECT_EQ(std::count(keer.begin(), keer.end(), 1), static_cast<long>(n));
        EXPECT_EQ(delen.front().first, 0u);
        EXPECT_EQ(delen.back().second, n);
        for (std::size_t d = 1; d < delen.size(); ++d)
            EXPECT_EQ(delen[d].first, delen[d - 1].second);
        EXPECT_LE(delen.size(), 4u);
        if (n < 2000) {
            EXPECT_EQ(delen.size(), 1u) << "a small job is not split";
        }
    }
}

TEST(Delen, AnExceptionOfAPartReachesTheCallerAfterAllEnded) {
    std::atomic<int> klaar{0};
    const std::size_t delen = AantalDelen(100000, 1000);
    EXPECT_THROW(InDelen(100000, 1000,
                         [&](std::size_t d, std::size_t, std::size_t) {
                             if (d + 1 == delen) throw std::runtime_error("mis");
                             ++klaar;
                         }),
                 std::runtime_error);
    EXPECT_EQ(klaar.load(), static_cast<int>(delen) - 1);
}

} // namespace
} // namespace gdk
