#include "../Timer.h"

#include <chrono>
#include <thread>

namespace {

constexpr LONGLONG frequency = 1000000000; // nanoseconds, for both clocks

bool virtualClock = false;
LONGLONG virtualNow = 0;
DWORD virtualSlept = 0;

LONGLONG realNow()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

bool QueryPerformanceFrequency(LONGLONG* value)
{
    if (!value) return false;
    *value = frequency;
    return true;
}

bool QueryPerformanceCounter(LONGLONG* value)
{
    if (!value) return false;
    *value = virtualClock ? virtualNow : realNow();
    return true;
}

void Sleep(DWORD milliseconds)
{
    if (virtualClock) {
        virtualNow += static_cast<LONGLONG>(milliseconds) * 1000000;
        virtualSlept += milliseconds;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

namespace platform {

void useVirtualClock(bool enabled)
{
    if (enabled && !virtualClock) {
        // Start well away from zero so that nothing mistakes the first reading for "unset".
        virtualNow = frequency;
        virtualSlept = 0;
    }
    virtualClock = enabled;
}

bool virtualClockInUse() { return virtualClock; }

void advanceVirtualClock(double seconds)
{
    virtualNow += static_cast<LONGLONG>(seconds * static_cast<double>(frequency) + 0.5);
}

double virtualClockSeconds() { return static_cast<double>(virtualNow - frequency) / static_cast<double>(frequency); }

DWORD virtualSleepTotal() { return virtualSlept; }

} // namespace platform
