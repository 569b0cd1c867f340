#pragma once
// A level without a clock: fill the trolley to exactly the target weight, have it
// weighed on the mini scale until the gauge rests on green, and pay. A trolley that
// is too heavy or too light is emptied at the waste bin with Y, for 50 points.

#include <array>

#include "Level.h"

namespace levelsNS {

// The weights from which the gauge climbs to each highest step; other weights show step 0.
struct WeightBand {
    int from, to; // inclusive
    int highestStep;
};

struct WeighingPlan {
    int targetWeight;
    Table<WeightBand> bands;
    // Level 3 forgets the weighing on entry and on leaving, and stops its clock on leaving.
    bool forgetsWeighing;
};

} // namespace levelsNS

class WeighingLevel : public Level {
public:
    WeighingLevel(const levelsNS::LevelPlan& plan, const levelsNS::WeighingPlan& weighing, Graphics* graphics, Game* game,
                  Input* input, Audio* audio, Player* player, Grocerush* grocerush);
    void initialize() override;
    void enter() override;
    void leave() override;
    void update(float frameTime) override;
    void collisions(float frameTime) override;
    void render() override;
    bool payCondition() override;

    void emptyTrolley();
    // The highest step of the gauge the basket's weight can reach.
    int highestStep(int weight) const;

protected:
    int payBonus() override { return 0; }
    void pickUp(std::size_t product) override;
    void animate(float frameTime) override;

private:
    void weighAndBin(float frameTime);
    void drawGauge();

    const levelsNS::WeighingPlan& weighing;
    TextureManager binBoxTexture, scalesDisplayTexture, scaleLightsTexture, scaleArrowsTexture, miniScaleTexture,
        wasteBinTexture;
    Image binBox, scalesDisplay;
    std::array<Image, 9> scaleLights;
    std::array<Image, 9> scaleArrows;
    Entity miniScale, wasteBin;
};
