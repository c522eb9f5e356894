// libFuzzer target of the reasoning engine: any board, any pencil marks and
// any move list, as a player or a file may give them. The engine must never
// crash or read out of bounds, every step must name real cells and digits,
// and on a position with one solution every step must agree with it.
//
// The bytes: 81 cells (a byte with its top bit set is an empty cell, any
// other gives the digit 1 + byte % 9, or a value out of range when the byte
// is 0x7F), then the marks of the 81 cells (two bytes each, any bits), then
// a flag byte (bit 0: the puzzle is said to have one solution, trusted only
// when it does), then the player's cells in move-list order (any byte).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "exhaustiva/exhaustiva.h"
#include "logica/logica.h"

namespace {

using namespace novenario;

void Exige(bool condicion) {
    if (!condicion) std::abort();
}

// The steps name cells and digits that exist, and where the position has
// one solution (sol), they never place another digit or take its own away.
void Revisa(const std::vector<logica::Paso>& pasos, const Rejilla* sol) {
    for (const logica::Paso& p : pasos) {
        for (const auto& x : p.coloca) {
            Exige(x.celda >= 0 && x.celda < 81 && x.cifra >= 1 && x.cifra <= 9);
            if (sol) Exige((*sol)[x.celda] == x.cifra);
        }
        for (const auto& x : p.elimina) {
            Exige(x.celda >= 0 && x.celda < 81 && x.cifra >= 1 && x.cifra <= 9);
            if (sol) Exige((*sol)[x.celda] != x.cifra);
        }
        for (int c : p.celdas) Exige(c >= 0 && c < 81);
        if (sol) Exige(p.tecnica != logica::Tecnica::SinSolucion);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    if (largo < 81) return 0;
    logica::Tablero t{};
    bool fuera = false;  // a value no cell can hold: only the bounds are checked
    for (std::size_t i = 0; i < 81; ++i) {
        t[i] = (datos[i] & 0x80) ? 0 : datos[i] == 0x7F ? 42 : static_cast<std::uint8_t>(1 + datos[i] % 9);
        fuera = fuera || t[i] > 9;
    }
    logica::Candidatos marcas;
    marcas.fill(0x3FE);
    std::size_t k = 81;
    for (std::size_t i = 0; i < 81 && k + 1 < largo; ++i, k += 2)
        marcas[i] = static_cast<std::uint16_t>(datos[k] | (datos[k + 1] << 8));
    const bool diceUnica = k < largo && (datos[k++] & 1);
    logica::Contexto ctx;
    for (; k < largo; ++k) ctx.jugadas.push_back(datos[k]);

    // The solutions of the board alone, and with the marks.
    Rejilla r{}, sol{}, solMarcas{};
    for (std::size_t i = 0; i < 81; ++i) r[i] = t[i];
    const int n = fuera ? -1 : ContarSoluciones(r, 2, &sol);
    // Marks with bits outside 1..9 are refused, and say so.
    bool validas = true;
    for (std::size_t i = 0; i < 81; ++i) validas = validas && (t[i] || !(marcas[i] & ~0x3FEu));
    const int nMarcas = validas && !fuera ? ContarSoluciones(r, marcas, 2, &solMarcas) : -1;

    ctx.unica_conocida = diceUnica && n == 1;
    if (n == 1) for (std::size_t i = 0; i < 81; ++i) ctx.solucion[i] = sol[i];
    Revisa(logica::HastaColocar(t, ctx), n == 1 ? &sol : nullptr);

    ctx.unica_conocida = diceUnica && nMarcas == 1;
    Revisa(logica::HastaColocarConCandidatos(t, marcas, ctx), nMarcas == 1 ? &solMarcas : nullptr);

    const logica::Calificacion c = logica::Calificar(t);
    Exige(fuera ? c.soluciones == 0 : c.soluciones == n);
    Exige(c.dificultad >= 0.0 && c.dificultad <= 12.0);
    return 0;
}
