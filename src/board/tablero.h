// The board: 81 cells and the fixed facts about them.
//
// A cell is named "P", its block (1-9, reading order), "_" and its place in
// the block (1-9, reading order): P4_7 is block 4, place 7. Cells are held in
// *name order* (P1_1 .. P1_9, P2_1 .. P9_9); a cell index c runs 0..80 in that
// order, so the cell number of the game is c + 1. *Grid reading order* is row
// by row from the top, left to right.
//
// A cell carries what its on-screen control shows: the caption (its value,
// "" or one character), the background colour (its kind), the enabled flag
// (false only for fixed cells) and the two candidate labels, PSD (possible
// digits, top) and PND (digits taken by its peers, bottom).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/colores.h"

namespace novenario {

inline constexpr int NumCeldas = 81;

enum class TipoGrupo { Bloque, Horizontal, Vertical };

struct Celda {
    std::string Caption;     // the value: "" or one character
    Color Color_ = Blanco;   // the cell's kind
    bool Enabled = true;
    std::string PSD;         // possible digits (upper label)
    std::string PND;         // digits taken by the peers (lower label)
    bool EtiquetasVisibles = false;  // the two labels are shown with the help display
    int TamanoFuente = 22;           // point size of the value
};

namespace tablero {

// Name of cell index c (0..80): "P1_1" .. "P9_9".
std::string Nombre(int c);
// Index of the cell with that exact name, or -1 when the text names no cell.
int Indice(std::string_view nombre);

int Bloque(int c);   // 1..9
int Lugar(int c);    // 1..9, place inside the block
int Fila(int c);     // grid row 1..9
int Columna(int c);  // grid column 1..9
// Index of the cell at grid row and column (both 1..9).
int EnRejilla(int fila, int columna);

// The cells of a group (index 1..9) in slot order: a block by place, a row
// left to right, a column top to bottom.
const std::array<int, 9>& Grupo(TipoGrupo tipo, int indice);
// The index (1..9) of the group of that kind that holds cell c.
int GrupoDe(TipoGrupo tipo, int c);
// The 20 other cells that share a row, a column or a block with c.
const std::array<int, 20>& Pares(int c);
// All 81 cell indices in grid reading order.
const std::array<int, NumCeldas>& OrdenRejilla();

// Geometry inside the board panel, in pixels.
inline constexpr int AnchoCelda = 67;
inline constexpr int AltoCelda = 40;
inline constexpr std::array<int, 9> IzquierdaColumna{7, 76, 145, 220, 289, 358, 432, 501, 570};
inline constexpr std::array<int, 9> ArribaFila{6, 48, 90, 137, 179, 221, 269, 311, 353};
int Izquierda(int c);
int Arriba(int c);

}  // namespace tablero

// The 81 cells in name order.
class Tablero {
public:
    Celda& operator[](int c) { return celdas_[static_cast<std::size_t>(c)]; }
    const Celda& operator[](int c) const { return celdas_[static_cast<std::size_t>(c)]; }
    // The cell of that name, or nullptr when the text names no cell.
    Celda* Buscar(std::string_view nombre);
    // The value of a cell as routines read it: its first character, or "".
    std::string Valor(int c) const;

private:
    std::array<Celda, NumCeldas> celdas_{};
};

}  // namespace novenario
