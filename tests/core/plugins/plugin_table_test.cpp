#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// Starts `world` with `bases` & ".dll" in its Plugins folder; each base but
// "bad" has a class, whose objects bear the base as their name unless the
// class is there already.
void startWith(fake::FakeWorld& world, const std::vector<std::string>& bases) {
    for (const auto& base : bases) {
        world.files.files["Plugins/" + base + ".dll"] = "";
        if (base != "bad")
            world.plugins.classes.try_emplace(base + ".Data", base);
    }
    world.start();
}

struct LoadRow {
    const char* name;
    std::vector<std::string> files, listed;
    std::string error; // the failure's number and description
};

TEST(PluginTableTest, LoadingFillsSlotsInByteOrderAndStopsAtTheFirstFailure) {
    std::vector<std::string> many; // "A" to "_", in byte order
    for (char c = 'A'; many.size() < 31; ++c)
        many.emplace_back(1, c);
    const LoadRow rows[] = {
        {"None", {}, {}, ""},
        {"TwoInByteOrder", {"b", "B"}, {"B", "b"}, ""},
        {"UnknownClass", {"a", "bad", "c"}, {"a"}, "3 no class bad.Data"},
        {"ThirtyOne",
         many,
         {many.begin(), many.end() - 1},
         "4 No free plug-in slot for _.dll: 30 plug-ins are loaded"},
    };
    const std::string advice = "| Якщо плагин не завантажуеться спробуйте зареєструвати його за "
                               "допомогою будь-якої програми, що реєструє *.dll файли|";
    for (const LoadRow& row : rows) {
        SCOPED_TRACE(row.name);
        fake::FakeWorld world;
        world.files.files["Plugins/readme.txt"] = world.files.files["other.dll"] = "";
        startWith(world, row.files);
        EXPECT_EQ(world.app->plugins().ListPlugins(), row.listed);
        const auto lines = world.statusText().lineTexts();
        std::string beforeBanner;
        for (std::size_t i = 0; i + 3 < lines.size(); ++i)
            beforeBanner += lines[i] + "|";
        EXPECT_EQ(beforeBanner, row.error.empty() ? "" : " !!! Plugin error " + row.error + advice);
    }
}

// "b" gives no name, so the entries show a, c and d.
TEST(PluginTableTest, ListingSkipsNamelessObjectsAndStartingCallsTheOneShown) {
    fake::FakeWorld world;
    world.plugins.classes["b.Data"] = std::nullopt;
    startWith(world, {"a", "b", "c", "d"});
    ASSERT_EQ(world.app->plugins().ListPlugins(), (std::vector<std::string>{"a", "c", "d"}));
    for (const auto& [entry, started] :
         {std::pair{0, "a.Data"}, {1, "c.Data"}, {-1, ""}, {3, ""}}) {
        SCOPED_TRACE(entry);
        world.plugins.started.clear();
        EXPECT_EQ(world.app->plugins().StartPlugin(entry), *started != '\0');
        EXPECT_EQ(world.plugins.started, started);
    }
    // Loaded again without d.dll: the first slots hold new objects, the last
    // keeps the old one.
    world.plugins.classes = {{"a.Data", "A"}, {"b.Data", "B"}, {"c.Data", "C"}};
    world.files.files.erase("Plugins/d.dll");
    world.app->LoadOptions();
    EXPECT_EQ(world.app->plugins().ListPlugins(), (std::vector<std::string>{"A", "B", "C", "d"}));
    world.app->plugins().StartPlugin(3);
    EXPECT_EQ(world.plugins.started, "d.Data");
}

} // namespace
} // namespace vz
