#pragma once

// The machine's own arithmetic as the yardstick of the benchmarks: what one pow
// costs in this run, and how many calls of pow the code under test makes. The
// benchmark binaries link with --wrap=pow, so every call of pow from our
// libraries passes through a counter that counts only while asked to.

#include <benchmark/benchmark.h>

#include <functional>

namespace pelmora::bench {

// Nanoseconds per call of pow over the bases and exponents an appraisal uses
// (1 + r for r from -99 % to 160 % in steps of 0.1, periods 1 to 99): the
// fastest of five timed sweeps, measured once per run.
double powNanoseconds();

// The calls of pow made by one run of `work`.
long long countPowCalls(const std::function<void()> &work);

// Counters for a benchmark whose iterations took `seconds` in all: "pow_ns",
// "pow_calls" (per iteration, as counted), "bound" (the pow calls the work
// cannot do without) and "to_pow" = time per iteration / (bound x pow_ns).
void reportToPow(benchmark::State &state, double seconds, double bound, long long counted);

} // namespace pelmora::bench
