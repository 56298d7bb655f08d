// The status window: everything that belongs to no channel or conversation.
#include "windows/frm_status.h"

#include "windows/control_helpers.h"
#include "windows/input_keys.h"
#include "windows/window_host.h"

namespace vz {

namespace {

// The input line keeps the height it was designed with.
constexpr int InputLineHeight = 300;

const char* const StatusOnlyCommands = "Тут можна вводити лише команди, що починаються з /";

} // namespace

frmStatus::frmStatus(WindowHost& main) : main_(main) {}

StatusView& frmStatus::view() {
    if (!view_) {
        view_ = main_.platform().ui.createStatusView(*this);
        view_->text().setLineLimit(main_.globals().Scrollback);
    }
    return *view_;
}

void frmStatus::show() {
    const bool firstTime = !view_;
    view().window().show();
    if (firstTime)
        onFirstShown();
    window().activate();
}

TextView& frmStatus::rtfText() {
    return view().text();
}
LineEdit& frmStatus::txtIn() {
    return view().input();
}
ChildWindow& frmStatus::window() {
    return view().window();
}

void frmStatus::SetLang() {
    window().setTitle(main_.LangTextOr("Status", "Caption", "Status"));
}

void frmStatus::onFirstShown() {
    SetLang();
    layout();
}

void frmStatus::onResize() {
    layout();
}

void frmStatus::layout() {
    const TwipSize client = window().clientSize();
    const int textHeight = client.height - InputLineHeight;
    PlaceIfValid(rtfText(), TwipRect{0, 0, client.width, textHeight});
    PlaceIfValid(txtIn(), TwipRect{0, textHeight, window().outerWidth(), InputLineHeight});
}

void frmStatus::onActivated() {
    main_.platform().mainWindow.setMenuEnabled("mnuTopic", false);
    main_.setActiveChild(&rtfText());
    txtIn().focus();
}

void frmStatus::onDeactivated() {
    main_.childDeactivated(rtfText());
}

bool frmStatus::onInputKey(int character) {
    return HandleInputKey(main_.platform(), InputField::StatusLine, character, txtIn(),
                          [this] { onInputEnter(); });
}

// Only "/" commands can be typed here: a plain line has no one to go to.
void frmStatus::onInputEnter() {
    const std::string typed = TypedText(txtIn());
    if (!typed.empty() && typed[0] == '/')
        main_.SendData(main_.ParseCommand("", typed.substr(1)));
    else if (!typed.empty())
        main_.PutStatus(StatusOnlyCommands);
    txtIn().setText("");
}

} // namespace vz
