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
using F = InputField;

class InputKeysTest : public ::testing::Test {
protected:
    InputKeysTest() {
        world.startSignedOn();
        world.files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
        world.serverSays(":me!u@h JOIN :#x");
        world.app->tables().OpenPrivat("bob", "b@h");
    }
    fake::FakeLineEdit& input(F field) {
        return field == F::StatusLine    ? world.ui.status->inputLine
               : field == F::ChannelLine ? world.chatView("#x").inputLine
               : field == F::PrivatLine  ? world.privatView("bob").inputLine
                                         : prompt;
    }
    bool press(F field, int key) {
        return field == F::StatusLine    ? world.app->status().onInputKey(key)
               : field == F::ChannelLine ? world.chat("#x").onInputKey(key)
               : field == F::PrivatLine  ? world.privat("bob").onInputKey(key)
                                         : HandleInputKey(world.app->platform(), field, key, prompt,
                                                          [&] { prompt.value.clear(); });
    }
    fake::FakeWorld world;
    fake::FakeLineEdit prompt;
};

// A finished line empties the field; the caret ends up after a conversion.
TEST_F(InputKeysTest, EachFieldFinishesOrConvertsOnItsOwnKeys) {
    const std::tuple<F, int, const char*, const char*, bool> rows[] = {
        {F::StatusLine, Enter, "/raw X", "", true},
        {F::StatusLine, CtrlEnter, "/raw X", "/raw X", false},
        {F::StatusLine, CtrlR, "pryvit", "pryvit", false},
        {F::StatusLine, CtrlS, "ghbdsn", "привіт", true},
        {F::ChannelLine, CtrlEnter, "hi", "", true},
        {F::ChannelLine, CtrlR, "pryvit бук", "привіт бук", true},
        {F::ChannelLine, 'a', "pryvit", "pryvit", false},
        {F::PrivatLine, CtrlEnter, "hi", "", true},
        {F::PrivatLine, CtrlL, "pryvit бук", "pryvit buk", true},
        {F::PrivatLine, CtrlL, "", "", true},
        {F::PrivatLine, CtrlS, "руддщ", "hello", true},
        {F::PromptField, Enter, "bob", "", true},
        {F::PromptField, CtrlR, "pryvit", "pryvit", false},
        {F::PromptField, CtrlS, "ghbdsn", "привіт", true},
    };
    for (const auto& [field, key, before, after, swallowed] : rows) {
        SCOPED_TRACE(before + std::string(" key ") + std::to_string(key));
        input(field).value = before;
        input(field).caret = -1;
        EXPECT_EQ(press(field, key), swallowed);
        EXPECT_EQ(input(field).value, after);
        if (swallowed && (*after || !*before)) {
            EXPECT_EQ(input(field).caret, static_cast<int>(utf8::length(after)));
        }
    }
    using L = KeyboardLayout;
    EXPECT_EQ(world.desktop.layouts, (std::vector{L::Cyrillic, L::Latin, L::Cyrillic}));
}

TEST_F(InputKeysTest, TopicBoxConvertsUnlessLockedThenEveryKeyIsSwallowed) {
    frmChat& chat = world.chat("#x");
    fake::FakeTextView& topic = world.chatView("#x").topicView;
    chat.onTopicFocus();
    topic.appendLine({TextRun{"Novyny", {}}});
    EXPECT_FALSE(chat.onTopicKey(CtrlEnter));
    EXPECT_TRUE(chat.onTopicKey(CtrlR));
    EXPECT_EQ(topic.text() + " " + std::to_string(topic.caret), "новини 6");
    chat.topicLocked = true;
    for (const int key : {CtrlL, CtrlS, Enter, int('a')})
        EXPECT_TRUE(chat.onTopicKey(key)) << key;
    EXPECT_EQ(topic.text(), "новини");
}

} // namespace
} // namespace vz
