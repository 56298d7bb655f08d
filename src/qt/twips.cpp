// Converting window layout units for the screen.
#include "twips.h"

#include "platform/geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace vz {
namespace {

double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->logicalDotsPerInch() <= 0) {
        return 96.0;
    }
    return screen->logicalDotsPerInch();
}

} // namespace

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips * logicalDpi() / TwipsPerInch));
}

int pixelsToTwips(int pixels) {
    return static_cast<int>(std::lround(pixels * TwipsPerInch / logicalDpi()));
}

} // namespace vz
