// Any bytes as the language file: the program starts with it, signs on, opens
// a channel, a private window, the list window and every dialog, each taking
// its captions from the file. Invariants: no caption holds a line break and
// every text found is the one the settings store reads.
#include "app/menu_commands.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vz::fake::FakeWorld world;
    world.files.files[vz::LanguageTexts::DefaultFile] = vz::fuzz::text(data, size);
    world.start();
    world.app->globals().Nick = "me";
    world.connect();
    for (const char* line :
         {":me!u@h JOIN :#c", ":s 353 me = #c :@me +a b", ":a!u@h PRIVMSG me :hi",
          ":s 353 me = #d :x y", ":s 321 me Channel :Users Name", ":s 322 me #c 3 :topic",
          ":s 311 me a u h * :real"})
        world.serverSays(line);
    vz::ToolbarOptions(*world.app);
    vz::MenuFavourites(*world.app);
    vz::MenuJoin(*world.app);
    world.app->SetLang();

    for (const auto& [menu, caption] : world.mainWindow.menuCaptions)
        vz::fuzz::check(!vz::fuzz::hasLineBreak(caption), "a menu caption is one line");
    vz::fuzz::check(!vz::fuzz::hasLineBreak(world.mainWindow.captionText), "a title is one line");
    vz::clsINI ini(world.files);
    ini.setFileName(vz::LanguageTexts::DefaultFile);
    for (int s = 1; s <= ini.SectionsCount(); ++s) {
        const std::string section = ini.SectionName(s);
        for (int k = 1; k <= ini.ValuesCount(section); ++k) {
            const std::string key = ini.ValueName(section, k);
            vz::fuzz::check(world.app->LangTextOr(section, key, "\x01") == ini.Value(section, key),
                            "the text the store reads");
        }
    }
    vz::fuzz::checkSentLines(world.server.sent);
    return 0;
}
