#include "windows/frm_status.h"

#include "app/frm_main.h"

namespace vz {

frmStatus::frmStatus(frmMain& main) : main_(main) {}

StatusView& frmStatus::view() {
    if (!view_)
        view_ = main_.platform().ui.createStatusView(*this);
    return *view_;
}

void frmStatus::show() { view().window().show(); }
TextView& frmStatus::rtfText() { return view().text(); }
LineEdit& frmStatus::txtIn() { return view().input(); }
ChildWindow& frmStatus::window() { return view().window(); }

void frmStatus::SetLang() {}
void frmStatus::onFirstShown() {}
void frmStatus::onResize() {}
void frmStatus::onActivated() {}
void frmStatus::onInputEnter() {}
void frmStatus::layout() {}

} // namespace vz
