#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace vz::it {

struct NgircdOptions {
    // ngircd resolves names and asks the client's ident port (113) only when
    // its DNS option is on.
    bool lookUpNamesAndIdent = false;
    // The password every client must send with PASS; none when empty.
    std::string password{};
    // Also listens for TLS, with a self-signed certificate made for the run.
    bool tls = false;
};

// A private ngircd on a free loopback port, started with a generated
// configuration in its own temporary folder and stopped by the destructor.
// Works as root (ngircd then drops to nobody, so every file it reads is
// world-readable) and as an ordinary user.
class NgircdServer {
public:
    explicit NgircdServer(const NgircdOptions& options = {});
    ~NgircdServer() { stop(); }

    // True once the server accepts connections.
    bool running() const { return port_ != 0; }
    int port() const { return port_; }
    // The TLS port, 0 without TLS.
    int tlsPort() const { return tlsPort_; }
    // The SHA-256 fingerprint of the TLS certificate, in lower-case hex.
    std::string certificateFingerprint() const;
    // Where the server ran and its log, for failure messages.
    std::string diagnostics() const;

private:
    bool makeCertificate();
    // Starts ngircd and waits until it listens on `lastPort`, its last port.
    bool start(int lastPort);
    void stop();
    std::string path(const char* name) const { return folder_.filePath(name).toStdString(); }

    QTemporaryDir folder_;
    QProcess process_;
    int port_ = 0;
    int tlsPort_ = 0;
};

} // namespace vz::it
