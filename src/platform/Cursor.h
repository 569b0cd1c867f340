#pragma once
// The mouse cursor's show counter: shown while the counter is 0 or more.

int ShowCursor(bool show);
