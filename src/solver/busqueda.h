// The search phase of the solving engine ("Calcula" from the moment the
// logic phase has finished): a depth-first search with backtracking over the
// cells that are empty when it starts, visited in grid reading order, trying
// the digits 1 to 9 in increasing order, bounded by a step count.
//
// Words used here, as the game uses them:
//   ComboAux       the cells that were empty when the search started, in grid
//                  reading order (here: cell indices 0..80 in name order);
//   ComboAuxNum    the stack of digits placed by the search, oldest first;
//   Numero_Prueba  the digit being tried in the current cell: 1 to 9, 10 when
//                  all nine failed, 99 when one fitted (or after a cancel);
//   Indice_Panel   index in ComboAux of the current cell (99999 after a cancel);
//   Pasos          steps taken: one step is one visit of the search to a cell;
//   Fallo_Calculo  the run failed: no solution ("SS") or step limit ("ST").
//
// A trial writes the digit into the cell and checks the whole block, row and
// column of the cell, not only the new digit: a group whose givens already
// repeat a digit refuses every trial in its empty cells.
//
// Two ways of trying a digit live here, over one state. Boards that hold only
// "" and "1".."9" take a fast path on bitmasks per row, column and block; any
// other board (a loaded game may hold any character) takes a plain path that
// writes the digit into the cell and checks the three groups of the cell over
// their texts, with the "A".."I" placeholders of the game's own check
// (Hay_Repeticion). Everything else, the walk through ComboAux, the stack, the
// backtracks, the counters and the pumps, is one loop both paths share, so
// they give the same steps, board, stack and state, pump for pump.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/tablero.h"

namespace novenario {

// When the search lets pending window events run.
enum class Momento {
    AlEmpezar,  // once, after the counters are set and before the first step
    TrasPaso,   // after every step, only when the run shows its work
    AlVaciar    // inside Limpia_Campo, on every backtrack, after the cell is emptied
};

// What the search calls at those moments: the window repaints, the clocks
// tick, and "Pausa" or "Cancelar" are handled. A pump may read the search's
// state and may call Busqueda::Cancelar(); nothing else.
class Bomba {
public:
    virtual ~Bomba() = default;
    virtual void Bombea(Momento momento) = 0;
};

// Which way the search goes.
enum class Camino {
    Automatico,  // the fast path when the board allows it, else the plain one
    Literal      // always the plain path over texts
};

class Busqueda {
public:
    // The 81 cell values in name order, each "" (empty) or one character.
    explicit Busqueda(const std::array<std::string, NumCeldas>& valores,
                      Camino camino = Camino::Automatico);

    // The search of "Calcula": ComboAux := the empty cells in grid reading
    // order; Numero_Prueba 1, Indice_Panel 0, Pasos 0, empty stack; the loop
    // while Indice_Panel < Total_Paneles and Pasos <= limite_pasos; then
    // Fallo_Calculo when Pasos >= limite_pasos. With ver_proceso false there
    // is no pump after each step; the one at the start and those inside
    // Limpia_Campo still happen. bomba may be null. A call made from inside a
    // pump of a running search does nothing.
    void Ejecutar(long long limite_pasos, bool ver_proceso, Bomba* bomba);

    // "Cancelar": Numero_Prueba := 99, Indice_Panel := 99999. The loop notices
    // at its next check; a backtrack under way finishes its step first.
    void Cancelar();

    // The value of cell c (0..80) as the board holds it: "" or, normally, one
    // character; "" for any other c. The view is valid until the search
    // writes that cell again.
    std::string_view Valor(int c) const;
    // All 81 values in name order.
    std::array<std::string, NumCeldas> Valores() const;

    long long Pasos() const { return pasos_; }
    long long Limite_Pasos() const { return limite_pasos_; }
    bool Fallo() const { return fallo_; }  // Fallo_Calculo
    // The outcome code: "" when the run did not fail, else "SS" (no
    // solution, Pasos < limit) or "ST" (out of steps).
    std::string Resultado() const;
    bool Encontrado() const { return encontrado_; }
    int Indice_Panel() const { return indice_panel_; }
    int Numero_Prueba() const { return numero_prueba_; }
    int Total_Paneles() const { return total_paneles_; }
    // Name of the ComboAux entry at Indice_Panel; "" when the index lies
    // outside the list.
    std::string Panel_Activo() const;
    // The routines' variables as the last trial left them, for the game to
    // copy into its own: Numero_Activo (the digit tried), Valor_Anterior (the
    // cell's value before it), Hay_Error ("S" or "N"). All three are "" when
    // this run made no trial, and then the game's variables keep theirs.
    std::string Numero_Activo() const;
    std::string Valor_Anterior() const;
    std::string Hay_Error() const;
    // EditComodin: the digit last taken off the stack, "" when this run took none.
    std::string EditComodin() const;
    // ComboAuxNum, oldest first.
    std::vector<int> Pila() const;
    int AlturaPila() const;
    // The cells of ComboAux (indices in name order), in grid reading order.
    const std::vector<int>& ComboAux() const { return combo_aux_; }
    // True when this board goes the fast way.
    bool EsRapida() const { return rapida_; }

private:
    // Where a cell of ComboAux sits: its masks (0..8 the rows, 9..17 the
    // columns, 18..26 the blocks) and the digits its groups allow at all.
    struct Posicion {
        std::uint8_t celda, fila, columna, bloque;
        std::uint16_t permitidos;  // 0 when a group of the cell repeats a given
    };

    bool rapida_ = false;
    bool en_marcha_ = false;

    // The board. A value of one character other than NUL is kept in celda_;
    // any other value (several characters, or NUL) in textos_, with '\0' in
    // celda_. The search writes digits, and empties, only into celda_, and
    // only in the cells of ComboAux, which start empty in both.
    std::array<char, NumCeldas> celda_{};
    std::array<std::string, NumCeldas> textos_{};

    std::vector<int> combo_aux_;
    std::array<Posicion, NumCeldas> posicion_{};  // one per entry of ComboAux
    std::array<std::uint8_t, NumCeldas> pila_{};  // ComboAuxNum
    int altura_ = 0;                              // its height
    int numero_prueba_ = 1;
    int indice_panel_ = 0;
    int total_paneles_ = 0;
    long long pasos_ = 0;
    long long limite_pasos_ = 0;
    bool fallo_ = false;
    bool encontrado_ = false;
    int activo_ = 0;        // Numero_Activo, 0 before the first trial
    char anterior_ = '\0';  // Valor_Anterior
    int comodin_ = 0;       // EditComodin, 0 before the first backtrack

    // Fast path only: bit d-1 of a mask is set when digit d is in its group.
    std::array<std::uint16_t, 27> mascara_{};

    void Prepara();
    template <bool Rapida, bool ConBomba>
    void Bucle(bool ver_proceso, Bomba* bomba);
    int PruebaLiteral(int celda, int desde);
    bool RepiteGrupo(TipoGrupo tipo, int celda) const;
};

}  // namespace novenario
