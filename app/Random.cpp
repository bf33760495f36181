#include "app/Random.h"

std::uint32_t RandSeed = 0;

int Random(int n) {
    RandSeed = RandSeed * 134775813u + 1u; // modulo 2^32 by unsigned wrap-around
    if (n <= 0)
        return 0;
    // The upper half of the 64-bit product of the state and the bound lies in [0, n).
    return static_cast<int>((static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint64_t>(n)) >> 32);
}
