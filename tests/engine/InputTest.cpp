#include <gtest/gtest.h>

#include "engine/Input.h"
#include "platform/Messages.h"

namespace {

struct TextCase {
    const char* name;
    const char* typed; // '\b' and '\r' as typed
    const char* expectedText;
    char expectedCharIn;
    const char* nextTyped; // typed afterwards, to see whether a new text starts
    const char* textAfterNext;
};

class TextEntry : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextEntry, FollowsTheThreeCharacterRules)
{
    const TextCase& c = GetParam();
    Input input;
    for (const char* p = c.typed; *p; ++p) input.keyIn(static_cast<unsigned char>(*p));
    EXPECT_EQ(input.getTextIn(), c.expectedText);
    EXPECT_EQ(input.getCharIn(), c.expectedCharIn);
    for (const char* p = c.nextTyped; *p; ++p) input.keyIn(static_cast<unsigned char>(*p));
    EXPECT_EQ(input.getTextIn(), c.textAfterNext);
}

INSTANTIATE_TEST_SUITE_P(Input, TextEntry,
                         ::testing::Values(
                             // The fourth letter is dropped from the text but is still the last character.
                             TextCase{"FourLetters", "abcd", "abc", 'd', "", "abc"},
                             // Two letters and Enter keep the carriage return; the next key starts afresh.
                             TextCase{"TwoLettersAndEnter", "ab\r", "ab\r", '\r', "x", "x"},
                             // Three letters leave no room for the carriage return, but a new text still starts.
                             TextCase{"ThreeLettersAndEnter", "abc\r", "abc", '\r', "z", "z"},
                             // Backspace on nothing changes nothing, not even the last character.
                             TextCase{"BackspaceOnEmpty", "\b", "", 0, "q", "q"},
                             TextCase{"BackspaceEdits", "ab\bc", "ac", 'c', "", "ac"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Input, KeyPressLastsUntilClearedAndKeyDownUntilKeyUp)
{
    Input input;
    input.keyDown(VK_RIGHT);
    EXPECT_TRUE(input.isKeyDown(VK_RIGHT));
    EXPECT_TRUE(input.wasKeyPressed(VK_RIGHT));
    EXPECT_TRUE(input.anyKeyPressed());
    input.clearKeysPressed(); // end of the frame
    EXPECT_TRUE(input.isKeyDown(VK_RIGHT));
    EXPECT_FALSE(input.wasKeyPressed(VK_RIGHT));
    input.keyDown(VK_RIGHT); // auto-repeat
    EXPECT_TRUE(input.wasKeyPressed(VK_RIGHT));
    input.keyUp(VK_RIGHT);
    EXPECT_FALSE(input.isKeyDown(VK_RIGHT));
    EXPECT_TRUE(input.wasKeyPressed(VK_RIGHT)) << "key-up leaves the press of this frame alone";
}

TEST(Input, KeyCodesOf256AndMoreChangeNothing)
{
    Input input;
    for (WPARAM key : {WPARAM{256}, WPARAM{300}, WPARAM{0x10000}}) {
        input.keyDown(key);
        input.keyUp(key);
        EXPECT_FALSE(input.isKeyDown(static_cast<UINT>(key)));
        EXPECT_FALSE(input.wasKeyPressed(static_cast<UINT>(key)));
    }
    EXPECT_FALSE(input.anyKeyPressed());
    input.clearKeyPress(999); // out of range: no effect, no fault
}

TEST(Input, MouseMessagesDecodeSignedPositionsWheelAndButtons)
{
    Input input;
    input.mouseIn(MAKELPARAM(-5, 700));
    EXPECT_EQ(input.getMouseX(), -5);
    EXPECT_EQ(input.getMouseY(), 700);
    input.mouseWheelIn(static_cast<WPARAM>(static_cast<WORD>(-WHEEL_DELTA)) << 16);
    EXPECT_EQ(input.getMouseWheel(), -WHEEL_DELTA);
    input.mouseRawIn(platform::makeRawMouseInput(-3, 12));
    EXPECT_EQ(input.getMouseRawX(), -3);
    EXPECT_EQ(input.getMouseRawY(), 12);
    input.setMouseXButton(MK_XBUTTON2);
    EXPECT_FALSE(input.getMouseX1Button());
    EXPECT_TRUE(input.getMouseX2Button());
    input.clearMouse();
    EXPECT_EQ(input.getMouseX(), 0);
    EXPECT_EQ(input.getMouseRawY(), 0);
    EXPECT_EQ(input.getMouseWheel(), 0);
}

} // namespace
