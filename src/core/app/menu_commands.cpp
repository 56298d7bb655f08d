// The main window's menu and toolbar commands, and the nick list's pop-up menu.
#include "app/menu_commands.h"

#include "app/frm_main.h"
#include "text/log_file.h"
#include "windows/membership.h"

namespace vz {

namespace {

constexpr int ArrangeButton = 4;

// What toolbar button 4 offers after an arrangement.
struct NextArrangement {
    const char* key;
    const char* builtIn;
    int image;
    Arrangement mode;
};

NextArrangement nextAfter(Arrangement arrangement) {
    switch (arrangement) {
    case Arrangement::Cascade:
        return {"mnuWindowTileHorizontal", "Горизонтально", 5, Arrangement::TileHorizontal};
    case Arrangement::TileVertical:
        return {"mnuWindowCascade", "Каскадом", 6, Arrangement::Cascade};
    case Arrangement::TileHorizontal:
        break;
    }
    return {"mnuWindowTileVertical", "Вертикально", 7, Arrangement::TileVertical};
}

void disconnectOrReload(frmMain& main, void (*whenIdle)(frmMain&)) {
    if (main.globals().Connected) {
        main.connection().DisconnectToIRC();
        return;
    }
    main.LoadOptions();
    whenIdle(main);
}

void openLog(frmMain& main, const std::string& logName) {
    if (logName.empty())
        return;
    const std::string file = LogFileName(logName);
    if (!main.platform().files.isFile(file))
        main.PutStatus("*** Лог не знайдено: " + file);
    else if (!main.platform().desktop.openInEditor(file))
        main.PutStatus("*** Не вдалося відкрити " + file);
}

} // namespace

void MenuConnect(frmMain& main) {
    disconnectOrReload(main, ToolbarOptions);
}

void MenuFavourites(frmMain& main) {
    main.platform().dialogs.showFavouriteChannels(false);
}

void MenuExit(frmMain& main) {
    main.mainWindow().close();
}

void MenuList(frmMain& main) {
    main.SendData("LIST ");
}

void MenuNick(frmMain& main) {
    main.platform().dialogs.promptNick();
}

void MenuChannelLog(frmMain& main) {
    openLog(main, main.globals().CurrentChannel);
}

void MenuPrivatLog(frmMain& main) {
    openLog(main, main.globals().CurrentPrivat);
}

void MenuArrange(frmMain& main, Arrangement arrangement) {
    MainWindowView& window = main.mainWindow();
    window.arrange(arrangement);
    const NextArrangement next = nextAfter(arrangement);
    window.setToolButtonToolTip(ArrangeButton, main.LangTextOr("Main", next.key, next.builtIn));
    window.setToolButtonImage(ArrangeButton, next.image);
    main.globals().ArrangeMode = next.mode;
}

void MenuAbout(frmMain& main) {
    main.platform().dialogs.showAbout();
}

void UserMenuWho(frmMain& main) {
    std::string& nick = main.globals().SelectedNick;
    if (!nick.empty() && nick.front() == '@')
        nick.erase(0, 1);
    nick = nick.substr(0, nick.find('['));
    main.SendData(main.ParseCommand("", "whois " + nick));
}

void UserMenuMsg(frmMain& main) {
    std::string& nick = main.globals().SelectedNick;
    nick = StripPrefix(nick);
    if (!nick.empty())
        main.tables().ShowPrivat(nick);
}

void ToolbarConnect(frmMain& main) {
    disconnectOrReload(main, [](frmMain& idle) {
        Globals& globals = idle.globals();
        idle.connection().ConnectToIRC(globals.Server, globals.ServerPort);
    });
}

void ToolbarOptions(frmMain& main) {
    main.platform().dialogs.showOptions(false);
}

void ToolbarArrange(frmMain& main) {
    MenuArrange(main, main.globals().ArrangeMode);
}

void ToolbarExit(frmMain& main) {
    if (main.mainWindow().askYesNo("Дійсно бажаете вийти?", "УВАГА!"))
        MenuExit(main);
}

} // namespace vz
