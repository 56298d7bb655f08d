// Pending events and timed waits on the Qt event loop.
#pragma once

#include "platform/event_pump.h"

namespace vz {

// Runs the Qt event loop for the logic's waits.
class QtEventPump : public EventPump {
public:
    void runPending() override;
    void wait(int ms) override;
};

} // namespace vz
