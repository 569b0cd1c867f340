#include "../Xact.h"

#include <FACT.h>
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BankCheck.h"

namespace platform::sdl {

namespace {

bool failCreation = false;
bool toldSilent = false;

class FactWaveBank final : public IXACT3WaveBank {
public:
    FactWaveBank(FACTWaveBank* b, WaveBankFacts f) : bank(b), facts(std::move(f)) {}
    FACTWaveBank* bank;
    WaveBankFacts facts;
};

class FactSoundBank final : public IXACT3SoundBank {
public:
    FactSoundBank(FACTSoundBank* b, std::uint32_t c) : bank(b), cues(c) {}

    XACTINDEX GetCueIndex(const char* friendlyName) override
    {
        if (!bank || !friendlyName) return XACTINDEX_INVALID;
        return FACTSoundBank_GetCueIndex(bank, friendlyName);
    }

    HRESULT Play(XACTINDEX cueIndex, DWORD flags, LONG timeOffset) override
    {
        // The engine plays whatever index it is given, off the end of its tables too.
        if (!bank || cueIndex >= cues) return E_INVALIDARG;
        return static_cast<HRESULT>(FACTSoundBank_Play(bank, cueIndex, flags, timeOffset, nullptr));
    }

    HRESULT Stop(XACTINDEX cueIndex, DWORD flags) override
    {
        if (!bank || cueIndex >= cues) return E_INVALIDARG;
        return static_cast<HRESULT>(FACTSoundBank_Stop(bank, cueIndex, flags));
    }

    FACTSoundBank* bank;
    std::uint32_t cues;
};

class FactEngine final : public IXACT3Engine {
public:
    explicit FactEngine(FACTAudioEngine* e) : engine(e) {}
    ~FactEngine() override
    {
        ShutDown();
        if (engine) FACTAudioEngine_Release(engine);
    }

    HRESULT Initialize(const XACT_RUNTIME_PARAMETERS* parameters) override
    {
        if (!engine || !parameters) return E_FAIL;
        HRESULT hr = initializeEngine(*parameters);
        if (FAILED(hr) && !usingSilentOutput()) {
            // No sound device here: the game still plays, silently.
            if (!toldSilent) {
                std::fprintf(stderr, "Sound: no audio output device could be opened; playing without sound.\n");
                toldSilent = true;
            }
            FACTAudioEngine_Release(engine);
            engine = nullptr;
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            if (FACTCreateEngine(0, &engine) != 0) engine = nullptr;
            hr = engine ? initializeEngine(*parameters) : E_FAIL;
        }
        initialized = SUCCEEDED(hr);
        return hr;
    }

    HRESULT CreateInMemoryWaveBank(const void* buffer, DWORD size, DWORD flags, DWORD allocAttributes,
                                   IXACT3WaveBank** waveBank) override
    {
        if (!waveBank) return E_INVALIDARG;
        *waveBank = nullptr;
        if (!initialized || waveBanks.size() >= 1) return XACTENGINE_E_NOTREADY;
        WaveBankFacts facts;
        std::string why;
        if (!checkWaveBank(static_cast<const unsigned char*>(buffer), size, facts, why)) {
            std::fprintf(stderr, "Sound: wave bank refused (%s).\n", why.c_str());
            return XACTENGINE_E_INVALIDDATA;
        }
        FACTWaveBank* bank = nullptr;
        const uint32_t hr = FACTAudioEngine_CreateInMemoryWaveBank(engine, buffer, size, flags, allocAttributes, &bank);
        if (hr != 0 || !bank) return hr ? static_cast<HRESULT>(hr) : E_FAIL;
        waveBanks.push_back(std::make_unique<FactWaveBank>(bank, facts));
        *waveBank = waveBanks.back().get();
        return S_OK;
    }

    HRESULT CreateSoundBank(const void* buffer, DWORD size, DWORD flags, DWORD allocAttributes,
                            IXACT3SoundBank** soundBank) override
    {
        if (!soundBank) return E_INVALIDARG;
        *soundBank = nullptr;
        if (!initialized || waveBanks.empty() || !soundBanks.empty()) return XACTENGINE_E_NOTREADY;
        SoundBankFacts facts;
        std::string why;
        if (!checkSoundBank(static_cast<const unsigned char*>(buffer), size, waveBanks.front()->facts, facts, why)) {
            std::fprintf(stderr, "Sound: sound bank refused (%s).\n", why.c_str());
            return XACTENGINE_E_INVALIDDATA;
        }
        FACTSoundBank* bank = nullptr;
        const uint32_t hr = FACTAudioEngine_CreateSoundBank(engine, buffer, size, flags, allocAttributes, &bank);
        if (hr != 0 || !bank) return hr ? static_cast<HRESULT>(hr) : E_FAIL;
        soundBanks.push_back(std::make_unique<FactSoundBank>(bank, facts.cues));
        *soundBank = soundBanks.back().get();
        return S_OK;
    }

    HRESULT DoWork() override
    {
        if (!engine || !initialized) return E_FAIL;
        return static_cast<HRESULT>(FACTAudioEngine_DoWork(engine));
    }

    HRESULT ShutDown() override
    {
        if (!engine || !initialized) return S_OK;
        // The engine's shut-down destroys its banks; forget them first.
        for (auto& bank : soundBanks) bank->bank = nullptr;
        soundBanks.clear();
        waveBanks.clear();
        initialized = false;
        return static_cast<HRESULT>(FACTAudioEngine_ShutDown(engine));
    }

private:
    HRESULT initializeEngine(const XACT_RUNTIME_PARAMETERS& parameters)
    {
        FACTRuntimeParameters p{};
        p.lookAheadTime = parameters.lookAheadTime;
        p.pGlobalSettingsBuffer = const_cast<void*>(parameters.pGlobalSettingsBuffer);
        p.globalSettingsBufferSize = parameters.globalSettingsBufferSize;
        return static_cast<HRESULT>(FACTAudioEngine_Initialize(engine, &p));
    }

    static bool usingSilentOutput()
    {
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        return driver && (std::string(driver) == "dummy" || std::string(driver) == "disk");
    }

    FACTAudioEngine* engine;
    bool initialized = false;
    std::vector<std::unique_ptr<FactWaveBank>> waveBanks;
    std::vector<std::unique_ptr<FactSoundBank>> soundBanks;
};

} // namespace

} // namespace platform::sdl

HRESULT XACT3CreateEngine(DWORD creationFlags, std::unique_ptr<IXACT3Engine>& engine)
{
    engine.reset();
    if (platform::sdl::failCreation) return E_FAIL;
    FACTAudioEngine* created = nullptr;
    if (FACTCreateEngine(creationFlags, &created) != 0 || !created) return E_FAIL;
    engine = std::make_unique<platform::sdl::FactEngine>(created);
    return S_OK;
}

void platform::failSoundEngineCreation(bool fail) { platform::sdl::failCreation = fail; }
