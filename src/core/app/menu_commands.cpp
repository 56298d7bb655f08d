// The main window's menu and toolbar commands, and the nick list's pop-up menu.
#include "app/menu_commands.h"

#include "app/frm_main.h"
#include "text/log_file.h"
#include "windows/frm_chat.h"
#include "windows/membership.h"

namespace vz {

namespace {

constexpr int ArrangeButton = 4;

// What toolbar button 4 shows while it offers an arrangement.
struct ArrangeOffer {
    const char* key;
    const char* builtIn;
    int image;
};

ArrangeOffer offerOf(Arrangement arrangement) {
    switch (arrangement) {
    case Arrangement::Cascade:
        return {"mnuWindowCascade", "Каскадом", 6};
    case Arrangement::TileHorizontal:
        return {"mnuWindowTileHorizontal", "Горизонтально", 5};
    case Arrangement::TileVertical:
        break;
    }
    return {"mnuWindowTileVertical", "Вертикально", 7};
}

Arrangement following(Arrangement arrangement) {
    switch (arrangement) {
    case Arrangement::Cascade:
        return Arrangement::TileHorizontal;
    case Arrangement::TileHorizontal:
        return Arrangement::TileVertical;
    case Arrangement::TileVertical:
        break;
    }
    return Arrangement::Cascade;
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
    main.channels().Show(false);
}

void MenuExit(frmMain& main) {
    main.mainWindow().close();
}

void MenuList(frmMain& main) {
    main.SendData("LIST ");
}

void MenuServer(frmMain& main) {
    main.command().Prompt("Server", "SERVER ");
}

void MenuPrivat(frmMain& main) {
    main.command().Prompt("Privat", "PRIVAT ");
}

void MenuJoin(frmMain& main) {
    main.command().Prompt("Join", "JOIN ");
}

void MenuWhois(frmMain& main) {
    main.command().Prompt("Whois", "WHOIS ");
}

void MenuTopic(frmMain& main) {
    WindowTables& tables = main.tables();
    for (int slot = 1; slot <= tables.ChannelCount(); ++slot) {
        frmChat& channel = tables.channel(slot);
        if (channel.isOpen() && &channel.rtfText() == main.activeTextView())
            main.command().Prompt("Topic", "TOPIC ", channel.strChannel + " :");
    }
}

void MenuNick(frmMain& main) {
    main.PromptNick();
}

void MenuPart(frmMain& main) {
    main.command().Prompt("Part", "PART ");
}

void MenuChannelLog(frmMain& main) {
    openLog(main, main.globals().CurrentChannel);
}

void MenuPrivatLog(frmMain& main) {
    openLog(main, main.globals().CurrentPrivat);
}

void MenuArrange(frmMain& main, Arrangement arrangement) {
    main.mainWindow().arrange(arrangement);
    main.globals().ArrangeMode = following(arrangement);
    ShowArrangeOffer(main);
}

void ShowArrangeOffer(frmMain& main) {
    const ArrangeOffer offer = offerOf(main.globals().ArrangeMode);
    MainWindowView& window = main.mainWindow();
    window.setToolButtonToolTip(ArrangeButton, main.LangTextOr("Main", offer.key, offer.builtIn));
    window.setToolButtonImage(ArrangeButton, offer.image);
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
    main.options().Show(false);
}

void ToolbarArrange(frmMain& main) {
    MenuArrange(main, main.globals().ArrangeMode);
}

void ToolbarExit(frmMain& main) {
    if (main.mainWindow().askYesNo("Дійсно бажаете вийти?", "УВАГА!"))
        MenuExit(main);
}

} // namespace vz
