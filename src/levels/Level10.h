#pragma once
// "LEVEL10": the treats are wanted; the last level before the complete screen.

#include "TallyLevel.h"
#include "LevelPlans.h"

class Level10 : public TallyLevel {
public:
    Level10(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : TallyLevel(levelsNS::level10, levelsNS::level10Tally, graphics, gameBase, input, audio, player, game)
    {
    }
};
