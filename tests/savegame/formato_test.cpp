// The board line and the move lines of a saved game: what a load takes from
// each position and what it does to the cells. The integer check of the
// clock and the whole check before a load are in formato_carga_test.cpp,
// what a save writes in formato_escritura_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/colores.h"
#include "formato_prueba.h"
#include "juegos.h"
#include "sdk/formato.h"

namespace novenario::sdk::prueba {
namespace {

using Lineas = std::vector<std::string>;

// ---- Board line ---------------------------------------------------------------

TEST(SdkLineaTablero, LineaCompletaConCola) {
    const std::string linea = JuegoCreado()[0];
    ASSERT_EQ(linea.size(), LargoLineaCola);
    const Partida p = LeeLineaTablero(linea);
    for (int n = 0; n < NumCeldas; ++n) {
        const ParLeido& par = p.Pares[static_cast<std::size_t>(n)];
        const std::string digito(1, Solucion[static_cast<std::size_t>(n)]);
        if (n % 2 == 0) {
            EXPECT_EQ(par.Valor, digito) << n;
            EXPECT_EQ(par.Marca, "R") << n;
        } else if (n % 7 == 1) {
            EXPECT_EQ(par.Valor, digito) << n;
            EXPECT_EQ(par.Marca, "B") << n;
        } else {
            EXPECT_EQ(par.Valor, " ") << n;
            EXPECT_EQ(par.Marca, "B") << n;
        }
    }
    EXPECT_EQ(p.LPHor, "00");
    EXPECT_EQ(p.LPMin, "12");
    EXPECT_EQ(p.LPseg, "05");
    EXPECT_EQ(p.EPartida, Solucion);
    EXPECT_EQ(p.ENivel_Juego, "3");
    EXPECT_TRUE(p.LBPanel.empty());
}

TEST(SdkLineaTablero, SinColaNoHaySolucionNiNivel) {
    const std::string linea = JuegoAMano()[0];
    ASSERT_EQ(linea.size(), LargoLinea);
    const Partida p = LeeLineaTablero(linea);
    EXPECT_EQ(p.LPHor, "01");
    EXPECT_EQ(p.LPMin, "02");
    EXPECT_EQ(p.LPseg, "03");
    EXPECT_EQ(p.EPartida, "");
    EXPECT_EQ(p.ENivel_Juego, "");
    EXPECT_EQ(p.Pares[0].Valor, " ");
    EXPECT_EQ(p.Pares[1].Valor, std::string(1, Solucion[1]));
    EXPECT_EQ(p.Pares[80].Marca, "B");
}

TEST(SdkLineaTablero, ElSeparadorNoSeCompara) {
    std::string linea = JuegoCreado()[0];
    linea.replace(168, 5, "xy{}z");
    const Partida p = LeeLineaTablero(linea);
    EXPECT_EQ(p.EPartida, Solucion);
    EXPECT_EQ(p.ENivel_Juego, "3");
}

TEST(SdkLineaTablero, MasAllaDe255NoSeLee) {
    const Partida p = LeeLineaTablero(JuegoCreado()[0] + "9999");
    EXPECT_EQ(p.EPartida, Solucion);
    EXPECT_EQ(p.ENivel_Juego, "3");
}

// A line cut after `largo` characters of the created game's line: every
// field keeps the characters that are there, possibly none.
struct CasoCorta {
    std::size_t largo;
    std::size_t pares;      // cells that still have their value
    std::size_t marcas;     // cells that still have their mark
    std::string hor, min, seg;
    std::size_t solucion;   // characters of the solution that are there
    std::string nivel;
};

class SdkLineaCorta : public testing::TestWithParam<CasoCorta> {};

TEST_P(SdkLineaCorta, CadaCampoConLoQueHay) {
    const CasoCorta& c = GetParam();
    const std::string completa = JuegoCreado()[0];
    const Partida p = LeeLineaTablero(completa.substr(0, c.largo));
    for (std::size_t n = 0; n < NumCeldas; ++n) {
        const ParLeido& par = p.Pares[n];
        EXPECT_EQ(par.Valor, n < c.pares ? completa.substr(2 * n, 1) : "") << n;
        EXPECT_EQ(par.Marca, n < c.marcas ? completa.substr(2 * n + 1, 1) : "") << n;
    }
    EXPECT_EQ(p.LPHor, c.hor);
    EXPECT_EQ(p.LPMin, c.min);
    EXPECT_EQ(p.LPseg, c.seg);
    EXPECT_EQ(p.EPartida, Solucion.substr(0, c.solucion));
    EXPECT_EQ(p.ENivel_Juego, c.nivel);
}

INSTANTIATE_TEST_SUITE_P(Largos, SdkLineaCorta, testing::Values(
    CasoCorta{0, 0, 0, "", "", "", 0, ""},
    CasoCorta{1, 1, 0, "", "", "", 0, ""},        // a value without its mark
    CasoCorta{2, 1, 1, "", "", "", 0, ""},
    CasoCorta{161, 81, 80, "", "", "", 0, ""},
    CasoCorta{162, 81, 81, "", "", "", 0, ""},
    CasoCorta{163, 81, 81, "0", "", "", 0, ""},
    CasoCorta{164, 81, 81, "00", "", "", 0, ""},
    CasoCorta{165, 81, 81, "00", "1", "", 0, ""},
    CasoCorta{167, 81, 81, "00", "12", "0", 0, ""},
    CasoCorta{168, 81, 81, "00", "12", "05", 0, ""},
    CasoCorta{173, 81, 81, "00", "12", "05", 0, ""},  // separator only
    CasoCorta{174, 81, 81, "00", "12", "05", 1, ""},
    CasoCorta{200, 81, 81, "00", "12", "05", 27, ""},
    CasoCorta{254, 81, 81, "00", "12", "05", 81, ""},  // no level digit
    CasoCorta{255, 81, 81, "00", "12", "05", 81, "3"}));

// ---- What a pair does ---------------------------------------------------------

struct CasoPar {
    std::string valor, marca;
    Efecto efecto;
};

class SdkEfecto : public testing::TestWithParam<CasoPar> {};

TEST_P(SdkEfecto, SegunValorYMarca) {
    EXPECT_EQ(EfectoDe({GetParam().valor, GetParam().marca}), GetParam().efecto);
}

INSTANTIATE_TEST_SUITE_P(Pares, SdkEfecto, testing::Values(
    CasoPar{" ", "B", Efecto::Ninguno},
    CasoPar{" ", "R", Efecto::Ninguno},   // a space with "R" is not a fixed empty cell
    CasoPar{" ", "", Efecto::Ninguno},
    CasoPar{"5", "R", Efecto::Fijo},
    CasoPar{"5", "B", Efecto::Libre},
    CasoPar{"5", "r", Efecto::Libre},     // only exactly "R" fixes
    CasoPar{"5", " ", Efecto::Libre},
    CasoPar{"5", "X", Efecto::Libre},
    CasoPar{"5", "", Efecto::Libre},      // the mark is past the end of the line
    CasoPar{"", "", Efecto::Libre},       // both past the end: caption ""
    CasoPar{"x", "R", Efecto::Fijo},      // any value but a space is taken
    CasoPar{"0", "B", Efecto::Libre},
    CasoPar{"\t", "R", Efecto::Fijo}));

TEST(SdkAplica, JuegoCreado) {
    Tablero t = Preparado();
    EXPECT_TRUE(AplicaTablero(LeeLineaTablero(JuegoCreado()[0]), t));
    for (int n = 0; n < NumCeldas; ++n) {
        const std::string digito(1, Solucion[static_cast<std::size_t>(n)]);
        if (n % 2 == 0) {
            EXPECT_EQ(t[n].Caption, digito) << n;
            EXPECT_EQ(t[n].Color_, Naranja) << n;
            EXPECT_FALSE(t[n].Enabled) << n;
        } else {
            EXPECT_EQ(t[n].Caption, n % 7 == 1 ? digito : "") << n;
            EXPECT_EQ(t[n].Color_, Blanco) << n;
            EXPECT_TRUE(t[n].Enabled) << n;
        }
    }
}

TEST(SdkAplica, SinFijos) {
    Tablero t = Preparado();
    EXPECT_FALSE(AplicaTablero(LeeLineaTablero(JuegoAMano()[0]), t));
    EXPECT_EQ(t[1].Caption, std::string(1, Solucion[1]));
    EXPECT_EQ(t[1].Color_, Blanco);
}

TEST(SdkAplica, EspacioConRNoFijaNada) {
    std::string linea = LineaVacia();
    linea[1] = 'R';
    Tablero t = Preparado();
    EXPECT_FALSE(AplicaTablero(LeeLineaTablero(linea), t));
    EXPECT_EQ(t[0].Caption, "");
    EXPECT_EQ(t[0].Color_, Blanco);
    EXPECT_TRUE(t[0].Enabled);
}

TEST(SdkAplica, UnEspacioNoTocaLaCelda) {
    Tablero t = Preparado();
    t[5].Caption = "9";
    t[5].Color_ = Verde;
    AplicaTablero(LeeLineaTablero(LineaVacia()), t);
    EXPECT_EQ(t[5].Caption, "9");
    EXPECT_EQ(t[5].Color_, Verde);
}

TEST(SdkAplica, LineaCortaVaciaElResto) {
    Tablero t = Preparado();
    t[2].Caption = "9";
    t[2].Color_ = Verde;
    EXPECT_TRUE(AplicaTablero(LeeLineaTablero("5R3"), t));
    EXPECT_EQ(t[0].Caption, "5");
    EXPECT_EQ(t[0].Color_, Naranja);
    EXPECT_EQ(t[1].Caption, "3");  // its mark is missing: not fixed
    EXPECT_EQ(t[1].Color_, Blanco);
    EXPECT_TRUE(t[1].Enabled);
    EXPECT_EQ(t[2].Caption, "");   // past the end: caption "" and white
    EXPECT_EQ(t[2].Color_, Blanco);
}

TEST(SdkAplica, CualquierMarcaNoRDaCeldaLibre) {
    std::string linea = LineaVacia();
    linea.replace(0, 8, "1B2r3X4 ");
    Tablero t = Preparado();
    EXPECT_FALSE(AplicaTablero(LeeLineaTablero(linea), t));
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(t[c].Caption, std::string(1, static_cast<char>('1' + c)));
        EXPECT_EQ(t[c].Color_, Blanco);
        EXPECT_TRUE(t[c].Enabled);
    }
}

// ---- Move lines ---------------------------------------------------------------

struct CasoMovimiento {
    std::string linea;
    std::string item;  // "" when the line is skipped
};

class SdkMovimiento : public testing::TestWithParam<CasoMovimiento> {};

TEST_P(SdkMovimiento, Item) {
    EXPECT_EQ(ItemMovimiento(GetParam().linea), GetParam().item);
    const Lineas items = LeeMovimientos({"board", GetParam().linea});
    if (GetParam().item.empty()) {
        EXPECT_TRUE(items.empty());
    } else {
        EXPECT_EQ(items, Lineas{GetParam().item});
    }
}

INSTANTIATE_TEST_SUITE_P(Lineas, SdkMovimiento, testing::Values(
    CasoMovimiento{"P3_4--7", "P3_4--7"},
    CasoMovimiento{"P3_4--B", "P3_4--B"},
    CasoMovimiento{"P3_4--7 y algo mas", "P3_4--7"},  // extra characters dropped
    CasoMovimiento{"P3_4##7", "P3_4--7"},             // 5 and 6 never compared
    CasoMovimiento{"P3_4--", "P3_4--"},               // no 7th character: shorter item
    CasoMovimiento{"P3_4-", "P3_4--"},
    CasoMovimiento{"P3", "P3--"},
    CasoMovimiento{"P", "P--"},
    CasoMovimiento{"Pxyz--Q", "Pxyz--Q"},             // nothing else is checked
    CasoMovimiento{"p3_4--7", ""},
    CasoMovimiento{" P3_4--7", ""},
    CasoMovimiento{"", ""},
    CasoMovimiento{"3_4--7", ""},
    CasoMovimiento{"Partida guardada", "Part--a"}));

TEST(SdkMovimientos, LaPrimeraLineaNuncaEsMovimiento) {
    EXPECT_TRUE(LeeMovimientos({"P1_1--5"}).empty());
    EXPECT_TRUE(LeeMovimientos({}).empty());
}

TEST(SdkMovimientos, OrdenDelFicheroYLineasAjenasFuera) {
    const Lineas lineas{JuegoCreado()[0], "P1_1--B", "", "hola", "P1_1--5extra", " ", "P9_9--9", ""};
    EXPECT_EQ(LeeMovimientos(lineas), (Lineas{"P1_1--B", "P1_1--5", "P9_9--9"}));
}

}  // namespace
}  // namespace novenario::sdk::prueba
