// The texts a user sees in Talvenor's window and its fatal error box, as the
// code page 936 bytes the windows hold, each beside its readable form
// (escapes from tools/gbk-escape.sh; a native test compares them with iconv).
#pragma once

// clang-format off
// X(name, readable UTF-8 text, GBK bytes)
#define GUI_EXPECTED_TEXTS(X) \
  X(kCaption, "Talvenor—V1.0", "Talvenor\xA1\xAAV1.0") \
  X(kSizeLabel, "尺码：", "\xB3\xDF\xC2\xEB\xA3\xBA") \
  X(kHeightLabel, "身高：", "\xC9\xED\xB8\xDF\xA3\xBA") \
  X(kNote, "注：本工具娱乐性成分高于预测的准确性！", "\xD7\xA2\xA3\xBA\xB1\xBE\xB9\xA4\xBE\xDF\xD3\xE9\xC0\xD6\xD0\xD4\xB3\xC9\xB7\xD6\xB8\xDF\xD3\xDA\xD4\xA4\xB2\xE2\xB5\xC4\xD7\xBC\xC8\xB7\xD0\xD4\xA3\xA1") \
  X(kName, "Quorrel", "Quorrel") \
  X(kButton, "biubiu", "biubiu") \
  X(kErrorCaption, "错误", "\xB4\xED\xCE\xF3") \
  X(kOkChinese, "确定", "\xC8\xB7\xB6\xA8") \
  X(kRuntimeError, "运行时出错!", "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!") \
  X(kErrorCode, "错误代码：", "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA") \
  X(kErrorMessage, "错误信息：", "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA") \
  X(kDescriptionsUnreadable, "载入窗口模板数据段出错!", "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!") \
  X(kStartWindowFailed, "载入启动窗口失败", "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC") \
  X(kAllocation40Failed, "分配 40 字节内存失败!", "\xB7\xD6\xC5\xE4 40 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!")
// clang-format on

namespace expected_text {
#define GUI_DEFINE_GBK(name, readable, bytes) inline constexpr char name[] = bytes;
GUI_EXPECTED_TEXTS(GUI_DEFINE_GBK)
#undef GUI_DEFINE_GBK
}  // namespace expected_text
