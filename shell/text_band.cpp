#include "text_band.h"

TextBand CentreTextBand(int top, int bottom, int text_height) {
  const int height = bottom - top;
  // A band larger than the area would make the client area spill over the
  // frame; keep the area as it is then.
  if (text_height < 0 || text_height >= height) return TextBand{top, bottom};
  const int band_top = top + (height - text_height) / 2;
  return TextBand{band_top, band_top + text_height};
}

bool OutsideTextBand(const TextBand& band, int y) { return y < band.top || y >= band.bottom; }
