#include "support/WholeGame.h"
#include "screens/FrontEnd.h"
#include "screens/LogoScreen.h"
#include "screens/SubLogoScreen.h"
#include "screens/CreditScreen.h"
#include "screens/InstructionsScreen.h"

namespace {

using Logos = WholeGame;

TEST_F(Logos, WithNoInputThreeSecondsOfGroupLogoSixOfStudioLogoThenTheMenu)
{
    EXPECT_EQ(game->getGraphics()->getBackColor(), D3DCOLOR_ARGB(255, 49, 48, 48)) << "dark grey from the first frame";
    seconds(2.9);
    EXPECT_TRUE(showing("SUBLOGO"));
    seconds(0.2);
    EXPECT_TRUE(showing("LOGO"));
    seconds(5.8);
    EXPECT_TRUE(showing("LOGO"));
    seconds(0.2);
    EXPECT_TRUE(showing("FRONTEND"));
}

TEST_F(Logos, EnterIsIgnoredForTheFirstSecondAndMovesOnAtOnceAfter)
{
    seconds(0.5);
    session->press(VK_RETURN);
    seconds(0.2);
    EXPECT_TRUE(showing("SUBLOGO"));
    seconds(0.4);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(showing("LOGO"));

    seconds(0.5);
    session->press(VK_RETURN);
    seconds(0.2);
    EXPECT_TRUE(showing("LOGO"));
    seconds(0.4);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(showing("FRONTEND"));
}

TEST_F(Logos, StartHeldFromTheBeginningSkipsEachLogoAfterASecond)
{
    session->pad(XINPUT_GAMEPAD_START);
    seconds(0.96);
    EXPECT_TRUE(showing("SUBLOGO"));
    seconds(0.06);
    EXPECT_TRUE(showing("LOGO"));
    seconds(1.06);
    EXPECT_TRUE(showing("FRONTEND"));
}

TEST_F(Logos, TheStudioLogoRisesAboutTwoHundredAndEightySevenPixelsThenStays)
{
    go("LOGO");
    seconds(4);
    EXPECT_NEAR(state<LogoScreen>("LOGO").getRise(), 115, 1.5);
}

class TitleMenu : public WholeGame {
protected:
    void SetUp() override
    {
        WholeGame::SetUp();
        go("FRONTEND");
    }
    FrontEnd& menu() { return state<FrontEnd>("FRONTEND"); }
};

TEST_F(TitleMenu, TheKeyboardDoesNothingForFiveSecondsAndEarlyPressesAreNotRemembered)
{
    seconds(4.9);
    session->press(VK_DOWN);
    session->frame();
    session->press(VK_RETURN);
    session->frame();
    EXPECT_EQ(menu().getSelection(), 0);
    seconds(1);
    EXPECT_TRUE(showing("FRONTEND"));
    EXPECT_TRUE(game->menuVisible);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(showing("LEVEL1"));
}

TEST_F(TitleMenu, TheControllersAWorksBeforeTheButtonsShow)
{
    seconds(1);
    EXPECT_FALSE(game->menuVisible);
    padFrames(XINPUT_GAMEPAD_A);
    EXPECT_TRUE(showing("LEVEL1"));
}

TEST_F(TitleMenu, AHeldDirectionMovesOneEntryUntilEverythingIsReleased)
{
    session->pad(XINPUT_GAMEPAD_DPAD_DOWN);
    seconds(1);
    EXPECT_EQ(menu().getSelection(), 1);
    padFrames(XINPUT_GAMEPAD_DPAD_DOWN | XINPUT_GAMEPAD_A); // still held: A does nothing yet
    EXPECT_TRUE(showing("FRONTEND"));
    padFrames(0);
    padFrames(XINPUT_GAMEPAD_DPAD_DOWN);
    EXPECT_EQ(menu().getSelection(), 2);
    padFrames(0);
    padFrames(XINPUT_GAMEPAD_DPAD_DOWN);
    EXPECT_EQ(menu().getSelection(), 2) << "down at Quit stays at Quit";
}

TEST_F(TitleMenu, UpAtStartChangesNothingAndAMoveAndEnterInOneFrameActOnTheNewEntry)
{
    seconds(5.1);
    session->press(VK_UP);
    session->frame();
    EXPECT_EQ(menu().getSelection(), 0);
    session->press(VK_DOWN);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(showing("INSTRUCTIONS"));
}

TEST_F(TitleMenu, QuitEndsTheProgramWithCodeZero)
{
    seconds(5.1);
    session->press(VK_DOWN);
    session->frame();
    session->press(VK_DOWN);
    session->frame();
    session->press(VK_RETURN);
    session->frame();
    EXPECT_FALSE(session->frame());
    EXPECT_TRUE(session->quit());
    EXPECT_EQ(session->exitCode(), 0);
}

TEST_F(TitleMenu, ComingBackReplaysTheIntroAndRestartsTheTitleMusic)
{
    Audio& audio = *game->getAudio();
    EXPECT_EQ(audio.timesPlayed(audioNS::TITLE_MUSIC), 1);
    EXPECT_EQ(audio.timesStopped(audioNS::VICTORY_MUSIC), 1);
    seconds(4);
    EXPECT_EQ(menu().getIntroPhase(), 2);
    go("LEVEL1");
    go("FRONTEND");
    EXPECT_EQ(menu().getIntroPhase(), 0);
    EXPECT_FALSE(game->menuVisible);
    EXPECT_EQ(audio.timesPlayed(audioNS::TITLE_MUSIC), 2);
    EXPECT_EQ(audio.timesStopped(audioNS::VICTORY_MUSIC), 2);
}

class Pages : public WholeGame {};

TEST_F(Pages, InstructionsScrollWhileAnArrowIsHeldBetweenTheTopAndTheBottom)
{
    go("INSTRUCTIONS");
    auto& page = state<InstructionsScreen>("INSTRUCTIONS");
    session->keyDown(VK_DOWN);
    seconds(1);
    session->press(VK_RETURN); // while the page moves, Enter is not looked at
    session->frame();
    EXPECT_TRUE(showing("INSTRUCTIONS"));
    seconds(19);
    EXPECT_NEAR(page.getPageY(), -3280, 5);
    EXPECT_LE(game->instructionsScroll, -820);
    session->keyUp(VK_DOWN);
    session->keyDown(VK_UP);
    seconds(20);
    EXPECT_NEAR(page.getPageY(), 0, 5);
    EXPECT_GE(game->instructionsScroll, 0);
    session->keyUp(VK_UP);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(showing("FRONTEND"));
    go("INSTRUCTIONS");
    EXPECT_FLOAT_EQ(page.getPageY(), 0) << "every visit starts at the top";
}

TEST_F(Pages, CreditsIgnoreEnterForTwoSecondsAndReturnAfterTwelve)
{
    go("CREDITS");
    auto& credits = state<CreditScreen>("CREDITS");
    seconds(1.5);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(showing("CREDITS"));
    EXPECT_LT(credits.getPageY(), -100);
    seconds(10.4);
    EXPECT_TRUE(showing("CREDITS"));
    EXPECT_NEAR(credits.getPageY(), -1020, 5) << "the page has stopped rising";
    seconds(0.2);
    EXPECT_TRUE(showing("FRONTEND"));
    EXPECT_FLOAT_EQ(credits.getPageY(), 0) << "the next visit starts from the beginning";
    go("CREDITS");
    seconds(2.1);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(showing("FRONTEND"));
}

} // namespace
