#include "icon_format.h"

#include <cstddef>

#include "byte_reader.h"

namespace pe {

namespace {

constexpr std::uint16_t kIconType = 1;

// The 6-byte directory header shared by .ico files and icon groups.
bool ReadDirectoryHeader(const ByteReader& in, std::uint16_t& count) {
  std::uint16_t reserved = 0, type = 0;
  return in.U16(0, reserved) && in.U16(2, type) && in.U16(4, count) && reserved == 0 && type == kIconType;
}

// The first 12 bytes are the same in both kinds of entry.
bool ReadEntryStart(const ByteReader& in, std::size_t at, IconEntry& e) {
  return in.U8(at, e.width) && in.U8(at + 1, e.height) && in.U8(at + 2, e.colour_count) && in.U16(at + 4, e.planes) &&
         in.U16(at + 6, e.bit_count) && in.U32(at + 8, e.bytes);
}

}  // namespace

bool ReadIcoFile(std::span<const std::uint8_t> file, std::vector<IconEntry>& entries) {
  constexpr std::size_t kEntrySize = 16;
  entries.clear();
  const ByteReader in(file);
  std::uint16_t count = 0;
  if (!ReadDirectoryHeader(in, count) || !in.Has(6, std::size_t{count} * kEntrySize)) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + i * kEntrySize;
    IconEntry e;
    if (!ReadEntryStart(in, at, e) || !in.U32(at + 12, e.offset) || !in.Has(e.offset, e.bytes)) {
      entries.clear();
      return false;
    }
    entries.push_back(e);
  }
  return true;
}

bool ReadIconGroup(std::span<const std::uint8_t> resource, std::vector<IconEntry>& entries) {
  constexpr std::size_t kEntrySize = 14;
  entries.clear();
  const ByteReader in(resource);
  std::uint16_t count = 0;
  if (!ReadDirectoryHeader(in, count) || !in.Has(6, std::size_t{count} * kEntrySize)) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + i * kEntrySize;
    IconEntry e;
    if (!ReadEntryStart(in, at, e) || !in.U16(at + 12, e.id)) {
      entries.clear();
      return false;
    }
    entries.push_back(e);
  }
  return true;
}

bool ReadDibHeader(std::span<const std::uint8_t> image, DibHeader& header) {
  constexpr std::uint32_t kInfoHeaderSize = 40;
  const ByteReader in(image);
  std::uint32_t width = 0, height = 0;
  if (!in.U32(0, header.header_size) || header.header_size < kInfoHeaderSize || !in.Has(0, header.header_size)) {
    return false;
  }
  if (!in.U32(4, width) || !in.U32(8, height) || !in.U16(12, header.planes) || !in.U16(14, header.bit_count) ||
      !in.U32(16, header.compression)) {
    return false;
  }
  header.width = static_cast<std::int32_t>(width);
  header.height = static_cast<std::int32_t>(height);
  return true;
}

}  // namespace pe
