#include "app/frm_main.h"
#include "dl_plugin_loader.h"
#include "fakes/fake_platform.h"
#include "qt_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <regex>

namespace vz::it {
namespace {

const char* const Hint = " Якщо плагин не завантажуеться спробуйте зареєструвати його за допомогою "
                         "будь-якої програми, що реєструє *.dll файли";

struct Row {
    const char* name;
    // Files put into Plugins/: name and the built library copied there (a
    // text file when null).
    std::vector<std::pair<const char*, const char*>> files;
    std::vector<std::string> listed;
    const char* error; // what the first status line matches; null: no failure
};

const Row Rows[] = {
    {"SamplePlugin", {{"Echo.dll", VUVIVAZ_ECHO_PLUGIN}}, {"Echo"}, nullptr},
    {"MissingSymbol",
     {{"Echo.dll", VUVIVAZ_ECHO_PLUGIN}, {"Lacking.dll", VUVIVAZ_LACKING_PLUGIN}},
     {"Echo"},
     "^ !!! Plugin error 2 Plugins/Lacking.dll: .*undefined symbol: vuvivaz_name"},
    {"ClassNamedAfterTheFile",
     {{"Renamed.dll", VUVIVAZ_ECHO_PLUGIN}},
     {},
     "^ !!! Plugin error 3 Plugins/Renamed.dll: no class Renamed.Data$"},
    {"NoLibrary", {{"Text.dll", nullptr}}, {}, "^ !!! Plugin error 1 Plugins/Text.dll: .+"},
};

// The program's logic with the real files and plug-in loader, in a temporary
// working directory: the plug-ins are found, listed and started, or the first
// failure is reported.
TEST(PluginTest, RealLibrariesAreLoadedListedAndStarted) {
    const QString startDir = QDir::currentPath();
    for (const Row& row : Rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkdir("Plugins"));
        for (const auto& [name, library] : row.files) {
            QFile file(dir.filePath(QString("Plugins/") + name));
            ASSERT_TRUE(library != nullptr ? QFile::copy(library, file.fileName())
                                           : file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        QtFileSystem files;
        DlPluginLoader loader;
        fake::FakeWorld world({.files = &files, .plugins = &loader});
        world.start();
        PluginTable& plugins = world.app->plugins();
        EXPECT_EQ(plugins.ListPlugins(), row.listed);
        const auto lines = world.statusText().lineTexts();
        if (row.error != nullptr) {
            EXPECT_TRUE(std::regex_search(lines.at(0), std::regex(row.error))) << lines.at(0);
            EXPECT_EQ(lines.at(1), Hint);
        } else {
            EXPECT_EQ(lines.size(), 3u) << "only the banner";
        }
        if (!row.listed.empty()) {
            EXPECT_TRUE(plugins.StartPlugin(0));
            EXPECT_TRUE(std::regex_search(*files.readFile("echo.txt"),
                                          std::regex("^Echo started at \\d{4}-\\d\\d-\\d\\d ")));
        }
        world.app.reset();
        ASSERT_TRUE(QDir::setCurrent(startDir));
    }
}

} // namespace
} // namespace vz::it
