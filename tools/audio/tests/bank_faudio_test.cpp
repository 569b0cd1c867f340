// Loads banks through FAudio's FACT API, as the game does, and listens to what comes out of
// SDL's disk audio driver.

#include "BankReader.h"
#include "WavFixture.h"

#include <FACT.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

// SDL 2.26 keeps two small blocks from FAudio's audio start-up for the life of the process
// (SDL_Quit does not free them either); the leak checker of sanitizer builds is told so here.
extern "C" const char* __lsan_default_suppressions() { return "leak:libSDL2-2.0.so\n"; }

namespace {

constexpr uint16_t kNoCue = 0xFFFF;

fs::path freshDir(const std::string& label) {
    std::string pattern = (fs::temp_directory_path() / ("bankfaudio-" + label + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

// Sine waves in the shapes the game uses: a mono effect, two loops of different formats.
struct SineCue {
    const char* name;
    bool music;
    uint16_t channels;
    uint32_t rate;
    double seconds, hz;
};
const SineCue kGameCues[] = {
    {"dingdelay", false, 1, 44100, 0.30, 1000.0},
    {"Lumo-XCity", true, 2, 44100, 0.25, 440.0},
    {"Lumo-MyColor", true, 1, 22050, 0.20, 660.0},
};

std::vector<uint8_t> sineWav(const SineCue& c) {
    fixture::WavShape shape;
    shape.channels = c.channels;
    shape.rate = c.rate;
    shape.frames = static_cast<uint32_t>(std::lround(c.seconds * c.rate));
    std::vector<uint8_t> data;
    for (uint32_t f = 0; f < shape.frames; ++f) {
        const auto v = static_cast<int16_t>(std::lround(16384.0 * std::sin(2.0 * M_PI * c.hz * f / c.rate)));
        for (uint16_t ch = 0; ch < c.channels; ++ch) fixture::put16(data, static_cast<uint16_t>(v));
    }
    return fixture::wavBytes(shape, data);
}

// Writes the sine cues' banks into `dir` with the real tool.
void buildSineBanks(const fs::path& dir) {
    std::string args = "--out " + quoted(dir.string());
    for (const SineCue& c : kGameCues) {
        const fs::path file = dir / (std::string(c.name) + ".wav");
        fixture::writeFile(file.string(), sineWav(c));
        args += std::string(c.music ? " --music " : " --effect ") + c.name + " " + quoted(file.string());
    }
    const std::string cmd = quoted(XACT_BANKS_EXE) + " " + args;
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

// One engine with both banks; the file buffers outlive the engine, as FAudio reads them in place.
class Engine {
public:
    Engine(const fs::path& dir) {
        wave_ = fixture::readFile((dir / "Wave Bank.xwb").string());
        sound_ = fixture::readFile((dir / "Sound Bank.xsb").string());
        created = FACTCreateEngine(0, &engine_);
        if (created != 0) return;
        FACTRuntimeParameters params{};
        params.lookAheadTime = 250;
        initialized = FACTAudioEngine_Initialize(engine_, &params);
        if (initialized != 0 || wave_.empty() || sound_.empty()) return;
        waveBankResult = FACTAudioEngine_CreateInMemoryWaveBank(engine_, wave_.data(),
                                                                static_cast<uint32_t>(wave_.size()), 0, 0, &waveBank_);
        soundBankResult = FACTAudioEngine_CreateSoundBank(engine_, sound_.data(),
                                                          static_cast<uint32_t>(sound_.size()), 0, 0, &soundBank_);
    }
    ~Engine() {
        if (!engine_) return;
        FACTAudioEngine_ShutDown(engine_);
        FACTAudioEngine_Release(engine_);
    }
    bool ready() const {
        return created == 0 && initialized == 0 && waveBankResult == 0 && soundBankResult == 0 && soundBank_;
    }
    uint16_t cueIndex(const char* name) { return FACTSoundBank_GetCueIndex(soundBank_, name); }
    uint32_t play(uint16_t cue) { return FACTSoundBank_Play(soundBank_, cue, 0, 0, nullptr); }
    void doWork() { FACTAudioEngine_DoWork(engine_); }

    uint32_t created = ~0u, initialized = ~0u, waveBankResult = ~0u, soundBankResult = ~0u;

private:
    std::vector<uint8_t> wave_, sound_;
    FACTAudioEngine* engine_ = nullptr;
    FACTWaveBank* waveBank_ = nullptr;
    FACTSoundBank* soundBank_ = nullptr;
};

void expectGameCueIndices(Engine& e) {
    EXPECT_EQ(e.created, 0u);
    EXPECT_EQ(e.initialized, 0u);
    EXPECT_EQ(e.waveBankResult, 0u);
    EXPECT_EQ(e.soundBankResult, 0u);
    ASSERT_TRUE(e.ready());
    EXPECT_EQ(e.cueIndex("dingdelay"), 0);
    EXPECT_EQ(e.cueIndex("Lumo-XCity"), 1);
    EXPECT_EQ(e.cueIndex("Lumo-MyColor"), 2);
    // Lookup is exact and case-sensitive.
    EXPECT_EQ(e.cueIndex("DingDelay"), kNoCue);
    EXPECT_EQ(e.cueIndex("Lumo-XCity "), kNoCue);
    EXPECT_EQ(e.cueIndex(""), kNoCue);
}

TEST(FAudio, LoadsWrittenBanksWithTheGameCueIndices) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const fs::path dir = freshDir("load");
    buildSineBanks(dir);
    {
        Engine e(dir);
        expectGameCueIndices(e);
    }
    fs::remove_all(dir);
}

// The banks the game ships, as committed.
TEST(FAudio, LoadsTheCommittedBanks) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const fs::path dir = GROCERUSH_AUDIO_DIR;
    ASSERT_TRUE(fs::exists(dir / "Wave Bank.xwb"));
    ASSERT_TRUE(fs::exists(dir / "Sound Bank.xsb"));
    Engine e(dir);
    expectGameCueIndices(e);
}

// ---------------------------------------------------------------- what the engine plays

// 10 ms RMS windows of SDL's disk capture (the engine mixes to 32-bit float stereo).
std::vector<double> windowRms(const std::vector<uint8_t>& raw, uint32_t rate) {
    const size_t floats = raw.size() / 4;
    std::vector<float> s(floats);
    std::memcpy(s.data(), raw.data(), floats * 4);
    const size_t window = rate / 100 * 2;
    std::vector<double> out;
    for (size_t at = 0; at + window <= floats; at += window) {
        double sum = 0;
        for (size_t i = at; i < at + window; ++i) sum += double{s[i]} * s[i];
        out.push_back(std::sqrt(sum / window));
    }
    return out;
}

// Plays one cue with the disk driver until `seconds` of output exist, and returns the capture.
std::vector<uint8_t> capture(const fs::path& banks, const char* cue, double seconds) {
    const fs::path file = banks / "capture.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    {
        Engine e(banks);
        EXPECT_TRUE(e.ready());
        if (!e.ready()) return {};
        EXPECT_EQ(e.play(e.cueIndex(cue)), 0u);
        const auto wanted = static_cast<uintmax_t>(seconds * 48000 * 2 * 4);
        // The driver writes at the pace of real time; give up long after it should have finished.
        for (int i = 0; i < 3000 && (!fs::exists(file) || fs::file_size(file) < wanted); ++i) {
            e.doWork();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return fixture::readFile(file.string());
}

struct Burst {
    size_t first = 0, windows = 0, gaps = 0;
};

// The span of windows louder than `floor`, and how many quiet windows lie inside it.
Burst loudSpan(const std::vector<double>& rms, double floor) {
    Burst b;
    size_t last = 0;
    bool any = false;
    for (size_t i = 0; i < rms.size(); ++i) {
        if (rms[i] < floor) continue;
        if (!any) b.first = i;
        any = true;
        last = i;
    }
    if (!any) return b;
    b.windows = last - b.first + 1;
    for (size_t i = b.first; i <= last; ++i) b.gaps += rms[i] < floor;
    return b;
}

TEST(FAudio, EffectCuePlaysOnceAtFullLevel) {
    const fs::path dir = freshDir("ding");
    buildSineBanks(dir);
    const auto rms = windowRms(capture(dir, "dingdelay", 1.5), 48000);
    fs::remove_all(dir);
    ASSERT_GT(rms.size(), 100u);
    const Burst b = loudSpan(rms, 0.05);
    // 0.30 s of sine: 30 windows, give or take the two it straddles.
    EXPECT_GE(b.windows, 29u);
    EXPECT_LE(b.windows, 32u);
    EXPECT_EQ(b.gaps, 0u);
    // Amplitude 0.5 reaches both channels unchanged: RMS 0.354.
    EXPECT_NEAR(rms[b.first + 10], 0.354, 0.02);
    EXPECT_LT(b.first + b.windows + 20, rms.size()) << "capture should show silence after the effect";
}

TEST(FAudio, MusicCueLoopsWithoutAGap) {
    const fs::path dir = freshDir("loop");
    buildSineBanks(dir);
    const auto rms = windowRms(capture(dir, "Lumo-XCity", 2.0), 48000);
    fs::remove_all(dir);
    ASSERT_GT(rms.size(), 150u);
    const Burst b = loudSpan(rms, 0.05);
    // A 0.25 s wave that is still sounding, unbroken, at the end of a two-second capture.
    EXPECT_GE(b.first + b.windows, rms.size() - 1);
    EXPECT_GT(b.windows, 100u);
    EXPECT_EQ(b.gaps, 0u);
}

} // namespace
