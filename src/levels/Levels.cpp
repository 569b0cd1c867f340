#include "Levels.h"

#include <string>

#include "platform/Messages.h"

namespace {

// A level that is not built yet: its state exists, under its name, so that the
// game's road through the levels stays whole; Escape goes back to the title menu.
class UnbuiltLevel : public GameState {
public:
    UnbuiltLevel(int number, Input* in, Grocerush* gm) : input(in), game(gm) { name = "LEVEL" + std::to_string(number); }
    void update(float) override
    {
        if (input->wasKeyPressed(VK_ESCAPE) || input->wasKeyPressed(VK_RETURN)) game->changeState("FRONTEND", name);
    }

private:
    Input* input;
    Grocerush* game;
};

} // namespace

GameState* makeLevel(int number, Graphics* g, Game* gb, Input* in, Audio* a, Player* p, Grocerush* gm)
{
    switch (number) {
    case 1: return new Level1(g, gb, in, a, p, gm);
    case 2: return new Level2(g, gb, in, a, p, gm);
    default: return new UnbuiltLevel(number, in, gm);
    }
}
