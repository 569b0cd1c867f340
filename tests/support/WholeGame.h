#pragma once
// The whole game, run frame by frame on the virtual clock in a folder of its own.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/Session.h"
#include "app/States.h"
#include "game/Grocerush.h"
#include "platform/Messages.h"
#include "platform/XInput.h"
#include "support/TestSupport.h"

class WholeGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = new Grocerush(app::makeAllStates);
        session = std::make_unique<app::Session>(game);
        session->start();
    }

    std::vector<std::string> active()
    {
        std::vector<std::string> names;
        for (const auto& state : game->getStates()) {
            if (state->getActive()) names.push_back(state->getName());
        }
        return names;
    }
    bool showing(const std::string& name) { return active() == std::vector<std::string>{name}; }
    // Runs whole frames for about this many seconds of game time.
    void seconds(double s) { session->frames(static_cast<int>(std::lround(s / session->getFrameTime()))); }
    template <typename T>
    T& state(const char* name)
    {
        return dynamic_cast<T&>(*game->findState(name));
    }
    // Controllers are read at the end of a frame, so a change shows from the second frame on.
    void padFrames(WORD buttons, int frames = 2)
    {
        session->pad(buttons);
        session->frames(frames);
    }
    void go(const char* name) { game->changeState(name, active().empty() ? "" : active().front()); }

    testing_support::GameFolder folder;
    Grocerush* game = nullptr;
    std::unique_ptr<app::Session> session;
};
