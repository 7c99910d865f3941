// The system window behind a unit of the first window description, once the
// shell has built it in this process; null for a unit not built.
#pragma once

#include <windows.h>

#include <cstdint>

#include "control_object.h"
#include "shell_state.h"
#include "win32_control.h"

inline HWND BuiltControl(std::uint32_t unit) {
  for (const DescriptionRecord& record : Shell().windows.at(0).records) {
    if (record.unit_number != unit) continue;
    const auto* control = dynamic_cast<const Win32Control*>(record.object);
    return control != nullptr ? control->Handle() : nullptr;
  }
  return nullptr;
}
