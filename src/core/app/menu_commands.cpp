#include "app/user_menu.h"

#include "app/frm_main.h"
#include "windows/membership.h"

namespace vz {

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

} // namespace vz
