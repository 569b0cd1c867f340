#include "support/WholeGame.h"

namespace {

class HighScoreScreenTest : public WholeGame {};

TEST_F(HighScoreScreenTest, AfterACompletedRunOnlyStartOrEnterGoOnToTheCredits)
{
    go("HIGHSCORE");
    seconds(1);
    session->press(VK_RETURN);
    session->frame();
    seconds(1.2);
    EXPECT_TRUE(showing("HIGHSCORE")) << "an early press is neither used nor remembered";
    padFrames(XINPUT_GAMEPAD_A);
    EXPECT_TRUE(showing("HIGHSCORE"));
    padFrames(XINPUT_GAMEPAD_START);
    EXPECT_TRUE(showing("CREDITS"));
}

TEST_F(HighScoreScreenTest, AfterAGameOverOnlyAOrEnterGoBackToTheMenuAndTheMarkIsCleared)
{
    go("GAMEOVER");
    ASSERT_TRUE(game->gameOverShown);
    go("HIGHSCORE");
    seconds(2.1);
    padFrames(XINPUT_GAMEPAD_START);
    EXPECT_TRUE(showing("HIGHSCORE"));
    padFrames(0);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(showing("FRONTEND"));
    EXPECT_FALSE(game->gameOverShown);
}

struct SubmitCase {
    const char* name;
    const char* screen;
    std::string typed;  // characters typed on the screen
    bool withStart;     // START submits, otherwise Enter
    std::string stored; // the initials that reach the table
};

class LevelEnd : public WholeGame, public ::testing::WithParamInterface<SubmitCase> {};

TEST_P(LevelEnd, SubmitsTheScoreUnderTheTypedInitialsOnce)
{
    const SubmitCase& c = GetParam();
    go(c.screen);
    game->getPlayer()->score = 777;
    session->frame();
    session->typeText(c.typed);
    session->frame();
    if (c.withStart) {
        session->pad(XINPUT_GAMEPAD_START);
        seconds(0.5); // held for a while: still one submission
    } else {
        session->press(VK_RETURN);
        session->frame();
    }
    EXPECT_TRUE(showing("HIGHSCORE"));
    const auto& scores = game->getHighScores().scores();
    const auto& names = game->getHighScores().names();
    EXPECT_EQ(scores[0], 777);
    EXPECT_EQ(scores[1], 500);
    EXPECT_EQ(names[0], c.stored);
    EXPECT_EQ(names[1], "GRO");
}

INSTANTIATE_TEST_SUITE_P(Screens, LevelEnd,
                         ::testing::Values(SubmitCase{"ThreeLettersAndEnter", "GAMEOVER", "abc", false, "abc"},
                                           SubmitCase{"TwoLettersAndEnter", "COMPLETE", "ab", false, "ab"},
                                           SubmitCase{"EnterAlone", "GAMEOVER", "", false, "---"},
                                           SubmitCase{"StartWithNothingTyped", "COMPLETE", "", true, "---"},
                                           SubmitCase{"FourLettersKeepThree", "GAMEOVER", "abcd", true, "abc"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HighScoreScreenTest, TheCompleteScreenSwapsTheTitleMusicForTheVictoryMusic)
{
    Audio& audio = *game->getAudio();
    const int titleStops = audio.timesStopped(audioNS::TITLE_MUSIC);
    go("COMPLETE");
    EXPECT_EQ(audio.timesStopped(audioNS::TITLE_MUSIC), titleStops + 1);
    EXPECT_EQ(audio.timesPlayed(audioNS::VICTORY_MUSIC), 1);
    EXPECT_FALSE(game->gameOverShown);
    go("GAMEOVER");
    EXPECT_EQ(audio.timesPlayed(audioNS::VICTORY_MUSIC), 1) << "a game over leaves the music alone";
}

} // namespace
