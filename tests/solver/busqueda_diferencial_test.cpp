// The fast path against the plain one on random boards: full grids made by
// shuffling a pattern, emptied at random, some with a digit overwritten so
// that a group repeats, run with limits from zero to past the end of the
// search, including exactly the number of steps the search needs.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "solver/busqueda.h"
#include "tableros_prueba.h"

namespace novenario {
namespace {

using prueba::Valores;

Valores TableroAlAzar(int caso, std::mt19937& azar) {
    Valores v = prueba::RejillaLlena(azar);
    switch (caso % 7) {
        case 0: break;  // full
        case 1:
            for (auto& x : v) x.clear();
            break;
        default: {
            // From a few holes to three quarters of the board empty.
            std::uniform_real_distribution<double> proporcion(0.05, 0.75);
            std::bernoulli_distribution vacia(proporcion(azar));
            for (auto& x : v) {
                if (vacia(azar)) x.clear();
            }
        }
    }
    // Every third board has one to three cells overwritten with a random
    // digit: most of them leave a group with a repeat.
    if (caso % 3 == 2) {
        std::uniform_int_distribution<int> celda(0, NumCeldas - 1), digito(1, 9), cuantas(1, 3);
        for (int i = cuantas(azar); i > 0; --i) v[static_cast<std::size_t>(celda(azar))] = std::to_string(digito(azar));
    }
    return v;
}

// How far the search goes by itself, when it ends before a generous limit.
long long PasosNaturales(const Valores& v, long long tope) {
    Busqueda b(v);
    b.Ejecutar(tope, false, nullptr);
    return b.Pasos() < tope ? b.Pasos() : -1;
}

TEST(Diferencial, TablerosAlAzarDanLoMismoPorAmbosCaminos) {
    std::mt19937 azar(20240517u);
    int exactos = 0, repetidos = 0, exitos = 0, sin_solucion = 0, sin_tiempo = 0;
    constexpr int Casos = 350;
    constexpr long long TopeLiteral = 6000;
    for (int caso = 0; caso < Casos; ++caso) {
        const Valores v = TableroAlAzar(caso, azar);
        const long long natural = PasosNaturales(v, 200000);
        std::uniform_int_distribution<int> eleccion(0, 9);
        long long limite = 0;
        const int e = eleccion(azar);
        if (natural >= 0 && natural <= TopeLiteral && e < 5) {
            // Exactly at, one before and one after the steps the search needs.
            limite = natural + (e % 3) - 1;
            ++exactos;
        } else if (e < 7) {
            limite = std::uniform_int_distribution<long long>(0, 60)(azar);
        } else {
            limite = std::uniform_int_distribution<long long>(61, TopeLiteral)(azar);
        }
        const bool ver_proceso = caso % 2 == 0;
        SCOPED_TRACE(::testing::Message() << "caso " << caso << " limite " << limite << " tablero "
                                          << prueba::ARejilla(v));
        Busqueda rapida(v);
        Busqueda literal(v, Camino::Literal);
        ASSERT_TRUE(rapida.EsRapida());
        rapida.Ejecutar(limite, ver_proceso, nullptr);
        literal.Ejecutar(limite, ver_proceso, nullptr);
        prueba::EsperaIguales(rapida, literal);
        if (!prueba::SinRepetidos(v)) ++repetidos;
        const std::string r = rapida.Resultado();
        (r.empty() ? exitos : r == "SS" ? sin_solucion : sin_tiempo) += 1;
        if (::testing::Test::HasFailure()) break;
    }
    // The draw covers every kind of ending.
    EXPECT_GT(exactos, Casos / 10);
    EXPECT_GT(repetidos, Casos / 10);
    EXPECT_GT(exitos, Casos / 10);
    EXPECT_GT(sin_solucion, Casos / 20);
    EXPECT_GT(sin_tiempo, Casos / 10);
}

// Pump by pump: what each moment sees is the same on both paths.
TEST(Diferencial, LasBombasVenLoMismoPorAmbosCaminos) {
    std::mt19937 azar(777u);
    for (int caso = 0; caso < 60; ++caso) {
        const Valores v = TableroAlAzar(caso, azar);
        const long long limite = std::uniform_int_distribution<long long>(0, 1500)(azar);
        const bool ver_proceso = caso % 3 != 0;
        SCOPED_TRACE(::testing::Message() << "caso " << caso << " limite " << limite << " tablero "
                                          << prueba::ARejilla(v));
        Busqueda rapida(v);
        Busqueda literal(v, Camino::Literal);
        prueba::BombaRegistro br(rapida), bl(literal);
        rapida.Ejecutar(limite, ver_proceso, &br);
        literal.Ejecutar(limite, ver_proceso, &bl);
        prueba::EsperaIguales(rapida, literal);
        EXPECT_EQ(prueba::PrimeraDiferencia(br.registro, bl.registro), -1);
        EXPECT_EQ(br.Cuenta(Momento::AlEmpezar), 1);
        if (!ver_proceso) {
            EXPECT_EQ(br.Cuenta(Momento::TrasPaso), 0);
        }
        if (::testing::Test::HasFailure()) break;
    }
}

}  // namespace
}  // namespace novenario
