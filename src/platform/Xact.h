#pragma once
// The sound engine: one in-memory wave bank, one sound bank, cues played and
// stopped by index. Bank files are checked before the engine sees them; a file that
// does not pass is refused like a missing one, and no index outside a bank plays.

#include <memory>

#include "WinTypes.h"

using XACTINDEX = WORD;
constexpr XACTINDEX XACTINDEX_INVALID = 0xFFFF;
constexpr DWORD XACT_FLAG_SOUNDBANK_STOP_IMMEDIATE = 0x00000001;
constexpr DWORD XACT_ENGINE_LOOKAHEAD_DEFAULT = 250;
constexpr HRESULT XACTENGINE_E_INVALIDDATA = static_cast<HRESULT>(0x8AC70006u);
constexpr HRESULT XACTENGINE_E_NOTREADY = static_cast<HRESULT>(0x8AC7000Bu);

struct XACT_RUNTIME_PARAMETERS {
    DWORD lookAheadTime;
    const void* pGlobalSettingsBuffer;
    DWORD globalSettingsBufferSize;
};

class IXACT3WaveBank {
public:
    virtual ~IXACT3WaveBank() = default;
};

class IXACT3SoundBank {
public:
    virtual ~IXACT3SoundBank() = default;
    virtual XACTINDEX GetCueIndex(const char* friendlyName) = 0;
    virtual HRESULT Play(XACTINDEX cueIndex, DWORD flags, LONG timeOffset) = 0;
    virtual HRESULT Stop(XACTINDEX cueIndex, DWORD flags) = 0;
};

// The banks belong to the engine and go with its ShutDown. The buffers handed to the
// Create calls are read in place and must stay alive until then.
class IXACT3Engine {
public:
    virtual ~IXACT3Engine() = default;
    virtual HRESULT Initialize(const XACT_RUNTIME_PARAMETERS* parameters) = 0;
    virtual HRESULT CreateInMemoryWaveBank(const void* buffer, DWORD size, DWORD flags, DWORD allocAttributes,
                                           IXACT3WaveBank** waveBank) = 0;
    virtual HRESULT CreateSoundBank(const void* buffer, DWORD size, DWORD flags, DWORD allocAttributes,
                                    IXACT3SoundBank** soundBank) = 0;
    virtual HRESULT DoWork() = 0;
    virtual HRESULT ShutDown() = 0;
};

HRESULT XACT3CreateEngine(DWORD creationFlags, std::unique_ptr<IXACT3Engine>& engine);

namespace platform {
// Makes every following engine creation fail, as on a machine whose sound system
// cannot start at all (for tests of that path).
void failSoundEngineCreation(bool fail);
} // namespace platform
