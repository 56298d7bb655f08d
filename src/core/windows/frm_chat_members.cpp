// The channel window's member list and channel modes.
#include "text/case_fold.h"
#include "windows/frm_chat.h"
#include "windows/window_host.h"

#include <algorithm>

namespace vz {

namespace {

// Index of the first nick list row whose text without prefix matches, or -1.
template <typename Matches> int findRow(ListBox& list, Matches matches) {
    for (int row = 0; row < list.count(); ++row)
        if (matches(StripPrefix(list.row(row))))
            return row;
    return -1;
}

int findExactRow(ListBox& list, const std::string& nick) {
    return findRow(list, [&](const std::string& text) { return text == nick; });
}

} // namespace

void frmChat::AddNick(const std::string& strNick) {
    if (strNick.empty())
        return;
    Users.push_back(ParseMember(strNick));
    lstUsers().addRow(FormatNick(Users.back()));
    RefreshTitle();
}

void frmChat::RemoveNick(const std::string& strNick) {
    const auto entry = std::find_if(Users.begin(), Users.end(),
                                    [&](const UserEntry& user) { return user.strNick == strNick; });
    if (entry != Users.end())
        Users.erase(entry);
    const int row = findExactRow(lstUsers(), strNick);
    if (row != -1)
        lstUsers().removeRow(row);
    RefreshTitle();
}

void frmChat::SetVoice(const std::string& strNick, bool bWhich) {
    setFlag(strNick, &UserEntry::bVoice, bWhich);
}

void frmChat::SetOp(const std::string& strNick, bool bWhich) {
    setFlag(strNick, &UserEntry::bOp, bWhich);
}

void frmChat::SetHelper(const std::string& strNick, bool bWhich) {
    setFlag(strNick, &UserEntry::bHelper, bWhich);
}

// A change of status moves the member's row to the end of the list.
void frmChat::setFlag(const std::string& strNick, bool UserEntry::*flag, bool bWhich) {
    const auto entry = std::find_if(Users.begin(), Users.end(),
                                    [&](const UserEntry& user) { return user.strNick == strNick; });
    if (entry != Users.end())
        (*entry).*flag = bWhich;
    const int row = findExactRow(lstUsers(), strNick);
    if (row != -1)
        lstUsers().removeRow(row);
    if (entry != Users.end())
        lstUsers().addRow(FormatNick(*entry));
}

void frmChat::AddMode(const std::string& strMode, bool) {
    const bool known = std::any_of(Modes.begin(), Modes.end(),
                                   [&](const ModeEntry& mode) { return mode.strMode == strMode; });
    if (!known)
        Modes.push_back(ModeEntry{strMode, true});
}

void frmChat::RemoveMode(const std::string& strMode) {
    const auto entry = std::find_if(Modes.begin(), Modes.end(),
                                    [&](const ModeEntry& mode) { return mode.strMode == strMode; });
    if (entry != Modes.end())
        Modes.erase(entry);
}

bool frmChat::InChannel(const std::string& strNick) const {
    return std::any_of(Users.begin(), Users.end(), [&](const UserEntry& user) {
        return equalsIgnoreCase(user.strNick, strNick);
    });
}

// Renames in place: the member keeps his flags and his row position.
void frmChat::ChangeNck(const std::string& strOldNick, const std::string& strNewNick) {
    const auto entry = std::find_if(Users.begin(), Users.end(), [&](const UserEntry& user) {
        return equalsIgnoreCase(user.strNick, strOldNick);
    });
    if (entry == Users.end())
        return;
    entry->strNick = strNewNick;
    const int row = findRow(
        lstUsers(), [&](const std::string& text) { return equalsIgnoreCase(text, strOldNick); });
    if (row != -1)
        lstUsers().setRow(row, FormatNick(*entry));
    main_.PutColorText(rtfText(), "03" + strOldNick + " перейменувався на " + strNewNick,
                       strChannel);
}

void frmChat::RefreshTitle() {
    window().setTitle(strChannel + " - " + std::to_string(lstUsers().count()) + " " +
                      strUsersCount);
}

} // namespace vz
