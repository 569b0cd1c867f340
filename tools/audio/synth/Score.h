#pragma once
// A piece of music as written in a score file (see tools/audio/scores/README.md): settings,
// instruments, patterns on a step grid, sections built from patterns, and the song order.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace synth {

// Thrown for any mistake in a score; the text starts with "file:line:".
class ScoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct InstrumentDef {
    std::string name;
    std::string type;
    std::map<std::string, double> params;
    int line = 0;
};

enum class PatternKind { Notes, Chords, Drums };

struct Step {
    enum Kind { Rest, Hold, Hit } kind = Rest;
    std::vector<int> pitches; // MIDI note numbers of a notes pattern's hit
    std::string chord;        // symbol of a chords pattern's hit
    double velocity = 0.8;
};

struct DrumLine {
    std::string piece;
    std::vector<Step> steps; // a hit carries no pitch
};

struct Pattern {
    std::string name;
    PatternKind kind = PatternKind::Notes;
    int stepsPerBar = 8;
    int bars = 0;
    std::vector<Step> steps;     // notes and chords
    std::vector<DrumLine> drums; // drums
    int line = 0;
};

struct Part {
    std::string instrument;
    std::vector<std::string> patterns; // played one after another, then repeated to fill the section
};

struct Section {
    std::string name;
    std::vector<Part> parts;
    int line = 0;
};

struct Echo {
    double delayBeats = 0;   // used when delayMs is 0
    double delayMs = 0;
    double feedback = 0.3;
    double damp = 0.3;       // 0 keeps the repeats bright, 1 darkens them fast
    bool pingPong = true;
};

struct Score {
    std::string source;
    std::string title;
    double tempo = 120;
    int beatsPerBar = 4;
    int rate = 44100;
    int channels = 2;
    bool loop = false;
    double lengthSeconds = 0; // one-shot: cut here with a short fade (0: until the sound dies)
    double masterDb = 0;
    double ceilingDb = -1;    // the soft limiter never lets a peak past this
    Echo echo;
    std::vector<InstrumentDef> instruments;
    std::map<std::string, Pattern> patterns;
    std::vector<Section> sections;
    std::vector<std::string> song;

    double barSeconds() const { return 60.0 / tempo * beatsPerBar; }
};

Score parseScore(const std::string& text, const std::string& source);
Score readScore(const std::string& path);

// "C4" = 60, "A4" = 69, "F#3", "Bb5"; returns -1 if `token` is not a pitch.
int parsePitch(const std::string& token);
// "C", "Am", "G7", "Fmaj7", "Dm7", "Esus4", "Bdim", "C/E"; pitches in the octave from `lowest` up.
std::vector<int> chordPitches(const std::string& symbol, int lowest);

} // namespace synth
