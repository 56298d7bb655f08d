#include "qt_privat_view.h"

#include "windows/frm_privat.h"

namespace vz {

QtPrivatView::QtPrivatView(QMdiArea& area, frmPrivat& logic)
    : window_(area, QSize(560, 320)), input_(window_.client()), text_(window_.client()) {
    text_.setMouseHandlers([&logic](int x, int y) { logic.onTextMouseDown(x, y); },
                           [&logic] { logic.onTextClick(); });
    // Enter and Ctrl+Enter both finish the line.
    input_.setKeyHandler([&logic](int code) {
        if (code != 13 && code != 10)
            return false;
        logic.onInputEnter();
        return true;
    });
    window_.setResizeHandler([&logic] { logic.onResize(); });
    window_.setActivateHandler([&logic] { logic.onActivated(); });
    window_.setCloseHandler([&logic] { logic.onClose(); });
}

} // namespace vz
