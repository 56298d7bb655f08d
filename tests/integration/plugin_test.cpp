#include "app/frm_main.h"
#include "dl_plugin_loader.h"
#include "fakes/fake_platform.h"
#include "qt_file_system.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <regex>

namespace vz::it {
namespace {

// The built libraries in the Plugins folder of a temporary working directory,
// with the real files and loader: Echo.dll loads, is listed and writes
// echo.txt when started; Lacking.dll, next in order, stops loading.
TEST(PluginTest, TheSamplePluginRunsAndAMissingFunctionIsReported) {
    const QString startDir = QDir::currentPath();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir::setCurrent(dir.path()) && QDir().mkdir("Plugins"));
    ASSERT_TRUE(QFile::copy(VUVIVAZ_ECHO_PLUGIN, "Plugins/Echo.dll"));
    ASSERT_TRUE(QFile::copy(VUVIVAZ_LACKING_PLUGIN, "Plugins/Lacking.dll"));
    QtFileSystem files;
    DlPluginLoader loader;
    fake::FakeWorld world({.files = &files, .plugins = &loader});
    world.start();
    EXPECT_EQ(world.app->plugins().ListPlugins(), std::vector<std::string>{"Echo"});
    EXPECT_TRUE(world.app->plugins().StartPlugin(0));
    EXPECT_TRUE(std::regex_search(files.readFile("echo.txt").value_or(""),
                                  std::regex("^Echo started at \\d{4}-\\d\\d-\\d\\d ")));
    const auto lines = world.statusText().lineTexts();
    EXPECT_TRUE(std::regex_search(
        lines.at(0), std::regex("^ !!! Plugin error 2 Plugins/Lacking.dll: .*vuvivaz_name")))
        << lines.at(0);
    world.app.reset();
    QDir::setCurrent(startDir);
}

} // namespace
} // namespace vz::it
