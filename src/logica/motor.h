// Inside the reasoning engine (not for use outside src/logica): the state of
// a board with its candidates, the tables of houses, and the techniques.
#pragma once

#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logica/logica.h"

namespace novenario::logica::motor {

// Candidates as a mask: bit d for digit d (1..9).
using Mascara = std::uint16_t;
using Celdas = std::bitset<81>;

constexpr Mascara Bit(int d) { return static_cast<Mascara>(1u << d); }

// Houses 0..8 rows, 9..17 columns, 18..26 blocks.
struct Tablas {
    std::array<std::array<int, 9>, 27> casas;
    std::array<std::array<int, 3>, 81> de;       // row, column, block of each cell
    std::array<std::array<int, 20>, 81> vecinos; // the cells that see each cell
    std::array<Celdas, 81> ve;
    std::array<Celdas, 27> en;
};
extern const Tablas kTablas;
inline const Tablas& T() { return kTablas; }

// How many candidates a mask holds.
// (A table: the machine may have no instruction for it.)
inline int Cuenta(Mascara m) {
    static constexpr auto kCuenta = [] {
        std::array<std::uint8_t, 1024> a{};
        for (unsigned i = 0; i < a.size(); ++i) a[i] = static_cast<std::uint8_t>(std::popcount(i));
        return a;
    }();
    return kCuenta[m & 0x3FF];
}

struct Estado {
    Tablero v{};                  // digits, 0 empty
    std::array<Mascara, 81> c{};  // candidates of the empty cells
    static Estado Desde(const Tablero& tablero);
    void Poner(int celda, int cifra);
    void Aplicar(const Paso& paso);
    bool Lleno() const;
    Celdas Lugares(int casa, int cifra) const;
};

// The easiest step on the board (nothing when no technique applies).
// Uniqueness techniques and the nested nets only when unica: on a board with
// several solutions the deductions stop early anyway, and the nets would
// search it long for nothing.
std::optional<Paso> Siguiente(const Estado& e, bool unica);
// The techniques up to the wings and fish (ratings under the chains').
std::optional<Paso> Basico(const Estado& e, bool unica, double tope);
// The chains, from X-cycles to nets of dynamic forcing chains.
// nivel: the deepest level of dynamic chains tried (0 singles inside the
// supposition, 1 also the basic techniques, 2 and 3 nested chains).
std::optional<Paso> Cadenas(const Estado& e, int nivel);
// Whether a basic technique up to the hidden pairs (those the nets use
// inside a supposition) may apply: never false where one does.
bool BasicoPosible(const Estado& e);
// The step Basico(e, false, 3.4) answers, its technique, what it places and
// what it excludes, without its words.
std::optional<Paso> BasicoSinTexto(const Estado& e);
// BasicoPosible on ahora, looked at as a net looks inside a supposition:
// where the look found nothing on antes, only the houses that have since
// lost a place of a digit or had one placed are looked at again. ahora is
// antes with candidates taken away or cells filled since.
bool BasicoPosibleTras(const Estado& antes, const Estado& ahora);
// The forcing chains or nets of one level alone (-1 static, 0 dynamic, 1..3
// nets), every supposition followed from its start, one after another: the
// plain way to the step Cadenas finds at that level.
std::optional<Paso> ForzadasSolas(const Estado& e, int nivel);
// Whether the board stays whole when the digit (a candidate of the empty
// cell) is placed and the singles alone are followed; false for a digit the
// cell does not admit.
bool SinglesSostienen(const Estado& e, int celda, int cifra);
// The same answer for the board ahora, found as the nets find it: the digit
// followed on antes first, then again on ahora from where that ended. ahora
// is antes with candidates taken away or cells filled since.
bool SinglesSostienenDeNuevo(const Estado& antes, const Estado& ahora, int celda, int cifra);
// W-Wing, which the common scale rates as the chain it is.
std::optional<Paso> WWing(const Estado& e);

// The steps from a state whose solutions have been counted (unica: just
// one), up to the next placement or to the end. otra, when given, is a
// solution of the state, for the "Bifurcación" when the game's own does not
// agree with the state.
std::vector<Paso> Recorrer(Estado e, bool unica, const Contexto& contexto, bool hastaColocar, const Tablero* otra);
// The step that says a board has no solution, naming the player's digit to
// blame when there is one.
Paso SinSolucionDe(const Estado& e, const Contexto& contexto);
// How many solutions agree with the digits and the candidates of a state,
// counting up to tope; primera receives the first found.
int SolucionesConCandidatos(const Estado& e, int tope, Tablero* primera = nullptr);
// WXYZ-Wing (4 cells) and VWXYZ-Wing (5 cells).
std::optional<Paso> AlaGrande(const Estado& e, int celdas);
// Continuous nice loops: the easiest one on the board.
std::optional<Paso> Lazos(const Estado& e);

Casa CasaDe(int h);
std::string Celda(int i);                 // "fila 4, columna 5"
std::string Cifras(Mascara m);            // "3, 5 y 7"
std::string ListaCeldas(const std::vector<int>& celdas);
std::string ListaEliminaciones(const std::vector<Digito>& elimina);
std::string Decimal(double x);
double Redondea(double x);
double PorLongitud(int longitud);
Paso Nuevo(Tecnica t, std::string nombre, double dificultad);
std::vector<int> Lista(const Celdas& s);

}  // namespace novenario::logica::motor
