#pragma once
// The synthesiser's instruments. Each renders one note at a time into a mono buffer that holds
// the note's whole sound, release included, ending exactly at silence.

#include "Score.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace synth {

struct NoteEvent {
    double start = 0;     // seconds from the start of the song
    double gate = 0;      // seconds the note is held
    int pitch = -1;       // MIDI note; drums have none
    std::string piece;    // drum name for the kit
    double velocity = 0.8;
    double pan = 0;       // added to the instrument's own pan (chord spread, drum placement)
    uint32_t seed = 1;    // for noise; fixed by the note's place in the song, never by the clock
};

class Instrument {
public:
    explicit Instrument(const InstrumentDef& def);
    virtual ~Instrument() = default;

    // How long the note sounds, release included: the length of what render() writes.
    virtual double seconds(const NoteEvent& note) const = 0;
    virtual void render(const NoteEvent& note, double rate, std::vector<double>& out) const = 0;
    // Where a drum piece sits in the stereo field; pitched instruments have no pieces.
    virtual double piecePan(const std::string&) const { return 0; }
    virtual bool hasPiece(const std::string&) const { return false; }

    const std::string& name() const { return name_; }
    double gain() const { return gain_; }
    double pan() const { return pan_; }
    double echoSend() const { return echo_; }
    int transpose() const { return transpose_; }
    int chordFloor() const { return chordFloor_; }
    double chordSpread() const { return spread_; }

protected:
    // Instrument settings with their defaults; anything not listed here is a mistake in the score.
    double param(const char* key, double fallback);
    void rejectUnused() const;

private:
    InstrumentDef def_;
    std::vector<std::string> used_;
    std::string name_;
    double gain_, pan_, echo_, spread_;
    int transpose_, chordFloor_;
};

std::unique_ptr<Instrument> makeInstrument(const InstrumentDef& def);

double midiToHz(double midi);

} // namespace synth
