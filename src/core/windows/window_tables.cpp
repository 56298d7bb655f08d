// Where the channel and private windows are kept, found and reused.
#include "windows/window_tables.h"

#include "text/case_fold.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"
#include "windows/window_host.h"

namespace vz {

namespace {

// Text after the first "!" of a prefix, or the whole prefix without one.
std::string hostPart(const std::string& prefix) {
    const auto bang = prefix.find('!');
    return bang == std::string::npos ? prefix : prefix.substr(bang + 1);
}

template <typename Window, typename KeyOf>
int findSlot(const std::array<std::unique_ptr<Window>, WindowTables::Slots>& slots, int count,
             const std::string& name, KeyOf keyOf) {
    if (name.empty())
        return -1;
    const std::string wanted = foldCase(name);
    for (int slot = 1; slot <= count; ++slot) {
        const std::string& key = keyOf(*slots[slot - 1]);
        if (!key.empty() && foldCase(key) == wanted)
            return slot;
    }
    return -1;
}

// The first free slot, a new one, or -1 when all are taken.
template <typename Window, typename KeyOf>
int claimSlot(std::array<std::unique_ptr<Window>, WindowTables::Slots>& slots, int& count,
              WindowHost& main, KeyOf keyOf) {
    for (int slot = 1; slot <= count; ++slot)
        if (keyOf(*slots[slot - 1]).empty())
            return slot;
    if (count == WindowTables::Slots)
        return -1;
    ++count;
    slots[count - 1] = std::make_unique<Window>(main);
    return count;
}

const std::string& channelKey(const frmChat& w) {
    return w.strChannel;
}
const std::string& privatKey(const frmPrivat& w) {
    return w.strPrivNick;
}

} // namespace

WindowTables::WindowTables(WindowHost& main) : main_(main) {}
WindowTables::~WindowTables() = default;

int WindowTables::FindChannel(const std::string& name) const {
    return findSlot(channels_, channelCount_, name, channelKey);
}

frmChat* WindowTables::channelNamed(const std::string& name) {
    const int slot = FindChannel(name);
    return slot == -1 ? nullptr : channels_[slot - 1].get();
}

bool WindowTables::ChannelExists(const std::string& name) const {
    return FindChannel(name) != -1;
}

int WindowTables::OpenChannel(const std::string& name) {
    const int slot = claimSlot(channels_, channelCount_, main_, channelKey);
    if (slot == -1)
        return slot;
    channels_[slot - 1]->open(name, slot);
    channels_[slot - 1]->rtfText().setLineLimit(main_.globals().Scrollback);
    return slot;
}

int WindowTables::FindPrivat(const std::string& nick) const {
    return findSlot(privats_, privatCount_, nick, privatKey);
}

bool WindowTables::PrivatExists(const std::string& nick) const {
    return FindPrivat(nick) != -1;
}

int WindowTables::OpenPrivat(const std::string& nick, const std::string& prefix) {
    const int slot = claimSlot(privats_, privatCount_, main_, privatKey);
    if (slot == -1)
        return slot;
    privats_[slot - 1]->open(nick, hostPart(prefix), slot);
    privats_[slot - 1]->rtfText().setLineLimit(main_.globals().Scrollback);
    return slot;
}

void WindowTables::ShowPrivat(const std::string& nick) {
    int slot = FindPrivat(nick);
    if (slot == -1)
        slot = OpenPrivat(nick, UserOpenedPrefix);
    if (slot == -1)
        return;
    privats_[slot - 1]->window().activate();
    privats_[slot - 1]->txtIn().focus();
}

void WindowTables::closeConversations() {
    for (int slot = 1; slot <= channelCount_; ++slot) {
        frmChat& chat = *channels_[slot - 1];
        if (!chat.isOpen())
            continue;
        chat.closeWithoutPart();
    }
    for (int slot = 1; slot <= privatCount_; ++slot)
        if (privats_[slot - 1]->isOpen())
            privats_[slot - 1]->close();
}

frmChat& WindowTables::channel(int slot) {
    return *channels_.at(slot - 1);
}
frmPrivat& WindowTables::privat(int slot) {
    return *privats_.at(slot - 1);
}

} // namespace vz
