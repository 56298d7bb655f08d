// The event loop as the logic drives it while it waits.
#pragma once

namespace vz {

// Lets pending window and socket events run while the logic waits.
class EventPump {
public:
    EventPump() = default;
    EventPump(const EventPump&) = delete;
    EventPump& operator=(const EventPump&) = delete;
    virtual ~EventPump() = default;

    // One round: runs the events that are pending, without waiting.
    virtual void runPending() = 0;
    // Keeps running events until `ms` milliseconds have passed.
    virtual void wait(int ms) = 0;
};

} // namespace vz
