#pragma once

#include "platform/certificate_view.h"
#include "platform/controls.h"
#include "platform/favourites_view.h"
#include "platform/prompt_view.h"
#include "platform/window_views.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vz::fake {

class FakeTextView : public TextView {
public:
    void place(const TwipRect& rect) override { placed = rect; }
    void appendLine(const std::vector<TextRun>& runs) override {
        lines.push_back(runs);
        if (whileAppending)
            whileAppending();
    }
    std::string text() const override;
    void clear() override { lines.clear(); }
    void deleteRange(int start, int length) override;
    void setCaret(int index) override { caret = index; }
    int charIndexAt(int x, int y) const override {
        return charAtPixel.count({x, y}) > 0 ? charAtPixel.at({x, y}) : -1;
    }
    void setCustomPointer(bool custom) override { customPointer = custom; }
    void setLineLimit(int maxLines) override { lineLimit = maxLines; }

    // Plain text of line i (runs joined), leading blank included.
    std::string lineText(std::size_t i) const {
        std::string out;
        for (const TextRun& run : lines.at(i))
            out += run.text;
        return out;
    }
    // Plain text of the last line; "" when there is none.
    std::string lastLine() const { return lines.empty() ? "" : lineText(lines.size() - 1); }
    // Every line's plain text.
    std::vector<std::string> lineTexts() const;

    std::vector<std::vector<TextRun>> lines;
    TwipRect placed;
    bool customPointer = false;
    int caret = -1; // where setCaret put the caret; -1 before any call
    int lineLimit = 0;
    // Tests name the character under a pixel: key is {x, y}.
    std::map<std::pair<int, int>, int> charAtPixel;
    // Runs after each appended line: a view that lets events run meanwhile.
    std::function<void()> whileAppending;
};

class FakeLineEdit : public LineEdit {
public:
    void place(const TwipRect& rect) override { placed = rect; }
    std::string text() const override { return value; }
    void setText(const std::string& text) override { value = text; }
    void setCaret(int index) override { caret = index; }
    void focus() override { ++focusCount; }

    std::string value;
    int caret = 0, focusCount = 0;
    TwipRect placed;
};

class FakeListBox : public ListBox {
public:
    void place(const TwipRect& rect) override { placed = rect; }
    int count() const override { return static_cast<int>(rows.size()); }
    std::string row(int index) const override {
        return index >= 0 && index < count() ? rows[index] : std::string();
    }
    void addRow(const std::string& text) override { rows.push_back(text); }
    void setRow(int index, const std::string& text) override {
        if (index == count())
            rows.push_back(text);
        else if (index >= 0 && index < count())
            rows[index] = text;
    }
    void removeRow(int index) override {
        if (index >= 0 && index < count())
            rows.erase(rows.begin() + index);
    }
    void clear() override { rows.clear(), selected = -1; }
    void setToolTip(const std::string& text) override { toolTip = text; }
    int selectedIndex() const override { return selected; }

    std::vector<std::string> rows;
    int selected = -1;
    std::string toolTip;
    TwipRect placed;
};

class FakeChildWindow : public ChildWindow {
public:
    void setTitle(const std::string& text) override { titleText = text; }
    std::string title() const override { return titleText; }
    void show() override { visible = true; }
    void hide() override { visible = false; }
    bool isVisible() const override { return visible; }
    void activate() override { ++activations; }
    TwipSize clientSize() const override { return client; }
    int outerWidth() const override { return outer; }

    std::string titleText;
    bool visible = false;
    int activations = 0, outer = 9120;
    TwipSize client{9000, 6000};
};

// A window made of a conversation text and an input line, behind the view
// interface `View` (the status window and private windows).
template <class View> class FakeConversationView : public View {
public:
    ChildWindow& window() override { return win; }
    TextView& text() override { return textView; }
    LineEdit& input() override { return inputLine; }

    FakeChildWindow win;
    FakeTextView textView;
    FakeLineEdit inputLine;
};

using FakeStatusView = FakeConversationView<StatusView>;
using FakePrivatView = FakeConversationView<PrivatView>;

struct FakeChatView : FakeConversationView<ChatView> {
    TextView& topic() override { return topicView; }
    ListBox& users() override { return userList; }
    void popUpUserMenu() override { ++userMenuPopUps; }
    FakeTextView topicView;
    FakeListBox userList;
    int userMenuPopUps = 0;
};

class FakeListWindowView : public ListWindowView {
public:
    ChildWindow& window() override { return win; }
    ListBox& list() override { return listBox; }

    FakeChildWindow win;
    FakeListBox listBox;
};

// A view shown without a modal flag, counting its showings.
template <class View> struct FakeShown : View {
    void show() override { visible = true, ++shows; }
    void close() override { visible = false; }
    bool visible = false;
    int shows = 0;
};

struct FakePromptView : FakeShown<PromptView> {
    void setLabel(const std::string& text) override { captions["label"] = text; }
    void setOkCaption(const std::string& text) override { captions["ok"] = text; }
    void setCancelCaption(const std::string& text) override { captions["cancel"] = text; }
    LineEdit& field() override { return fieldLine; }
    FakeLineEdit fieldLine;
    std::map<std::string, std::string> captions;
};

class FakeCheckBox : public CheckBox {
public:
    bool isChecked() const override { return checked; }
    void setChecked(bool on) override { checked = on; }
    bool checked = false;
};

// A dialog view that keeps its captions and whether each showing was modal;
// it runs `whenShown` at every showing.
template <class View> struct FakeDialog : View {
    void setCaption(const std::string& name, const std::string& text) override {
        captions[name] = text;
    }
    void show(bool modal) override {
        visible = true;
        shows.push_back(modal);
        if (whenShown)
            whenShown();
    }
    void close() override { visible = false; }

    std::map<std::string, std::string> captions;
    std::vector<bool> shows;
    std::function<void()> whenShown;
    bool visible = false;
};

struct FakeFavouritesView : FakeDialog<FavouritesView> {
    ListBox& entries() override { return list; }
    LineEdit& selectedChannel() override { return selectedLine; }
    LineEdit& typedChannel() override { return typedLine; }
    CheckBox& openAfterConnecting() override { return check; }
    FakeListBox list;
    FakeLineEdit selectedLine, typedLine;
    FakeCheckBox check;
};

struct FakeChannelEditorView : FakeDialog<ChannelEditorView> {
    LineEdit& channel() override { return channelLine; }
    LineEdit& description() override { return descriptionLine; }
    FakeLineEdit channelLine, descriptionLine;
};

struct FakeCertificateView : FakeShown<CertificateView> {
    void setCaption(const std::string& c, const std::string& t) override { captions[c] = t; }
    void setDetails(const std::string& server, const std::string& reason,
                    const std::string& fingerprint) override {
        details = server + " | " + reason + " | " + fingerprint;
    }
    std::map<std::string, std::string> captions;
    std::string details;
};

} // namespace vz::fake
