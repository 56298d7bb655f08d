#pragma once

namespace vz::it {

// A TCP port on 127.0.0.1 that nothing listens on at the moment of the call
// (the kernel picks it); 0 when no socket could be bound.
int freeLoopbackPort();

} // namespace vz::it
