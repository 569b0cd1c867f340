#pragma once
// A second, separate reading of the two bank formats, written from the format description and
// not from the writer, so the tests catch a writer that is wrong in the same way it is built.
// Every read is bounds-checked; anything unexpected throws.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace bankread {

class Cursor {
public:
    explicit Cursor(const std::vector<uint8_t>& bytes) : b_(bytes) {}

    uint32_t u8(size_t at) const { need(at, 1); return b_[at]; }
    uint32_t u16(size_t at) const { need(at, 2); return b_[at] | (b_[at + 1] << 8); }
    uint32_t u32(size_t at) const {
        need(at, 4);
        return static_cast<uint32_t>(b_[at]) | (static_cast<uint32_t>(b_[at + 1]) << 8) |
               (static_cast<uint32_t>(b_[at + 2]) << 16) | (static_cast<uint32_t>(b_[at + 3]) << 24);
    }
    uint64_t u64(size_t at) const { return u32(at) | (static_cast<uint64_t>(u32(at + 4)) << 32); }
    std::string ascii(size_t at, size_t n) const { need(at, n); return std::string(b_.begin() + at, b_.begin() + at + n); }

    // A fixed-size NUL-padded field; throws if it holds no NUL at all.
    std::string paddedName(size_t at, size_t n) const {
        need(at, n);
        for (size_t i = 0; i < n; ++i)
            if (b_[at + i] == 0) return std::string(b_.begin() + at, b_.begin() + at + i);
        throw std::runtime_error("name field at " + std::to_string(at) + " has no NUL");
    }
    std::string cString(size_t at) const {
        for (size_t i = at; i < b_.size(); ++i)
            if (b_[i] == 0) return std::string(b_.begin() + at, b_.begin() + i);
        throw std::runtime_error("string at " + std::to_string(at) + " runs off the end");
    }
    std::vector<uint8_t> slice(size_t at, size_t n) const {
        need(at, n);
        return std::vector<uint8_t>(b_.begin() + at, b_.begin() + at + n);
    }
    size_t size() const { return b_.size(); }

private:
    void need(size_t at, size_t n) const {
        if (at > b_.size() || n > b_.size() - at)
            throw std::runtime_error("read of " + std::to_string(n) + " bytes at " + std::to_string(at) +
                                     " past the end (" + std::to_string(b_.size()) + ")");
    }
    const std::vector<uint8_t>& b_;
};

// ---------------------------------------------------------------- wave bank

struct Segment { uint32_t offset, length; };

struct WaveEntry {
    uint32_t flags, duration;
    uint32_t formatTag, channels, rate, blockAlign, sixteenBit;
    uint32_t playOffset, playLength, loopStart, loopLength;
};

struct WaveBank {
    std::string signature;
    uint32_t contentVersion, headerVersion;
    Segment segments[5];
    uint32_t flags, entryCount;
    std::string name;
    uint32_t metadataSize, nameSize, alignment, compactFormat;
    uint64_t buildTime;
    std::vector<WaveEntry> entries;
};

inline WaveBank readWaveBank(const std::vector<uint8_t>& bytes) {
    Cursor c(bytes);
    WaveBank w{};
    w.signature = c.ascii(0, 4);
    w.contentVersion = c.u32(4);
    w.headerVersion = c.u32(8);
    for (int i = 0; i < 5; ++i) w.segments[i] = {c.u32(12 + 8 * i), c.u32(16 + 8 * i)};
    const size_t bank = w.segments[0].offset;
    w.flags = c.u32(bank);
    w.entryCount = c.u32(bank + 4);
    w.name = c.paddedName(bank + 8, 64);
    w.metadataSize = c.u32(bank + 72);
    w.nameSize = c.u32(bank + 76);
    w.alignment = c.u32(bank + 80);
    w.compactFormat = c.u32(bank + 84);
    w.buildTime = c.u64(bank + 88);
    for (uint32_t i = 0; i < w.entryCount; ++i) {
        const size_t at = w.segments[1].offset + size_t{w.metadataSize} * i;
        WaveEntry e{};
        const uint32_t first = c.u32(at);
        e.flags = first & 0xF;
        e.duration = first >> 4;
        const uint32_t fmt = c.u32(at + 4);
        e.formatTag = fmt & 0x3;
        e.channels = (fmt >> 2) & 0x7;
        e.rate = (fmt >> 5) & 0x3FFFF;
        e.blockAlign = (fmt >> 23) & 0xFF;
        e.sixteenBit = fmt >> 31;
        e.playOffset = c.u32(at + 8);
        e.playLength = c.u32(at + 12);
        e.loopStart = c.u32(at + 16);
        e.loopLength = c.u32(at + 20);
        w.entries.push_back(e);
    }
    return w;
}

// ---------------------------------------------------------------- sound bank

struct Sound {
    uint32_t at = 0, size = 0;
    uint32_t flags = 0, category = 0, volume = 0, priority = 0, entryLength = 0;
    int32_t pitch = 0;
    // simple sound
    uint32_t waveIndex = 0, waveBank = 0;
    // complex sound (one track is all we read)
    uint32_t trackCount = 0, trackVolume = 0, eventListAt = 0, filter = 0, filterFrequency = 0;
    uint32_t eventCount = 0, eventInfo = 0, randomOffset = 0, separator = 0, playFlags = 0;
    uint32_t loopCount = 0, position = 0, angle = 0;
};

struct Cue { uint32_t flags, soundAt; };
struct NameRef { uint32_t nameAt, extra; };
struct Name { uint32_t at; std::string text; };

// Where each section really is, found by walking the file front to back as FAudio 23.02 does.
struct Walk {
    uint32_t bankName, waveBankNames, sounds, simpleCues, nameIndex, names, end;
};

struct SoundBank {
    std::string signature;
    uint32_t contentVersion, toolVersion, crc, platform;
    uint64_t lastModified;
    uint32_t simpleCueCount, complexCueCount, unknown23, hashCount, waveBankCount, soundCount, nameBytes,
        unknown32;
    uint32_t simpleCuesOffset, complexCuesOffset, namesOffset, unknown46, variationsOffset,
        transitionsOffset, waveBankNamesOffset, hashOffset, nameIndexOffset, soundsOffset;
    std::string bankName;
    std::vector<std::string> waveBankNames;
    std::vector<Sound> sounds;
    std::vector<Cue> cues;
    std::vector<NameRef> nameIndex;
    std::vector<Name> names;
    Walk walk;
};

inline Sound readSound(const Cursor& c, uint32_t at) {
    Sound s;
    s.at = at;
    s.flags = c.u8(at);
    if (s.flags & 0x1E) throw std::runtime_error("sound at " + std::to_string(at) + " has RPC/DSP blocks");
    s.category = c.u16(at + 1);
    s.volume = c.u8(at + 3);
    s.pitch = static_cast<int16_t>(c.u16(at + 4));
    s.priority = c.u8(at + 6);
    s.entryLength = c.u16(at + 7);
    if (!(s.flags & 1)) {
        s.waveIndex = c.u16(at + 9);
        s.waveBank = c.u8(at + 11);
        s.size = 12;
        return s;
    }
    s.trackCount = c.u8(at + 9);
    if (s.trackCount != 1) throw std::runtime_error("reader handles one track only");
    s.trackVolume = c.u8(at + 10);
    s.eventListAt = c.u32(at + 11);
    s.filter = c.u16(at + 15);
    s.filterFrequency = c.u16(at + 17);
    // The event list follows the track headers of the same sound.
    const uint32_t ev = at + 19;
    s.eventCount = c.u8(ev);
    if (s.eventCount != 1) throw std::runtime_error("reader handles one event only");
    s.eventInfo = c.u32(ev + 1);
    if ((s.eventInfo & 0x1F) != 1) throw std::runtime_error("reader handles play-wave events only");
    s.randomOffset = c.u16(ev + 5);
    s.separator = c.u8(ev + 7);
    s.playFlags = c.u8(ev + 8);
    s.waveIndex = c.u16(ev + 9);
    s.waveBank = c.u8(ev + 11);
    s.loopCount = c.u8(ev + 12);
    s.position = c.u16(ev + 13);
    s.angle = c.u16(ev + 15);
    s.size = 19 + 17;
    return s;
}

inline SoundBank readSoundBank(const std::vector<uint8_t>& bytes) {
    Cursor c(bytes);
    SoundBank s{};
    s.signature = c.ascii(0, 4);
    s.contentVersion = c.u16(4);
    s.toolVersion = c.u16(6);
    s.crc = c.u16(8);
    s.lastModified = c.u64(10);
    s.platform = c.u8(18);
    s.simpleCueCount = c.u16(19);
    s.complexCueCount = c.u16(21);
    s.unknown23 = c.u16(23);
    s.hashCount = c.u16(25);
    s.waveBankCount = c.u8(27);
    s.soundCount = c.u16(28);
    s.nameBytes = c.u16(30);
    s.unknown32 = c.u16(32);
    s.simpleCuesOffset = c.u32(34);
    s.complexCuesOffset = c.u32(38);
    s.namesOffset = c.u32(42);
    s.unknown46 = c.u32(46);
    s.variationsOffset = c.u32(50);
    s.transitionsOffset = c.u32(54);
    s.waveBankNamesOffset = c.u32(58);
    s.hashOffset = c.u32(62);
    s.nameIndexOffset = c.u32(66);
    s.soundsOffset = c.u32(70);
    if (s.complexCueCount != 0) throw std::runtime_error("reader handles simple cues only");

    uint32_t at = 74;
    s.walk.bankName = at;
    s.bankName = c.paddedName(at, 64);
    at += 64;
    s.walk.waveBankNames = at;
    for (uint32_t i = 0; i < s.waveBankCount; ++i, at += 64) s.waveBankNames.push_back(c.paddedName(at, 64));
    s.walk.sounds = at;
    for (uint32_t i = 0; i < s.soundCount; ++i) {
        s.sounds.push_back(readSound(c, at));
        at += s.sounds.back().size;
    }
    s.walk.simpleCues = at;
    for (uint32_t i = 0; i < s.simpleCueCount; ++i, at += 5) s.cues.push_back({c.u8(at), c.u32(at + 1)});
    at += 2 * s.hashCount;
    s.walk.nameIndex = at;
    for (uint32_t i = 0; i < s.simpleCueCount; ++i, at += 6) s.nameIndex.push_back({c.u32(at), c.u16(at + 4)});
    s.walk.names = at;
    for (uint32_t i = 0; i < s.simpleCueCount; ++i) {
        Name n{at, c.cString(at)};
        at += static_cast<uint32_t>(n.text.size() + 1);
        s.names.push_back(n);
    }
    s.walk.end = at;
    return s;
}

} // namespace bankread
