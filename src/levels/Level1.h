#pragma once
// "LEVEL1": the first level of every game: six products, a wet-floor sign to drive round.

#include "Level.h"
#include "LevelPlans.h"

class Level1 : public Level {
public:
    Level1(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : Level(levelsNS::level1, graphics, gameBase, input, audio, player, game)
    {
    }
};
