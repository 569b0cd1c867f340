#pragma once
// The developer console: a translucent panel with a history of lines, newest at the
// bottom, that scrolls, and a prompt for typed commands. While it is open the game
// is paused.

#include <deque>
#include <memory>
#include <string>

#include "Graphics.h"
#include "Input.h"
#include "TextDX.h"

namespace consoleNS {
constexpr UINT WIDTH = 600;
constexpr UINT HEIGHT = 500;
constexpr UINT X = 5;
constexpr UINT Y = 5;
constexpr UINT MARGIN = 4;
constexpr const char* FONT = "Courier New";
constexpr int FONT_HEIGHT = 14;
constexpr COLOR_ARGB FONT_COLOR = graphicsNS::WHITE;
constexpr COLOR_ARGB BACK_COLOR = D3DCOLOR_ARGB(192, 128, 128, 128);
constexpr COLOR_ARGB CORNER_COLOR = D3DCOLOR_ARGB(64, 0, 255, 255);
constexpr int MAX_LINES = 256;
constexpr std::size_t MAX_COMMAND_LENGTH = 255;
constexpr UINT CONSOLE_KEY = 0xC0; // the key left of 1
} // namespace consoleNS

class Console {
public:
    Console();
    virtual ~Console();
    bool initialize(Graphics* graphics, Input* input);
    void draw();
    void showHide();
    bool getVisible() const { return visible; }
    void show() { visible = true; }
    void hide() { visible = false; }
    void print(const std::string& line);
    // The command typed at the prompt once Enter has been pressed, else empty.
    std::string getCommand();
    // Characters typed while the console is open build its own command line.
    void keyIn(WPARAM character);
    void onLostDevice();
    void onResetDevice();

    const std::deque<std::string>& lines() const { return text; }
    const std::string& commandLine() const { return line; }
    int getScrollAmount() const { return scrollAmount; }
    int getRows() const { return rows; }

private:
    Graphics* graphics;
    Input* input;
    TextDX dxFont;
    float x, y;
    int rows;
    std::string commandStr;
    std::string inputStr;
    std::deque<std::string> text;
    RECT textRect;
    COLOR_ARGB fontColor;
    COLOR_ARGB backColor;
    VertexC vtx[4];
    std::unique_ptr<IDirect3DVertexBuffer9> vertexBuffer;
    int scrollAmount;
    bool initialized;
    bool visible;
    std::string line;
    bool lineSubmitted;
};
