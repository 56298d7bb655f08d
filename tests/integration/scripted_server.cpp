#include "scripted_server.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <utility>

namespace vz::it {

namespace {

// The reply limiter's burst and the seconds it takes to earn one more reply.
constexpr int ReplyBurst = 5;
constexpr int SecondsPerReply = 6;

// The command of a line and whether `nick` sent it, both in lower case.
std::pair<std::string, bool> commandOf(std::string_view line, const std::string& nick) {
    std::string text(line);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::istringstream words(text);
    std::string first, command;
    words >> first;
    if (!first.starts_with(':'))
        return {first, false};
    words >> command;
    return {command, first.starts_with(":" + nick + "!")};
}

std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    for (std::size_t end = bytes.find('\n'); end != std::string_view::npos;
         end = bytes.find('\n')) {
        lines.push_back(bytes.substr(0, end));
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

bool ScriptedServer::acceptClient() {
    if (!waitUntil([&] { return pending_ != -1; }))
        return false;
    client_ = std::make_unique<LineClient>();
    client_->adopt(std::exchange(pending_, -1));
    sent_.clear();
    acceptedAt_ = std::chrono::steady_clock::now();
    // The sign-on lines answer the connection, not a line of the script.
    const bool signedOn = waitFor("^USER ");
    signOnBytes_ = client_->transcript().size();
    return signedOn;
}

std::string ScriptedServer::unaskedLines(const std::string& nick) const {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::steady_clock::now() - acceptedAt_);
    std::map<std::string, int> allowed{
        {"CTCP", ReplyBurst + static_cast<int>(seconds.count()) / SecondsPerReply}};
    for (const std::string_view line : linesOf(sent_)) {
        const auto [command, own] = commandOf(line, nick);
        if (command == "ping")
            ++allowed["PONG"];
        else if (command == "433")
            ++allowed["NICK"];
        else if (command == "join" && own)
            ++allowed["MODE"];
    }
    std::string unasked;
    const std::string received = transcript().substr(signOnBytes_);
    for (const std::string_view line : linesOf(received)) {
        const bool ctcpReply =
            line.starts_with("NOTICE ") && line.find('\x01') != std::string::npos;
        if (--allowed[std::string(ctcpReply ? "CTCP" : line.substr(0, line.find(' ')))] < 0)
            unasked += std::string(line.substr(0, 200)) + "\n";
    }
    if (allowed["PONG"] > 0)
        unasked += std::to_string(allowed["PONG"]) + " PINGs without a PONG\n";
    return unasked;
}

} // namespace vz::it
