#pragma once
// Hand-made WAV files for the bank tests, written field by field so a test can also make the
// broken ones the writer must refuse.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace fixture {

struct WavShape {
    uint16_t tag = 1;           // 1 PCM, 3 IEEE float, 0xFFFE extensible
    uint16_t subFormatTag = 1;  // the extensible format's real tag
    uint16_t channels = 1;
    uint32_t rate = 44100;
    uint16_t bits = 16;
    uint32_t frames = 100;
    bool writeData = true;
    bool listChunkFirst = false; // an odd-sized chunk before the data, as some editors write
    size_t cutTail = 0;          // bytes removed from the end of the file
};

inline void put16(std::vector<uint8_t>& o, uint32_t v) {
    o.push_back(static_cast<uint8_t>(v));
    o.push_back(static_cast<uint8_t>(v >> 8));
}
inline void put32(std::vector<uint8_t>& o, uint32_t v) {
    put16(o, v & 0xFFFF);
    put16(o, v >> 16);
}
inline void putTag(std::vector<uint8_t>& o, const char* four) { o.insert(o.end(), four, four + 4); }

// Sample bytes that differ per wave and per position, so a misplaced or shifted wave shows.
inline std::vector<uint8_t> patternSamples(const WavShape& s, int seed) {
    const size_t bytesPerSample = s.bits / 8;
    std::vector<uint8_t> out;
    for (uint32_t f = 0; f < s.frames; ++f) {
        for (uint16_t c = 0; c < s.channels; ++c) {
            const double v = std::sin(0.05 * (f + 1) * (seed + 1) + c) * 0.5;
            const int32_t q = static_cast<int32_t>(std::lround(v * 30000.0)) + seed * 7 + c;
            for (size_t k = 0; k < bytesPerSample; ++k) out.push_back(static_cast<uint8_t>(q >> (8 * k)));
        }
    }
    return out;
}

inline std::vector<uint8_t> wavBytes(const WavShape& s, const std::vector<uint8_t>& samples) {
    std::vector<uint8_t> body;
    putTag(body, "WAVE");
    putTag(body, "fmt ");
    const bool ext = s.tag == 0xFFFE;
    put32(body, ext ? 40 : 16);
    put16(body, s.tag);
    put16(body, s.channels);
    put32(body, s.rate);
    const uint32_t align = s.channels * (s.bits / 8u);
    put32(body, s.rate * align);
    put16(body, align);
    put16(body, s.bits);
    if (ext) {
        put16(body, 22);
        put16(body, s.bits);
        put32(body, s.channels == 2 ? 3 : 4);
        put16(body, s.subFormatTag); // GUID xxxx0000-0000-0010-8000-00aa00389b71
        const uint8_t rest[14] = {0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
        body.insert(body.end(), rest, rest + 14);
    }
    if (s.listChunkFirst) {
        putTag(body, "LIST");
        put32(body, 7);
        const char text[] = "INFOab\0";
        body.insert(body.end(), text, text + 7);
        body.push_back(0); // pad byte of the odd-sized chunk
    }
    if (s.writeData) {
        putTag(body, "data");
        put32(body, static_cast<uint32_t>(samples.size()));
        body.insert(body.end(), samples.begin(), samples.end());
        if (samples.size() & 1) body.push_back(0);
    }
    std::vector<uint8_t> file;
    putTag(file, "RIFF");
    put32(file, static_cast<uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    file.resize(file.size() - s.cutTail);
    return file;
}

inline void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace fixture
