#pragma once
// The whole game with one level entered, and ways to move the trolley about.

#include "levels/Levels.h"
#include "support/WholeGame.h"

using levelsNS::SceneryGroup;

class Levels : public WholeGame {
protected:
    // Puts the trolley on a product (its centre on the product's centre).
    void onto(Entity& e) { placeTrolley(e.getCenterX(), e.getCenterY()); }
    void enterLevel(const char* name)
    {
        go(name);
        level = &state<Level>(name);
    }
    Player& trolley() { return *game->getPlayer(); }
    // Puts the trolley's centre at (x, y).
    void placeTrolley(float x, float y)
    {
        trolley().setX(x - 60);
        trolley().setY(y - 60);
    }
    void startClock()
    {
        seconds(2.1);
        session->press(VK_RIGHT);
        session->frame();
        ASSERT_TRUE(game->clockRunning);
    }
    Level* level = nullptr;
};

