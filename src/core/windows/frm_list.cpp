// The list window: channel lists, WHOIS answers and names listings.
#include "windows/frm_list.h"

#include "text/utf8.h"
#include "text/words.h"
#include "windows/control_helpers.h"
#include "windows/frm_chat.h"
#include "windows/window_host.h"
#include "windows/window_tables.h"

namespace vz {

frmList::frmList(WindowHost& main) : main_(main) {}

// The window is made on first use and set up then: empty and laid out.
ListWindowView& frmList::view() {
    if (!view_) {
        view_ = main_.platform().ui.createListView(*this);
        layout();
        openEmpty();
    }
    return *view_;
}

void frmList::openEmpty() {
    view().list().clear();
    intCount = 0;
}

void frmList::show() {
    view().window().show();
    view().window().activate();
}
void frmList::close() {
    if (!view_)
        return;
    openEmpty();
    view_->window().hide();
}

ChildWindow& frmList::window() {
    return view().window();
}
ListBox& frmList::lstList() {
    return view().list();
}

void frmList::setRow(int row, const std::string& text) {
    ListBox& list = lstList();
    if (row == list.count())
        list.addRow(text);
    else if (row >= 0 && row < list.count())
        list.setRow(row, text);
}

void frmList::ShowInList(const std::string& strText, int intRow, Kind kind) {
    setRow(intRow, strText);
    intCount = intRow + 1;
    if (kind == Kind::List) {
        window().setTitle(listCaption());
    } else if (kind == Kind::Whois) {
        std::string nick;
        std::string after;
        SplitAtFirst(strText, ' ', nick, after);
        window().setTitle(main_.LangText("List", "Caption2") + " " + nick + ":");
    } else if (kind == Kind::Names) {
        writeNames(strText, intRow);
    }
}

// "<rows> <Caption1> <server> [<date>; <time>]".
std::string frmList::listCaption() {
    const LocaleFormat& locale = main_.platform().locale;
    return std::to_string(intCount) + " " + main_.LangText("List", "Caption1") + " " +
           main_.globals().Server + " [" + locale.shortDate() + "; " + locale.timeOfDay() + "]";
}

// One row per name, "<channel> <name>", starting at `intRow`.
void frmList::writeNames(const std::string& strText, int intRow) {
    std::string channel;
    std::string names;
    SplitAtFirst(strText, ' ', channel, names);
    window().setTitle(main_.LangText("List", "Caption3") + " " + channel + ":");
    std::vector<std::string> items = SplitAll(names, ' ');
    // A blank at the end (as servers send) starts no further name.
    if (items.back().empty())
        items.pop_back();
    for (const std::string& name : items)
        setRow(intRow++, channel + " " + name);
}

std::string frmList::LoadChannel(const std::string& str) {
    std::vector<std::string> characters = utf8::split(str);
    if (!characters.empty())
        characters.pop_back();
    std::string result;
    bool inName = false;
    for (const std::string& c : characters) {
        if (c == "#")
            inName = true;
        if (c == " ")
            inName = false;
        if (inName)
            result += c;
    }
    return result;
}

void frmList::layout() {
    const TwipSize client = window().clientSize();
    PlaceIfValid(lstList(), TwipRect{0, 0, client.width, client.height});
}

void frmList::onResize() {
    layout();
}

// The list window has no text view: notices then go to the status window.
void frmList::onActivated() {
    main_.setActiveChild(nullptr);
}

void frmList::onClick(int row) {
    strListChannel = LoadChannel(lstList().row(row));
}

void frmList::onDoubleClick(int row) {
    onClick(row);
    if (frmChat* chat = main_.tables().channelNamed(strListChannel)) {
        chat->window().activate();
        return;
    }
    main_.SendData(main_.ParseCommand("", "join " + strListChannel));
}

void frmList::onClose() {
    close();
}

} // namespace vz
