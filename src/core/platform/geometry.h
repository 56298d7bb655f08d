// Rectangles and sizes in twips, the unit of window layout.
#pragma once

namespace vz {

// Window layout is computed in twips (1440 per inch); views convert to pixels.
constexpr int TwipsPerInch = 1440;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipSize {
    int width = 0;
    int height = 0;
};

} // namespace vz
