#include "States.h"

#include "levels/Levels.h"
#include "screens/CompleteScreen.h"
#include "screens/CreditScreen.h"
#include "screens/FrontEnd.h"
#include "screens/GameOverScreen.h"
#include "screens/HighScoreScreen.h"
#include "screens/InstructionsScreen.h"
#include "screens/LogoScreen.h"
#include "screens/SubLogoScreen.h"

namespace app {

void makeAllStates(Grocerush& game)
{
    Graphics* g = game.getGraphics();
    Input* in = game.getInput();
    Audio* a = game.getAudio();
    Player* p = game.getPlayer();
    game.addState(new FrontEnd(g, in, a, &game));
    game.addState(new LogoScreen(g, in, a, &game));
    game.addState(new SubLogoScreen(g, in, a, &game));
    game.addState(new CreditScreen(g, in, a, &game));
    game.addState(new InstructionsScreen(g, in, a, &game));
    game.addState(new GameOverScreen(g, in, a, p, &game));
    game.addState(new CompleteScreen(g, in, a, p, &game));
    game.addState(new HighScoreScreen(g, in, a, &game));
    for (int level = 1; level <= levelsNS::LEVEL_COUNT; ++level) game.addState(makeLevel(level, g, &game, in, a, p, &game));
}

} // namespace app
