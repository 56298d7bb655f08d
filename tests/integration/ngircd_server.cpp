#include "ngircd_server.h"

#include "free_port.h"
#include "line_client.h"

#include <QFile>
#include <QSslCertificate>
#include <QStandardPaths>

namespace vz::it {
namespace {

constexpr int StartTimeoutMs = 10000;

// The configuration, from the script that also serves `scripts/run.sh --local`.
bool writeConfiguration(const QString& folder, int port, int tlsPort,
                        const NgircdOptions& options) {
    QStringList arguments = {VUVIVAZ_NGIRCD_CONFIG, folder, QString::number(port)};
    if (!options.password.empty())
        arguments << "--password" << QString::fromStdString(options.password);
    if (options.lookUpNamesAndIdent)
        arguments << "--look-up";
    if (tlsPort != 0)
        arguments << "--tls" << QString::number(tlsPort);
    return QProcess::execute("bash", arguments) == 0;
}

std::string readAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
}

} // namespace

NgircdServer::NgircdServer(const NgircdOptions& options) {
    if (options.tls && !makeCertificate())
        return;
    // Another program may take the free ports before ngircd binds them.
    for (int attempt = 0; attempt < 3 && port_ == 0; ++attempt) {
        const int port = freeLoopbackPort();
        const int tlsPort = options.tls ? freeLoopbackPort() : 0;
        if (writeConfiguration(folder_.path(), port, tlsPort, options) &&
            start(tlsPort != 0 ? tlsPort : port)) {
            port_ = port;
            tlsPort_ = tlsPort;
        } else {
            stop();
        }
    }
}

// A fresh self-signed certificate and key, and the standard Diffie-Hellman
// group that ngircd would otherwise take seconds to make (openssl:
// scripts/deps.sh).
bool NgircdServer::makeCertificate() {
    QProcess openssl;
    openssl.setWorkingDirectory(folder_.path());
    openssl.setStandardErrorFile(QString::fromStdString(path("ngircd.log")));
    openssl.start("sh", {"-c", "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 "
                               "-nodes -days 2 -subj /CN=irc.test.local -keyout key.pem -out "
                               "cert.pem && openssl genpkey -genparam -algorithm DH -pkeyopt "
                               "group:ffdhe2048 -out dh.pem && chmod a+r *.pem"});
    return openssl.waitForFinished(StartTimeoutMs) && openssl.exitCode() == 0;
}

std::string NgircdServer::certificateFingerprint() const {
    const auto found = QSslCertificate::fromPath(QString::fromStdString(path("cert.pem")));
    return found.value(0).digest(QCryptographicHash::Sha256).toHex().toStdString();
}

std::string NgircdServer::diagnostics() const {
    return "ngircd in " + folder_.path().toStdString() +
           " (from the ngircd package: scripts/deps.sh) logged:\n" + readAll(path("ngircd.log"));
}

// Waits for the line ngircd logs once it listens: probing the port instead
// would bring stray connections (and their ident lookups) to the server.
bool NgircdServer::start(int lastPort) {
    const QString program =
        QStandardPaths::findExecutable("ngircd", {"/usr/sbin", "/usr/local/sbin"});
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(QString::fromStdString(path("ngircd.log")), QIODevice::Append);
    process_.start(program, {"-n", "-f", QString::fromStdString(path("ngircd.conf"))});
    const std::string listening = "Now listening on [127.0.0.1]:" + std::to_string(lastPort);
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
