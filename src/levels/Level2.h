#pragma once
// "LEVEL2": eight kinds (either milk carton ticks milk) and a puddle that slows the trolley.

#include "Level.h"
#include "LevelPlans.h"

class Level2 : public Level {
public:
    Level2(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : Level(levelsNS::level2, graphics, gameBase, input, audio, player, game)
    {
    }
};
