#include "program_constants.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace program_constants {
namespace {

// The doubles' little-endian bytes, laid out at compile time.
constexpr void PutDouble(std::array<unsigned char, kSize>& area, std::size_t offset, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (std::size_t i = 0; i < sizeof bits; ++i) area[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
}

constexpr std::array<unsigned char, kSize> MakeArea() {
  std::array<unsigned char, kSize> area{};
  area[kEmptyTextOffset] = 0;
  PutDouble(area, kTenOffset, 10.0);
  PutDouble(area, kTwoOffset, 2.0);
  PutDouble(area, kSevenOffset, 7.0);
  area[kCmSuffixOffset + 0] = ' ';
  area[kCmSuffixOffset + 1] = 'C';
  area[kCmSuffixOffset + 2] = 'M';
  area[kCmSuffixOffset + 3] = 0;
  return area;
}

// Every target of this program is little-endian, so the stored bytes are the
// doubles as the processor reads them.
static_assert(std::endian::native == std::endian::little);
constexpr std::array<unsigned char, kSize> kArea = MakeArea();

double ReadDouble(std::size_t offset) {
  double value;
  std::memcpy(&value, kArea.data() + offset, sizeof value);
  return value;
}

}  // namespace

const std::array<unsigned char, kSize>& Area() { return kArea; }
const char* EmptyText() { return reinterpret_cast<const char*>(kArea.data() + kEmptyTextOffset); }
const char* CmSuffix() { return reinterpret_cast<const char*>(kArea.data() + kCmSuffixOffset); }
double Ten() { return ReadDouble(kTenOffset); }
double Two() { return ReadDouble(kTwoOffset); }
double Seven() { return ReadDouble(kSevenOffset); }

}  // namespace program_constants
