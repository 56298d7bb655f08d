// Any typed command line for any target through the command parser and its
// identifiers, in a world signed on and in a channel. Invariant: for a typed
// line and a target without CR or LF, neither the returned line nor anything
// sent meanwhile holds CR or LF; whatever is typed, every sent line is whole.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [target, line] = vz::fuzz::cut(vz::fuzz::text(data, size), '\0');
    vz::fake::FakeWorld world;
    vz::fuzz::signOnInChannel(world);
    const std::string out = world.app->ParseCommand(target, line);
    if (!vz::fuzz::hasLineBreak(target) && !vz::fuzz::hasLineBreak(line)) {
        vz::fuzz::check(!vz::fuzz::hasLineBreak(out), "the parsed line holds no CR or LF");
        vz::fuzz::checkSentLines(world.server.sent);
    }
    world.clock.advance(60000);
    return 0;
}
