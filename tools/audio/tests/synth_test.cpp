// The synthesiser: reading scores, rendering them the same every time, and loops that play
// round without a seam.

#include "Renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using synth::parsePitch;
using synth::parseScore;
using synth::render;

int16_t sampleAt(const audio::PcmWave& w, size_t i) {
    return static_cast<int16_t>(w.samples[2 * i] | (w.samples[2 * i + 1] << 8));
}

TEST(Pitches, NamesToMidiNumbers) {
    const struct { const char* name; int midi; } table[] = {
        {"C4", 60}, {"A4", 69}, {"F#3", 54}, {"Bb5", 82}, {"C0", 12}, {"G8", 115},
        {"Cb4", 59}, {"B#3", 60}, {"E#4", 65}, {"Fb4", 64},
    };
    for (const auto& row : table) EXPECT_EQ(parsePitch(row.name), row.midi) << row.name;
    for (const char* bad : {"H4", "C", "C#", "c4", "C44", "C-1", "C9", "Cx4", ""}) EXPECT_EQ(parsePitch(bad), -1) << bad;
}

TEST(Pitches, ChordsAreVoicedCloseAboveTheLowestNote) {
    const struct { const char* symbol; int lowest; std::vector<int> notes; } table[] = {
        {"C", 55, {55, 60, 64}},            // G3 C4 E4
        {"Am", 55, {57, 60, 64}},           // A3 C4 E4
        {"G7", 55, {55, 59, 62, 65}},       // G3 B3 D4 F4
        {"F", 55, {57, 60, 65}},            // A3 C4 F4
        {"Dm7", 60, {60, 62, 65, 69}},
        {"Bbmaj7", 60, {62, 65, 69, 70}},
        {"F#dim", 60, {60, 66, 69}},
        {"Esus4", 52, {52, 57, 59}},
        {"Cadd9", 60, {60, 64, 67, 74}},
        {"C/E", 55, {52, 55, 60, 64}},      // the bass note goes under the chord
    };
    for (const auto& row : table) EXPECT_EQ(synth::chordPitches(row.symbol, row.lowest), row.notes) << row.symbol;
    for (const char* bad : {"", "H", "Cmajor", "C/", "C/X", "c"}) EXPECT_TRUE(synth::chordPitches(bad, 60).empty()) << bad;
}

// A small score that uses every instrument; `extra` lines go after the settings.
std::string tinyScore(const std::string& settings, const std::string& song = "song A") {
    return "title tiny\ntempo 150\nrate 22050\nchannels 2\n" + settings +
           "\n"
           "echo delay=0.5 feedback=0.4 damp=0.3\n"
           "instrument lead pluck echo=0.4\n"
           "instrument pad pad spread=0.5\n"
           "instrument keys keys\n"
           "instrument bell bell octave=1\n"
           "instrument bass bass\n"
           "instrument kit kit\n"
           "pattern tune notes 8\n"
           "  C5 - E5 G5' . A5! - -  | G5 - - - E5+G5 - - -\n"
           "end\n"
           "pattern chords chords 2\n"
           "  C Am | F G7\n"
           "end\n"
           "pattern low notes 4\n"
           "  C2 . G2 . | F2 . G2 -\n"
           "end\n"
           "pattern beat drums 8\n"
           "  kick   X...x...|x...x...\n"
           "  snare  ....X...|....X..g\n"
           "  hat    ..x...x.|..x...x.\n"
           "  tom    ........|..X.....\n"
           "end\n"
           "section A\n"
           "  lead tune\n"
           "  pad chords\n"
           "  keys chords\n"
           "  bell tune\n"
           "  bass low\n"
           "  kit beat\n"
           "end\n" +
           song + "\n";
}

TEST(Render, SameScoreGivesTheSameBytes) {
    const std::string text = tinyScore("loop on");
    const auto a = render(parseScore(text, "a"));
    const auto b = render(parseScore(text, "b"));
    ASSERT_FALSE(a.wave.samples.empty());
    EXPECT_EQ(a.wave.samples, b.wave.samples);
    EXPECT_GT(a.stats.rmsDb, -40.0) << "the test score should actually sound";
}

// The strongest check of a seamless loop: the rendered loop must equal what the same music
// sounds like in the middle of playing it over and over (notes held over the end, echoes and
// all). Noise drums are left out: their noise is seeded by the hit's time in the song.
TEST(Render, LoopEqualsTheMusicPlayedRoundAndRound) {
    const std::string settings = "master -6\n";
    std::string once = tinyScore("loop on\n" + settings);
    std::string many = tinyScore("loop off\n" + settings, "song A A A A A");
    for (std::string* text : {&once, &many}) {
        for (const char* drum : {"  kick ", "  snare ", "  hat "}) {
            const size_t at = text->find(drum);
            text->erase(at, text->find('\n', at) - at + 1);
        }
    }
    const auto loop = render(parseScore(once, "once"));
    const auto line = render(parseScore(many, "many"));
    const size_t frames = loop.wave.frameCount();
    ASSERT_EQ(frames, static_cast<size_t>(std::lround(2 * 4 * 60.0 / 150 * 22050)));
    // The fourth time round, when the overhang of the earlier passes (pad release, echoes:
    // longer than one pass) is all in.
    int worst = 0;
    for (size_t i = 0; i < frames * 2; ++i)
        worst = std::max(worst, std::abs(sampleAt(loop.wave, i) - sampleAt(line.wave, 3 * frames * 2 + i)));
    EXPECT_LE(worst, 1) << "only rounding may differ";
    EXPECT_LE(loop.stats.seamStep, loop.stats.largestStep);
}

TEST(Render, PeaksStayUnderTheCeiling) {
    const auto r = render(parseScore(tinyScore("loop on\nmaster 30\nceiling -6"), "loud"));
    const int ceiling = static_cast<int>(std::lround(32767 * std::pow(10.0, -6 / 20.0)));
    int peak = 0;
    for (size_t i = 0; i < r.wave.samples.size() / 2; ++i) peak = std::max(peak, std::abs(int{sampleAt(r.wave, i)}));
    EXPECT_LE(peak, ceiling);
    EXPECT_GT(peak, ceiling * 9 / 10) << "30 dB of gain should drive it right up to the ceiling";
    EXPECT_GT(r.stats.limitedSamples, 0u);
}

TEST(Render, OneShotStopsAtItsLengthAndEndsInSilence) {
    const auto r = render(parseScore(tinyScore("loop off\nlength 0.5\nchannels 1"), "cut"));
    EXPECT_EQ(r.wave.channels, 1);
    EXPECT_EQ(r.wave.sampleRate, 22050u);
    EXPECT_EQ(r.wave.frameCount(), 11025u);
    EXPECT_EQ(sampleAt(r.wave, r.wave.frameCount() - 1), 0);
}

// Every instrument sounds, and each note dies away to exactly nothing.
TEST(Render, EveryInstrumentSoundsAndEndsAtZero) {
    for (const char* type : {"pluck", "bass", "pad", "keys", "bell"}) {
        const std::string text = std::string("tempo 120\nrate 44100\nchannels 1\ninstrument x ") + type +
                                 "\npattern p notes 4\n A4 - . .\nend\nsection s\n x p\nend\nsong s\n";
        const auto r = render(parseScore(text, type));
        EXPECT_GT(r.stats.peakDb, -30.0) << type;
        EXPECT_EQ(sampleAt(r.wave, r.wave.frameCount() - 1), 0) << type;
        EXPECT_EQ(sampleAt(r.wave, 0), 0) << type << ": notes start from silence";
    }
    for (const char* piece : {"kick", "snare", "clap", "hat", "openhat", "shaker", "tom", "crash"}) {
        const std::string text = std::string("tempo 120\nrate 44100\nchannels 1\ninstrument k kit\n") +
                                 "pattern p drums 4\n " + piece + " x...\nend\nsection s\n k p\nend\nsong s\n";
        const auto r = render(parseScore(text, piece));
        EXPECT_GT(r.stats.peakDb, -30.0) << piece;
        EXPECT_EQ(sampleAt(r.wave, r.wave.frameCount() - 1), 0) << piece;
    }
}

// Mistakes in a score name the file and line and say what is wrong.
TEST(ScoreErrors, PointAtTheLine) {
    const std::string head = "tempo 120\ninstrument x pluck\ninstrument k kit\n";
    const std::string tail = "section s\n x p\nend\nsong s\n";
    const struct { const char* label; std::string text; const char* expected; } table[] = {
        {"bad note", head + "pattern p notes 4\n C4 H4 . .\nend\n" + tail, "f:5: \"H4\" is not a note"},
        {"short bar", head + "pattern p notes 4\n C4 . . | C4 . . .\nend\n" + tail, "f:5: bar has 3 steps, expected 4"},
        {"not whole bars", head + "pattern p notes 4\n C4 . . . C4\nend\n" + tail, "not a whole number of bars"},
        {"no end", head + "pattern p notes 4\n C4 . . .\n", "f:4: pattern \"p\" has no end"},
        {"bad chord", head + "pattern p chords 1\n Cmajor\nend\n" + tail, "f:5: \"Cmajor\" is not a chord symbol"},
        {"unknown instrument", head + "pattern p notes 1\n C4\nend\nsection s\n y p\nend\nsong s\n", "no instrument \"y\""},
        {"drums on a pluck", head + "pattern p drums 4\n kick x...\nend\n" + tail, "does not suit instrument \"x\""},
        {"unknown line", head + "tempi 100\n", "f:4: unknown line \"tempi\""},
        {"bad rate", "rate 48000\n", "f:1: rate must be 22050 or 44100"},
        {"missing section", head + "pattern p notes 1\n C4\nend\n" + tail + "song t\n", "no section \"t\""},
        {"no song", head, "no song line"},
        {"bad drum step", head + "pattern p drums 4\n kick x.o.\nend\nsection s\n k p\nend\nsong s\n", "drum step 'o'"},
    };
    for (const auto& row : table) {
        try {
            parseScore(row.text, "f");
            ADD_FAILURE() << row.label << ": accepted";
        } catch (const synth::ScoreError& e) {
            EXPECT_NE(std::string(e.what()).find(row.expected), std::string::npos) << row.label << ": " << e.what();
        }
    }
}

// Some mistakes only show once the instruments and the song are put together.
TEST(ScoreErrors, FoundWhenRendering) {
    const struct { const char* label; std::string text; const char* expected; } table[] = {
        {"unknown setting", "instrument x pluck wobble=3\npattern p notes 1\n C4\nend\nsection s\n x p\nend\nsong s\n",
         "has no setting \"wobble\""},
        {"unknown type", "instrument x theremin\npattern p notes 1\n C4\nend\nsection s\n x p\nend\nsong s\n",
         "unknown instrument type \"theremin\""},
        {"unknown drum", "instrument k kit\npattern p drums 4\n cowbell x...\nend\nsection s\n k p\nend\nsong s\n",
         "kit has no drum \"cowbell\""},
        {"uneven parts",
         "instrument x pluck\npattern a notes 1\n C4 | C4 | C4\nend\npattern b notes 1\n C4 | C4\nend\n"
         "section s\n x a\n x b\nend\nsong s\n",
         "does not divide the section's 3"},
    };
    for (const auto& row : table) {
        try {
            render(parseScore(row.text, "f"));
            ADD_FAILURE() << row.label << ": accepted";
        } catch (const synth::ScoreError& e) {
            EXPECT_NE(std::string(e.what()).find(row.expected), std::string::npos) << row.label << ": " << e.what();
        }
    }
}

// The game's own scores all read cleanly.
TEST(Scores, CommittedScoresParse) {
    for (const char* name : {"dingdelay", "lumo-xcity", "lumo-mycolor"}) {
        EXPECT_NO_THROW(synth::readScore(std::string(SCORES_DIR) + "/" + name + ".txt")) << name;
    }
}

} // namespace
