#include "cli/GeordendParallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

using namespace vkt::cli;

namespace {

// Work that takes longer for some blocks than for others, so that the
// threads finish them out of order.
long long Werk(int blok)
{
    long long som = 0;
    for (int i = 0; i < (blok % 7) * 20000; ++i)
        som += i % 13;
    return som;
}

} // namespace

TEST(GeordendParallel, WritesEveryBlockInTheOrderItWasRead)
{
    for (const int taken : {1, 2, 5}) {
        SCOPED_TRACE(taken);
        TGeordendParallel parallel(taken);
        std::vector<int> plaatsen(static_cast<std::size_t>(parallel.Plaatsen()));
        std::vector<long long> uitkomst(plaatsen.size());
        int volgende = 0;
        std::vector<int> geschreven;
        std::vector<std::atomic<int>> bezet(static_cast<std::size_t>(taken));
        parallel.Verwerk(
            [&](int plaats) {
                if (volgende == 300)
                    return false;
                plaatsen[static_cast<std::size_t>(plaats)] = volgende++;
                return true;
            },
            [&](int plaats, int taak) {
                // A thread computes one block at a time.
                EXPECT_LT(taak, taken);
                EXPECT_EQ(bezet[static_cast<std::size_t>(taak)].fetch_add(1), 0);
                uitkomst[static_cast<std::size_t>(plaats)] = Werk(plaatsen[static_cast<std::size_t>(plaats)]);
                bezet[static_cast<std::size_t>(taak)].fetch_sub(1);
            },
            [&](int plaats) {
                const int blok = plaatsen[static_cast<std::size_t>(plaats)];
                EXPECT_EQ(uitkomst[static_cast<std::size_t>(plaats)], Werk(blok));
                geschreven.push_back(blok);
            });
        ASSERT_EQ(geschreven.size(), 300u);
        for (int i = 0; i < 300; ++i)
            EXPECT_EQ(geschreven[static_cast<std::size_t>(i)], i);
    }
}

TEST(GeordendParallel, AnErrorWhileComputingEndsTheWorkAndIsThrownToTheCaller)
{
    TGeordendParallel parallel(2);
    int gelezen = 0;
    EXPECT_THROW(parallel.Verwerk([&](int) { return ++gelezen < 1000000; },
                                  [&](int plaats, int) {
                                      if (plaats == 3)
                                          throw std::runtime_error("mislukt");
                                  },
                                  [](int) {}),
                 std::runtime_error);
    EXPECT_LT(gelezen, 1000) << "reading stopped soon after the error";
}

TEST(GeordendParallel, NothingToReadComputesNothing)
{
    TGeordendParallel parallel(3);
    bool gerekend = false;
    parallel.Verwerk([](int) { return false; }, [&](int, int) { gerekend = true; }, [&](int) { gerekend = true; });
    EXPECT_FALSE(gerekend);
}
