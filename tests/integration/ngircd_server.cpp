#include "ngircd_server.h"

#include "free_port.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vz::it {
namespace {

constexpr auto StartTimeout = std::chrono::seconds(10);

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
    ::chmod(path.c_str(), 0644);
}

std::string readAll(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

} // namespace

NgircdServer::NgircdServer(const NgircdOptions& options) {
    char pattern[] = "/tmp/vuvivaz-ngircd-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        return;
    // ngircd started as root runs as nobody: it must reach its files and
    // write its pid file.
    folder_ = pattern;
    ::chmod(folder_.c_str(), 0755);
    ::mkdir((folder_ + "/run").c_str(), 0755);
    ::chmod((folder_ + "/run").c_str(), 01777);
    writeReadable(folder_ + "/ngircd.motd", "Welcome to the VuviVAZ test server\n");
    // Another program may take the free port before ngircd binds it.
    for (int attempt = 0; attempt < 3 && port_ == 0; ++attempt) {
        const int port = freeLoopbackPort();
        writeReadable(folder_ + "/ngircd.conf", configText(folder_, port, options));
        if (start(port))
            port_ = port;
        else
            stop();
    }
}

NgircdServer::~NgircdServer() {
    stop();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string NgircdServer::diagnostics() const {
    return "ngircd in " + folder_ + " (from the ngircd package: scripts/deps.sh) logged:\n" +
           readAll(folder_ + "/ngircd.log");
}

// Waits for the line ngircd logs once it listens: probing the port instead
// would bring stray connections (and their ident lookups) to the server.
bool NgircdServer::start(int port) {
    const std::string config = folder_ + "/ngircd.conf";
    const std::string log = folder_ + "/ngircd.log";
    pid_ = ::fork();
    if (pid_ == 0) {
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        ::dup2(out, 1);
        ::dup2(out, 2);
        for (const char* program : {"/usr/sbin/ngircd", "/usr/local/sbin/ngircd", "ngircd"})
            ::execlp(program, program, "-n", "-f", config.c_str(), nullptr);
        ::_exit(127);
    }
    const std::string listening = "Now listening on [127.0.0.1]:" + std::to_string(port);
    const auto deadline = std::chrono::steady_clock::now() + StartTimeout;
    while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
        if (readAll(log).find(listening) != std::string::npos)
            return true;
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_)
            pid_ = -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

void NgircdServer::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

} // namespace vz::it
