#pragma once
// "LEVEL8": four shoppers, three of them walking loops.

#include "ShopperLevel.h"
#include "LevelPlans.h"

class Level8 : public ShopperLevel {
public:
    Level8(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : ShopperLevel(levelsNS::level8, levelsNS::level8Shoppers, graphics, gameBase, input, audio, player, game)
    {
    }
};
