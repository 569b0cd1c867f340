#include "XactBanks.h"

#include <set>

namespace audio {
namespace {

// The sound bank finds its wave bank by this name, so both files must carry the same text.
const char* const kWaveBankName = "Wave Bank";
const char* const kSoundBankName = "Sound Bank";
constexpr size_t kNameField = 64;

constexpr uint32_t kContentVersion = 46;
constexpr uint32_t kWaveBankHeaderVersion = 44;
constexpr uint16_t kSoundBankToolVersion = 43; // FAudio accepts no other
constexpr uint8_t kPlatform = 1;
constexpr uint32_t kAbsent = 0xFFFFFFFFu;

constexpr uint32_t kWaveHeaderSize = 52;
constexpr uint32_t kWaveBankDataSize = 96;
constexpr uint32_t kWaveEntrySize = 24; // any other size sends FAudio down a broken fallback
constexpr uint32_t kWaveAlignment = 4;

constexpr uint32_t kSoundHeaderSize = 74;
constexpr uint32_t kSimpleSoundSize = 12;
constexpr uint32_t kComplexSoundSize = 36;
constexpr uint32_t kSimpleCueSize = 5;
constexpr uint32_t kNameIndexEntrySize = 6;

// Without a global settings file the engine knows only Global (0), Default (1) and Music (2).
constexpr uint16_t kCategoryDefault = 1;
constexpr uint16_t kCategoryMusic = 2;
constexpr uint8_t kUnityVolume = 0xB4; // +0.007 dB
constexpr uint8_t kCuePlaysOneSound = 0x04;
constexpr uint8_t kLoopForever = 255;
constexpr uint32_t kEventPlayWave = 1;

class Bytes {
public:
    void u8(uint32_t v) { out_.push_back(static_cast<uint8_t>(v)); }
    void u16(uint32_t v) { u8(v); u8(v >> 8); }
    void u32(uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
    void u64(uint64_t v) { u32(static_cast<uint32_t>(v)); u32(static_cast<uint32_t>(v >> 32)); }
    void name(const std::string& text) {
        out_.insert(out_.end(), text.begin(), text.end());
        out_.resize(out_.size() + kNameField - text.size(), 0);
    }
    void cString(const std::string& text) {
        out_.insert(out_.end(), text.begin(), text.end());
        out_.push_back(0);
    }
    void raw(const std::vector<uint8_t>& bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
    void padTo(size_t size) { out_.resize(size, 0); }
    uint32_t size() const { return static_cast<uint32_t>(out_.size()); }
    std::vector<uint8_t> take() { return std::move(out_); }

private:
    std::vector<uint8_t> out_;
};

uint32_t alignUp(uint64_t value) {
    return static_cast<uint32_t>((value + kWaveAlignment - 1) / kWaveAlignment * kWaveAlignment);
}

uint32_t miniFormat(const PcmWave& w) {
    const uint32_t blockAlign = w.channels * 2u;
    return 0u /* PCM */ | (uint32_t{w.channels} << 2) | (w.sampleRate << 5) | (blockAlign << 23) | (1u << 31);
}

void checkCues(const std::vector<BankCue>& cues) {
    if (cues.empty()) throw BankError("no cues given");
    // 0xFFFF is the engine's "no such cue", so the last usable index is 0xFFFE.
    if (cues.size() >= 0xFFFF) throw BankError("too many cues for a sound bank");
    std::set<std::string> seen;
    uint64_t nameBytes = 0;
    for (const BankCue& cue : cues) {
        const std::string label = "cue \"" + cue.name + "\"";
        if (cue.name.empty()) throw BankError("a cue has an empty name");
        if (cue.name.find('\0') != std::string::npos) throw BankError(label + ": name holds a NUL");
        if (!seen.insert(cue.name).second) throw BankError(label + ": name used twice");
        nameBytes += cue.name.size() + 1;
        const PcmWave& w = cue.wave;
        if (w.channels < 1 || w.channels > 2) throw BankError(label + ": only mono or stereo waves play");
        if (!isPlayableRate(w.sampleRate)) throw BankError(label + ": only 22050 or 44100 Hz waves play");
        if (w.samples.empty()) throw BankError(label + ": wave has no samples");
        if (w.samples.size() % (w.channels * 2u) != 0) throw BankError(label + ": wave holds a partial frame");
        // The duration shares its word with four flag bits.
        if (w.frameCount() >= (1u << 28)) throw BankError(label + ": wave is too long");
    }
    if (nameBytes > 0xFFFF) throw BankError("cue names too long for a sound bank");
}

} // namespace

std::vector<uint8_t> buildWaveBank(const std::vector<BankCue>& cues) {
    checkCues(cues);
    const uint32_t count = static_cast<uint32_t>(cues.size());
    const uint32_t bankDataAt = kWaveHeaderSize;
    const uint32_t entriesAt = bankDataAt + kWaveBankDataSize;
    const uint32_t entriesEnd = entriesAt + kWaveEntrySize * count;
    const uint32_t dataAt = alignUp(entriesEnd);

    std::vector<uint32_t> offsets; // counted from the start of the wave data segment
    uint64_t dataLength = 0;
    for (const BankCue& cue : cues) {
        const uint64_t at = alignUp(dataLength);
        offsets.push_back(static_cast<uint32_t>(at));
        dataLength = at + cue.wave.samples.size();
        if (dataAt + dataLength > 0xFFFFFFFFu) throw BankError("waves too large for one wave bank");
    }

    Bytes b;
    b.u32(0x444E4257u); // "WBND"
    b.u32(kContentVersion);
    b.u32(kWaveBankHeaderVersion);
    b.u32(bankDataAt);  b.u32(kWaveBankDataSize);
    b.u32(entriesAt);   b.u32(kWaveEntrySize * count);
    b.u32(entriesEnd);  b.u32(0); // no seek tables
    b.u32(entriesEnd);  b.u32(0); // no entry names
    b.u32(dataAt);      b.u32(static_cast<uint32_t>(dataLength));

    b.u32(0); // flags: in-memory, no names, not compact
    b.u32(count);
    b.name(kWaveBankName);
    b.u32(kWaveEntrySize);
    b.u32(0); // entry name size
    b.u32(kWaveAlignment);
    b.u32(0); // compact format
    b.u64(0); // build time

    for (size_t i = 0; i < cues.size(); ++i) {
        const PcmWave& w = cues[i].wave;
        b.u32(w.frameCount() << 4);
        b.u32(miniFormat(w));
        b.u32(offsets[i]);
        b.u32(static_cast<uint32_t>(w.samples.size()));
        b.u32(0); // loop region 0/0 is the whole wave
        b.u32(0);
    }

    b.padTo(dataAt);
    for (size_t i = 0; i < cues.size(); ++i) {
        b.padTo(dataAt + offsets[i]);
        b.raw(cues[i].wave.samples);
    }
    return b.take();
}

std::vector<uint8_t> buildSoundBank(const std::vector<BankCue>& cues) {
    checkCues(cues);
    const uint32_t count = static_cast<uint32_t>(cues.size());

    // FAudio 23.02 reads this file front to back and ignores most offsets, so the sections
    // follow each other in a fixed order with no gaps; later versions do use the offsets.
    const uint32_t waveBankNamesAt = kSoundHeaderSize + kNameField;
    const uint32_t soundsAt = waveBankNamesAt + kNameField; // one wave bank
    std::vector<uint32_t> soundAt;
    uint32_t at = soundsAt;
    for (const BankCue& cue : cues) {
        soundAt.push_back(at);
        at += cue.kind == CueKind::Music ? kComplexSoundSize : kSimpleSoundSize;
    }
    const uint32_t simpleCuesAt = at;
    const uint32_t nameIndexAt = simpleCuesAt + kSimpleCueSize * count;
    const uint32_t namesAt = nameIndexAt + kNameIndexEntrySize * count;
    std::vector<uint32_t> nameAt;
    at = namesAt;
    for (const BankCue& cue : cues) {
        nameAt.push_back(at);
        at += static_cast<uint32_t>(cue.name.size() + 1);
    }
    const uint32_t nameBytes = at - namesAt;

    Bytes b;
    b.u32(0x4B424453u); // "SDBK"
    b.u16(kContentVersion);
    b.u16(kSoundBankToolVersion);
    b.u16(0); // CRC, unchecked
    b.u64(0); // last modified
    b.u8(kPlatform);
    b.u16(count); // simple cues
    b.u16(0);     // complex cues
    b.u16(0);
    b.u16(0);     // cue hash entries
    b.u8(1);      // wave banks
    b.u16(count); // sounds
    b.u16(nameBytes);
    b.u16(0);
    b.u32(simpleCuesAt);
    b.u32(kAbsent); // complex cues
    b.u32(namesAt);
    b.u32(kAbsent);
    b.u32(kAbsent); // variations
    b.u32(kAbsent); // transitions
    b.u32(waveBankNamesAt);
    b.u32(kAbsent); // cue hash
    b.u32(nameIndexAt);
    b.u32(soundsAt);

    b.name(kSoundBankName);
    b.name(kWaveBankName);

    for (size_t i = 0; i < cues.size(); ++i) {
        const bool music = cues[i].kind == CueKind::Music;
        const uint32_t start = b.size();
        b.u8(music ? 0x01 : 0x00); // complex flag; no RPC or DSP blocks
        b.u16(music ? kCategoryMusic : kCategoryDefault);
        b.u8(kUnityVolume);
        b.u16(0); // pitch
        b.u8(0);  // priority
        b.u16(music ? kComplexSoundSize : kSimpleSoundSize);
        if (!music) {
            b.u16(static_cast<uint32_t>(i)); // wave index: waves follow cue order
            b.u8(0);
            continue;
        }
        // A simple sound always starts with loop count 0, so music needs one play-wave event.
        b.u8(1); // tracks
        b.u8(kUnityVolume);
        b.u32(start + 19); // this track's event list follows its header
        b.u16(0); // filter off: on with frequency 0 silences the track
        b.u16(0);
        b.u8(1);  // events
        b.u32(kEventPlayWave); // start time 0 ms
        b.u16(0); // random time offset
        b.u8(0xFF);
        b.u8(0);  // play flags
        b.u16(static_cast<uint32_t>(i));
        b.u8(0);  // wave bank index
        b.u8(kLoopForever);
        b.u16(0); // position
        b.u16(0); // angle
    }

    for (uint32_t start : soundAt) {
        b.u8(kCuePlaysOneSound);
        b.u32(start);
    }
    for (uint32_t start : nameAt) {
        b.u32(start);
        b.u16(0xFFFF);
    }
    for (const BankCue& cue : cues) b.cString(cue.name);
    return b.take();
}

std::vector<BankCue> loadCues(const std::vector<CueSource>& sources) {
    std::vector<BankCue> cues;
    for (const CueSource& s : sources) cues.push_back({s.name, s.kind, readPcmWav(s.wavPath)});
    return cues;
}

void writeBanks(const std::vector<BankCue>& cues, const std::string& directory) {
    // Build both before writing either, so a bad cue list leaves the old pair untouched.
    const std::vector<uint8_t> wave = buildWaveBank(cues);
    const std::vector<uint8_t> sound = buildSoundBank(cues);
    writeWholeFile(directory + "/Wave Bank.xwb", wave);
    writeWholeFile(directory + "/Sound Bank.xsb", sound);
}

} // namespace audio
