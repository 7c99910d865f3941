// The error box and the allocation failure text through the ANSI interfaces.
#include <windows.h>

#include "fatal_error.h"
#include "gbk_text.h"

void ShowFatalErrorBox(const char* box_text) {
  // No owner: the program's windows stay enabled, but the raised suppression
  // count keeps their events from any handler while the box is up.
  ::MessageBoxA(nullptr, box_text, gbk::kErrorCaption, MB_OK | MB_ICONERROR);
}

void FormatAllocationFailure(char (&buffer)[100], std::int32_t byte_count) {
  ::wsprintfA(buffer, gbk::kAllocationFailed, static_cast<int>(byte_count));
}
