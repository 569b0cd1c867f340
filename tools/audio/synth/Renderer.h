#pragma once
// Turns a score into 16-bit PCM: lays the patterns out on the song's timeline, plays every note
// on its instrument, adds the echo, folds a loop's overhang back onto its start, soft-limits.

#include "../banks/PcmWave.h"
#include "Score.h"

namespace synth {

struct RenderStats {
    double seconds = 0;
    double peakDb = -200, rmsDb = -200;  // of the finished 16-bit signal, dBFS
    size_t limitedSamples = 0;           // samples the soft limiter bent
    size_t notes = 0;
    // For loops: the biggest step between neighbouring samples across the seam (last sample to
    // first) and anywhere inside the loop, in 16-bit steps, worst channel.
    int seamStep = 0, largestStep = 0;
};

struct Rendered {
    audio::PcmWave wave;
    RenderStats stats;
};

Rendered render(const Score& score);

} // namespace synth
