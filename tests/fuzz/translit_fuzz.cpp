// Transliteration and the layout swap with any trans.ini and any text.
// Invariants: without rules the text stays as it was (but for the fixed
// reading of "sc"); with rules the output stays bounded by text and rules.
#include "config/translit.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [rules, text] = vz::fuzz::cut(vz::fuzz::text(data, size), '\0');
    vz::fake::FakeFiles none;
    vz::fake::FakeDesktop desktop;
    // "sc" is the one reading that needs no file.
    const bool fixedGroup =
        text.find("sc") != std::string::npos || text.find("Sc") != std::string::npos;
    vz::fuzz::check(fixedGroup || vz::Translit(none, text, false) == text, "no rules, no change");
    vz::fuzz::check(vz::Translit(none, text, true) == text, "no rules, no change");
    vz::fuzz::check(vz::SwapLayout(none, desktop, text) == text, "no layout rules, no change");

    vz::fake::FakeFiles files;
    files.files[vz::TranslitFileName] = rules;
    const std::size_t bound = (text.size() + 1) * (rules.size() + 4);
    for (const bool toLatin : {false, true})
        vz::fuzz::check(vz::Translit(files, text, toLatin).size() <= bound, "bounded output");
    vz::fuzz::check(vz::SwapLayout(files, desktop, text).size() <= bound, "bounded swap");
    vz::fuzz::check(desktop.layouts.size() == 2, "one layout chosen per swap");
    return 0;
}
