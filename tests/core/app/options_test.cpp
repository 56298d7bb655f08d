#include "app/frm_main.h"
#include "app/menu_commands.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using fake::FakeOptionsView;

// CR LF written as "|".
std::string crlf(std::string text) {
    for (std::size_t at; (at = text.find('|')) != std::string::npos;)
        text.replace(at, 1, "\r\n");
    return text;
}

// A started world whose files are `files` (name, content with "|" for CR LF),
// with the options dialog opened from the toolbar.
struct OptionsWorld : fake::FakeWorld {
    explicit OptionsWorld(std::initializer_list<std::pair<const char*, const char*>> given) {
        for (const auto& [name, content] : given)
            files.files[name] = crlf(content);
        start();
        ToolbarOptions(*app);
    }
    FakeOptionsView& view() { return *ui.options; }
    OptionsViewEvents& events() { return *ui.optionsEvents; }
    fake::FakeServerEditorView& editor() { return *view().editor; }
    std::string file(const std::string& name) { return files.files[name]; }
};

TEST(OptionsTest, ApplyAddsMissingKeysInOrderThenSetsEveryKey) {
    struct Row {
        const char* name;
        const char* before; // the settings file; nullptr: none
        void (*edit)(FakeOptionsView&);
        const char* after;
        FileAccess access;
        // Server:Port, the language and the two log switches the program took.
        const char* taken;
        // The first page button's caption after Apply.
        const char* pageCaption;
    };
    const Row rows[] = {
        {"from nothing", nullptr,
         [](FakeOptionsView& v) {
             v.fullName.value = "Taras", v.email.value = "t@example.net", v.nick.value = "taras";
             v.alternative.value = "taras_", v.servers.value = "irc.example.net<Ex>";
             v.port.value = "7000", v.connOnStart.checked = v.chanLog.checked = true;
             v.proxy.checked = true, v.proxyServer.value = "proxy.example";
             v.proxyPort.value = "1080";
         },
         "[Options]|FullName=Taras|Email=t@example.net|Nick=taras|Alternative=taras_|"
         "ConnOnStart=1||[Last]|Server=irc.example.net<Ex>|Port=7000||[Start]|Open=0||"
         "[Lang]|Name=Ukrainian.lng||[Logs]|Channels=1|Privats=0||[Proxy]|Proxy=1|"
         "Server=proxy.example|Port=1080||",
         FileAccess::Usual, "irc.example.net<Ex>:7000 Ukrainian.lng 10", ""},
        {"over a file of foreign sections, the password emptied",
         "[Mine]|a=1|[options]|NICK=old|ConnOnStart=1|[Position]|Top=1|[Last]|Password=x|"
         "Server=irc.old|Port=no|[Start]|Open=1|[Logs]|Privats=1|[Connect]|OpenChannelsForm=1",
         [](FakeOptionsView& v) {
             v.nick.value = "new", v.password.value = "", v.languages.value = "English.lng";
         },
         "[Mine]|a=1||[options]|NICK=new|ConnOnStart=1|FullName=|Email=|Alternative=||"
         "[Position]|Top=1||[Last]|Password=|Server=irc.old|Port=6667||[Start]|Open=1||"
         "[Logs]|Privats=1|Channels=0||[Connect]|OpenChannelsForm=1||[Lang]|Name=English.lng||"
         "[Proxy]|Proxy=0|Server=|Port=||",
         FileAccess::Usual, "irc.old:6667 English.lng 01", "Connection"},
        {"a typed password", nullptr, [](FakeOptionsView& v) { v.password.value = "s3cret"; },
         "[Options]|FullName=|Email=|Nick=|Alternative=|ConnOnStart=0||[Last]|Server=|Port=6667|"
         "Password=s3cret||[Start]|Open=0||[Lang]|Name=Ukrainian.lng||[Logs]|Channels=0|"
         "Privats=0||[Proxy]|Proxy=0|Server=|Port=||",
         FileAccess::OwnerOnly, ":6667 Ukrainian.lng 00", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OptionsWorld world({{"English.lng", "[Options]|lblOption1=Connection"}});
        if (row.before != nullptr)
            world.files.files["vuvivaz.ini"] = crlf(row.before);
        ToolbarOptions(*world.app);
        row.edit(world.view());
        world.events().onApply();
        EXPECT_EQ(world.file("vuvivaz.ini"), crlf(row.after));
        EXPECT_EQ(world.files.accessOf["vuvivaz.ini"], row.access);
        const Globals& g = world.app->globals();
        EXPECT_EQ(g.Server + ":" + std::to_string(g.ServerPort) + " " + g.LangName + " " +
                      g.LogChannels + g.LogPrivats,
                  row.taken);
        EXPECT_EQ(world.view().captions["cmdOption1"], row.pageCaption);
        EXPECT_TRUE(world.view().visible);
    }
}

// Each row starts from the dialog opened over "Server.txt" of irc.a and
// irc.b<B> with irc.a picked, acts, then shows the file, the server field and
// the port field.
TEST(OptionsTest, ServerListCycle) {
    struct Row {
        const char* name;
        const char* before;
        void (*act)(OptionsWorld&);
        const char* after;
        const char* field;
        const char* port;
    };
    const Row rows[] = {
        {"add with a description", "irc.a|irc.b<B>",
         [](OptionsWorld& w) {
             w.events().onAddServer();
             w.editor().server.value = "irc.c", w.editor().description.value = "C";
             w.view().editorEvents->onAdd();
         },
         "irc.a|irc.b<B>|irc.c<C>|", "irc.c<C>", "6669"},
        {"add without one, to a missing file", nullptr,
         [](OptionsWorld& w) {
             w.events().onAddServer();
             w.editor().server.value = "irc.c";
             w.view().editorEvents->onAdd();
         },
         "irc.c|", "irc.c", "6669"},
        {"edit the picked entry", "irc.a|irc.b<B>",
         [](OptionsWorld& w) {
             w.view().servers.pick(1);
             w.events().onEditServer();
             EXPECT_EQ(w.editor().server.value + " " + w.editor().description.value, "irc.b B");
             w.editor().description.value = "", w.editor().port.value = "";
             w.view().editorEvents->onAdd();
         },
         "irc.a|irc.b|", "irc.b", ""},
        {"edit a typed entry", "irc.a|irc.b<B>",
         [](OptionsWorld& w) {
             w.view().servers.value = "irc.x";
             w.events().onEditServer();
             EXPECT_EQ(w.app->options().addServer().EditIndex, -1);
             w.editor().server.value = "irc.y", w.editor().description.value = "Y";
             w.view().editorEvents->onAdd();
         },
         "irc.a|irc.b<B>", "irc.y<Y>", "6669"},
        {"delete the picked entry", "irc.a|irc.b<B>",
         [](OptionsWorld& w) { w.events().onDeleteServer(); }, "irc.b<B>|", "", "6667"},
        {"delete a typed entry from a hand-edited file", "irc.a\n\nirc.b<B>",
         [](OptionsWorld& w) {
             EXPECT_EQ(w.view().servers.rows, (std::vector<std::string>{"irc.a", "irc.b<B>"}));
             w.view().servers.value = "irc.a ";
             w.events().onDeleteServer();
         },
         "irc.a|irc.b<B>|", "", "6667"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OptionsWorld world({{"vuvivaz.ini", "[Last]|Server=irc.a"}});
        if (row.before != nullptr)
            world.files.files["Server.txt"] = crlf(row.before);
        ToolbarOptions(*world.app);
        row.act(world);
        EXPECT_EQ(world.file("Server.txt"), crlf(row.after));
        EXPECT_EQ(world.view().servers.value, row.field);
        EXPECT_EQ(world.view().port.value, row.port);
        EXPECT_EQ(world.files.files.count("server.txt"), 0u);
    }
}

// The frame stays hidden; its two boxes take typing only while the box is ticked.
TEST(OptionsTest, ProxyBoxesFollowTheCheckBox) {
    OptionsWorld world({{"vuvivaz.ini", "[Proxy]|Proxy=1"}});
    FakeOptionsView& view = world.view();
    EXPECT_TRUE(view.proxyFrameHidden);
    for (const bool ticked : {true, false, true}) {
        view.proxy.checked = ticked;
        world.events().onProxyClick();
        EXPECT_EQ(view.proxyBoxesEnabled, ticked);
    }
    world.files.files["vuvivaz.ini"] = crlf("[Proxy]|Proxy=0");
    ToolbarOptions(*world.app);
    EXPECT_FALSE(view.proxyBoxesEnabled);
}

// Starting needs a picked entry; a started plug-in closes the dialog.
TEST(OptionsTest, PluginButtonStartsThePickedPlugIn) {
    fake::FakeWorld world;
    world.files.files["Plugins/Echo.dll"] = "";
    world.plugins.classes.try_emplace("Echo.Data", "Echo");
    world.start();
    ToolbarOptions(*world.app);
    FakeOptionsView& view = *world.ui.options;
    EXPECT_EQ(view.plugins.rows, std::vector<std::string>{"Echo"});
    world.ui.optionsEvents->onPlugin();
    EXPECT_EQ(world.plugins.started + (view.visible ? "open" : "closed"), "open");
    view.plugins.selected = 0;
    world.ui.optionsEvents->onPlugin();
    EXPECT_EQ(world.plugins.started + (view.visible ? " open" : " closed"), "Echo.Data closed");
}

} // namespace
} // namespace vz
