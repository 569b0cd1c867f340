#pragma once
// Checks of the two bank files, made before the sound engine is given a single byte:
// its parsers trust every size, offset and count they read.

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::sdl {

struct WaveBankFacts {
    std::string name;
    std::uint32_t entries = 0;
};

struct SoundBankFacts {
    std::uint32_t cues = 0;
    std::string waveBankName;
};

// True when the wave bank is one the engine can read and play safely.
bool checkWaveBank(const unsigned char* data, std::size_t size, WaveBankFacts& facts, std::string& why);
// True when the sound bank is safe to read and every wave it plays lies in `waves`.
bool checkSoundBank(const unsigned char* data, std::size_t size, const WaveBankFacts& waves, SoundBankFacts& facts,
                    std::string& why);

} // namespace platform::sdl
