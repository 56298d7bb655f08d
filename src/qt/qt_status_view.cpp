#include "qt_status_view.h"

#include "windows/frm_status.h"

namespace vz {

QtStatusView::QtStatusView(QMdiArea& area, frmStatus& logic)
    : window_(area, QSize(640, 360)), input_(window_.client()), text_(window_.client()) {
    // Only Enter finishes a line here; Ctrl+Enter has no meaning.
    input_.setKeyHandler([&logic](int code) {
        if (code != 13)
            return false;
        logic.onInputEnter();
        return true;
    });
    window_.setResizeHandler([&logic] { logic.onResize(); });
    window_.setActivateHandler([&logic] { logic.onActivated(); });
}

} // namespace vz
