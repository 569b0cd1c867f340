#pragma once
// The tables that make each of the ten levels what it is, one plan per level and
// the added rules of the kinds of level that have them.

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
