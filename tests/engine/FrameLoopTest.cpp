#include <gtest/gtest.h>

#include "ProbeGame.h"
#include "app/Session.h"
#include "platform/Messages.h"
#include "platform/Timer.h"

namespace {

class FrameLoop : public ::testing::Test {
protected:
    void SetUp() override
    {
        probe = new ProbeGame;
        session = std::make_unique<app::Session>(probe);
        session->start();
        session->frame(); // a first ordinary frame, so every case measures from a frame's end
    }

    ProbeGame* probe = nullptr;
    std::unique_ptr<app::Session> session;
};

struct TimingCase {
    const char* name;
    double gap;           // seconds since the last frame when run is called
    bool runsGameSteps;   // update, ai and collisions ran
    float stepTime;       // the frame time they were given
};

class FrameTiming : public FrameLoop, public ::testing::WithParamInterface<TimingCase> {};

TEST_P(FrameTiming, MeasuresClampsAndLimits)
{
    const TimingCase& c = GetParam();
    const int updatesBefore = probe->updates;
    const float fpsBefore = probe->getFps();
    session->setFrameTime(c.gap);
    session->frame();
    EXPECT_EQ(probe->updates - updatesBefore, c.runsGameSteps ? 1 : 0);
    EXPECT_EQ(probe->ais, probe->updates);
    EXPECT_EQ(probe->collisionSteps, probe->updates);
    if (c.runsGameSteps) {
        EXPECT_FLOAT_EQ(probe->stepTimes.back(), c.stepTime);
        // The average always uses the true frame time, before the clamp.
        EXPECT_NEAR(probe->getFps(), fpsBefore * 0.99f + 0.01f / static_cast<float>(c.gap), 1e-3);
    } else {
        EXPECT_FLOAT_EQ(probe->getFps(), fpsBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(Game, FrameTiming,
                         ::testing::Values(TimingCase{"Ordinary", 0.02, true, 0.02f},
                                           TimingCase{"ExactlyTheLongest", 0.1, true, 0.1f},
                                           TimingCase{"DraggedWindowIsClamped", 0.5, true, 0.1f},
                                           TimingCase{"TooShortSleepsInstead", 0.002, false, 0},
                                           TimingCase{"JustTooShort", 0.0049, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameLoop, AShortCallSleepsTheRestAndTheNextCallMeasuresFromTheSameStart)
{
    const DWORD sleptBefore = platform::virtualSleepTotal();
    const int updatesBefore = probe->updates, rendersBefore = probe->renders;
    session->setFrameTime(0.002);
    session->frame();
    EXPECT_EQ(probe->updates, updatesBefore);
    EXPECT_EQ(probe->renders, rendersBefore) << "a frame that only sleeps draws nothing either";
    const DWORD slept = platform::virtualSleepTotal() - sleptBefore;
    EXPECT_GE(slept, 2u);
    EXPECT_LE(slept, 3u);
    EXPECT_EQ(probe->getSleepTime(), slept);

    session->setFrameTime(0.010);
    session->frame();
    ASSERT_EQ(probe->updates, updatesBefore + 1);
    EXPECT_NEAR(probe->stepTimes.back(), 0.002 + slept / 1000.0 + 0.010, 1e-6);
}

TEST_F(FrameLoop, HomePausesTheGameStepsButNotDrawingAndHomeAgainResumes)
{
    session->pad(0);
    session->frame();
    probe->getInput()->gamepadVibrateLeft(0, 30000, 0.5f);

    session->press(VK_HOME);
    session->frame(); // this frame still runs; the pause begins at its end
    ASSERT_TRUE(probe->getPaused());
    EXPECT_TRUE(probe->getMessageDialogue()->getVisible());
    EXPECT_EQ(probe->getMessageDialogue()->getMessage(), "Paused");
    const float vibrationLeft = probe->getInput()->getControllerState(0)->vibrateTimeLeft;

    const int updates = probe->updates, ais = probe->ais, collisions = probe->collisionSteps, renders = probe->renders;
    session->frames(5);
    EXPECT_EQ(probe->updates, updates);
    EXPECT_EQ(probe->ais, ais);
    EXPECT_EQ(probe->collisionSteps, collisions);
    EXPECT_EQ(probe->renders, renders + 5);
    EXPECT_FLOAT_EQ(probe->getInput()->getControllerState(0)->vibrateTimeLeft, vibrationLeft);

    session->press(VK_HOME);
    session->frame();
    EXPECT_FALSE(probe->getPaused());
    EXPECT_FALSE(probe->getMessageDialogue()->getVisible());
    session->frame();
    EXPECT_EQ(probe->updates, updates + 1);
}

TEST(GameMessages, BeforeInitializeEverythingGoesToTheDefaultHandler)
{
    ProbeGame game;
    game.messageHandler(nullptr, WM_KEYDOWN, VK_LEFT, 0);
    game.messageHandler(nullptr, WM_CHAR, 'a', 0);
    EXPECT_FALSE(game.getInput()->isKeyDown(VK_LEFT));
    EXPECT_EQ(game.getInput()->getTextIn(), "");
    game.messageHandler(nullptr, WM_DESTROY, 0, 0);
    MSG message;
    bool quitPosted = false;
    while (PeekMessage(&message)) quitPosted |= message.message == WM_QUIT;
    EXPECT_FALSE(quitPosted);
}

TEST_F(FrameLoop, AfterInitializeKeysCharactersAndTheCloseReachTheGame)
{
    session->keyDown(VK_LEFT);
    session->typeText("ab");
    session->post(WM_KEYDOWN, 0x1FF, 0); // beyond the key table: ignored
    session->frame();
    EXPECT_TRUE(probe->getInput()->isKeyDown(VK_LEFT));
    EXPECT_EQ(probe->getInput()->getTextIn(), "ab");
    session->post(WM_DESTROY, 0, 0);
    EXPECT_FALSE(session->frame()) << "WM_DESTROY posts the quit message";
    EXPECT_TRUE(session->quit());
    EXPECT_EQ(session->exitCode(), 0);
}

} // namespace
