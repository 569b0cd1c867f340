#pragma once
// Pieces of table that many levels share.

#include "LevelPlan.h"

namespace levelsNS {

// The collision boxes of scenery standing upright and of scenery turned across.
inline constexpr RECT UPRIGHT{-8, -58, 8, 58};
inline constexpr RECT ACROSS{-58, -8, 58, 8};

// Most levels bounce off the groups in one order and draw them in another.
inline constexpr SceneryGroup usualCollisionOrder[] = {FREEZERS, VEG_COUNTERS, FISH_COUNTERS, SHELVES};
inline constexpr SceneryGroup usualRenderOrder[] = {FREEZERS, SHELVES, VEG_COUNTERS, FISH_COUNTERS};

} // namespace levelsNS
