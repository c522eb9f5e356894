// The reasoning engine: the next step a person would take on a Sudoku board,
// with the technique that proves it, and the difficulty of a whole puzzle on
// the players' common scale (1.0 for the last empty cell of a house up to
// about 11 for the hardest nets of forcing chains).
//
// It knows nothing of the game's window or of its cell names. A board here is
// 81 digits in grid reading order (row by row, left to right from the top
// left), 0 for an empty cell; a cell is its index 0..80 in that order. The
// candidates of an empty cell are the digits its row, column and block allow,
// less those the steps taken so far have excluded.
//
// Words:
//   paso       one step of reasoning: digits placed (coloca) or candidates
//              excluded (elimina), with the technique and what it looked at.
//   casa       a row, a column or a block ("fila 4", "columna 5", "bloque 4").
//   dificultad a rating of the common scale, one decimal.
//   Bifurcación the step where no deduction decides because the board has
//              more than one solution.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace novenario::logica {

using Tablero = std::array<std::uint8_t, 81>;

// A row, a column or a block, numbered 1..9 as a player sees them (blocks in
// reading order).
struct Casa {
    enum class Tipo { Fila, Columna, Bloque };
    Tipo tipo = Tipo::Fila;
    int numero = 1;
    bool operator==(const Casa&) const = default;
};
// "fila 4", "columna 5", "bloque 4".
std::string NombreCasa(const Casa& casa);

// A digit in a cell: placed by a step, or excluded from its candidates.
struct Digito {
    int celda = 0;  // 0..80, reading order
    int cifra = 0;  // 1..9
    bool operator==(const Digito&) const = default;
};

enum class Tecnica {
    UltimaCasilla,       // full house
    UnicoLugarBloque,    // hidden single in a block
    UnicoLugarLinea,     // hidden single in a row or column
    BloqueoDirecto,      // locked candidates that directly give a single
    ParOcultoDirecto,
    TrioOcultoDirecto,
    UnicoCandidato,      // naked single
    Apuntado,            // pointing
    Reclamo,             // claiming
    ParDesnudo, TrioDesnudo, CuartetoDesnudo,
    ParOculto, TrioOculto, CuartetoOculto,
    XWing, Swordfish, Jellyfish,
    Rascacielos, Cometa, PezTurbot,  // skyscraper, two-string kite, turbot fish
    XYWing, XYZWing, WWing,
    RectanguloUnico, Bug,            // only on a puzzle known to have one solution
    CicloX, CadenaXY, CadenaAlterna,
    CadenaForzadaCelda, CadenaForzadaCasa,
    CadenaDinamica, RedDinamica,
    Bifurcacion,   // no deduction decides: several solutions
    SinSolucion,   // a placed digit leads to no solution
    TresEnlaces,   // three strong links of a digit in a row (grouped or not)
    WXYZWing, VWXYZWing,           // four or five cells with as many digits, one of them unrestricted
    CicloBidireccional, CicloY,    // continuous loops: of any links, or of cells with two candidates
};

struct Paso {
    Tecnica tecnica = Tecnica::UltimaCasilla;
    std::string nombre;          // "Único lugar", "Pareja desnuda", "X-Wing" ...
    double dificultad = 0.0;     // rating of the step on the common scale
    std::vector<Digito> coloca;  // digits this step places (at most one cell for most)
    std::vector<Digito> elimina; // candidates this step excludes
    std::vector<Casa> casas;     // the houses it looks at
    std::vector<int> celdas;     // the cells that prove it (to outline), placed cells included
    std::string resumen;         // the technique and where to look: "Único lugar en el bloque 4"
    std::string texto;           // the full reasoning in plain Spanish, rows and columns 1..9
};

// What the engine knows of the game beside the board.
struct Contexto {
    // The stored solution of the game, when it has one (all zero otherwise).
    // It decides the digit of a "Bifurcación"; without it the exhaustive
    // search finds one.
    Tablero solucion{};
    // The cells the player filled, in the order of the move list (the given
    // cells are not here). On a board with no solution, the first of these
    // whose removal makes the board solvable is the digit named.
    std::vector<int> jugadas;
    // Uniqueness techniques (unique rectangle, BUG) only when the puzzle is
    // known to have one solution; the engine checks this itself when unset.
    bool unica_conocida = false;
};

// The steps from this board up to and including the next placement: the
// easiest step first, each applied before the next is sought. The last step
// places a digit, or is a "Bifurcación" (its coloca holds the digit of the
// solution), or a "SinSolucion" (its coloca empty, its celdas the digit that
// leads nowhere). Empty on a full board.
std::vector<Paso> HastaColocar(const Tablero& tablero, const Contexto& contexto = {});

// The candidates of the 81 cells as masks: bit d (1..9) set when digit d may
// still go in the cell. The mask of a filled cell is not read.
using Candidatos = std::array<std::uint16_t, 81>;

// As HastaColocar, from a board whose empty cells have the candidates given
// (a player's pencil marks, a position met in the middle of a puzzle). A
// cell's candidates are taken together with what its row, column and block
// allow. Uniqueness techniques when the digits and the candidates leave one
// solution, or when contexto.unica_conocida says so.
// Candidates that cannot be a position answer one "SinSolucion" step (coloca
// empty, celdas the cell, if one is to blame) saying why: a mask with bits
// outside 1..9, an empty cell with no candidate left, or candidates that
// leave the board no solution.
std::vector<Paso> HastaColocarConCandidatos(const Tablero& tablero, const Candidatos& candidatos,
                                            const Contexto& contexto = {});

// Every step from this board to the end (or to where deductions stop).
std::vector<Paso> Resolver(const Tablero& tablero, const Contexto& contexto = {});

struct Calificacion {
    int soluciones = 0;          // 0, 1, or 2 for two or more
    double dificultad = 0.0;     // highest step rating on the easiest-first path, one decimal
    std::string nivel;           // "Muy Fácil" ... "Diabólico"
    std::string tecnica;         // name of the hardest technique used
    bool completa = false;       // the deductions reached the end
};

// The rating of a puzzle: the hardest step of the path that always takes the
// easiest step. A board with several solutions is rated up to where the
// deductions stop (completa false); one with none has soluciones 0.
Calificacion Calificar(const Tablero& tablero);

// The word for a rating: up to 1.5 "Muy Fácil", up to 2.5 "Fácil", up to 3.4
// "Normal", up to 4.4 "Difícil", up to 6.5 "Muy Difícil", above "Diabólico".
std::string NivelDe(double dificultad);
// A rating with one decimal and a point ("4.2"), whatever the language the
// program runs in.
std::string TextoDificultad(double dificultad);

}  // namespace novenario::logica
