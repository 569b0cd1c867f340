#include "MessageDialogue.h"

#include "InputDialogue.h"

#include "platform/Messages.h"

MessageDialogue::MessageDialogue()
    : graphics(nullptr), input(nullptr), x(messageDialogueNS::X), y(messageDialogueNS::Y), height(messageDialogueNS::HEIGHT),
      width(messageDialogueNS::WIDTH),
      textRect{static_cast<LONG>(messageDialogueNS::X + messageDialogueNS::MARGIN),
               static_cast<LONG>(messageDialogueNS::Y + messageDialogueNS::MARGIN),
               static_cast<LONG>(messageDialogueNS::X + messageDialogueNS::WIDTH - messageDialogueNS::MARGIN),
               static_cast<LONG>(messageDialogueNS::Y + messageDialogueNS::HEIGHT - messageDialogueNS::MARGIN)},
      fontColor(messageDialogueNS::FONT_COLOR), borderColor(messageDialogueNS::BORDER_COLOR),
      backColor(messageDialogueNS::BACK_COLOR), vtx{}, initialized(false), visible(false), window(nullptr)
{
}

MessageDialogue::~MessageDialogue() { onLostDevice(); }

bool MessageDialogue::initialize(Graphics* g, Input* in, HWND w)
{
    try {
        graphics = g;
        input = in;
        window = w;
        if (!dxFont.initialize(graphics, messageDialogueNS::FONT_HEIGHT, false, false, messageDialogueNS::FONT)) return false;
        dxFont.setFontColor(fontColor);
    } catch (...) {
        return false;
    }
    initialized = true;
    return true;
}

void MessageDialogue::prepareVerts()
{
    dialogVerts.reset();
    borderVerts.reset();
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    const float b = static_cast<float>(messageDialogueNS::BORDER);
    vtx[0] = VertexC{x, y, 0.0f, 1.0f, borderColor};
    vtx[1] = VertexC{x + w, y, 0.0f, 1.0f, borderColor};
    vtx[2] = VertexC{x + w, y + h, 0.0f, 1.0f, borderColor};
    vtx[3] = VertexC{x, y + h, 0.0f, 1.0f, borderColor};
    graphics->createVertexBuffer(vtx, sizeof vtx, borderVerts);
    vtx[0] = VertexC{x + b, y + b, 0.0f, 1.0f, backColor};
    vtx[1] = VertexC{x + w - b, y + b, 0.0f, 1.0f, backColor};
    vtx[2] = VertexC{x + w - b, y + h - b, 0.0f, 1.0f, backColor};
    vtx[3] = VertexC{x + b, y + h - b, 0.0f, 1.0f, backColor};
    graphics->createVertexBuffer(vtx, sizeof vtx, dialogVerts);
}

void MessageDialogue::draw()
{
    if (!visible || !graphics || !initialized) return;
    graphics->drawQuad(borderVerts.get());
    graphics->drawQuad(dialogVerts.get());
    graphics->spriteBegin();
    if (!text.empty()) {
        dxFont.setFontColor(fontColor);
        dxFont.printInRect(text, textRect, DT_CENTER | DT_WORDBREAK);
    }
    graphics->spriteEnd();
}

void MessageDialogue::update()
{
    if (!initialized || !visible) return;
    if (input->wasKeyPressed(VK_HOME)) visible = false;
}

void MessageDialogue::print(const std::string& message)
{
    if (!initialized || visible) return;
    text = message;
    textRect.left = static_cast<LONG>(x + messageDialogueNS::MARGIN);
    textRect.right = static_cast<LONG>(x + width - messageDialogueNS::MARGIN);
    textRect.top = static_cast<LONG>(y + messageDialogueNS::MARGIN);
    textRect.bottom = static_cast<LONG>(y + height - messageDialogueNS::MARGIN);
    dxFont.printInRect(text, textRect, DT_CALCRECT | DT_CENTER | DT_WORDBREAK);
    prepareVerts();
    visible = true;
}

void MessageDialogue::onLostDevice()
{
    if (!initialized) return;
    dxFont.onLostDevice();
    dialogVerts.reset();
    borderVerts.reset();
}

void MessageDialogue::onResetDevice()
{
    if (!initialized) return;
    prepareVerts();
    dxFont.onResetDevice();
}

InputDialogue::InputDialogue() = default;

InputDialogue::~InputDialogue() { onLostDevice(); }

void InputDialogue::update()
{
    MessageDialogue::update();
    if (!initialized || !visible) return;
    inText = input->getTextIn();
}

void InputDialogue::onLostDevice()
{
    MessageDialogue::onLostDevice();
    inTextVerts.reset();
}
