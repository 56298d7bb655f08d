// The channel window: topic, conversation, member list and input line.
#pragma once

#include "platform/window_views.h"
#include "windows/conversation.h"
#include "windows/membership.h"

#include <memory>
#include <string>
#include <vector>

namespace vz {

class WindowHost;

// A channel window: topic, conversation, member list and input line.
class frmChat : public ChatViewEvents {
public:
    explicit frmChat(WindowHost& main);

    // Public fields.
    std::string strChannel;
    std::string strKey;
    int intLimit = 0;
    // The slot number, or NoPartTag once the channel was left some other way
    // (kicked, disconnected), so closing sends no PART.
    std::string tag;
    static constexpr const char* NoPartTag = "NOPART";
    // The user may not edit the topic box: he lost operator status, or the
    // server sent the channel's topic.
    bool topicLocked = false;
    MemberEntries Users;
    std::vector<ModeEntry> Modes;

    // Builds the view on first use (laid out, language applied), resets it to
    // a fresh window and shows it.
    void open(const std::string& name, int slot);
    bool isOpen() const { return !strChannel.empty(); }

    ChildWindow& window();
    TextView& rtbTopic();
    TextView& rtfText();
    ListBox& lstUsers();
    LineEdit& txtIn();

    void PutText(const std::string& strNick, const std::string& strText);
    // Replaces the topic box's text by `topic` (without the writer's leading blank).
    void ShowTopic(const std::string& topic);
    void SetLang();
    // Closes the window (sends PART unless tagged NoPartTag) and frees the slot.
    void close();
    void closeWithoutPart();

    // Membership.
    void AddNick(const std::string& strNick);
    void RemoveNick(const std::string& strNick);
    void SetVoice(const std::string& strNick, bool bWhich);
    void SetOp(const std::string& strNick, bool bWhich);
    void SetHelper(const std::string& strNick, bool bWhich);
    void AddMode(const std::string& strMode, bool bPlus);
    void RemoveMode(const std::string& strMode);
    bool InChannel(const std::string& strNick) const;
    void ChangeNck(const std::string& strOldNick, const std::string& strNewNick);
    void RefreshTitle();

    // The input line's text is done: it is sent or run as a command.
    void onInputEnter();

    // Events forwarded by the view.
    void onResize() override;
    void onActivated() override;
    void onDeactivated() override;
    bool onInputKey(int character) override;
    bool onTopicKey(int character) override;
    void onTopicFocus() override;
    void onUserClick(int row) override;
    void onUserDoubleClick(int row) override;
    void onUserRightRelease() override;
    void onTextMouseDown(int xPixels, int yPixels) override;
    void onTextClick() override;
    void onClose() override;

private:
    void setUp();
    void resetViews();
    void layout();
    void setFlag(const std::string& strNick, bool UserEntry::*flag, bool bWhich);
    void addRow(const UserEntry& entry);
    // Whether a nick list row shows `nick` (case counts).
    bool isMember(const std::string& nick) const;
    // The text of a nick list row as shown; empty for no row.
    std::string rowText(int row) const;
    void removeRow(MemberRows::Id row);
    ChatView& view();

    WindowHost& main_;
    std::unique_ptr<ChatView> view_;
    std::string strUsersCount;
    // What the nick list shows, in its order; the view only mirrors it.
    MemberRows rows_;
    Conversation conversation_;
    // Where the conversation view was placed last; a skipped layout step
    // keeps the old place, and the later steps build on it.
    TwipRect textRect_;
};

} // namespace vz
