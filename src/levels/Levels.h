#pragma once
// The ten levels, "LEVEL1" to "LEVEL10": each is the level framework with its own
// tables, and the kind of level it is.

#include "Level.h"

// Level `number` (1 to 10), made with the shared objects of the game.
GameState* makeLevel(int number, Graphics* graphics, Game* game, Input* input, Audio* audio, Player* player,
                     Grocerush* grocerush);
