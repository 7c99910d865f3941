#include "powers_of_ten.h"

#include <array>
#include <bit>
#include <cstddef>

namespace {

// The table is worked out while compiling, from 1 by repeated multiplication
// and division by ten in 256-bit arithmetic. Each step truncates by less than
// one part in 2^255, so after at most 340 steps the top 128 bits are still
// good to one unit of their last bit.
constexpr int kLimbs = 8;  // 32-bit limbs, the most significant first

// limbs * 2^exponent, with the top bit of limbs[0] set.
struct Expansion {
  std::array<std::uint32_t, kLimbs> limbs{};
  int exponent = 0;
};

// One limb more than an expansion holds: the result of a step before it is
// shifted back to 256 bits. Its top limb is never zero.
using StepResult = std::array<std::uint32_t, kLimbs + 1>;

constexpr Expansion Normalize(const StepResult& value, int exponent) {
  const int shift = 32 - std::countl_zero(value[0]);  // 1 to 32
  Expansion normalized;
  for (std::size_t i = 0; i < normalized.limbs.size(); ++i) {
    const std::uint64_t pair = (std::uint64_t{value[i]} << 32) | value[i + 1];
    normalized.limbs[i] = static_cast<std::uint32_t>(pair >> shift);
  }
  normalized.exponent = exponent + shift;
  return normalized;
}

constexpr Expansion TimesTen(const Expansion& e) {
  StepResult product{};
  std::uint64_t carry = 0;
  for (std::size_t i = e.limbs.size(); i-- > 0;) {
    const std::uint64_t column = std::uint64_t{e.limbs[i]} * 10 + carry;
    product[i + 1] = static_cast<std::uint32_t>(column);
    carry = column >> 32;
  }
  product[0] = static_cast<std::uint32_t>(carry);  // at least 4: limbs[0] >= 2^31
  return Normalize(product, e.exponent);
}

// Divides limbs * 2^32 by ten, so that the quotient keeps a full 256 bits.
constexpr Expansion DividedByTen(const Expansion& e) {
  StepResult quotient{};
  std::uint64_t remainder = 0;
  for (std::size_t i = 0; i < quotient.size(); ++i) {
    const std::uint64_t dividend = (remainder << 32) | (i < e.limbs.size() ? e.limbs[i] : 0);
    quotient[i] = static_cast<std::uint32_t>(dividend / 10);
    remainder = dividend % 10;
  }
  return Normalize(quotient, e.exponent - 32);  // quotient[0] >= 2^31 / 10
}

constexpr std::size_t kTableSize = kLargestTabledPowerOfTen - kSmallestTabledPowerOfTen + 1;

constexpr std::size_t IndexOf(int q) { return static_cast<std::size_t>(q - kSmallestTabledPowerOfTen); }

struct BuiltTable {
  std::array<PowerOfTenSignificand, kTableSize> significands{};
  std::array<int, kTableSize> binary_exponents{};

  constexpr void Store(int q, const Expansion& e) {
    significands[IndexOf(q)] = PowerOfTenSignificand{(std::uint64_t{e.limbs[0]} << 32) | e.limbs[1],
                                                     (std::uint64_t{e.limbs[2]} << 32) | e.limbs[3]};
    binary_exponents[IndexOf(q)] = e.exponent + (kLimbs - 4) * 32;
  }
};

constexpr BuiltTable BuildTable() {
  BuiltTable table;
  const Expansion one{{0x80000000}, -255};
  Expansion power = one;
  table.Store(0, power);
  for (int q = 1; q <= kLargestTabledPowerOfTen; ++q) {
    power = TimesTen(power);
    table.Store(q, power);
  }
  power = one;
  for (int q = -1; q >= kSmallestTabledPowerOfTen; --q) {
    power = DividedByTen(power);
    table.Store(q, power);
  }
  return table;
}

constexpr BuiltTable kBuilt = BuildTable();

constexpr bool BinaryExponentsFollowTheFormula() {
  for (int q = kSmallestTabledPowerOfTen; q <= kLargestTabledPowerOfTen; ++q) {
    if (kBuilt.binary_exponents[IndexOf(q)] != PowerOfTenBinaryExponent(q)) return false;
  }
  return true;
}
static_assert(BinaryExponentsFollowTheFormula());

// Only the significands reach the program.
constexpr std::array<PowerOfTenSignificand, kTableSize> kSignificands = kBuilt.significands;

}  // namespace

const PowerOfTenSignificand& PowerOfTen(int q) { return kSignificands[IndexOf(q)]; }
