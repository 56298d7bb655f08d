// The program-wide values that every part of the logic reads.
#pragma once

#include "config/settings_values.h"
#include "platform/main_window_view.h"

#include <string>

namespace vz {

constexpr const char* SettingsFileName = "vuvivaz.ini";
constexpr const char* ProgramTitle = "VuviVAZ";

// Where the SASL sign-in of the current connection stands.
enum class SaslStep {
    Off,            // not asked for, finished or given up
    Listing,        // "CAP LS 302" sent, the capability list awaited
    Requested,      // "CAP REQ :sasl" sent
    Authenticating, // "AUTHENTICATE PLAIN" sent
};

// Program-wide values shared by every part of the logic.
struct Globals {
    // Filled from the settings file by LoadOptions.
    std::string Server;
    IrcPort ServerPort; // 1 to 65535, "+" for TLS
    std::string Nick;
    std::string Alternative;
    std::string FullName;
    std::string Email;
    // Sent as PASS at sign-on when not empty ([Last] Password); with a
    // SaslUser it goes to the SASL sign-in instead.
    std::string Password;
    // The SASL account ([Last] SaslUser); empty: no SASL sign-in.
    std::string SaslUser;
    std::string LangName;
    std::string LogChannels; // exactly one character
    std::string LogPrivats;  // exactly one character
    std::string ProgramName;
    // Lines a text view keeps ([Options] Scrollback; 0: no bound).
    int Scrollback = 5000;

    // Main window state.
    bool Connected = false;
    int ConnectTry = 1;
    // The arrangement that toolbar button 4 offers next.
    Arrangement ArrangeMode = Arrangement::TileHorizontal;

    // Kept up to date by the windows.
    std::string CurrentChannel;
    std::string CurrentPrivat;
    std::string SelectedNick;

    // True while a names listing asked for by the user is awaited.
    bool NamesRequested = false;
    SaslStep Sasl = SaslStep::Off;
    // The capability list being read names SASL PLAIN.
    bool SaslListed = false;
};

} // namespace vz
