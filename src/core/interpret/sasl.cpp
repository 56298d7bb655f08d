// The SASL PLAIN sign-in: the capability list, the request and the credentials.
#include "interpret/handlers.h"
#include "interpret/interpreter.h"
#include "interpret/irc_message.h"
#include "interpret/protocol_host.h"
#include "text/base64.h"
#include "text/case_fold.h"
#include "text/words.h"

#include <algorithm>

namespace vz {

namespace {

constexpr std::size_t PieceLength = 400;

bool holds(const std::vector<std::string>& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// "sasl" alone, or "sasl=" with a comma list of mechanisms that holds PLAIN.
bool offersSaslPlain(const std::string& capabilities) {
    for (const std::string& capability : SplitAll(capabilities, ' ')) {
        if (capability == "sasl")
            return true;
        if (capability.starts_with("sasl=") && holds(SplitAll(capability.substr(5), ','), "PLAIN"))
            return true;
    }
    return false;
}

// Registration goes on: with or without a SASL account, the server signs the user on.
void endNegotiation(ProtocolHost& main) {
    main.globals().Sasl = SaslStep::Off;
    main.SendData("CAP END");
}

// The list may come in several lines: "CAP * LS * :…" before the last "CAP * LS :…".
void readCapabilityList(ProtocolHost& main, const IrcMessage& msg) {
    Globals& g = main.globals();
    g.SaslListed = g.SaslListed || offersSaslPlain(msg.param(msg.intCount));
    if (msg.intCount >= 4 && msg.param(3) == "*")
        return;
    if (!g.SaslListed)
        return endNegotiation(main);
    g.Sasl = SaslStep::Requested;
    main.SendData("CAP REQ :sasl");
}

// The credentials, base64 in pieces of 400 characters; a last piece of
// exactly 400 is followed by an empty one ("+").
std::vector<std::string> credentialPieces(const Globals& g) {
    const std::string encoded = Base64Encode(g.SaslUser + '\0' + g.SaslUser + '\0' + g.Password);
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < encoded.size(); at += PieceLength)
        pieces.push_back(encoded.substr(at, PieceLength));
    if (pieces.empty() || pieces.back().size() == PieceLength)
        pieces.emplace_back("+");
    return pieces;
}

} // namespace

// CAP lines that are no step of the sign-in in progress are shown raw; an
// answer to the request that grants no SASL ends the negotiation.
void OnCap(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    Globals& g = main.globals();
    const std::string reply = foldCase(msg.param(2));
    if (g.Sasl == SaslStep::Listing && reply == "ls")
        return readCapabilityList(main, msg);
    const bool answer = g.Sasl == SaslStep::Requested && (reply == "ack" || reply == "nak");
    if (answer && reply == "ack" && holds(SplitAll(msg.param(msg.intCount), ' '), "sasl")) {
        g.Sasl = SaslStep::Authenticating;
        main.SendData("AUTHENTICATE PLAIN");
        return;
    }
    WriteRawStatus(main, msg, text);
    if (answer)
        endNegotiation(main);
}

void OnAuthenticate(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    const Globals& g = main.globals();
    if (g.Sasl != SaslStep::Authenticating || msg.param(1) != "+")
        return WriteRawStatus(main, msg, text);
    for (const std::string& piece : credentialPieces(g))
        main.SendData("AUTHENTICATE " + piece);
}

void OnSaslEnd(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    WriteRawStatus(main, msg, text);
    if (main.globals().Sasl != SaslStep::Off)
        endNegotiation(main);
}

} // namespace vz
