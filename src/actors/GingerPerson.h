#pragma once
// The shopper with ginger hair.

#include "EnemyBase.h"

class GingerPerson : public EnemyBase {
public:
    GingerPerson();
};
