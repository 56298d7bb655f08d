// Any rows into the list window (a channel list, a WHOIS answer or a names
// listing, chosen by each row's first byte), then every row clicked and double
// clicked. Invariants: LoadChannel gives a "#" run of the row without blanks,
// the row count follows intCount until a names listing (which writes a row per
// name but counts as one), and a double click sends whole lines only.
#include "fuzz_support.h"
#include "text/words.h"
#include "windows/frm_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vz::fake::FakeWorld world;
    vz::fuzz::signOnInChannel(world);
    vz::frmList& list = world.app->list();
    list.openEmpty();
    const std::string input = vz::fuzz::text(data, size);
    bool names = false;
    for (const std::string& row : vz::SplitAll(input, '\n')) {
        const std::string channel = vz::frmList::LoadChannel(row);
        vz::fuzz::check(channel.size() <= row.size(), "the channel is part of the row");
        vz::fuzz::check(channel.empty() || channel[0] == '#', "the channel starts with #");
        vz::fuzz::check(channel.find(' ') == std::string::npos, "the channel holds no blank");
        if (row.empty())
            continue;
        const auto kind = static_cast<vz::frmList::Kind>(static_cast<unsigned char>(row[0]) % 3);
        list.ShowInList(row.substr(1), list.intCount, kind);
        names = names || kind == vz::frmList::Kind::Names;
        vz::fuzz::check(names || list.lstList().count() == list.intCount, "one row per entry");
    }
    for (int row = 0; row < list.lstList().count(); ++row) {
        list.onClick(row);
        list.onDoubleClick(row);
    }
    if (input.find('\r') == std::string::npos)
        vz::fuzz::checkSentLines(world.server.sent);
    return 0;
}
