#include "PcmWave.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace audio {
namespace {

uint16_t u16At(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t u32At(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

void putU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

[[noreturn]] void fail(const std::string& source, const std::string& why) {
    throw BankError(source + ": " + why);
}

// WAVE_FORMAT_EXTENSIBLE carries the real format in the first two bytes of its sub-format GUID.
constexpr uint16_t kTagPcm = 1;
constexpr uint16_t kTagExtensible = 0xFFFE;

} // namespace

bool isPlayableRate(uint32_t rate) { return rate == 22050 || rate == 44100; }

PcmWave parsePcmWav(const std::vector<uint8_t>& b, const std::string& source) {
    if (b.size() < 12 || u32At(b, 0) != 0x46464952u /* RIFF */ || u32At(b, 8) != 0x45564157u /* WAVE */)
        fail(source, "not a RIFF/WAVE file");

    bool haveFormat = false, haveData = false;
    uint16_t tag = 0, channels = 0, bits = 0, blockAlign = 0;
    uint32_t rate = 0;
    size_t dataAt = 0, dataSize = 0;

    size_t at = 12;
    while (at + 8 <= b.size()) {
        const uint32_t id = u32At(b, at);
        const size_t size = u32At(b, at + 4);
        const size_t body = at + 8;
        if (size > b.size() - body) fail(source, "chunk runs past the end of the file (truncated?)");
        if (id == 0x20746D66u /* "fmt " */) {
            if (size < 16) fail(source, "format chunk is too short");
            tag = u16At(b, body);
            channels = u16At(b, body + 2);
            rate = u32At(b, body + 4);
            blockAlign = u16At(b, body + 12);
            bits = u16At(b, body + 14);
            if (tag == kTagExtensible) {
                if (size < 40) fail(source, "extensible format chunk is too short");
                tag = u16At(b, body + 24);
            }
            haveFormat = true;
        } else if (id == 0x61746164u /* "data" */ && !haveData) {
            dataAt = body;
            dataSize = size;
            haveData = true;
        }
        at = body + size + (size & 1); // chunks are padded to even sizes
    }

    if (!haveFormat) fail(source, "no format chunk");
    if (tag != kTagPcm) fail(source, "format tag " + std::to_string(tag) + " is not integer PCM (1)");
    if (bits != 16) fail(source, std::to_string(bits) + "-bit samples; only 16-bit PCM is supported");
    if (channels < 1 || channels > 2)
        fail(source, std::to_string(channels) + " channels; only mono or stereo is supported");
    if (!isPlayableRate(rate))
        fail(source, "sample rate " + std::to_string(rate) + " Hz; only 22050 or 44100 Hz is supported");
    if (blockAlign != channels * 2) fail(source, "block align " + std::to_string(blockAlign) + " does not match the format");
    if (!haveData) fail(source, "no data chunk");
    if (dataSize == 0) fail(source, "data chunk is empty");
    if (dataSize % blockAlign != 0) fail(source, "data chunk does not hold a whole number of sample frames");

    PcmWave wave;
    wave.channels = channels;
    wave.sampleRate = rate;
    wave.samples.assign(b.begin() + static_cast<std::ptrdiff_t>(dataAt),
                        b.begin() + static_cast<std::ptrdiff_t>(dataAt + dataSize));
    return wave;
}

std::vector<uint8_t> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BankError(path + ": cannot open");
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    // Write beside the target and rename, so a failed run never leaves half a bank behind.
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) throw BankError(path + ": cannot create");
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw BankError(path + ": write failed");
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        throw BankError(path + ": cannot replace");
    }
}

PcmWave readPcmWav(const std::string& path) { return parsePcmWav(readWholeFile(path), path); }

void writePcmWav(const std::string& path, const PcmWave& wave) {
    const uint32_t dataSize = static_cast<uint32_t>(wave.samples.size());
    std::vector<uint8_t> out;
    out.reserve(44 + dataSize + 1);
    putU32(out, 0x46464952u);
    putU32(out, 36 + dataSize + (dataSize & 1));
    putU32(out, 0x45564157u);
    putU32(out, 0x20746D66u);
    putU32(out, 16);
    putU16(out, kTagPcm);
    putU16(out, wave.channels);
    putU32(out, wave.sampleRate);
    putU32(out, wave.sampleRate * wave.channels * 2u);
    putU16(out, wave.channels * 2u);
    putU16(out, 16);
    putU32(out, 0x61746164u);
    putU32(out, dataSize);
    out.insert(out.end(), wave.samples.begin(), wave.samples.end());
    if (dataSize & 1) out.push_back(0);
    writeWholeFile(path, out);
}

} // namespace audio
