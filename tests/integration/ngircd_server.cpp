#include "ngircd_server.h"

#include "free_port.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace vz::it {
namespace {

constexpr int StartAttempts = 3;
constexpr auto StartTimeout = std::chrono::seconds(10);
constexpr auto StopTimeout = std::chrono::seconds(3);
constexpr auto PollInterval = std::chrono::milliseconds(20);

std::string ngircdProgram() {
    for (const char* path : {"/usr/sbin/ngircd", "/usr/local/sbin/ngircd"})
        if (::access(path, X_OK) == 0)
            return path;
    return "ngircd";
}

std::string configText(const std::string& folder, int port, const NgircdOptions& options) {
    const char* lookUp = options.lookUpNamesAndIdent ? "yes" : "no";
    std::ostringstream out;
    out << "[Global]\n"
        << "Name = " << NgircdServer::Name << "\n"
        << "Info = VuviVAZ integration test server\n"
        << "AdminInfo1 = test\nAdminInfo2 = test\nAdminEMail = test@localhost\n"
        << "Listen = 127.0.0.1\n"
        << "Ports = " << port << "\n"
        << "MotdFile = " << folder << "/ngircd.motd\n"
        << "PidFile = " << folder << "/run/ngircd.pid\n"
        << (options.password.empty() ? "" : "Password = " + options.password + "\n") << "[Limits]\n"
        << "MaxConnectionsIP = 0\nPingTimeout = 120\nPongTimeout = 20\n"
        << "[Options]\n"
        << "DNS = " << lookUp << "\nIdent = " << lookUp << "\n"
        << "PAM = no\nRequireAuthPing = yes\nOperCanUseMode = yes\n"
        << "[Operator]\n"
        << "Name = " << NgircdServer::OperatorName << "\n"
        << "Password = " << NgircdServer::OperatorPassword << "\n";
    return out.str();
}

bool writeReadable(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return file.good() && ::chmod(path.c_str(), 0644) == 0;
}

// ngircd writes this line once its listening socket is ready. Watching the
// log instead of probing the port keeps stray connections (and their ident
// lookups) away from the tests.
bool logShowsListening(const std::string& logPath, int port) {
    std::ifstream log(logPath);
    std::ostringstream text;
    text << log.rdbuf();
    return text.str().find("Now listening on [127.0.0.1]:" + std::to_string(port)) !=
           std::string::npos;
}

} // namespace

NgircdServer::NgircdServer(NgircdOptions options) : options_(options) {
    if (!makeFolder())
        return;
    for (int attempt = 0; attempt < StartAttempts && port_ == 0; ++attempt) {
        const int port = freeLoopbackPort();
        if (port == 0 || !writeFiles(port) || !launch())
            return;
        if (waitUntilAccepting(port))
            port_ = port;
        else
            stop();
    }
}

NgircdServer::~NgircdServer() {
    stop();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

std::string NgircdServer::diagnostics() const {
    std::ifstream log(folder_ + "/ngircd.log");
    std::ostringstream out;
    out << problem_ << "\n--- ngircd log ---\n" << log.rdbuf();
    return out.str();
}

bool NgircdServer::makeFolder() {
    char pattern[] = "/tmp/vuvivaz-ngircd-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        problem_ = "cannot create a temporary folder";
        return false;
    }
    folder_ = pattern;
    // ngircd started as root runs as nobody: it must reach its files and
    // write its pid file.
    const std::string run = folder_ + "/run";
    ::mkdir(run.c_str(), 0755);
    ::chmod(run.c_str(), 01777);
    return ::chmod(folder_.c_str(), 0755) == 0;
}

bool NgircdServer::writeFiles(int port) const {
    return writeReadable(folder_ + "/ngircd.conf", configText(folder_, port, options_)) &&
           writeReadable(folder_ + "/ngircd.motd", "Welcome to the VuviVAZ test server\n");
}

bool NgircdServer::launch() {
    const std::string program = ngircdProgram();
    const std::string config = folder_ + "/ngircd.conf";
    const std::string log = folder_ + "/ngircd.log";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::string args[] = {program, "-n", "-f", config};
    char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(), nullptr};
    const int result = ::posix_spawnp(&pid_, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        pid_ = -1;
        problem_ = "cannot start " + program + " (install the ngircd package: scripts/deps.sh)";
        return false;
    }
    return true;
}

bool NgircdServer::waitUntilAccepting(int port) {
    const auto deadline = std::chrono::steady_clock::now() + StartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            problem_ = "ngircd ended before it accepted connections";
            return false;
        }
        if (logShowsListening(folder_ + "/ngircd.log", port))
            return true;
        std::this_thread::sleep_for(PollInterval);
    }
    problem_ = "ngircd did not accept connections on port " + std::to_string(port);
    return false;
}

void NgircdServer::stop() {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + StopTimeout;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(PollInterval);
    }
    pid_ = -1;
    port_ = 0;
}

} // namespace vz::it
