#include "progresssink.h"
#include "pumpmessages.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <thread>

namespace {

struct PercentCase {
    const char* name;
    std::uint64_t done;
    std::int64_t total;
    int percent;
};

TEST(ProgressPercent, RunWidePercentage)
{
    static constexpr PercentCase kCases[] = {
        {"nothing done", 0, 1000, 0},
        {"a quarter", 250, 1000, 25},
        {"truncated, not rounded", 999, 1000, 99},
        {"all", 1000, 1000, 100},
        {"files grew past the total", 1500, 1000, 150},
        {"64-bit sizes", 3'000'000'000'000ull, 6'000'000'000'000ll, 50},
        {"total 0 with bytes read shows full", 4096, 0, 100},
        {"total 0 before any byte", 0, 0, 0},
        {"negative total", 10, -5, 100},
        {"beyond int saturates", UINT64_MAX, 1, INT_MAX},
    };
    for (const PercentCase& row : kCases) {
        EXPECT_EQ(ProgressPercent(row.done, row.total), row.percent) << row.name;
    }
}

void CountCall(void* context)
{
    ++*static_cast<int*>(context);
}

TEST(PumpMessages, CallsTheInstalledHookOfTheCallingThreadOnly)
{
    PumpMessages();  // no hook: nothing happens
    int outer = 0;
    int inner = 0;
    {
        const ScopedPumpHook outerHook(&CountCall, &outer);
        PumpMessages();
        {
            const ScopedPumpHook innerHook(&CountCall, &inner);
            PumpMessages();
            std::thread other([] { PumpMessages(); });
            other.join();
        }
        PumpMessages();  // the outer hook is back
    }
    PumpMessages();
    EXPECT_EQ(outer, 2);
    EXPECT_EQ(inner, 1);
}

}  // namespace
