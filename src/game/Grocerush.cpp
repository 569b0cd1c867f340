#include "Grocerush.h"

#include <cstdio>

Grocerush::Grocerush(StateMaker maker)
    : secondsLeft(60), clockAccumulator(0), clockRunning(false), collectedCount(0), productCollected{}, boostActive(false),
      gameOverShown(false), menuVisible(false), instructionsScroll(0), onScales(false), weighed(false),
      binPromptHidden(false), basketWeight(0), scalesTimer(0), listTally(0), makeStates(maker),
      scoreFont(std::make_unique<TextDX>()), highScoreFont(std::make_unique<TextDX>())
{
}

Grocerush::~Grocerush()
{
    releaseAll();
    player.reset();
    states.clear();
}

void Grocerush::initialize(HWND window)
{
    Game::initialize(window);
    player = std::make_unique<Player>();
    if (!trolleyTexture.initialize(graphics, playerNS::TEXTURE)) {
        throw GameError(gameErrorNS::FATAL_ERROR, "Error initializing trolley textures");
    }
    if (!player->initialize(this, playerNS::WIDTH, playerNS::HEIGHT, playerNS::TEXTURE_COLS, &trolleyTexture)) {
        throw GameError(gameErrorNS::FATAL_ERROR, "Error initializing ship");
    }
    player->setFrames(0, 0);
    player->setCurrentFrame(0);
    if (makeStates) makeStates(*this);
    if (!scoreFont->initialize(graphics, 30, false, false, "Stencil")) {
        throw GameError(gameErrorNS::FATAL_ERROR, "Error initializing dxscore");
    }
    if (!highScoreFont->initialize(graphics, 40, false, false, "Stencil")) {
        throw GameError(gameErrorNS::FATAL_ERROR, "Error initializing highscorefont");
    }
}

// Each state's flag is read as the walk reaches it: a state switched on by an
// earlier one in this frame takes its step in the same frame.
void Grocerush::update()
{
    for (auto& state : states) {
        if (state->getActive()) state->update(frameTime);
    }
}

void Grocerush::collisions()
{
    for (auto& state : states) {
        if (state->getActive()) state->collisions(frameTime);
    }
}

void Grocerush::render()
{
    for (auto& state : states) {
        if (state->getActive()) state->render();
    }
}

void Grocerush::changeState(std::string newStateName, std::string oldStateName)
{
    for (auto& state : states) {
        const std::string name = state->getName();
        if (name == newStateName) {
            state->setActive(true);
            if (oldStateName != "PAUSESCREEN") {
                state->enter();
                if (!state->getInitialized()) {
                    state->initialize();
                    state->setInitialized(true);
                }
            }
        }
        if (name == oldStateName) {
            state->setActive(false);
            state->leave();
        }
    }
    if (newStateName == "FRONTEND") {
        for (auto& state : states) {
            if (state->getName() != "FRONTEND") state->setActive(false);
        }
    }
    if (newStateName == "PAUSESCREEN") pausedStateName = oldStateName;
}

GameState* Grocerush::findState(const std::string& name)
{
    for (auto& state : states) {
        if (state->getName() == name) return state.get();
    }
    return nullptr;
}

void Grocerush::consoleCommand()
{
    command = console->getCommand();
    if (command.empty()) return;
    if (command == "help") {
        console->print("Console Commands:");
        console->print("fps - toggle display of frames per second");
        return;
    }
    if (command == "fps") {
        fpsOn = !fpsOn;
        console->print(fpsOn ? "fps On" : "fps Off");
    }
    if (GameState* named = findState(command)) {
        // Switch from the state the player is really in, wherever it stands in the
        // list, so that exactly one screen or level stays active.
        std::string current = "FRONTEND";
        for (auto& state : states) {
            if (state->getActive()) {
                current = state->getName();
                break;
            }
        }
        if (current == command) {
            // Asked for the state already showing: start it afresh rather than
            // switching it on and straight off again.
            named->leave();
            named->enter();
        } else {
            changeState(command, current);
        }
    }
    if (command == "100") player->addSpeed(100.0f);
}

void Grocerush::submitHighScore(int score, std::string initials) { highScoreTable.submit(score, initials); }

void Grocerush::drawHighScores()
{
    highScoreTable.refresh();
    highScoreFont->setFontColor(graphicsNS::BLACK);
    const auto& scores = highScoreTable.scores();
    const auto& names = highScoreTable.names();
    char buffer[20];
    for (int row = 0; row < highScoreNS::ROWS; ++row) {
        std::snprintf(buffer, sizeof buffer, " %d ", scores[static_cast<size_t>(row)]);
        highScoreFont->print(buffer, 530, 280 + 30 * row);
    }
    for (int row = 0; row < highScoreNS::ROWS; ++row) highScoreFont->print(names[static_cast<size_t>(row)], 440, 280 + 30 * row);
}

void Grocerush::releaseAll()
{
    trolleyTexture.onLostDevice();
    for (auto& state : states) state->releaseAll();
    scoreFont->onLostDevice();
    highScoreFont->onLostDevice();
    Game::releaseAll();
}

void Grocerush::resetAll()
{
    trolleyTexture.onResetDevice();
    for (auto& state : states) state->resetAll();
    scoreFont->onResetDevice();
    highScoreFont->onResetDevice();
    Game::resetAll();
}
