#include "Renderer.h"

#include "Instrument.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace synth {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct TimedStep {
    double start, length;
    const Step* step;
    const DrumLine* drums = nullptr;
};

// Every step each instrument plays, in time order over the whole song.
struct Timeline {
    std::vector<std::vector<TimedStep>> perInstrument; // index = instrument
    std::vector<const Pattern*> drumPatterns;
    double seconds = 0;
};

[[noreturn]] void fail(const Score& s, int line, const std::string& why) {
    throw ScoreError(s.source + ":" + std::to_string(line) + ": " + why);
}

size_t instrumentIndex(const Score& s, const std::string& name) {
    for (size_t i = 0; i < s.instruments.size(); ++i)
        if (s.instruments[i].name == name) return i;
    return s.instruments.size();
}

Timeline layOut(const Score& s) {
    Timeline tl;
    tl.perInstrument.resize(s.instruments.size());
    const double bar = s.barSeconds();
    double at = 0;
    for (const std::string& sectionName : s.song) {
        const Section& sec = *std::find_if(s.sections.begin(), s.sections.end(),
                                           [&](const Section& x) { return x.name == sectionName; });
        int bars = 0;
        std::vector<int> partBars;
        for (const Part& part : sec.parts) {
            int n = 0;
            for (const std::string& p : part.patterns) n += s.patterns.at(p).bars;
            partBars.push_back(n);
            bars = std::max(bars, n);
        }
        for (size_t k = 0; k < sec.parts.size(); ++k) {
            // A shorter part repeats to fill the section, so it must fit a whole number of times.
            if (bars % partBars[k] != 0)
                fail(s, sec.line, "part \"" + sec.parts[k].instrument + "\" lasts " + std::to_string(partBars[k]) +
                                      " bars, which does not divide the section's " + std::to_string(bars));
            auto& steps = tl.perInstrument[instrumentIndex(s, sec.parts[k].instrument)];
            double t = at;
            for (int rep = 0; rep < bars / partBars[k]; ++rep) {
                for (const std::string& name : sec.parts[k].patterns) {
                    const Pattern& p = s.patterns.at(name);
                    const double len = bar / p.stepsPerBar;
                    if (p.kind == PatternKind::Drums) {
                        for (const DrumLine& d : p.drums)
                            for (size_t i = 0; i < d.steps.size(); ++i)
                                steps.push_back({t + i * len, len, &d.steps[i], &d});
                        t += p.bars * bar;
                        continue;
                    }
                    for (const Step& st : p.steps) {
                        steps.push_back({t, len, &st});
                        t += len;
                    }
                }
            }
        }
        at += bars * bar;
    }
    tl.seconds = at;
    return tl;
}

uint32_t seedFor(size_t instrument, double start, const std::string& piece) {
    // FNV-1a over where and what the hit is: the same hit always gets the same noise.
    uint32_t h = 2166136261u;
    auto mix = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 16777619u;
        }
    };
    mix(static_cast<uint32_t>(instrument));
    mix(static_cast<uint32_t>(std::llround(start * 1000.0)));
    for (char c : piece) mix(static_cast<uint8_t>(c));
    return h;
}

// Turns hits, holds and rests into notes with start and gate times.
std::vector<NoteEvent> notesOf(const Score& s, size_t index, const Instrument& inst, const std::vector<TimedStep>& steps) {
    std::vector<NoteEvent> notes;
    if (s.instruments[index].type == "kit") {
        for (const TimedStep& ts : steps) {
            if (ts.step->kind != Step::Hit) continue;
            if (!inst.hasPiece(ts.drums->piece))
                fail(s, s.instruments[index].line, "kit has no drum \"" + ts.drums->piece +
                                                       "\" (kick, snare, clap, hat, openhat, shaker, tom, crash)");
            NoteEvent n;
            n.start = ts.start;
            n.gate = ts.length;
            n.piece = ts.drums->piece;
            n.velocity = ts.step->velocity;
            n.pan = inst.piecePan(n.piece);
            n.seed = seedFor(index, ts.start, n.piece);
            notes.push_back(n);
        }
        return notes;
    }
    std::vector<size_t> sounding; // notes of the current hit, still held
    for (const TimedStep& ts : steps) {
        const Step& st = *ts.step;
        if (st.kind == Step::Hold) {
            for (size_t k : sounding) notes[k].gate += ts.length;
            continue;
        }
        sounding.clear();
        if (st.kind == Step::Rest) continue;
        std::vector<int> pitches = st.chord.empty() ? st.pitches : chordPitches(st.chord, inst.chordFloor());
        for (size_t v = 0; v < pitches.size(); ++v) {
            NoteEvent n;
            n.start = ts.start;
            n.gate = ts.length;
            n.pitch = pitches[v] + inst.transpose();
            n.velocity = st.velocity;
            // Spread a chord's notes across the stereo field, lowest on the left.
            if (pitches.size() > 1) n.pan = inst.chordSpread() * (2.0 * v / (pitches.size() - 1) - 1.0);
            sounding.push_back(notes.size());
            notes.push_back(n);
        }
    }
    return notes;
}

struct Bus {
    std::vector<double> left, right;
    explicit Bus(size_t n) : left(n, 0.0), right(n, 0.0) {}
};

// Constant-power pan; mono output takes the note at full level.
void panGains(double pan, int channels, double& l, double& r) {
    if (channels == 1) {
        l = 1.0;
        r = 0.0;
        return;
    }
    const double a = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    l = std::cos(a) * std::sqrt(2.0);
    r = std::sin(a) * std::sqrt(2.0);
}

double echoSeconds(const Score& s) {
    return s.echo.delayMs > 0 ? s.echo.delayMs / 1000.0 : s.echo.delayBeats * 60.0 / s.tempo;
}

// Until the repeats have fallen by 100 dB.
double echoRingSeconds(const Score& s) {
    if (s.echo.feedback <= 0) return echoSeconds(s);
    return echoSeconds(s) * (1.0 + std::ceil(std::log(1e-5) / std::log(s.echo.feedback)));
}

// Feedback delay with a darkening low-pass in the loop; ping-pong sends each repeat to the
// other side.
void addEcho(const Score& s, const Bus& send, Bus& mix) {
    const Echo& e = s.echo;
    const auto d = static_cast<size_t>(std::lround(echoSeconds(s) * s.rate));
    if (d == 0) return;
    const size_t n = send.left.size();
    std::vector<double> yl(n, 0.0), yr(n, 0.0);
    const double keep = e.damp;
    double lpl = 0, lpr = 0;
    for (size_t i = d; i < n; ++i) {
        const size_t j = i - d;
        const double inl = send.left[j], inr = send.right[j];
        // What went into the line D samples ago, with its own feedback, comes out now.
        lpl = (1.0 - keep) * yl[j] + keep * lpl;
        lpr = (1.0 - keep) * yr[j] + keep * lpr;
        if (e.pingPong && s.channels == 2) {
            yl[i] = 0.5 * (inl + inr) + e.feedback * lpr;
            yr[i] = e.feedback * lpl;
        } else {
            yl[i] = inl + e.feedback * lpl;
            yr[i] = inr + e.feedback * lpr;
        }
    }
    for (size_t i = 0; i < n; ++i) {
        mix.left[i] += yl[i];
        mix.right[i] += yr[i];
    }
}

// Transparent below about -3 dB under the ceiling, then bends peaks smoothly towards it.
// It has no memory, so it cannot make the end of a loop differ from its start.
double softLimit(double x, double ceiling, size_t& bent) {
    const double knee = 0.7 * ceiling;
    const double a = std::fabs(x);
    if (a <= knee) return x;
    ++bent;
    const double y = knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
    return x < 0 ? -y : y;
}

int16_t toSample(double x) {
    return static_cast<int16_t>(std::clamp<long>(std::lround(x * 32767.0), -32767, 32767));
}

} // namespace

Rendered render(const Score& s) {
    std::vector<std::unique_ptr<Instrument>> instruments;
    for (const InstrumentDef& def : s.instruments) {
        try {
            instruments.push_back(makeInstrument(def));
        } catch (const ScoreError& e) {
            throw ScoreError(s.source + ": " + e.what());
        }
    }
    const Timeline tl = layOut(s);
    const double rate = s.rate;

    struct Planned {
        size_t instrument;
        NoteEvent note;
    };
    std::vector<Planned> plan;
    double end = tl.seconds;
    for (size_t k = 0; k < instruments.size(); ++k) {
        for (const NoteEvent& n : notesOf(s, k, *instruments[k], tl.perInstrument[k])) {
            plan.push_back({k, n});
            end = std::max(end, n.start + instruments[k]->seconds(n));
        }
    }
    // Render until every note and echo has died away, however far past the last bar: a loop
    // folds all of it back over its start.
    const auto songFrames = static_cast<size_t>(std::llround(tl.seconds * rate));
    const size_t total = static_cast<size_t>(std::ceil((end + echoRingSeconds(s)) * rate)) + 1;
    Bus mix(total), send(total);

    Rendered result;
    std::vector<double> note;
    for (const Planned& p : plan) {
        const Instrument& inst = *instruments[p.instrument];
        const NoteEvent& n = p.note;
        inst.render(n, rate, note);
        ++result.stats.notes;
        double l, r;
        panGains(inst.pan() + n.pan, s.channels, l, r);
        const auto first = static_cast<size_t>(std::llround(n.start * rate));
        const double g = inst.gain();
        for (size_t i = 0; i < note.size() && first + i < total; ++i) {
            const double v = note[i] * g;
            mix.left[first + i] += v * l;
            mix.right[first + i] += v * r;
            send.left[first + i] += v * l * inst.echoSend();
            send.right[first + i] += v * r * inst.echoSend();
        }
    }
    addEcho(s, send, mix);

    // A loop's overhang (ringing notes, echoes) belongs over its start: playing it round and
    // round then sounds exactly as if the song went on for ever.
    size_t frames = total;
    if (s.loop) {
        frames = songFrames;
        for (size_t i = songFrames; i < total; ++i) {
            mix.left[i % songFrames] += mix.left[i];
            mix.right[i % songFrames] += mix.right[i];
        }
    } else {
        if (s.lengthSeconds > 0) frames = std::min(total, static_cast<size_t>(std::llround(s.lengthSeconds * rate)));
        // End at silence: a short fade over whatever is left at the cut.
        const size_t fade = std::min(frames, static_cast<size_t>(0.02 * rate));
        for (size_t i = 0; i < fade; ++i) {
            const double g = static_cast<double>(i) / fade;
            mix.left[frames - 1 - i] *= g;
            mix.right[frames - 1 - i] *= g;
        }
    }

    const double master = std::pow(10.0, s.masterDb / 20.0);
    const double ceiling = std::pow(10.0, s.ceilingDb / 20.0);
    audio::PcmWave& w = result.wave;
    w.channels = static_cast<uint16_t>(s.channels);
    w.sampleRate = static_cast<uint32_t>(s.rate);
    w.samples.reserve(frames * s.channels * 2);
    std::vector<int16_t> pcm;
    pcm.reserve(frames * s.channels);
    for (size_t i = 0; i < frames; ++i) {
        pcm.push_back(toSample(softLimit(mix.left[i] * master, ceiling, result.stats.limitedSamples)));
        if (s.channels == 2) pcm.push_back(toSample(softLimit(mix.right[i] * master, ceiling, result.stats.limitedSamples)));
    }

    RenderStats& st = result.stats;
    st.seconds = frames / rate;
    int peak = 0;
    double energy = 0;
    for (int16_t v : pcm) {
        peak = std::max(peak, std::abs(int{v}));
        energy += static_cast<double>(v) * v;
    }
    st.peakDb = 20 * std::log10(std::max(1, peak) / 32767.0);
    st.rmsDb = 10 * std::log10(std::max(1e-20, energy / pcm.size()) / (32767.0 * 32767.0));
    const size_t ch = s.channels;
    for (size_t i = ch; i < pcm.size(); ++i) st.largestStep = std::max(st.largestStep, std::abs(pcm[i] - pcm[i - ch]));
    if (s.loop)
        for (size_t c = 0; c < ch; ++c) st.seamStep = std::max(st.seamStep, std::abs(pcm[c] - pcm[pcm.size() - ch + c]));

    for (int16_t v : pcm) {
        w.samples.push_back(static_cast<uint8_t>(v & 0xFF));
        w.samples.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    }
    return result;
}

} // namespace synth
