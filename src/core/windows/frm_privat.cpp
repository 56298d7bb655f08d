#include "windows/frm_privat.h"

#include "app/frm_main.h"

namespace vz {

frmPrivat::frmPrivat(frmMain& main) : main_(main) {}

PrivatView& frmPrivat::view() {
    if (!view_)
        view_ = main_.platform().ui.createPrivatView(*this);
    return *view_;
}

void frmPrivat::open(const std::string& nick, const std::string& host, int slot) {
    strPrivNick = nick;
    strPrivHost = host;
    tag = std::to_string(slot);
    view().window().setTitle(nick);
    view().window().show();
}

ChildWindow& frmPrivat::window() { return view().window(); }
TextView& frmPrivat::rtfText() { return view().text(); }
LineEdit& frmPrivat::txtIn() { return view().input(); }

void frmPrivat::PutText(const std::string&, std::string) {}
void frmPrivat::SetLang() {}
void frmPrivat::close() {
    strPrivNick.clear();
    view().window().setTitle("");
    view().window().hide();
}
void frmPrivat::layout() {}
void frmPrivat::onResize() {}
void frmPrivat::onActivated() {}
void frmPrivat::onInputEnter() {}
void frmPrivat::onTextMouseDown(int, int) {}
void frmPrivat::onTextClick() {}
void frmPrivat::onClose() { close(); }

} // namespace vz
