// The quick looks the nets take inside a supposition: following the singles
// on sets of cells breaks the board exactly where following them one by one
// does, and the look for basic techniques never misses one the full search
// finds. Checked on boards along the solving of the calibration puzzles,
// with candidates taken away at random (some boards broken on purpose).
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "exhaustiva/exhaustiva.h"
#include "logica/logica.h"
#include "logica/motor.h"

namespace novenario::logica::motor {
namespace {

Tablero Leer(const std::string& texto) {
    Tablero t{};
    for (std::size_t i = 0; i < t.size() && i < texto.size(); ++i)
        t[i] = (texto[i] >= '1' && texto[i] <= '9') ? static_cast<std::uint8_t>(texto[i] - '0') : 0;
    return t;
}

// The calibration puzzles rated above the hidden pairs, where the basic
// techniques run out before the end.
std::vector<std::string> Puzles(std::size_t cuantos) {
    std::vector<std::string> r;
    std::ifstream f(std::string(NOVENARIO_DATOS) + "/logica/referencia.txt");
    std::string linea;
    while (r.size() < cuantos && std::getline(f, linea)) {
        if (linea.size() < 83 || linea[0] == '#') continue;
        // The rating, with a point whatever the language: "7.2".
        const std::size_t p = linea.find('.', 82);
        if (p != std::string::npos && p > 82 && std::stoi(linea.substr(82, p - 82)) >= 4)
            r.push_back(linea.substr(0, 81));
    }
    return r;
}

// The singles one at a time, the plain way: true while the board stays whole.
// fin, when given, receives the board the singles end on.
bool SinglesUnoAUno(Estado e, int celda, int cifra, Estado* fin = nullptr) {
    auto poner = [&](int x, int d) {
        if (e.v[x] || !(e.c[x] & Bit(d))) return false;
        e.Poner(x, d);
        return true;
    };
    if (!poner(celda, cifra)) return false;
    for (bool sigue = true; sigue;) {
        sigue = false;
        for (int x = 0; x < 81; ++x) {
            if (e.v[x]) continue;
            if (e.c[x] == 0) return false;
            if (Cuenta(e.c[x]) == 1) {
                if (!poner(x, std::countr_zero(e.c[x]))) return false;
                sigue = true;
            }
        }
        for (int h = 0; h < 27; ++h)
            for (int d = 1; d <= 9; ++d) {
                int lugar = -1, k = 0;
                bool puesta = false;
                for (int i : T().casas[h]) {
                    if (e.v[i] == d) puesta = true;
                    if (e.c[i] & Bit(d)) { ++k; lugar = i; }
                }
                if (puesta) continue;
                if (k == 0) return false;
                if (k == 1) {
                    if (!poner(lugar, d)) return false;
                    sigue = true;
                }
            }
    }
    if (fin) *fin = e;
    return true;
}

// Boards along the easiest-first solving of each puzzle, each also with
// some candidates taken away (a fixed sequence, the same on every machine).
std::vector<Estado> Tableros(std::size_t puzles) {
    std::vector<Estado> r;
    std::uint32_t azar = 12345;
    auto siguiente = [&] {
        azar = azar * 1103515245u + 12345u;
        return (azar >> 16) & 0x7FFF;
    };
    for (const auto& texto : Puzles(puzles)) {
        Estado e = Estado::Desde(Leer(texto));
        for (int paso = 0; paso < 60 && !e.Lleno(); ++paso) {
            r.push_back(e);
            Estado menos = e;
            for (int k = 0; k < 6; ++k) {
                const int x = static_cast<int>(siguiente() % 81);
                const int d = static_cast<int>(siguiente() % 9) + 1;
                if (Cuenta(menos.c[x]) > 1) menos.c[x] &= static_cast<Mascara>(~Bit(d));
            }
            r.push_back(menos);
            auto p = Siguiente(e, true);
            if (!p) break;
            e.Aplicar(*p);
        }
    }
    return r;
}

TEST(Cadenas, SinglesEnConjuntosComoUnoAUno) {
    const auto tableros = Tableros(12);
    ASSERT_GT(tableros.size(), 200u);
    int rotos = 0, enteros = 0;
    for (const Estado& e : tableros)
        for (int x = 0; x < 81; ++x)
            for (int d = 1; d <= 9; ++d) {
                if (!(e.c[x] & Bit(d))) {
                    EXPECT_FALSE(SinglesSostienen(e, x, d)) << x << " " << d;
                    continue;
                }
                const bool esperado = SinglesUnoAUno(e, x, d);
                ASSERT_EQ(SinglesSostienen(e, x, d), esperado) << "celda " << x << " cifra " << d;
                ++(esperado ? enteros : rotos);
            }
    // Both answers are met often.
    EXPECT_GT(rotos, 1000);
    EXPECT_GT(enteros, 1000);
    // Out of the board, or a digit that does not exist: nothing holds.
    const Estado e = tableros.front();
    for (auto [celda, cifra] : {std::pair{-1, 1}, {81, 1}, {0, 0}, {0, 10}})
        EXPECT_FALSE(SinglesSostienen(e, celda, cifra));
}

// A net skips following a candidate that the singles of another, which
// held, placed: following it stays within that other's end, so it holds too.
// And that end, with candidates taken away that it lacks anyway, still holds.
TEST(Cadenas, LoQueColocaUnSupuestoEnteroSostiene) {
    const auto tableros = Tableros(6);
    int vistos = 0;
    for (const Estado& e : tableros)
        for (int x = 0; x < 81; ++x)
            for (int d = 1; d <= 9; ++d) {
                Estado fin;
                if (!(e.c[x] & Bit(d)) || !SinglesUnoAUno(e, x, d, &fin)) continue;
                Estado menos = e;
                for (int y = 0; y < 81; ++y) {
                    if (e.v[y] || !fin.v[y]) continue;
                    ASSERT_TRUE(SinglesSostienen(e, y, fin.v[y])) << "celda " << y << " desde " << x << " " << d;
                    ++vistos;
                    // Keep in the cell what the end has placed there.
                    menos.c[y] = static_cast<Mascara>(menos.c[y] & (fin.c[y] | Bit(fin.v[y])));
                }
                for (int y = 0; y < 81; ++y)
                    if (!e.v[y] && !fin.v[y]) menos.c[y] = fin.c[y];
                EXPECT_TRUE(SinglesSostienen(menos, x, d)) << x << " " << d;
            }
    EXPECT_GT(vistos, 1000);
}

// A small generator that gives the same changes on every machine.
struct Azar {
    std::uint32_t estado;
    std::uint32_t operator()() {
        estado = estado * 1103515245u + 12345u;
        return (estado >> 16) & 0x7FFF;
    }
};

// Following a supposition again from where it ended on a fuller board
// answers as following it from the start: boards with candidates taken away
// and with a cell filled, against the plain singles.
TEST(Cadenas, SinglesDeNuevoComoDesdeElPrincipio) {
    const auto tableros = Tableros(6);
    Azar siguiente{777u};
    int rotos = 0, enteros = 0;
    for (const Estado& e : tableros) {
        Estado ahora = e;
        for (int k = 0; k < 8; ++k) {
            const int x = static_cast<int>(siguiente() % 81);
            const int d = static_cast<int>(siguiente() % 9) + 1;
            if (Cuenta(ahora.c[x]) > 1) ahora.c[x] &= static_cast<Mascara>(~Bit(d));
        }
        // Every other board also has a cell filled, with one of its candidates.
        const int x = static_cast<int>(siguiente() % 81);
        if (siguiente() % 2 && !ahora.v[x] && ahora.c[x]) ahora.Poner(x, std::countr_zero(ahora.c[x]));
        for (int y = 0; y < 81; ++y)
            for (int d = 1; d <= 9; ++d) {
                if (!(ahora.c[y] & Bit(d))) {
                    EXPECT_FALSE(SinglesSostienenDeNuevo(e, ahora, y, d)) << y << " " << d;
                    continue;
                }
                const bool esperado = SinglesUnoAUno(ahora, y, d);
                ASSERT_EQ(SinglesSostienenDeNuevo(e, ahora, y, d), esperado) << "celda " << y << " cifra " << d;
                ++(esperado ? enteros : rotos);
            }
    }
    EXPECT_GT(rotos, 1000);
    EXPECT_GT(enteros, 1000);
    const Estado e = tableros.front();
    for (auto [celda, cifra] : {std::pair{-1, 1}, {81, 1}, {0, 0}, {0, 10}})
        EXPECT_FALSE(SinglesSostienenDeNuevo(e, e, celda, cifra));
}

TEST(Cadenas, LaMiradaRapidaNoPierdeTecnicas) {
    const auto tableros = Tableros(30);
    int hay = 0, nada = 0;
    for (const Estado& e : tableros) {
        const bool posible = BasicoPosible(e);
        if (Basico(e, false, 3.4)) {
            EXPECT_TRUE(posible) << "se pierde: " << Basico(e, false, 3.4)->nombre;
            ++hay;
        } else if (!posible) {
            ++nada;
        }
    }
    // Not a look that always says yes.
    EXPECT_GT(hay, 100);
    EXPECT_GT(nada, 100);
}

// Inside a supposition the nets take the basic steps without their words:
// the same step, placing and excluding the same digits in the same order.
TEST(Cadenas, ElPasoSinTextoEsElDeBasico) {
    const auto tableros = Tableros(30);
    int pasos = 0;
    for (const Estado& e : tableros) {
        const auto esperado = Basico(e, false, 3.4);
        const auto rapido = BasicoSinTexto(e);
        ASSERT_EQ(rapido.has_value(), esperado.has_value());
        if (!esperado) continue;
        ++pasos;
        EXPECT_EQ(rapido->tecnica, esperado->tecnica) << esperado->nombre;
        EXPECT_EQ(rapido->coloca, esperado->coloca) << esperado->nombre;
        EXPECT_EQ(rapido->elimina, esperado->elimina) << esperado->nombre;
    }
    EXPECT_GT(pasos, 100);
}

// Inside a supposition, once the look for basic steps has found nothing,
// it looks again only at the houses changed since: it answers as the whole
// look does. Boards with candidates taken away (a few, or many, in one house
// or anywhere) and with a cell filled, after boards where the look found
// nothing.
TEST(Cadenas, LaMiradaSoloALoCambiadoEsLaMismaMirada) {
    const auto tableros = Tableros(30);
    Azar siguiente{4242u};
    struct Cambio {
        int quitados;  // candidates taken away
        bool enUnaCasa;  // all of them in one house
        bool llena;    // and a cell filled
    };
    const Cambio cambios[] = {{1, false, false}, {2, true, false}, {4, false, false},
                              {6, true, false},  {0, false, true}, {3, false, true}};
    int hay = 0, nada = 0;
    for (const Estado& e : tableros) {
        if (BasicoPosible(e)) continue;
        for (const Cambio& cambio : cambios) {
            Estado ahora = e;
            const int casa = static_cast<int>(siguiente() % 27);
            for (int k = 0; k < cambio.quitados; ++k) {
                const int x = cambio.enUnaCasa ? T().casas[casa][siguiente() % 9] : static_cast<int>(siguiente() % 81);
                const int d = static_cast<int>(siguiente() % 9) + 1;
                if (Cuenta(ahora.c[x]) > 1) ahora.c[x] &= static_cast<Mascara>(~Bit(d));
            }
            const int x = static_cast<int>(siguiente() % 81);
            if (cambio.llena && !ahora.v[x] && ahora.c[x]) ahora.Poner(x, std::countr_zero(ahora.c[x]));
            const bool esperado = BasicoPosible(ahora);
            ASSERT_EQ(BasicoPosibleTras(e, ahora), esperado) << cambio.quitados << " " << cambio.llena;
            ++(esperado ? hay : nada);
        }
        // Nothing changed: nothing to find again.
        EXPECT_FALSE(BasicoPosibleTras(e, e));
    }
    EXPECT_GT(hay, 100);
    EXPECT_GT(nada, 100);
    // After a board where the look finds something, the whole look is taken.
    for (const Estado& e : tableros) {
        if (BasicoPosible(e)) {
            EXPECT_TRUE(BasicoPosibleTras(e, e));
        }
    }
}

void EsperaElMismoPaso(const Paso& a, const Paso& b) {
    EXPECT_EQ(a.tecnica, b.tecnica);
    EXPECT_EQ(a.nombre, b.nombre);
    EXPECT_EQ(a.dificultad, b.dificultad);
    EXPECT_EQ(a.coloca, b.coloca);
    EXPECT_EQ(a.elimina, b.elimina);
    EXPECT_EQ(a.casas, b.casas);
    EXPECT_EQ(a.celdas, b.celdas);
    EXPECT_EQ(a.resumen, b.resumen);
    EXPECT_EQ(a.texto, b.texto);
}

// The forcing chains and the nets on the way through Inkala's puzzle: each
// level following further what the level below found, the suppositions
// shared between two workers, give the very step the plain way gives, level
// after level, each supposition from its start, one after another.
TEST(Cadenas, LasRedesQueSiguenDondeQuedoElNivelDeAbajoDanElMismoPaso) {
    Estado e = Estado::Desde(Leer("8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4.."));
    int forzadas = 0, redes = 0;
    for (int paso = 0; paso < 200 && !e.Lleno(); ++paso) {
        auto p = Siguiente(e, true);
        ASSERT_TRUE(p.has_value());
        if (p->dificultad >= 8.0 && p->tecnica != Tecnica::CicloBidireccional && p->tecnica != Tecnica::CicloY) {
            std::optional<Paso> plano;
            for (int nivel = -1; nivel <= 3 && !plano; ++nivel) plano = ForzadasSolas(e, nivel);
            ASSERT_TRUE(plano.has_value()) << paso;
            SCOPED_TRACE(p->resumen);
            EsperaElMismoPaso(*p, *plano);
            ++(p->tecnica == Tecnica::RedDinamica ? redes : forzadas);
        }
        e.Aplicar(*p);
    }
    EXPECT_TRUE(e.Lleno());
    EXPECT_GT(forzadas, 10);
    EXPECT_GE(redes, 1);
    // Levels out of range: no step.
    const Estado inicio = Estado::Desde(Leer("8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4.."));
    for (int nivel : {-2, 4}) EXPECT_FALSE(ForzadasSolas(inicio, nivel).has_value()) << nivel;
}

// The steps through a hard puzzle are the same whether the engine has its
// second worker to itself or another rating holds it: three ratings of
// Inkala's puzzle at once (each path with every word of every step) agree
// with one made alone.
TEST(Cadenas, TresCalificacionesALaVezDanLosMismosPasos) {
    const Tablero t = Leer("8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..");
    const std::vector<Paso> solo = Resolver(t);
    ASSERT_GT(solo.size(), 100u);
    std::vector<Paso> otros[2];
    std::thread a([&] { otros[0] = Resolver(t); });
    std::thread b([&] { otros[1] = Resolver(t); });
    const std::vector<Paso> aqui = Resolver(t);
    a.join();
    b.join();
    const std::vector<Paso>* todos[] = {&otros[0], &otros[1], &aqui};
    for (const std::vector<Paso>* pasos : todos) {
        ASSERT_EQ(pasos->size(), solo.size());
        for (std::size_t k = 0; k < solo.size(); ++k) {
            SCOPED_TRACE(solo[k].resumen);
            EsperaElMismoPaso((*pasos)[k], solo[k]);
        }
    }
}

// The cells of a set, in reading order: the ends of the board, both sides
// of the 64th cell, none, all.
TEST(Cadenas, ListaDeCeldasEnOrden) {
    const std::vector<std::vector<int>> casos = {
        {}, {0}, {80}, {63}, {64}, {63, 64}, {0, 1, 2, 40, 79, 80}, {9, 18, 27, 36, 45, 54, 62, 63, 64, 65, 72}};
    for (const auto& celdas : casos) {
        Celdas s;
        for (int i : celdas) s.set(i);
        EXPECT_EQ(Lista(s), celdas);
    }
    Celdas todas;
    todas.set();
    const auto l = Lista(todas);
    ASSERT_EQ(l.size(), 81u);
    for (int i = 0; i < 81; ++i) EXPECT_EQ(l[i], i);
}

// Inkala's puzzle, up in the nets: every step sound, the board solved, the
// rating at the nested chains.
TEST(Cadenas, InkalaPorRedesSinErrar) {
    const Tablero t = Leer("8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..");
    Rejilla r{}, s{};
    for (int i = 0; i < 81; ++i) r[i] = t[i];
    ASSERT_EQ(ContarSoluciones(r, 2, &s), 1);
    Tablero lleno = t;
    for (const Paso& p : Resolver(t)) {
        for (const auto& x : p.coloca) {
            EXPECT_EQ(s[x.celda], x.cifra) << p.nombre;
            lleno[x.celda] = static_cast<std::uint8_t>(x.cifra);
        }
        for (const auto& x : p.elimina) EXPECT_NE(s[x.celda], x.cifra) << p.nombre;
    }
    for (int i = 0; i < 81; ++i) EXPECT_EQ(lleno[i], s[i]);
    const Calificacion c = Calificar(t);
    EXPECT_TRUE(c.completa);
    EXPECT_GE(c.dificultad, 9.5);
    EXPECT_EQ(c.tecnica, "Red dinámica");
}

}  // namespace
}  // namespace novenario::logica::motor
