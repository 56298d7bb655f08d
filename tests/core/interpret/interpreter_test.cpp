#include "fakes/fake_platform.h"
#include "text/color_writer.h"
#include "text/words.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// Signed on as "me" (alternative "me_") in #x, the active window, and #y,
// with private windows for Alice, Bob and a stranger.
struct Stage : fake::SignedOnWorld {
    Stage() {
        for (const auto& [channel, members] :
             {std::pair{"#x", "me ME bob +alice"}, std::pair{"#y", "@alice bob"}}) {
            serverSays(std::string(":me!u@h JOIN :") + channel);
            for (const std::string& member : SplitAll(members, ' '))
                chat(channel).AddNick(member);
        }
        for (const char* nick : {"Alice", "Bob", "stranger"})
            app->tables().OpenPrivat(nick, "Vorn");
        app->setActiveChild(&chat("#x").rtfText());
        news();
    }
    // What `where` shows: "status" its last line; "nick" the nick, how often
    // the user was asked for one and the last status line; "privats" their
    // number and the last status line; "list" the list window and the last
    // status line; "#x topic" the topic box ("^": the caret at its start), its
    // lock and the last line of #x;
    // a channel its members and last line; a private window its title, nick,
    // host and last line; "alerts" how often the main window asked for attention.
    std::string look(const std::string& where) {
        std::string text;
        if (where == "status")
            return statusLast();
        if (where == "alerts")
            return std::to_string(mainWindow.alerts);
        if (where == "nick")
            return app->globals().Nick + " asked " +
                   std::to_string(ui.prompt ? ui.prompt->shows : 0) + " |" + statusLast();
        if (where == "privats")
            return std::to_string(app->tables().PrivatCount()) + " |" + statusLast();
        if (where == "list") {
            text = ui.list->win.titleText + (ui.list->win.visible ? " shown" : " hidden");
            for (const std::string& row : ui.list->listBox.rows)
                text += " | " + row;
            return text + " /" + statusLast();
        }
        if (where == "#x topic")
            return (chatView("#x").topicView.caret == 0 ? "^" : "") +
                   chatView("#x").topicView.text() +
                   (chat("#x").topicLocked ? " (locked) |" : " |") +
                   chatView("#x").textView.lastLine();
        if (where[0] == '#') {
            for (const std::string& member : chatView(where).userList.rows)
                text += member + " ";
            return text + "|" + chatView(where).textView.lastLine();
        }
        frmPrivat& window = privat(where);
        return window.window().title() + " " + window.strPrivNick + " " + window.strPrivHost +
               " |" + privatView(where).textView.lastLine();
    }
};

// Lines the server says (joined by line feeds, in one read), where to look,
// what it shows there (Same: what it showed before) and the lines sent.
struct Row {
    const char* name;
    std::string said, where, shown, sent = "";
    // "drained": the reply limiter is empty; "asked": names were asked for;
    // "active": the main window is the active window; "sasl": a SASL sign-in
    // as "me" with the password "pw" awaits the capability list ("sasl long":
    // with 594 letters, which make 800 base64 characters)
    std::string before = "";
};

const std::string Same = "(as before)", X = "me ME bob +alice |", D = "me ME bob +alice d |";
const std::string Quit = " bob has Quit IRC [ bye all ]", Nick = ":ALICE!a@h NICK :carol";
const std::string Names = "Names #x: shown | #x @a | #x +b / ";
const std::string List = ":s 321 me Channel :Users\n:s 322 me #x 12 :chat here\n:s 322 me #y 3 :";
const std::string Listed = "2 channels on irc.test [06.12.2026; 21:30:00] ";
const std::string Rows322 = " | me #x 12 chat here | me #y 3  / *** ";
const std::string Whois = ":s 311 me bob u h * :B\n:s 319 me bob :@#x #y\n:s 312 me bob s :T\n"
                          ":s 317 me bob 42 1 :idle\n:s 318 me bob :End";
const std::string Own = ":me!u@h PRIVMSG me :\001VERSION\001", Pinged = " a has just pinged you";
const std::string Asked = " has just requested your client version";
const std::string V = " :\001VERSION VuviVAZ for Windows\001\n", Me = "NOTICE me" + V;
const std::string Pong = "NOTICE a :\001PING 0 seconds, cause VuviVAZ is elite\001\n";

const std::string Ls = ":s CAP * LS :sasl\n", Ack = ":s CAP * ACK :sasl\nAUTHENTICATE +";
const std::string Sasl = Ls + Ack,
                  LsOverLines = ":s CAP * LS * :a\n:s CAP * LS :sasl=EXTERNAL,PLAIN\n";
const std::string Plain = "CAP REQ :sasl\nAUTHENTICATE PLAIN\nAUTHENTICATE ";

// Three letters "a" in base64, `times` times.
std::string aaa(int times) {
    return times == 0 ? "" : "YWFh" + aaa(times - 1);
}

const std::string Failed = Plain + "bWUAbWUAcHc=\nCAP END\n";

const Row Rows[] = {
    {"ping", "PING :srv1", "status", " Ping? Pong! [srv1]", "PONG :srv1\n"},
    {"ping in any case", "Ping a b", "status", " Ping? Pong! [a b]", "PONG :a b\n"},
    {"unknown command", ":s FooBar x", "status", " *** FooBar x"},
    {"blank lines", "\n", "status", Same},
    {"user modes", ":me MODE me :+i", "status", Same},
    // Numeric replies
    {"welcome takes the nick", ":s 001 Me :Welcome to it", "nick", "Me asked 0 | * Welcome to it"},
    {"a welcome without a nick keeps it", ":s 001\n:s JOIN #s", "nick", "me asked 0 | * ", ""},
    {"server information", ":s 004 me s ngircd-26 abc def", "status", " * s ngircd-26 abc def"},
    {"statistics", ":s 251 me :There are 2 users", "status", " There are 2 users"},
    {"message of the day", ":s 372 me :- hello", "status", " - hello"},
    {"its start", ":s 375 me :- s Message of the day -", "status", " - s Message of the day -"},
    {"its end", ":s 376 me :End of MOTD", "status", Same},
    {"end of names", ":s 366 me #x :End of NAMES list", "status", Same},
    // Nick in use: the alternative nick first, then the user is asked for one.
    {"433", ":s 433 * me\n:s 433 * me_", "nick", "me_ asked 1 | *** 433 * me_", "NICK me_\n"},
    {"names of a channel without window", ":s 353 me = #z :a b", "status", " *** 353 me = #z a b"},
    {"names of an open channel", ":s 353 me = #x :@d +e f", "#x", "me ME bob +alice @d +e f |"},
    // Names asked for replace what the list window showed, also with a blank at the end.
    {"names after a list", List + "\n:s 353 me = #x :@a +b ", "list",
     Names + "*** 321 me Channel Users", "", "asked"},
    {"asked once", ":s 353 me = #x :a\n:s 353 me = #x :d", "#x", D, "", "asked"},
    {"403 ends the wait", ":s 403 me #no :No\n:s 353 me = #x :d", "#x", D, "", "asked"},
    {"no such channel", ":s 403 me #nope :No such", "status", " *** 403 me #nope No such"},
    {"topic", ":s 332 me #x :Welcome", "#x topic", "^Welcome (locked) | Топік \"Welcome\""},
    {"topic setter", ":s 333 me #x bob 1700000000", "#x", X + " Топік встановлено bob"},
    {"topic setter, raw", ":s 333 me #x bob 1700000000", "status", " *** 333 me #x bob 1700000000"},
    // Replies about a channel without a window change nothing.
    {"no window", ":s 332 me #z :Hi\n:s 333 me #z bob 1\n:s 324 me #z +k a", "status", Same},
    {"two lists", List + "\n" + List, "list", Listed + "hidden" + Rows322 + "321 me Channel Users"},
    {"list end", List + "\n:s 323 me :End", "list", Listed + "shown" + Rows322 + "323 me End"},
    {"whois after a list", List + "\n" + Whois, "list",
     "Whois bob: shown | bob - u h * B | bob присутній на каналі(лах) @#x #y | "
     "bob на сервері s T | bob 42 1 idle / *** 318 me bob End"},
    // Channel events
    {"join", ":carol!c@h JOIN #x", "#x", "me ME bob +alice carol | carol приєднався "},
    {"part", ":bob!b@h PART #x :bye", "#x", "me ME +alice | bob від'єднався #x"},
    {"own part compares the nick exactly", ":me!u@h PART #x", "#x", X},
    {"part in the other case", ":ME!u@h PART #x", "#x", "me bob +alice | ME від'єднався #x"},
    {"part of another channel", ":bob!b@h PART #nowhere", "#x", X},
    {"quit", ":bob!b@h QUIT :bye all", "#x", "me ME +alice |" + Quit},
    {"quit in every channel", ":bob!b@h QUIT :bye all", "#y", "@alice |" + Quit},
    {"quit in the private window", ":bob!b@h QUIT :bye all", "bob", "Bob Bob Vorn |" + Quit},
    {"quit of someone unknown", ":ghost!g@h QUIT :bye", "#x", X},
    {"kick", ":a!b@c KICK #x bob :go", "#x", "me ME +alice | bob було викинуто з #x by a [ go ]"},
    {"nick", Nick, "#x", "me ME bob +carol | ALICE перейменувався на carol"},
    {"nick in every channel", Nick, "#y", "@carol bob | ALICE перейменувався на carol"},
    {"nick follows the private window", Nick, "carol", "carol carol Vorn |"},
    {"the renamed member can quit", Nick + "\n:carol!a@h QUIT :bye all", "#y",
     "bob | carol has Quit IRC [ bye all ]"},
    {"also of a stranger", ":stranger!s@h NICK :other", "other", "other other Vorn |"},
    {"own nick", ":me!u@h NICK :newme", "#x", "newme ME bob +alice | me перейменувався на newme"},
    {"own nick is taken", ":me!u@h NICK :newme", "nick", "newme asked 0 | Ваш нік зараз newme"},
    {"no nick or a status sign", ":me!u@h NICK\n:ALICE!a@h NICK :\n:bob!b@h NICK @bob", "#x", X},
    {"a join with a status sign", ":a+b!u@h JOIN #x", "#x", X},
    {"op", ":o MODE #x +ohv-v me alice bob bob", "#x",
     "ME @me %alice bob |  sets mode: +ohv-v me alice bob bob"},
    {"server modes", ":irc.test MODE #x +b *!*@a", "#x", X + "  sets mode: +b *!*@a"},
    // A TOPIC line leaves the topic locked.
    {"TOPIC", ":s 332 me #x :c\n:a!a TOPIC #x :b", "#x topic", "^b (locked) | Топік змінено a : b"},
    {"op unlocks it", ":s 332 me #x :c\n:o MODE #x +o me", "#x topic", "^c |  sets mode: +o me"},
    {"-o", ":o MODE #x +o me\n:o MODE #x -o me", "#x topic", "TOPIC: (locked) |  sets mode: -o me"},
    // Messages and notices
    {"channel names ignore case", ":a!u@h PRIVMSG #X :hi", "#x", X + " a: \thi"},
    {"an unknown channel opens nothing", ":a!u@h PRIVMSG #nowhere :gone", "privats", Same},
    {"only # makes a channel", ":a!u@h PRIVMSG &local :hi", "a", "a a u@h | a: \thi"},
    {"one window", ":a!u@h PRIVMSG me :hi\n:A!u@h PRIVMSG me :so", "A", "A A u@h | A: \tso"},
    {"a service is named by its prefix", ":NS PRIVMSG me :id", "NS", "NS NS NS | NS: \tid"},
    {"an action is a message", ":d!u@h PRIVMSG me :\001ACTION waves\001", "d", "d d u@h | d waves"},
    {"ctcp opens no window", ":a!u@h PRIVMSG me :\001PING 1\001", "privats", "3 |" + Pinged, Pong},
    {"own version", Own, "status", " me" + Asked, "NOTICE me :\001VERSION VuviVAZ\001\n" + Me},
    {"exact nick", ":ME!u@h PRIVMSG me :\001VERSION\001", "status", " ME" + Asked, "NOTICE ME" + V},
    {"and text", ":me!u@h PRIVMSG me :\001Version\001", "status", " me" + Asked, Me},
    {"with a drained limiter, no answer", Own, "status", " me" + Asked, "", "drained"},
    {"no end mark costs a character", ":a!u@h PRIVMSG me :\001PING 123", "status", Pinged, Pong},
    {"even of the command word", ":a!u@h PRIVMSG me :\001VERSION", "status", Same},
    {"a lone mark", ":a!u@h PRIVMSG me :\001", "status", Same},
    {"other ctcp requests", ":a!u@h PRIVMSG me :\001TIME\001", "status", Same},
    {"only whole words", ":a!u@h PRIVMSG me :\001VERSIONS\001", "status", Same},
    {"notice", ":a!u@h NOTICE me :hello", "#x", X + " NOTICE a:\thello"},
    {"notice from a server", ":srv1 NOTICE * :Looking up", "#x", X + " NOTICE srv1:\tLooking up"},
    {"notice without prefix", "NOTICE AUTH :no prefix", "#x", X + " no prefix"},
    // Attention: lines meant for the user while the main window is inactive.
    {"a private message", ":a!u@h PRIVMSG me :hi", "alerts", "1"},
    {"not while the main window is active", ":a!u@h PRIVMSG me :hi", "alerts", "0", "", "active"},
    {"own nick as a word, any case", ":a!u@h PRIVMSG #x :hey ME: look", "alerts", "1"},
    {"not inside a word", ":a!u@h PRIVMSG #x :meet me_ or -me", "alerts", "0"},
    {"not for own lines", ":ME!u@h PRIVMSG #x :me again\n:me!u@h PRIVMSG me :note", "alerts", "0"},
    {"not for a ctcp request", ":a!u@h PRIVMSG me :\001PING 1\001", "alerts", "0", Pong},
    // The SASL sign-in (a whole one is the integration test's)
    {"sasl: pieces of 400, the last followed by an empty one", LsOverLines + Ack, "status", Same,
     Plain + "bWUAbWUA" + aaa(98) + "\nAUTHENTICATE " + aaa(100) + "\nAUTHENTICATE +\n",
     "sasl long"},
    {"sasl: no PLAIN", ":s CAP * LS :saslx sasl=EXTERNAL", "status", Same, "CAP END\n", "sasl"},
    {"sasl: refused", Ls + ":s CAP * NAK :sasl", "status", " *** CAP * NAK sasl",
     "CAP REQ :sasl\nCAP END\n", "sasl"},
    {"902", Sasl + "\n:s 902 me :no", "status", " *** 902 me no", Failed, "sasl"},
    {"905", Sasl + "\n:s 905 me :no", "status", " *** 905 me no", Failed, "sasl"},
    {"906", Sasl + "\n:s 906 me :no", "status", " *** 906 me no", Failed, "sasl"},
    {"908", Sasl + "\n:s 908 me :no", "status", " *** 908 me no", Failed, "sasl"},
    {"sasl: no account", Sasl, "status", " *** AUTHENTICATE +"},
};

TEST(Interpreter, EachServerLineReachesItsWindow) {
    for (const Row& row : Rows) {
        SCOPED_TRACE(row.name);
        Stage world;
        while (row.before == "drained" && world.app->replyLimiter().tryTake()) {
        }
        world.app->globals().NamesRequested = row.before == "asked";
        world.mainWindow.active = row.before == "active";
        if (row.before.starts_with("sasl")) {
            Globals& g = world.app->globals();
            g.SaslUser = "me", g.Sasl = SaslStep::Listing;
            g.Password = row.before == "sasl" ? "pw" : std::string(594, 'a');
        }
        const std::string before = row.shown == Same ? world.look(row.where) : "";
        world.server.events->onDataArrived(row.said + "\r\n");
        EXPECT_EQ(world.look(row.where), row.shown == Same ? before : row.shown);
        EXPECT_EQ(world.server.sent, row.sent);
        EXPECT_EQ(world.app->activeTextView(), &world.chat("#x").rtfText());
        for (const auto& [window, view] : world.ui.privats)
            EXPECT_EQ(view->win.activations + view->inputLine.focusCount, 0) << view->win.titleText;
    }
}

TEST(Interpreter, HostileLinesDoNoHarmAndStatusLinesHaveColoursButNoLog) {
    Stage world;
    for (const char* line : {":", "::", ": ", " ", ":a!b@c", ":a!b@c  ", "\x01\x02\x03", ":x 353",
                             ":x 332", ":x KICK", ":x MODE", ":x MODE #c +ovl", ":x 311", ":x JOIN",
                             ":x PRIVMSG", ":x NOTICE", ":x 322", ":x 433"})
        world.serverSays(line);
    world.app->globals().LogChannels = world.app->globals().LogPrivats = "1";
    const auto files = world.files.files;
    const auto shows = [&](const std::string& line, const std::string& text, int colour) {
        world.serverSays(line);
        EXPECT_EQ(world.statusLast(), text);
        EXPECT_EQ(world.statusText().lines.back()[1].attr.rgb, GetColor(colour)) << line;
    };
    for (int i = 4; i <= WindowTables::Slots; ++i)
        world.app->tables().OpenPrivat("nick" + std::to_string(i), "Vorn");
    shows(":late!u@h PRIVMSG me :are you there?", " late: are you there?", 5);
    EXPECT_EQ(world.app->tables().FindPrivat("late"), -1);
    shows(":a!u@h PRIVMSG me :\001PING 1\001", " a has just pinged you", 5);
    shows(":s 251 me :There are 2 users", " There are 2 users", 6);
    world.app->list().openEmpty();
    world.app->list().onActivated(); // no text view is active
    shows(":a!u@h NOTICE me :\001VERSION irssi\001", " NOTICE a:\t\001VERSION irssi\001", 5);
    EXPECT_EQ(world.files.files, files);
}

TEST(Interpreter, MotdStartOffersFavouriteChannelsOnlyForANumberOne) {
    Stage world;
    for (const std::string value : {"", "0", "yes", "1x", "1"}) {
        world.files.files["vuvivaz.ini"] = "[Connect]\r\nOpenChannelsForm=" + value + "\r\n";
        world.serverSays(":s 375 me :- s Message of the day -");
        const auto* dialog = world.ui.favourites;
        EXPECT_EQ(dialog && dialog->visible && dialog->shows.back(), value == "1") << value;
    }
    world.ui.favourites->close();
    world.files.files.erase("vuvivaz.ini");
    world.serverSays(":s 375 me :- s Message of the day -");
    EXPECT_FALSE(world.ui.favourites->visible);
}

TEST(Interpreter, OwnJoinOpensAWindowWhileSlotsAreFree) {
    Stage world;
    world.serverSays(":ME!u@h JOIN :#z");
    world.serverSays(":me!u@h JOIN"); // no channel: ignored
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{"MODE #z"});
    EXPECT_EQ(world.chatView("#z").win.activations, 1);
    EXPECT_GE(world.chatView("#z").inputLine.focusCount, 1);
    for (int i = 4; i <= WindowTables::Slots; ++i)
        world.serverSays(":me!u@h JOIN #c" + std::to_string(i));
    world.news();
    world.serverSays(":me!u@h JOIN #one-more");
    EXPECT_EQ(world.news(), "Status:  *** Немає вільного вікна для каналу #one-more\n");
}

TEST(Interpreter, KickOfTheUserClosesTheWindowSilently) {
    Stage world;
    const fake::FakeChatView& view = world.chatView("#x");
    world.serverSays(":a!b@c KICK #x me :flood");
    EXPECT_EQ(world.news(), "Status:  Вас було викинуто з #x by a [ flood ]\n"
                            "#x - 3 users:  me було викинуто з #x by a [ flood ]\n");
    EXPECT_FALSE(view.win.visible);
}

TEST(Interpreter, ChannelModesAreRecorded) {
    Stage world;
    const frmChat& chat = world.chat("#x");
    // Modes of #x in turn, each followed (after "=") by its limit, key and recorded modes.
    for (const char* step :
         {"+ntl 25=25||ntl", "+l many=0||ntl", "+l -5=-5||ntl", "+l 40000=0||ntl",
          "+l 32767=32767||ntl", "+l 99999999999999999999=0||ntl", "+l -32768=-32768||ntl",
          "l 7=7||ntl", "+k key=7|key|ntlk", "-k key=7||ntl", "+k=7||ntlk", "-kl=0||nt",
          "+bov *!*@s me me=0||nt"}) {
        std::string modes, expected;
        SplitAtFirst(step, '=', modes, expected);
        world.serverSays(":o MODE #x " + modes);
        std::string recorded = std::to_string(chat.intLimit) + "|" + chat.strKey + "|";
        for (const ModeEntry& mode : chat.Modes)
            recorded += mode.strMode;
        EXPECT_EQ(recorded, expected) << modes;
    }
    world.serverSays(":s 324 me #x +l 20");
    EXPECT_EQ(chat.intLimit, 20);
}

// A hidden window is never the active one, so a notice then goes to the status window.
TEST(Interpreter, NoticeAfterTheActiveWindowWentAwayGoesToTheStatusWindow) {
    const std::pair<const char*, void (*)(fake::FakeWorld&)> rows[] = {
        {"part", [](fake::FakeWorld& w) { w.app->ParseCommand("", "part #x"); }},
        {"kick", [](fake::FakeWorld& w) { w.serverSays(":op!o@h KICK #x me :out"); }},
        {"new connection", [](fake::FakeWorld& w) { w.connect(); }},
        {"private close box", [](fake::FakeWorld& w) {
             w.privat("bob").onActivated();
             w.privat("bob").onClose();
         }}};
    for (const auto& [name, close] : rows) {
        SCOPED_TRACE(name);
        Stage world;
        close(world);
        world.serverSays(":a!u@h NOTICE me :hi");
        EXPECT_EQ(world.statusLast(), " NOTICE a:\thi");
    }
}

} // namespace
} // namespace vz
