// Number to text against std::to_chars(scientific, 16), the standard
// library's correctly rounded 17-digit conversion, on the same doubles (the
// columns are explained in versus_reference.h). NumberToTextVsToChars times
// the whole conversion, the new text value and its release included;
// WriteNumberTextVsToChars the conversion into a caller's buffer alone.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <limits>

#include "number_layout.h"
#include "number_to_text.h"
#include "text_memory.h"
#include "versus_reference.h"

namespace {

const double kInputs[] = {
    175.0, 176.04999999999998, 1.0 / 3.0, 1e21, 0x0.0000000000001p-1022, std::numeric_limits<double>::max(),
};
const char* const kLabels[] = {"175", "176.04999999999998", "1/3", "1e21", "5e-324", "DBL_MAX"};

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
  TimeVersusReference(
      state, "to_chars",
      [x] {
        double input = x;
        benchmark::DoNotOptimize(input);
        Convert(input);
      },
      [x] {
        double input = x;
        benchmark::DoNotOptimize(input);
        std::array<char, 32> buffer;
        benchmark::DoNotOptimize(
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), input, std::chars_format::scientific, 16));
        benchmark::DoNotOptimize(buffer.data());
      });
  state.SetLabel(kLabels[state.range(0)]);
}

void NumberToTextVsToChars(benchmark::State& state) { VersusToChars<ConvertWithNumberToText>(state); }
void WriteNumberTextVsToChars(benchmark::State& state) { VersusToChars<ConvertIntoBuffer>(state); }
BENCHMARK(NumberToTextVsToChars)->DenseRange(0, 5)->UseManualTime();
BENCHMARK(WriteNumberTextVsToChars)->DenseRange(0, 5)->UseManualTime();

}  // namespace
