#include "config/translit.h"
#include "fakes/fake_platform.h"
#include "text/utf8.h"
#include "windows/input_keys.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

constexpr int Enter = 13, CtrlEnter = 10, CtrlR = 18, CtrlL = 12, CtrlS = 19;
using F = InputField;
using L = KeyboardLayout;

// By the shipped trans.ini. A finished line is emptied here; the caret ends
// up after a conversion; Ctrl+S leaves the layout the text was meant for.
TEST(InputKeysTest, FieldsFinishOrConvertOnTheirOwnKeys) {
    fake::FakeWorld world;
    world.files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
    const std::tuple<F, int, const char*, const char*, bool> rows[] = {
        {F::StatusLine, Enter, "hi", "", true},
        {F::StatusLine, CtrlEnter, "hi", "hi", false},
        {F::StatusLine, CtrlR, "pryvit", "pryvit", false},
        {F::ChannelLine, CtrlEnter, "hi", "", true},
        {F::ChannelLine, 'a', "pryvit", "pryvit", false},
        {F::ChannelLine, CtrlR, "shchuka Schast", "шчука щаст", true}, // not s h c h
        {F::ChannelLine, CtrlR, "z Vasco yablunya", "з васцо яблуня", true},
        {F::ChannelLine, CtrlR, "SHYA PRYVIT Z", "сгиа привіт з", true}, // keys ignore case
        {F::ChannelLine, CtrlR, "ok 42, друже!", "ок 42, друже!", true},
        {F::PrivatLine, CtrlL, "Щука Їжак ёґ", "schuka yizhak ёґ", true},
        {F::PrivatLine, CtrlL, "", "", true},
        {F::TopicBox, CtrlEnter, "hi", "hi", false},
        {F::TopicBox, CtrlL, "бук", "buk", true},
        {F::PromptField, CtrlR, "pryvit", "pryvit", false},
        {F::StatusLine, CtrlS, "Ghbdsn& zr cghfdb?", "Привіт? як справи,", true},
        {F::PrivatLine, CtrlS, "Руддщб ЦщкдвЖ", "Hello, World:", true},
        {F::PromptField, CtrlS, "l;'", "джє", true}, // ";" joins s1 and r
        {F::PromptField, CtrlS, "ж;", "жж", true},   // a tie
        {F::PromptField, CtrlS, "", "", true},
    };
    for (const auto& [field, key, before, after, swallowed] : rows) {
        SCOPED_TRACE(before + std::string(" key ") + std::to_string(key));
        fake::FakeLineEdit input;
        input.value = before;
        input.caret = -1;
        const auto empty = [&] { input.value.clear(); };
        EXPECT_EQ(HandleInputKey(world.app->platform(), field, key, input, empty), swallowed);
        EXPECT_EQ(input.value, after);
        const bool converted = swallowed && (*after || !*before);
        EXPECT_EQ(input.caret, converted ? static_cast<int>(utf8::length(after)) : -1);
    }
    EXPECT_EQ(world.desktop.layouts,
              (std::vector{L::Cyrillic, L::Latin, L::Cyrillic, L::Cyrillic, L::Cyrillic}));
}

TEST(InputKeysTest, AMissingKeyLeavesTheLettersAndADoubledKeyGivesTwo) {
    fake::FakeFiles files;
    EXPECT_EQ(Translit(files, "sho", false) + SwapLayoutText(files, "x;").text, "shox;");
    files.files[TranslitFileName] =
        "[2Rus]\nsh=ш\n1=x\n[2Lat]\nш=sh\n[Raskl]\ns1=ab\nr=c\ns2=хху\n";
    EXPECT_EQ(Translit(files, "sho yo 1", false) + Translit(files, "шок", true), "шo yo 1shок");
    EXPECT_EQ(SwapLayoutText(files, "x хc").text + SwapLayoutText(files, "cc").text, "x abccc");
}

TEST(InputKeysTest, WindowsHandTheirKeysOnAndALockedTopicSwallowsThemAll) {
    fake::SignedOnWorld world;
    world.serverSays(":me!u@h JOIN :#x");
    world.files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
    EXPECT_FALSE(world.app->status().onInputKey(CtrlEnter) ||
                 world.app->command().onFieldKey(CtrlR));
    EXPECT_TRUE(
        world.app->tables().privat(world.app->tables().OpenPrivat("b", "h")).onInputKey(CtrlL));
    frmChat& chat = world.chat("#x");
    fake::FakeTextView& topic = world.chatView("#x").topicView;
    topic.lines = {{TextRun{"Schast", {}}}};
    EXPECT_TRUE(chat.onTopicKey(CtrlR) && chat.onInputKey(CtrlEnter));
    chat.topicLocked = true;
    EXPECT_TRUE(chat.onTopicKey(CtrlL));
    EXPECT_EQ(topic.text() + " " + std::to_string(topic.caret), "щаст 4");
}

} // namespace
} // namespace vz
