// The receive path under a flood: bytes from the socket to runs in a text view
// (line assembly, decoding, parsing, dispatch, membership and the colour writer),
// and a long channel list, whose every entry retitles the list window with a
// word of the language file; and one line of as many parameters as fit.
#include "app/frm_main.h"
#include "app/line_assembler.h"
#include "fakes/fake_platform.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <utility>

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

// A language file of the usual size: every window's section with its keys.
std::string languageFile() {
    const std::pair<const char*, const char*> sections[] = {
        {"Main", "mnuFile mnuConnect mnuChannel mnuExit mnuCommand mnuWindow mnuLogs mnuAbout "
                 "mnuHelp mnuServer mnuList mnuPrivat mnuJoin mnuWhois mnuTopic mnuNick mnuPart "
                 "mnuWindowCascade mnuWindowTileVertical mnuWindowTileHorizontal mnuChanLog "
                 "mnuPrivLog mnuDisconnect mnuOption"},
        {"Status", "Caption"},
        {"Options", "Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8 btnConnect btnAdd "
                    "btnEdit btnDelete Check2 chkConnOnStart btnLangEdit chkChanLog chkPrivLog "
                    "btnOk btnCancel btnApply lblOption1 lblOption2 lblOption3"},
        {"Channels", "Frame1 Frame2 btnJoinTo btnAdd btnEdit btnDelete btnInfo btnJoin btnClose "
                     "Check1"},
        {"AddChannel", "Frame1 Label1 Label2 Label3 btnCancel btnAdd btnSave"},
        {"AddServer", "Frame1 Label1 Label2 Label3 Label4 btnAdd btnSave"},
        {"Command", "btnOk btnCancel Join Nick Server Whois Part Privat Topic"},
        {"Chat", "strUsersCount"},
        {"Private", "strCaption"},
        {"List", "Caption1 Caption2 Caption3"},
    };
    std::string text;
    for (const auto& [section, keys] : sections) {
        text += "[" + std::string(section) + "]\r\n";
        const std::string names = std::string(keys) + " ";
        for (std::size_t from = 0, blank; (blank = names.find(' ', from)) != std::string::npos;
             from = blank + 1)
            text += names.substr(from, blank - from) + "=Text of the control\r\n";
    }
    return text;
}

void BM_ChannelList(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    std::string reply = ":s 321 me Channel :Users  Name\r\n";
    for (int i = 0; i < entries; ++i)
        reply += ":s 322 me #channel" + std::to_string(i) + " " + std::to_string(i % 90) +
                 " :[+nt] topic of channel " + std::to_string(i) + "\r\n";
    reply += ":s 323 me :End of /LIST\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        vz::fake::FakeWorld world;
        world.startSignedOn();
        world.files.files["en.lng"] = languageFile();
        state.ResumeTiming();
        world.server.events->onDataArrived(reply);
    }
    state.SetItemsProcessed(state.iterations() * entries);
}
BENCHMARK(BM_ChannelList)->Arg(10000)->Unit(benchmark::kMillisecond);

// One line of single-character parameters, up to the 64 KiB cap: parsing,
// joining and splitting it must take time in proportion to its length.
void BM_ManyParameters(benchmark::State& state) {
    const auto bytes =
        std::min(static_cast<std::size_t>(state.range(0)), vz::LineAssembler::MaxLineBytes);
    std::string line = ":a!u@h PRIVMSG #flood";
    while (line.size() + 2 < bytes)
        line += " x";
    line += "\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        vz::fake::FakeWorld world;
        world.startSignedOn();
        world.serverSays(":me!u@h JOIN :#flood");
        state.ResumeTiming();
        world.server.events->onDataArrived(line);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
}
BENCHMARK(BM_ManyParameters)->Arg(16 * 1024)->Arg(64 * 1024)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
