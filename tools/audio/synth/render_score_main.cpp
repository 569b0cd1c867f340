// render-score: plays a score file on our synthesiser into a 16-bit PCM WAV.
//
//   render-score SCORE OUT.wav [--only NAME,NAME...]
//
// Prints length, levels and, for loops, how smooth the seam is. --only keeps just the named
// instruments, for judging the balance of the mix one part at a time.

#include "Renderer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>

namespace {

// Silences the other instruments rather than dropping them, so the song keeps its length.
void keepOnly(synth::Score& score, const std::string& list) {
    std::vector<std::string> names;
    std::stringstream in(list);
    for (std::string n; std::getline(in, n, ',');) names.push_back(n);
    for (synth::InstrumentDef& def : score.instruments)
        if (std::find(names.begin(), names.end(), def.name) == names.end()) def.params["volume"] = -400;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && std::strcmp(argv[3], "--only") == 0)) {
        std::cerr << "usage: render-score SCORE OUT.wav [--only NAME,NAME...]\n";
        return 2;
    }
    try {
        synth::Score score = synth::readScore(argv[1]);
        if (argc == 5) keepOnly(score, argv[4]);
        const synth::Rendered r = synth::render(score);
        audio::writePcmWav(argv[2], r.wave);
        const auto& s = r.stats;
        std::printf("%s: %.3f s, %d Hz, %d ch, %zu notes, peak %.2f dBFS, RMS %.2f dBFS, limiter bent %zu samples",
                    score.title.c_str(), s.seconds, score.rate, score.channels, s.notes, s.peakDb, s.rmsDb,
                    s.limitedSamples);
        if (score.loop) std::printf(", seam step %d (largest inside %d)", s.seamStep, s.largestStep);
        std::printf("\n");
    } catch (const std::exception& e) {
        std::cerr << "render-score: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
