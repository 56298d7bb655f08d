// Feeds arbitrary bytes from the "server" through the whole receive path:
// line assembly, decoding, parsing, every handler and the colour writer.
#include "app/frm_main.h"
#include "fakes/fake_platform.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vz::fake::FakeWorld world;
    world.start();
    world.app->globals().Nick = "me";
    world.app->globals().Alternative = "me_";
    // With a SASL account the sign-in's steps answer the CAP and AUTHENTICATE lines.
    world.app->globals().SaslUser = "me";
    world.connect();
    world.serverSays(":me!u@h JOIN :#c");
    world.serverSays(":s 353 me = #c :@me +a b");
    world.app->tables().OpenPrivat("a", "a!u@h");

    // The first byte decides how the rest is cut into reads, so that lines
    // split across reads are explored too.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t chunk = bytes.empty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % 64;
    for (std::size_t pos = 0; pos < bytes.size(); pos += chunk)
        world.server.events->onDataArrived(bytes.substr(pos, chunk));
    world.clock.advance(60000);
    return 0;
}
