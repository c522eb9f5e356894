// The colour table of the board and the window. Numbers are 0x00BBGGRR,
// blue in the high byte and red in the low byte, as the original toolkit
// stored them; the view turns them into screen colours.
#pragma once

#include <cstdint>

namespace novenario {

using Color = std::uint32_t;

// Cell kinds.
inline constexpr Color Blanco = 0xFFFFFF;      // ordinary cell
inline constexpr Color Naranja = 0x6CB6FF;     // fixed cell (a given)
inline constexpr Color Verde = 0x00FF00;       // the selected cell; hint bar "right digit"
inline constexpr Color Granate = 0x000080;     // empty cell with no possible digit; error text
inline constexpr Color AzulMarino = 0x800000;  // navy: a link under the mouse
inline constexpr Color Aguamarina = 0xFFFF00;  // player's value marked by "Calcula"

// Other colours of the window.
inline constexpr Color Gris = 0x808080;        // hint bar "no confirmation"
inline constexpr Color Plata = 0xC0C0C0;       // window background
inline constexpr Color Negro = 0x000000;
inline constexpr Color Rojo = 0x0000FF;
inline constexpr Color Marron = 0x5B8CBD;      // the board panel
inline constexpr Color BarraBloque = 0x182B3D; // bars between the blocks
inline constexpr Color Tostado = 0x7AA3CA;     // micro keypad, lamps' surround
inline constexpr Color Arena = 0xB5CBE1;

inline constexpr int RojoDe(Color c) { return static_cast<int>(c & 0xFF); }
inline constexpr int VerdeDe(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int AzulDe(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace novenario
