// Flags of the game: one-character answers "S" (yes) and "N" (no).
// A flag that was never set holds nothing and is neither: the micro keypad
// switch starts that way and its first press must show the keypad.
#pragma once

#include <string>

namespace novenario {

enum class Bandera : char { Nada = 0, S = 'S', N = 'N' };

inline std::string Texto(Bandera b) {
    return b == Bandera::Nada ? std::string() : std::string(1, static_cast<char>(b));
}

}  // namespace novenario
