// The game's one random source: a 32-bit linear congruential generator.
// Each draw in 0..n-1 first advances the seed (seed * 134775813 + 1, modulo
// 2^32) and returns the high 32 bits of seed * n. The seed starts at 0 and is
// never taken from the clock: what a new game draws depends only on how many
// draws (10 ms timer ticks) have gone before.
#pragma once

#include <cstdint>

namespace novenario {

class Aleatorio {
public:
    std::uint32_t Random(std::uint32_t n) {
        semilla_ = semilla_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(semilla_) * n) >> 32);
    }
    std::uint32_t Semilla() const { return semilla_; }
    // Leaves the seed where n draws would leave it, in a few dozen steps
    // however large n is: the rule composed with itself by squaring.
    void Saltar(std::uint64_t n) {
        std::uint32_t a = 134775813u, b = 1u;  // one draw: s -> s * a + b
        std::uint32_t m = 1u, c = 0u;          // the draws so far: s -> s * m + c
        for (; n; n >>= 1) {
            if (n & 1) {
                m *= a;
                c = c * a + b;
            }
            b *= a + 1u;
            a *= a;
        }
        semilla_ = semilla_ * m + c;
    }
    void PonerSemilla(std::uint32_t s) { semilla_ = s; }

private:
    std::uint32_t semilla_ = 0;
};

}  // namespace novenario
