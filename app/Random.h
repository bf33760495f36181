#pragma once
// The program's one random generator: a linear congruential generator whose state starts at 0
// when the program starts and is never reseeded, so the same presses give the same names after
// every start.

#include <cstdint>

extern std::uint32_t RandSeed;

// An integer from 0 to n - 1 (0 when n <= 0): the state steps first, then scales to the bound.
int Random(int n);
