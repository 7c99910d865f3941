// Many generated texts, each read by TextToNumber and by the C library's
// strtod in the "C" locale as the oracle. The generator knows which of its
// parts form the number, so it writes the oracle's text itself: the exponent
// letter as e, a capped exponent as 5201, and no part the grammar would not
// read. Native only: the host C library is the judge.
#include <gtest/gtest.h>
#include <locale.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "same_double.h"
#include "text_to_number.h"

namespace {

struct GeneratedText {
  std::string text;    // what TextToNumber reads
  std::string oracle;  // the same number in strtod's grammar; empty for none
};

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : random_(seed) {}

  GeneratedText Next() {
    GeneratedText g;
    Append(g, Pick(" \t\n\v\f\r", Chance(8) ? Below(3) : 0));
    const bool negative = Chance(2);
    if (Chance(3)) Append(g, negative ? "-" : "+");
    // Mantissa: digits, or digits and a full stop, or a full stop and digits.
    const std::string integer = Digits(Below(4) == 0 ? 0 : LengthOfRun());
    const bool point = Chance(2);
    std::string fraction = point ? Digits(LengthOfRun()) : "";
    if (integer.empty() && fraction.empty()) fraction = Digits(1 + Below(20));
    Append(g, integer);
    if (point || integer.empty()) Append(g, "." + fraction);
    if (Chance(3)) AppendExponent(g);
    AppendTail(g);
    return g;
  }

 private:
  bool Chance(unsigned in) { return Below(in) == 0; }
  unsigned Below(unsigned n) { return static_cast<unsigned>(random_() % n); }
  static void Append(GeneratedText& g, const std::string& both) {
    g.text += both;
    g.oracle += both;
  }
  std::string Pick(const char* from, unsigned count) {
    std::string s;
    const std::string set = from;
    for (unsigned i = 0; i < count; ++i) s += set[Below(static_cast<unsigned>(set.size()))];
    return s;
  }
  // Mostly short runs, sometimes long ones that pass the digits kept exactly.
  unsigned LengthOfRun() {
    switch (Below(8)) {
      case 0:
        return 0;
      case 1:
        return 17 + Below(30);
      case 2:
        return 50 + Below(400);
      default:
        return 1 + Below(16);
    }
  }
  std::string Digits(unsigned count) {
    std::string s;
    // Runs of zeros and nines make ties and carries likely.
    const unsigned style = Below(4);
    for (unsigned i = 0; i < count; ++i) {
      const char random_digit = static_cast<char>('0' + Below(10));
      s += style == 1 && Below(8) != 0 ? '0' : style == 2 && Below(8) != 0 ? '9' : random_digit;
    }
    return s;
  }
  void AppendExponent(GeneratedText& g) {
    const char letter = "eEdD"[Below(4)];
    const char* sign = Below(3) == 0 ? "-" : Below(2) == 0 ? "+" : "";
    if (Chance(10)) {  // a letter (and sign) without digits: not part of the number
      g.text += std::string(1, letter) + sign;
      return;
    }
    std::string digits = std::string(Below(3), '0');
    unsigned long value = 0;
    switch (Below(4)) {
      case 0:
        value = Below(30);
        break;
      case 1:
        value = 280 + Below(60);
        break;
      case 2:
        value = 5150 + Below(100);
        break;
      default:
        value = Below(1000000);
        break;
    }
    digits += std::to_string(value);
    g.text += std::string(1, letter) + sign + digits;
    g.oracle += std::string("e") + sign + (value > 5200 ? "5201" : digits);
  }
  void AppendTail(GeneratedText& g) {
    // Each tail begins with a byte that cannot continue any number.
    static const char* const kTails[] = {"", "", "", " 5", "x", "e", "+-", ",5", "\xA3\xAC", "\xA1\xA1\x35"};
    const char* tail = kTails[Below(sizeof kTails / sizeof kTails[0])];
    g.text += tail;
    g.oracle += " ";  // ends strtod's reading where the number ended
  }

  std::mt19937_64 random_;
};

TEST(TextToNumberOracle, AgreesWithStrtodOnGeneratedTexts) {
  locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  ASSERT_NE(c_locale, static_cast<locale_t>(nullptr));
  Generator generator(0x7A1BE5u);
  constexpr int kCases = 300000;
  int failures = 0;
  for (int i = 0; i < kCases && failures < 10; ++i) {
    const GeneratedText g = generator.Next();
    const double expected = strtod_l(g.oracle.c_str(), nullptr, c_locale);
    const double actual = TextToNumber(g.text.c_str());
    const auto same = SameDouble(actual, expected);
    if (!same) {
      ++failures;
      ADD_FAILURE() << same.message() << " text=\"" << Escaped(g.text) << "\" oracle=\"" << Escaped(g.oracle) << "\"";
    }
  }
  freelocale(c_locale);
}

}  // namespace
