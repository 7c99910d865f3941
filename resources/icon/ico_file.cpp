#include "ico_file.h"

#include <cstddef>

namespace icon {

namespace {

class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void U8(std::uint32_t v) { out_.push_back(static_cast<std::uint8_t>(v)); }
  void U16(std::uint32_t v) {
    U8(v & 0xFF);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

constexpr std::uint32_t kIconDirSize = 6;
constexpr std::uint32_t kIconDirEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kColourBytes = kIconSize * kIconSize * 4;
constexpr std::uint32_t kMaskRowBytes = ((kIconSize + 31) / 32) * 4;
constexpr std::uint32_t kMaskBytes = kMaskRowBytes * kIconSize;
constexpr std::uint32_t kImageBytes = kInfoHeaderSize + kColourBytes + kMaskBytes;

}  // namespace

std::vector<std::uint8_t> EncodeIcoFile(const IconPixels& pixels) {
  std::vector<std::uint8_t> out;
  out.reserve(kIconDirSize + kIconDirEntrySize + kImageBytes);
  LittleEndianWriter w(out);

  w.U16(0);  // reserved
  w.U16(1);  // resource type: icon
  w.U16(1);  // one image

  w.U8(kIconSize);  // width
  w.U8(kIconSize);  // height
  w.U8(0);          // no palette
  w.U8(0);          // reserved
  w.U16(1);         // planes
  w.U16(32);        // bits per pixel
  w.U32(kImageBytes);
  w.U32(kIconDirSize + kIconDirEntrySize);

  w.U32(kInfoHeaderSize);
  w.U32(kIconSize);      // width
  w.U32(2 * kIconSize);  // height: colour rows and mask rows
  w.U16(1);              // planes
  w.U16(32);             // bits per pixel
  w.U32(0);              // BI_RGB
  w.U32(kColourBytes + kMaskBytes);
  w.U32(0);  // horizontal resolution: unspecified
  w.U32(0);  // vertical resolution
  w.U32(0);  // colours used
  w.U32(0);  // important colours

  for (std::size_t row = kIconSize; row-- > 0;) {  // bottom-up
    for (std::size_t col = 0; col < kIconSize; ++col) {
      const Bgra& p = pixels[row * kIconSize + col];
      w.U8(p.b);
      w.U8(p.g);
      w.U8(p.r);
      w.U8(p.a);
    }
  }
  // The AND mask only matters where alpha is ignored (old displays): fully
  // transparent pixels are masked out, everything else is drawn.
  for (std::size_t row = kIconSize; row-- > 0;) {  // bottom-up
    for (std::size_t byte = 0; byte < kMaskRowBytes; ++byte) {
      std::uint32_t bits = 0;
      for (std::size_t bit = 0; bit < 8; ++bit) {
        const std::size_t col = byte * 8 + bit;
        const bool transparent = col >= kIconSize || pixels[row * kIconSize + col].a == 0;
        if (transparent) bits |= 0x80u >> bit;
      }
      w.U8(bits);
    }
  }
  return out;
}

}  // namespace icon
