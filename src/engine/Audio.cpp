#include "Audio.h"

#include <fstream>

#include "platform/Files.h"

namespace {

bool readWholeFile(const char* gamePath, std::vector<unsigned char>& bytes)
{
    std::ifstream file(platform::nativePath(gamePath), std::ios::binary | std::ios::ate);
    if (!file) return false;
    const std::streamoff size = file.tellg();
    if (size <= 0 || size > 0x7FFFFFFF) return false;
    bytes.resize(static_cast<std::size_t>(size));
    file.seekg(0);
    return static_cast<bool>(file.read(reinterpret_cast<char*>(bytes.data()), size));
}

} // namespace

// There is no component system to start on this platform; the flag stays for the
// shape of the start-up and shut-down order.
Audio::Audio() : waveBank(nullptr), soundBank(nullptr), cueIndex(0), coInitialized(true) {}

Audio::~Audio()
{
    if (xactEngine) {
        xactEngine->ShutDown();
        xactEngine.reset();
    }
    soundBankData.clear();
    waveBankData.clear();
}

HRESULT Audio::initialize()
{
    if (!coInitialized) return E_FAIL;
    HRESULT result = XACT3CreateEngine(0, xactEngine);
    if (FAILED(result) || !xactEngine) return E_FAIL;

    XACT_RUNTIME_PARAMETERS parameters{};
    parameters.lookAheadTime = XACT_ENGINE_LOOKAHEAD_DEFAULT;
    result = xactEngine->Initialize(&parameters);
    if (FAILED(result)) return result;

    if (!readWholeFile(audioNS::WAVE_BANK, waveBankData)) return HRESULT_FILE_NOT_FOUND;
    result = xactEngine->CreateInMemoryWaveBank(waveBankData.data(), static_cast<DWORD>(waveBankData.size()), 0, 0,
                                                &waveBank);
    if (FAILED(result) || !waveBank) return HRESULT_FILE_NOT_FOUND;

    if (!readWholeFile(audioNS::SOUND_BANK, soundBankData)) return HRESULT_FILE_NOT_FOUND;
    result = xactEngine->CreateSoundBank(soundBankData.data(), static_cast<DWORD>(soundBankData.size()), 0, 0, &soundBank);
    if (FAILED(result) || !soundBank) return HRESULT_FILE_NOT_FOUND;
    return S_OK;
}

void Audio::run()
{
    if (xactEngine) xactEngine->DoWork();
}

Audio::CueCount& Audio::count(const char* cue)
{
    const std::string name = cue ? cue : "";
    if (const CueCount* c = find(name)) return const_cast<CueCount&>(*c);
    counts.push_back(CueCount{name, 0, 0});
    return counts.back();
}

const Audio::CueCount* Audio::find(const std::string& cue) const
{
    for (const CueCount& c : counts) {
        if (c.cue == cue) return &c;
    }
    return nullptr;
}

int Audio::timesPlayed(const std::string& cue) const
{
    const CueCount* c = find(cue);
    return c ? c->played : 0;
}

int Audio::timesStopped(const std::string& cue) const
{
    const CueCount* c = find(cue);
    return c ? c->stopped : 0;
}

void Audio::playCue(const char* cue)
{
    ++count(cue).played;
    if (!soundBank) return;
    cueIndex = soundBank->GetCueIndex(cue);
    soundBank->Play(cueIndex, 0, 0);
}

void Audio::stopCue(const char* cue)
{
    ++count(cue).stopped;
    if (!soundBank) return;
    cueIndex = soundBank->GetCueIndex(cue);
    soundBank->Stop(cueIndex, XACT_FLAG_SOUNDBANK_STOP_IMMEDIATE);
}
