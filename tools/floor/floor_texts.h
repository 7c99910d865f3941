// The floor program's texts as the code page 936 bytes it shows, each beside
// its readable form (escapes from tools/gbk-escape.sh; a native test compares
// them with iconv).
#pragma once

// clang-format off
// X(name, readable UTF-8 text, GBK bytes)
#define FLOOR_GBK_TEXTS(X) \
  X(kCaption, "Talvenor—V1.0", "Talvenor\xA1\xAAV1.0") \
  X(kSizeLabel, "尺码：", "\xB3\xDF\xC2\xEB\xA3\xBA") \
  X(kHeightLabel, "身高：", "\xC9\xED\xB8\xDF\xA3\xBA") \
  X(kNote, "注：本工具娱乐性成分高于预测的准确性！", "\xD7\xA2\xA3\xBA\xB1\xBE\xB9\xA4\xBE\xDF\xD3\xE9\xC0\xD6\xD0\xD4\xB3\xC9\xB7\xD6\xB8\xDF\xD3\xDA\xD4\xA4\xB2\xE2\xB5\xC4\xD7\xBC\xC8\xB7\xD0\xD4\xA3\xA1") \
  X(kName, "Quorrel", "Quorrel") \
  X(kButton, "biubiu", "biubiu")
// clang-format on

namespace floor_text {
#define FLOOR_DEFINE_GBK(name, readable, bytes) inline constexpr char name[] = bytes;
FLOOR_GBK_TEXTS(FLOOR_DEFINE_GBK)
#undef FLOOR_DEFINE_GBK
}  // namespace floor_text
