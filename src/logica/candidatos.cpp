// The engine from a position given with its candidates: a player's pencil
// marks, or a board met in the middle of a puzzle, where steps taken before
// have already excluded digits the houses still allow.
#include "exhaustiva/exhaustiva.h"
#include "logica/logica.h"
#include "logica/motor.h"

namespace novenario::logica {

namespace motor {

namespace {

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
    return ContarSoluciones(e.v, e.c, tope, primera);
}

}  // namespace motor

using namespace motor;

std::vector<Paso> HastaColocarConCandidatos(const Tablero& tablero, const Candidatos& candidatos,
                                            const Contexto& contexto) {
    Estado e = Estado::Desde(tablero);
    if (e.Lleno()) {
        // Nothing left to deduce, unless two of its digits clash.
        if (ContarSoluciones(tablero, 1) == 0) return {SinSolucionDe(e, contexto)};
        return {};
    }
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
    if (ContarSoluciones(tablero, 1) == 0) return {SinSolucionDe(Estado::Desde(tablero), contexto)};
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
