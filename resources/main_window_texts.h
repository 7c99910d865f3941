// The main window's texts as the code page 936 bytes it shows, each beside its
// readable form. The escapes are written by tools/gbk-escape.sh; a test
// converts every readable form with iconv and compares.
#pragma once

// clang-format off
// X(name, readable UTF-8 text, GBK bytes)
#define TALVENOR_MAIN_WINDOW_TEXTS(X) \
  X(kMainWindowTitle, "Talvenor—V1.0", "Talvenor\xA1\xAAV1.0") \
  X(kLabel4Name, "标签4", "\xB1\xEA\xC7\xA9""4") \
  X(kLabel4Caption, "Quorrel", "Quorrel") \
  X(kLabel3Name, "标签3", "\xB1\xEA\xC7\xA9""3") \
  X(kLabel3Caption, "注：本工具娱乐性成分高于预测的准确性！", "\xD7\xA2\xA3\xBA\xB1\xBE\xB9\xA4\xBE\xDF\xD3\xE9\xC0\xD6\xD0\xD4\xB3\xC9\xB7\xD6\xB8\xDF\xD3\xDA\xD4\xA4\xB2\xE2\xB5\xC4\xD7\xBC\xC8\xB7\xD0\xD4\xA3\xA1") \
  X(kLabel2Name, "标签2", "\xB1\xEA\xC7\xA9""2") \
  X(kLabel2Caption, "身高：", "\xC9\xED\xB8\xDF\xA3\xBA") \
  X(kEditBox1Name, "编辑框1", "\xB1\xE0\xBC\xAD\xBF\xF2""1") \
  X(kEditBox2Name, "编辑框2", "\xB1\xE0\xBC\xAD\xBF\xF2""2") \
  X(kButton1Name, "按钮1", "\xB0\xB4\xC5\xA5""1") \
  X(kButton1Caption, "biubiu", "biubiu") \
  X(kLabel1Name, "标签1", "\xB1\xEA\xC7\xA9""1") \
  X(kLabel1Caption, "尺码：", "\xB3\xDF\xC2\xEB\xA3\xBA")
// clang-format on

namespace gbk {
#define TALVENOR_DEFINE_GBK(name, readable, bytes) inline constexpr char name[] = bytes;
TALVENOR_MAIN_WINDOW_TEXTS(TALVENOR_DEFINE_GBK)
#undef TALVENOR_DEFINE_GBK
}  // namespace gbk
