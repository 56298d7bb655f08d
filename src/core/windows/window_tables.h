// Where the channel and private windows are kept, found and reused.
#pragma once

#include <array>
#include <memory>
#include <string>

namespace vz {

class WindowHost;
class frmChat;
class frmPrivat;

// The prefix of a private window the user opens: there is no message to take
// the partner's host from.
constexpr const char* UserOpenedPrefix = "Vorn";

// The channel and private window tables: 30 slots each, numbered 1 to 30.
// A closed window stays in its slot with an empty key and is reused.
class WindowTables {
public:
    static constexpr int Slots = 30;

    explicit WindowTables(WindowHost& main);
    ~WindowTables();

    // Lowest slot whose key equals `name` ignoring case, or -1.
    int FindChannel(const std::string& name) const;
    bool ChannelExists(const std::string& name) const;
    // The open channel window of that name, or nullptr.
    frmChat* channelNamed(const std::string& name);
    // A free or new slot for the channel, or -1 when all 30 are taken.
    int OpenChannel(const std::string& name);

    int FindPrivat(const std::string& nick) const;
    bool PrivatExists(const std::string& nick) const;
    int OpenPrivat(const std::string& nick, const std::string& prefix);
    // Brings the nick's open private window forward, or opens one for it
    // (prefix UserOpenedPrefix), with the focus in its input line.
    void ShowPrivat(const std::string& nick);

    // Closes every channel window without a PART line, then every private window.
    void closeConversations();

    int ChannelCount() const { return channelCount_; }
    int PrivatCount() const { return privatCount_; }
    // Slots 1 to ChannelCount / PrivatCount.
    frmChat& channel(int slot);
    frmPrivat& privat(int slot);

private:
    WindowHost& main_;
    std::array<std::unique_ptr<frmChat>, Slots> channels_;
    std::array<std::unique_ptr<frmPrivat>, Slots> privats_;
    int channelCount_ = 0;
    int privatCount_ = 0;
};

} // namespace vz
