#pragma once
// "LEVEL6": fresh food to exactly 300 on the scales; no clock.

#include "WeighingLevel.h"
#include "LevelPlans.h"

class Level6 : public WeighingLevel {
public:
    Level6(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : WeighingLevel(levelsNS::level6, levelsNS::level6Weighing, graphics, gameBase, input, audio, player, game)
    {
    }
};
