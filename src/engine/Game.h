#pragma once
// The engine's base class for a game: owns every engine service, turns window
// messages into input state, runs one frame per call (measure, limit, update, AI,
// collisions, render, engine keys) and recovers from a lost device. The concrete
// game supplies the four game steps.

#include <string>

#include "Audio.h"
#include "Console.h"
#include "GameError.h"
#include "Graphics.h"
#include "Input.h"
#include "InputDialogue.h"
#include "MessageDialogue.h"
#include "TextDX.h"
#include "platform/Window.h"

namespace gameNS {
constexpr int GAME_WIDTH = 1024;
constexpr int GAME_HEIGHT = 768;
constexpr bool FULLSCREEN = false;
constexpr float MIN_FRAME_TIME = 0.005f; // at most 200 frames a second
constexpr float MAX_FRAME_TIME = 0.1f;   // longer frames are clamped for the game steps
constexpr const char* CLASS_NAME = "Grocerush";
constexpr const char* GAME_TITLE = "Grocerush";
constexpr UINT CONSOLE_KEY = 0xC0;
constexpr const char* FONT = "Courier New";
constexpr int POINT_SIZE = 14;
constexpr COLOR_ARGB FONT_COLOR = graphicsNS::WHITE;
} // namespace gameNS

class Game {
public:
    Game();
    virtual ~Game();

    LRESULT messageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void initialize(HWND window);
    virtual void run(HWND window);
    virtual void releaseAll();
    virtual void resetAll();
    virtual void deleteAll();
    virtual void consoleCommand() {}
    virtual void renderGame();
    virtual void handleLostGraphicsDevice();
    virtual void update() = 0;
    virtual void ai() = 0;
    virtual void collisions() = 0;
    virtual void render() = 0;

    // Releases device resources, changes the display mode and restores them, but only
    // when the mode really changes (a request for the mode in use does nothing).
    void setDisplayMode(graphicsNS::DISPLAY_MODE mode = graphicsNS::TOGGLE);

    Graphics* getGraphics() { return graphics; }
    Input* getInput() { return input; }
    Audio* getAudio() { return audio; }
    Console* getConsole() { return console; }
    MessageDialogue* getMessageDialogue() { return messageDialogue; }
    InputDialogue* getInputDialogue() { return inputDialogue; }
    float getFrameTime() const { return frameTime; }
    float getFps() const { return fps; }
    bool getFpsOn() const { return fpsOn; }
    bool getPaused() const { return paused; }
    bool getInitialized() const { return initialized; }
    DWORD getSleepTime() const { return sleepTime; }
    const std::string& getCommand() const { return command; }
    void exitGame() { PostQuitMessage(0); }

protected:
    Graphics* graphics;
    Input* input;
    Audio* audio;
    Console* console;
    MessageDialogue* messageDialogue;
    InputDialogue* inputDialogue;
    HWND window;
    HRESULT result;
    LONGLONG timeStart;
    LONGLONG timeEnd;
    LONGLONG timerFrequency;
    float frameTime;
    float fps;
    TextDX dxFont;
    bool fpsOn;
    DWORD sleepTime;
    bool paused;
    bool initialized;
    std::string command;
};
