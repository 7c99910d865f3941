// Reads the little-endian fields of stored descriptions and property blocks
// from a span, never past its end, and remembers where the first read that
// ran out of bytes began and which field it was.
//
// Counted runs are checked against the bytes that remain before anything is
// allocated for them, so a hostile count fails instead of allocating.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class FieldReader {
 public:
  // base is the position of bytes[0] in the data the caller reports offsets
  // in, so a reader over a sub-span reports offsets in the whole.
  explicit FieldReader(std::span<const unsigned char> bytes, std::size_t base = 0) : bytes_(bytes), base_(base) {}

  std::size_t offset() const { return base_ + position_; }
  std::size_t remaining() const { return bytes_.size() - position_; }
  bool AtEnd() const { return position_ == bytes_.size(); }

  // The first failed read: where its field began, and the field's name.
  std::size_t failed_offset() const { return failed_offset_; }
  const char* failed_field() const { return failed_field_; }

  bool U16(std::uint16_t& value, const char* field) {
    if (remaining() < 2) return Fail(field);
    value = static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
    position_ += 2;
    return true;
  }

  bool U32(std::uint32_t& value, const char* field) {
    if (remaining() < 4) return Fail(field);
    value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_[position_ + static_cast<std::size_t>(i)];
    position_ += 4;
    return true;
  }

  bool I32(std::int32_t& value, const char* field) {
    std::uint32_t bits = 0;
    if (!U32(bits, field)) return false;
    value = static_cast<std::int32_t>(bits);  // two's complement, as stored
    return true;
  }

  // A 32-bit flag: set when it is 1.
  bool Flag(bool& value, const char* field) {
    std::uint32_t bits = 0;
    if (!U32(bits, field)) return false;
    value = bits == 1;
    return true;
  }

  bool Skip(std::uint64_t count, const char* field) {
    if (count > remaining()) return Fail(field);
    position_ += static_cast<std::size_t>(count);
    return true;
  }

  // count bytes as a view into the data, not copied.
  bool View(std::uint64_t count, std::span<const unsigned char>& view, const char* field) {
    if (count > remaining()) return Fail(field);
    view = bytes_.subspan(position_, static_cast<std::size_t>(count));
    position_ += static_cast<std::size_t>(count);
    return true;
  }

  // A u32 byte count, then that many bytes, as a view: the form of byte
  // data and texts. A failure is reported at the count.
  bool CountedView(std::span<const unsigned char>& view, const char* field) {
    const std::size_t start = position_;
    std::uint32_t count = 0;
    if (U32(count, field) && View(count, view, field)) return true;
    return FailAt(start, field);
  }

  bool CountedBytes(std::vector<unsigned char>& data, const char* field) {
    std::span<const unsigned char> view;
    if (!CountedView(view, field)) return false;
    data.assign(view.begin(), view.end());
    return true;
  }

  // A text without terminator.
  bool CountedText(std::string& text, const char* field) {
    std::span<const unsigned char> view;
    if (!CountedView(view, field)) return false;
    text.assign(view.begin(), view.end());
    return true;
  }

  // Bytes up to a zero byte, which is passed over.
  bool ZeroTerminatedText(std::string& text, const char* field) {
    const auto rest = bytes_.subspan(position_);
    const auto zero = std::find(rest.begin(), rest.end(), static_cast<unsigned char>(0));
    if (zero == rest.end()) return Fail(field);
    text.assign(rest.begin(), zero);
    position_ += text.size() + 1;
    return true;
  }

 private:
  bool Fail(const char* field) { return FailAt(position_, field); }
  bool FailAt(std::size_t position, const char* field) {
    failed_offset_ = base_ + position;
    failed_field_ = field;
    return false;
  }

  std::span<const unsigned char> bytes_;
  std::size_t base_ = 0;
  std::size_t position_ = 0;
  std::size_t failed_offset_ = 0;
  const char* failed_field_ = "";
};
