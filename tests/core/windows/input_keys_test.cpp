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

// A finished line is emptied here; the caret ends up after a conversion.
TEST(InputKeysTest, EachFieldFinishesOrConvertsOnItsOwnKeys) {
    fake::FakeWorld world;
    world.files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
    const std::tuple<F, int, const char*, const char*, bool> rows[] = {
        {F::StatusLine, Enter, "hi", "", true},
        {F::StatusLine, CtrlEnter, "hi", "hi", false},
        {F::StatusLine, CtrlR, "pryvit", "pryvit", false},
        {F::StatusLine, CtrlS, "ghbdsn", "привіт", true},
        {F::ChannelLine, CtrlEnter, "hi", "", true},
        {F::ChannelLine, CtrlR, "pryvit бук", "привіт бук", true},
        {F::ChannelLine, 'a', "pryvit", "pryvit", false},
        {F::PrivatLine, CtrlL, "pryvit бук", "pryvit buk", true},
        {F::PrivatLine, CtrlL, "", "", true},
        {F::PrivatLine, CtrlS, "руддщ", "hello", true},
        {F::TopicBox, CtrlEnter, "hi", "hi", false},
        {F::TopicBox, CtrlR, "pryvit", "привіт", true},
        {F::PromptField, CtrlR, "pryvit", "pryvit", false},
    };
    for (const auto& [field, key, before, after, swallowed] : rows) {
        SCOPED_TRACE(before + std::string(" key ") + std::to_string(key));
        fake::FakeLineEdit input;
        input.value = before;
        input.caret = -1;
        EXPECT_EQ(
            HandleInputKey(world.app->platform(), field, key, input, [&] { input.value.clear(); }),
            swallowed);
        EXPECT_EQ(input.value, after);
        EXPECT_EQ(input.caret,
                  swallowed && (*after || !*before) ? static_cast<int>(utf8::length(after)) : -1);
    }
    using L = KeyboardLayout;
    EXPECT_EQ(world.desktop.layouts, (std::vector{L::Cyrillic, L::Latin}));
}

TEST(InputKeysTest, WindowsHandTheirKeysOnAndALockedTopicSwallowsThemAll) {
    fake::FakeWorld world;
    world.startSignedOn();
    world.serverSays(":me!u@h JOIN :#x");
    world.app->tables().OpenPrivat("bob", "b@h");
    EXPECT_FALSE(world.app->status().onInputKey(CtrlEnter));
    EXPECT_TRUE(world.privat("bob").onInputKey(CtrlEnter));
    frmChat& chat = world.chat("#x");
    EXPECT_TRUE(chat.onInputKey(CtrlR));
    fake::FakeTextView& topic = world.chatView("#x").topicView;
    topic.clear();
    topic.appendLine({TextRun{"Schast", {}}});
    world.files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
    EXPECT_TRUE(chat.onTopicKey(CtrlR));
    EXPECT_EQ(topic.text() + " " + std::to_string(topic.caret), "щаст 4");
    chat.topicLocked = true;
    for (const int key : {CtrlL, CtrlS, Enter, int('a')})
        EXPECT_TRUE(chat.onTopicKey(key)) << key;
    EXPECT_EQ(topic.text(), "щаст");
}

} // namespace
} // namespace vz
