#include "program_setup.h"

#include <utility>

#include "fatal_error.h"
#include "gbk_text.h"
#include "handler_binding.h"

namespace {
// Lead bytes of double-byte characters in code page 936. The second byte of
// such a character may be 0x5C, the backslash, and must not be taken for one.
bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}
}  // namespace

ProgramPath SplitProgramPath(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(path[i]) && i + 1 < path.size()) {
      ++i;  // the trail byte
    } else if (path[i] == '\\') {
      last = i;
    }
  }
  if (last == std::string_view::npos) return ProgramPath{{}, path};
  return ProgramPath{path.substr(0, last), path.substr(last + 1)};
}

void InstallProgramData(ShellState& shell, const ProgramData& program) {
  shell.constants_begin = program.constants_begin;
  shell.constants_size = program.constants_size;

  DescriptionReadResult read = ReadWindowDescriptions(program.descriptions);
  if (!read) RaiseFatalError(gbk::kDescriptionsUnreadable, 0);
  if (!BindEventHandlers(read.windows, program.handlers)) RaiseFatalError(gbk::kDescriptionsUnreadable, 0);
  shell.windows = std::move(read.windows);
}
