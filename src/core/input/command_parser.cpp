// The slash commands the user can type.
#include "input/command_parser.h"

#include "config/ini_store.h"
#include "config/settings_values.h"
#include "input/identifiers.h"
#include "interpret/protocol_host.h"
#include "text/case_fold.h"
#include "text/control_codes.h"
#include "text/utf8.h"
#include "text/words.h"
#include "windows/frm_chat.h"
#include "windows/window_tables.h"

namespace vz {

namespace {

constexpr int JoinPacingMs = 800;

// One command being parsed.
struct Command {
    ProtocolHost& main;
    std::string target;             // a copy: events run while the command is parsed
    std::string word;               // the command word as typed
    std::string rawRest;            // the text after it, before expansion
    std::vector<std::string> words; // expanded, numbered from 1

    const std::string& word1() const {
        static const std::string none;
        return words.size() > 1 ? words[1] : none;
    }
    std::string from(int first) const { return GetWords(words, first, -1); }
};

// The port text without the blanks around it, read as a port.
PortReading readTypedPort(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return ReadPort(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// A port text that is no number falls back to [Last] Port; a number outside
// 1 to 65535 leaves the port as it was.
void setServerPort(ProtocolHost& main, const std::string& portText) {
    PortReading reading = readTypedPort(portText);
    if (!reading.isNumber)
        reading = readTypedPort(main.SettingsIni().Value("Last", "Port"));
    if (reading.port)
        main.globals().ServerPort = *reading.port;
}

std::string msgCommand(Command& c) {
    return "PRIVMSG " + c.word1() + " :" + c.from(2);
}

std::string meCommand(Command& c) {
    return "PRIVMSG " + c.target + " :" + CtcpMark + "ACTION " + c.from(1) + CtcpMark;
}

std::string quitCommand(Command& c) {
    return "QUIT :" + c.from(1);
}
std::string noticeCommand(Command& c) {
    return "NOTICE " + c.word1() + " :" + c.from(2);
}
std::string rawCommand(Command& c) {
    return c.from(1);
}
std::string nickCommand(Command& c) {
    return "NICK " + c.word1();
}
std::string idCommand(Command& c) {
    return "PRIVMSG NickServ :IDENTIFY " + c.word1();
}

// Closing the channel's window sends its own PART first.
std::string partCommand(Command& c) {
    if (frmChat* chat = c.main.tables().channelNamed(c.word1()))
        chat->close();
    const std::string reason = c.from(2);
    return "PART " + c.word1() + (reason.empty() ? "" : " :" + reason);
}

std::string serverCommand(Command& c) {
    c.main.link().DisconnectToIRC();
    std::string portText;
    SplitAtFirst(c.rawRest, ':', c.main.globals().Server, portText);
    setServerPort(c.main, portText);
    c.main.link().ConnectTo();
    return {};
}

// Each channel gets its own JOIN, 0.8 s apart; events keep running meanwhile.
// An empty channel list ("join " from a list entry without channel) sends nothing.
std::string joinCommand(Command& c) {
    if (c.rawRest.empty())
        return {};
    for (const std::string& item : SplitAll(c.rawRest, ',')) {
        c.main.SendData("JOIN " + item);
        c.main.platform().pump.wait(JoinPacingMs);
    }
    return {};
}

std::string listCommand(Command&) {
    return "LIST ";
}
std::string topicCommand(Command& c) {
    return "TOPIC " + c.target + " :" + c.rawRest;
}

std::string namesCommand(Command& c) {
    c.main.globals().NamesRequested = true;
    return c.word + " " + c.from(1);
}

std::string queryCommand(Command& c) {
    return msgCommand(c);
}

struct CommandRow {
    const char* name; // lower case
    std::string (*build)(Command&);
};

const CommandRow Commands[] = {
    {"msg", msgCommand},       {"me", meCommand},       {"quit", quitCommand},
    {"notice", noticeCommand}, {"raw", rawCommand},     {"nick", nickCommand},
    {"id", idCommand},         {"part", partCommand},   {"server", serverCommand},
    {"join", joinCommand},     {"list", listCommand},   {"topic", topicCommand},
    {"names", namesCommand},   {"query", queryCommand},
};

} // namespace

CommandParser::CommandParser(ProtocolHost& main) : main_(main) {}

std::string CommandParser::ParseCommand(const std::string& target, const std::string& line) {
    Command command{main_, target, {}, {}, {}};
    SplitAtFirst(line, ' ', command.word, command.rawRest);
    const std::vector<std::string> typed = SplitAll(command.rawRest, ' ');
    main_.platform().pump.runPending();
    std::string out = expand(command.target, typed);
    main_.platform().pump.runPending();
    if (!out.empty())
        out = utf8::dropLast(out);
    command.words = SplitAll(out, ' ');
    command.words.insert(command.words.begin(), std::string());

    const std::string name = foldCase(command.word);
    main_.PutStatus(name);
    for (const CommandRow& row : Commands)
        if (name == row.name)
            return row.build(command);
    return command.word + " " + command.from(1);
}

// Words copied with one blank after each; "$+" takes back the last character
// and the blank that would follow it, so "a $+ b" gives "ab".
std::string CommandParser::expand(const std::string& target,
                                  const std::vector<std::string>& typed) {
    std::string out;
    bool blank = true;
    for (const std::string& word : typed) {
        if (word == "$+") {
            out = utf8::dropLast(out);
            blank = false;
        } else if (!word.empty() && word[0] == '$') {
            out += ExpandIdentifier(main_, target, word.substr(1));
        } else {
            out += word;
        }
        if (blank)
            out += ' ';
        else
            blank = true;
    }
    return out;
}

} // namespace vz
