// What a save writes: the pairs, the clock, the tail and the lines of a
// saved game, and a game that goes to bytes and comes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/colores.h"
#include "formato_prueba.h"
#include "juegos.h"
#include "sdk/formato.h"
#include "sdk/rtf.h"

namespace novenario::sdk::prueba {
namespace {

using Lineas = std::vector<std::string>;

// ---- Writing --------------------------------------------------------------------

struct CasoParEscrito {
    CeldaGuardada celda;
    std::string par;
};

class SdkParEscrito : public testing::TestWithParam<CasoParEscrito> {};

TEST_P(SdkParEscrito, Par) { EXPECT_EQ(ParDe(GetParam().celda), GetParam().par); }

INSTANTIATE_TEST_SUITE_P(Celdas, SdkParEscrito, testing::Values(
    CasoParEscrito{{"", false}, " B"},
    CasoParEscrito{{"", true}, " B"},   // an empty cell is never fixed
    CasoParEscrito{{"5", true}, "5R"},
    CasoParEscrito{{"5", false}, "5B"},
    CasoParEscrito{{"56", true}, "5R"}));

struct CasoCampo {
    std::string texto, escrito;
};

class SdkCampoReloj : public testing::TestWithParam<CasoCampo> {};

TEST_P(SdkCampoReloj, DosCaracteres) { EXPECT_EQ(CampoReloj(GetParam().texto), GetParam().escrito); }

INSTANTIATE_TEST_SUITE_P(Textos, SdkCampoReloj, testing::Values(
    CasoCampo{"00", "00"}, CasoCampo{"12", "12"}, CasoCampo{"5", "05"}, CasoCampo{"", "00"},
    CasoCampo{"100", "99"}, CasoCampo{"12345", "99"}, CasoCampo{"ab", "ab"}, CasoCampo{"abc", "ab"}));

TEST(SdkEscritura, TableroVacio) {
    const std::string linea = LineaTablero(Preparado(), "00", "00", "00");
    EXPECT_EQ(linea, LineaVacia());
    EXPECT_EQ(linea.size(), LargoLinea);
}

TEST(SdkEscritura, SoloNaranjaEsFijo) {
    Tablero t = Preparado();
    const Color colores[] = {Blanco, Verde, Granate, Aguamarina, Naranja};
    for (int c = 0; c < 5; ++c) {
        t[c].Caption = std::string(1, static_cast<char>('1' + c));
        t[c].Color_ = colores[c];
    }
    t[5].Color_ = Naranja;  // orange but empty
    const std::string linea = LineaTablero(t, "01", "02", "03");
    EXPECT_EQ(linea.substr(0, 12), "1B2B3B4B5R B");
    EXPECT_EQ(linea.substr(162), "010203");
}

TEST(SdkEscritura, CienHorasNoMuevenLasPosiciones) {
    const std::string linea = LineaTablero(Preparado(), "100", "5", "7");
    EXPECT_EQ(linea.size(), LargoLinea);
    EXPECT_EQ(linea.substr(162), "990507");
}

struct CasoCola {
    std::string solucion;
    int nivel;
    std::string cola;
};

class SdkCola : public testing::TestWithParam<CasoCola> {};

TEST_P(SdkCola, SoloConSolucion) { EXPECT_EQ(Cola(GetParam().solucion, GetParam().nivel), GetParam().cola); }

INSTANTIATE_TEST_SUITE_P(Soluciones, SdkCola, testing::Values(
    CasoCola{"", 3, ""},
    CasoCola{"   ", 3, ""},
    CasoCola{"\t\r\n ", 2, ""},
    CasoCola{Solucion, 3, "-----" + Solucion + "3"},
    CasoCola{Solucion, 5, "-----" + Solucion + "5"},
    CasoCola{" 12 ", 1, "----- 12 1"}));   // written unchanged, not trimmed

TEST(SdkEscritura, LineasPartida) {
    EXPECT_EQ(LineasPartida(LineaVacia(), "", 3, {}), Lineas{LineaVacia()});
    const Lineas creada = JuegoCreado();
    const Lineas moves(creada.begin() + 1, creada.end());
    const Lineas lineas = LineasPartida(creada[0].substr(0, 168), Solucion, 3, moves);
    EXPECT_EQ(lineas, creada);
    EXPECT_EQ(lineas[0].size(), LargoLineaCola);
}

// ---- Game -> bytes -> game --------------------------------------------------------

TEST(SdkIdaVuelta, PartidaGuardadaYCargada) {
    Tablero t = Preparado();
    for (int c = 0; c < NumCeldas; ++c) {
        const std::string d(1, Solucion[static_cast<std::size_t>(c)]);
        switch (c % 6) {
        case 0: t[c].Caption = d; t[c].Color_ = Naranja; t[c].Enabled = false; break;
        case 1: t[c].Caption = d; t[c].Color_ = Blanco; break;
        case 2: t[c].Caption = d; t[c].Color_ = Verde; break;
        case 3: t[c].Caption = d; t[c].Color_ = Aguamarina; break;
        case 4: t[c].Caption = ""; t[c].Color_ = Granate; break;
        default: break;  // empty and white
        }
    }
    const Lineas moves{"P1_2--B", "P1_2--3", "P9_9--B"};
    const std::string bytes =
        EscribePartida(LineasPartida(LineaTablero(t, "00", "12", "05"), Solucion, 4, moves));

    const Lectura r = LeePartida(bytes);
    ASSERT_TRUE(r.Correcta) << r.Error;
    Tablero cargado = Preparado();
    EXPECT_TRUE(AplicaTablero(r.Juego, cargado));
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_EQ(cargado[c].Caption, t[c].Caption) << c;
        const bool fijo = c % 6 == 0;
        EXPECT_EQ(cargado[c].Color_, fijo ? Naranja : Blanco) << c;  // green, aqua, maroon come back white
        EXPECT_EQ(cargado[c].Enabled, !fijo) << c;
    }
    EXPECT_EQ(r.Juego.Horas, 0);
    EXPECT_EQ(r.Juego.Minutos, 12);
    EXPECT_EQ(r.Juego.Segundos, 5);
    EXPECT_EQ(r.Juego.EPartida, Solucion);
    EXPECT_EQ(r.Juego.ENivel_Juego, "4");
    EXPECT_EQ(r.Juego.LBPanel, moves);
}

TEST(SdkIdaVuelta, LineasRtfLineas) {
    for (const Lineas& l : {JuegoCreado(), JuegoAMano(), Lineas{LineaVacia()}}) {
        EXPECT_EQ(LeeLineas(EscribePartida(l)), l);
    }
}

TEST(SdkIdaVuelta, TextoPlanoIgualQueRtf) {
    for (const Lineas& l : {JuegoCreado(), JuegoAMano()}) {
        std::string crlf, lf;
        for (const std::string& s : l) {
            crlf += s + "\r\n";
            lf += s + "\n";
        }
        EXPECT_EQ(LeeLineas(crlf), l);
        EXPECT_EQ(LeeLineas(lf), l);
    }
}

}  // namespace
}  // namespace novenario::sdk::prueba
