// Bounds-checked little-endian reads from a byte span: every read says
// whether the bytes were there, so no input can make a reader step outside.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pe {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  bool U8(std::size_t offset, std::uint8_t& out) const {
    if (!Has(offset, 1)) return false;
    out = bytes_[offset];
    return true;
  }
  bool U16(std::size_t offset, std::uint16_t& out) const {
    if (!Has(offset, 2)) return false;
    out = static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
    return true;
  }
  bool U32(std::size_t offset, std::uint32_t& out) const {
    std::uint16_t lo = 0, hi = 0;
    if (!U16(offset, lo) || !U16(offset + 2, hi)) return false;
    out = lo | (static_cast<std::uint32_t>(hi) << 16);
    return true;
  }
  // The count bytes at offset, or an empty span when they are not all there.
  std::span<const std::uint8_t> Slice(std::size_t offset, std::size_t count) const {
    return Has(offset, count) ? bytes_.subspan(offset, count) : std::span<const std::uint8_t>{};
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace pe
