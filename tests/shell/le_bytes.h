// Builds little-endian byte strings by hand, for expected stored forms and
// hostile inputs that do not come from the writer under test.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class LeBytes {
 public:
  LeBytes& U16(std::uint16_t v) {
    bytes_.push_back(static_cast<unsigned char>(v));
    bytes_.push_back(static_cast<unsigned char>(v >> 8));
    return *this;
  }
  LeBytes& U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<unsigned char>(v >> (8 * i)));
    return *this;
  }
  LeBytes& Zeros(std::size_t n) {
    bytes_.insert(bytes_.end(), n, 0);
    return *this;
  }
  LeBytes& Raw(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  LeBytes& Raw(const std::vector<unsigned char>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  // A u32 byte count, then the text.
  LeBytes& Counted(std::string_view text) { return U32(static_cast<std::uint32_t>(text.size())).Raw(text); }

  const std::vector<unsigned char>& bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::vector<unsigned char> bytes_;
};
