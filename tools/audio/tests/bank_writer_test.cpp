// Runs the real xact-banks program on WAV files made here, then reads what it wrote with the
// separate reader in BankReader.h and checks the layout FAudio 23.02 needs.

#include "BankReader.h"
#include "WavFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sys/wait.h>

namespace fs = std::filesystem;
using fixture::WavShape;

namespace {

struct CueCase {
    std::string name;
    bool music;
    WavShape wav;
};

struct ListCase {
    const char* label;
    std::vector<CueCase> cues;
};

WavShape wav(uint16_t channels, uint32_t rate, uint32_t frames) {
    WavShape s;
    s.channels = channels;
    s.rate = rate;
    s.frames = frames;
    return s;
}

fs::path freshDir(const std::string& label) {
    std::string pattern = (fs::temp_directory_path() / ("bankwriter-" + label + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

struct ToolRun {
    int exitCode;
    std::string output;
};

// `args` are already quoted.
ToolRun runBankTool(const fs::path& dir, const std::string& args) {
    const fs::path log = dir / "tool.log";
    const std::string cmd = quoted(XACT_BANKS_EXE) + " " + args + " >" + quoted(log.string()) + " 2>&1";
    const int status = std::system(cmd.c_str());
    const auto bytes = fixture::readFile(log.string());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(bytes.begin(), bytes.end())};
}

// Writes each cue's WAV into `dir`, runs the tool and returns its result; the WAV samples are
// kept so the banks can be compared with them.
ToolRun buildBanks(const fs::path& dir, const std::vector<CueCase>& cues, std::vector<std::vector<uint8_t>>* samples) {
    std::string args = "--out " + quoted(dir.string());
    for (size_t i = 0; i < cues.size(); ++i) {
        const auto data = fixture::patternSamples(cues[i].wav, static_cast<int>(i));
        if (samples) samples->push_back(data);
        const fs::path file = dir / ("cue" + std::to_string(i) + ".wav");
        fixture::writeFile(file.string(), fixture::wavBytes(cues[i].wav, data));
        args += std::string(cues[i].music ? " --music " : " --effect ") + quoted(cues[i].name) + " " +
                quoted(file.string());
    }
    return runBankTool(dir, args);
}

const std::vector<ListCase> kLists = {
    // The game's own three cues; 1103 mono frames leave the next wave unaligned without padding.
    {"game",
     {{"dingdelay", false, wav(1, 44100, 1103)},
      {"Lumo-XCity", true, wav(2, 44100, 441)},
      {"Lumo-MyColor", true, wav(1, 22050, 333)}}},
    {"one_effect", {{"blip", false, wav(2, 22050, 7)}}},
    {"music_first",
     {{"theme", true, wav(2, 22050, 501)},
      {"a b", false, wav(1, 22050, 1)},
      {"c", false, wav(2, 44100, 3)},
      {"outro", true, wav(1, 44100, 257)}}},
};

class Layout : public ::testing::TestWithParam<ListCase> {
protected:
    void SetUp() override {
        dir = freshDir(GetParam().label);
        const ToolRun run = buildBanks(dir, GetParam().cues, &sources);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        waveBytes = fixture::readFile((dir / "Wave Bank.xwb").string());
        soundBytes = fixture::readFile((dir / "Sound Bank.xsb").string());
        wb = bankread::readWaveBank(waveBytes);
        sb = bankread::readSoundBank(soundBytes);
    }
    void TearDown() override { fs::remove_all(dir); }

    uint32_t count() const { return static_cast<uint32_t>(GetParam().cues.size()); }

    fs::path dir;
    std::vector<std::vector<uint8_t>> sources;
    std::vector<uint8_t> waveBytes, soundBytes;
    bankread::WaveBank wb;
    bankread::SoundBank sb;
};

TEST_P(Layout, WaveBankHeader) {
    const uint32_t n = count();
    EXPECT_EQ(wb.signature, "WBND");
    EXPECT_EQ(wb.contentVersion, 46u);
    EXPECT_EQ(wb.headerVersion, 44u);
    EXPECT_EQ(wb.segments[0].offset, 52u);
    EXPECT_EQ(wb.segments[0].length, 96u);
    EXPECT_EQ(wb.segments[1].offset, 148u);
    EXPECT_EQ(wb.segments[1].length, 24 * n);
    EXPECT_EQ(wb.segments[2].length, 0u);
    EXPECT_EQ(wb.segments[3].length, 0u);
    EXPECT_EQ(wb.flags, 0u);
    EXPECT_EQ(wb.entryCount, n);
    EXPECT_EQ(wb.metadataSize, 24u);
    EXPECT_EQ(wb.name, "Wave Bank");
    ASSERT_EQ(sb.waveBankNames.size(), 1u);
    EXPECT_EQ(wb.name, sb.waveBankNames[0]);
    EXPECT_GT(wb.alignment, 0u);
    const uint32_t entriesEnd = 148 + 24 * n;
    const uint32_t d = (entriesEnd + wb.alignment - 1) / wb.alignment * wb.alignment;
    EXPECT_EQ(wb.segments[4].offset, d);
    EXPECT_EQ(waveBytes.size(), size_t{wb.segments[4].offset} + wb.segments[4].length);
}

TEST_P(Layout, WaveEntriesHoldTheSourceSamples) {
    ASSERT_EQ(wb.entries.size(), count());
    const bankread::Cursor c(waveBytes);
    const auto& data = wb.segments[4];
    uint64_t lastEnd = 0;
    for (size_t i = 0; i < wb.entries.size(); ++i) {
        SCOPED_TRACE("wave " + std::to_string(i));
        const auto& e = wb.entries[i];
        const WavShape& src = GetParam().cues[i].wav;
        EXPECT_EQ(e.flags, 0u);
        EXPECT_EQ(e.formatTag, 0u);
        EXPECT_EQ(e.channels, src.channels);
        EXPECT_EQ(e.rate, src.rate);
        EXPECT_EQ(e.sixteenBit, 1u);
        EXPECT_EQ(e.blockAlign, src.channels * 2u);
        EXPECT_EQ(e.duration, src.frames);
        EXPECT_EQ(uint64_t{e.duration} * e.channels * 2, e.playLength);
        EXPECT_EQ(e.playOffset % wb.alignment, 0u);
        EXPECT_LE(uint64_t{e.playOffset} + e.playLength, data.length);
        EXPECT_GE(e.playOffset, lastEnd) << "waves overlap";
        EXPECT_TRUE(e.loopStart == 0 && (e.loopLength == 0 || e.loopLength == e.duration));
        // The gap before each wave is zero padding.
        for (uint64_t p = lastEnd; p < e.playOffset; ++p) EXPECT_EQ(c.u8(data.offset + p), 0u);
        EXPECT_EQ(c.slice(data.offset + e.playOffset, e.playLength), sources[i]);
        lastEnd = uint64_t{e.playOffset} + e.playLength;
    }
    EXPECT_EQ(lastEnd, data.length) << "wave data segment must end with the last wave";
}

TEST_P(Layout, SoundBankSectionsAreBackToBack) {
    const uint32_t n = count();
    EXPECT_EQ(sb.signature, "SDBK");
    EXPECT_EQ(sb.contentVersion, 46u);
    EXPECT_EQ(sb.toolVersion, 43u);
    EXPECT_EQ(sb.platform, 1u);
    EXPECT_EQ(sb.simpleCueCount, n);
    EXPECT_EQ(sb.complexCueCount, 0u);
    EXPECT_EQ(sb.soundCount, n);
    EXPECT_EQ(sb.waveBankCount, 1u);
    EXPECT_EQ(sb.hashCount, 0u);
    // Each stored offset is where the front-to-back walk found the section.
    EXPECT_EQ(sb.waveBankNamesOffset, sb.walk.waveBankNames);
    EXPECT_EQ(sb.waveBankNamesOffset, 138u);
    EXPECT_EQ(sb.soundsOffset, sb.walk.sounds);
    EXPECT_EQ(sb.simpleCuesOffset, sb.walk.simpleCues);
    EXPECT_EQ(sb.nameIndexOffset, sb.walk.nameIndex);
    EXPECT_EQ(sb.namesOffset, sb.walk.names);
    for (uint32_t absent : {sb.complexCuesOffset, sb.variationsOffset, sb.transitionsOffset, sb.hashOffset})
        EXPECT_EQ(absent, 0xFFFFFFFFu);
    EXPECT_EQ(sb.walk.end, soundBytes.size()) << "bytes after the last cue name";
    uint32_t nameBytes = 0;
    for (const auto& name : sb.names) nameBytes += static_cast<uint32_t>(name.text.size() + 1);
    EXPECT_EQ(sb.nameBytes, nameBytes);
    // Sizes given for this bank shape: 74 + 64 + 64 + sounds + 11 per cue + names.
    uint32_t expected = 74 + 64 + 64 + 11 * n + nameBytes;
    for (const auto& c : GetParam().cues) expected += c.music ? 36 : 12;
    EXPECT_EQ(soundBytes.size(), expected);
}

TEST_P(Layout, EveryCuePlaysItsOwnSound) {
    ASSERT_EQ(sb.cues.size(), count());
    std::set<uint32_t> soundStarts;
    for (const auto& s : sb.sounds) soundStarts.insert(s.at);
    std::set<uint32_t> used;
    for (size_t i = 0; i < sb.cues.size(); ++i) {
        SCOPED_TRACE("cue " + std::to_string(i));
        const CueCase& want = GetParam().cues[i];
        const auto& cue = sb.cues[i];
        EXPECT_EQ(cue.flags, 0x04u);
        ASSERT_TRUE(soundStarts.count(cue.soundAt)) << "cue points inside or past a sound";
        EXPECT_TRUE(used.insert(cue.soundAt).second);
        const bankread::Sound& s = *std::find_if(sb.sounds.begin(), sb.sounds.end(),
                                                 [&](const bankread::Sound& x) { return x.at == cue.soundAt; });
        EXPECT_LT(s.waveIndex, wb.entryCount);
        EXPECT_EQ(s.waveBank, 0u);
        EXPECT_LT(s.category, 3u);
        EXPECT_EQ(s.volume, 0xB4u);
        EXPECT_EQ(s.pitch, 0);
        EXPECT_EQ(s.entryLength, s.size);
        // The wave this cue plays is the one made from this cue's own WAV.
        const auto& e = wb.entries[s.waveIndex];
        EXPECT_EQ(bankread::Cursor(waveBytes).slice(wb.segments[4].offset + e.playOffset, e.playLength), sources[i]);
        if (!want.music) {
            EXPECT_EQ(s.flags, 0u);
            EXPECT_EQ(s.category, 1u);
            continue;
        }
        EXPECT_EQ(s.flags, 1u);
        EXPECT_EQ(s.category, 2u);
        EXPECT_EQ(s.trackCount, 1u);
        EXPECT_EQ(s.trackVolume, 0xB4u);
        EXPECT_EQ(s.eventListAt, s.at + 19);
        EXPECT_EQ(s.filter, 0u);
        EXPECT_EQ(s.eventCount, 1u);
        EXPECT_EQ(s.eventInfo, 1u) << "play-wave event at 0 ms";
        EXPECT_EQ(s.separator, 0xFFu);
        EXPECT_EQ(s.loopCount, 255u);
    }
}

TEST_P(Layout, NamesGiveTheInputOrder) {
    ASSERT_EQ(sb.names.size(), count());
    ASSERT_EQ(sb.nameIndex.size(), count());
    std::set<std::string> unique;
    for (size_t k = 0; k < sb.names.size(); ++k) {
        EXPECT_EQ(sb.nameIndex[k].nameAt, sb.names[k].at);
        EXPECT_FALSE(sb.names[k].text.empty());
        EXPECT_TRUE(unique.insert(sb.names[k].text).second);
        EXPECT_EQ(sb.names[k].text, GetParam().cues[k].name);
    }
    EXPECT_EQ(sb.bankName, "Sound Bank");
}

INSTANTIATE_TEST_SUITE_P(Lists, Layout, ::testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.label); });

// The three-cue layout given for FAudio: sounds at 202/214/250, cues at 286, index 301, names 319.
TEST(KnownLayout, GameCuesMatchTheMeasuredOffsets) {
    const fs::path dir = freshDir("known");
    ASSERT_EQ(buildBanks(dir, kLists[0].cues, nullptr).exitCode, 0);
    const auto bytes = fixture::readFile((dir / "Sound Bank.xsb").string());
    fs::remove_all(dir);
    const auto sb = bankread::readSoundBank(bytes);
    EXPECT_EQ(bytes.size(), 353u);
    ASSERT_EQ(sb.sounds.size(), 3u);
    EXPECT_EQ(sb.sounds[0].at, 202u);
    EXPECT_EQ(sb.sounds[1].at, 214u);
    EXPECT_EQ(sb.sounds[2].at, 250u);
    EXPECT_EQ(sb.simpleCuesOffset, 286u);
    EXPECT_EQ(sb.nameIndexOffset, 301u);
    EXPECT_EQ(sb.namesOffset, 319u);
}

// Formats the engine decodes the same way; the mini format packs to these exact words.
TEST(KnownLayout, MiniFormatWords) {
    const struct { uint16_t channels; uint32_t rate; uint32_t word; } table[] = {
        {1, 22050, 0x810AC444u}, {1, 44100, 0x81158884u}, {2, 22050, 0x820AC448u}, {2, 44100, 0x82158888u}};
    const fs::path dir = freshDir("formats");
    std::vector<CueCase> cues;
    for (const auto& row : table) cues.push_back({"w" + std::to_string(cues.size()), false, wav(row.channels, row.rate, 5)});
    ASSERT_EQ(buildBanks(dir, cues, nullptr).exitCode, 0);
    const auto bytes = fixture::readFile((dir / "Wave Bank.xwb").string());
    fs::remove_all(dir);
    const bankread::Cursor c(bytes);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(c.u32(148 + 24 * i + 4), table[i].word) << "row " << i;
}

// WAV files the writer must take as they are: the extensible header and extra chunks.
TEST(Inputs, AcceptsExtensiblePcmAndExtraChunks) {
    WavShape ext = wav(2, 44100, 40);
    ext.tag = 0xFFFE;
    WavShape listed = wav(1, 22050, 41);
    listed.listChunkFirst = true;
    const fs::path dir = freshDir("accept");
    std::vector<std::vector<uint8_t>> samples;
    const ToolRun run = buildBanks(dir, {{"ext", false, ext}, {"listed", true, listed}}, &samples);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const auto bytes = fixture::readFile((dir / "Wave Bank.xwb").string());
    fs::remove_all(dir);
    const auto wb = bankread::readWaveBank(bytes);
    const bankread::Cursor c(bytes);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(c.slice(wb.segments[4].offset + wb.entries[i].playOffset, wb.entries[i].playLength), samples[i]);
}

// ---------------------------------------------------------------- refusals

struct Refusal {
    const char* label;
    WavShape wav;
    const char* expected; // part of the message
};

WavShape with(void (*edit)(WavShape&)) {
    WavShape s = wav(1, 44100, 64);
    edit(s);
    return s;
}

const Refusal kRefusals[] = {
    {"float32", with([](WavShape& s) { s.tag = 3; s.bits = 32; }), "format tag 3 is not integer PCM"},
    {"extensible_float", with([](WavShape& s) { s.tag = 0xFFFE; s.subFormatTag = 3; s.bits = 32; }), "format tag 3 is not integer PCM"},
    {"adpcm", with([](WavShape& s) { s.tag = 2; }), "format tag 2 is not integer PCM"},
    {"pcm8", with([](WavShape& s) { s.bits = 8; }), "8-bit samples"},
    {"pcm24", with([](WavShape& s) { s.bits = 24; }), "24-bit samples"},
    {"three_channels", with([](WavShape& s) { s.channels = 3; }), "3 channels"},
    {"six_channels_extensible", with([](WavShape& s) { s.tag = 0xFFFE; s.channels = 6; }), "6 channels"},
    {"rate48000", with([](WavShape& s) { s.rate = 48000; }), "sample rate 48000 Hz"},
    {"rate11025", with([](WavShape& s) { s.rate = 11025; }), "sample rate 11025 Hz"},
    {"no_data_chunk", with([](WavShape& s) { s.writeData = false; }), "no data chunk"},
    {"empty_data", with([](WavShape& s) { s.frames = 0; }), "data chunk is empty"},
    {"truncated", with([](WavShape& s) { s.cutTail = 10; }), "truncated"},
};

class Refuses : public ::testing::TestWithParam<Refusal> {};

// A refused input gives a clear message, a non-zero exit and no bank files, even when good cues
// come before it.
TEST_P(Refuses, BadWav) {
    const Refusal& r = GetParam();
    const fs::path dir = freshDir(r.label);
    WavShape good = wav(2, 44100, 10);
    const ToolRun run = buildBanks(dir, {{"good", false, good}, {"bad", true, r.wav}}, nullptr);
    const bool anyBank = fs::exists(dir / "Wave Bank.xwb") || fs::exists(dir / "Sound Bank.xsb");
    fs::remove_all(dir);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find(r.expected), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("cue1.wav"), std::string::npos) << "message should name the file: " << run.output;
    EXPECT_FALSE(anyBank);
}

INSTANTIATE_TEST_SUITE_P(Wavs, Refuses, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(RefusesInput, NotAWavOrMissing) {
    const fs::path dir = freshDir("notwav");
    fixture::writeFile((dir / "text.wav").string(), {'h', 'e', 'l', 'l', 'o', '\n'});
    const ToolRun text = runBankTool(dir, "--out " + quoted(dir.string()) + " --effect a " + quoted((dir / "text.wav").string()));
    const ToolRun missing = runBankTool(dir, "--out " + quoted(dir.string()) + " --effect a " + quoted((dir / "none.wav").string()));
    fs::remove_all(dir);
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_NE(text.output.find("not a RIFF/WAVE file"), std::string::npos) << text.output;
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("cannot open"), std::string::npos) << missing.output;
}

TEST(RefusesInput, BadCueLists) {
    const struct { const char* label; std::vector<CueCase> cues; const char* expected; } table[] = {
        {"same name twice", {{"ding", false, wav(1, 44100, 4)}, {"ding", true, wav(1, 44100, 4)}}, "used twice"},
        {"empty name", {{"", false, wav(1, 44100, 4)}}, "empty name"},
    };
    for (const auto& row : table) {
        const fs::path dir = freshDir("list");
        const ToolRun run = buildBanks(dir, row.cues, nullptr);
        const bool anyBank = fs::exists(dir / "Wave Bank.xwb");
        fs::remove_all(dir);
        EXPECT_EQ(run.exitCode, 1) << row.label;
        EXPECT_NE(run.output.find(row.expected), std::string::npos) << row.label << ": " << run.output;
        EXPECT_FALSE(anyBank) << row.label;
    }
}

TEST(RefusesInput, UsageErrors) {
    const fs::path dir = freshDir("usage");
    const ToolRun noCues = runBankTool(dir, "--out " + quoted(dir.string()));
    const ToolRun noOut = runBankTool(dir, "--effect a b.wav");
    const ToolRun dangling = runBankTool(dir, "--out " + quoted(dir.string()) + " --music a");
    fs::remove_all(dir);
    for (const ToolRun& r : {noCues, noOut, dangling}) {
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.output.find("usage:"), std::string::npos) << r.output;
    }
}

} // namespace
