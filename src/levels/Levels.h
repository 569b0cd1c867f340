#pragma once
// The ten levels, "LEVEL1" to "LEVEL10".

#include "Level.h"

namespace levelsNS {
extern const LevelSpec level1;
extern const LevelSpec level2;
} // namespace levelsNS

// The first level of every game: six products, a wet-floor sign to drive round.
class Level1 : public Level {
public:
    Level1(Graphics* g, Game* gb, Input* in, Audio* a, Player* p, Grocerush* gm) : Level(levelsNS::level1, g, gb, in, a, p, gm) {}
};

// Eight kinds (either milk carton ticks milk) and a puddle that slows the trolley.
class Level2 : public Level {
public:
    Level2(Graphics* g, Game* gb, Input* in, Audio* a, Player* p, Grocerush* gm) : Level(levelsNS::level2, g, gb, in, a, p, gm) {}
};

// Level `number` (1 to 10), made with the shared objects of the game.
GameState* makeLevel(int number, Graphics* graphics, Game* game, Input* input, Audio* audio, Player* player,
                     Grocerush* grocerush);
