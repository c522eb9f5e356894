// The saved game (.sdk) as bytes: the board line, the move lines, and the
// whole check a load makes before it touches the game in progress. No window
// is needed, so the companion tool reads and writes the same files.
//
// Words used here (positions of the board line count from 1):
//  - *board line*: line 1 of the file. 81 cell *pairs* in name order
//    (positions 1-162), the clock as hours, minutes and seconds in two digits
//    each (163-168); 168 characters. When the game has a solution the *tail*
//    follows: "-----" (169-173), the 81 digits of the solution (174-254) and
//    the level digit (255); 255 characters.
//  - *pair*: the cell's value and its *mark*. "R" marks a fixed cell, "B"
//    any other; " B" is an empty cell.
//  - *move line*: every line after the first; one item of the move list, the
//    cell's name, "--" and a digit or "B" (for example "P3_4--7").
//
// Reading is lenient the way the game always was: short lines leave the rest
// empty, any value other than a space is taken, any mark other than "R" is
// not fixed, foreign lines after the first are skipped. Only the clock must be
// made of integers; LeePartida finds that out before anything is applied, so
// a file that cannot be loaded never costs the player the game in progress.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "board/entorno.h"
#include "board/tablero.h"

namespace novenario::sdk {

inline constexpr std::size_t LargoLinea = 168;      // board line without tail
inline constexpr std::size_t LargoLineaCola = 255;  // with the tail
inline constexpr std::string_view SeparadorCola = "-----";
// Positions (from 1) of the fields of the board line.
inline constexpr std::size_t PosHoras = 163, PosMinutos = 165, PosSegundos = 167;
inline constexpr std::size_t PosSolucion = 174, LargoSolucion = 81, PosNivel = 255;

// ---- Reading --------------------------------------------------------------

// One pair as read: each text is one character, or "" when line 1 ends first.
struct ParLeido {
    std::string Valor;
    std::string Marca;
};

// What a pair does to its cell on a freshly emptied board.
enum class Efecto {
    Ninguno,  // the value is exactly one space: the cell is not touched
    Libre,    // caption := value (possibly ""), colour white
    Fijo,     // caption := value, colour orange, disabled
};
Efecto EfectoDe(const ParLeido& par);

// Everything a load takes from the file, as texts, before anything is checked.
struct Partida {
    std::array<ParLeido, NumCeldas> Pares;  // name order
    std::string LPHor, LPMin, LPseg;        // up to 2 characters each, unchecked
    std::string EPartida;                   // up to 81 characters from position 174
    std::string ENivel_Juego;               // the character at 255, or ""
    std::vector<std::string> LBPanel;       // the move items, file order
    // The clock as integers; set by LeePartida once all three convert.
    int Horas = 0, Minutos = 0, Segundos = 0;
};

// The board line: pairs, clock texts, solution and level, exactly as found.
// Positions 169-173 are not read. LBPanel and the integers stay empty.
Partida LeeLineaTablero(std::string_view linea);

// The item of a move line whose first character is "P": characters 1-4, "--"
// and character 7. A line shorter than 7 gives a shorter item (the missing
// characters are empty texts), so an item may name no cell at all; whoever
// replays it must look the name up. Any other line gives "".
std::string ItemMovimiento(std::string_view linea);
// The move list from lines[1..]: one item per line starting with "P", in file
// order; every other line (empty ones too) is skipped.
std::vector<std::string> LeeMovimientos(const std::vector<std::string>& lineas);

// Puts the pairs on a board that the load has emptied (every cell white and
// enabled, caption ""). Returns true when at least one cell became fixed
// (Hay_Fijos). Clock, solution, level and moves are the caller's.
bool AplicaTablero(const Partida& partida, Tablero& tablero);

// The integer conversion of the clock fields, as the original toolkit's
// StrToInt: optional leading spaces, an optional sign, then decimal digits,
// or hexadecimal digits after "$" or "0x"/"0X"; nothing before, between or
// after; 32-bit range (hexadecimal up to FFFFFFFF, wrapping to negative). The
// empty text and a text of spaces are not integers.
bool ConvierteEntero(std::string_view texto, int& valor);
// "'%s' is not a valid integer value" with the text in place of %s.
std::string MensajeEnteroInvalido(std::string_view texto);

// What the player is told when a chosen file cannot be read at all.
std::string MensajeIlegible(std::string_view nombre);

// A saved game is about half a kilobyte, and a long move list adds a few
// dozen bytes a move; a file longer than this is no saved game, and the load
// refuses it before reading any of it.
inline constexpr std::size_t MaximoFichero = std::size_t{16} << 20;
// What the player is told when the file is longer than MaximoFichero.
std::string MensajeDemasiadoGrande(std::string_view nombre);
// What the player is told when the name is there but is no plain file (a
// pipe, a device, a folder): no saved game, and nothing is read.
std::string MensajeNoEsFichero(std::string_view nombre);
// The message for a read that did not come to Leido::Bien.
std::string MensajeNoLeido(Leido leido, std::string_view nombre);

// The longest move list a saved game may hold. Every entry is a move of the
// game's history: an accepted digit adds two (the cell blank, then the
// digit), an erase one, and stepping back and forward adds none. A game
// fills at most 81 cells; even a player who changes every cell's digit
// dozens of times makes a few thousand entries. A million is an entry every
// second for eleven days and nights of play without a pause, which no game
// comes near; and at 32 bytes an entry it keeps a load within a few dozen
// megabytes whatever the file holds. A file with more move lines is no
// saved game: it is refused, and a save that would write one is refused too,
// since it could not be loaded back.
inline constexpr std::size_t MaximoMovimientos = 1'000'000;
// What the player is told of a file with more move lines than that.
std::string MensajeDemasiadasJugadas();

struct Lectura {
    bool Correcta = false;
    Partida Juego;                    // meaningful only when Correcta
    std::string Error;                // the message for the player when not
    // The lines kept, as MEntrada1 holds them: line 1 and the move lines.
    // Lines that are no move (empty, foreign) are skipped as they are read,
    // so a file of nothing else costs no memory beyond its bytes.
    std::vector<std::string> Lineas;
};

// The whole file checked before any change: the container (RTF or plain
// text), the board line, the move lines (no more than MaximoMovimientos) and
// the three clock fields as integers, in the order hours, minutes, seconds;
// the first that fails gives the error. Never throws; any bytes are read.
// The lines are taken one at a time, and a move list that goes over its
// bound stops the reading there.
Lectura LeePartida(std::string_view bytes);
// The same check of a game's lines that come from no file (a board brought
// in from outside, made into the lines of a saved game).
Lectura LeePartidaDeLineas(std::vector<std::string> lineas);

// ---- Writing --------------------------------------------------------------

// A cell as the save sees it.
struct CeldaGuardada {
    std::string Valor;  // the caption: "" or one character; only the first is written
    bool Fija = false;  // orange
};

// The pair of one cell: " B" when the value is empty, else its first
// character and "R" when fixed, "B" when not.
std::string ParDe(const CeldaGuardada& celda);

// A clock field in exactly two characters, so that no later position moves:
// two characters as they are, fewer padded with "0" on the left, a longer
// number of digits (100 hours and more) kept at "99", any other longer text
// cut to its first two characters.
std::string CampoReloj(std::string_view texto);

// Characters 1-168: the 81 pairs and the clock.
std::string LineaTablero(const std::array<CeldaGuardada, NumCeldas>& celdas, std::string_view horas,
                         std::string_view minutos, std::string_view segundos);
// The same from the board: a cell is fixed when its caption is not empty and
// its colour is exactly orange; green, maroon and aqua are saved as "B".
std::string LineaTablero(const Tablero& tablero, std::string_view horas, std::string_view minutos,
                         std::string_view segundos);

// The tail: "" when the solution is empty after trimming blanks and control
// characters at both ends, else "-----", the solution unchanged and the level
// in decimal.
std::string Cola(std::string_view ePartida, int nivel);

// The lines of the file: the board line with its tail, then the move items
// in list order.
std::vector<std::string> LineasPartida(std::string_view lineaTablero, std::string_view ePartida, int nivel,
                                       const std::vector<std::string>& lbPanel);

// The bytes of the saved file for these lines (the RTF container).
std::string EscribePartida(const std::vector<std::string>& lineas);

// Why the bytes of a game with that many moves could not be loaded back
// ("" when they can): more moves than MaximoMovimientos, or more bytes than
// MaximoFichero. The save refuses such a game before it writes anything.
std::string NoSePodriaCargar(std::size_t movimientos, std::size_t bytes);

}  // namespace novenario::sdk
