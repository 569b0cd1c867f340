#pragma once
// "LEVEL5": two shoppers walking back and forth.

#include "ShopperLevel.h"
#include "LevelPlans.h"

class Level5 : public ShopperLevel {
public:
    Level5(Graphics* graphics, Game* gameBase, Input* input, Audio* audio, Player* player, Grocerush* game)
        : ShopperLevel(levelsNS::level5, levelsNS::level5Shoppers, graphics, gameBase, input, audio, player, game)
    {
    }
};
