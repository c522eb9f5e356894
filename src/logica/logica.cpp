// The reasoning engine: the state of a board with its candidates, the
// techniques from the easiest up, and the rating of a whole puzzle.
//
// Each technique looks at the state and answers the first step it finds, or
// nothing. The techniques are tried in the order of their rating, so the
// step answered is always one of the easiest on the board; the chains, whose
// rating grows with their length, gather every chain of their kind and
// answer the shortest.
#include "logica/logica.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

#include "exhaustiva/exhaustiva.h"
#include "logica/motor.h"

namespace novenario::logica {

namespace motor {

const Tablas kTablas = [] {
        Tablas t{};
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 9; ++c) {
                const int i = r * 9 + c;
                const int b = (r / 3) * 3 + c / 3;
                t.casas[r][c] = i;
                t.casas[9 + c][r] = i;
                t.casas[18 + b][(r % 3) * 3 + c % 3] = i;
                t.de[i] = {r, 9 + c, 18 + b};
            }
        for (int i = 0; i < 81; ++i) {
            int n = 0;
            for (int j = 0; j < 81; ++j) {
                if (j == i) continue;
                if (t.de[i][0] == t.de[j][0] || t.de[i][1] == t.de[j][1] || t.de[i][2] == t.de[j][2]) {
                    t.vecinos[i][n++] = j;
                    t.ve[i].set(j);
                }
            }
        }
        for (int h = 0; h < 27; ++h)
            for (int k = 0; k < 9; ++k) t.en[h].set(t.casas[h][k]);
        return t;
    }();

Casa CasaDe(int h) {
    if (h < 9) return {Casa::Tipo::Fila, h + 1};
    if (h < 18) return {Casa::Tipo::Columna, h - 8};
    return {Casa::Tipo::Bloque, h - 17};
}

std::string Celda(int i) {
    return "fila " + std::to_string(i / 9 + 1) + ", columna " + std::to_string(i % 9 + 1);
}

std::string Cifras(Mascara m) {
    std::string s;
    std::vector<int> ds;
    for (int d = 1; d <= 9; ++d)
        if (m & Bit(d)) ds.push_back(d);
    for (std::size_t k = 0; k < ds.size(); ++k) {
        if (k > 0) s += (k + 1 == ds.size()) ? " y " : ", ";
        s += std::to_string(ds[k]);
    }
    return s;
}

std::string ListaCeldas(const std::vector<int>& celdas) {
    std::string s;
    for (std::size_t k = 0; k < celdas.size(); ++k) {
        if (k > 0) s += (k + 1 == celdas.size()) ? " y " : "; ";
        s += Celda(celdas[k]);
    }
    return s;
}

std::string ListaEliminaciones(const std::vector<Digito>& elimina) {
    std::string s;
    for (std::size_t k = 0; k < elimina.size(); ++k) {
        if (k > 0) s += (k + 1 == elimina.size()) ? " y " : "; ";
        s += "el " + std::to_string(elimina[k].cifra) + " de " + Celda(elimina[k].celda);
    }
    return s;
}

std::string Decimal(double x) {
    char b[16];
    std::snprintf(b, sizeof b, "%.1f", x);
    return b;
}

double Redondea(double x) { return std::round(x * 10.0) / 10.0; }

// The extra rating of a chain for its length: a tenth each time the length
// passes 4, 6, 8, 12, 16, 24, 32, 48 ...
double PorLongitud(int longitud) {
    double extra = 0.0;
    int techo = 4;
    bool impar = false;
    int n = longitud - 2;
    while (n > techo) {
        extra += 0.1;
        techo = impar ? techo * 4 / 3 : techo * 3 / 2;
        impar = !impar;
    }
    return extra;
}

Estado Estado::Desde(const Tablero& tablero) {
    Estado e;
    e.v = tablero;
    for (int i = 0; i < 81; ++i) e.c[i] = e.v[i] ? 0 : 0x3FE;
    for (int i = 0; i < 81; ++i) {
        if (e.v[i] < 1 || e.v[i] > 9) {
            e.v[i] = 0;
            continue;
        }
        for (int j : T().vecinos[i]) e.c[j] &= static_cast<Mascara>(~Bit(e.v[i]));
    }
    return e;
}

void Estado::Poner(int i, int d) {
    v[i] = static_cast<std::uint8_t>(d);
    c[i] = 0;
    for (int j : T().vecinos[i]) c[j] &= static_cast<Mascara>(~Bit(d));
}

void Estado::Aplicar(const Paso& paso) {
    // A direct technique only places its digit: the exclusions it shows are
    // the reason for the placement, the way the common scale counts it.
    const bool directa = paso.tecnica == Tecnica::BloqueoDirecto || paso.tecnica == Tecnica::ParOcultoDirecto ||
                         paso.tecnica == Tecnica::TrioOcultoDirecto;
    if (!directa)
        for (const auto& x : paso.elimina) c[x.celda] &= static_cast<Mascara>(~Bit(x.cifra));
    for (const auto& x : paso.coloca)
        if (v[x.celda] == 0) Poner(x.celda, x.cifra);
}

bool Estado::Lleno() const {
    for (int i = 0; i < 81; ++i)
        if (v[i] == 0) return false;
    return true;
}

Celdas Estado::Lugares(int h, int d) const {
    Celdas s;
    for (int i : T().casas[h])
        if (c[i] & Bit(d)) s.set(i);
    return s;
}

Paso Nuevo(Tecnica t, std::string nombre, double dificultad) {
    Paso p;
    p.tecnica = t;
    p.nombre = std::move(nombre);
    p.dificultad = dificultad;
    return p;
}

std::vector<int> Lista(const Celdas& s) {
    std::vector<int> r;
    r.reserve(s.count());
    for (std::size_t i = s._Find_first(); i < s.size(); i = s._Find_next(i)) r.push_back(static_cast<int>(i));
    return r;
}

}  // namespace motor

using namespace motor;

std::string NombreCasa(const Casa& casa) {
    switch (casa.tipo) {
    case Casa::Tipo::Fila: return "fila " + std::to_string(casa.numero);
    case Casa::Tipo::Columna: return "columna " + std::to_string(casa.numero);
    case Casa::Tipo::Bloque: return "bloque " + std::to_string(casa.numero);
    }
    return {};
}

std::string TextoDificultad(double dificultad) {
    long t = std::lround(dificultad * 10.0);
    if (t < 0) t = 0;
    return std::to_string(t / 10) + "." + std::to_string(t % 10);
}

std::string NivelDe(double dificultad) {
    const double d = Redondea(dificultad);
    if (d <= 1.5) return "Muy Fácil";
    if (d <= 2.5) return "Fácil";
    if (d <= 3.4) return "Normal";
    if (d <= 4.4) return "Difícil";
    if (d <= 6.5) return "Muy Difícil";
    return "Diabólico";
}

namespace {

int Soluciones(const Estado& e, int tope, Tablero* primera = nullptr) {
    Rejilla r{};
    for (int i = 0; i < 81; ++i) r[i] = e.v[i];
    Rejilla s{};
    const int n = ContarSoluciones(r, tope, primera ? &s : nullptr);
    if (primera && n > 0)
        for (int i = 0; i < 81; ++i) (*primera)[i] = s[i];
    return n;
}

// Whether a solution agrees with the board and its remaining candidates.
bool Concuerda(const Estado& e, const Tablero& s) {
    for (int i = 0; i < 81; ++i) {
        if (s[i] < 1 || s[i] > 9) return false;
        if (e.v[i] ? e.v[i] != s[i] : !(e.c[i] & Bit(s[i]))) return false;
    }
    return true;
}

// The digits on the board repeat in a house, or a cell has nothing left.
bool RotoEn(const Estado& e) {
    for (int i = 0; i < 81; ++i) {
        if (e.v[i] == 0 && e.c[i] == 0) return true;
        if (e.v[i])
            for (int j : T().vecinos[i])
                if (e.v[j] == e.v[i]) return true;
    }
    return false;
}

Paso SinSolucionPaso(const Estado& e, const Contexto& contexto) {
    Paso p = Nuevo(Tecnica::SinSolucion, "Sin solución", 0.0);
    for (int celda : contexto.jugadas) {
        if (celda < 0 || celda > 80 || e.v[celda] == 0) continue;
        Estado sin = e;
        sin.v[celda] = 0;
        if (Soluciones(sin, 1) > 0) {
            const int d = e.v[celda];
            p.celdas = {celda};
            for (int h : T().de[celda]) p.casas.push_back(CasaDe(h));
            p.resumen = "El " + std::to_string(d) + " de la " + Celda(celda) + " no lleva a ninguna solución";
            p.texto = p.resumen + ": con él en el tablero no hay manera de completarlo. Sin él, sí la hay.";
            return p;
        }
    }
    p.resumen = "El tablero no tiene solución";
    p.texto = "Las cifras del tablero no llevan a ninguna solución.";
    return p;
}

Paso BifurcacionPaso(const Estado& e, const Contexto& contexto, const Tablero* otra) {
    Paso p = Nuevo(Tecnica::Bifurcacion, "Bifurcación", 0.0);
    Tablero sol = contexto.solucion;
    const bool guardada = Concuerda(e, sol);
    if (!guardada) {
        if (otra) sol = *otra;
        else Soluciones(e, 1, &sol);
    }
    // The empty cell with fewest candidates, where the choice is smallest.
    int mejor = -1;
    for (int i = 0; i < 81; ++i)
        if (e.v[i] == 0 && (mejor < 0 || Cuenta(e.c[i]) < Cuenta(e.c[mejor]))) mejor = i;
    p.resumen = "Ninguna deducción decide: el tablero tiene más de una solución";
    if (mejor >= 0 && sol[mejor] >= 1 && sol[mejor] <= 9) {
        p.coloca = {{mejor, sol[mejor]}};
        p.celdas = {mejor};
        p.texto = "Ninguna deducción decide: el tablero tiene más de una solución. En la " + Celda(mejor) +
                  " caben " + Cifras(e.c[mejor]) + (guardada ? "; la solución de la partida" : "; una de las soluciones") +
                  " lleva allí el " +
                  std::to_string(sol[mejor]) + ".";
    } else {
        p.texto = "Ninguna deducción decide: el tablero tiene más de una solución.";
    }
    return p;
}

// The steps from a state: up to the next placement, or to the end.
std::vector<Paso> Pasos(const Tablero& tablero, const Contexto& contexto, bool hastaColocar) {
    std::vector<Paso> pasos;
    Estado e = Estado::Desde(tablero);
    // A full board has no step left, unless two of its digits clash.
    if (e.Lleno() && !RotoEn(e)) return pasos;
    const int n = Soluciones(e, 2);
    if (n == 0 || RotoEn(e)) {
        pasos.push_back(SinSolucionPaso(e, contexto));
        return pasos;
    }
    // The count is made anyway (it is quick), and it is the safer word: a
    // player's digits can leave a puzzle known to be unique with several
    // solutions, where the uniqueness techniques would mislead.
    return Recorrer(std::move(e), n == 1, contexto, hastaColocar, nullptr);
}

}  // namespace

namespace motor {

std::vector<Paso> Recorrer(Estado e, bool unica, const Contexto& contexto, bool hastaColocar, const Tablero* otra) {
    std::vector<Paso> pasos;
    while (!e.Lleno()) {
        std::optional<Paso> paso = Siguiente(e, unica);
        if (!paso) {
            pasos.push_back(BifurcacionPaso(e, contexto, otra));
            return pasos;
        }
        e.Aplicar(*paso);
        const bool coloca = !paso->coloca.empty();
        pasos.push_back(std::move(*paso));
        if (coloca && hastaColocar) break;
    }
    return pasos;
}

Paso SinSolucionDe(const Estado& e, const Contexto& contexto) { return SinSolucionPaso(e, contexto); }


}  // namespace motor

std::vector<Paso> HastaColocar(const Tablero& tablero, const Contexto& contexto) {
    return Pasos(tablero, contexto, true);
}

std::vector<Paso> Resolver(const Tablero& tablero, const Contexto& contexto) {
    return Pasos(tablero, contexto, false);
}

Calificacion Calificar(const Tablero& tablero) {
    Calificacion r;
    Estado e = Estado::Desde(tablero);
    r.soluciones = RotoEn(e) ? 0 : Soluciones(e, 2);
    if (r.soluciones == 0) {
        r.nivel = NivelDe(0.0);
        return r;
    }
    const bool unica = r.soluciones == 1;
    while (!e.Lleno()) {
        std::optional<Paso> paso = Siguiente(e, unica);
        if (!paso) break;
        if (paso->dificultad > r.dificultad) {
            r.dificultad = paso->dificultad;
            r.tecnica = paso->nombre;
        }
        e.Aplicar(*paso);
    }
    r.completa = e.Lleno();
    r.dificultad = Redondea(r.dificultad);
    r.nivel = NivelDe(r.dificultad);
    return r;
}

}  // namespace novenario::logica
