// Qt widgets of the status window: text and input line.
#include "qt_status_view.h"

namespace vz {

QtStatusView::QtStatusView(QMdiArea& area, StatusViewEvents& events)
    : QtConversationView(area, QSize(640, 360)) {
    input_.setKeyHandler([&events](int code) { return events.onInputKey(code); });
    window_.setResizeHandler([&events] { events.onResize(); });
    window_.setActivateHandler([&events] { events.onActivated(); });
    window_.setDeactivateHandler([&events] { events.onDeactivated(); });
}

} // namespace vz
