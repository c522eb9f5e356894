// The pace of a run of "Calcula" that the player watches. The run is shown
// in frames, about as many a second as the screen shows; each frame shows the
// board as the search holds it after a whole number of steps.
//
// Each of the first 180 steps has a frame of its own (three seconds); then the
// steps per frame double every second: a few hundred steps take 4 to 6 seconds,
// the 999,999-step limit 15.5 seconds.
#pragma once

#include <cmath>

namespace novenario::ritmo {

inline constexpr int FotogramasPorSegundo = 60;
inline constexpr long long FotogramasLentos = 120;  // before the steps start to double
// Past this the steps per frame stop growing; no run of the game gets there.
inline constexpr long long MaximoPorFotograma = 1LL << 30;

// Steps the search takes for frame k (1, 2, ...): 2 to the power of the
// seconds past the first two, rounded down.
inline long long PasosDelFotograma(long long k) {
    if (k <= FotogramasLentos) return 1;
    const double n = std::floor(std::exp2(static_cast<double>(k - FotogramasLentos) / FotogramasPorSegundo));
    return n >= static_cast<double>(MaximoPorFotograma) ? MaximoPorFotograma : static_cast<long long>(n);
}

// When frame k is due, in milliseconds after the run's first frame (frame 0,
// the board before the first step).
inline long long MomentoDelFotograma(long long k) { return k * 1000 / FotogramasPorSegundo; }

// How late a frame may come before the run stops trying to make up for it:
// after a pause, or a window held still, it goes on from then at its pace.
inline constexpr long long RetrasoTolerado = (1000 + FotogramasPorSegundo - 1) / FotogramasPorSegundo;

}  // namespace novenario::ritmo
