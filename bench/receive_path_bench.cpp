// The receive path under a flood: bytes from the socket to runs in a text view
// (line assembly, decoding, parsing, dispatch, membership and the colour writer).
#include "app/frm_main.h"
#include "fakes/fake_platform.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string channelTraffic(int lines) {
    std::string bytes;
    for (int i = 0; i < lines; ++i) {
        // Every tenth line someone joins; the next one, that person leaves again.
        const std::string nick = "user" + std::to_string(i / 10 % 500);
        switch (i % 10) {
        case 0:
            bytes += ":" + nick + "!u@h JOIN :#flood\r\n";
            break;
        case 1:
            bytes += ":" + nick + "!u@h PART #flood :bye\r\n";
            break;
        case 2:
            bytes += ":" + nick +
                     "!u@h PRIVMSG #flood :\x01"
                     "ACTION waves at everyone\x01\r\n";
            break;
        case 3:
            bytes += ":" + nick +
                     "!u@h PRIVMSG #flood :\x03"
                     "4,1colour\x03 \x02"
                     "bold\x02 text\r\n";
            break;
        default:
            bytes += ":" + nick + "!u@h PRIVMSG #flood :a fairly ordinary line of chat, number " +
                     std::to_string(i) + "\r\n";
        }
    }
    return bytes;
}

void BM_ChannelFlood(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const std::string traffic = channelTraffic(lines);
    for (auto _ : state) {
        state.PauseTiming();
        vz::fake::FakeWorld world;
        world.start();
        world.app->globals().Nick = "me";
        world.connect();
        world.serverSays(":me!u@h JOIN :#flood");
        for (int member = 0; member < 1000; ++member)
            world.serverSays(":s 353 me = #flood :member" + std::to_string(member));
        state.ResumeTiming();
        world.server.events->onDataArrived(traffic);
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_ChannelFlood)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
