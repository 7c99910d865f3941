// Times a conversion against a reference conversion of the same input in
// alternating batches within one benchmark run. A busy machine stretches some
// batches by whole time slices, so the figures use each side's fastest batch:
//   ns_per_call      the conversion's time per call
//   <reference>_ns   the reference's time per call
//   ratio            the conversion's time over the reference's
//   heap_per_call    blocks taken from the shell's heap per conversion
// The time column is the conversion's time for one batch.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "../tests/support/counting_heap.h"

// convert() and reference() each make one call on the benchmark's input.
template <typename Convert, typename Reference>
void TimeVersusReference(benchmark::State& state, const std::string& reference_name, Convert convert,
                         Reference reference) {
  using Clock = std::chrono::steady_clock;
  constexpr int kBatch = 256;
  const CountingHeap heap;
  double ours = 1e9;
  double theirs = 1e9;
  long calls = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    for (int i = 0; i < kBatch; ++i) convert();
    const auto middle = Clock::now();
    for (int i = 0; i < kBatch; ++i) reference();
    const auto end = Clock::now();
    const double our_seconds = std::chrono::duration<double>(middle - start).count();
    ours = std::min(ours, our_seconds);
    theirs = std::min(theirs, std::chrono::duration<double>(end - middle).count());
    calls += kBatch;
    state.SetIterationTime(our_seconds);
  }
  state.counters["heap_per_call"] = static_cast<double>(CountingHeap::Taken()) / static_cast<double>(calls);
  state.counters["ns_per_call"] = ours / kBatch * 1e9;
  state.counters[reference_name + "_ns"] = theirs / kBatch * 1e9;
  state.counters["ratio"] = ours / theirs;
}
