// The default captions of labels and buttons as the code page 936 bytes they
// show, each beside its readable form. The escapes are written by
// tools/gbk-escape.sh; a test converts every readable form with iconv and
// compares.
#pragma once

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
}  // namespace gbk
