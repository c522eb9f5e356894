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
    static constexpr std::uint32_t Multiplicador = 134775813u;

    std::uint32_t Random(std::uint32_t n) {
        semilla_ = semilla_ * Multiplicador + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(semilla_) * n) >> 32);
    }
    // The seed as n draws would leave it, without making them: the step
    // s -> a s + 1 composed with itself n times, by repeated squaring, so a
    // day of timer ticks costs a few dozen multiplications.
    void Avanzar(std::uint64_t n) {
        std::uint32_t a = Multiplicador, c = 1u;  // 2^k steps, as s -> a s + c
        std::uint32_t total_a = 1u, total_c = 0u;  // the steps taken so far
        for (; n != 0; n >>= 1) {
            if ((n & 1u) != 0) {
                total_a *= a;
                total_c = total_c * a + c;
            }
            c = c * a + c;
            a *= a;
        }
        semilla_ = semilla_ * total_a + total_c;
    }
    std::uint32_t Semilla() const { return semilla_; }
    void PonerSemilla(std::uint32_t s) { semilla_ = s; }

private:
    std::uint32_t semilla_ = 0;
};

}  // namespace novenario
