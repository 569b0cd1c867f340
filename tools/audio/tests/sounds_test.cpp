// The banks the game ships: the three cues are what the game asks for, in length, level and
// loop seam. Read with the tests' own bank reader.

#include "BankReader.h"
#include "WavFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Wave {
    uint32_t channels, rate;
    std::vector<int16_t> samples; // interleaved
    double seconds() const { return double(samples.size()) / channels / rate; }
    int peak() const {
        int p = 0;
        for (int16_t s : samples) p = std::max(p, std::abs(int{s}));
        return p;
    }
};

class CommittedBanks : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string dir = GROCERUSH_AUDIO_DIR;
        waveBytes = new std::vector<uint8_t>(fixture::readFile(dir + "/Wave Bank.xwb"));
        soundBytes = new std::vector<uint8_t>(fixture::readFile(dir + "/Sound Bank.xsb"));
    }
    static void TearDownTestSuite() {
        delete waveBytes;
        delete soundBytes;
    }

    static Wave wave(size_t i) {
        const auto wb = bankread::readWaveBank(*waveBytes);
        const auto& e = wb.entries.at(i);
        const auto raw = bankread::Cursor(*waveBytes).slice(wb.segments[4].offset + e.playOffset, e.playLength);
        Wave w{e.channels, e.rate, {}};
        for (size_t k = 0; k + 1 < raw.size(); k += 2) w.samples.push_back(int16_t(raw[k] | (raw[k + 1] << 8)));
        return w;
    }

    static std::vector<uint8_t>* waveBytes;
    static std::vector<uint8_t>* soundBytes;
};
std::vector<uint8_t>* CommittedBanks::waveBytes = nullptr;
std::vector<uint8_t>* CommittedBanks::soundBytes = nullptr;

TEST_F(CommittedBanks, HoldTheGameCuesInOrder) {
    const auto sb = bankread::readSoundBank(*soundBytes);
    ASSERT_EQ(sb.names.size(), 3u);
    EXPECT_EQ(sb.names[0].text, "dingdelay");
    EXPECT_EQ(sb.names[1].text, "Lumo-XCity");
    EXPECT_EQ(sb.names[2].text, "Lumo-MyColor");
    EXPECT_EQ(sb.sounds[0].flags, 0u) << "the ding plays once";
    EXPECT_EQ(sb.sounds[1].loopCount, 255u);
    EXPECT_EQ(sb.sounds[2].loopCount, 255u);
}

TEST_F(CommittedBanks, FitTheSizeBudget) {
    EXPECT_LT(waveBytes->size() + soundBytes->size(), 12u * 1024 * 1024);
}

TEST_F(CommittedBanks, CueLengths) {
    EXPECT_GE(wave(0).seconds(), 0.4);
    EXPECT_LE(wave(0).seconds(), 0.8);
    EXPECT_GE(wave(1).seconds(), 30.0);
    EXPECT_LE(wave(1).seconds(), 60.0);
    EXPECT_GE(wave(2).seconds(), 10.0);
    EXPECT_LE(wave(2).seconds(), 30.0);
}

// Nothing clips, and the music sits under the ding so a pick-up is heard over it.
TEST_F(CommittedBanks, LevelsLeaveRoomForTheDing) {
    const int ding = wave(0).peak();
    EXPECT_LT(ding, 32767);
    for (size_t i : {1u, 2u}) {
        const int music = wave(i).peak();
        EXPECT_LT(music, ding) << "cue " << i;
        EXPECT_GT(music, ding / 4) << "cue " << i << " should still be comfortably loud";
    }
}

// The ding is one event: the strike comes first, each echo (a local peak in the level) is
// quieter than the one before, and it has died away by the end.
TEST_F(CommittedBanks, DingIsOneCleanEvent) {
    const Wave w = wave(0);
    const size_t window = w.rate / 200 * w.channels; // 5 ms
    std::vector<double> rms;
    for (size_t at = 0; at + window <= w.samples.size(); at += window) {
        double sum = 0;
        for (size_t i = at; i < at + window; ++i) sum += double(w.samples[i]) * w.samples[i];
        rms.push_back(std::sqrt(sum / window) / 32768.0);
    }
    ASSERT_GT(rms.size(), 20u);
    const size_t loudest = std::max_element(rms.begin(), rms.end()) - rms.begin();
    EXPECT_LE(loudest, 2u) << "the strike comes first";
    std::vector<double> peaks{rms[loudest]};
    double dip = rms[loudest];
    for (size_t i = loudest + 1; i + 1 < rms.size(); ++i) {
        dip = std::min(dip, rms[i]);
        // A new onset: a local peak clearly above the trough before it.
        if (rms[i] >= rms[i - 1] && rms[i] >= rms[i + 1] && rms[i] > 1.3 * dip) {
            EXPECT_LT(rms[i], peaks.back()) << "echo at " << i * 5 << " ms is louder than the sound before it";
            peaks.push_back(rms[i]);
            dip = rms[i];
        }
    }
    EXPECT_LE(peaks.size(), 8u) << "more onsets than a ding and its echoes";
    EXPECT_LT(rms.back(), rms[loudest] / 100) << "should have faded by 40 dB at the end";
}

// Played round, the last sample flows into the first: the step across the seam is no bigger
// than the steps the music itself makes in the few milliseconds around it.
TEST_F(CommittedBanks, MusicLoopsWithoutAClick) {
    for (size_t i : {1u, 2u}) {
        const Wave w = wave(i);
        const size_t ch = w.channels, frames = w.samples.size() / ch, around = w.rate / 200; // 5 ms
        for (size_t c = 0; c < ch; ++c) {
            auto at = [&](size_t f) { return int{w.samples[(f % frames) * ch + c]}; };
            int local = 0;
            for (size_t f = frames - around; f < frames + around; ++f)
                if (f != frames - 1) local = std::max(local, std::abs(at(f + 1) - at(f)));
            const int seam = std::abs(at(0) - at(frames - 1));
            EXPECT_LE(seam, std::max(local, 16)) << "cue " << i << " channel " << c;
        }
    }
}

} // namespace
