#include <gtest/gtest.h>

#include <sstream>

#include "app/Replay.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

namespace {

// What the game saw of the keyboard and controller in each frame's update.
struct Seen {
    bool aDown, aPressed, leftDown, leftPressed;
    std::string text;
    WORD buttons;
    bool padConnected;
};
std::vector<Seen> seen;

class InputProbe : public GameState {
public:
    explicit InputProbe(Input* in) : input(in)
    {
        name = "SUBLOGO";
        active = true;
    }
    void update(float) override
    {
        seen.push_back(Seen{input->isKeyDown('A'), input->wasKeyPressed('A'), input->isKeyDown(VK_LEFT),
                            input->wasKeyPressed(VK_LEFT), input->getTextIn(), input->getGamepadButtons(0),
                            input->getGamepadConnected(0)});
    }

private:
    Input* input;
};

void makeProbe(Grocerush& game) { game.addState(new InputProbe(game.getInput())); }

class ReplayInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        seen.clear();
        game = new Grocerush(makeProbe);
        session = std::make_unique<app::Session>(game);
        session->start();
    }
    // Runs a piece of script and returns what the frames it ran saw.
    std::vector<Seen> play(const std::string& text)
    {
        app::ReplayScript script;
        std::string error;
        EXPECT_TRUE(app::ReplayScript::parse(text, script, error)) << error;
        seen.clear();
        std::ostringstream out, errors;
        EXPECT_TRUE(script.run(*session, *game, out, errors)) << errors.str();
        return seen;
    }

    testing_support::GameFolder folder;
    Grocerush* game = nullptr;
    std::unique_ptr<app::Session> session;
};

TEST_F(ReplayInput, PressIsDownAndPressedForOneFrameAndTypesItsLetter)
{
    const auto frames = play("press A\nrun 2\n");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_TRUE(frames[0].aDown);
    EXPECT_TRUE(frames[0].aPressed);
    EXPECT_EQ(frames[0].text, "a");
    EXPECT_FALSE(frames[1].aDown);
    EXPECT_FALSE(frames[1].aPressed);
}

TEST_F(ReplayInput, HoldStaysDownUntilReleaseAndRepeatPressesAgain)
{
    const auto frames = play("hold LEFT\nrun 2\nrepeat LEFT\nrun 1\nrelease LEFT\nrun 1\n");
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_TRUE(frames[0].leftDown && frames[0].leftPressed);
    EXPECT_TRUE(frames[1].leftDown);
    EXPECT_FALSE(frames[1].leftPressed) << "no auto-repeat of its own";
    EXPECT_TRUE(frames[2].leftDown && frames[2].leftPressed);
    EXPECT_FALSE(frames[3].leftDown);
    EXPECT_EQ(frames[3].text, "") << "holding a key types nothing";
}

TEST_F(ReplayInput, TypeDeliversCharactersOnlyWithTheInputsOwnRules)
{
    const auto frames = play("type ab c\nrun 1\npress RETURN\nrun 1\ntype xy\nrun 1\n");
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].text, "ab ");
    EXPECT_FALSE(frames[0].aDown) << "typing presses no key";
    EXPECT_EQ(frames[1].text, "ab ");
    EXPECT_EQ(frames[2].text, "xy") << "after Enter the next characters start a new text";
}

TEST_F(ReplayInput, PadConnectsHoldsAndDisconnects)
{
    const auto frames = play("pad A|START 255 0\nrun 3\npad 0x0001\nrun 2\npad none\nrun 2\n");
    ASSERT_EQ(frames.size(), 7u);
    // Controllers are read at the end of a frame: each change shows from the next one.
    EXPECT_TRUE(frames[1].padConnected);
    EXPECT_EQ(frames[1].buttons, XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_START);
    EXPECT_EQ(frames[4].buttons, XINPUT_GAMEPAD_DPAD_UP);
    EXPECT_FALSE(frames[6].padConnected);
}

TEST_F(ReplayInput, QuitStopsTheScript)
{
    const auto frames = play("run 1\nquit\nrun 5\n");
    EXPECT_EQ(frames.size(), 1u);
}

struct BadLine {
    const char* name;
    const char* script;
    const char* error;
};

class ReplayParse : public ::testing::TestWithParam<BadLine> {};

TEST_P(ReplayParse, RejectsTheScriptWithTheLineAndTheReason)
{
    app::ReplayScript script;
    std::string error;
    EXPECT_FALSE(app::ReplayScript::parse(GetParam().script, script, error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Replay, ReplayParse,
    ::testing::Values(BadLine{"UnknownCommand", "run 1\njump 3\n", "line 2: unknown command 'jump'"},
                      BadLine{"UnknownKey", "# keys\n\npress CAPSLOCK\n", "line 3: unknown key 'CAPSLOCK'"},
                      BadLine{"KeyOutOfRange", "press 0x1FF\n", "line 1: unknown key '0x1FF'"},
                      BadLine{"RunWithoutANumber", "run many\n", "line 1: run needs a whole number of frames"},
                      BadLine{"NegativeRun", "run -4\n", "line 1: run needs a whole number of frames"},
                      BadLine{"ZeroFrameTime", "frametime 0\n", "line 1: frame time must be a number of seconds above 0 and at most 10"},
                      BadLine{"UnknownButton", "pad A|Z\n", "line 1: unknown buttons 'A|Z'"},
                      BadLine{"OneTrigger", "pad A 10\n", "line 1: give both triggers or neither"},
                      BadLine{"TriggerTooBig", "pad A 10 300\n", "line 1: triggers go from 0 to 255"},
                      BadLine{"StateWithArguments", "state now\n", "line 1: 'state' takes 0 arguments"},
                      BadLine{"ShotWithoutFile", "shot\n", "line 1: 'shot' takes 1 argument"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Replay, CommentsBlankLinesAndTheTextOfTypeAreKept)
{
    app::ReplayScript script;
    std::string error;
    ASSERT_TRUE(app::ReplayScript::parse("# start\n\nrun 2 # two frames\ntype a # b\r\nframetime 0.5\n", script, error));
    ASSERT_EQ(script.commands().size(), 3u);
    EXPECT_EQ(script.commands()[0].count, 2);
    EXPECT_EQ(script.commands()[1].text, "a # b");
    EXPECT_DOUBLE_EQ(script.commands()[2].seconds, 0.5);
}

} // namespace
