// Cell names, the two cell orders, the 27 groups, the peers and the pixel
// geometry of the board.
#include <algorithm>
#include <set>

#include "entorno_falso.h"
#include "board/tablero.h"

namespace novenario::prueba {
namespace {

// Every cell: its name, block and place come from the index in name order;
// row and column from the naming rule; and each way back leads to the same cell.
TEST(Tablero, NombreIndiceFilaColumnaIdaYVuelta) {
    std::set<std::string> nombres;
    for (int c = 0; c < NumCeldas; ++c) {
        const int b = c / 9 + 1, k = c % 9 + 1;
        const std::string nombre = tablero::Nombre(c);
        ASSERT_EQ(nombre.size(), 4u);
        EXPECT_EQ(nombre, std::string("P") + char('0' + b) + "_" + char('0' + k));
        EXPECT_EQ(tablero::Indice(nombre), c);
        EXPECT_EQ(tablero::Bloque(c), b);
        EXPECT_EQ(tablero::Lugar(c), k);
        const int fila = 3 * ((b - 1) / 3) + (k - 1) / 3 + 1;
        const int columna = 3 * ((b - 1) % 3) + (k - 1) % 3 + 1;
        EXPECT_EQ(tablero::Fila(c), fila) << nombre;
        EXPECT_EQ(tablero::Columna(c), columna) << nombre;
        EXPECT_EQ(tablero::EnRejilla(fila, columna), c) << nombre;
        nombres.insert(nombre);
    }
    EXPECT_EQ(nombres.size(), 81u);
}

struct CasoPosicion {
    const char* nombre;
    int fila, columna;
};

class PosicionDeCelda : public ::testing::TestWithParam<CasoPosicion> {};

// The screen layout: blocks 1-3 form the top band, places read left to right.
TEST_P(PosicionDeCelda, FilaYColumnaDeLaRejilla) {
    const auto& p = GetParam();
    const int c = tablero::Indice(p.nombre);
    ASSERT_GE(c, 0);
    EXPECT_EQ(tablero::Fila(c), p.fila);
    EXPECT_EQ(tablero::Columna(c), p.columna);
    EXPECT_EQ(tablero::Nombre(tablero::EnRejilla(p.fila, p.columna)), p.nombre);
}

INSTANTIATE_TEST_SUITE_P(Ejemplos, PosicionDeCelda,
                         ::testing::Values(CasoPosicion{"P1_1", 1, 1}, CasoPosicion{"P1_4", 2, 1},
                                           CasoPosicion{"P3_3", 1, 9}, CasoPosicion{"P7_7", 9, 1},
                                           CasoPosicion{"P9_9", 9, 9}, CasoPosicion{"P2_1", 1, 4},
                                           CasoPosicion{"P4_7", 6, 1}, CasoPosicion{"P5_5", 5, 5},
                                           CasoPosicion{"P6_3", 4, 9}, CasoPosicion{"P8_6", 8, 6}));

// Texts that are not exactly "P", a digit 1-9, "_", a digit 1-9 name no cell.
TEST(Tablero, TextosQueNoNombranCelda) {
    for (const char* t : {"", "P", "P1_", "P0_1", "P1_0", "p1_1", "P1-1", "Q1_1", "P1_10",
                          "P11_1", " P1_1", "P1_1 ", "PA_1", "P9_:"}) {
        EXPECT_EQ(tablero::Indice(t), -1) << '"' << t << '"';
    }
    Tablero t;
    EXPECT_EQ(t.Buscar("P0_0"), nullptr);
    EXPECT_EQ(t.Buscar("P9_9"), &t[80]);
}

// The value as routines read it: the first character, or nothing.
TEST(Tablero, ElValorSeLeePorSuPrimerCaracter) {
    Tablero t;
    t[0].Caption = "";
    t[1].Caption = "7";
    t[2].Caption = "45";
    EXPECT_EQ(t.Valor(0), "");
    EXPECT_EQ(t.Valor(1), "7");
    EXPECT_EQ(t.Valor(2), "4");
}

struct CasoGrupo {
    TipoGrupo tipo;
    int indice;
    std::array<const char*, 9> celdas;  // in slot order
};

class GrupoEnOrden : public ::testing::TestWithParam<CasoGrupo> {};

TEST_P(GrupoEnOrden, CeldasEnOrdenDeCasilla) {
    const auto& g = GetParam();
    const auto& grupo = tablero::Grupo(g.tipo, g.indice);
    for (std::size_t s = 0; s < 9; ++s) EXPECT_EQ(tablero::Nombre(grupo[s]), g.celdas[s]) << "slot " << s + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, GrupoEnOrden,
    ::testing::Values(
        CasoGrupo{TipoGrupo::Horizontal, 1, {"P1_1", "P1_2", "P1_3", "P2_1", "P2_2", "P2_3", "P3_1", "P3_2", "P3_3"}},
        CasoGrupo{TipoGrupo::Horizontal, 5, {"P4_4", "P4_5", "P4_6", "P5_4", "P5_5", "P5_6", "P6_4", "P6_5", "P6_6"}},
        CasoGrupo{TipoGrupo::Horizontal, 9, {"P7_7", "P7_8", "P7_9", "P8_7", "P8_8", "P8_9", "P9_7", "P9_8", "P9_9"}},
        CasoGrupo{TipoGrupo::Vertical, 1, {"P1_1", "P1_4", "P1_7", "P4_1", "P4_4", "P4_7", "P7_1", "P7_4", "P7_7"}},
        CasoGrupo{TipoGrupo::Vertical, 9, {"P3_3", "P3_6", "P3_9", "P6_3", "P6_6", "P6_9", "P9_3", "P9_6", "P9_9"}},
        CasoGrupo{TipoGrupo::Vertical, 5, {"P2_2", "P2_5", "P2_8", "P5_2", "P5_5", "P5_8", "P8_2", "P8_5", "P8_8"}},
        CasoGrupo{TipoGrupo::Bloque, 4, {"P4_1", "P4_2", "P4_3", "P4_4", "P4_5", "P4_6", "P4_7", "P4_8", "P4_9"}}));

// Each of the 27 groups holds 9 distinct cells; each cell lies in exactly one
// group of each kind, and that is the group GrupoDe names, in the slot the
// kind's order gives it.
TEST(Tablero, CadaCeldaEnUnSoloGrupoDeCadaClase) {
    const std::array<TipoGrupo, 3> tipos{TipoGrupo::Bloque, TipoGrupo::Horizontal, TipoGrupo::Vertical};
    for (TipoGrupo tipo : tipos) {
        std::array<int, NumCeldas> veces{};
        for (int g = 1; g <= 9; ++g) {
            const auto& grupo = tablero::Grupo(tipo, g);
            EXPECT_EQ(std::set<int>(grupo.begin(), grupo.end()).size(), 9u);
            for (std::size_t s = 0; s < 9; ++s) {
                const int c = grupo[s];
                ++veces[static_cast<std::size_t>(c)];
                EXPECT_EQ(tablero::GrupoDe(tipo, c), g);
                const int casilla = static_cast<int>(s) + 1;
                switch (tipo) {
                    case TipoGrupo::Bloque:
                        EXPECT_EQ(tablero::Bloque(c), g);
                        EXPECT_EQ(tablero::Lugar(c), casilla);
                        break;
                    case TipoGrupo::Horizontal:
                        EXPECT_EQ(tablero::Fila(c), g);
                        EXPECT_EQ(tablero::Columna(c), casilla);
                        break;
                    case TipoGrupo::Vertical:
                        EXPECT_EQ(tablero::Columna(c), g);
                        EXPECT_EQ(tablero::Fila(c), casilla);
                        break;
                }
            }
        }
        for (int v : veces) EXPECT_EQ(v, 1);
    }
}

// Peers: 8 in the row, 8 in the column and the 4 cells of the block in
// neither; never the cell itself.
TEST(Tablero, CadaCeldaTieneVeintePares) {
    for (int c = 0; c < NumCeldas; ++c) {
        const auto& pares = tablero::Pares(c);
        const std::set<int> unicos(pares.begin(), pares.end());
        EXPECT_EQ(unicos.size(), 20u);
        EXPECT_EQ(unicos.count(c), 0u);
        int en_fila = 0, en_columna = 0, solo_bloque = 0;
        for (int o = 0; o < NumCeldas; ++o) {
            if (o == c) continue;
            const bool fila = tablero::Fila(o) == tablero::Fila(c);
            const bool columna = tablero::Columna(o) == tablero::Columna(c);
            const bool bloque = tablero::Bloque(o) == tablero::Bloque(c);
            EXPECT_EQ(unicos.count(o) == 1, fila || columna || bloque) << tablero::Nombre(c) << " " << tablero::Nombre(o);
            en_fila += fila;
            en_columna += columna;
            solo_bloque += bloque && !fila && !columna;
        }
        EXPECT_EQ(en_fila, 8);
        EXPECT_EQ(en_columna, 8);
        EXPECT_EQ(solo_bloque, 4);
    }
}

TEST(Tablero, OrdenDeLecturaDeLaRejilla) {
    const auto& orden = tablero::OrdenRejilla();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(tablero::Nombre(orden[static_cast<std::size_t>((r - 1) * 9 + c - 1)]), NombreEn(r, c));
    EXPECT_EQ(tablero::Nombre(orden[3]), "P2_1");
    EXPECT_EQ(tablero::Nombre(orden[9]), "P1_4");
}

// Cells are 67 x 40 at the left edges 7, 76, 145, 220, 289, 358, 432, 501, 570
// and the top edges 6, 48, 90, 137, 179, 221, 269, 311, 353.
TEST(Tablero, PosicionEnPixeles) {
    const int izquierda[9] = {7, 76, 145, 220, 289, 358, 432, 501, 570};
    const int arriba[9] = {6, 48, 90, 137, 179, 221, 269, 311, 353};
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const int i = Idx(NombreEn(r, c));
            EXPECT_EQ(tablero::Izquierda(i), izquierda[c - 1]) << NombreEn(r, c);
            EXPECT_EQ(tablero::Arriba(i), arriba[r - 1]) << NombreEn(r, c);
        }
    EXPECT_EQ(tablero::AnchoCelda, 67);
    EXPECT_EQ(tablero::AltoCelda, 40);
}

// Inside the 647 x 402 board the cells never overlap, stay inside the panel,
// and leave room for the 4-pixel block bars at left 214 and 426 and at top
// 131 and 263.
TEST(Tablero, LasCeldasCabenYDejanSitioALasBarras) {
    for (int k = 0; k < 8; ++k) {
        const int fin_col = tablero::IzquierdaColumna[k] + tablero::AnchoCelda;
        const int fin_fila = tablero::ArribaFila[k] + tablero::AltoCelda;
        EXPECT_LE(fin_col, tablero::IzquierdaColumna[k + 1]);
        EXPECT_LE(fin_fila, tablero::ArribaFila[k + 1]);
    }
    EXPECT_LE(tablero::IzquierdaColumna[8] + tablero::AnchoCelda, 647);
    EXPECT_LE(tablero::ArribaFila[8] + tablero::AltoCelda, 402);
    for (auto [col, barra] : {std::pair{2, 214}, std::pair{5, 426}}) {
        EXPECT_LE(tablero::IzquierdaColumna[col] + tablero::AnchoCelda, barra);
        EXPECT_LE(barra + 4, tablero::IzquierdaColumna[col + 1]);
    }
    for (auto [fila, barra] : {std::pair{2, 131}, std::pair{5, 263}}) {
        EXPECT_LE(tablero::ArribaFila[fila] + tablero::AltoCelda, barra);
        EXPECT_LE(barra + 4, tablero::ArribaFila[fila + 1]);
    }
}

}  // namespace
}  // namespace novenario::prueba
