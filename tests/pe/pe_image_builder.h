// Builds small, valid Windows executables in memory for the reader's tests:
// headers, a resource section laid out as a linker lays it out, and an import
// section naming DLLs. There is no code; nothing here runs them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pe_resources.h"

namespace pe_fixture {

struct FixtureResource {
  pe::ResourceId type;
  pe::ResourceId name;
  std::uint16_t language = 0;
  std::vector<std::uint8_t> data;
};

struct FixtureImage {
  bool pe32_plus = true;
  std::vector<FixtureResource> resources;
  std::vector<std::string> imports;
  // When not empty, used as the whole resource section instead of one built
  // from `resources` (which must then be empty); it is loaded at kResourceRva.
  std::vector<std::uint8_t> raw_resource_section;
};

inline constexpr std::uint32_t kResourceRva = 0x1000;

// Where the pieces landed, for tests that damage one of them.
struct Layout {
  std::size_t pe_offset = 0;        // "PE\0\0"
  std::size_t optional_offset = 0;  // optional header
  std::size_t section_table = 0;
  std::size_t rsrc_offset = 0;  // file offset of the resource section
  std::size_t idata_offset = 0;
  std::uint32_t rsrc_rva = 0;
  std::size_t first_data_entry = 0;  // file offset of the first resource data entry
  std::size_t first_name = 0;        // file offset of the first resource name string
  std::size_t import_directory = 0;  // file offset of the import data directory entry
};

std::vector<std::uint8_t> BuildImage(const FixtureImage& fixture, Layout* layout = nullptr);

pe::ResourceId Number(std::uint16_t n);
pe::ResourceId Name(const std::string& ascii);

// Little-endian patching helpers for the damage tests.
void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v);
void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v);

}  // namespace pe_fixture
