// The channel window's member list and channel modes.
#include "windows/frm_chat.h"
#include "windows/window_host.h"

#include <algorithm>

namespace vz {

// A text that is empty once its status signs are gone names nobody.
void frmChat::AddNick(const std::string& strNick) {
    UserEntry member = ParseMember(strNick);
    if (member.strNick.empty())
        return;
    const auto entry = Users.append(std::move(member));
    addRow(Users.at(entry));
    RefreshTitle();
}

void frmChat::addRow(const UserEntry& entry) {
    std::string text = FormatNick(entry);
    lstUsers().addRow(text);
    rows_.append(std::move(text));
}

void frmChat::removeRow(MemberRows::Id row) {
    lstUsers().removeRow(static_cast<int>(rows_.positionOf(row)));
    rows_.erase(row);
}

void frmChat::RemoveNick(const std::string& strNick) {
    if (const auto entry = Users.findExact(strNick))
        Users.erase(*entry);
    if (const auto row = rows_.findExact(strNick))
        removeRow(*row);
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
    const auto entry = Users.findExact(strNick);
    if (entry) {
        UserEntry changed = Users.at(*entry);
        changed.*flag = bWhich;
        Users.replace(*entry, std::move(changed));
    }
    if (const auto row = rows_.findExact(strNick))
        removeRow(*row);
    if (entry)
        addRow(Users.at(*entry));
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
    return Users.findIgnoringCase(strNick).has_value();
}

// Renames in place: the member keeps his flags and his row position.
void frmChat::ChangeNck(const std::string& strOldNick, const std::string& strNewNick) {
    const auto entry = Users.findIgnoringCase(strOldNick);
    if (!entry)
        return;
    UserEntry renamed = Users.at(*entry);
    renamed.strNick = strNewNick;
    Users.replace(*entry, renamed);
    if (const auto row = rows_.findIgnoringCase(strOldNick)) {
        std::string text = FormatNick(renamed);
        lstUsers().setRow(static_cast<int>(rows_.positionOf(*row)), text);
        rows_.replace(*row, std::move(text));
    }
    main_.PutColorText(rtfText(), "03" + strOldNick + " перейменувався на " + strNewNick,
                       strChannel);
}

bool frmChat::isMember(const std::string& shownNick) const {
    return rows_.findExact(shownNick).has_value();
}

std::string frmChat::rowText(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return "";
    return rows_[static_cast<std::size_t>(row)];
}

void frmChat::RefreshTitle() {
    window().setTitle(strChannel + " - " + std::to_string(rows_.size()) + " " + strUsersCount);
}

} // namespace vz
