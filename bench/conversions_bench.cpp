// Text to number against std::from_chars on the same ASCII texts (the
// columns are explained in versus_reference.h).
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>

#include "text_to_number.h"
#include "versus_reference.h"

namespace {

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
  TimeVersusReference(
      state, "from_chars", [text] { benchmark::DoNotOptimize(TextToNumber(text)); },
      [text, text_end] {
        double value = 0;
        benchmark::DoNotOptimize(std::from_chars(text, text_end, value));
        benchmark::DoNotOptimize(value);
      });
  state.SetLabel(kLabels[state.range(0)]);
}
BENCHMARK(TextToNumberVsFromChars)->DenseRange(0, 5)->UseManualTime();

}  // namespace
