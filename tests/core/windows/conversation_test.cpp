#include "fakes/fake_platform.h"
#include "windows/control_helpers.h"
#include "windows/frm_status.h"
#include "windows/word_under_pointer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace vz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Flags = std::vector<bool>;

constexpr int Enter = 13, CtrlR = 18;

TEST(WordAtTest, LongestRunOfAsciiNickCharactersAtACodePointIndex) {
    const std::tuple<const char*, int, const char*> rows[] = {{"hi bob_1, there", 3, "bob_1"},
                                                              {"hi bob_1, there", 8, ""},
                                                              {"hi Zed9", 6, "Zed9"},
                                                              {"hi", -1, ""},
                                                              {"hi", 2, ""},
                                                              {"привіт bob!", 7, "bob"},
                                                              {"жbobж", 0, ""}};
    for (const auto& [text, index, word] : rows)
        EXPECT_EQ(WordAt(text, index), word) << text << " at " << index;
}

// A negative height: see the layout test of each window.
TEST(PlaceIfValidTest, PlacesEmptyRectanglesButNotNegativeOnes) {
    fake::FakeLineEdit input;
    EXPECT_TRUE(PlaceIfValid(input, TwipRect{5, 6, 0, 0}));
    EXPECT_FALSE(PlaceIfValid(input, TwipRect{7, 8, -1, 100}));
}

// One adapter per window kind: how it is opened as `name` and what differs
// between the kinds.
using World = fake::FakeWorld;
struct Channel {
    static constexpr const char* name = "#x";
    static constexpr const char* other = "#y";
    static constexpr const char* version = "VuviVAZ v1.15 for Windows9x, 2000, XP";
    static constexpr const char* speakerOfBOB = "BOB";
    static constexpr bool topicMenu = true;
    static void open(World& w, const std::string& n) { w.serverSays(":me!u@h JOIN :" + n); }
    static auto& window(World& w, const std::string& n) { return w.chat(n); }
    static auto& view(World& w, const std::string& n) { return w.chatView(n); }
};
struct Private {
    static constexpr const char* name = "bob";
    static constexpr const char* other = "ann";
    static constexpr const char* version = "VuviVAZ v1.14";
    static constexpr const char* speakerOfBOB = "bob"; // the partner as the window knows him
    static constexpr bool topicMenu = false;
    static void open(World& w, const std::string& n) { w.app->tables().OpenPrivat(n, "x!h"); }
    static auto& window(World& w, const std::string& n) { return w.privat(n); }
    static auto& view(World& w, const std::string& n) { return w.privatView(n); }
};
struct Status {
    static constexpr const char* name = "";
    static constexpr bool topicMenu = false;
    static void open(World&, const std::string&) {}
    static auto& window(World& w, const std::string&) { return w.app->status(); }
    static auto& view(World& w, const std::string&) { return *w.ui.status; }
};

template <typename Kind> class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        Kind::open(world, Kind::name);
        world.news();
    }
    auto& window() { return Kind::window(world, Kind::name); }
    auto& view() { return Kind::view(world, Kind::name); }
    fake::FakeTextView& text() { return view().textView; }
    void type(const std::string& line) {
        view().inputLine.value = line;
        window().onInputEnter();
    }
    // Whether the pointer marks a nick at pixel (x, 5).
    bool pointerAt(int x) {
        window().onTextMouseDown(x, 5);
        return text().customPointer;
    }
    void clickAt(int x) {
        window().onTextMouseDown(x, 5);
        window().onTextClick();
    }
    fake::SignedOnWorld world;
};
template <typename Kind> class ConversationTest : public WindowTest<Kind> {};

using AllKinds = ::testing::Types<Channel, Private, Status>;
using ConversationKinds = ::testing::Types<Channel, Private>;
TYPED_TEST_SUITE(WindowTest, AllKinds);
TYPED_TEST_SUITE(ConversationTest, ConversationKinds);

TYPED_TEST(WindowTest, SlashLineGoesThroughTheParserWithTheWindowAsTarget) {
    this->type("/me waves");
    EXPECT_THAT(this->world.takeSent(),
                ElementsAre("PRIVMSG " + std::string(TypeParam::name) + " :\1ACTION waves\1"));
    EXPECT_EQ(this->view().inputLine.value, "");
}

TYPED_TEST(WindowTest, ActivationMakesTheTextActiveAndFocusesTheInput) {
    this->world.mainWindow.menuEnabled["mnuTopic"] = !TypeParam::topicMenu;
    const int focused = this->view().inputLine.focusCount;
    this->window().onActivated();
    EXPECT_EQ(this->world.app->activeTextView(), &this->text());
    EXPECT_EQ(this->view().inputLine.focusCount, focused + 1);
    EXPECT_EQ(this->world.mainWindow.isMenuEnabled("mnuTopic"), TypeParam::topicMenu);
}

// Layout: the input line lies under the text; a step whose size would be
// negative is skipped.
TYPED_TEST(WindowTest, LayoutSkipsANegativeSize) {
    auto& view = this->view();
    const TwipRect text = view.textView.placed;
    EXPECT_GT(text.height, 0);
    EXPECT_GE(view.inputLine.placed.top, text.top + text.height);
    view.win.client = TwipSize{6000, 100};
    view.win.outer = 5000;
    this->window().onResize();
    EXPECT_EQ(view.textView.placed.height, text.height);
    EXPECT_EQ(view.inputLine.placed.width, 5000);
}

// Each row: who says the line ("" when the user types it) and what is sent
// and shown then; every line shown goes to the window's log. The reply
// limit is the limiter's own test.
TYPED_TEST(ConversationTest, LinesOfBothSides) {
    this->world.app->globals().LogChannels = this->world.app->globals().LogPrivats = "1";
    const std::string at = std::string(TypeParam::name) + ": ", speaker = TypeParam::speakerOfBOB;
    const std::string to = "sent: PRIVMSG " + std::string(TypeParam::name) + " :";
    const std::string version = "sent: NOTICE bob :\1VERSION " + std::string(TypeParam::version);
    const std::tuple<const char*, const char*, std::string> rows[] = {
        {"BOB", "\1ACTION waves\1", at + " BOB waves\n"},
        {"BOB", "\1ACTION ", at + " BOB \n"},
        {"BOB", "\1ACTION махає\1", at + " BOB махає\n"},
        {"BOB", "\1ACTION ґ", at + " BOB \n"},
        {"BOB", "  hello  ", at + " " + speaker + ": \t  hello\n"},
        {"bob", "\1VERSION\1", version + "\1\n"},
        {"", "hello all ", to + "hello all \n" + at + " me:\thello all \n"},
        {"", "", to + "\n" + at + " me:\t\n"},
        {"", "pasted\r\nQUIT", to + "pasted QUIT\n" + at + " me:\tpasted QUIT\n"},
    };
    for (const auto& [who, line, news] : rows) {
        if (*who)
            this->window().PutText(who, line);
        else
            this->type(line);
        EXPECT_EQ(this->world.news(), news) << line;
        EXPECT_EQ(this->view().inputLine.value, "");
    }
    EXPECT_EQ(this->text().lines.at(0).back().attr.rgb, 0x7F007Fu);
    EXPECT_EQ(this->text().lines.at(4).at(1), (TextRun{speaker, {0, true, false}}));
    const std::string log = this->world.files.files[std::string(TypeParam::name) + ".txt"];
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2 * 8) << log;
    EXPECT_TRUE(log.ends_with("- me:\tpasted QUIT\r\n----------------------\r\n")) << log;
}

TYPED_TEST(ConversationTest, ClickAddressesTheWordUnderThePointer) {
    this->type("hi Bob");
    this->text().charAtPixel = {{{10, 5}, 9}, {{40, 5}, 3}}; // "Bob" and ":" of " me:\thi Bob"
    auto& input = this->view().inputLine;
    input.value = "привіт";
    const int focused = input.focusCount;
    this->clickAt(10);
    EXPECT_EQ(input.value, "привіт Bob, ");
    EXPECT_EQ(input.caret, 12); // code points, not bytes
    EXPECT_EQ(input.focusCount, focused + 1);
    this->clickAt(40);
    EXPECT_EQ(input.value, "привіт Bob,  , ");
}

TYPED_TEST(ConversationTest, ReusedSlotStartsFresh) {
    auto* const first = &this->view();
    this->type("hi Bob");
    this->text().charAtPixel = {{{10, 5}, 9}};
    this->pointerAt(10);
    first->textView.customPointer = true;
    first->inputLine.value = "half typed";
    this->window().onActivated();
    this->window().onClose();
    EXPECT_EQ(this->world.app->activeTextView(), nullptr);
    const std::string other = TypeParam::other;
    TypeParam::open(this->world, other);
    ASSERT_EQ(&TypeParam::view(this->world, other), first);
    EXPECT_THAT(first->textView.lines, IsEmpty());
    EXPECT_FALSE(first->textView.customPointer);
    EXPECT_EQ(first->win.titleText, other);
    EXPECT_TRUE(first->win.visible);
    TypeParam::window(this->world, other).onTextClick();
    EXPECT_EQ(first->inputLine.value, " , ");
}

using StatusTest = WindowTest<Status>;

TEST_F(StatusTest, PlainTextIsRefusedAndAnEmptyLineIgnored) {
    type("hello everyone");
    EXPECT_EQ(world.news(), "Status:  Тут можна вводити лише команди, що починаються з /\n");
    EXPECT_EQ(view().inputLine.value, "");
    type("");
    EXPECT_EQ(world.news(), "");
}

using ChatTest = WindowTest<Channel>;

TEST_F(ChatTest, TheLogStaysOpenBetweenEntriesUntilTheWindowCloses) {
    world.app->globals().LogChannels = "1";
    world.serverSays(":bob!u@h PRIVMSG #x :one");
    world.serverSays(":bob!u@h PRIVMSG #x :two");
    EXPECT_EQ(world.files.openAppenders, 1);
    EXPECT_EQ(
        std::count(world.files.files["#x.txt"].begin(), world.files.files["#x.txt"].end(), '['), 2);
    window().closeWithoutPart();
    EXPECT_EQ(world.files.openAppenders, 0);
}

TEST_F(ChatTest, ClosingPartsAndTheReusedWindowForgetsTopicMembersModesAndTheLock) {
    window().onActivated();
    EXPECT_EQ(world.app->globals().CurrentChannel, "#x");
    world.serverSays(":op!u@h TOPIC #x :old topic");
    window().AddNick("bob");
    window().AddMode("n", true);
    window().topicLocked = true;
    window().onClose();
    Channel::open(world, "#y");
    EXPECT_THAT(world.takeSent(), ElementsAre("PART #x", "MODE #y"));
    EXPECT_EQ(world.chatView("#y").topicView.text(), "TOPIC:");
    EXPECT_THAT(world.chatView("#y").userList.rows, IsEmpty());
    EXPECT_THAT(world.chat("#y").Users, IsEmpty());
    EXPECT_THAT(world.chat("#y").Modes, IsEmpty());
    EXPECT_FALSE(world.chat("#y").onTopicKey('a'));
    world.chat("#y").closeWithoutPart();
    EXPECT_THAT(world.takeSent(), IsEmpty());
}

TEST_F(ChatTest, TopicBoxSendsOnEnterAndSwallowsControlKeysOrEveryKeyWhenLocked) {
    window().onTopicFocus(); // the placeholder goes
    view().topicView.appendLine({TextRun{"new topic", {}}});
    view().topicView.appendLine({TextRun{"QUIT :pasted", {}}});
    EXPECT_TRUE(window().onTopicKey(CtrlR));
    EXPECT_THAT(world.takeSent(), IsEmpty());
    EXPECT_TRUE(window().onTopicKey(Enter));
    EXPECT_THAT(world.takeSent(), ElementsAre("TOPIC #x :new topic QUIT :pasted"));
    window().topicLocked = true;
    EXPECT_TRUE(window().onTopicKey(Enter));
    EXPECT_THAT(world.takeSent(), IsEmpty());
}

TEST_F(ChatTest, NickListMenuNeedsAClickAndDoubleClickOpensAPrivateWindow) {
    window().AddNick("@bob");
    window().AddNick("ann");
    window().onUserRightRelease();
    EXPECT_EQ(view().userMenuPopUps, 0);
    window().onUserClick(1);
    EXPECT_EQ(view().userList.toolTip, "ann");
    window().onUserRightRelease();
    EXPECT_EQ(view().userMenuPopUps, 1);
    window().onUserDoubleClick(0);
    EXPECT_EQ(world.privat("bob").strPrivHost, "Vorn");
    EXPECT_EQ(world.privatView("bob").inputLine.focusCount, 1);
}

TEST_F(ChatTest, PointerShowsOverMemberNicksWithTheirCase) {
    window().PutText("Bob", "hi bob");
    text().charAtPixel = {{{10, 5}, 2}, {{90, 5}, 10}, {{40, 5}, 4}};
    EXPECT_FALSE(pointerAt(10));
    window().AddNick("alice");
    window().AddNick("@Bob");
    // "Bob" of the text, "bob", "Bob" again, a blank
    EXPECT_EQ((Flags{pointerAt(10), pointerAt(90), pointerAt(10), pointerAt(40)}),
              (Flags{true, false, true, false}));
}

TEST_F(ChatTest, MembersKeepArrivalOrderAndAStatusChangeMovesTheRowToTheEnd) {
    for (const char* nick : {"@+bob", "", "@", "+%", "ann", "cid", "zed"})
        window().AddNick(nick);
    EXPECT_EQ(view().win.titleText, "#x - 4 users");
    window().SetOp("bob", false);
    EXPECT_THAT(view().userList.rows, ElementsAre("ann", "cid", "zed", "+bob"));
    window().SetHelper("ann", true);
    window().SetVoice("cid", true);
    window().SetVoice("Zed", true);
    EXPECT_THAT(view().userList.rows, ElementsAre("zed", "+bob", "%ann", "+cid"));
    window().RemoveNick("Zed");
    EXPECT_TRUE(window().InChannel("ZED"));
    window().RemoveNick("zed");
    EXPECT_FALSE(window().InChannel("zed"));
    EXPECT_THAT(view().userList.rows, ElementsAre("+bob", "%ann", "+cid"));
    EXPECT_EQ(view().win.titleText, "#x - 3 users");
}

using PrivatTest = WindowTest<Private>;

TEST_F(PrivatTest, TitleIsTheBareNickUntilActivatedAndClosingSendsNothing) {
    fake::FakeChildWindow& win = view().win;
    EXPECT_EQ(win.titleText, "bob");
    window().onActivated();
    EXPECT_EQ(win.titleText, "Private bob");
    EXPECT_EQ(world.app->globals().CurrentPrivat, "bob");
    window().onClose();
    EXPECT_THAT(world.takeSent(), IsEmpty());
    EXPECT_EQ(win.titleText, "");
}

TEST_F(PrivatTest, PointerMarksOurNickAndThePartnerWhileTheTitleIsTheBareNick) {
    window().PutText("bob", "hi me"); // " bob: \thi me"
    for (int i = 0; i < 12; ++i)
        text().charAtPixel[{i, 5}] = i;
    EXPECT_TRUE(pointerAt(2));
    window().onActivated();
    // "bob" under the title "Private bob", "me", ":"
    EXPECT_EQ((Flags{pointerAt(2), pointerAt(10), pointerAt(5)}), (Flags{false, true, false}));
    world.app->globals().Nick = "Me";
    EXPECT_FALSE(pointerAt(10));
}

} // namespace
} // namespace vz
