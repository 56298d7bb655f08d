#include "app/frm_main.h"
#include "config/translit.h"
#include "fakes/fake_platform.h"
#include "text/utf8.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"
#include "windows/input_keys.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

constexpr int Enter = 13, CtrlEnter = 10, CtrlR = 18, CtrlL = 12, CtrlS = 19;
constexpr const char* Typed = "pryvit бук";

struct KeyRow {
    const char* name;
    InputField field;
    int key;
    const char* text; // the field's text afterwards
    bool finished;
};

class InputKeysTest : public ::testing::Test {
protected:
    InputKeysTest() {
        world.startSignedOn();
        world.files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
        world.serverSays(":me!u@h JOIN :#x");
        world.news();
    }
    fake::FakeWorld world;
};

TEST_F(InputKeysTest, EachFieldFinishesOrConvertsOnItsOwnKeys) {
    const KeyRow rows[] = {
        {"Enter finishes", InputField::StatusLine, Enter, Typed, true},
        {"status: Ctrl+Enter is typed", InputField::StatusLine, CtrlEnter, Typed, false},
        {"status: Ctrl+R is typed", InputField::StatusLine, CtrlR, Typed, false},
        {"status: Ctrl+S swaps", InputField::StatusLine, CtrlS, "зкнмше бук", false},
        {"channel: Ctrl+Enter finishes", InputField::ChannelLine, CtrlEnter, Typed, true},
        {"channel: Ctrl+R to Cyrillic", InputField::ChannelLine, CtrlR, "привіт бук", false},
        {"private: Ctrl+L to Latin", InputField::PrivatLine, CtrlL, "pryvit buk", false},
        {"private: Ctrl+Enter finishes", InputField::PrivatLine, CtrlEnter, Typed, true},
        {"topic: Ctrl+Enter is typed", InputField::TopicBox, CtrlEnter, Typed, false},
        {"topic: Ctrl+L to Latin", InputField::TopicBox, CtrlL, "pryvit buk", false},
        {"prompt: Ctrl+R is typed", InputField::PromptField, CtrlR, Typed, false},
        {"prompt: Ctrl+S swaps", InputField::PromptField, CtrlS, "зкнмше бук", false},
        {"a letter is typed", InputField::ChannelLine, 'a', Typed, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fake::FakeLineEdit input;
        input.value = Typed;
        bool finished = false;
        const bool swallowed = HandleInputKey(world.app->platform(), row.field, row.key, input,
                                              [&] { finished = true; });
        EXPECT_EQ(input.value, row.text);
        EXPECT_EQ(finished, row.finished);
        const bool converted = input.value != Typed;
        EXPECT_EQ(swallowed, finished || converted || row.key == CtrlS);
        EXPECT_EQ(input.caret, converted ? static_cast<int>(utf8::length(row.text)) : 0);
    }
}

TEST_F(InputKeysTest, WindowsUseTheirFieldsAndCtrlSLeavesTheMeantLayoutActive) {
    world.app->tables().OpenPrivat("bob", "b@h");
    fake::FakeLineEdit& status = world.ui.status->inputLine;
    fake::FakeLineEdit& channel = world.chatView("#x").inputLine;
    fake::FakeLineEdit& privat = world.privatView("bob").inputLine;
    status.value = channel.value = privat.value = "ghbdsn";
    EXPECT_FALSE(world.app->status().onInputKey(CtrlR));
    EXPECT_TRUE(world.chat("#x").onInputKey(CtrlR));
    EXPECT_TRUE(world.privat("bob").onInputKey(CtrlS));
    EXPECT_EQ(status.value + " " + channel.value + " " + privat.value, "ghbdsn ггбдсн привіт");
    EXPECT_EQ(world.desktop.layouts, std::vector{KeyboardLayout::Cyrillic});
    EXPECT_TRUE(world.privat("bob").onInputKey(CtrlEnter));
    EXPECT_FALSE(world.app->status().onInputKey(CtrlEnter));
    EXPECT_EQ(world.news(), "sent: PRIVMSG bob :привіт\nbob:  me:\tпривіт\n");
    privat.value = "";
    EXPECT_TRUE(world.privat("bob").onInputKey(CtrlL));
    EXPECT_EQ(privat.value, "");
    EXPECT_EQ(privat.caret, 0);
}

TEST_F(InputKeysTest, TopicBoxConvertsUnlessLockedThenEveryKeyIsSwallowed) {
    frmChat& chat = world.chat("#x");
    fake::FakeTextView& topic = world.chatView("#x").topicView;
    chat.onTopicFocus();
    topic.appendLine({TextRun{"Novyny", {}}});
    EXPECT_TRUE(chat.onTopicKey(CtrlR));
    EXPECT_EQ(topic.text() + " " + std::to_string(topic.caret), "новини 6");
    chat.topicLocked = true;
    for (const int key : {CtrlL, CtrlS, Enter, int('a')})
        EXPECT_TRUE(chat.onTopicKey(key)) << key;
    EXPECT_EQ(topic.text(), "новини");
    EXPECT_EQ(world.news(), "");
}

} // namespace
} // namespace vz
