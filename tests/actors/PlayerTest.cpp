#include <gtest/gtest.h>

#include "../engine/ProbeGame.h"
#include "actors/Player.h"
#include "platform/Messages.h"
#include "platform/XInput.h"

namespace {

class Trolley : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::scriptControllers(true);
        ASSERT_TRUE(player.initialize(&game, 120, 120, 4, &none));
        player.setFrames(0, 0);
        player.setCurrentFrame(0);
        player.setX(500);
        player.setY(300);
    }
    void TearDown() override { platform::scriptControllers(false); }

    Input& input() { return *game.getInput(); }
    void pad(WORD buttons, BYTE left = 0, BYTE right = 0)
    {
        XINPUT_GAMEPAD state{};
        state.wButtons = buttons;
        state.bLeftTrigger = left;
        state.bRightTrigger = right;
        platform::setScriptedPad(0, &state);
        input().checkControllers();
    }
    // One frame as the level runs it: update, then the end-of-frame clear.
    void frame(float t = 0.02f)
    {
        player.update(t);
        input().clearKeysPressed();
    }
    void frames(int n)
    {
        for (int i = 0; i < n; ++i) frame();
    }
    int activeShots()
    {
        int n = 0;
        for (int i = 0; i < playerNS::SHOTS; ++i) n += player.shot(i).getActive();
        return n;
    }

    ProbeGame game;
    TextureManager none;
    Player player;
};

TEST_F(Trolley, StartsWithItsOwnValues)
{
    Player fresh;
    EXPECT_FLOAT_EQ(fresh.getX(), 452);
    EXPECT_FLOAT_EQ(fresh.getY(), 324);
    EXPECT_FLOAT_EQ(fresh.speed, 150);
    EXPECT_EQ(fresh.score, 0);
    EXPECT_FLOAT_EQ(fresh.getMass(), 0.1f);
    EXPECT_EQ(fresh.getCollisionType(), BOX);
    EXPECT_EQ(fresh.getEdge()->right, 64);
    EXPECT_FLOAT_EQ(player.shot(0).getScale(), 0.25f);
    EXPECT_EQ(player.shot(0).getCurrentFrame(), 33);
    EXPECT_FLOAT_EQ(player.shot(0).getMass(), 0.1f);
}

TEST_F(Trolley, DoesNotMoveUntilMoreThanTwoSecondsAfterBeingPlaced)
{
    input().keyDown(VK_RIGHT);
    player.startTimer = 1.98f;
    frame(0.02f); // startTimer reaches 2.0 exactly (as a float sum): still nothing
    EXPECT_FLOAT_EQ(player.getX(), 500);
    frame(0.02f);
    EXPECT_FLOAT_EQ(player.getX(), 503) << "150 pixels a second for 0.02 s is 3 pixels";
}

struct MoveCase {
    const char* name;
    std::vector<UINT> keys;
    WORD buttons;
    float startX, startY;
    float expectedX, expectedY;
    int expectedFrame;
};

class TrolleyMoves : public Trolley, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(TrolleyMoves, MovesFacesAndKeepsToTheFloor)
{
    const MoveCase& c = GetParam();
    player.startTimer = 5;
    player.setX(c.startX);
    player.setY(c.startY);
    for (UINT key : c.keys) input().keyDown(key);
    pad(c.buttons);
    frame(0.02f);
    EXPECT_FLOAT_EQ(player.getX(), c.expectedX);
    EXPECT_FLOAT_EQ(player.getY(), c.expectedY);
    EXPECT_EQ(player.getCurrentFrame(), c.expectedFrame);
}

INSTANTIATE_TEST_SUITE_P(
    Player, TrolleyMoves,
    ::testing::Values(MoveCase{"Right", {VK_RIGHT}, 0, 500, 300, 503, 300, 1},
                      MoveCase{"Left", {VK_LEFT}, 0, 500, 300, 497, 300, 3},
                      MoveCase{"Up", {VK_UP}, 0, 500, 300, 500, 297, 0},
                      MoveCase{"Down", {VK_DOWN}, 0, 500, 300, 500, 303, 2},
                      // Right is applied before up, so the trolley ends up facing up.
                      MoveCase{"DiagonalFacesTheLastMove", {VK_RIGHT, VK_UP}, 0, 500, 300, 503, 297, 0},
                      MoveCase{"PadRight", {}, XINPUT_GAMEPAD_DPAD_RIGHT, 500, 300, 503, 300, 1},
                      MoveCase{"PadDownLeft", {}, XINPUT_GAMEPAD_DPAD_DOWN | XINPUT_GAMEPAD_DPAD_LEFT, 500, 300, 497, 303, 2},
                      MoveCase{"StopsAtTheLeftLimit", {VK_LEFT}, 0, 141, 300, 140, 300, 3},
                      MoveCase{"StopsAtTheRightLimit", {VK_RIGHT}, 0, 929, 300, 930, 300, 1},
                      MoveCase{"MayGoAboveTheTop", {VK_UP}, 0, 500, -23, 500, -25, 0},
                      MoveCase{"StopsAtTheBottom", {VK_DOWN}, 0, 500, 669, 500, 670, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Trolley, FullTriggersRumbleBothMotorsForATenthOfASecond)
{
    pad(0, 255, 255);
    frame();
    const ControllerState* c = input().getControllerState(0);
    EXPECT_EQ(c->vibration.wLeftMotorSpeed, 65280);
    EXPECT_EQ(c->vibration.wRightMotorSpeed, 65280);
    EXPECT_FLOAT_EQ(c->vibrateTimeLeft, 0.1f);
    pad(0, 254, 0);
    input().vibrateControllers(0.11f);
    EXPECT_EQ(input().getControllerState(0)->vibration.wLeftMotorSpeed, 0);
}

TEST_F(Trolley, SpacePressedTwiceWithinTheIntervalFiresOnce)
{
    frames(80); // 1.6 s: the fire timer is past its interval
    input().keyDown(VK_SPACE);
    frame();
    EXPECT_EQ(activeShots(), 1);
    input().keyUp(VK_SPACE);
    frames(10);
    input().keyDown(VK_SPACE);
    frame();
    EXPECT_EQ(activeShots(), 1) << "0.2 s later: too soon";
}

TEST_F(Trolley, HoldingTheRightShoulderFiresEachTimeTheIntervalPasses)
{
    pad(XINPUT_GAMEPAD_RIGHT_SHOULDER);
    int fired = 0;
    for (int i = 0; i < 400; ++i) { // 8 s
        const int before = activeShots();
        frame();
        fired += activeShots() > before;
    }
    EXPECT_EQ(fired, 5) << "at 1.56, 3.12, 4.68, 6.24 and 7.80 s";
}

TEST_F(Trolley, AShotThatLeavesTheScreenIsFreeAgain)
{
    player.startTimer = 5;
    input().keyDown(VK_UP);
    frame();
    input().keyUp(VK_UP);
    frames(80);
    input().keyDown(VK_SPACE);
    frame();
    ASSERT_EQ(activeShots(), 1);
    EXPECT_TRUE(player.shot(0).getVisible());
    EXPECT_FLOAT_EQ(player.shot(0).getVelocity().y, -600);
    frames(40); // 0.8 s at 600 pixels a second takes it off the top
    EXPECT_EQ(activeShots(), 0);
    EXPECT_FALSE(player.shot(0).getVisible());
    frames(80);
    input().keyDown(VK_SPACE);
    frame();
    EXPECT_EQ(activeShots(), 1);
    EXPECT_TRUE(player.shot(0).getActive()) << "the same shot flies again";
}

} // namespace
