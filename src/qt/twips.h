// Converting window layout units for the screen.
#pragma once

namespace vz {

// Converts between twips (1440 per inch) and pixels at the primary screen's
// logical resolution (96 dots per inch when there is no screen).
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);

} // namespace vz
