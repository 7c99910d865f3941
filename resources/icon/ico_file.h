// Writes a one-image .ico file in the classic layout: a 32-bit BGRA DIB with
// its AND mask, which every Windows version (and Wine) loads with LoadImage.
#pragma once

#include <cstdint>
#include <vector>

#include "icon_raster.h"

namespace icon {

// File layout, all little-endian:
//   ICONDIR        6 bytes   reserved 0, type 1 (icon), count 1
//   ICONDIRENTRY  16 bytes   32, 32, 0 colours, 0, 1 plane, 32 bits, image size, image offset 22
//   image                    BITMAPINFOHEADER (40 bytes, height doubled for the mask),
//                            32 x 32 BGRA pixels bottom-up, then the 1-bit AND mask
//                            bottom-up, rows padded to 4 bytes (1 = transparent)
std::vector<std::uint8_t> EncodeIcoFile(const IconPixels& pixels);

}  // namespace icon
