// Reads the icon structures the program's checks look at: an .ico file's
// directory, an icon group resource (RT_GROUP_ICON) and the bitmap header
// that starts each icon image. Damaged input gives false, never a read
// outside the given bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace pe {

// One image as an .ico file or an icon group lists it. A width or height of
// 0 stands for 256.
struct IconEntry {
  std::uint8_t width = 0;
  std::uint8_t height = 0;
  std::uint8_t colour_count = 0;
  std::uint16_t planes = 0;
  std::uint16_t bit_count = 0;
  std::uint32_t bytes = 0;
  std::uint32_t offset = 0;  // .ico file: where the image starts
  std::uint16_t id = 0;      // icon group: the RT_ICON resource's number
};

// ICONDIR + ICONDIRENTRY (16 bytes each). Checks the header and that every
// image lies inside the file.
bool ReadIcoFile(std::span<const std::uint8_t> file, std::vector<IconEntry>& entries);

// GRPICONDIR + GRPICONDIRENTRY (14 bytes each).
bool ReadIconGroup(std::span<const std::uint8_t> resource, std::vector<IconEntry>& entries);

// The BITMAPINFOHEADER at the start of a classic (non-PNG) icon image.
struct DibHeader {
  std::uint32_t header_size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;  // twice the icon's height: colour rows and mask rows
  std::uint16_t planes = 0;
  std::uint16_t bit_count = 0;
  std::uint32_t compression = 0;
};

bool ReadDibHeader(std::span<const std::uint8_t> image, DibHeader& header);

}  // namespace pe
