// Qt widgets of the list window: one list of rows.
#include "qt_list_view.h"

namespace vz {

QtListView::QtListView(QMdiArea& area, ListViewEvents& events)
    : window_(area, QSize(480, 360)), list_(window_.client()) {
    list_.setHandlers([&events](int row) { events.onClick(row); },
                      [&events](int row) { events.onDoubleClick(row); }, {});
    window_.setResizeHandler([&events] { events.onResize(); });
    window_.setActivateHandler([&events] { events.onActivated(); });
    window_.setCloseHandler([&events] { events.onClose(); });
}

} // namespace vz
