#pragma once
// A message dialogue with a line of typed text. It exists and follows the device
// protocol, but the game never shows one.

#include <memory>
#include <string>

#include "MessageDialogue.h"

class InputDialogue : public MessageDialogue {
public:
    InputDialogue();
    ~InputDialogue() override;
    void update();
    void onLostDevice();
    std::string getText() const { return inText; }

private:
    std::string inText;
    std::unique_ptr<IDirect3DVertexBuffer9> inTextVerts;
};
