// The main window's property block claims version 7, one above the highest a
// window knows: the window cannot be built and loading it stops with
// "载入启动窗口失败".
#include <vector>

#include "description_writer.h"
#include "fatal_program.h"
#include "main_window_description.h"

const ProgramData& TheProgram() {
  static const std::vector<unsigned char> stored = [] {
    std::vector<WindowDescription> windows = MainWindowDescriptions();
    std::vector<unsigned char>& block = windows.front().records.front().property_block;
    block.at(0) = 7;  // the version, little-endian; the other three bytes are 0
    return EncodeWindowDescriptions(windows);
  }();
  static const ProgramData program = fatal_program::WithData(stored, kMainWindowNumber, nullptr);
  return program;
}
