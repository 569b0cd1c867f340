#pragma once
// "LEVEL3": produce to exactly 285 on the scales; no clock.

#include "WeighingLevel.h"
#include "LevelPlans.h"

class Level3 : public WeighingLevel {
public:
    Level3(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : WeighingLevel(levelsNS::level3, levelsNS::level3Weighing, graphics, gameBase, input, audio, player, game)
    {
    }
};
