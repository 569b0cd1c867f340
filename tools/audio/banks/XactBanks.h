#pragma once
// Writes the game's two XACT 3 bank files ("Wave Bank.xwb" and "Sound Bank.xsb") in the one
// layout FAudio 23.02 is known to load and play (see tools/audio/README.md).

#include "PcmWave.h"

#include <cstdint>
#include <string>
#include <vector>

namespace audio {

// An effect plays once (simple sound, category Default); music loops for ever (complex sound
// with one play-wave event, loop count 255, category Music).
enum class CueKind { Effect, Music };

struct BankCue {
    std::string name;
    CueKind kind = CueKind::Effect;
    PcmWave wave;
};

// Where to find each cue's sound; the list's order is the cue order the game looks up.
struct CueSource {
    std::string name;
    CueKind kind = CueKind::Effect;
    std::string wavPath;
};

// Both builders throw BankError for a cue list the banks cannot carry (no cues, empty, repeated
// or over-long names, a wave FAudio could not play, sizes past the formats' fields).
std::vector<uint8_t> buildWaveBank(const std::vector<BankCue>& cues);
std::vector<uint8_t> buildSoundBank(const std::vector<BankCue>& cues);

std::vector<BankCue> loadCues(const std::vector<CueSource>& sources);

// Writes "Wave Bank.xwb" and "Sound Bank.xsb" into `directory` (which must exist).
void writeBanks(const std::vector<BankCue>& cues, const std::string& directory);

} // namespace audio
