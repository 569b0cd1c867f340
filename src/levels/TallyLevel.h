#pragma once
// A level with a wanted list and unwanted products beside it: each wanted product
// strikes a line of the list, an unwanted one costs points and un-strikes one. Paid
// for once enough lines are struck; two power-ups, a boost and an item drop.

#include <array>

#include "Level.h"

namespace levelsNS {

struct TallyPlan {
    int payAt;      // the tally that completes the list
    int bonus[8];   // bonus for paying at each tally from 0 to 7 (nothing past 7)
};

} // namespace levelsNS

class TallyLevel : public Level {
public:
    TallyLevel(const levelsNS::LevelPlan& plan, const levelsNS::TallyPlan& tally, Graphics* graphics, Game* game,
               Input* input, Audio* audio, Player* player, Grocerush* grocerush);
    void initialize() override;
    void enter() override;
    void leave() override {}
    void update(float frameTime) override;
    void collisions(float frameTime) override;
    void render() override;
    bool payCondition() override { return game->listTally >= tally.payAt; }

    void dropItems();
    float getBoostTimer() const { return boostTimer; }

protected:
    int payBonus() override;
    void pickUp(std::size_t product) override;
    void animate(float frameTime) override;

private:
    void updatePowerUps(float frameTime);
    Entity* powerUp(levelsNS::ObstacleRole role);

    const levelsNS::TallyPlan& tally;
    Image listImage;
    std::array<Image, 7> strikeMarks;
    float boostTimer = 0;
};
