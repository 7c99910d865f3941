// Native stand-in for the error box, so that the fatal error path runs (and
// is tested) in host-side builds: the box text goes to standard error.
#include <cstdio>

#include "fatal_error.h"
#include "gbk_text.h"

void ShowFatalErrorBox(const char* box_text) {
  std::fputs(box_text, stderr);
  std::fflush(stderr);
}

void FormatAllocationFailure(char (&buffer)[100], std::int32_t byte_count) {
  std::snprintf(buffer, sizeof buffer, gbk::kAllocationFailed, static_cast<int>(byte_count));
}
