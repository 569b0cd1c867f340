#pragma once
// The shopper with blonde hair.

#include "EnemyBase.h"

class BlondePerson : public EnemyBase {
public:
    BlondePerson();
};
