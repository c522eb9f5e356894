// The engine from a position given with its candidates: a player's pencil
// marks, or a board met in the middle of a puzzle, where steps taken before
// have already excluded digits the houses still allow.
#include <bit>

#include "logica/logica.h"
#include "logica/motor.h"

namespace novenario::logica {

namespace motor {

namespace {

// The singles the candidates force, until none is left. False when a cell
// or a digit of a house has no place left.
bool Singles(Estado& e) {
    for (bool cambio = true; cambio;) {
        cambio = false;
        for (int i = 0; i < 81; ++i) {
            if (e.v[i]) continue;
            if (e.c[i] == 0) return false;
            if (Cuenta(e.c[i]) == 1) {
                e.Poner(i, std::countr_zero(e.c[i]));
                cambio = true;
            }
        }
        for (int h = 0; h < 27; ++h)
            for (int d = 1; d <= 9; ++d) {
                int lugar = -1, n = 0;
                bool puesta = false;
                for (int i : T().casas[h]) {
                    if (e.v[i] == d) puesta = true;
                    if (e.c[i] & Bit(d)) { ++n; lugar = i; }
                }
                if (puesta) continue;
                if (n == 0) return false;
                if (n == 1) {
                    e.Poner(lugar, d);
                    cambio = true;
                }
            }
    }
    return true;
}

int Buscar(Estado e, int tope, int cuenta, Tablero* primera) {
    if (!Singles(e) || Roto(e)) return cuenta;
    int mejor = -1;
    for (int i = 0; i < 81; ++i)
        if (e.v[i] == 0 && (mejor < 0 || Cuenta(e.c[i]) < Cuenta(e.c[mejor]))) mejor = i;
    if (mejor < 0) {
        if (cuenta == 0 && primera) *primera = e.v;
        return cuenta + 1;
    }
    for (int d = 1; d <= 9 && cuenta < tope; ++d) {
        if (!(e.c[mejor] & Bit(d))) continue;
        Estado f = e;
        f.Poner(mejor, d);
        cuenta = Buscar(f, tope, cuenta, primera);
    }
    return cuenta;
}

Paso NoValidos(int celda, const std::string& resumen, const std::string& texto) {
    Paso p = Nuevo(Tecnica::SinSolucion, "Sin solución", 0.0);
    if (celda >= 0) {
        p.celdas = {celda};
        for (int h : T().de[celda]) p.casas.push_back(CasaDe(h));
    }
    p.resumen = resumen;
    p.texto = texto;
    return p;
}

}  // namespace

int SolucionesConCandidatos(const Estado& e, int tope, Tablero* primera) {
    if (tope < 1) return 0;
    return Buscar(e, tope, 0, primera);
}

}  // namespace motor

using namespace motor;

std::vector<Paso> HastaColocarConCandidatos(const Tablero& tablero, const Candidatos& candidatos,
                                            const Contexto& contexto) {
    Estado e = Estado::Desde(tablero);
    if (e.Lleno()) return {};
    for (int i = 0; i < 81; ++i) {
        if (e.v[i]) continue;
        if (candidatos[i] & ~0x3FEu) {
            return {NoValidos(i, "Candidatos no válidos en la " + Celda(i),
                              "La " + Celda(i) + " tiene candidatos que no son cifras del 1 al 9: no es una posición "
                              "de sudoku.")};
        }
        e.c[i] &= candidatos[i];
    }
    // The digits alone without a solution: the player's digit to blame.
    const Estado solo = Estado::Desde(tablero);
    if (Roto(solo) || SolucionesConCandidatos(solo, 1) == 0) return {SinSolucionDe(solo, contexto)};
    for (int i = 0; i < 81; ++i)
        if (e.v[i] == 0 && e.c[i] == 0)
            return {NoValidos(i, "La " + Celda(i) + " no tiene candidatos",
                              "En la " + Celda(i) + " no queda ningún candidato: entre los que tiene y los que "
                              "impiden su fila, su columna y su bloque no cabe ninguna cifra.")};
    Tablero primera{};
    const int n = SolucionesConCandidatos(e, 2, &primera);
    if (n == 0) {
        return {NoValidos(-1, "Los candidatos no dejan ninguna solución",
                          "Con estos candidatos el tablero no tiene solución: alguno de los descartados es la cifra "
                          "que lleva su casilla.")};
    }
    return Recorrer(std::move(e), n == 1 || contexto.unica_conocida, contexto, true, &primera);
}

}  // namespace novenario::logica
