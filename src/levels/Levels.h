#pragma once
// The ten levels, "LEVEL1" to "LEVEL10": each is the level framework with its own
// tables, and the kind of level it is.

#include "Level.h"
#include "ShopperLevel.h"
#include "TallyLevel.h"
#include "WeighingLevel.h"

namespace levelsNS {
extern const LevelPlan level1, level2, level3, level4, level5, level6, level7, level8, level9, level10;
extern const WeighingPlan level3Weighing, level6Weighing;
extern const ShopperPlan level5Shoppers, level8Shoppers;
extern const TallyPlan level9Tally, level10Tally;
} // namespace levelsNS

#define GROCERUSH_LEVEL_ARGS Graphics *g, Game *gb, Input *in, Audio *a, Player *p, Grocerush *gm

// The first level of every game: six products, a wet-floor sign to drive round.
class Level1 : public Level {
public:
    Level1(GROCERUSH_LEVEL_ARGS) : Level(levelsNS::level1, g, gb, in, a, p, gm) {}
};

// Eight kinds (either milk carton ticks milk) and a puddle that slows the trolley.
class Level2 : public Level {
public:
    Level2(GROCERUSH_LEVEL_ARGS) : Level(levelsNS::level2, g, gb, in, a, p, gm) {}
};

// Produce to exactly 285 on the scales; no clock.
class Level3 : public WeighingLevel {
public:
    Level3(GROCERUSH_LEVEL_ARGS) : WeighingLevel(levelsNS::level3, levelsNS::level3Weighing, g, gb, in, a, p, gm) {}
};

// Five dearer products and a slow aisle.
class Level4 : public Level {
public:
    Level4(GROCERUSH_LEVEL_ARGS) : Level(levelsNS::level4, g, gb, in, a, p, gm) {}
};

// Two shoppers walking back and forth.
class Level5 : public ShopperLevel {
public:
    Level5(GROCERUSH_LEVEL_ARGS) : ShopperLevel(levelsNS::level5, levelsNS::level5Shoppers, g, gb, in, a, p, gm) {}
};

// Fresh food to exactly 300 on the scales; no clock.
class Level6 : public WeighingLevel {
public:
    Level6(GROCERUSH_LEVEL_ARGS) : WeighingLevel(levelsNS::level6, levelsNS::level6Weighing, g, gb, in, a, p, gm) {}
};

// Eight kinds, three of them twice, a slow aisle and a pushchair.
class Level7 : public Level {
public:
    Level7(GROCERUSH_LEVEL_ARGS) : Level(levelsNS::level7, g, gb, in, a, p, gm) {}
};

// Four shoppers, three of them walking loops.
class Level8 : public ShopperLevel {
public:
    Level8(GROCERUSH_LEVEL_ARGS) : ShopperLevel(levelsNS::level8, levelsNS::level8Shoppers, g, gb, in, a, p, gm) {}
};

// The fruit is wanted, the rest is not; a boost and an item drop.
class Level9 : public TallyLevel {
public:
    Level9(GROCERUSH_LEVEL_ARGS) : TallyLevel(levelsNS::level9, levelsNS::level9Tally, g, gb, in, a, p, gm) {}
};

// The treats are wanted; the last level before the complete screen.
class Level10 : public TallyLevel {
public:
    Level10(GROCERUSH_LEVEL_ARGS) : TallyLevel(levelsNS::level10, levelsNS::level10Tally, g, gb, in, a, p, gm) {}
};

#undef GROCERUSH_LEVEL_ARGS

// Level `number` (1 to 10), made with the shared objects of the game.
GameState* makeLevel(int number, Graphics* graphics, Game* game, Input* input, Audio* audio, Player* player,
                     Grocerush* grocerush);
