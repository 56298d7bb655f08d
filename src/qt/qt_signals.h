// Unix signal handling for a clean shutdown.
#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace vz {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop, so that the
// program can close its main window the normal way. A signal that arrives
// while the program is already shutting down ends it at once. One instance
// at a time; its destructor restores the default handlers.
class QtSignals {
public:
    explicit QtSignals(std::function<void()> onSignal);
    ~QtSignals();
    QtSignals(const QtSignals&) = delete;
    QtSignals& operator=(const QtSignals&) = delete;

    // Called when shutdown begins for any reason.
    static void noteShutdown();

private:
    void readSignal();

    std::function<void()> onSignal_;
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace vz
