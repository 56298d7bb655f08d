// Unix signal handling for a clean shutdown.
#include "qt_signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vz {

namespace {

const int HandledSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t writeFd = -1;
volatile std::sig_atomic_t shuttingDown = 0;

// Only async-signal-safe calls here.
extern "C" void onUnixSignal(int number) {
    if (shuttingDown != 0) {
        // Nothing is left to do when either fails: the handler only returns.
        static_cast<void>(std::signal(number, SIG_DFL));
        static_cast<void>(std::raise(number));
        return;
    }
    shuttingDown = 1;
    const char byte = static_cast<char>(number);
    if (writeFd >= 0) {
        [[maybe_unused]] const auto written = ::write(writeFd, &byte, 1);
    }
}

void setHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : HandledSignals)
        sigaction(number, &action, nullptr);
}

} // namespace

QtSignals::QtSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds_) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(fds_[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this]() { readSignal(); });
    shuttingDown = 0;
    writeFd = fds_[0];
    setHandler(onUnixSignal);
}

QtSignals::~QtSignals() {
    setHandler(SIG_DFL);
    writeFd = -1;
    shuttingDown = 0;
    notifier_.reset();
    for (const int fd : fds_)
        if (fd >= 0)
            ::close(fd);
}

void QtSignals::noteShutdown() {
    shuttingDown = 1;
}

void QtSignals::readSignal() {
    char byte = 0;
    if (::read(fds_[1], &byte, 1) == 1 && onSignal_)
        onSignal_();
}

} // namespace vz
