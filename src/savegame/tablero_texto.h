// A board as text, the way players carry puzzles between programs: read
// from the shapes other programs, newspapers' web pages and people write,
// checked against the rules, and written back as one line any solver takes.
// No game is needed; the paste of the main window and every order of the
// companion tool that takes a board read boards here.
//
// Words used here:
//  - *grid*: the 81 cells in grid reading order (row by row from the top,
//    left to right), each '1' .. '9' or 0 for an empty cell;
//  - *cell character*: a digit 1-9, or one of ". 0 _ - *" for an empty cell;
//  - *separator*: what a drawn grid puts between cells and rows: blanks
//    (also tabs and the no-break space of web pages), "|", "+", "-" and the
//    box-drawing characters. A line of separators only (a grid's rule, such
//    as "------+-------+------") holds no cells, unless it is nothing but
//    nine or 81 "-", which are that many empty cells;
//  - *comment*: from "#" to the end of its line; ignored.
//
// The shapes this reads, then: 81 cell characters in one line; nine lines
// of nine; any of them with separators between the cells and rules between
// the rows, with blank lines and comments around them. And a grid of nine
// rows drawn with a blank for an empty cell ("| 5 3   |   7   |       |",
// box drawing, nine lines of nine with blanks, a spreadsheet's rows with a
// tab between cells): its cells are found by the columns they stand in,
// which must line up, and a column with no digit in any row must be placed
// beyond doubt by the drawing (the "|" around it, or even spacing).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/tablero.h"

namespace novenario {

using TableroTexto = std::array<char, NumCeldas>;

// No board is written in more than this; a longer text is refused unread.
inline constexpr std::size_t MaximoTextoTablero = std::size_t{1} << 16;

// ---- Characters ----------------------------------------------------------------

// The length in bytes of the UTF-8 character that starts at s[i], or 0 when
// the bytes there are not one (a byte of Latin-1 or another encoding).
std::size_t LargoUtf8(std::string_view s, std::size_t i);
// A text cut into its characters: UTF-8 characters whole, any other byte on
// its own.
std::vector<std::string_view> Caracteres(std::string_view s);
// A character for a message: between quotes when it is printable UTF-8,
// else its byte in hex.
std::string Mostrable(std::string_view ch);

// ---- Reading ---------------------------------------------------------------------

// "fila 3, columna 7" of a grid position 0..80.
std::string LugarEnRejilla(std::size_t i);

// The grid a text holds, or nullopt with what is wrong in error, in the
// game's words ("el tablero tiene 80 caracteres y debe tener 81", "carácter
// no válido 'x' en la posición 5 (fila 1, columna 5)"). When the text has
// exactly nine lines of cells, each must have nine. A text read by counting
// its cells is always read that way; the columns of a grid with blanks are
// looked at only when counting finds no board.
std::optional<TableroTexto> LeeTablero(std::string_view texto, std::string& error);

// ---- The rules -------------------------------------------------------------------

// A digit of the grid that repeats one before it in one of its groups.
struct Repeticion {
    char Digito = 0;
    TipoGrupo Tipo = TipoGrupo::Bloque;
    int Grupo = 0;               // 1..9
    std::size_t Posicion = 0;    // grid position of the repeating digit
    std::size_t Anterior = 0;    // grid position of the digit it repeats
};

// The first digit of the grid, in grid reading order, that repeats a digit
// before it in its block, its row or its column (checked in that order, as
// the game checks an entry); nullopt when none does.
std::optional<Repeticion> ReglaRota(const TableroTexto& rejilla);
// The repetition in full: "el 5 de la casilla P3_3 (fila 1, columna 9) se
// repite en la fila 1, en la casilla P1_1 (fila 1, columna 1)".
std::string Explica(const Repeticion& r);
// The group's name as the game names it when it refuses an entry:
// "Bloque", "Horizontal", "Vertical".
const char* NombreGrupo(TipoGrupo tipo);

// ---- Writing ---------------------------------------------------------------------

// The board in grid reading order, a digit for every cell holding one of
// 1-9 and "." for every other, followed by a new line.
std::string TextoDeTablero(const Tablero& tablero);

}  // namespace novenario
