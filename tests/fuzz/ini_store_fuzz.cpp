// Any bytes as a settings file: loaded, written, loaded and written again.
// Invariant: the second write gives the same bytes as the first (the first may
// differ from the hand-made file: comments and blank lines go), and every
// section and key of the first load is found again after the second.
#include "config/ini_store.h"
#include "fuzz_support.h"

namespace {

std::string loadAndWrite(vz::fake::FakeFiles& files, vz::clsINI& ini) {
    ini.setFileName("a.ini");
    vz::fuzz::check(ini.UpdateFile(), "the store writes");
    return files.files["a.ini"];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vz::fake::FakeFiles files;
    files.files["a.ini"] = vz::fuzz::text(data, size);
    vz::clsINI first(files), second(files);
    const std::string written = loadAndWrite(files, first);
    vz::fuzz::check(loadAndWrite(files, second) == written, "the second write is the first");
    vz::fuzz::check(first.SectionsCount() == second.SectionsCount(), "every section again");
    for (int s = 1; s <= first.SectionsCount(); ++s) {
        const std::string section = first.SectionName(s);
        vz::fuzz::check(first.ValuesCount(section) == second.ValuesCount(section),
                        "every key again");
        for (int k = 1; k <= first.ValuesCount(section); ++k)
            vz::fuzz::check(second.ValueExists(section, first.ValueName(section, k)), "key found");
    }
    return 0;
}
