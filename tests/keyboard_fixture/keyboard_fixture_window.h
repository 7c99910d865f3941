// The keyboard fixture program's one window, as its program builds it and as
// the window driver finds it: a default push button, labels with mnemonics,
// tab orders that differ from the record order, a disabled button and a
// multi-line box. Shared by the program and its driver; plain constants only.
#pragma once

#include <cstdint>

namespace keyboard_fixture {

inline constexpr std::uint32_t kWindowNumber = 0x51000001;

// Records in order (0 is the window itself) with their tab orders:
//   1 label "&Name:" (2)      2 name box (2)     3 log box (3)
//   4 button "&Go", default push button (1)      5 button "Other" (0)
//   6 first box (0)           7 label "&Log:" (3)
//   8 button "&Disabled", disabled (1)           9 multi-line memo box (4)
//   10 button "Next", default push button (5)
// Focus order: first box, Other, Go, name box, log box, memo box, Next.
inline constexpr int kRecordCount = 11;

// Controls are created from the last record back, with ids 100, 110, ...
constexpr int ControlId(int record) { return 100 + 10 * (kRecordCount - 1 - record); }

inline constexpr int kNameLabelId = ControlId(1);
inline constexpr int kNameBoxId = ControlId(2);
inline constexpr int kLogBoxId = ControlId(3);
inline constexpr int kGoButtonId = ControlId(4);
inline constexpr int kOtherButtonId = ControlId(5);
inline constexpr int kFirstBoxId = ControlId(6);
inline constexpr int kLogLabelId = ControlId(7);
inline constexpr int kDisabledButtonId = ControlId(8);
inline constexpr int kMemoBoxId = ControlId(9);
inline constexpr int kNextButtonId = ControlId(10);

// What the click handlers write into the log box: the button's name and how
// often it has been clicked, such as "Go 1".
inline constexpr char kGoClickPrefix[] = "Go ";
inline constexpr char kOtherClickPrefix[] = "Other ";
inline constexpr char kNextClickPrefix[] = "Next ";

}  // namespace keyboard_fixture
