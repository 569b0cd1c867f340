#include "Instrument.h"

#include <algorithm>
#include <cmath>

namespace synth {
namespace {

constexpr double kPi = 3.14159265358979323846;

double dbToGain(double db) { return std::pow(10.0, db / 20.0); }

// ---------------------------------------------------------------- building blocks

// Attack, decay to a sustain level, release after the gate; exponential segments sound natural.
struct Envelope {
    double attack = 0.005, decay = 0.2, sustain = 0.7, release = 0.1;

    double level(double t, double gate) const {
        if (t < gate) return held(t);
        return held(gate) * std::exp(-(t - gate) / release);
    }
    // Long enough for the release to fall below -60 dB.
    double length(double gate) const { return gate + 7.0 * release; }

private:
    double held(double t) const {
        if (t < attack) return t / attack;
        return sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    }
};

// Band-limited oscillators (polyBLEP), so high notes do not alias into whistles.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double saw(double phase, double dt) { return 2.0 * phase - 1.0 - blep(phase, dt); }

double square(double phase, double dt) {
    double v = phase < 0.5 ? 1.0 : -1.0;
    v += blep(phase, dt);
    v -= blep(std::fmod(phase + 0.5, 1.0), dt);
    return v;
}

// Zero-delay-feedback state-variable filter: stable while its cutoff moves every sample.
class Filter {
public:
    void set(double cutoff, double resonance, double rate) {
        cutoff = std::clamp(cutoff, 20.0, 0.45 * rate);
        const double g = std::tan(kPi * cutoff / rate);
        k_ = 2.0 - 2.0 * std::clamp(resonance, 0.0, 0.95);
        a1_ = 1.0 / (1.0 + g * (g + k_));
        a2_ = g * a1_;
        a3_ = g * a2_;
    }
    struct Out { double low, band, high; };
    Out tick(double in) {
        const double v3 = in - ic2_;
        const double v1 = a1_ * ic1_ + a2_ * v3;
        const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return {v2, v1, in - k_ * v1 - v2};
    }

private:
    double k_ = 2, a1_ = 0, a2_ = 0, a3_ = 0, ic1_ = 0, ic2_ = 0;
};

// Small, fast and the same on every machine: noise comes from the note's own seed.
class Noise {
public:
    explicit Noise(uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
    double next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_ / 2147483648.0 - 1.0;
    }

private:
    uint32_t s_;
};

// Ends every note exactly at zero so no click is left where the buffer stops.
void fadeTail(std::vector<double>& out, double rate) {
    const size_t n = std::min(out.size(), static_cast<size_t>(0.003 * rate));
    for (size_t i = 0; i < n; ++i) out[out.size() - 1 - i] *= static_cast<double>(i) / n;
}

void resize(std::vector<double>& out, double seconds, double rate) {
    out.assign(static_cast<size_t>(std::ceil(seconds * rate)) + 1, 0.0);
}

// ---------------------------------------------------------------- pitched instruments

// Bright lead: saw and square, slightly detuned, through a low-pass that snaps shut after the
// attack; a delayed, gentle vibrato on held notes.
class Pluck : public Instrument {
public:
    explicit Pluck(const InstrumentDef& d) : Instrument(d) {
        env_ = {param("attack", 0.003), param("decay", 0.25), param("sustain", 0.35), param("release", 0.12)};
        cutoff_ = param("cutoff", 1400);
        envCut_ = param("envcut", 5000);
        cutDecay_ = param("cutdecay", 0.12);
        resonance_ = param("resonance", 0.25);
        detune_ = param("detune", 7);
        squareMix_ = param("square", 0.4);
        vibrato_ = param("vibrato", 12);
        rejectUnused();
    }
    double seconds(const NoteEvent& n) const override { return env_.length(n.gate); }
    void render(const NoteEvent& n, double rate, std::vector<double>& out) const override {
        resize(out, seconds(n), rate);
        const double f = midiToHz(n.pitch);
        const double cents[2] = {-detune_ / 2, detune_ / 2};
        double phase[2] = {0.0, 0.37};
        Filter filter;
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = i / rate;
            if (i % 8 == 0) filter.set(cutoff_ + envCut_ * n.velocity * std::exp(-t / cutDecay_), resonance_, rate);
            const double vib = t > 0.22 ? vibrato_ * std::min(1.0, (t - 0.22) / 0.3) * std::sin(2 * kPi * 5.5 * t) : 0.0;
            double v = 0;
            for (int o = 0; o < 2; ++o) {
                const double dt = f * std::pow(2.0, (cents[o] + vib) / 1200.0) / rate;
                v += (1.0 - squareMix_) * saw(phase[o], dt) + squareMix_ * square(phase[o], dt);
                phase[o] = std::fmod(phase[o] + dt, 1.0);
            }
            out[i] = 0.5 * filter.tick(v).low * env_.level(t, n.gate) * n.velocity;
        }
        fadeTail(out, rate);
    }

private:
    Envelope env_;
    double cutoff_, envCut_, cutDecay_, resonance_, detune_, squareMix_, vibrato_;
};

// Round, punchy bass: a saw with a sine under it and a short filter "pluck" on each note.
class Bass : public Instrument {
public:
    explicit Bass(const InstrumentDef& d) : Instrument(d) {
        env_ = {param("attack", 0.002), param("decay", 0.2), param("sustain", 0.6), param("release", 0.05)};
        cutoff_ = param("cutoff", 380);
        envCut_ = param("envcut", 1500);
        cutDecay_ = param("cutdecay", 0.07);
        resonance_ = param("resonance", 0.2);
        sub_ = param("sub", 0.6);
        rejectUnused();
    }
    double seconds(const NoteEvent& n) const override { return env_.length(n.gate); }
    void render(const NoteEvent& n, double rate, std::vector<double>& out) const override {
        resize(out, seconds(n), rate);
        const double f = midiToHz(n.pitch);
        const double dt = f / rate;
        double phase = 0;
        Filter filter;
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = i / rate;
            if (i % 8 == 0) filter.set(cutoff_ + envCut_ * n.velocity * std::exp(-t / cutDecay_), resonance_, rate);
            const double v = filter.tick(saw(phase, dt)).low + sub_ * std::sin(2 * kPi * phase);
            phase = std::fmod(phase + dt, 1.0);
            out[i] = 0.5 * v * env_.level(t, n.gate) * n.velocity;
        }
        fadeTail(out, rate);
    }

private:
    Envelope env_;
    double cutoff_, envCut_, cutDecay_, resonance_, sub_;
};

// Warm pad: three detuned saws, softly filtered, slow to swell and slow to fade.
class Pad : public Instrument {
public:
    explicit Pad(const InstrumentDef& d) : Instrument(d) {
        env_ = {param("attack", 0.12), param("decay", 0.6), param("sustain", 0.8), param("release", 0.45)};
        cutoff_ = param("cutoff", 1800);
        resonance_ = param("resonance", 0.1);
        detune_ = param("detune", 12);
        rejectUnused();
    }
    double seconds(const NoteEvent& n) const override { return env_.length(n.gate); }
    void render(const NoteEvent& n, double rate, std::vector<double>& out) const override {
        resize(out, seconds(n), rate);
        const double f = midiToHz(n.pitch);
        const double cents[3] = {-detune_, 0.0, detune_};
        double phase[3] = {0.0, 0.31, 0.67};
        Filter filter;
        filter.set(cutoff_, resonance_, rate);
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = i / rate;
            double v = 0;
            for (int o = 0; o < 3; ++o) {
                const double dt = f * std::pow(2.0, cents[o] / 1200.0) / rate;
                v += saw(phase[o], dt);
                phase[o] = std::fmod(phase[o] + dt, 1.0);
            }
            out[i] = 0.3 * filter.tick(v).low * env_.level(t, n.gate) * n.velocity;
        }
        fadeTail(out, rate);
    }

private:
    Envelope env_;
    double cutoff_, resonance_, detune_;
};

// Two-operator FM: a sine whose brightness (modulation index) fades with the note. With ratio 1
// it is an electric piano, with a high ratio and quick decay a bell or chime.
class Fm : public Instrument {
public:
    Fm(const InstrumentDef& d, bool bell) : Instrument(d) {
        env_ = {param("attack", bell ? 0.0015 : 0.002), param("decay", bell ? 0.3 : 0.8), 0.0,
                param("release", bell ? 0.12 : 0.15)};
        ratio_ = param("ratio", bell ? 2.0 : 1.0);
        index_ = param("index", bell ? 1.2 : 2.0);
        indexDecay_ = param("indexdecay", bell ? 0.06 : 0.3);
        octave_ = param("octavepartial", bell ? 0.22 : 0.0);
        fifth_ = param("twelfthpartial", bell ? 0.08 : 0.0);
        tine_ = param("tine", bell ? 0.0 : 0.12);
        rejectUnused();
    }
    double seconds(const NoteEvent& n) const override { return env_.length(n.gate); }
    void render(const NoteEvent& n, double rate, std::vector<double>& out) const override {
        resize(out, seconds(n), rate);
        const double f = midiToHz(n.pitch);
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = i / rate;
            const double w = 2 * kPi * f * t;
            const double index = index_ * n.velocity * std::exp(-t / indexDecay_);
            double v = std::sin(w + index * std::sin(ratio_ * w));
            // Upper partials die faster than the fundamental, as on a struck bar.
            v += octave_ * std::sin(2 * w) * std::exp(-t / (0.5 * env_.decay));
            v += fifth_ * std::sin(3 * w) * std::exp(-t / (0.3 * env_.decay));
            v += tine_ * std::sin(14 * w) * std::exp(-t / 0.02);
            out[i] = 0.45 * v * env_.level(t, n.gate) * n.velocity;
        }
        fadeTail(out, rate);
    }

private:
    Envelope env_;
    double ratio_, index_, indexDecay_, octave_, fifth_, tine_;
};

// ---------------------------------------------------------------- drums

// Drums from noise and pitched sines.
class Kit : public Instrument {
public:
    explicit Kit(const InstrumentDef& d) : Instrument(d) {
        tune_ = std::pow(2.0, param("tune", 0) / 12.0);
        decay_ = param("decay", 1.0);
        rejectUnused();
    }
    bool hasPiece(const std::string& p) const override { return placeOf(p) != nullptr; }
    double seconds(const NoteEvent& n) const override { return placeOf(n.piece)->seconds * decay_; }
    double piecePan(const std::string& p) const override { return placeOf(p)->pan; }

    void render(const NoteEvent& n, double rate, std::vector<double>& out) const override {
        Noise noise(n.seed);
        const double v = n.velocity;
        const std::string& p = n.piece;
        if (p == "kick") {
            resize(out, seconds(n), rate);
            double phase = 0;
            Filter click;
            click.set(3000, 0, rate);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = i / rate;
                const double f = tune_ * (48 + 120 * std::exp(-t / 0.03));
                phase += f / rate;
                const double body = std::sin(2 * kPi * phase) * std::exp(-t / (0.16 * decay_)) * std::min(1.0, t / 0.0008);
                const double tick = click.tick(noise.next()).low * std::exp(-t / 0.003);
                out[i] = v * (0.95 * body + 0.5 * tick);
            }
        } else if (p == "snare" || p == "clap") {
            const bool clap = p == "clap";
            resize(out, seconds(n), rate);
            Filter band;
            band.set(clap ? 1300 : 4200, clap ? 0.5 : 0.15, rate);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = i / rate;
                const auto f = band.tick(noise.next());
                double e;
                if (clap) {
                    // Three quick claps blur into one, then the room.
                    const double burst = std::fmod(t, 0.011);
                    e = t < 0.033 ? std::exp(-burst / 0.003) : 0.6 * std::exp(-(t - 0.033) / (0.07 * decay_));
                    out[i] = v * 1.2 * f.band * e;
                } else {
                    e = std::exp(-t / (0.075 * decay_));
                    const double tone = (std::sin(2 * kPi * 185 * tune_ * t) + 0.5 * std::sin(2 * kPi * 330 * tune_ * t)) *
                                        std::exp(-t / 0.04);
                    out[i] = v * (0.55 * (0.6 * f.high + 0.8 * f.band) * e + 0.45 * tone) * std::min(1.0, t / 0.0005);
                }
            }
        } else if (p == "hat" || p == "openhat" || p == "shaker") {
            const double tau = (p == "hat" ? 0.022 : p == "openhat" ? 0.09 : 0.035) * decay_; // 7 tau long
            resize(out, seconds(n), rate);
            Filter high;
            high.set(p == "shaker" ? 5500 : 7500, 0.1, rate);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = i / rate;
                const double attack = p == "shaker" ? std::min(1.0, t / 0.012) : std::min(1.0, t / 0.0005);
                out[i] = v * 0.4 * high.tick(noise.next()).high * std::exp(-t / tau) * attack;
            }
        } else if (p == "tom") {
            resize(out, seconds(n), rate);
            double phase = 0;
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = i / rate;
                phase += tune_ * (120 + 70 * std::exp(-t / 0.05)) / rate;
                out[i] = v * 0.8 * std::sin(2 * kPi * phase) * std::exp(-t / (0.12 * decay_)) * std::min(1.0, t / 0.001);
            }
        } else if (p == "crash") {
            resize(out, seconds(n), rate);
            Filter high;
            high.set(4500, 0.1, rate);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = i / rate;
                out[i] = v * 0.35 * high.tick(noise.next()).high * std::exp(-t / (0.45 * decay_)) * std::min(1.0, t / 0.001);
            }
        }
        fadeTail(out, rate);
    }

private:
    struct Place { const char* piece; double pan, seconds; };
    static const Place* placeOf(const std::string& p) {
        // Placed as a drummer sitting in front of the listener would hear them.
        static const Place places[] = {{"kick", 0, 0.45},      {"snare", 0.05, 0.3},  {"clap", -0.05, 0.35},
                                       {"hat", 0.35, 0.16},    {"openhat", 0.35, 0.63}, {"shaker", -0.4, 0.25},
                                       {"tom", -0.25, 0.4},    {"crash", -0.3, 2.2}};
        for (const Place& place : places)
            if (p == place.piece) return &place;
        return nullptr;
    }

    double tune_, decay_;
};

} // namespace

double midiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

Instrument::Instrument(const InstrumentDef& def) : def_(def), name_(def.name) {
    gain_ = dbToGain(param("volume", 0));
    pan_ = std::clamp(param("pan", 0), -1.0, 1.0);
    echo_ = std::clamp(param("echo", 0), 0.0, 1.0);
    spread_ = param("spread", 0);
    transpose_ = static_cast<int>(std::lround(12 * param("octave", 0)));
    chordFloor_ = static_cast<int>(std::lround(param("low", 55))); // G3
}

double Instrument::param(const char* key, double fallback) {
    used_.push_back(key);
    const auto it = def_.params.find(key);
    return it == def_.params.end() ? fallback : it->second;
}

void Instrument::rejectUnused() const {
    for (const auto& [key, value] : def_.params) {
        (void)value;
        if (std::find(used_.begin(), used_.end(), key) == used_.end())
            throw ScoreError("line " + std::to_string(def_.line) + ": instrument \"" + def_.name + "\" (" + def_.type +
                             ") has no setting \"" + key + "\"");
    }
}

std::unique_ptr<Instrument> makeInstrument(const InstrumentDef& def) {
    if (def.type == "pluck") return std::make_unique<Pluck>(def);
    if (def.type == "bass") return std::make_unique<Bass>(def);
    if (def.type == "pad") return std::make_unique<Pad>(def);
    if (def.type == "keys") return std::make_unique<Fm>(def, false);
    if (def.type == "bell") return std::make_unique<Fm>(def, true);
    if (def.type == "kit") return std::make_unique<Kit>(def);
    throw ScoreError("line " + std::to_string(def.line) + ": unknown instrument type \"" + def.type +
                     "\" (pluck, bass, pad, keys, bell, kit)");
}

} // namespace synth
