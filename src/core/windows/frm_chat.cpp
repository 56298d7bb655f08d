#include "windows/frm_chat.h"

#include "app/frm_main.h"

namespace vz {

frmChat::frmChat(frmMain& main) : main_(main) {}

ChatView& frmChat::view() {
    if (!view_)
        view_ = main_.platform().ui.createChatView(*this);
    return *view_;
}

void frmChat::open(const std::string& name, int slot) {
    strChannel = name;
    tag = std::to_string(slot);
    view().window().setTitle(name);
    view().window().show();
}

ChildWindow& frmChat::window() { return view().window(); }
TextView& frmChat::rtbTopic() { return view().topic(); }
TextView& frmChat::rtfText() { return view().text(); }
ListBox& frmChat::lstUsers() { return view().users(); }
LineEdit& frmChat::txtIn() { return view().input(); }

void frmChat::PutText(const std::string&, std::string) {}
void frmChat::SetLang() {}
void frmChat::close() {
    strChannel.clear();
    view().window().hide();
}
void frmChat::layout() {}
void frmChat::onResize() {}
void frmChat::onActivated() {}
void frmChat::onInputEnter() {}
bool frmChat::onTopicKey(int) { return false; }
void frmChat::onTopicFocus() {}
void frmChat::onUserClick(int) {}
void frmChat::onUserDoubleClick(int) {}
void frmChat::onUserRightRelease() {}
void frmChat::onTextMouseDown(int, int) {}
void frmChat::onTextClick() {}
void frmChat::onClose() { close(); }

} // namespace vz
