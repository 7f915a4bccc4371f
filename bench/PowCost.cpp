#include "PowCost.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>

namespace {

std::atomic<bool> counting{false};
std::atomic<long long> calls{0};

} // namespace

// The linker sends every call of pow here (-Wl,--wrap=pow).
extern "C" double __real_pow(double x, double y);
extern "C" double __wrap_pow(double x, double y)
{
    if (counting.load(std::memory_order_relaxed))
        calls.fetch_add(1, std::memory_order_relaxed);
    return __real_pow(x, y);
}

namespace pelmora::bench {

double powNanoseconds()
{
    static const double ns = [] {
        using Clock = std::chrono::steady_clock;
        double best = 1e9;
        for (int sweep = 0; sweep < 5; ++sweep) {
            double sum = 0;
            long long n = 0;
            const auto start = Clock::now();
            for (int k = -990; k <= 1600; ++k) {
                const double base = 1 + k * 0.1 / 100;
                for (int p = 1; p <= 99; ++p, ++n)
                    sum += __real_pow(base, double(p));
            }
            const double elapsed = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
            benchmark::DoNotOptimize(sum);
            best = std::min(best, elapsed / double(n));
        }
        return best;
    }();
    return ns;
}

long long countPowCalls(const std::function<void()> &work)
{
    calls = 0;
    counting = true;
    work();
    counting = false;
    return calls;
}

void reportToPow(benchmark::State &state, double seconds, double bound, long long counted)
{
    const double perIteration = seconds / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["pow_ns"] = powNanoseconds();
    state.counters["pow_calls"] = double(counted);
    state.counters["bound"] = bound;
    state.counters["to_pow"] = perIteration * 1e9 / (bound * powNanoseconds());
}

} // namespace pelmora::bench
