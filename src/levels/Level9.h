#pragma once
// "LEVEL9": the fruit is wanted, the rest is not; a boost and an item drop.

#include "TallyLevel.h"
#include "LevelPlans.h"

class Level9 : public TallyLevel {
public:
    Level9(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : TallyLevel(levelsNS::level9, levelsNS::level9Tally, graphics, gameBase, input, audio, player, game)
    {
    }
};
