// Compares doubles bit for bit (so -0 differs from +0 and infinities are
// exact), printing both as hexfloats, and shows texts with their bytes escaped.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

inline std::string Hexfloat(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%a", value);
  return text;
}

inline ::testing::AssertionResult SameDouble(double actual, double expected) {
  if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "got " << Hexfloat(actual) << ", want " << Hexfloat(expected);
}

// Printable bytes as they are, others as \xHH; long texts cut in the middle.
inline std::string Escaped(std::string_view bytes) {
  std::string out;
  const bool cut = bytes.size() > 80;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (cut && i == 40) {
      out += "...(" + std::to_string(bytes.size()) + " bytes)...";
      i = bytes.size() - 40;
    }
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b >= 0x20 && b < 0x7F) {
      out += static_cast<char>(b);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    }
  }
  return out;
}
