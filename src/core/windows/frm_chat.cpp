// The channel window: topic, conversation, member list and input line.
#include "windows/frm_chat.h"

#include "text/typed_line.h"
#include "text/utf8.h"
#include "windows/control_helpers.h"
#include "windows/input_keys.h"
#include "windows/window_host.h"
#include "windows/window_tables.h"

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

} // namespace

frmChat::frmChat(WindowHost& main)
    : main_(main),
      conversation_(main, VersionAnswer::ChannelWindow, Conversation::EmptyInput::BeforeCommand) {}

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
    topicLocked = false;
    conversation_.forgetHoverWord();
    rtbTopic().clear();
    rtbTopic().appendLine({TextRun{TopicPlaceholder, {}}});
    rtfText().clear();
    rtfText().setCustomPointer(false);
    lstUsers().clear();
    rows_.clear();
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

void frmChat::PutText(const std::string& strNick, const std::string& strText) {
    conversation_.PutText(rtfText(), strNick, strNick, strText, strChannel);
}

void frmChat::ShowTopic(const std::string& topic) {
    TextView& topicView = rtbTopic();
    topicView.clear();
    main_.PutColorText(topicView, topic, "");
    topicView.deleteRange(0, 1);
}

void frmChat::SetLang() {
    strUsersCount = main_.LangText("Chat", "strUsersCount");
    RefreshTitle();
}

void frmChat::close() {
    if (!isOpen())
        return;
    if (tag != NoPartTag)
        main_.SendData("PART " + strChannel);
    main_.closeLog(strChannel);
    strChannel.clear();
    window().hide();
    onDeactivated();
}

void frmChat::closeWithoutPart() {
    tag = NoPartTag;
    close();
}

void frmChat::layout() {
    const TwipSize client = window().clientSize();
    const TwipRect text{0, TextTop, client.width - ListWidth, client.height - TextHeightLess};
    if (PlaceIfValid(rtfText(), text))
        textRect_ = text;
    PlaceIfValid(txtIn(),
                 TwipRect{0, textRect_.height + InputGap, window().outerWidth(), InputHeight});
    PlaceIfValid(lstUsers(),
                 TwipRect{textRect_.width, 0, ListWidth, client.height - ListHeightLess});
    PlaceIfValid(rtbTopic(), TwipRect{0, 0, client.width - ListWidth, TopicHeight});
}

void frmChat::onResize() {
    layout();
}

void frmChat::onActivated() {
    main_.platform().mainWindow.setMenuEnabled("mnuTopic", true);
    main_.globals().CurrentChannel = strChannel;
    main_.setActiveChild(&rtfText());
    txtIn().focus();
}

void frmChat::onDeactivated() {
    main_.childDeactivated(rtfText());
}

bool frmChat::onInputKey(int character) {
    return HandleInputKey(main_.platform(), InputField::ChannelLine, character, txtIn(),
                          [this] { onInputEnter(); });
}

void frmChat::onInputEnter() {
    conversation_.onInputEnter(txtIn(), rtfText(), strChannel);
}

// The topic box: Enter sends it, the conversion keys rewrite it; while the
// topic is locked every key is swallowed.
bool frmChat::onTopicKey(int character) {
    if (topicLocked)
        return true;
    const KeyAction action = InputKeyAction(InputField::TopicBox, character);
    TextView& topic = rtbTopic();
    if (action == KeyAction::Finish) {
        main_.SendData("TOPIC " + strChannel + " :" + BlanksForLineBreaks(topic.text()));
    } else if (action != KeyAction::Type) {
        const std::string converted = ConvertTyped(main_.platform(), action, topic.text());
        topic.clear();
        topic.appendLine({TextRun{converted, {}}});
        topic.setCaret(static_cast<int>(utf8::length(converted)));
    }
    return action != KeyAction::Type;
}

void frmChat::onTopicFocus() {
    if (rtbTopic().text() == TopicPlaceholder)
        rtbTopic().clear();
}

void frmChat::onUserClick(int row) {
    Globals& globals = main_.globals();
    globals.SelectedNick = rowText(row);
    lstUsers().setToolTip(globals.SelectedNick);
}

void frmChat::onUserDoubleClick(int row) {
    Globals& globals = main_.globals();
    if (row >= 0 && static_cast<std::size_t>(row) < rows_.size())
        globals.SelectedNick = rowText(row);
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
    const std::string& word = conversation_.hoverAt(rtfText(), xPixels, yPixels);
    rtfText().setCustomPointer(!word.empty() && isMember(word));
}

void frmChat::onTextClick() {
    conversation_.addressHoverWord(txtIn());
}

void frmChat::onClose() {
    close();
}

} // namespace vz
