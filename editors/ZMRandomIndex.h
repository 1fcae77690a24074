#pragma once
// The starting colours of the add dialogs: a random index from a generator seeded from the clock.

// An index in 0 .. count - 1 (count >= 1).
int ClockSeededIndex(int count);
