#pragma once
// Drives the real game frame by frame on the virtual clock, with input that comes
// from a script instead of the keyboard and the controllers. A frame is exactly what
// the program's pump does when no message is waiting: one call of `run`. The replay
// runner and the end-to-end tests are built on this.

#include <string>

#include "engine/Game.h"

namespace app {

class Session {
public:
    // Takes ownership of the game. Switches to the virtual clock and scripted controllers.
    explicit Session(Game* game);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Creates the window and initialises the game; throws GameError on failure.
    void start();

    // Every following frame advances the clock by this much before it runs.
    void setFrameTime(double seconds) { frameTime = seconds; }
    double getFrameTime() const { return frameTime; }
    // Runs one frame: advance the clock, deliver every waiting message, then `run`.
    // Returns false (and runs nothing) once the game has posted its quit message.
    bool frame();
    bool frames(int count);

    // Input, delivered before the next frame as the window system would deliver it.
    void keyDown(UINT key);
    void keyUp(UINT key);
    // Down, with the character it types, before the next frame; up after it.
    void press(UINT key);
    void typeText(const std::string& text);
    void pad(WORD buttons, BYTE leftTrigger = 0, BYTE rightTrigger = 0);
    void padNone();
    void post(UINT message, WPARAM wParam, LPARAM lParam);

    Game& game() { return *theGame; }
    HWND window() const { return theWindow; }
    bool quit() const { return quitSeen; }
    int exitCode() const { return code; }
    long long framesRun() const { return frameCount; }

    // The character a key types when pressed on its own (0 for none).
    static WPARAM characterOf(UINT key);

private:
    void deliverMessages();

    Game* theGame;
    HWND theWindow = nullptr;
    double frameTime = 0.02;
    bool quitSeen = false;
    int code = 0;
    long long frameCount = 0;
    bool padConnected = false;
    UINT pendingRelease[16] = {};
    int pendingReleases = 0;
};

} // namespace app
