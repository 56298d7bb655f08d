// How failed comparisons print the program's value types, and the
// comparison the layout rectangle lacks.
#pragma once

#include "platform/controls.h"
#include "platform/main_window_view.h"

#include <ostream>

namespace vz {

inline bool operator==(const TwipRect& a, const TwipRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

inline void PrintTo(const TwipRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << "}";
}
inline void PrintTo(const TextRun& r, std::ostream* os) {
    *os << "{\"" << r.text << "\" #" << std::hex << r.attr.rgb << std::dec
        << (r.attr.bold ? " bold" : "") << (r.attr.underline ? " underline" : "") << "}";
}
inline void PrintTo(Arrangement a, std::ostream* os) {
    *os << (a == Arrangement::Cascade        ? "Cascade"
            : a == Arrangement::TileVertical ? "TileVertical"
                                             : "TileHorizontal");
}

} // namespace vz
