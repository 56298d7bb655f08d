#include "qt_list_view.h"

#include "windows/frm_list.h"

namespace vz {

QtListView::QtListView(QMdiArea& area, frmList& logic)
    : window_(area, QSize(480, 360)), list_(window_.client()) {
    list_.setHandlers([&logic](int row) { logic.onClick(row); },
                      [&logic](int row) { logic.onDoubleClick(row); }, {});
    window_.setResizeHandler([&logic] { logic.onResize(); });
    window_.setActivateHandler([&logic] { logic.onActivated(); });
    window_.setCloseHandler([&logic] { logic.onClose(); });
}

} // namespace vz
