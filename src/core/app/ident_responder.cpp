// The ident responder that tells the IRC server who the user is.
#include "app/ident_responder.h"

#include "app/frm_main.h"
#include "config/settings_values.h"
#include "text/utf8.h"

namespace vz {

namespace {

const char* const ReplyMiddle = " : USERID : UNIX : ";
const char* const LineEnd = "\r\n";

} // namespace

IdentResponder::IdentResponder(frmMain& main) : main_(main) {}

int IdentResponder::listenPort() {
    clsINI& settings = main_.SettingsIni();
    settings.setFileName(SettingsFileName);
    const auto port = ParsePort(settings.Value("Ident", "Port"));
    return port && !port->tls ? port->number : StandardPort;
}

void IdentResponder::Listen() {
    Close();
    const int port = listenPort();
    // A refused bind reports onError from inside listen(), which closes again.
    state_ = State::Listening;
    main_.platform().identSocket.listen(port);
}

void IdentResponder::Close() {
    cancelTimeout();
    state_ = State::Closed;
    main_.platform().identSocket.close();
}

void IdentResponder::cancelTimeout() {
    if (timeout_ == 0)
        return;
    main_.platform().clock.cancelTimer(timeout_);
    timeout_ = 0;
}

bool IdentResponder::sendReply(const std::string& reply) {
    if (!main_.replyLimiter().tryTake())
        return false;
    main_.platform().identSocket.send(reply + LineEnd);
    return true;
}

void IdentResponder::onConnectionRequest() {
    if (state_ != State::Listening)
        return;
    IdentSocket& socket = main_.platform().identSocket;
    // Accepting stops listening: one requester per connection attempt.
    socket.accept();
    state_ = State::Serving;
    timeout_ = main_.platform().clock.startTimer(ServeTimeoutMs, [this] {
        timeout_ = 0;
        Close();
    });
    const std::string portPair =
        std::to_string(socket.localPort()) + ", " + std::to_string(socket.remotePort());
    sendReply(portPair + ReplyMiddle + main_.globals().Nick);
}

void IdentResponder::onDataArrived(const std::string& bytes) {
    if (state_ != State::Serving || bytes.find(", ") == std::string::npos)
        return;
    // The query loses its last two characters, meant to be its CR LF.
    const std::string query = utf8::dropLast(utf8::dropLast(bytes));
    main_.PutStatus("*** IDENT : " + query);
    const std::string reply = query + ReplyMiddle + main_.globals().ProgramName;
    if (sendReply(reply))
        main_.PutStatus("*** IDENT reply : " + reply);
    Close();
}

void IdentResponder::onError(int number, const std::string& description) {
    main_.mainWindow().setIcon(3);
    main_.PutStatus("Error " + std::to_string(number) + " " + description);
    Close();
}

} // namespace vz
