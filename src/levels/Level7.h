#pragma once
// "LEVEL7": eight kinds, three of them twice, a slow aisle and a pushchair.

#include "Level.h"
#include "LevelPlans.h"

class Level7 : public Level {
public:
    Level7(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : Level(levelsNS::level7, graphics, gameBase, input, audio, player, game)
    {
    }
};
