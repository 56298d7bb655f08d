// Channel members and modes, and how the nick list writes a member.
#pragma once

#include "windows/first_match_list.h"

#include <string>

namespace vz {

struct UserEntry {
    std::string strNick; // without prefix characters
    bool bOp = false;
    bool bVoice = false;
    bool bHelper = false;
};

struct ModeEntry {
    std::string strMode;
    bool bSet = true;
};

// The nick list row of a member: "@" over "%" over "+", then the nick.
std::string FormatNick(const UserEntry& entry);
// `text` without any "@", "%" or "+".
std::string StripPrefix(const std::string& text);
// A member as a names reply lists it ("@+bob"): every "%", "+" and "@"
// anywhere in the text sets its flag and is removed from the nick.
UserEntry ParseMember(const std::string& text);
// Whether `nick` can be a member: not empty and without "@", "%" or "+",
// which the nick list reads as status signs.
bool IsMemberNick(const std::string& nick);
inline std::string NickOf(const UserEntry& entry) {
    return entry.strNick;
}

// The members of a channel, found by nick.
using MemberEntries = FirstMatchList<UserEntry, NickOf>;
// The nick list's rows, found by their text without prefix.
using MemberRows = FirstMatchList<std::string, StripPrefix>;

} // namespace vz
