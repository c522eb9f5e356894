// Impossible cells: the maroon mark of an empty cell with no possible digit,
// how it survives the colour reset of every selection, and the history step
// that writes one value and recomputes around it.
#include "board/entorno_falso.h"
#include "candidates/candidatos.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

struct CasoMarca {
    const char* que;
    const char* valor;
    const char* psd;
    const char* pnd;
    Color antes, despues;
};

void PrintTo(const CasoMarca& c, std::ostream* os) { *os << c.que; }

class MarcaGranate : public Partida, public ::testing::WithParamInterface<CasoMarca> {};

// Maroon exactly for an empty cell with both labels empty; the routine never
// takes a mark away and reads the value untrimmed.
TEST_P(MarcaGranate, SoloVaciaYSinEtiquetas) {
    const auto& k = GetParam();
    Celda& celda = En(f, "P6_4");
    celda.Caption = k.valor;
    celda.PSD = k.psd;
    celda.PND = k.pnd;
    celda.Color_ = k.antes;
    Pongo_ColorRojo(f);
    EXPECT_EQ(celda.Color_, k.despues);
    EXPECT_EQ(celda.PSD, k.psd);
    EXPECT_EQ(celda.PND, k.pnd);
    EXPECT_EQ(En(f, "P6_5").Color_, Blanco) << "cells with labels are left alone";
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MarcaGranate,
    ::testing::Values(CasoMarca{"vacia sin etiquetas", "", "", "", Blanco, Granate},
                      CasoMarca{"vacia y seleccionada", "", "", "", Verde, Granate},
                      CasoMarca{"vacia y aguamarina", "", "", "", Aguamarina, Granate},
                      CasoMarca{"con valor", "5", "", "", Blanco, Blanco},
                      CasoMarca{"un blanco no es vacio", " ", "", "", Blanco, Blanco},
                      CasoMarca{"con posibles", "", "9", "", Blanco, Blanco},
                      CasoMarca{"con tomados", "", "", "12345678", Blanco, Blanco},
                      CasoMarca{"no desmarca", "", "123", "456", Granate, Granate},
                      CasoMarca{"no desmarca aunque tenga valor", "7", "", "", Granate, Granate}));

// Before any pass every label is empty, so every empty cell would be marked.
TEST(MarcaSinPase, SinEtiquetasTodasLasVaciasSonGranates) {
    EntornoFalso ent;
    TFormPrincipal f(ent);
    En(f, "P2_2").Caption = "3";
    Pongo_ColorRojo(f);
    for (int c = 0; c < NumCeldas; ++c) EXPECT_EQ(f.Paneles[c].Color_, c == Idx("P2_2") ? Blanco : Granate);
}

// P5_5 is empty and sees 1-4 and 6-9 in its row and a 5 in its column.
const std::string kSinSalida =
    "....5...." "........." "........." "........." "1234.6789"
    "........." "........." "........." ".........";

// The mark survives the colour reset of a selection elsewhere, and goes once
// a peer's digit is erased and the pass finds a candidate again.
TEST_F(Partida, LaMarcaSobreviveALaSeleccionYSeVaAlLiberarse) {
    CargarRejilla(f, kSinSalida);
    Disponibles(f);
    EXPECT_EQ(En(f, "P5_5").Color_, Granate);
    Seleccionar("P9_9");
    EXPECT_EQ(En(f, "P5_5").Color_, Granate);
    EXPECT_EQ(En(f, "P9_9").Color_, Verde);

    Seleccionar("P4_4");  // row 5, column 1: holds the 1
    BBorrarClick(f);
    EXPECT_EQ(En(f, "P5_5").Color_, Blanco);
    EXPECT_EQ(En(f, "P5_5").PSD, "1");
    Seleccionar("P1_1");
    EXPECT_EQ(En(f, "P5_5").Color_, Blanco);
}

// A filled cell whose peers hold all nine digits is a conflict, never maroon;
// a given is never maroon.
TEST_F(Partida, NiLasLlenasNiLasFijasSeMarcan) {
    std::string rejilla = kSinSalida;
    rejilla[4 * 9 + 4] = '5';
    CargarRejilla(f, rejilla);
    Fijar(f, "P4_4", "1");
    Disponibles(f);
    Seleccionar("P9_9");
    for (int c = 0; c < NumCeldas; ++c) EXPECT_NE(f.Paneles[c].Color_, Granate) << tablero::Nombre(c);
    EXPECT_EQ(En(f, "P4_4").Color_, Naranja);
}

// ---------------------------------------------------------------------------
// Panel_Imposible

struct CasoImposible {
    const char* celda;
    const char* valor;
};

class PanelImposible : public Partida, public ::testing::WithParamInterface<CasoImposible> {};

// The named cell gets the value, the candidates follow, and the cell is
// selected as a click would select it.
TEST_P(PanelImposible, EscribeRecalculaYSelecciona) {
    const auto& k = GetParam();
    En(f, k.celda).Caption = "8";
    Disponibles(f);
    f.Variables.Panel_Historia = k.celda;
    f.Variables.Valor_Historia = k.valor;
    Panel_Imposible(f);
    EXPECT_EQ(En(f, k.celda).Caption, k.valor);
    EXPECT_EQ(f.Variables.Panel_Activo, k.celda);
    EXPECT_EQ(En(f, k.celda).Color_, Verde);
    EXPECT_EQ(En(f, "P1_1").Color_, std::string(k.celda) == "P1_1" ? Verde : Blanco);
    const std::string par = std::string(k.celda) == "P4_4" ? "P4_5" : "P7_3";  // a peer
    EXPECT_EQ(En(f, par).PND, k.valor);
}

INSTANTIATE_TEST_SUITE_P(Casos, PanelImposible,
                         ::testing::Values(CasoImposible{"P4_4", "7"}, CasoImposible{"P4_4", ""},
                                           CasoImposible{"P7_1", "2"}, CasoImposible{"P7_1", ""}));

TEST_F(Partida, PanelImposibleConUnNombreQueNoEsCeldaNoHaceNada) {
    En(f, "P3_3").Caption = "1";
    En(f, "P8_8").PSD = "marca";
    for (const char* nombre : {"", "P0_0", "P3_3 ", "p3_3"}) {
        f.Variables.Panel_Historia = nombre;
        f.Variables.Valor_Historia = "9";
        Panel_Imposible(f);
        EXPECT_EQ(En(f, "P3_3").Caption, "1") << '"' << nombre << '"';
        EXPECT_EQ(En(f, "P8_8").PSD, "marca") << "no pass ran";
        EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
    }
}

// Going back over the erase of P6_6's 5 puts the 5 back, which leaves P5_5
// without a candidate: it is marked again while P6_6 is selected.
TEST_F(Partida, VolverAtrasRemarcaLaCeldaQueQuedaSinSalida) {
    CargarRejilla(f, "....5...." "........." "........." "........." "1234.678."
                     "........." "........." "........." ".........");
    Disponibles(f);
    ASSERT_EQ(En(f, "P5_5").PSD, "9");
    Seleccionar("P6_6");  // row 5, column 9
    BClick(f, 9);
    EXPECT_EQ(En(f, "P5_5").Color_, Granate);
    BBorrarClick(f);
    EXPECT_EQ(En(f, "P5_5").Color_, Blanco);
    BAtrasClick(f);
    EXPECT_EQ(En(f, "P6_6").Caption, "9");
    EXPECT_EQ(En(f, "P6_6").Color_, Verde);
    EXPECT_EQ(En(f, "P5_5").Color_, Granate);
    BAtrasClick(f);  // the blank before the 9
    EXPECT_EQ(En(f, "P6_6").Caption, "");
    EXPECT_EQ(En(f, "P5_5").Color_, Blanco);
    EXPECT_EQ(En(f, "P5_5").PSD, "9");
}

}  // namespace
}  // namespace novenario::prueba
