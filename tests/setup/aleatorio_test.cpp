// The game's one random source and the 10 ms timer that turns it into the
// four random panels a new game reads, ticking or worked out from the clock.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "board/entorno_falso.h"
#include "board/aleatorio.h"

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
    EXPECT_EQ(f.Motor.Generador.Semilla(), 0u);
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
    salto.Avanzar(GetParam().n);
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
        Timer01Timer(f);
        ASSERT_EQ(f.Motor.PNumero.Caption, texto(r.Sorteo(9), "9")) << "tick " << i;
        ASSERT_EQ(f.Motor.PPanel.Caption, texto(r.Sorteo(9), "9")) << "tick " << i;
        ASSERT_EQ(f.Motor.PPosicion.Caption, texto(r.Sorteo(9), "9")) << "tick " << i;
        ASSERT_EQ(f.Motor.PBorro.Caption, texto(r.Sorteo(81), "81")) << "tick " << i;
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
        Timer01Timer(f);
        ++numero[f.Motor.PNumero.Caption];
        ++panel[f.Motor.PPanel.Caption];
        ++posicion[f.Motor.PPosicion.Caption];
        ++borro[f.Motor.PBorro.Caption];
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

// Jumping the seed ahead is drawing that many times.
class Avance : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(Avance, ElSaltoDejaLaSemillaComoTantosSorteos) {
    for (std::uint32_t semilla : {0u, 1u, 0xDEADBEEFu}) {
        Aleatorio saltando, sorteando;
        saltando.PonerSemilla(semilla);
        sorteando.PonerSemilla(semilla);
        saltando.Avanzar(GetParam());
        for (std::uint64_t i = 0; i < GetParam(); ++i) sorteando.Random(9);
        ASSERT_EQ(saltando.Semilla(), sorteando.Semilla()) << "from " << semilla;
        EXPECT_EQ(saltando.Random(81), sorteando.Random(81));
    }
}

INSTANTIATE_TEST_SUITE_P(Sorteos, Avance,
                         ::testing::Values(0u, 1u, 2u, 3u, 4u, 63u, 64u, 65u, 1000u, 4u * 8640000u + 3u));

// The panels worked out from the clock against a timer that ticked: the same
// number of ticks gives the same panels and the same seed, however the time
// was read on the way (the readings, in ms since the game began).
struct CasoTics {
    const char* nombre;
    std::vector<long long> lecturas;
    int tics;  // the ticks a running timer would have made by the last reading
};

void PrintTo(const CasoTics& c, std::ostream* os) { *os << c.nombre; }

class TicsDelReloj : public ::testing::TestWithParam<CasoTics> {};

TEST_P(TicsDelReloj, IgualQueUnTemporizadorDeDiezMilisegundos) {
    const CasoTics& c = GetParam();
    EntornoFalso reloj, temporizador;
    reloj.Reloj = 123456;  // the game begins at some moment of the outside's clock
    TFormPrincipal derivado(reloj), tictac(temporizador);
    for (long long ms : c.lecturas) {
        reloj.Reloj = 123456 + ms;
        Timer01_Al_Dia(derivado);
    }
    for (int i = 0; i < c.tics; ++i) Timer01Timer(tictac);
    EXPECT_EQ(derivado.Motor.Tics_Timer01, c.tics);
    EXPECT_EQ(derivado.Motor.Generador.Semilla(), tictac.Motor.Generador.Semilla());
    for (auto panel : {&VariablesMotor::PNumero, &VariablesMotor::PPanel, &VariablesMotor::PPosicion,
                       &VariablesMotor::PBorro})
        EXPECT_EQ((derivado.Motor.*panel).Caption, (tictac.Motor.*panel).Caption);
}

INSTANTIATE_TEST_SUITE_P(
    Lecturas, TicsDelReloj,
    ::testing::Values(CasoTics{"nada", {0}, 0}, CasoTics{"antes_del_primer_tic", {9}, 0},
                      CasoTics{"un_tic", {10}, 1}, CasoTics{"casi_dos", {19}, 1},
                      CasoTics{"de_tic_en_tic", {10, 20, 30, 40}, 4},
                      CasoTics{"la_misma_lectura_dos_veces", {35, 35, 35}, 3},
                      CasoTics{"el_reloj_no_va_atras", {500, 30}, 50},
                      CasoTics{"un_minuto_de_golpe", {60000}, 6000},
                      CasoTics{"a_saltos", {7, 1234, 1239, 99999}, 9999}),
    [](const auto& info) { return std::string(info.param.nombre); });

// A new game drawn after some seconds of a game left alone is the one the
// running timer would have given.
TEST(TicsDelReloj, LaNuevaPartidaEsLaDelTemporizador) {
    for (int tics : {0, 1, 57, 2500}) {
        EntornoFalso reloj, temporizador;
        TFormPrincipal derivado(reloj), tictac(temporizador);
        ASSERT_TRUE(derivado.FormCreate());
        ASSERT_TRUE(tictac.FormCreate());
        reloj.Reloj = 10LL * tics + 3;
        for (int i = 0; i < tics; ++i) Timer01Timer(tictac);
        BNuevaPartida2Click(derivado);
        BNuevaPartida2Click(tictac);
        EXPECT_EQ(derivado.Partida.EPartida, tictac.Partida.EPartida) << tics << " ticks";
        EXPECT_EQ(derivado.Motor.RBorroPaneles, tictac.Motor.RBorroPaneles) << tics << " ticks";
        EXPECT_EQ(LeerRejilla(derivado), LeerRejilla(tictac)) << tics << " ticks";
    }
}

}  // namespace
}  // namespace novenario::prueba
