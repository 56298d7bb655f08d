#include "ngircd_server.h"

#include "free_port.h"
#include "line_client.h"

#include <QStandardPaths>

#include <fstream>
#include <sstream>

namespace vz::it {
namespace {

constexpr int StartTimeoutMs = 10000;

// The configuration, from the script that also serves `scripts/run.sh --local`.
bool writeConfiguration(const QString& folder, int port, const NgircdOptions& options) {
    QStringList arguments = {VUVIVAZ_NGIRCD_CONFIG,      folder,
                             QString::number(port),      "--operator",
                             NgircdServer::OperatorName, NgircdServer::OperatorPassword};
    if (!options.password.empty())
        arguments << "--password" << QString::fromStdString(options.password);
    if (options.lookUpNamesAndIdent)
        arguments << "--look-up";
    return QProcess::execute("bash", arguments) == 0;
}

std::string readAll(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

} // namespace

NgircdServer::NgircdServer(const NgircdOptions& options) {
    // Another program may take the free port before ngircd binds it.
    for (int attempt = 0; attempt < 3 && port_ == 0; ++attempt) {
        const int port = freeLoopbackPort();
        if (writeConfiguration(folder_.path(), port, options) && start(port))
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
