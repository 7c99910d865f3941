// A small deterministic rasteriser for the program's icon. Shapes are exact
// integer inside-tests on a fixed grid of sample points, so the same design
// gives the same bytes with any compiler and any floating-point settings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace icon {

// Positions are in sub-pixel units: 32 units to a pixel. A pixel is sampled
// at the 16 x 16 points 32 * p + 2 * i + 1 (i = 0..15), the centres of its
// sixteenths, so the coverage of a pixel is a count out of 256.
inline constexpr std::int64_t kUnitsPerPixel = 32;
inline constexpr std::int64_t kSamplesPerAxis = 16;

struct Point {
  std::int64_t x;
  std::int64_t y;
};

// A design coordinate in pixels (quarter pixels at the finest) as units.
constexpr std::int64_t Px(double pixels) { return static_cast<std::int64_t>(pixels * 4.0) * (kUnitsPerPixel / 4); }
constexpr Point At(double x, double y) { return {Px(x), Px(y)}; }

// A shape answers whether a sample point lies inside it.
using Shape = std::function<bool(Point)>;

// Filled polygon, non-zero winding.
Shape Polygon(std::vector<Point> corners);
// Filled ellipse (a circle when rx == ry).
Shape Ellipse(Point centre, std::int64_t rx, std::int64_t ry);
// Filled rectangle [left, right] x [top, bottom] with corners rounded by radius.
Shape RoundedRect(Point top_left, Point bottom_right, std::int64_t radius);
// A straight line of the given width with round ends.
Shape Line(Point from, Point to, std::int64_t width);
// The outline of a closed polygon drawn with the given width, centred on its edges.
Shape Outline(const std::vector<Point>& corners, std::int64_t width);

Shape Union(std::vector<Shape> parts);
Shape Intersection(Shape a, Shape b);
Shape Difference(Shape keep, Shape cut);

struct Rgb {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
};

// One pixel of the result: straight (not premultiplied) alpha.
struct Bgra {
  std::uint8_t b;
  std::uint8_t g;
  std::uint8_t r;
  std::uint8_t a;
  friend bool operator==(const Bgra&, const Bgra&) = default;
};

inline constexpr std::size_t kIconSize = 32;
using IconPixels = std::array<Bgra, kIconSize * kIconSize>;  // rows top to bottom

// Shapes painted in order, later ones over earlier ones, all opaque. A sample
// takes the colour of the last layer that covers it; a pixel's alpha is the
// share of its samples covered and its colour their mean.
class Canvas {
 public:
  void Paint(Shape shape, Rgb colour);
  IconPixels Render() const;

 private:
  struct Layer {
    Shape shape;
    Rgb colour;
  };
  std::vector<Layer> layers_;
};

}  // namespace icon
