// Reads what the program's checks need from a Windows executable (PE32 or
// PE32+): the resource directory and the names of the imported DLLs. Any
// bytes may be given; damaged or hostile files give an error, never a read
// outside the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pe {

enum class Error {
  kNone,
  kTruncated,             // a header runs past the end of the file
  kNoDosHeader,           // the file does not start with "MZ"
  kNoPeSignature,         // the DOS header does not lead to "PE\0\0"
  kBadOptionalHeader,     // unknown optional header magic, or too short for its directories
  kBadRva,                // an address or size falls outside every section's file data
  kBadResourceDirectory,  // wrong nesting, an offset outside the resource data, or too many entries
  kBadImportTable,        // an import descriptor or DLL name cannot be read
};

const char* ErrorName(Error error);

// Standard resource type numbers.
inline constexpr std::uint16_t kRtIcon = 3;
inline constexpr std::uint16_t kRtGroupIcon = 14;
inline constexpr std::uint16_t kRtVersion = 16;
inline constexpr std::uint16_t kRtManifest = 24;

// A resource type or name: a number, or a string (UTF-8 here).
struct ResourceId {
  bool is_name = false;
  std::uint16_t number = 0;
  std::string name;

  friend bool operator==(const ResourceId&, const ResourceId&) = default;
};

// One leaf of the three-level directory (type / name / language).
struct Resource {
  ResourceId type;
  ResourceId name;
  std::uint16_t language = 0;
  std::uint32_t code_page = 0;
  std::span<const std::uint8_t> data;  // points into the file's bytes
};

struct Image {
  std::uint16_t machine = 0;  // 0x8664 x86-64, 0x14C i386
  bool pe32_plus = false;
  std::vector<Resource> resources;         // in directory order
  std::vector<std::string> imported_dlls;  // as spelled in the file
};

struct ReadResult {
  Image image;
  Error error = Error::kNone;
};

// The file's bytes must outlive the result: resource data points into them.
ReadResult ReadImage(std::span<const std::uint8_t> file);

// The first resource of the given type and numeric or string name, or null.
const Resource* FindResource(const Image& image, std::uint16_t type, std::uint16_t number);
const Resource* FindResource(const Image& image, std::uint16_t type, std::string_view name);
std::size_t CountResources(const Image& image, std::uint16_t type);

}  // namespace pe
