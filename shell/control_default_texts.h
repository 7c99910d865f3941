// The default captions of labels and buttons as the code page 936 bytes they
// show, each beside its readable form. The escapes are written by
// tools/gbk-escape.sh; a test converts every readable form with iconv and
// compares.
#pragma once

#include <string>
#include <string_view>

// clang-format off
// X(name, readable UTF-8 text, GBK bytes)
#define TALVENOR_CONTROL_DEFAULT_TEXTS(X) \
  X(kDefaultLabelCaption, "标签", "\xB1\xEA\xC7\xA9") \
  X(kDefaultButtonCaption, "按钮", "\xB0\xB4\xC5\xA5")
// clang-format on

namespace gbk {
#define TALVENOR_DEFINE_GBK(name, readable, bytes) inline constexpr char name[] = bytes;
TALVENOR_CONTROL_DEFAULT_TEXTS(TALVENOR_DEFINE_GBK)
#undef TALVENOR_DEFINE_GBK

// A std::string holding bytes, built so that it can be evaluated while
// compiling even where the compiler cannot compare a constant's address with
// null (GCC with the sanitizers), which the pointer constructors do.
constexpr std::string Text(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) text.push_back(c);
  return text;
}
}  // namespace gbk
