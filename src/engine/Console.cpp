#include "Console.h"

#include "platform/Messages.h"

Console::Console()
    : graphics(nullptr), input(nullptr), x(consoleNS::X), y(consoleNS::Y), rows(0),
      textRect{static_cast<LONG>(consoleNS::X + consoleNS::MARGIN), static_cast<LONG>(consoleNS::Y + consoleNS::MARGIN),
               static_cast<LONG>(consoleNS::X + consoleNS::WIDTH - consoleNS::MARGIN),
               static_cast<LONG>(consoleNS::Y + consoleNS::HEIGHT - consoleNS::MARGIN)},
      fontColor(consoleNS::FONT_COLOR), backColor(consoleNS::BACK_COLOR), vtx{}, scrollAmount(0), initialized(false),
      visible(false), lineSubmitted(false)
{
}

Console::~Console() { onLostDevice(); }

bool Console::initialize(Graphics* g, Input* in)
{
    try {
        graphics = g;
        input = in;
        const float w = static_cast<float>(consoleNS::WIDTH), h = static_cast<float>(consoleNS::HEIGHT);
        vtx[0] = VertexC{x, y, 0.0f, 1.0f, consoleNS::CORNER_COLOR};
        vtx[1] = VertexC{x + w, y, 0.0f, 1.0f, backColor};
        vtx[2] = VertexC{x + w, y + h, 0.0f, 1.0f, backColor};
        vtx[3] = VertexC{x, y + h, 0.0f, 1.0f, backColor};
        graphics->createVertexBuffer(vtx, sizeof vtx, vertexBuffer);
        if (!dxFont.initialize(graphics, consoleNS::FONT_HEIGHT, false, false, consoleNS::FONT)) return false;
        dxFont.setFontColor(fontColor);
    } catch (...) {
        return false;
    }
    initialized = true;
    return true;
}

void Console::draw()
{
    if (!visible || !graphics || !initialized) return;
    graphics->drawQuad(vertexBuffer.get());
    if (text.empty()) return;
    graphics->spriteBegin();
    textRect.left = 0;
    textRect.top = 0;
    dxFont.printInRect("|", textRect, DT_CALCRECT);
    int rowHeight = textRect.bottom + 2;
    if (rowHeight <= 0) rowHeight = 20;
    rows = static_cast<int>((consoleNS::HEIGHT - 2 * consoleNS::MARGIN) / static_cast<unsigned>(rowHeight)) - 2;
    if (rows <= 0) rows = 5;
    textRect.left = static_cast<LONG>(x + consoleNS::MARGIN);
    textRect.right = textRect.right + static_cast<LONG>(consoleNS::WIDTH - consoleNS::MARGIN);
    textRect.bottom = static_cast<LONG>(y + consoleNS::HEIGHT - 2 * consoleNS::MARGIN - 2 * rowHeight);
    for (int r = scrollAmount; r < rows + scrollAmount && r < static_cast<int>(text.size()); ++r) {
        textRect.top = textRect.bottom - rowHeight;
        dxFont.printInRect(text[static_cast<std::size_t>(r)], textRect, DT_LEFT);
        textRect.bottom -= rowHeight;
    }
    textRect.bottom = static_cast<LONG>(y + consoleNS::HEIGHT - consoleNS::MARGIN);
    textRect.top = textRect.bottom - rowHeight;
    dxFont.printInRect(">" + line, textRect, DT_LEFT);
    graphics->spriteEnd();
}

void Console::showHide()
{
    if (!initialized) return;
    visible = !visible;
    input->clearKeysPressed();
    input->clearTextIn();
}

void Console::print(const std::string& str)
{
    if (!initialized) return;
    text.push_front(str);
    if (text.size() > static_cast<std::size_t>(consoleNS::MAX_LINES)) text.pop_back();
}

void Console::keyIn(WPARAM character)
{
    if (character == '\r') {
        lineSubmitted = true;
    } else if (character == '\b') {
        if (!line.empty()) line.pop_back();
    } else if (character == '`') {
        // The console key's own character: opening or closing the console types nothing.
    } else if (character >= 32 && character < 256 && line.size() < consoleNS::MAX_COMMAND_LENGTH) {
        line += static_cast<char>(character);
    }
}

std::string Console::getCommand()
{
    if (!initialized || !visible) return "";
    if (input->wasKeyPressed(consoleNS::CONSOLE_KEY)) visible = false;
    if (input->wasKeyPressed(VK_ESCAPE)) return "";

    if (input->wasKeyPressed(VK_UP)) ++scrollAmount;
    else if (input->wasKeyPressed(VK_DOWN)) --scrollAmount;
    else if (input->wasKeyPressed(VK_PRIOR)) scrollAmount += rows;
    else if (input->wasKeyPressed(VK_NEXT)) scrollAmount -= rows;
    if (scrollAmount < 0) scrollAmount = 0;
    if (scrollAmount > consoleNS::MAX_LINES - 1) scrollAmount = consoleNS::MAX_LINES - 1;
    if (scrollAmount > static_cast<int>(text.size()) - 1) scrollAmount = static_cast<int>(text.size()) - 1;
    if (scrollAmount < 0) scrollAmount = 0;

    commandStr = line;
    input->clearKeysPressed();
    input->clearMouse();

    if (!lineSubmitted) return "";
    lineSubmitted = false;
    if (commandStr.empty()) return "";
    line.clear();
    input->clearTextIn();
    inputStr = commandStr;
    return commandStr;
}

void Console::onLostDevice()
{
    if (!initialized) return;
    dxFont.onLostDevice();
    vertexBuffer.reset();
}

void Console::onResetDevice()
{
    if (!initialized) return;
    graphics->createVertexBuffer(vtx, sizeof vtx, vertexBuffer);
    dxFont.onResetDevice();
}
