#include <gtest/gtest.h>

#include "ProbeGame.h"
#include "app/Session.h"
#include "platform/Direct3D.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

namespace {

class ConsoleAndPause : public ::testing::Test {
protected:
    void SetUp() override
    {
        probe = new ProbeGame;
        session = std::make_unique<app::Session>(probe);
        session->start();
        platform::captureFrames(*probe->getGraphics()->getDevice(), true);
        session->frame();
    }
    Console& console() { return *probe->getConsole(); }
    void toggleConsole()
    {
        session->press(VK_OEM_3);
        session->frame();
    }
    std::uint32_t pixel(int x, int y)
    {
        std::vector<std::uint32_t> pixels;
        int w = 0, h = 0;
        EXPECT_TRUE(platform::lastFrame(*probe->getGraphics()->getDevice(), pixels, w, h));
        return pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFF;
    }
    bool inked(int x0, int y0, int x1, int y1, std::uint32_t background)
    {
        std::vector<std::uint32_t> pixels;
        int w = 0, h = 0;
        platform::lastFrame(*probe->getGraphics()->getDevice(), pixels, w, h);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if ((pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFF) != background) return true;
            }
        }
        return false;
    }

    ProbeGame* probe = nullptr;
    std::unique_ptr<app::Session> session;
};

TEST_F(ConsoleAndPause, TheConsoleKeyPausesTheGameWhileTheConsoleIsOpen)
{
    toggleConsole();
    ASSERT_TRUE(console().getVisible());
    EXPECT_TRUE(probe->getPaused());
    const int updates = probe->updates, ais = probe->ais, collisions = probe->collisionSteps, renders = probe->renders;
    session->frames(3);
    EXPECT_EQ(probe->updates, updates);
    EXPECT_EQ(probe->ais, ais);
    EXPECT_EQ(probe->collisionSteps, collisions);
    EXPECT_EQ(probe->renders, renders + 3);
    EXPECT_EQ(console().lines().front(), "---Console--- (Please don't use this for cheating)");
    toggleConsole();
    EXPECT_FALSE(console().getVisible());
    EXPECT_FALSE(probe->getPaused());
    session->frame();
    EXPECT_EQ(probe->updates, updates + 1);
}

TEST_F(ConsoleAndPause, TheHistoryKeepsTheNewest256Lines)
{
    for (int i = 0; i < 300; ++i) console().print("line " + std::to_string(i));
    ASSERT_EQ(console().lines().size(), 256u);
    EXPECT_EQ(console().lines().front(), "line 299");
    EXPECT_EQ(console().lines().back(), "line 44");
}

TEST_F(ConsoleAndPause, ScrollingMovesByLinesAndPagesAndStopsAtBothEnds)
{
    for (int i = 0; i < 100; ++i) console().print("line " + std::to_string(i));
    toggleConsole();
    session->frame(); // the rows are measured while drawing
    EXPECT_EQ(console().getRows(), 28) << "rows of 14-pixel text with 2 pixels between";
    session->press(VK_PRIOR);
    session->frame();
    EXPECT_EQ(console().getScrollAmount(), 28);
    session->press(VK_UP);
    session->frame();
    EXPECT_EQ(console().getScrollAmount(), 29);
    session->press(VK_NEXT);
    session->frame();
    session->press(VK_DOWN);
    session->frame();
    EXPECT_EQ(console().getScrollAmount(), 0);
    session->press(VK_DOWN);
    session->frame();
    EXPECT_EQ(console().getScrollAmount(), 0) << "never below the newest line";
    for (int page = 0; page < 6; ++page) {
        session->press(VK_PRIOR);
        session->frame();
    }
    EXPECT_EQ(console().getScrollAmount(), 100) << "stops at the oldest of its 101 lines";
    for (int i = 0; i < 300; ++i) console().print("more");
    for (int page = 0; page < 12; ++page) {
        session->press(VK_PRIOR);
        session->frame();
    }
    EXPECT_EQ(console().getScrollAmount(), 255);
}

TEST_F(ConsoleAndPause, ACommandLineIsAsLongAsItNeedsAndEscapeKeepsIt)
{
    toggleConsole();
    session->typeText("LEVEL10 and some more");
    session->press(VK_BACK);
    session->frame();
    EXPECT_EQ(console().commandLine(), "LEVEL10 and some mor");
    session->press(VK_ESCAPE);
    session->frame();
    EXPECT_EQ(probe->getCommand(), "") << "nothing is given to the game on Escape";
    EXPECT_EQ(console().commandLine(), "LEVEL10 and some mor");
    EXPECT_TRUE(console().getVisible());
    session->press(VK_RETURN);
    session->frame();
    EXPECT_EQ(probe->getCommand(), "LEVEL10 and some mor");
    EXPECT_EQ(console().commandLine(), "");
    EXPECT_EQ(probe->getInput()->getTextIn(), "") << "the shared text is emptied with the command";
    session->press(VK_RETURN);
    session->frame();
    EXPECT_EQ(probe->getCommand(), "") << "an empty line is no command";
}

TEST_F(ConsoleAndPause, TheConsoleKeysOwnCharacterNeverReachesTheLine)
{
    session->press(VK_OEM_3);
    session->typeText("`"); // the character the key types on most layouts
    session->frame();
    session->typeText("fps`");
    session->frame();
    EXPECT_EQ(console().commandLine(), "fps");
}

TEST_F(ConsoleAndPause, HomeShowsThePausedBoxAndHomeAgainHidesIt)
{
    probe->getGraphics()->setBackColor(graphicsNS::WHITE);
    session->press(VK_HOME);
    session->frame();
    ASSERT_TRUE(probe->getPaused());
    session->frame();
    EXPECT_EQ(pixel(463, 365), 0xC0C0C0u) << "the light grey frame";
    EXPECT_EQ(pixel(561, 403), 0xC0C0C0u);
    EXPECT_EQ(pixel(470, 372), 0x323232u) << "the dark grey panel";
    EXPECT_EQ(pixel(461, 363), 0xFFFFFFu) << "nothing outside the box";
    EXPECT_EQ(pixel(562, 404), 0xFFFFFFu);
    EXPECT_TRUE(inked(470, 369, 555, 399, 0x323232)) << "the text";

    // A device reset while paused builds the box again, with the same colours.
    platform::simulateDeviceLoss(*probe->getGraphics()->getDevice(), 0);
    session->frames(2);
    EXPECT_EQ(pixel(463, 365), 0xC0C0C0u);
    EXPECT_EQ(pixel(470, 372), 0x323232u);
    EXPECT_TRUE(inked(470, 369, 555, 399, 0x323232));

    const int updates = probe->updates;
    session->press(VK_HOME);
    session->frame();
    EXPECT_FALSE(probe->getPaused());
    session->frame();
    EXPECT_EQ(probe->updates, updates + 1);
    EXPECT_EQ(pixel(470, 372), 0xFFFFFFu) << "the box is gone";
}

} // namespace
