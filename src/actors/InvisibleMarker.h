#pragma once
// A turning point for the shoppers: never drawn, never touches the trolley.

#include "Entity.h"

class InvisibleMarker : public Entity {
public:
    InvisibleMarker();
};
