// Number to text against std::to_chars(scientific, 16), the standard
// library's correctly rounded 17-digit conversion, on the same doubles. Each
// benchmark times both in alternating batches within one run and keeps each
// side's fastest batch, so that a busy machine's lost time slices drop out:
//   ns_per_call      the conversion's time per call
//   to_chars_ns      the reference's time per call
//   ratio            the conversion's time over the reference's
//   heap_per_call    blocks taken from the shell's heap per call
// NumberToTextVsToChars times the whole conversion, the new text value and its
// release included; WriteNumberTextVsToChars the conversion into a caller
// buffer alone. The time column is the conversion's time for one batch.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <limits>

#include "../tests/support/counting_heap.h"
#include "number_layout.h"
#include "number_to_text.h"
#include "text_memory.h"

namespace {

using Clock = std::chrono::steady_clock;

const double kInputs[] = {
    175.0, 176.04999999999998, 1.0 / 3.0, 1e21, 0x0.0000000000001p-1022, std::numeric_limits<double>::max(),
};
const char* const kLabels[] = {"175", "176.04999999999998", "1/3", "1e21", "5e-324", "DBL_MAX"};

constexpr int kBatch = 256;

void ConvertWithNumberToText(double x) {
  char* text = NumberToText(x);
  benchmark::DoNotOptimize(text);
  ReleaseMemory(text);
}

void ConvertIntoBuffer(double x) {
  std::array<char, kMaxNumberTextLength> buffer;
  benchmark::DoNotOptimize(WriteNumberText(x, buffer));
  benchmark::DoNotOptimize(buffer.data());
}

template <void (*Convert)(double)>
void VersusToChars(benchmark::State& state) {
  const double x = kInputs[state.range(0)];
  const CountingHeap heap;
  double ours = 1e9;
  double reference = 1e9;
  long calls = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    for (int i = 0; i < kBatch; ++i) {
      double input = x;
      benchmark::DoNotOptimize(input);
      Convert(input);
    }
    const auto middle = Clock::now();
    for (int i = 0; i < kBatch; ++i) {
      double input = x;
      benchmark::DoNotOptimize(input);
      std::array<char, 32> buffer;
      benchmark::DoNotOptimize(
          std::to_chars(buffer.data(), buffer.data() + buffer.size(), input, std::chars_format::scientific, 16));
      benchmark::DoNotOptimize(buffer.data());
    }
    const auto end = Clock::now();
    const double our_seconds = std::chrono::duration<double>(middle - start).count();
    ours = std::min(ours, our_seconds);
    reference = std::min(reference, std::chrono::duration<double>(end - middle).count());
    calls += kBatch;
    state.SetIterationTime(our_seconds);
  }
  state.SetLabel(kLabels[state.range(0)]);
  state.counters["ns_per_call"] = ours / kBatch * 1e9;
  state.counters["to_chars_ns"] = reference / kBatch * 1e9;
  state.counters["ratio"] = ours / reference;
  state.counters["heap_per_call"] = static_cast<double>(CountingHeap::Taken()) / static_cast<double>(calls);
}

void NumberToTextVsToChars(benchmark::State& state) { VersusToChars<ConvertWithNumberToText>(state); }
void WriteNumberTextVsToChars(benchmark::State& state) { VersusToChars<ConvertIntoBuffer>(state); }
BENCHMARK(NumberToTextVsToChars)->DenseRange(0, 5)->UseManualTime();
BENCHMARK(WriteNumberTextVsToChars)->DenseRange(0, 5)->UseManualTime();

}  // namespace
