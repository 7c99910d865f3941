// Reads a version resource (RT_VERSION): the fixed file information and the
// string and translation tables. Damaged blocks give an error, never a read
// outside the given bytes.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pe {

enum class VersionError {
  kNone,
  kTruncated,     // a block runs past its parent or the resource
  kBadRoot,       // the root is not "VS_VERSION_INFO" with a fixed information value
  kBadSignature,  // the fixed information does not start with 0xFEEF04BD
};

const char* VersionErrorName(VersionError error);

struct StringTable {
  std::string key;                                          // language and code page in hex, e.g. "080403a8"
  std::vector<std::pair<std::string, std::string>> values;  // name, text (UTF-8), in file order
};

struct VersionInfo {
  std::array<std::uint16_t, 4> file_version{};
  std::array<std::uint16_t, 4> product_version{};
  std::uint32_t file_flags = 0;
  std::uint32_t file_os = 0;
  std::uint32_t file_type = 0;
  std::vector<StringTable> string_tables;
  std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;  // language, code page
};

struct VersionResult {
  VersionInfo info;
  VersionError error = VersionError::kNone;
};

VersionResult ReadVersionInfo(std::span<const std::uint8_t> resource);

// The text of the named value in the table with the given key; found is
// false when there is none.
std::string FindVersionString(const VersionInfo& info, const std::string& table, const std::string& name, bool& found);

}  // namespace pe
