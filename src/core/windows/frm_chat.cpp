#include "windows/frm_chat.h"

#include "app/frm_main.h"
#include "app/version.h"
#include "text/utf8.h"
#include "windows/frm_privat.h"
#include "windows/word_under_pointer.h"

namespace vz {

namespace {

// Layout in twips.
constexpr int ListWidth = 1455;
constexpr int TextTop = 310;
constexpr int TextHeightLess = 615;
constexpr int InputGap = 330;
constexpr int InputHeight = 285; // the input line's designed height
constexpr int ListHeightLess = 285;
constexpr int TopicHeight = 300;

const char* const TopicPlaceholder = "TOPIC:";
const char* const Locked = "locked";
const char* const NoPart = "NOPART";

constexpr int KeyEnter = 13;
constexpr int KeyCtrlL = 12;
constexpr int KeyCtrlR = 18;
constexpr int KeyCtrlS = 19;

const char* const ActionMark = "\x01"
                               "ACTION ";
const char* const VersionRequest = "\x01VERSION\x01";

// Places `control` unless the rectangle has a negative size.
bool placeIfValid(Control& control, const TwipRect& rect) {
    if (rect.width < 0 || rect.height < 0)
        return false;
    control.place(rect);
    return true;
}

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

frmChat::frmChat(frmMain& main) : main_(main) {}

ChatView& frmChat::view() {
    if (!view_)
        view_ = main_.platform().ui.createChatView(*this);
    return *view_;
}

void frmChat::open(const std::string& name, int slot) {
    const bool firstUse = !view_;
    strChannel = name;
    resetViews();
    if (firstUse)
        setUp();
    tag = std::to_string(slot);
    window().setTitle(name);
    window().show();
}

void frmChat::setUp() {
    layout();
    SetLang();
}

// A window reused from a free slot starts like a new one.
void frmChat::resetViews() {
    Users.clear();
    Modes.clear();
    strKey.clear();
    intLimit = 0;
    topicTag.clear();
    strHoverWord.clear();
    rtbTopic().clear();
    rtbTopic().appendLine({TextRun{TopicPlaceholder, {}}});
    rtfText().clear();
    lstUsers().clear();
    txtIn().setText("");
}

ChildWindow& frmChat::window() {
    return view().window();
}
TextView& frmChat::rtbTopic() {
    return view().topic();
}
TextView& frmChat::rtfText() {
    return view().text();
}
ListBox& frmChat::lstUsers() {
    return view().users();
}
LineEdit& frmChat::txtIn() {
    return view().input();
}

void frmChat::PutText(const std::string& strNick, std::string strText) {
    if (utf8::left(strText, 8) == ActionMark) {
        strText = utf8::dropLast(utf8::substr(strText, 8));
        main_.PutColorText(rtfText(), "06" + strNick + " " + strText, strChannel);
    } else if (utf8::left(strText, 9) == VersionRequest) {
        if (main_.replyLimiter().tryTake())
            main_.SendData("NOTICE " + strNick + " :\x01VERSION VuviVAZ v" + VersionText() +
                           " for Windows9x, 2000, XP\x01");
    } else {
        const std::string line = "\x02" + strNick + "\x02\x1F:\x1F \t" + strText;
        main_.PutColorText(rtfText(), trimBlanks(line), strChannel);
    }
}

void frmChat::SetLang() {
    strUsersCount = main_.LangText("Chat", "strUsersCount");
    RefreshTitle();
}

void frmChat::close() {
    if (!isOpen())
        return;
    if (tag != NoPart)
        main_.SendData("PART " + strChannel);
    strChannel.clear();
    window().hide();
}

void frmChat::layout() {
    const TwipSize client = window().clientSize();
    const TwipRect text{0, TextTop, client.width - ListWidth, client.height - TextHeightLess};
    if (placeIfValid(rtfText(), text))
        textRect_ = text;
    placeIfValid(txtIn(),
                 TwipRect{0, textRect_.height + InputGap, window().outerWidth(), InputHeight});
    placeIfValid(lstUsers(),
                 TwipRect{textRect_.width, 0, ListWidth, client.height - ListHeightLess});
    placeIfValid(rtbTopic(), TwipRect{0, 0, client.width - ListWidth, TopicHeight});
}

void frmChat::onResize() {
    layout();
}

void frmChat::onActivated() {
    main_.mainWindow().setMenuEnabled("mnuTopic", true);
    main_.globals().CurrentChannel = strChannel;
    main_.setActiveChild(&rtfText());
    txtIn().focus();
}

void frmChat::onInputEnter() {
    const std::string text = txtIn().text();
    if (text.rfind('/', 0) == 0) {
        txtIn().setText("");
        main_.SendData(main_.ParseCommand(strChannel, text.substr(1)));
        return;
    }
    sendTypedLine(text);
}

void frmChat::sendTypedLine(const std::string& text) {
    main_.SendData("PRIVMSG " + strChannel + " :" + text);
    main_.PutColorText(rtfText(), "\x02" + main_.globals().Nick + "\x02\x1F:\x1F\t" + text,
                       strChannel);
    txtIn().setText("");
}

bool frmChat::onTopicKey(int character) {
    if (topicTag == Locked)
        return true;
    switch (character) {
    case KeyEnter:
        main_.SendData("TOPIC " + strChannel + " :" + rtbTopic().text());
        return true;
    case KeyCtrlR:
    case KeyCtrlL:
    case KeyCtrlS:
        return true;
    default:
        return false;
    }
}

void frmChat::onTopicFocus() {
    if (rtbTopic().text() == TopicPlaceholder)
        rtbTopic().clear();
}

void frmChat::onUserClick(int row) {
    Globals& globals = main_.globals();
    globals.SelectedNick = lstUsers().row(row);
    lstUsers().setToolTip(globals.SelectedNick);
}

void frmChat::onUserDoubleClick(int row) {
    Globals& globals = main_.globals();
    if (row >= 0 && row < lstUsers().count())
        globals.SelectedNick = lstUsers().row(row);
    globals.SelectedNick = StripPrefix(globals.SelectedNick);
    if (!globals.SelectedNick.empty())
        main_.tables().ShowPrivat(globals.SelectedNick);
}

void frmChat::onUserRightRelease() {
    if (!main_.globals().SelectedNick.empty())
        view().popUpUserMenu();
}

// The pointer shows over a word that names a member (case counts).
void frmChat::onTextMouseDown(int xPixels, int yPixels) {
    strHoverWord = WordAt(rtfText().text(), rtfText().charIndexAt(xPixels, yPixels));
    if (strHoverWord.empty()) {
        rtfText().setCustomPointer(false);
        return;
    }
    for (int row = 0; row < lstUsers().count(); ++row) {
        if (StripPrefix(lstUsers().row(row)) == strHoverWord) {
            rtfText().setCustomPointer(true);
            return;
        }
        rtfText().setCustomPointer(false);
    }
}

void frmChat::onTextClick() {
    const std::string text = txtIn().text() + " " + strHoverWord + ", ";
    txtIn().setText(text);
    txtIn().setCaret(static_cast<int>(utf8::length(text)));
    txtIn().focus();
}

void frmChat::onClose() {
    close();
}

} // namespace vz
