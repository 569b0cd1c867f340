#pragma once
// Plays the real game from an input script: one command a line, "#" comments.
//   frametime S          every following frame advances the clock by S seconds
//   run N                run N frames
//   press KEY            down (with its character) before the next frame, up after it
//   hold KEY / release KEY / repeat KEY
//   type TEXT            one character message per character of TEXT
//   pad BUTTONS [LT RT]  controller 0 holds these buttons and triggers; "pad none" unplugs it
//   shot FILE            the last frame drawn, as a PNG
//   state                one line of JSON describing the game
//   quit                 stop
// KEY: LEFT RIGHT UP DOWN RETURN ESCAPE SPACE HOME PRIOR NEXT BACK MENU OEM_3, A-Z, 0-9,
// or a number such as 0xC0. BUTTONS: a hex number, or names joined by "|":
// UP DOWN LEFT RIGHT START BACK A B X Y RSHOULDER LSHOULDER.

#include <iosfwd>
#include <string>
#include <vector>

#include "Session.h"
#include "game/Grocerush.h"

namespace app {

struct ReplayCommand {
    enum Kind { FRAMETIME, RUN, PRESS, HOLD, RELEASE, REPEAT, TYPE, PAD, PAD_NONE, SHOT, STATE, QUIT } kind;
    int line = 0;
    double seconds = 0;
    long count = 0;
    UINT key = 0;
    WORD buttons = 0;
    BYTE leftTrigger = 0, rightTrigger = 0;
    std::string text;
};

class ReplayScript {
public:
    // False, with "line N: why" in `error`, when any line is malformed.
    static bool parse(const std::string& text, ReplayScript& script, std::string& error);

    // Runs the commands on a started session. Returns false if a command could not be
    // carried out (a shot that could not be written); the reason goes to `errors`.
    bool run(Session& session, Grocerush& game, std::ostream& out, std::ostream& errors) const;

    const std::vector<ReplayCommand>& commands() const { return list; }

    // The game as the "state" command prints it.
    static std::string describe(Session& session, Grocerush& game);

private:
    std::vector<ReplayCommand> list;
};

} // namespace app
