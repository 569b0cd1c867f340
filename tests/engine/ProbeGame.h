#pragma once
// A game whose four steps only count and record, to watch the engine's frame loop.

#include <vector>

#include "engine/Game.h"

class ProbeGame : public Game {
public:
    void update() override
    {
        ++updates;
        stepTimes.push_back(frameTime);
    }
    void ai() override { ++ais; }
    void collisions() override { ++collisionSteps; }
    void render() override { ++renders; }
    // Takes the console's commands, as a game does, without acting on them.
    void consoleCommand() override { command = console->getCommand(); }

    int updates = 0;
    int ais = 0;
    int collisionSteps = 0;
    int renders = 0;
    std::vector<float> stepTimes;
};
