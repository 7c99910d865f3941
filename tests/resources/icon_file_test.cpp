// The committed icon file: its structure, that its drawing reads as an icon
// (transparent background, smooth edges), and that the generator still
// produces exactly these bytes, so the generator stays its one source.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "ico_file.h"
#include "icon_format.h"
#include "icon_raster.h"
#include "resource.h"
#include "talvenor_icon.h"

namespace {

std::vector<std::uint8_t> CommittedIcon() {
  std::ifstream in(TALVENOR_ICON_FILE, std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << TALVENOR_ICON_FILE;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Layout of a one-image 32x32 32-bit icon file, counted by hand: 6 + 16
// directory bytes, a 40-byte header, 32 * 32 * 4 colour bytes, 32 * 4 mask bytes.
constexpr std::size_t kImageOffset = 22;
constexpr std::size_t kImageBytes = 40 + 4096 + 128;

TEST(CommittedIcon, IsOne32x32ImageWith32BitsPerPixel) {
  const std::vector<std::uint8_t> file = CommittedIcon();
  ASSERT_EQ(file.size(), kImageOffset + kImageBytes);
  std::vector<pe::IconEntry> entries;
  ASSERT_TRUE(pe::ReadIcoFile(file, entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].width, TALVENOR_ICON_SIZE);
  EXPECT_EQ(entries[0].height, TALVENOR_ICON_SIZE);
  EXPECT_EQ(entries[0].bit_count, TALVENOR_ICON_BITS_PER_PIXEL);
  EXPECT_EQ(entries[0].planes, 1);
  EXPECT_EQ(entries[0].colour_count, 0);
  EXPECT_EQ(entries[0].offset, kImageOffset);
  EXPECT_EQ(entries[0].bytes, kImageBytes);

  pe::DibHeader dib;
  ASSERT_TRUE(pe::ReadDibHeader(std::span(file).subspan(kImageOffset), dib));
  EXPECT_EQ(dib.header_size, 40u);
  EXPECT_EQ(dib.width, 32);
  EXPECT_EQ(dib.height, 64);
  EXPECT_EQ(dib.planes, 1);
  EXPECT_EQ(dib.bit_count, 32);
  EXPECT_EQ(dib.compression, 0u);
}

TEST(CommittedIcon, HasATransparentBackgroundSmoothEdgesAndAMatchingMask) {
  const std::vector<std::uint8_t> file = CommittedIcon();
  ASSERT_EQ(file.size(), kImageOffset + kImageBytes);
  const std::size_t colours = kImageOffset + 40;
  const std::size_t mask = colours + 4096;
  int clear = 0, partial = 0, opaque = 0;
  for (std::size_t row = 0; row < 32; ++row) {  // bottom-up rows, as stored
    for (std::size_t col = 0; col < 32; ++col) {
      const std::uint8_t alpha = file[colours + (row * 32 + col) * 4 + 3];
      const bool masked = (file[mask + row * 4 + col / 8] & (0x80 >> (col % 8))) != 0;
      EXPECT_EQ(masked, alpha == 0) << "row " << row << " col " << col << " alpha " << int{alpha};
      clear += alpha == 0;
      partial += alpha > 0 && alpha < 255;
      opaque += alpha == 255;
    }
  }
  // The drawing covers a good part of the square, leaves background free,
  // and is anti-aliased rather than hard-edged.
  EXPECT_GT(opaque, 300);
  EXPECT_GT(clear, 100);
  EXPECT_GT(partial, 40);
}

TEST(CommittedIcon, IsWhatTheGeneratorDraws) {
  const std::vector<std::uint8_t> drawn = icon::EncodeIcoFile(icon::RenderTalvenorIcon());
  EXPECT_TRUE(drawn == CommittedIcon())
      << "resources/talvenor.ico is out of date: rebuild it with the regenerate_icon target";
}

// Coverage of simple shapes, worked out by hand: 256 samples per pixel, alpha
// rounded from the covered share.
struct CoverageRow {
  const char* shape_name;
  icon::Shape shape;
  int col;
  int row;
  std::uint8_t alpha;
};

class Coverage : public testing::TestWithParam<CoverageRow> {};

TEST_P(Coverage, AlphaIsTheCoveredShare) {
  const CoverageRow& r = GetParam();
  icon::Canvas canvas;
  canvas.Paint(r.shape, {0x10, 0x20, 0x30});
  const icon::IconPixels pixels = canvas.Render();
  const icon::Bgra p = pixels[static_cast<std::size_t>(r.row * icon::kIconSize + r.col)];
  EXPECT_EQ(int{p.a}, int{r.alpha}) << r.shape_name << " at " << r.col << "," << r.row;
  if (p.a != 0) {
    EXPECT_EQ((icon::Bgra{0x30, 0x20, 0x10, p.a}), p) << r.shape_name << ": colour kept";
  }
}

const CoverageRow kCoverage[] = {
    {"whole-pixel square", icon::RoundedRect(icon::At(4, 4), icon::At(8, 8), 0), 5, 5, 255},
    {"outside the square", icon::RoundedRect(icon::At(4, 4), icon::At(8, 8), 0), 8, 5, 0},
    {"left half of a pixel", icon::RoundedRect(icon::At(4, 4), icon::At(8.5, 8), 0), 8, 5, 128},
    {"quarter of a pixel", icon::RoundedRect(icon::At(4, 4), icon::At(8.5, 8.5), 0), 8, 8, 64},
    {"triangle: half of the pixel below the diagonal",
     icon::Polygon({icon::At(0, 0), icon::At(32, 32), icon::At(0, 32)}), 10, 10, 120},
    {"horizontal line one pixel wide, centred on a pixel row", icon::Line(icon::At(2, 6.5), icon::At(20, 6.5), 32), 10,
     6, 255},
    {"same line, the row above", icon::Line(icon::At(2, 6.5), icon::At(20, 6.5), 32), 10, 5, 0},
};
INSTANTIATE_TEST_SUITE_P(Shapes, Coverage, testing::ValuesIn(kCoverage));

}  // namespace
