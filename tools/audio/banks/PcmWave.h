#pragma once
// 16-bit PCM sound data as the wave bank stores it, and reading it from WAV files.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace audio {

// Thrown for any input the banks cannot carry; the text names the file and the fault.
class BankError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PcmWave {
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    std::vector<uint8_t> samples; // interleaved signed 16-bit little-endian, no header

    uint32_t frameCount() const {
        return channels == 0 ? 0 : static_cast<uint32_t>(samples.size() / (channels * 2u));
    }
};

// FAudio's bank path plays 16-bit PCM, mono or stereo, at these rates only.
bool isPlayableRate(uint32_t rate);

// Parses a RIFF/WAVE image; `source` only names it in error messages.
PcmWave parsePcmWav(const std::vector<uint8_t>& bytes, const std::string& source);
PcmWave readPcmWav(const std::string& path);

// Writes a canonical 44-byte-header WAV; used by the synthesiser for its renders.
void writePcmWav(const std::string& path, const PcmWave& wave);

std::vector<uint8_t> readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace audio
