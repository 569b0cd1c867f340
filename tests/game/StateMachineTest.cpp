#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Session.h"
#include "game/Grocerush.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

namespace {

// Records every call the game class makes on a state, in order, for all states.
std::vector<std::string> calls;

class ProbeState : public GameState {
public:
    explicit ProbeState(std::string stateName, std::string switchTo = "")
        : next(std::move(switchTo))
    {
        name = std::move(stateName);
    }
    void initialize() override { calls.push_back(name + ".initialize"); }
    void enter() override { calls.push_back(name + ".enter"); }
    void leave() override { calls.push_back(name + ".leave"); }
    void update(float) override
    {
        calls.push_back(name + ".update");
        if (!next.empty()) {
            std::string target = next;
            next.clear();
            game->changeState(target, name);
        }
    }
    void collisions(float) override { calls.push_back(name + ".collisions"); }
    void render() override { calls.push_back(name + ".render"); }

    std::string next;
    Grocerush* game = nullptr;
};

const char* const stateNames[] = {"FRONTEND", "LOGO", "SUBLOGO", "CREDITS", "INSTRUCTIONS", "GAMEOVER", "COMPLETE",
                                  "HIGHSCORE", "LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "LEVEL5", "LEVEL6", "LEVEL7",
                                  "LEVEL8", "LEVEL9", "LEVEL10"};

void makeProbes(Grocerush& game)
{
    for (const char* stateName : stateNames) {
        auto* state = new ProbeState(stateName);
        state->game = &game;
        if (std::string(stateName) == "SUBLOGO") state->setActive(true);
        game.addState(state);
    }
}

class StateMachine : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        game = new Grocerush(makeProbes);
        session = std::make_unique<app::Session>(game);
        session->start();
        calls.clear();
    }

    std::vector<std::string> active()
    {
        std::vector<std::string> names;
        for (const auto& state : game->getStates()) {
            if (state->getActive()) names.push_back(state->getName());
        }
        return names;
    }
    ProbeState& probe(const char* stateName) { return static_cast<ProbeState&>(*game->findState(stateName)); }

    // Types a console command as a player would: open, type, Enter, close.
    void consoleCommand(const std::string& text)
    {
        session->press(VK_OEM_3);
        session->frame();
        session->typeText(text);
        session->press(VK_RETURN);
        session->frame();
        session->press(VK_OEM_3);
        session->frame();
    }

    Grocerush* game = nullptr;
    std::unique_ptr<app::Session> session;
};

TEST_F(StateMachine, FirstVisitEntersThenInitialisesAndLaterVisitsOnlyEnter)
{
    game->changeState("LEVEL1", "SUBLOGO");
    EXPECT_EQ(calls, (std::vector<std::string>{"SUBLOGO.leave", "LEVEL1.enter", "LEVEL1.initialize"}));
    EXPECT_EQ(active(), std::vector<std::string>{"LEVEL1"});
    calls.clear();
    game->changeState("LEVEL2", "LEVEL1");
    game->changeState("LEVEL1", "LEVEL2");
    EXPECT_EQ(calls, (std::vector<std::string>{"LEVEL1.leave", "LEVEL2.enter", "LEVEL2.initialize", "LEVEL1.enter",
                                               "LEVEL2.leave"}));
}

TEST_F(StateMachine, APauseScreenSwitchRemembersTheLevelAndReturningSkipsEnter)
{
    game->changeState("LEVEL3", "SUBLOGO");
    calls.clear();
    game->changeState("PAUSESCREEN", "LEVEL3");
    EXPECT_EQ(game->getPausedStateName(), "LEVEL3");
    EXPECT_TRUE(active().empty()) << "no state is called PAUSESCREEN";
    game->changeState("LEVEL3", "PAUSESCREEN");
    EXPECT_EQ(calls, (std::vector<std::string>{"LEVEL3.leave"}));
    EXPECT_EQ(active(), std::vector<std::string>{"LEVEL3"});
}

TEST_F(StateMachine, SwitchingToTheTitleMenuSwitchesEveryOtherStateOffWithoutLeaving)
{
    game->findState("LEVEL5")->setActive(true);
    game->findState("CREDITS")->setActive(true);
    game->changeState("FRONTEND", "SUBLOGO");
    EXPECT_EQ(active(), std::vector<std::string>{"FRONTEND"});
    EXPECT_EQ(calls, (std::vector<std::string>{"FRONTEND.enter", "FRONTEND.initialize", "SUBLOGO.leave"}));
}

TEST_F(StateMachine, AnUnknownNameSwitchesOffTheOldStateAndNothingOn)
{
    game->changeState("NOWHERE", "SUBLOGO");
    EXPECT_TRUE(active().empty());
    EXPECT_EQ(calls, std::vector<std::string>{"SUBLOGO.leave"});
}

TEST_F(StateMachine, OnlyTheFirstStateIsActiveAtStartAndRunsTheFirstFrame)
{
    EXPECT_EQ(active(), std::vector<std::string>{"SUBLOGO"});
    for (const auto& state : game->getStates()) EXPECT_FALSE(state->getName() != "SUBLOGO" && state->getInitialized());
    session->frame();
    EXPECT_EQ(calls, (std::vector<std::string>{"SUBLOGO.update", "SUBLOGO.collisions", "SUBLOGO.render"}));
}

TEST_F(StateMachine, ALaterStateSwitchedOnDuringTheWalkRunsInTheSameFrameAnEarlierOneFromTheNext)
{
    game->changeState("LEVEL1", "SUBLOGO");
    probe("LEVEL1").next = "LEVEL2";
    calls.clear();
    session->frame();
    EXPECT_EQ(calls, (std::vector<std::string>{"LEVEL1.update", "LEVEL1.leave", "LEVEL2.enter", "LEVEL2.initialize",
                                               "LEVEL2.update", "LEVEL2.collisions", "LEVEL2.render"}));

    probe("LEVEL2").next = "GAMEOVER"; // earlier in the list
    calls.clear();
    session->frame();
    EXPECT_EQ(calls, (std::vector<std::string>{"LEVEL2.update", "GAMEOVER.enter", "GAMEOVER.initialize", "LEVEL2.leave",
                                               "GAMEOVER.collisions", "GAMEOVER.render"}));
}

TEST_F(StateMachine, AConsoleStateNameSwitchesFromTheStateThePlayerIsIn)
{
    game->changeState("LEVEL3", "SUBLOGO");
    consoleCommand("LEVEL1");
    EXPECT_EQ(active(), std::vector<std::string>{"LEVEL1"});
    calls.clear();
    consoleCommand("LEVEL1"); // the level already showing: it starts afresh
    EXPECT_EQ(active(), std::vector<std::string>{"LEVEL1"});
    const auto leave = std::find(calls.begin(), calls.end(), "LEVEL1.leave");
    ASSERT_NE(leave, calls.end());
    EXPECT_EQ(*(leave + 1), "LEVEL1.enter");
}

TEST_F(StateMachine, ConsoleCommandsHelpFpsAndSpeed)
{
    const auto& lines = game->getConsole()->lines();
    consoleCommand("help");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "fps - toggle display of frames per second");
    EXPECT_EQ(lines[1], "Console Commands:");
    EXPECT_FALSE(game->getFpsOn());

    consoleCommand("fps");
    EXPECT_EQ(lines[0], "fps On");
    EXPECT_TRUE(game->getFpsOn());
    consoleCommand("fps");
    EXPECT_EQ(lines[0], "fps Off");
    EXPECT_FALSE(game->getFpsOn());

    const float speed = game->getPlayer()->speed;
    for (int i = 0; i < 3; ++i) consoleCommand("100");
    EXPECT_FLOAT_EQ(game->getPlayer()->speed, speed + 300);
}

} // namespace
