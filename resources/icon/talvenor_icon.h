// The program's icon: a measuring rule, a shoe and an upward arrow (shoe size
// in, height out), drawn at 32 x 32 with bold shapes that still read when the
// system scales it to 16 x 16.
#pragma once

#include "icon_raster.h"

namespace icon {

IconPixels RenderTalvenorIcon();

}  // namespace icon
