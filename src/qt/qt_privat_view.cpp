#include "qt_privat_view.h"

#include "windows/frm_privat.h"

namespace vz {

QtPrivatView::QtPrivatView(QMdiArea& area, frmPrivat& logic)
    : QtConversationView(area, QSize(560, 320)) {
    text_.setMouseHandlers([&logic](int x, int y) { logic.onTextMouseDown(x, y); },
                           [&logic] { logic.onTextClick(); });
    input_.setEnterHandler(LineEnd::EnterOrCtrlEnter, [&logic] { logic.onInputEnter(); });
    window_.setResizeHandler([&logic] { logic.onResize(); });
    window_.setActivateHandler([&logic] { logic.onActivated(); });
    window_.setDeactivateHandler([&logic] { logic.onDeactivated(); });
    window_.setCloseHandler([&logic] { logic.onClose(); });
}

} // namespace vz
