#pragma once
// "LEVEL4": five dearer products and a slow aisle.

#include "Level.h"
#include "LevelPlans.h"

class Level4 : public Level {
public:
    Level4(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : Level(levelsNS::level4, graphics, gameBase, input, audio, player, game)
    {
    }
};
