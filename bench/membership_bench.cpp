// Membership of a big channel: each operation on a window of 20 000 members,
// the member in the middle of the list, so a search from the front would pay
// for half the list every time.
#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int Members = 20000;
const std::string Middle = "member" + std::to_string(Members / 2);

struct BigChannel {
    BigChannel() {
        world.start();
        world.app->globals().Nick = "me";
        world.connect();
        world.serverSays(":me!u@h JOIN :#big");
        for (int member = 0; member < Members; ++member)
            chat().AddNick("member" + std::to_string(member));
    }
    vz::frmChat& chat() { return world.chat("#big"); }
    vz::fake::FakeWorld world;
};

void BM_PartAndJoin(benchmark::State& state) {
    BigChannel channel;
    for (auto _ : state) {
        channel.chat().RemoveNick(Middle);
        channel.chat().AddNick(Middle);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_PartAndJoin);

void BM_OpAndDeop(benchmark::State& state) {
    BigChannel channel;
    for (auto _ : state) {
        channel.chat().SetOp(Middle, true);
        channel.chat().SetOp(Middle, false);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_OpAndDeop);

void BM_RenameAndBack(benchmark::State& state) {
    BigChannel channel;
    for (auto _ : state) {
        channel.chat().ChangeNck(Middle, "renamed");
        channel.chat().ChangeNck("RENAMED", Middle);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_RenameAndBack);

void BM_InChannelMiss(benchmark::State& state) {
    BigChannel channel;
    for (auto _ : state)
        benchmark::DoNotOptimize(channel.chat().InChannel("Stranger"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_InChannelMiss);

void BM_QuitThroughTheServer(benchmark::State& state) {
    BigChannel channel;
    for (auto _ : state) {
        channel.world.serverSays(":" + Middle + "!u@h QUIT :bye");
        channel.world.serverSays(":" + Middle + "!u@h JOIN :#big");
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_QuitThroughTheServer);

} // namespace

BENCHMARK_MAIN();
