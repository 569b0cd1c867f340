#include "BankCheck.h"

#include <cstring>
#include <set>
#include <vector>

namespace platform::sdl {

namespace {

// Bounds-checked little-endian reads; any read past the end makes the file bad.
class Reader {
public:
    Reader(const unsigned char* d, std::size_t s) : data(d), size(s) {}
    bool has(std::size_t offset, std::size_t count) const { return offset <= size && count <= size - offset; }
    std::uint8_t u8(std::size_t at) { return has(at, 1) ? data[at] : fail(); }
    std::uint16_t u16(std::size_t at) { return has(at, 2) ? static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8)) : fail(); }
    std::uint32_t u32(std::size_t at)
    {
        if (!has(at, 4)) return fail();
        return static_cast<std::uint32_t>(data[at]) | (static_cast<std::uint32_t>(data[at + 1]) << 8)
               | (static_cast<std::uint32_t>(data[at + 2]) << 16) | (static_cast<std::uint32_t>(data[at + 3]) << 24);
    }
    // A NUL-terminated name inside [at, at + limit), or empty with ok() false.
    std::string name(std::size_t at, std::size_t limit)
    {
        if (!has(at, limit)) {
            fail();
            return {};
        }
        const void* nul = std::memchr(data + at, 0, limit);
        if (!nul) {
            fail();
            return {};
        }
        return std::string(reinterpret_cast<const char*>(data + at), static_cast<const unsigned char*>(nul) - (data + at));
    }
    bool ok() const { return good; }

private:
    std::uint8_t fail()
    {
        good = false;
        return 0;
    }
    const unsigned char* data;
    std::size_t size;
    bool good = true;
};

constexpr std::uint32_t none = 0xFFFFFFFFu;

bool refuse(std::string& why, const char* reason)
{
    why = reason;
    return false;
}

} // namespace

bool checkWaveBank(const unsigned char* data, std::size_t size, WaveBankFacts& facts, std::string& why)
{
    Reader r(data, size);
    if (!data || size < 52 || std::memcmp(data, "WBND", 4) != 0) return refuse(why, "not a wave bank");
    const std::uint32_t contentVersion = r.u32(4), headerVersion = r.u32(8);
    if (contentVersion < 43 || contentVersion > 46 || headerVersion < 42 || headerVersion > 44) {
        return refuse(why, "unsupported wave bank version");
    }
    std::uint32_t segOffset[5], segLength[5];
    for (int i = 0; i < 5; ++i) {
        segOffset[i] = r.u32(12 + 8 * i);
        segLength[i] = r.u32(16 + 8 * i);
    }
    const std::size_t bank = segOffset[0];
    if (!r.has(bank, 96) || segLength[0] < 96) return refuse(why, "wave bank data out of range");
    const std::uint32_t flags = r.u32(bank);
    const std::uint32_t entries = r.u32(bank + 4);
    facts.name = r.name(bank + 8, 64);
    const std::uint32_t metadataSize = r.u32(bank + 72);
    if (!r.ok()) return refuse(why, "wave bank name unterminated");
    // Streaming, named, compact and seek-table banks take other paths through the
    // engine; only the plain in-memory form is accepted.
    if (flags != 0) return refuse(why, "unsupported wave bank flags");
    if (entries == 0 || entries > 0xFFFF) return refuse(why, "wave bank entry count out of range");
    if (metadataSize != 24) return refuse(why, "unsupported wave entry size");
    const std::size_t meta = segOffset[1];
    if (!r.has(meta, static_cast<std::size_t>(entries) * 24) || segLength[1] < entries * 24) {
        return refuse(why, "wave entries out of range");
    }
    const std::size_t waveData = segOffset[4];
    if (!r.has(waveData, segLength[4])) return refuse(why, "wave data out of range");
    for (std::uint32_t e = 0; e < entries; ++e) {
        const std::size_t at = meta + static_cast<std::size_t>(e) * 24;
        const std::uint32_t durationFlags = r.u32(at);
        const std::uint32_t format = r.u32(at + 4);
        const std::uint32_t playOffset = r.u32(at + 8), playLength = r.u32(at + 12);
        const std::uint32_t loopStart = r.u32(at + 16), loopLength = r.u32(at + 20);
        const std::uint32_t tag = format & 0x3, channels = (format >> 2) & 0x7, rate = (format >> 5) & 0x3FFFF;
        const bool sixteenBit = (format >> 31) != 0;
        if (tag != 0 || !sixteenBit || channels < 1 || channels > 2 || rate < 8000 || rate > 96000) {
            return refuse(why, "unsupported wave format");
        }
        const std::uint32_t frameBytes = channels * 2;
        if (playLength == 0 || playLength % frameBytes != 0 || playOffset > segLength[4]
            || playLength > segLength[4] - playOffset) {
            return refuse(why, "wave outside the wave data");
        }
        const std::uint32_t frames = playLength / frameBytes;
        const std::uint32_t duration = durationFlags >> 4;
        if ((durationFlags & 0xF) != 0 || (duration != 0 && duration != frames)) return refuse(why, "wave length mismatch");
        if (loopStart > frames || loopLength > frames - loopStart) return refuse(why, "wave loop outside the wave");
    }
    facts.entries = entries;
    return r.ok() ? true : refuse(why, "wave bank truncated");
}

bool checkSoundBank(const unsigned char* data, std::size_t size, const WaveBankFacts& waves, SoundBankFacts& facts,
                    std::string& why)
{
    Reader r(data, size);
    if (!data || size < 74 || std::memcmp(data, "SDBK", 4) != 0) return refuse(why, "not a sound bank");
    const std::uint16_t contentVersion = r.u16(4), toolVersion = r.u16(6);
    const std::uint8_t platform = r.u8(18);
    // Version 43 lays complex sounds out differently; the later ones share one layout.
    if (contentVersion < 44 || contentVersion > 46 || toolVersion != 43) return refuse(why, "unsupported sound bank version");
    if (platform != 0 && platform != 1 && platform != 3) return refuse(why, "unsupported sound bank platform");
    const std::uint16_t simpleCues = r.u16(19), complexCues = r.u16(21), hashCount = r.u16(25);
    const std::uint8_t waveBankCount = r.u8(27);
    const std::uint16_t soundCount = r.u16(28);
    const std::uint32_t simpleOffset = r.u32(34), complexOffset = r.u32(38), namesOffset = r.u32(42);
    const std::uint32_t variationOffset = r.u32(50), transitionOffset = r.u32(54), waveNamesOffset = r.u32(58);
    const std::uint32_t hashOffset = r.u32(62), nameIndexOffset = r.u32(66), soundsOffset = r.u32(70);
    if (complexCues != 0 || complexOffset != none || variationOffset != none || transitionOffset != none) {
        return refuse(why, "unsupported cue kinds");
    }
    if (simpleCues == 0 || waveBankCount != 1 || soundCount == 0) return refuse(why, "sound bank counts out of range");
    if (namesOffset == none) return refuse(why, "sound bank without cue names");

    // The engine reads the sections one after the other, whatever the stored offsets
    // say, so each must start exactly where the previous one ended.
    std::size_t at = 74;
    r.name(at, 64);
    at += 64;
    if (waveNamesOffset != at) return refuse(why, "wave bank names misplaced");
    facts.waveBankName = r.name(at, 64);
    at += 64;
    if (!r.ok() || facts.waveBankName != waves.name) return refuse(why, "sound bank refers to another wave bank");
    if (soundsOffset != at) return refuse(why, "sounds misplaced");

    std::set<std::uint32_t> soundStarts;
    for (std::uint16_t s = 0; s < soundCount; ++s) {
        const std::size_t start = at;
        soundStarts.insert(static_cast<std::uint32_t>(start));
        const std::uint8_t flags = r.u8(at);
        const std::uint16_t category = r.u16(at + 1);
        if ((flags & 0x1E) != 0 || (flags & 0xE0) != 0) return refuse(why, "sound with effects blocks");
        // Without global settings the engine knows only its three built-in categories.
        if (category > 2) return refuse(why, "sound category out of range");
        if ((flags & 0x01) == 0) {
            const std::uint16_t wave = r.u16(at + 9);
            const std::uint8_t bank = r.u8(at + 11);
            if (wave >= waves.entries || bank != 0) return refuse(why, "sound plays a wave that does not exist");
            at += 12;
            continue;
        }
        const std::uint8_t tracks = r.u8(at + 9);
        if (tracks == 0) return refuse(why, "complex sound without tracks");
        const std::size_t trackHeaders = at + 10;
        at = trackHeaders + static_cast<std::size_t>(tracks) * 9;
        for (std::uint8_t t = 0; t < tracks; ++t) {
            const std::size_t header = trackHeaders + static_cast<std::size_t>(t) * 9;
            if (r.u32(header + 1) != at) return refuse(why, "track events misplaced");
            const std::uint8_t events = r.u8(at);
            if (events == 0) return refuse(why, "track without events");
            ++at;
            for (std::uint8_t e = 0; e < events; ++e) {
                const std::uint32_t info = r.u32(at);
                if ((info & 0x1F) != 1) return refuse(why, "unsupported track event");
                if (r.u8(at + 6) != 0xFF) return refuse(why, "track event separator missing");
                const std::uint16_t wave = r.u16(at + 8);
                const std::uint8_t bank = r.u8(at + 10);
                if (wave >= waves.entries || bank != 0) return refuse(why, "event plays a wave that does not exist");
                at += 16;
            }
        }
        if (!r.ok()) return refuse(why, "sound bank truncated in its sounds");
        (void)start;
    }
    if (!r.ok()) return refuse(why, "sound bank truncated in its sounds");

    if (simpleOffset != at) return refuse(why, "cue table misplaced");
    for (std::uint16_t c = 0; c < simpleCues; ++c) {
        if (r.u8(at) != 0x04) return refuse(why, "unsupported cue kind");
        if (soundStarts.count(r.u32(at + 1)) == 0) return refuse(why, "cue refers to no sound");
        at += 5;
    }
    if (hashOffset != none) {
        if (hashOffset != at) return refuse(why, "cue hash misplaced");
        at += static_cast<std::size_t>(hashCount) * 2;
    }
    if (nameIndexOffset != at) return refuse(why, "cue name index misplaced");
    const std::size_t index = at;
    at += static_cast<std::size_t>(simpleCues) * 6;
    if (namesOffset != at) return refuse(why, "cue names misplaced");
    for (std::uint16_t c = 0; c < simpleCues; ++c) {
        if (r.u32(index + static_cast<std::size_t>(c) * 6) != at) return refuse(why, "cue name index wrong");
        const std::string name = r.name(at, r.has(at, 1) ? size - at : 1);
        if (!r.ok() || name.empty()) return refuse(why, "cue name missing");
        at += name.size() + 1;
    }
    if (!r.ok() || at != size) return refuse(why, "sound bank length wrong");
    facts.cues = simpleCues;
    return true;
}

} // namespace platform::sdl
