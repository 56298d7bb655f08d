// Feeds arbitrary bytes from the "server" through the whole receive path:
// line assembly, decoding, parsing, every handler and the colour writer.
// Invariants: the line assembler never returns a line over its cap or with a
// line feed, and every line the client sends holds no CR or LF of its own.
#include "app/line_assembler.h"
#include "fuzz_support.h"

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
    const std::string bytes = vz::fuzz::text(data, size);
    const std::size_t chunk = bytes.empty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % 64;
    vz::LineAssembler assembler;
    for (std::size_t pos = 0; pos < bytes.size(); pos += chunk) {
        const std::string read = bytes.substr(pos, chunk);
        for (const std::string& line : assembler.feed(read)) {
            vz::fuzz::check(line.size() <= vz::LineAssembler::MaxLineBytes, "line within 64 KiB");
            vz::fuzz::check(line.find('\n') == std::string::npos, "no LF inside a line");
        }
        world.server.events->onDataArrived(read);
    }
    // Now and then the bytes without line feeds, repeated past the cap, so
    // long lines are cut (at a whole UTF-8 character) too.
    std::string unbroken = bytes;
    std::erase(unbroken, '\n');
    if (!unbroken.empty() && bytes[0] % 8 == 0) {
        std::string longLine;
        while (longLine.size() <= vz::LineAssembler::MaxLineBytes)
            longLine += unbroken;
        for (const std::string& line : assembler.feed(longLine + "\n"))
            vz::fuzz::check(line.size() <= vz::LineAssembler::MaxLineBytes, "line within 64 KiB");
    }
    world.clock.advance(60000);
    vz::fuzz::checkSentLines(world.server.sent);
    return 0;
}
