// aislerun-replay: plays the real game from an input script, frame by frame on a
// virtual clock, with screenshots and a description of the game on request.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>

#include "Replay.h"
#include "MainWindow.h"
#include "States.h"
#include "platform/Direct3D.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: aislerun-replay SCRIPT   (SCRIPT may be - for standard input)\n";
        return 2;
    }
    const std::string file = argv[1];
    std::string text;
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << file << "\n";
            return 2;
        }
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    app::ReplayScript script;
    std::string error;
    if (!app::ReplayScript::parse(text, script, error)) {
        std::cerr << file << ": " << error << "\n";
        return 2;
    }

    // The same drawing and no sound device on every machine, display or not.
    // The dummy driver makes windows without a display and starts only the software
    // renderer, so the pictures never depend on a machine's graphics driver.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    int exitCode = 0;
    {
        auto* game = new Grocerush(app::makeAllStates);
        app::Session session(game);
        try {
            session.start();
            platform::captureFrames(*game->getGraphics()->getDevice(), true);
            if (!script.run(session, *game, std::cout, std::cerr)) exitCode = 1;
            if (session.quit()) exitCode = session.exitCode();
        } catch (const GameError& e) {
            MessageBox(nullptr, e.getMessage().c_str(), "Error", MB_OK);
            exitCode = app::EXIT_GAME_ERROR;
        }
    }
    platform::shutDown();
    return exitCode;
}
