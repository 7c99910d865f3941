// The one-line text band of a single-line edit box: the client area is
// narrowed to the height of a line of text, centred vertically, so the text
// sits in the middle of a box taller than one line.
#pragma once

struct TextBand {
  int top;
  int bottom;
};

// The band inside the client rows [top, bottom) for a line text_height rows
// high: it starts (bottom - top - text_height) / 2 rows down, truncated. A
// line taller than the client area keeps the whole area.
TextBand CentreTextBand(int top, int bottom, int text_height);

// True when row y (in the same coordinates) lies outside the band, where a
// click must not reach the text.
bool OutsideTextBand(const TextBand& band, int y);
