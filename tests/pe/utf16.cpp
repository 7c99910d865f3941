#include "utf16.h"

#include <cstddef>

namespace pe {

namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes) {
  constexpr std::uint32_t kReplacement = 0xFFFD;
  const std::size_t units = bytes.size() / 2;
  const auto unit = [&](std::size_t i) { return static_cast<std::uint32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)); };
  std::string out;
  for (std::size_t i = 0; i < units; ++i) {
    const std::uint32_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u < 0xE000) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

}  // namespace pe
