#include "windows/frm_list.h"

#include "app/frm_main.h"

namespace vz {

frmList::frmList(frmMain& main) : main_(main) {}

ListWindowView& frmList::view() {
    if (!view_)
        view_ = main_.platform().ui.createListView(*this);
    return *view_;
}

void frmList::openEmpty() {
    view().list().clear();
    intCount = 0;
}
void frmList::show() { view().window().show(); }
ChildWindow& frmList::window() { return view().window(); }
ListBox& frmList::lstList() { return view().list(); }

void frmList::ShowInList(const std::string&, int&, const std::string&) {}
std::string frmList::LoadChannel(const std::string&) { return {}; }

void frmList::layout() {}
void frmList::onResize() {}
void frmList::onActivated() {}
void frmList::onClick(int) {}
void frmList::onDoubleClick(int) {}
void frmList::onClose() {
    if (view_)
        view_->list().clear();
}

} // namespace vz
