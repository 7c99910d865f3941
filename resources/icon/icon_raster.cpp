#include "icon_raster.h"

#include <algorithm>
#include <utility>

namespace icon {

namespace {

std::int64_t Square(std::int64_t v) { return v * v; }

// Twice the signed area of (a, b, p): > 0 when p is left of a->b (y down).
std::int64_t Cross(Point a, Point b, Point p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); }

}  // namespace

Shape Polygon(std::vector<Point> corners) {
  return [corners = std::move(corners)](Point p) {
    int winding = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Point a = corners[i];
      const Point b = corners[(i + 1) % corners.size()];
      // Sample points sit on odd units and corners on even ones, so no
      // sample lies exactly on a vertex's horizontal line: no ties.
      if (a.y <= p.y) {
        if (b.y > p.y && Cross(a, b, p) > 0) ++winding;
      } else if (b.y <= p.y && Cross(a, b, p) < 0) {
        --winding;
      }
    }
    return winding != 0;
  };
}

Shape Ellipse(Point centre, std::int64_t rx, std::int64_t ry) {
  return [=](Point p) {
    return Square(p.x - centre.x) * Square(ry) + Square(p.y - centre.y) * Square(rx) <= Square(rx) * Square(ry);
  };
}

Shape RoundedRect(Point top_left, Point bottom_right, std::int64_t radius) {
  return [=](Point p) {
    if (p.x < top_left.x || p.x > bottom_right.x || p.y < top_left.y || p.y > bottom_right.y) return false;
    // Distance from the rectangle shrunk by the radius.
    const std::int64_t cx = std::clamp(p.x, top_left.x + radius, bottom_right.x - radius);
    const std::int64_t cy = std::clamp(p.y, top_left.y + radius, bottom_right.y - radius);
    return Square(p.x - cx) + Square(p.y - cy) <= Square(radius);
  };
}

Shape Line(Point from, Point to, std::int64_t width) {
  return [=](Point p) {
    // Compare squared distances scaled by the squared length: exact integers.
    const std::int64_t len2 = Square(to.x - from.x) + Square(to.y - from.y);
    const std::int64_t half2x4 = Square(width);  // (width / 2)^2 * 4
    const std::int64_t along = (p.x - from.x) * (to.x - from.x) + (p.y - from.y) * (to.y - from.y);
    if (len2 == 0 || along <= 0) return 4 * (Square(p.x - from.x) + Square(p.y - from.y)) <= half2x4;
    if (along >= len2) return 4 * (Square(p.x - to.x) + Square(p.y - to.y)) <= half2x4;
    return 4 * Square(Cross(from, to, p)) <= half2x4 * len2;
  };
}

Shape Outline(const std::vector<Point>& corners, std::int64_t width) {
  std::vector<Shape> edges;
  edges.reserve(corners.size());
  for (std::size_t i = 0; i < corners.size(); ++i) {
    edges.push_back(Line(corners[i], corners[(i + 1) % corners.size()], width));
  }
  return Union(std::move(edges));
}

Shape Union(std::vector<Shape> parts) {
  return [parts = std::move(parts)](Point p) {
    return std::any_of(parts.begin(), parts.end(), [p](const Shape& s) { return s(p); });
  };
}

Shape Intersection(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](Point p) { return a(p) && b(p); };
}

Shape Difference(Shape keep, Shape cut) {
  return [keep = std::move(keep), cut = std::move(cut)](Point p) { return keep(p) && !cut(p); };
}

void Canvas::Paint(Shape shape, Rgb colour) { layers_.push_back({std::move(shape), colour}); }

IconPixels Canvas::Render() const {
  constexpr std::int64_t kSamples = kSamplesPerAxis * kSamplesPerAxis;
  IconPixels pixels{};
  for (std::size_t row = 0; row < kIconSize; ++row) {
    for (std::size_t col = 0; col < kIconSize; ++col) {
      std::int64_t covered = 0, r = 0, g = 0, b = 0;
      const Point origin{static_cast<std::int64_t>(col) * kUnitsPerPixel,
                         static_cast<std::int64_t>(row) * kUnitsPerPixel};
      for (std::int64_t sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (std::int64_t sx = 0; sx < kSamplesPerAxis; ++sx) {
          const Point p{origin.x + 2 * sx + 1, origin.y + 2 * sy + 1};
          const auto top = std::find_if(layers_.rbegin(), layers_.rend(), [p](const Layer& l) { return l.shape(p); });
          if (top == layers_.rend()) continue;
          ++covered;
          r += top->colour.r;
          g += top->colour.g;
          b += top->colour.b;
        }
      }
      if (covered == 0) continue;
      const auto mean = [covered](std::int64_t sum) {
        return static_cast<std::uint8_t>((sum + covered / 2) / covered);
      };
      pixels[row * kIconSize + col] = {mean(b), mean(g), mean(r),
                                       static_cast<std::uint8_t>((covered * 255 + kSamples / 2) / kSamples)};
    }
  }
  return pixels;
}

}  // namespace icon
