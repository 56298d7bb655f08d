// Qt widgets of a private window: conversation and input line.
#include "qt_privat_view.h"

namespace vz {

QtPrivatView::QtPrivatView(QMdiArea& area, PrivatViewEvents& events)
    : QtConversationView(area, QSize(560, 320)) {
    text_.setMouseHandlers([&events](int x, int y) { events.onTextMouseDown(x, y); },
                           [&events] { events.onTextClick(); });
    input_.setKeyHandler([&events](int code) { return events.onInputKey(code); });
    window_.setResizeHandler([&events] { events.onResize(); });
    window_.setActivateHandler([&events] { events.onActivated(); });
    window_.setDeactivateHandler([&events] { events.onDeactivated(); });
    window_.setCloseHandler([&events] { events.onClose(); });
}

} // namespace vz
