// The stored form the program carries, encoded from the main window's table
// while compiling.
#include "main_window_description.h"

#include <array>
#include <cstddef>
#include <vector>

#include "main_window_table.h"

namespace {

constexpr std::vector<unsigned char> StoredBytes() {
  return EncodeWindowDescriptions(main_window_table::MainWindowTable());
}

}  // namespace

// clang before 15 cannot evaluate libstdc++'s std::string in a constant
// expression; there (the fuzz and lint builds) the same table is encoded once
// at run time instead.
#if defined(__clang__) && defined(_GLIBCXX_RELEASE) && __clang_major__ < 15
std::span<const unsigned char> MainWindowStoredForm() {
  static const std::vector<unsigned char> bytes = StoredBytes();
  return bytes;
}
#else
namespace {
constexpr std::size_t kStoredSize = StoredBytes().size();
constexpr std::array<unsigned char, kStoredSize> kStoredForm = [] {
  const std::vector<unsigned char> bytes = StoredBytes();
  std::array<unsigned char, kStoredSize> stored{};
  for (std::size_t i = 0; i < kStoredSize; ++i) stored[i] = bytes[i];
  return stored;
}();
}  // namespace

std::span<const unsigned char> MainWindowStoredForm() { return kStoredForm; }
#endif
