#include <FACT.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/Session.h"
#include "engine/Audio.h"
#include "platform/Xact.h"
#include "platform/sdl/BankCheck.h"
#include "support/TestSupport.h"

namespace {

std::vector<unsigned char> readBank(const char* name)
{
    std::ifstream in(testing_support::repositoryRoot() / "resources" / "audio" / "win" / name, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// --- What the sound device really played, through SDL's disk driver ----------------

// The disk driver writes the mix (48 kHz stereo float) to a file, faster than real
// time with a short delay per buffer; the file's length is the clock.
class Captured : public ::testing::Test {
protected:
    static constexpr double RATE = 48000;
    static constexpr long BYTES_PER_SECOND = 48000 * 2 * 4;

    void SetUp() override
    {
        file = (dir.path() / "mix.raw").string();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "1", 1);
        ASSERT_EQ(audio.initialize(), S_OK);
    }

    double position() const
    {
        struct stat s {};
        return stat(file.c_str(), &s) == 0 ? static_cast<double>(s.st_size) / BYTES_PER_SECOND : 0;
    }
    // Lets this many seconds of sound be mixed, giving the engine its work meanwhile.
    void play(double seconds)
    {
        const double until = position() + seconds;
        while (position() < until) {
            audio.run();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    // Loudness of each tenth of a second of the capture, from `from` seconds on.
    std::vector<double> loudness()
    {
        std::ifstream in(file, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const float* samples = reinterpret_cast<const float*>(bytes.data());
        const std::size_t count = bytes.size() / sizeof(float);
        const std::size_t window = static_cast<std::size_t>(RATE / 10) * 2;
        std::vector<double> rms;
        for (std::size_t at = 0; at + window <= count; at += window) {
            double sum = 0;
            for (std::size_t i = at; i < at + window; ++i) sum += samples[i] * samples[i];
            rms.push_back(std::sqrt(sum / window));
        }
        return rms;
    }
    static bool loud(double rms) { return rms > 0.005; }

    testing_support::TempDir dir;
    std::string file;
    Audio audio;
};

TEST_F(Captured, TheDingSoundsOnceAndEnds)
{
    play(0.5);
    const double started = position();
    audio.playCue(audioNS::DING);
    play(3);
    const auto rms = loudness();
    const std::size_t start = static_cast<std::size_t>(started * 10);
    ASSERT_GT(rms.size(), start + 25);
    int loudTenths = 0;
    for (std::size_t i = start; i < start + 25; ++i) loudTenths += loud(rms[i]);
    EXPECT_GE(loudTenths, 3) << "it rings for a few tenths of a second";
    EXPECT_LE(loudTenths, 10) << "and then stops";
    for (std::size_t i = start + 12; i < rms.size(); ++i) EXPECT_FALSE(loud(rms[i])) << "tenth " << i - start;
    for (std::size_t i = 0; i + 1 < start; ++i) EXPECT_FALSE(loud(rms[i]));
}

struct MusicCase {
    const char* cue;
    double waveSeconds;
};

class CapturedMusic : public Captured, public ::testing::WithParamInterface<MusicCase> {};

TEST_P(CapturedMusic, PlaysOnPastTheEndOfItsWaveUntilStoppedAndIsSilentAfter)
{
    const MusicCase& c = GetParam();
    play(0.3);
    const double started = position();
    audio.playCue(c.cue);
    play(c.waveSeconds + 1.5);
    const double stopped = position();
    audio.stopCue(c.cue);
    play(1.5);
    const auto rms = loudness();
    const auto tenth = [](double seconds) { return static_cast<std::size_t>(seconds * 10); };
    ASSERT_GT(rms.size(), tenth(stopped) + 10);
    // Allow a tenth either side for when the engine's thread takes the calls.
    int quiet = 0;
    for (std::size_t i = tenth(started) + 2; i < tenth(stopped) - 1; ++i) quiet += !loud(rms[i]);
    EXPECT_LE(quiet, 3) << "the music keeps going through its loop point";
    for (std::size_t i = tenth(stopped) + 3; i < rms.size(); ++i) EXPECT_FALSE(loud(rms[i])) << "after the stop";
}

INSTANTIATE_TEST_SUITE_P(Audio, CapturedMusic,
                         ::testing::Values(MusicCase{audioNS::VICTORY_MUSIC, 13.7}, MusicCase{audioNS::TITLE_MUSIC, 48.0}),
                         [](const auto& info) { return std::string(info.param.cue == audioNS::TITLE_MUSIC ? "Title" : "Victory"); });

TEST_F(Captured, AnUnknownCuePlaysNothing)
{
    play(0.3);
    audio.playCue("DingDelay");
    audio.playCue("");
    audio.stopCue("nothing at all");
    play(1);
    for (double rms : loudness()) EXPECT_FALSE(loud(rms));
}

// --- Banks that are not what they should be -----------------------------------------

TEST(SoundBanks, OurOwnBanksPassTheChecks)
{
    const auto wave = readBank("Wave Bank.xwb");
    const auto sound = readBank("Sound Bank.xsb");
    platform::sdl::WaveBankFacts waves;
    platform::sdl::SoundBankFacts sounds;
    std::string why;
    ASSERT_TRUE(platform::sdl::checkWaveBank(wave.data(), wave.size(), waves, why)) << why;
    EXPECT_EQ(waves.entries, 3u);
    ASSERT_TRUE(platform::sdl::checkSoundBank(sound.data(), sound.size(), waves, sounds, why)) << why;
    EXPECT_EQ(sounds.cues, 3u);
}

TEST(SoundBanks, EveryTruncationOfEitherBankIsRefused)
{
    const auto wave = readBank("Wave Bank.xwb");
    const auto sound = readBank("Sound Bank.xsb");
    platform::sdl::WaveBankFacts waves;
    platform::sdl::SoundBankFacts sounds;
    std::string why;
    ASSERT_TRUE(platform::sdl::checkWaveBank(wave.data(), wave.size(), waves, why));
    for (std::size_t length = 0; length < sound.size(); ++length) {
        EXPECT_FALSE(platform::sdl::checkSoundBank(sound.data(), length, waves, sounds, why)) << length;
    }
    for (std::size_t length : {std::size_t{0}, std::size_t{3}, std::size_t{4}, std::size_t{12}, std::size_t{51},
                               std::size_t{52}, std::size_t{100}, std::size_t{147}, std::size_t{148}, std::size_t{160},
                               std::size_t{219}, std::size_t{220}, std::size_t{1000}, wave.size() / 2, wave.size() - 1}) {
        platform::sdl::WaveBankFacts cut;
        EXPECT_FALSE(platform::sdl::checkWaveBank(wave.data(), length, cut, why)) << length;
    }
    EXPECT_FALSE(platform::sdl::checkWaveBank(nullptr, 0, waves, why));
    EXPECT_FALSE(platform::sdl::checkSoundBank(nullptr, 0, waves, sounds, why));
}

TEST(SoundBanks, ASoundBankForAnotherWaveBankOrWithTrailingBytesIsRefused)
{
    const auto sound = readBank("Sound Bank.xsb");
    platform::sdl::WaveBankFacts other{"Other Bank", 3};
    platform::sdl::SoundBankFacts sounds;
    std::string why;
    EXPECT_FALSE(platform::sdl::checkSoundBank(sound.data(), sound.size(), other, sounds, why));
    platform::sdl::WaveBankFacts fewer{"Wave Bank", 1}; // its cues play waves the bank does not have
    EXPECT_FALSE(platform::sdl::checkSoundBank(sound.data(), sound.size(), fewer, sounds, why));
    auto longer = sound;
    longer.push_back(0);
    platform::sdl::WaveBankFacts waves{"Wave Bank", 3};
    EXPECT_FALSE(platform::sdl::checkSoundBank(longer.data(), longer.size(), waves, sounds, why));
}

// Every one-byte change the checks let through is one the engine can live with: each
// such bank is loaded and every cue played and stopped, and the test must not crash.
TEST(SoundBanks, EveryChangedByteTheChecksAcceptIsSafeToPlay)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const auto wave = readBank("Wave Bank.xwb");
    const auto sound = readBank("Sound Bank.xsb");
    platform::sdl::WaveBankFacts waves;
    std::string why;
    ASSERT_TRUE(platform::sdl::checkWaveBank(wave.data(), wave.size(), waves, why));

    FACTAudioEngine* engine = nullptr;
    ASSERT_EQ(FACTCreateEngine(0, &engine), 0u);
    FACTRuntimeParameters parameters{};
    parameters.lookAheadTime = FACT_ENGINE_LOOKAHEAD_DEFAULT;
    ASSERT_EQ(FACTAudioEngine_Initialize(engine, &parameters), 0u);
    FACTWaveBank* waveBank = nullptr;
    ASSERT_EQ(FACTAudioEngine_CreateInMemoryWaveBank(engine, wave.data(), static_cast<uint32_t>(wave.size()), 0, 0, &waveBank), 0u);

    int accepted = 0, refused = 0;
    std::vector<std::vector<unsigned char>> keep; // the engine reads a bank in place
    for (std::size_t at = 0; at < sound.size(); ++at) {
        for (unsigned char change : {static_cast<unsigned char>(0xFF), static_cast<unsigned char>(0x01)}) {
            auto bank = sound;
            bank[at] ^= change;
            platform::sdl::SoundBankFacts facts;
            if (!platform::sdl::checkSoundBank(bank.data(), bank.size(), waves, facts, why)) {
                ++refused;
                continue;
            }
            ++accepted;
            keep.push_back(bank);
            FACTSoundBank* soundBank = nullptr;
            ASSERT_EQ(FACTAudioEngine_CreateSoundBank(engine, keep.back().data(), static_cast<uint32_t>(bank.size()), 0, 0,
                                                      &soundBank),
                      0u)
                << "byte " << at;
            for (uint16_t cue = 0; cue < facts.cues; ++cue) {
                FACTSoundBank_Play(soundBank, cue, 0, 0, nullptr);
                FACTAudioEngine_DoWork(engine);
                FACTSoundBank_Stop(soundBank, cue, FACT_FLAG_STOP_IMMEDIATE);
            }
            FACTSoundBank_Destroy(soundBank);
        }
    }
    FACTAudioEngine_ShutDown(engine);
    FACTAudioEngine_Release(engine);
    EXPECT_GT(accepted, 50) << "names, volumes and unused fields may change";
    EXPECT_GT(refused, 200) << "offsets, counts and kinds may not";
}

TEST(Audio, AnEngineThatCannotStartIsAFailureOfItsOwn)
{
    platform::failSoundEngineCreation(true);
    Audio audio;
    EXPECT_EQ(audio.initialize(), E_FAIL);
    audio.playCue(audioNS::DING); // safe without banks
    audio.run();
    platform::failSoundEngineCreation(false);
}

class ProbeGameForAudio : public Game {
public:
    void update() override {}
    void ai() override {}
    void collisions() override {}
    void render() override {}
};

TEST(Audio, TheGameReportsAnEngineThatCannotStart)
{
    platform::failSoundEngineCreation(true);
    app::Session session(new ProbeGameForAudio);
    try {
        session.start();
        FAIL() << "the game started without a sound engine";
    } catch (const GameError& e) {
        EXPECT_EQ(e.getMessage(), "Failed to initialise sound system.");
        EXPECT_EQ(e.getErrorCode(), gameErrorNS::FATAL_ERROR);
    }
    platform::failSoundEngineCreation(false);
}

} // namespace
