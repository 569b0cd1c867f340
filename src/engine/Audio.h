#pragma once
// The game's music and effects: one sound engine with its wave bank and sound bank,
// cues played and stopped by name.

#include <memory>
#include <string>
#include <vector>

#include "platform/Xact.h"

namespace audioNS {
constexpr const char* WAVE_BANK = "resources\\audio\\win\\Wave Bank.xwb";
constexpr const char* SOUND_BANK = "resources\\audio\\win\\Sound Bank.xsb";
constexpr const char* DING = "dingdelay";
constexpr const char* TITLE_MUSIC = "Lumo-XCity";
constexpr const char* VICTORY_MUSIC = "Lumo-MyColor";
} // namespace audioNS

class Audio {
public:
    Audio();
    virtual ~Audio();
    // 0 on success; E_FAIL when no engine can be had; the engine's own code when it
    // cannot start; 0x80070002 for anything wrong with the two bank files.
    HRESULT initialize();
    void run();
    void playCue(const char* cue);
    void stopCue(const char* cue);
    // How often the game has asked for a cue to start or stop, for checking the screens.
    int timesPlayed(const std::string& cue) const;
    int timesStopped(const std::string& cue) const;

private:
    std::unique_ptr<IXACT3Engine> xactEngine;
    IXACT3WaveBank* waveBank;
    IXACT3SoundBank* soundBank;
    XACTINDEX cueIndex;
    // Both bank files stay in memory for as long as the engine plays from them.
    std::vector<unsigned char> waveBankData;
    std::vector<unsigned char> soundBankData;
    bool coInitialized;
    struct CueCount {
        std::string cue;
        int played = 0;
        int stopped = 0;
    };
    CueCount& count(const char* cue);
    const CueCount* find(const std::string& cue) const;
    std::vector<CueCount> counts;
};
