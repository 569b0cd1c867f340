#include "Score.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>

namespace synth {
namespace {

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

// A comment starts with a word beginning with '#', so sharps such as F#5 are safe.
std::string stripComment(const std::string& line) {
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) return line.substr(0, i);
    return line;
}

class Parser {
public:
    Parser(const std::string& text, const std::string& source) : source_(source) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) lines_.push_back(line);
        score_.source = source;
    }

    Score run() {
        while (next()) {
            const std::string& key = w_[0];
            if (key == "pattern") pattern();
            else if (key == "section") section();
            else if (key == "instrument") instrument();
            else if (key == "song") song();
            else setting();
        }
        check();
        return std::move(score_);
    }

private:
    [[noreturn]] void fail(const std::string& why, int line = -1) const {
        throw ScoreError(source_ + ":" + std::to_string(line < 0 ? at_ : line) + ": " + why);
    }

    // Moves to the next line that has words; false at the end of the file.
    bool next() {
        while (at_ < static_cast<int>(lines_.size())) {
            w_ = words(stripComment(lines_[at_++]));
            if (!w_.empty()) return true;
        }
        return false;
    }

    double number(const std::string& text) const {
        char* end = nullptr;
        const double v = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || *end != '\0' || !std::isfinite(v)) fail("\"" + text + "\" is not a number");
        return v;
    }

    void needWords(size_t n, const char* usage) const {
        if (w_.size() != n) fail(std::string("expected: ") + usage);
    }

    void setting() {
        const std::string& key = w_[0];
        if (key == "title") {
            if (w_.size() < 2) fail("title needs a name");
            score_.title = w_[1];
        } else if (key == "tempo") {
            needWords(2, "tempo BPM");
            score_.tempo = number(w_[1]);
            if (score_.tempo < 20 || score_.tempo > 400) fail("tempo out of range 20..400");
        } else if (key == "bar") {
            needWords(2, "bar BEATS");
            score_.beatsPerBar = static_cast<int>(number(w_[1]));
            if (score_.beatsPerBar < 1 || score_.beatsPerBar > 16) fail("beats per bar out of range 1..16");
        } else if (key == "rate") {
            needWords(2, "rate 22050|44100");
            score_.rate = static_cast<int>(number(w_[1]));
            if (score_.rate != 22050 && score_.rate != 44100) fail("rate must be 22050 or 44100");
        } else if (key == "channels") {
            needWords(2, "channels 1|2");
            score_.channels = static_cast<int>(number(w_[1]));
            if (score_.channels != 1 && score_.channels != 2) fail("channels must be 1 or 2");
        } else if (key == "loop") {
            needWords(2, "loop on|off");
            if (w_[1] != "on" && w_[1] != "off") fail("loop must be on or off");
            score_.loop = w_[1] == "on";
        } else if (key == "length") {
            needWords(2, "length SECONDS");
            score_.lengthSeconds = number(w_[1]);
        } else if (key == "master") {
            needWords(2, "master DB");
            score_.masterDb = number(w_[1]);
        } else if (key == "ceiling") {
            needWords(2, "ceiling DBFS");
            score_.ceilingDb = number(w_[1]);
            if (score_.ceilingDb > 0 || score_.ceilingDb < -24) fail("ceiling out of range -24..0 dBFS");
        } else if (key == "echo") {
            echo();
        } else {
            fail("unknown line \"" + key + "\"");
        }
    }

    // echo delay=0.75 feedback=0.35 damp=0.3 pingpong=on   (delay in beats, or e.g. 110ms)
    void echo() {
        for (size_t i = 1; i < w_.size(); ++i) {
            const size_t eq = w_[i].find('=');
            if (eq == std::string::npos) fail("echo settings are key=value");
            const std::string k = w_[i].substr(0, eq), v = w_[i].substr(eq + 1);
            if (k == "delay") {
                if (v.size() > 2 && v.compare(v.size() - 2, 2, "ms") == 0) score_.echo.delayMs = number(v.substr(0, v.size() - 2));
                else score_.echo.delayBeats = number(v);
            } else if (k == "feedback") {
                score_.echo.feedback = number(v);
                if (score_.echo.feedback < 0 || score_.echo.feedback > 0.9) fail("echo feedback out of range 0..0.9");
            } else if (k == "damp") {
                score_.echo.damp = number(v);
                if (score_.echo.damp < 0 || score_.echo.damp > 1) fail("echo damp out of range 0..1");
            } else if (k == "pingpong") {
                score_.echo.pingPong = v == "on";
            } else {
                fail("unknown echo setting \"" + k + "\"");
            }
        }
    }

    // instrument NAME TYPE key=value...
    void instrument() {
        if (w_.size() < 3) fail("expected: instrument NAME TYPE [key=value]...");
        InstrumentDef def;
        def.name = w_[1];
        def.type = w_[2];
        def.line = at_;
        for (size_t i = 3; i < w_.size(); ++i) {
            const size_t eq = w_[i].find('=');
            if (eq == std::string::npos) fail("instrument settings are key=value");
            def.params[w_[i].substr(0, eq)] = number(w_[i].substr(eq + 1));
        }
        for (const auto& other : score_.instruments)
            if (other.name == def.name) fail("instrument \"" + def.name + "\" defined twice");
        score_.instruments.push_back(def);
    }

    // pattern NAME notes|chords|drums STEPS-PER-BAR, then lines up to "end".
    void pattern() {
        needWords(4, "pattern NAME notes|chords|drums STEPS-PER-BAR");
        Pattern p;
        p.name = w_[1];
        p.line = at_;
        if (w_[2] == "notes") p.kind = PatternKind::Notes;
        else if (w_[2] == "chords") p.kind = PatternKind::Chords;
        else if (w_[2] == "drums") p.kind = PatternKind::Drums;
        else fail("pattern kind must be notes, chords or drums");
        p.stepsPerBar = static_cast<int>(number(w_[3]));
        if (p.stepsPerBar < 1 || p.stepsPerBar > 96) fail("steps per bar out of range 1..96");
        if (score_.patterns.count(p.name)) fail("pattern \"" + p.name + "\" defined twice");

        int stepsInBar = 0;
        bool barLines = false;
        for (;;) {
            if (!next()) fail("pattern \"" + p.name + "\" has no end", p.line);
            if (w_[0] == "end") break;
            if (p.kind == PatternKind::Drums) drumLine(p);
            else for (const std::string& token : w_) noteToken(p, token, stepsInBar, barLines);
        }
        finishPattern(p, stepsInBar, barLines);
        score_.patterns[p.name] = std::move(p);
    }

    void noteToken(Pattern& p, const std::string& token, int& stepsInBar, bool& barLines) {
        if (token == "|") {
            if (stepsInBar != p.stepsPerBar)
                fail("bar has " + std::to_string(stepsInBar) + " steps, expected " + std::to_string(p.stepsPerBar));
            stepsInBar = 0;
            barLines = true;
            return;
        }
        Step s;
        if (token == ".") s.kind = Step::Rest;
        else if (token == "-") s.kind = Step::Hold;
        else {
            s.kind = Step::Hit;
            std::string body = token;
            // A trailing ! accents a hit, a trailing ' plays it softly.
            if (body.back() == '!') { s.velocity = 1.0; body.pop_back(); }
            else if (body.back() == '\'') { s.velocity = 0.55; body.pop_back(); }
            if (p.kind == PatternKind::Chords) {
                // Voiced later, in the playing instrument's own range.
                if (chordPitches(body, 60).empty()) fail("\"" + token + "\" is not a chord symbol");
                s.chord = body;
            } else {
                std::stringstream parts(body);
                std::string one;
                while (std::getline(parts, one, '+')) {
                    const int pitch = parsePitch(one);
                    if (pitch < 0) fail("\"" + token + "\" is not a note (like C4, F#5, Bb3), '-' or '.'");
                    s.pitches.push_back(pitch);
                }
            }
        }
        p.steps.push_back(s);
        ++stepsInBar;
    }

    // kick  x...x...|x...x.x.   (x hit, X accent, g ghost, . rest; spaces and | only for reading)
    void drumLine(Pattern& p) {
        if (w_.size() < 2) fail("expected: PIECE x.x. ...");
        DrumLine d;
        d.piece = w_[0];
        int inBar = 0;
        for (size_t i = 1; i < w_.size(); ++i) {
            for (char ch : w_[i]) {
                if (ch == '|') {
                    if (inBar != p.stepsPerBar) fail("drum bar has " + std::to_string(inBar) + " steps, expected " + std::to_string(p.stepsPerBar));
                    inBar = 0;
                    continue;
                }
                Step s;
                if (ch == '.') s.kind = Step::Rest;
                else if (ch == 'x') { s.kind = Step::Hit; s.velocity = 0.8; }
                else if (ch == 'X') { s.kind = Step::Hit; s.velocity = 1.0; }
                else if (ch == 'g') { s.kind = Step::Hit; s.velocity = 0.4; }
                else fail(std::string("drum step '") + ch + "' is not x, X, g or .");
                d.steps.push_back(s);
                ++inBar;
            }
        }
        for (const DrumLine& other : p.drums)
            if (other.piece == d.piece) fail("drum \"" + d.piece + "\" appears twice in one pattern");
        p.drums.push_back(std::move(d));
    }

    void finishPattern(Pattern& p, int stepsInBar, bool barLines) {
        size_t steps = p.steps.size();
        if (p.kind == PatternKind::Drums) {
            if (p.drums.empty()) fail("drum pattern \"" + p.name + "\" is empty", p.line);
            steps = p.drums[0].steps.size();
            for (const DrumLine& d : p.drums)
                if (d.steps.size() != steps) fail("drum lines of \"" + p.name + "\" differ in length", p.line);
        } else if (barLines && stepsInBar != 0 && stepsInBar != p.stepsPerBar) {
            fail("last bar of \"" + p.name + "\" is incomplete", p.line);
        }
        if (steps == 0 || steps % p.stepsPerBar != 0)
            fail("pattern \"" + p.name + "\" is not a whole number of bars", p.line);
        p.bars = static_cast<int>(steps / p.stepsPerBar);
    }

    // section NAME, then "INSTRUMENT PATTERN..." lines up to "end".
    void section() {
        needWords(2, "section NAME");
        Section s;
        s.name = w_[1];
        s.line = at_;
        for (const Section& other : score_.sections)
            if (other.name == s.name) fail("section \"" + s.name + "\" defined twice");
        for (;;) {
            if (!next()) fail("section \"" + s.name + "\" has no end", s.line);
            if (w_[0] == "end") break;
            if (w_.size() < 2) fail("expected: INSTRUMENT PATTERN...");
            Part part{w_[0], {}};
            for (size_t i = 1; i < w_.size(); ++i) {
                // "beat*7" is the pattern beat seven times over.
                const size_t star = w_[i].find('*');
                const std::string name = w_[i].substr(0, star);
                const int times = star == std::string::npos ? 1 : static_cast<int>(number(w_[i].substr(star + 1)));
                if (times < 1 || times > 256) fail("repeat count out of range 1..256");
                part.patterns.insert(part.patterns.end(), static_cast<size_t>(times), name);
            }
            s.parts.push_back(std::move(part));
        }
        score_.sections.push_back(std::move(s));
    }

    void song() {
        if (w_.size() < 2) fail("expected: song SECTION...");
        score_.song.insert(score_.song.end(), w_.begin() + 1, w_.end());
    }

    void check() const {
        if (score_.song.empty()) fail("no song line", at_);
        for (const Section& s : score_.sections) {
            for (const Part& part : s.parts) {
                const auto inst = std::find_if(score_.instruments.begin(), score_.instruments.end(),
                                               [&](const InstrumentDef& d) { return d.name == part.instrument; });
                if (inst == score_.instruments.end()) fail("no instrument \"" + part.instrument + "\"", s.line);
                for (const std::string& name : part.patterns) {
                    const auto p = score_.patterns.find(name);
                    if (p == score_.patterns.end()) fail("no pattern \"" + name + "\"", s.line);
                    if ((p->second.kind == PatternKind::Drums) != (inst->type == "kit"))
                        fail("pattern \"" + name + "\" does not suit instrument \"" + part.instrument + "\"", s.line);
                }
            }
        }
        for (const std::string& name : score_.song) {
            if (std::none_of(score_.sections.begin(), score_.sections.end(), [&](const Section& s) { return s.name == name; }))
                fail("song names no section \"" + name + "\"", at_);
        }
    }

    std::string source_;
    std::vector<std::string> lines_;
    std::vector<std::string> w_;
    int at_ = 0;
    Score score_;
};

} // namespace

namespace {

// Reads a note letter with an optional sharp or flat at `i`; -1 if there is none.
int pitchClassAt(const std::string& text, size_t& i) {
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (i >= text.size() || text[i] < 'A' || text[i] > 'G') return -1;
    int pc = base[text[i++] - 'A'];
    if (i < text.size() && text[i] == '#') { ++pc; ++i; }
    else if (i < text.size() && text[i] == 'b') { --pc; ++i; }
    return (pc + 12) % 12;
}

int atOrAbove(int pitchClass, int lowest) { return lowest + ((pitchClass - lowest) % 12 + 12) % 12; }

} // namespace

int parsePitch(const std::string& token) {
    size_t i = 0;
    const int pc = pitchClassAt(token, i);
    if (pc < 0 || i + 1 != token.size() || token[i] < '0' || token[i] > '8') return -1;
    // Cb and B# belong to the octave of their letter.
    const int letterShift = (token[0] == 'C' && token[1] == 'b') ? -12 : (token[0] == 'B' && token[1] == '#') ? 12 : 0;
    return pc + letterShift + 12 * (token[i] - '0' + 1);
}

std::vector<int> chordPitches(const std::string& symbol, int lowest) {
    size_t i = 0;
    const int root = pitchClassAt(symbol, i);
    if (root < 0) return {};
    std::string quality = symbol.substr(i);
    int bass = -1;
    const size_t slash = quality.find('/');
    if (slash != std::string::npos) {
        size_t j = slash + 1;
        bass = pitchClassAt(quality, j);
        if (bass < 0 || j != quality.size()) return {};
        quality = quality.substr(0, slash);
    }
    static const std::map<std::string, std::vector<int>> shapes = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}},  {"m7", {0, 3, 7, 10}},     {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},     {"sus2", {0, 2, 7}},       {"sus4", {0, 5, 7}},
        {"dim", {0, 3, 6}},       {"aug", {0, 4, 8}},        {"add9", {0, 4, 7, 14}},
        {"9", {0, 4, 7, 10, 14}}, {"7sus4", {0, 5, 7, 10}},
    };
    const auto shape = shapes.find(quality);
    if (shape == shapes.end()) return {};
    // Close position inside the octave from `lowest`: neighbouring chords then share notes
    // or move by a step, as a keyboard player would voice them.
    std::vector<int> out;
    for (int interval : shape->second) out.push_back(atOrAbove((root + interval) % 12, lowest) + (interval >= 12 ? 12 : 0));
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    if (bass >= 0) out.insert(out.begin(), atOrAbove(bass, lowest) - 12);
    return out;
}

Score parseScore(const std::string& text, const std::string& source) { return Parser(text, source).run(); }

Score readScore(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw ScoreError(path + ": cannot open");
    std::stringstream text;
    text << in.rdbuf();
    return parseScore(text.str(), path);
}

} // namespace synth
