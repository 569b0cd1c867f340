#pragma once
// The eighteen screens and levels of the game, in their order.

#include "game/Grocerush.h"

namespace app {
void makeAllStates(Grocerush& game);
}
