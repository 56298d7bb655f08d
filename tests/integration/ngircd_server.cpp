#include "ngircd_server.h"

#include "free_port.h"
#include "line_client.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fstream>
#include <sstream>

namespace vz::it {
namespace {

constexpr int StartTimeoutMs = 10000;
constexpr auto Readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                          QFile::ReadOther | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

std::string configText(const std::string& folder, int port, const NgircdOptions& options) {
    const char* lookUp = options.lookUpNamesAndIdent ? "yes" : "no";
    std::ostringstream out;
    out << "[Global]\nName = irc.test.local\nInfo = VuviVAZ integration test server\n"
        << "AdminInfo1 = test\nAdminInfo2 = test\nAdminEMail = test@localhost\n"
        << "Listen = 127.0.0.1\nPorts = " << port << "\n"
        << "MotdFile = " << folder << "/ngircd.motd\n"
        << "PidFile = " << folder << "/run/ngircd.pid\n"
        << (options.password.empty() ? "" : "Password = " + options.password + "\n")
        << "[Limits]\nMaxConnectionsIP = 0\nPingTimeout = 120\nPongTimeout = 20\n"
        << "[Options]\nDNS = " << lookUp << "\nIdent = " << lookUp << "\n"
        << "PAM = no\nRequireAuthPing = yes\nOperCanUseMode = yes\n"
        << "[Operator]\nName = " << NgircdServer::OperatorName
        << "\nPassword = " << NgircdServer::OperatorPassword << "\n";
    return out.str();
}

void writeReadable(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    QFile::setPermissions(QString::fromStdString(path), Readable);
}

std::string readAll(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

} // namespace

NgircdServer::NgircdServer(const NgircdOptions& options) {
    // ngircd started as root runs as nobody: it must reach its files and
    // write its pid file.
    const QString folder = folder_.path();
    QFile::setPermissions(folder, Readable);
    QDir(folder).mkdir("run");
    QFile::setPermissions(folder + "/run", QFile::Permissions(0x7777));
    writeReadable(path("ngircd.motd"), "Welcome to the VuviVAZ test server\n");
    // Another program may take the free port before ngircd binds it.
    for (int attempt = 0; attempt < 3 && port_ == 0; ++attempt) {
        const int port = freeLoopbackPort();
        writeReadable(path("ngircd.conf"), configText(folder.toStdString(), port, options));
        if (start(port))
            port_ = port;
        else
            stop();
    }
}

std::string NgircdServer::diagnostics() const {
    return "ngircd in " + folder_.path().toStdString() +
           " (from the ngircd package: scripts/deps.sh) logged:\n" + readAll(path("ngircd.log"));
}

// Waits for the line ngircd logs once it listens: probing the port instead
// would bring stray connections (and their ident lookups) to the server.
bool NgircdServer::start(int port) {
    const QString program =
        QStandardPaths::findExecutable("ngircd", {"/usr/sbin", "/usr/local/sbin"});
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(QString::fromStdString(path("ngircd.log")), QIODevice::Append);
    process_.start(program, {"-n", "-f", QString::fromStdString(path("ngircd.conf"))});
    const std::string listening = "Now listening on [127.0.0.1]:" + std::to_string(port);
    return waitUntil(
               [&] {
                   return process_.state() == QProcess::NotRunning ||
                          readAll(path("ngircd.log")).find(listening) != std::string::npos;
               },
               StartTimeoutMs) &&
           process_.state() != QProcess::NotRunning;
}

void NgircdServer::stop() {
    process_.kill();
    process_.waitForFinished();
}

} // namespace vz::it
