#pragma once
// The game: owns the trolley and the eighteen states (every screen and level),
// forwards the frame steps to the active ones, switches between them by name, and
// holds the data the levels share.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "GameState.h"
#include "HighScoreTable.h"
#include "actors/Player.h"
#include "engine/Game.h"
#include "engine/TextureManager.h"

namespace grocerushNS {
constexpr int PRODUCT_KINDS = 21;
constexpr int STATE_COUNT = 18;
} // namespace grocerushNS

class Grocerush;
// Makes the eighteen states in their order and hands each to addState as soon as it
// is made. The screens and levels live above the game class, so they come in this way.
using StateMaker = void (*)(Grocerush& game);

class Grocerush : public Game {
public:
    explicit Grocerush(StateMaker makeStates);
    ~Grocerush() override;

    void initialize(HWND window) override;
    void update() override;
    void ai() override {}
    void collisions() override;
    void render() override;
    void releaseAll() override;
    void resetAll() override;
    void consoleCommand() override;

    void changeState(std::string newStateName, std::string oldStateName);
    void addState(GameState* state) { states.emplace_back(state); }
    void submitHighScore(int score, std::string initials);
    void drawHighScores();

    Player* getPlayer() { return player.get(); }
    const std::vector<std::unique_ptr<GameState>>& getStates() const { return states; }
    GameState* findState(const std::string& name);
    const std::string& getPausedStateName() const { return pausedStateName; }
    const HighScoreTable& getHighScores() const { return highScoreTable; }

    // Shared by the screens and levels, read and written directly.
    int secondsLeft;
    float clockAccumulator;
    bool clockRunning;
    int collectedCount;
    std::array<bool, grocerushNS::PRODUCT_KINDS> productCollected;
    bool boostActive;
    bool gameOverShown;
    bool menuVisible;
    float instructionsScroll;
    bool onScales;
    bool weighed;
    bool binPromptHidden;
    int basketWeight;
    float scalesTimer;
    int listTally;

private:
    StateMaker makeStates;
    std::unique_ptr<Player> player;
    std::vector<std::unique_ptr<GameState>> states;
    std::string pausedStateName;
    HighScoreTable highScoreTable;
    std::unique_ptr<TextDX> scoreFont;
    std::unique_ptr<TextDX> highScoreFont;
    TextureManager trolleyTexture;
};
