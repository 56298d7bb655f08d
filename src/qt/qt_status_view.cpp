#include "qt_status_view.h"

#include "windows/frm_status.h"

namespace vz {

QtStatusView::QtStatusView(QMdiArea& area, frmStatus& logic)
    : QtConversationView(area, QSize(640, 360)) {
    input_.setEnterHandler(LineEnd::Enter, [&logic] { logic.onInputEnter(); });
    window_.setResizeHandler([&logic] { logic.onResize(); });
    window_.setActivateHandler([&logic] { logic.onActivated(); });
    window_.setDeactivateHandler([&logic] { logic.onDeactivated(); });
}

} // namespace vz
