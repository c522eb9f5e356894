#include "board/grupo.h"

#include <cstddef>

namespace novenario {

bool Hay_Repeticion(const std::array<std::string, 9>& valores, std::array<std::string, 9>& casillas) {
    static constexpr char Letras[9] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I'};
    for (std::size_t i = 0; i < 9; ++i) {
        if (valores[i].empty()) {
            casillas[i].assign(1, Letras[i]);
        } else if (&valores != &casillas) {
            casillas[i] = valores[i];
        }
    }
    for (std::size_t i = 0; i < 9; ++i) {
        for (std::size_t j = i + 1; j < 9; ++j) {
            if (casillas[i] == casillas[j]) return true;
        }
    }
    return false;
}

}  // namespace novenario
