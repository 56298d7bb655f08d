#include "app/frm_main.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const std::string Hint = "Якщо плагин не завантажуеться спробуйте зареєструвати його за допомогою "
                         "будь-якої програми, що реєструє *.dll файли";

struct LoadRow {
    const char* name;
    std::vector<std::string> files;  // under Plugins/; each has a class but "bad"
    std::vector<std::string> listed; // the names listed after start-up
    std::vector<std::string> loaded; // the libraries loaded, in order
    std::vector<std::string> status; // the status lines before the banner
};

// The two status lines of a failed load.
std::vector<std::string> failure(const std::string& error) {
    return {" " + error, " " + Hint};
}

// `prefix` & "p00" & `suffix` and so on: `count` numbered names.
std::vector<std::string> numbered(int count, const std::string& prefix, const std::string& suffix) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(prefix + (i < 10 ? "p0" : "p") + std::to_string(i) + suffix);
    return names;
}

class PluginLoadTest : public testing::TestWithParam<LoadRow> {};

TEST_P(PluginLoadTest, FillsSlotsInByteOrderAndStopsAtTheFirstFailure) {
    const LoadRow& row = GetParam();
    fake::FakeWorld world;
    world.files.files["Plugins/readme.txt"] = "";
    world.files.files["echo.dll"] = "";
    for (const auto& file : row.files) {
        world.files.files["Plugins/" + file] = "";
        const std::string base = file.substr(0, file.size() - 4);
        if (base != "bad")
            world.plugins.classes[base + ".Data"] = {"N " + base};
    }
    world.start();
    EXPECT_EQ(world.app->plugins().ListPlugins(), row.listed);
    EXPECT_EQ(world.plugins.loaded, row.loaded);
    const auto lines = world.statusText().lineTexts();
    const std::vector<std::string> beforeBanner(lines.begin(), lines.end() - 3);
    EXPECT_EQ(beforeBanner, row.status);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PluginLoadTest,
    testing::Values(
        LoadRow{"None", {}, {}, {}, {}},
        LoadRow{"TwoInByteOrder",
                {"b.dll", "B.dll"},
                {"N B", "N b"},
                {"Plugins/B.dll", "Plugins/b.dll"},
                {}},
        LoadRow{"UnknownClassStops",
                {"a.dll", "bad.dll", "c.dll"},
                {"N a"},
                {"Plugins/a.dll", "Plugins/bad.dll"},
                failure("!!! Plugin error 3 no class bad.Data")},
        LoadRow{"ThirtyFirstFileHasNoSlot", numbered(31, "", ".dll"), numbered(30, "N ", ""),
                numbered(30, "Plugins/", ".dll"),
                failure("!!! Plugin error 4 No free plug-in slot for p30.dll: 30 plug-ins are "
                        "loaded")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PluginTableTest, LoadingAgainKeepsTheObjectOfARemovedLastFile) {
    fake::FakeWorld world;
    for (const char* base : {"a", "b", "c"}) {
        world.files.files["Plugins/" + std::string(base) + ".dll"] = "";
        world.plugins.classes[base + std::string(".Data")] = {base};
    }
    world.start();
    world.files.files.erase("Plugins/c.dll");
    world.app->LoadOptions();
    EXPECT_EQ(world.app->plugins().ListPlugins(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(world.plugins.alive, 3);
    EXPECT_EQ(world.plugins.loaded.size(), 5u);
}

struct StartRow {
    const char* name;
    int entry;
    bool started;
    std::vector<std::string> called;
};

class PluginStartTest : public testing::TestWithParam<StartRow> {};

// Slot 2's object gives no name, so the list shows slots 1, 3 and 4.
TEST_P(PluginStartTest, StartsTheObjectTheEntryShows) {
    const StartRow& row = GetParam();
    fake::FakeWorld world;
    world.plugins.classes = {
        {"a.Data", {"A"}}, {"b.Data", {std::nullopt}}, {"c.Data", {"C"}}, {"d.Data", {"D", true}}};
    for (const char* file : {"a.dll", "b.dll", "c.dll", "d.dll"})
        world.files.files["Plugins/" + std::string(file)] = "";
    world.start();
    ASSERT_EQ(world.app->plugins().ListPlugins(), (std::vector<std::string>{"A", "C", "D"}));
    EXPECT_EQ(world.app->plugins().StartPlugin(row.entry), row.started);
    EXPECT_EQ(world.plugins.started, row.called);
}

INSTANTIATE_TEST_SUITE_P(Rows, PluginStartTest,
                         testing::Values(StartRow{"First", 0, true, {"a.Data"}},
                                         StartRow{"AfterANameless", 1, true, {"c.Data"}},
                                         StartRow{"Failing", 2, false, {"d.Data"}},
                                         StartRow{"NoSelection", -1, false, {}},
                                         StartRow{"PastTheList", 3, false, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vz
