// The game's one random source and the 10 ms timer that turns it into the
// four random panels a new game reads.
#include <cstdint>
#include <map>

#include "board/entorno_falso.h"
#include "setup/aleatorio.h"

namespace novenario::prueba {
namespace {

// The rule, worked out here on its own: advance the seed (times 134775813,
// plus 1, modulo 2^32), then take the high 32 bits of the 64-bit product of
// the new seed and n.
struct Regla {
    std::uint64_t semilla = 0;
    std::uint32_t Sorteo(std::uint32_t n) {
        semilla = (semilla * 134775813ull + 1ull) % 4294967296ull;
        return static_cast<std::uint32_t>((semilla * n) / 4294967296ull);
    }
};

TEST(Aleatorio, EmpiezaEnCero) {
    Aleatorio a;
    EXPECT_EQ(a.Semilla(), 0u);
    EntornoFalso ent;
    TFormPrincipal f(ent);
    EXPECT_EQ(f.Generador.Semilla(), 0u);
}

// The first draws from seed 0, worked by hand: the seed goes 0 -> 1 ->
// 134775814, so a draw in 0..n-1 is 0 while n is small.
TEST(Aleatorio, PrimerosSorteosDesdeCero) {
    Aleatorio a;
    EXPECT_EQ(a.Random(9), 0u);
    EXPECT_EQ(a.Semilla(), 1u);
    EXPECT_EQ(a.Random(81), 2u);  // 134775814 * 81 = 10916840934 = 2 * 2^32 + ...
    EXPECT_EQ(a.Semilla(), 134775814u);
}

struct CasoSemilla {
    std::uint32_t semilla;
    std::uint32_t n;
};

class ReglaDelGenerador : public ::testing::TestWithParam<CasoSemilla> {};

TEST_P(ReglaDelGenerador, CoincideConLaRegla) {
    Aleatorio a;
    Regla r;
    a.PonerSemilla(GetParam().semilla);
    r.semilla = GetParam().semilla;
    for (int i = 0; i < 2000; ++i) {
        const std::uint32_t v = a.Random(GetParam().n);
        ASSERT_EQ(v, r.Sorteo(GetParam().n)) << "draw " << i;
        ASSERT_LT(v, GetParam().n);
        ASSERT_EQ(a.Semilla(), r.semilla);
    }
}

INSTANTIATE_TEST_SUITE_P(Semillas, ReglaDelGenerador,
                         ::testing::Values(CasoSemilla{0, 9}, CasoSemilla{0, 81}, CasoSemilla{1, 9},
                                           CasoSemilla{0xFFFFFFFFu, 9}, CasoSemilla{0x80000000u, 81},
                                           CasoSemilla{123456789u, 1}, CasoSemilla{42u, 0xFFFFFFFFu}));

// A jump of n draws lands where n draws one by one do, from any seed; the
// period of the generator is 2^32, so a jump of 2^32 draws changes nothing.
struct CasoSalto {
    std::uint32_t semilla;
    std::uint64_t n;
};

class SaltoDelGenerador : public ::testing::TestWithParam<CasoSalto> {};

TEST_P(SaltoDelGenerador, LlegaDondeLosSorteosUnoAUno) {
    Aleatorio salto, paso;
    salto.PonerSemilla(GetParam().semilla);
    paso.PonerSemilla(GetParam().semilla);
    salto.Saltar(GetParam().n);
    for (std::uint64_t i = 0; i < GetParam().n % 4294967296ull; ++i) paso.Random(1);
    EXPECT_EQ(salto.Semilla(), paso.Semilla());
}

INSTANTIATE_TEST_SUITE_P(Saltos, SaltoDelGenerador,
                         ::testing::Values(CasoSalto{0, 0}, CasoSalto{0, 1}, CasoSalto{7, 2}, CasoSalto{0, 3},
                                           CasoSalto{0xFFFFFFFFu, 1000}, CasoSalto{123456789u, 65537},
                                           CasoSalto{42u, 4294967296ull}, CasoSalto{42u, 4294967296ull + 5}));

// Each tick draws, in this order, PNumero, PPanel and PPosicion in 0..8 and
// PBorro in 0..80; a 0 is shown as the range's top, "9" or "81".
TEST(Temporizador01, CadaTicSorteaLosCuatroPanelesEnOrden) {
    EntornoFalso ent;
    TFormPrincipal f(ent);
    Regla r;
    auto texto = [](std::uint32_t v, const char* cero) { return v == 0 ? std::string(cero) : std::to_string(v); };
    for (int i = 0; i < 3000; ++i) {
        f.Timer01Timer();
        ASSERT_EQ(f.PNumero.Caption, texto(r.Sorteo(9), "9")) << "tick " << i;
        ASSERT_EQ(f.PPanel.Caption, texto(r.Sorteo(9), "9")) << "tick " << i;
        ASSERT_EQ(f.PPosicion.Caption, texto(r.Sorteo(9), "9")) << "tick " << i;
        ASSERT_EQ(f.PBorro.Caption, texto(r.Sorteo(81), "81")) << "tick " << i;
    }
}

// Over many ticks: every value of the range appears, "0" never, and each
// value about as often as the others.
TEST(Temporizador01, RangosDeLosPaneles) {
    EntornoFalso ent;
    TFormPrincipal f(ent);
    const int tics = 81 * 400;
    std::map<std::string, int> numero, panel, posicion, borro;
    for (int i = 0; i < tics; ++i) {
        f.Timer01Timer();
        ++numero[f.PNumero.Caption];
        ++panel[f.PPanel.Caption];
        ++posicion[f.PPosicion.Caption];
        ++borro[f.PBorro.Caption];
    }
    for (const auto* cuenta : {&numero, &panel, &posicion}) {
        EXPECT_EQ(cuenta->size(), 9u);
        EXPECT_EQ(cuenta->count("0"), 0u);
        for (int v = 1; v <= 9; ++v) {
            const auto it = cuenta->find(std::to_string(v));
            ASSERT_NE(it, cuenta->end()) << v;
            EXPECT_NEAR(it->second, tics / 9, tics / 9 / 10) << v;
        }
    }
    EXPECT_EQ(borro.size(), 81u);
    EXPECT_EQ(borro.count("0"), 0u);
    for (int v = 1; v <= 81; ++v) {
        const auto it = borro.find(std::to_string(v));
        ASSERT_NE(it, borro.end()) << v;
        EXPECT_NEAR(it->second, 400, 80) << v;
    }
}

}  // namespace
}  // namespace novenario::prueba
