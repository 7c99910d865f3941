// Text to number against std::from_chars on the same ASCII texts. Each
// benchmark times both in alternating batches within one run. A busy machine
// stretches some batches by whole time slices, so the figures use each side's
// fastest batch:
//   ns_per_call      TextToNumber's time per call
//   from_chars_ns    the reference's time per call
//   ratio            TextToNumber's time over the reference's
//   heap_per_call    blocks taken from the shell's heap per TextToNumber call
// The time column is TextToNumber's time for one batch of kBatch calls.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <string>

#include "../tests/support/counting_heap.h"
#include "text_to_number.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string LongText() {
  std::string text = "3.";
  while (text.size() < 300) text += "1415926535";
  text.resize(300);
  return text;
}

const std::string kInputs[] = {
    "40", "42.5", "176.05", "12345678901234567890", "1e400", LongText(),
};
const char* const kLabels[] = {"40", "42.5", "176.05", "20-digit mantissa", "1e400", "300-byte text"};

void TextToNumberVsFromChars(benchmark::State& state) {
  const std::string& input = kInputs[state.range(0)];
  const char* text = input.c_str();
  const char* text_end = text + input.size();
  constexpr int kBatch = 256;
  const CountingHeap heap;
  double ours = 1e9;
  double reference = 1e9;
  long calls = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    for (int i = 0; i < kBatch; ++i) benchmark::DoNotOptimize(TextToNumber(text));
    const auto middle = Clock::now();
    for (int i = 0; i < kBatch; ++i) {
      double value = 0;
      benchmark::DoNotOptimize(std::from_chars(text, text_end, value));
      benchmark::DoNotOptimize(value);
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
  state.counters["from_chars_ns"] = reference / kBatch * 1e9;
  state.counters["ratio"] = ours / reference;
  state.counters["heap_per_call"] = static_cast<double>(CountingHeap::Taken()) / static_cast<double>(calls);
}
BENCHMARK(TextToNumberVsFromChars)->DenseRange(0, 5)->UseManualTime();

}  // namespace
