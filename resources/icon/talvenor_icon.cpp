#include "talvenor_icon.h"

#include <vector>

namespace icon {

namespace {

constexpr Rgb kRuleWood{0xF6, 0xBE, 0x3A};
constexpr Rgb kRuleEdge{0x8C, 0x5A, 0x14};
constexpr Rgb kShoeBlue{0x2E, 0x6E, 0xDB};
constexpr Rgb kShoeLight{0x6F, 0xA4, 0xF2};
constexpr Rgb kShoeEdge{0x15, 0x33, 0x70};
constexpr Rgb kSole{0xF4, 0xF4, 0xF2};
constexpr Rgb kSoleEdge{0x4A, 0x4A, 0x52};
constexpr Rgb kArrowRed{0xE5, 0x48, 0x3B};
constexpr Rgb kArrowEdge{0x8E, 0x1F, 0x17};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

void PaintRule(Canvas& canvas) {
  // A wooden rule standing on the left edge, marks every 3 pixels on its
  // right side, the longer ones every 6.
  canvas.Paint(RoundedRect(At(1.5, 1), At(11, 31), Px(2)), kRuleEdge);
  canvas.Paint(RoundedRect(At(2.5, 2), At(10, 30), Px(1.25)), kRuleWood);
  std::vector<Shape> marks;
  for (int i = 0; i < 9; ++i) {
    const double y = 4.5 + 3.0 * i;
    const double length = (i % 2 == 0) ? 5.0 : 3.0;
    marks.push_back(Line(At(10 - length, y), At(10, y), Px(1.25)));
  }
  canvas.Paint(Union(std::move(marks)), kRuleEdge);
}

void PaintArrow(Canvas& canvas) {
  // Pointing up from the shoe: the height that the size gives.
  const std::vector<Point> head{At(18, 10), At(24, 2), At(30, 10)};
  const Shape shaft = RoundedRect(At(22, 8), At(26, 16.5), Px(0.5));
  canvas.Paint(Union({Outline(head, Px(1.5)), Polygon(head), RoundedRect(At(21.25, 8), At(26.75, 17.25), Px(1))}),
               kArrowEdge);
  canvas.Paint(Union({Polygon({At(19.75, 9.25), At(24, 3.75), At(28.25, 9.25)}), shaft}), kArrowRed);
}

void PaintShoe(Canvas& canvas) {
  // A sneaker seen from the side, heel left, toe right, on a white sole.
  const std::vector<Point> upper{At(13, 27),      At(13, 18),    At(14.25, 16.25), At(17.5, 17.75), At(19.5, 16.5),
                                 At(21.25, 17.5), At(24, 20.25), At(28.5, 22),     At(30.5, 24),    At(30.5, 27)};
  canvas.Paint(Union({Outline(upper, Px(1.5)), Polygon(upper)}), kShoeEdge);
  canvas.Paint(Polygon(upper), kShoeBlue);
  // A lighter band across the heel.
  canvas.Paint(Intersection(Polygon(upper), Line(At(13, 23.5), At(20, 23.5), Px(2))), kShoeLight);
  // Laces.
  canvas.Paint(Union({Line(At(20.25, 19), At(21.75, 20.5), Px(1)), Line(At(22.5, 21), At(24, 22.5), Px(1))}), kWhite);
  // The sole, drawn last so that it covers the bottom of the upper.
  canvas.Paint(RoundedRect(At(11.5, 25.75), At(31.75, 30.5), Px(1.75)), kSoleEdge);
  canvas.Paint(RoundedRect(At(12.5, 26.5), At(30.75, 29.5), Px(1)), kSole);
}

}  // namespace

IconPixels RenderTalvenorIcon() {
  Canvas canvas;
  PaintRule(canvas);
  PaintArrow(canvas);
  PaintShoe(canvas);
  return canvas.Render();
}

}  // namespace icon
