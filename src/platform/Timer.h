#pragma once
// The high-resolution counter and millisecond sleep the frame loop measures with.
// A virtual clock can stand in for the real one: tests and the replay runner advance
// it by hand, and a sleep then advances it instead of waiting.

#include "WinTypes.h"

bool QueryPerformanceFrequency(LONGLONG* frequency);
bool QueryPerformanceCounter(LONGLONG* counter);
void Sleep(DWORD milliseconds);

namespace platform {

void useVirtualClock(bool enabled);
bool virtualClockInUse();
void advanceVirtualClock(double seconds);
double virtualClockSeconds();
// Total milliseconds slept on the virtual clock since it was switched on.
DWORD virtualSleepTotal();

} // namespace platform
