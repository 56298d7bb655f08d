#include "app/menu_commands.h"
#include "config/list_file.h"
#include "fakes/fake_platform.h"
#include "text/words.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using fake::crlf;
using fake::FakeOptionsView;

// A started world with `files` (CR LF as "|") and the options dialog opened
// from the toolbar. A plug-in file "Plugins/Echo.dll" holds the class
// "Echo.Data", whose object is named "Echo".
struct OptionsWorld : fake::FakeWorld {
    explicit OptionsWorld(std::initializer_list<std::pair<const char*, const char*>> given) {
        for (const auto& [name, content] : given)
            if (content != nullptr)
                files.files[name] = crlf(content);
        plugins.classes.try_emplace("Echo.Data", "Echo");
        start();
        ToolbarOptions(*app);
    }
    FakeOptionsView& view() { return *ui.options; }
    OptionsViewEvents& events() { return *ui.optionsEvents; }
};

TEST(OptionsTest, ApplyAddsMissingKeysInOrderThenSetsEveryKey) {
    // Each row: its name, the settings before (nullptr: no file), the edit,
    // whether it ends with OK instead of Apply, the settings after, and what
    // the program took: Server:Port, the language and the log switches, the
    // first page button's caption, whether the file is kept from other users
    // and whether the dialog closed.
    struct Row {
        const char *name, *before;
        void (*edit)(FakeOptionsView&);
        bool ok;
        const char *after, *taken;
    };
    const Row rows[] = {
        {"from nothing", nullptr,
         [](FakeOptionsView& v) {
             v.fullName.value = "Taras", v.email.value = "t@example.net", v.nick.value = "taras";
             v.alternative.value = "taras_", v.servers.value = "irc.example.net<Ex>";
             v.port.value = "+7000", v.connOnStart.checked = v.chanLog.checked = true;
             v.proxy.checked = true, v.proxyServer.value = "proxy.example";
             v.proxyPort.value = "1080";
         },
         false,
         "[Options]|FullName=Taras|Email=t@example.net|Nick=taras|Alternative=taras_|"
         "ConnOnStart=1||[Last]|Server=irc.example.net<Ex>|Port=+7000||[Start]|Open=0||"
         "[Lang]|Name=Ukrainian.lng||[Logs]|Channels=1|Privats=0||[Proxy]|Proxy=1|"
         "Server=proxy.example|Port=1080||",
         "irc.example.net<Ex>:+7000 Ukrainian.lng 10 "},
        {"over foreign sections and one written meanwhile, the password and account emptied",
         "[Mine]|a=1|[options]|NICK=old|Email=e|ConnOnStart=1|[Position]|Top=1|[Last]|"
         "Password=x|SaslUser=y|Server=irc.old|Port=no|[Start]|Open=1|[Logs]|Privats=1",
         [](FakeOptionsView& v) {
             v.nick.value = "new", v.password.value = v.saslUser.value = "";
             v.languages.value = "English.lng";
         },
         false,
         "[Mine]|a=1||[options]|NICK=new|Email=e|ConnOnStart=1|FullName=|Alternative=||"
         "[Position]|Top=1||[Last]|Password=|SaslUser=|Server=irc.old|Port=6667||[Start]|Open=1||"
         "[Logs]|Privats=1|Channels=0||[Connect]|OpenChannelsForm=1||[Lang]|Name=English.lng||"
         "[Proxy]|Proxy=0|Server=|Port=||",
         "irc.old:6667 English.lng 01 Connection"},
        {"a typed password and account, OK", nullptr,
         [](FakeOptionsView& v) { v.password.value = "s3cret", v.saslUser.value = "acct"; }, true,
         "[Options]|FullName=|Email=|Nick=|Alternative=|ConnOnStart=0||[Last]|Server=|Port=6667|"
         "Password=s3cret|SaslUser=acct||[Start]|Open=0||[Lang]|Name=Ukrainian.lng||[Logs]|"
         "Channels=0|Privats=0||[Proxy]|Proxy=0|Server=|Port=||",
         ":6667 Ukrainian.lng 00 , owner only, closed"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OptionsWorld world(
            {{"English.lng", "[Options]|lblOption1=Connection"}, {"vuvivaz.ini", row.before}});
        if (row.before != nullptr)
            world.files.files["vuvivaz.ini"] += crlf("|[Connect]|OpenChannelsForm=1");
        row.edit(world.view());
        row.ok ? world.events().onOk() : world.events().onApply();
        EXPECT_EQ(world.files.files["vuvivaz.ini"], crlf(row.after));
        const Globals& g = world.app->globals();
        const bool ownerOnly = world.files.accessOf["vuvivaz.ini"] == FileAccess::OwnerOnly;
        EXPECT_EQ(g.Server + ":" + g.ServerPort.text() + " " + g.LangName + " " + g.LogChannels +
                      g.LogPrivats + " " + world.view().captions["cmdOption1"] +
                      (ownerOnly ? ", owner only" : "") + (world.view().visible ? "" : ", closed"),
                  row.taken);
    }
}

// The dialog opens over "Server.txt" with the stored irc.a picked when the
// list has it. Entries typed in the editor are "host<description>".
TEST(OptionsTest, ServerListCycle) {
    // Each row: its name, the list file before (nullptr: none), the row the
    // user picks (-1: none), what is typed over the server field (nullptr:
    // nothing), the buttons pressed, the editor's host and description as it
    // opened (nullptr: it did not open), the entry and the port typed there
    // (nullptr: as it opened), the list file after, and the server and port
    // the dialog shows.
    struct Row {
        const char *name, *before;
        int pick;
        const char *typed, *act, *opened, *entry, *port, *after, *shown;
    };
    const Row rows[] = {
        {"add with a description", "irc.a|irc.b<B>", -1, nullptr, "add", " ", "irc.c<C>", nullptr,
         "irc.a|irc.b<B>|irc.c<C>|", "irc.c<C> 6669"},
        {"add without one to no file", nullptr, -1, nullptr, "add", " ", "irc.c", nullptr, "irc.c|",
         "irc.c 6669"},
        {"edit the picked entry", "irc.a|irc.b<B>", 1, nullptr, "edit", "irc.b B", "irc.b", "",
         "irc.a|irc.b|", "irc.b "},
        {"edit a typed entry", "irc.a|irc.b<B>", -1, "irc.x", "edit", "irc.x ", "irc.y<Y>", nullptr,
         "irc.a|irc.b<B>", "irc.y<Y> 6669"},
        {"edit an entry deleted meanwhile", "irc.a|irc.b<B>", 1, nullptr, "edit, delete", "irc.b B",
         nullptr, nullptr, "irc.a|", "irc.b<B> 6669"},
        {"delete the picked entry", "irc.a|irc.b<B>", -1, nullptr, "delete", nullptr, nullptr,
         nullptr, "irc.b<B>|", " 6667"},
        {"delete a typed entry from a hand-edited file", "irc.a\n\nirc.b<B>", -1, "irc.a ",
         "delete", nullptr, nullptr, nullptr, "irc.a|irc.b<B>|", " 6667"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OptionsWorld world({{"vuvivaz.ini", "[Last]|Server=irc.a"}, {"Server.txt", row.before}});
        FakeOptionsView& view = world.view();
        if (row.pick >= 0)
            view.servers.setCurrentRow(row.pick);
        if (row.typed != nullptr)
            view.servers.value = row.typed;
        const std::string act = row.act;
        if (act == "add")
            world.events().onAddServer();
        else if (act.starts_with("edit"))
            world.events().onEditServer();
        if (act.ends_with("delete"))
            world.events().onDeleteServer();
        if (row.opened != nullptr) {
            fake::FakeServerEditorView& editor = *view.editor;
            EXPECT_EQ(editor.server.value + " " + editor.description.value, row.opened);
            if (row.entry != nullptr)
                editor.server.value = BeforeAngle(row.entry),
                editor.description.value = InsideAngle(row.entry);
            if (row.port != nullptr)
                editor.port.value = row.port;
            view.editorEvents->onAdd();
            EXPECT_FALSE(editor.visible);
        }
        EXPECT_EQ(world.files.files["Server.txt"], crlf(row.after));
        EXPECT_EQ(view.servers.rows, ReadListFile(world.files, ServerListFile));
        EXPECT_EQ(view.servers.value + " " + view.port.value, row.shown);
    }
}

// The dialog opens on page 1 with its lists filled anew; the proxy frame
// stays hidden, and its two boxes take typing only while the box is ticked.
// Connect takes what the dialog shows without storing it.
TEST(OptionsTest, OpensOnPageOneAndTheProxyBoxesFollowTheCheckBox) {
    OptionsWorld world(
        {{"vuvivaz.ini", "[Proxy]|Proxy=1"}, {"x.lng", ""}, {"Plugins/Echo.dll", ""}});
    FakeOptionsView& view = world.view();
    EXPECT_TRUE(view.proxyFrameHidden);
    for (const bool ticked : {true, false, true}) {
        view.proxy.checked = ticked;
        world.events().onProxyClick();
        EXPECT_EQ(view.proxyBoxesEnabled, ticked);
    }
    world.events().onPage(3);
    EXPECT_EQ(view.page, 3);
    world.events().onCancel();
    EXPECT_FALSE(view.visible);
    world.files.files["vuvivaz.ini"] = crlf("[Proxy]|Proxy=0");
    ToolbarOptions(*world.app);
    EXPECT_EQ(view.page, 1);
    EXPECT_FALSE(view.proxyBoxesEnabled);
    EXPECT_EQ(view.languages.rows, std::vector<std::string>{"x.lng"});
    EXPECT_EQ(view.plugins.rows, std::vector<std::string>{"Echo"});
    view.servers.value = "irc.x<X>", view.port.value = "7000", view.password.value = "p";
    world.events().onConnect();
    EXPECT_EQ(world.server.host + ":" + std::to_string(world.server.port) + " " +
                  world.app->globals().Password + (view.visible ? " open" : ""),
              "irc.x:7000 p");
    EXPECT_EQ(world.files.files["vuvivaz.ini"], crlf("[Proxy]|Proxy=0")); // nothing stored
}

// Starting needs a picked entry; a started plug-in closes the dialog.
TEST(OptionsTest, PluginButtonStartsThePickedPlugIn) {
    OptionsWorld world({{"Plugins/Echo.dll", ""}});
    FakeOptionsView& view = world.view();
    world.events().onPlugin();
    EXPECT_EQ(world.plugins.started + (view.visible ? "open" : "closed"), "open");
    view.plugins.selected = 0;
    world.events().onPlugin();
    EXPECT_EQ(world.plugins.started + (view.visible ? " open" : " closed"), "Echo.Data closed");
}

} // namespace
} // namespace vz
