#include "Levels.h"
#include "Level1.h"
#include "Level2.h"
#include "Level3.h"
#include "Level4.h"
#include "Level5.h"
#include "Level6.h"
#include "Level7.h"
#include "Level8.h"
#include "Level9.h"
#include "Level10.h"

GameState* makeLevel(int number, Graphics* g, Game* gb, Input* in, Audio* a, Player* p, Grocerush* gm)
{
    switch (number) {
    case 1: return new Level1(g, gb, in, a, p, gm);
    case 2: return new Level2(g, gb, in, a, p, gm);
    case 3: return new Level3(g, gb, in, a, p, gm);
    case 4: return new Level4(g, gb, in, a, p, gm);
    case 5: return new Level5(g, gb, in, a, p, gm);
    case 6: return new Level6(g, gb, in, a, p, gm);
    case 7: return new Level7(g, gb, in, a, p, gm);
    case 8: return new Level8(g, gb, in, a, p, gm);
    case 9: return new Level9(g, gb, in, a, p, gm);
    default: return new Level10(g, gb, in, a, p, gm);
    }
}
