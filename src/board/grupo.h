// The check behind "Valida_Bloque", "Valida_Horizontal" and "Valida_Vertical":
// does a block, a grid row or a grid column hold the same value twice?
//
// Words used here:
//   slot      one of the nine places of a group, in the order tablero::Grupo
//             lists its cells (first to ninth);
//   Casillas  the nine slot texts the check compares: the value of the slot's
//             cell, or, for an empty cell, the letter of its slot, "A" for the
//             first slot to "I" for the ninth. Empty cells never match each
//             other or a digit, but a cell holding a letter can match the
//             placeholder of an empty slot: a loaded game may hold any text.
//
// Plain C++, no board: the caller takes the nine values from wherever it keeps
// them (the game from its cells, the search engine from its own copy).
#pragma once

#include <array>
#include <string>

namespace novenario {

// Fills casillas with the slot texts of a group whose nine values, in slot
// order, are valores, and tells whether two slots hold the same text. The
// texts are compared whole. valores and casillas may be the same array; then
// the empty values are replaced by their letters in place.
bool Hay_Repeticion(const std::array<std::string, 9>& valores, std::array<std::string, 9>& casillas);

}  // namespace novenario
