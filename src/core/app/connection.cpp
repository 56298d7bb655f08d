// The connection to the IRC server.
#include "app/connection.h"

#include "app/frm_main.h"
#include "text/case_fold.h"
#include "text/codec.h"
#include "windows/window_tables.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace vz {

namespace {

const char* const ConnectionMenus[] = {"mnuList",  "mnuPrivat", "mnuJoin",
                                       "mnuWhois", "mnuPart",   "mnuNick"};

constexpr int FirstRetryDelayMs = 2000;
constexpr int LongestRetryDelayMs = 60000;

bool isQuitCommand(const std::string& line) {
    return foldCase(line.substr(0, line.find(' '))) == "quit";
}

} // namespace

Connection::Connection(frmMain& main) : main_(main) {}

void Connection::ConnectToIRC(std::string& host, IrcPort& port) {
    cancelReconnect();
    host = host.substr(0, host.find('<'));
    main_.platform().serverSocket.close();
    Globals& g = main_.globals();
    if (g.ConnectTry >= AttemptLimit)
        return;
    const std::string disconnectText = main_.LangTextOr("Main", "mnuDisconnect", "Відключитися");
    main_.mainWindow().setMenuCaption("mnuConnect", disconnectText);
    startAttempt(host, port);
    main_.ident().Listen();
    const std::string target = host + ":" + port.text();
    if (g.ConnectTry == 1)
        main_.PutStatus("***  Connecting to " + target);
    else
        main_.PutStatus("*** #" + std::to_string(g.ConnectTry) + " Connecting to " + target);
    ++g.ConnectTry;
    main_.mainWindow().setToolButtonImage(1, 2);
    main_.mainWindow().setToolButtonToolTip(1, disconnectText);
    g.Connected = true;
}

void Connection::startAttempt(const std::string& host, IrcPort port) {
    remoteHost_ = host;
    remotePort_ = port;
    quitSent_ = false;
    established_ = false;
    dropReceived();
    ClientSocket& socket = main_.platform().serverSocket;
    if (port.tls)
        socket.connectSecurely(host, port.number,
                               main_.certificate().AcceptedFingerprint(host, port.number));
    else
        socket.connectTo(host, port.number);
}

void Connection::dropReceived() {
    lines_.reset();
    backlog_.clear();
}

void Connection::ConnectTo() {
    Globals& g = main_.globals();
    ConnectToIRC(g.Server, g.ServerPort);
}

void Connection::DisconnectToIRC() {
    endConnection();
    main_.PutStatus("*** Disconnect");
}

void Connection::endConnection() {
    cancelReconnect();
    failuresInRow_ = 0;
    main_.ident().Close();
    main_.platform().serverSocket.close();
    established_ = false;
    remoteHost_.clear();
    remotePort_.reset();
    dropReceived();
    main_.tables().closeConversations();
    main_.list().close();
    MainWindowView& window = main_.mainWindow();
    window.setIcon(1);
    const std::string connectText = main_.LangTextOr("Main", "mnuConnect", "Підключитися");
    window.setMenuCaption("mnuConnect", connectText);
    window.setToolButtonImage(1, 1);
    window.setToolButtonToolTip(1, connectText);
    Globals& g = main_.globals();
    g.Connected = false;
    window.setCaption(ProgramTitle);
    setConnectionMenus(false);
    g.ConnectTry = 1;
}

// Lines typed while an attempt is still connecting are dropped: the sign-on
// lines must be the first the server reads.
void Connection::SendData(const std::string& strData) {
    if (!established_)
        return;
    if (isQuitCommand(strData))
        quitSent_ = true;
    main_.platform().serverSocket.send(strData + "\n");
}

void Connection::onConnected() {
    established_ = true;
    failuresInRow_ = 0;
    Globals& g = main_.globals();
    MainWindowView& window = main_.mainWindow();
    window.setIcon(2);
    main_.PutStatus("Connected to " + g.Server);
    window.setCaption(std::string(ProgramTitle) + " - " + g.Server);
    g.NamesRequested = false;
    setConnectionMenus(true);
    // With a SASL account the password goes to the SASL sign-in, never to PASS.
    g.Sasl = g.SaslUser.empty() ? SaslStep::Off : SaslStep::Listing;
    g.SaslListed = false;
    if (g.Sasl == SaslStep::Listing)
        SendData("CAP LS 302");
    else if (!g.Password.empty())
        SendData("PASS " + g.Password);
    SendData("NICK " + g.Nick);
    SendData("USER " + g.Nick + " " + main_.platform().serverSocket.localAddress() +
             " irc :" + g.FullName);
    main_.tables().closeConversations();
}

// Lines join the backlog as soon as they are whole, so no line in it is longer
// than the assembler's cap. When a handler lets events run and more data
// arrives, the outer call interprets it after the lines before it.
void Connection::onDataArrived(const std::string& bytes) {
    for (std::string& line : lines_.feed(bytes))
        backlog_.push_back(std::move(line));
    if (interpreting_)
        return;
    interpreting_ = true;
    std::optional<std::string> failure;
    try {
        while (!backlog_.empty()) {
            const std::string line = std::move(backlog_.front());
            backlog_.pop_front();
            main_.interpreter().Interpret(decodeLine(line));
        }
    } catch (const std::exception& error) {
        backlog_.clear();
        failure = error.what();
    }
    interpreting_ = false;
    if (failure)
        main_.mainWindow().messageBox("Ошибка № 0\n" + *failure, ProgramTitle);
}

std::size_t Connection::backlogBytes() const {
    std::size_t bytes = 0;
    for (const std::string& line : backlog_)
        bytes += line.size();
    return bytes;
}

void Connection::onError(int, const std::string& description) {
    main_.platform().serverSocket.close();
    established_ = false;
    main_.mainWindow().setIcon(4);
    main_.PutStatus(description);
    main_.PutStatus("-");
    scheduleReconnect();
}

void Connection::onClosedByServer() {
    if (quitSent_)
        DisconnectToIRC();
    else
        onError(0, "Connection closed by server");
}

// A certificate the user has not accepted is no failure to retry: the user
// decides in the certificate dialog.
void Connection::onCertificateRejected(const std::string& reason, const std::string& fingerprint) {
    const std::string host = remoteHost_;
    const int port = remotePort_.value_or(IrcPort{}).number;
    endConnection();
    main_.PutStatus("*** Сертифікат сервера не пройшов перевірку: " + reason + " (SHA-256 " +
                    fingerprint + ")");
    main_.certificate().Show(host, port, reason, fingerprint);
}

void Connection::scheduleReconnect() {
    cancelReconnect();
    const int shift = std::min(failuresInRow_, 5);
    const int delay = std::min(FirstRetryDelayMs << shift, LongestRetryDelayMs);
    ++failuresInRow_;
    reconnectPending_ = true;
    reconnectTimer_ = main_.platform().clock.startTimer(delay, [this] {
        reconnectPending_ = false;
        ConnectTo();
    });
}

void Connection::cancelReconnect() {
    if (!reconnectPending_)
        return;
    main_.platform().clock.cancelTimer(reconnectTimer_);
    reconnectPending_ = false;
}

void Connection::setConnectionMenus(bool enabled) {
    for (const char* menu : ConnectionMenus)
        main_.mainWindow().setMenuEnabled(menu, enabled);
}

} // namespace vz
