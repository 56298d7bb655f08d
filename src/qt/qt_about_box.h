// The about box.
#pragma once

class QWidget;

namespace vz {

// Shows the about box over `parent`, not modal; a box already open comes to
// the front. Escape closes it.
void showAboutBox(QWidget& parent);

} // namespace vz
