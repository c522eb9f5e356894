// Playing from the keyboard: the four cursor moves, the placeholder cursor
// over a given, and the keys that enter and erase.
#include "board/juego.h"
#include "board/entorno_falso.h"
#include "candidates/candidatos.h"
#include "ayuda/ayuda.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

struct CasoMovimiento {
    const char* desde;
    const char* orden;
    const char* hasta;
};

void PrintTo(const CasoMovimiento& c, std::ostream* os) { *os << c.desde << " " << c.orden; }

class Movimiento : public Partida, public ::testing::WithParamInterface<CasoMovimiento> {};

// One step in the grid, across block borders; at the edge the cursor stays
// where it is (no wrap-around).
TEST_P(Movimiento, UnPasoEnLaRejilla) {
    const auto& k = GetParam();
    Seleccionar(k.desde);
    Ejecuta_Cursores(f, k.orden);
    EXPECT_EQ(f.Variables.Panel_Activo, k.hasta);
    EXPECT_EQ(En(f, k.hasta).Color_, Verde);
    if (std::string(k.desde) != k.hasta) {
        EXPECT_EQ(En(f, k.desde).Color_, Blanco);
    }
    EXPECT_TRUE(f.Variables.LBPanel.empty());
    EXPECT_EQ(f.Variables.Orden_Trabajo, "Color Rojo") << "the selection ran last";
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Movimiento,
    ::testing::Values(CasoMovimiento{"P1_3", "Mover Derecha", "P2_1"},
                      CasoMovimiento{"P1_7", "Mover Abajo", "P4_1"},
                      CasoMovimiento{"P2_1", "Mover Izquierda", "P1_3"},
                      CasoMovimiento{"P4_1", "Mover Arriba", "P1_7"},
                      CasoMovimiento{"P5_5", "Mover Arriba", "P5_2"},
                      CasoMovimiento{"P5_5", "Mover Abajo", "P5_8"},
                      CasoMovimiento{"P5_5", "Mover Izquierda", "P5_4"},
                      CasoMovimiento{"P5_5", "Mover Derecha", "P5_6"},
                      CasoMovimiento{"P6_9", "Mover Abajo", "P9_3"},
                      // The edges.
                      CasoMovimiento{"P2_2", "Mover Arriba", "P2_2"},
                      CasoMovimiento{"P1_1", "Mover Izquierda", "P1_1"},
                      CasoMovimiento{"P3_6", "Mover Derecha", "P3_6"},
                      CasoMovimiento{"P9_9", "Mover Abajo", "P9_9"},
                      CasoMovimiento{"P7_7", "Mover Izquierda", "P7_7"},
                      CasoMovimiento{"P3_3", "Mover Arriba", "P3_3"}));

// Up from row 1 selects the same cell again and changes no value.
TEST_F(Partida, ArribaEnLaPrimeraFilaNoCambiaNada) {
    Seleccionar("P2_2");
    BClick(f, 6);
    const auto lista = f.Variables.LBPanel;
    const std::string tablero = LeerRejilla(f);
    Ejecuta_Cursores(f, "Mover Arriba");
    EXPECT_EQ(f.Variables.Panel_Activo, "P2_2");
    EXPECT_EQ(En(f, "P2_2").Color_, Verde);
    EXPECT_EQ(f.Variables.LBPanel, lista);
    EXPECT_EQ(LeerRejilla(f), tablero);
}

// A given cannot be selected: the cursor shows itself there as the
// placeholder with the given's digit; the given stays orange.
TEST_F(Partida, SobreUnaCeldaFijaApareceElMarcador) {
    Fijar(f, "P1_4", "8");
    Disponibles(f);
    Seleccionar("P1_1");
    Ejecuta_Cursores(f, "Mover Abajo");
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_4");
    EXPECT_TRUE(f.Ventana.PMenti.Visible);
    EXPECT_EQ(f.Ventana.PMenti.Caption, "8");
    EXPECT_EQ(f.Ventana.PMenti.Left, 7);
    EXPECT_EQ(f.Ventana.PMenti.Top, 48);
    EXPECT_EQ(En(f, "P1_4").Color_, Naranja);
    EXPECT_EQ(En(f, "P1_1").Color_, Blanco) << "the green cell gets PAux's white back";

    // Leaving the given keeps it orange and selects the next cell normally.
    Ejecuta_Cursores(f, "Mover Derecha");
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_5");
    EXPECT_FALSE(f.Ventana.PMenti.Visible);
    EXPECT_EQ(En(f, "P1_4").Color_, Naranja);
    EXPECT_EQ(En(f, "P1_5").Color_, Verde);
}

// From one given to the next the placeholder follows; both stay orange.
TEST_F(Partida, DeUnaFijaAOtraFija) {
    Fijar(f, "P1_2", "4");
    Fijar(f, "P1_3", "5");
    Seleccionar("P1_1");
    Ejecuta_Cursores(f, "Mover Derecha");
    Ejecuta_Cursores(f, "Mover Derecha");
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_3");
    EXPECT_EQ(f.Ventana.PMenti.Caption, "5");
    EXPECT_EQ(f.Ventana.PMenti.Left, 145);
    EXPECT_EQ(En(f, "P1_2").Color_, Naranja);
    EXPECT_EQ(En(f, "P1_3").Color_, Naranja);
}

// A cell that is not green keeps its colour when the cursor leaves it, and
// that colour becomes the one to give back next.
TEST_F(Partida, LaCeldaQueSeDejaConservaSuColorSiNoEraVerde) {
    Fijar(f, "P5_6", "2");
    Seleccionar("P5_5");
    En(f, "P5_5").Color_ = Granate;
    Ejecuta_Cursores(f, "Mover Derecha");
    EXPECT_EQ(f.Variables.Panel_Activo, "P5_6");
    EXPECT_EQ(En(f, "P5_5").Color_, Granate);
    EXPECT_EQ(f.Ventana.PAux.Color_, Granate);
}

// ---------------------------------------------------------------------------
// Keys

struct CasoTecla {
    const char* caracter;
    const char* queda;  // the value of P5_5 afterwards, which held "3"
    bool anota;         // the move list grows
    int codigo = 0;     // the key code, for the keys that type no character
};

void PrintTo(const CasoTecla& c, std::ostream* os) { *os << '"' << c.caracter << '"'; }

class Tecla : public Partida, public ::testing::WithParamInterface<CasoTecla> {};

// Digits enter; "0", space, "*", "C" and "." erase; anything else, lower
// case "c" included, does nothing.
TEST_P(Tecla, DigitosEntranYLasTeclasDeBorrarBorran) {
    En(f, "P5_5").Caption = "3";
    Disponibles(f);
    Seleccionar("P5_5");
    Posicion_CurKeyDown(f, GetParam().codigo, GetParam().caracter);
    EXPECT_EQ(En(f, "P5_5").Caption, GetParam().queda);
    EXPECT_EQ(f.Variables.LBPanel.empty(), !GetParam().anota);
    EXPECT_EQ(f.Variables.Posicion_Cur, "");
    EXPECT_EQ(f.Variables.Panel_Activo, "P5_5");
}

INSTANTIATE_TEST_SUITE_P(
    Caracteres, Tecla,
    ::testing::Values(CasoTecla{"7", "7", true}, CasoTecla{"1", "1", true},
                      CasoTecla{"0", "", true}, CasoTecla{" ", "", true}, CasoTecla{"*", "", true},
                      CasoTecla{"C", "", true}, CasoTecla{".", "", true}, CasoTecla{"c", "3", false},
                      CasoTecla{"a", "3", false}, CasoTecla{"-", "3", false},
                      CasoTecla{"", "3", false},
                      // Supr and the backspace erase, whatever they type.
                      CasoTecla{"\x7f", "", true, VK_DELETE},
                      CasoTecla{"\b", "", true, VK_BACK},
                      CasoTecla{"", "", true, VK_DELETE}));

// A digit the pad hides (help on) still reaches its entry handler, which
// refuses it if it repeats.
TEST_F(Partida, UnDigitoOcultoPorLaAyudaSigueLlegandoYSeRechaza) {
    En(f, "P5_1").Caption = "2";
    BVerTeclasClick(f);
    Seleccionar("P5_5");
    ASSERT_FALSE(f.Ventana.B[1].Visible);
    Posicion_CurKeyDown(f, 0, "2");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "Error. 2 en Bloque");
    EXPECT_EQ(En(f, "P5_5").Caption, "");
}

// Over a given the cursor is the placeholder: digits and erase keys do
// nothing and the number pad gives way to the notice.
TEST_F(Partida, SobreUnaFijaLasTeclasNoHacenNadaYSeAvisa) {
    Fijar(f, "P1_4", "8");
    BMicroTeclas2Click(f);
    Disponibles(f);
    Seleccionar("P1_1");
    ASSERT_TRUE(f.Ventana.PMicroTeclas.Visible);
    Posicion_CurKeyDown(f, VK_DOWN, "");
    ASSERT_TRUE(f.Ventana.PMenti.Visible);
    EXPECT_EQ(f.Ventana.LTeclasCarga.Caption, "--- Dato Fijo ---");
    EXPECT_FALSE(f.Ventana.PTeclasNum.Visible);
    EXPECT_TRUE(f.Ventana.PTeclasCarga.Visible);
    EXPECT_FALSE(f.Ventana.PMicroTeclas.Visible);
    for (const char* ch : {"5", "0", " "}) {
        Posicion_CurKeyDown(f, 0, ch);
        EXPECT_EQ(En(f, "P1_4").Caption, "8");
    }
    EXPECT_TRUE(f.Variables.LBPanel.empty());

    Posicion_CurKeyDown(f, VK_RIGHT, "");
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_5");
    EXPECT_FALSE(f.Ventana.PMenti.Visible);
    EXPECT_TRUE(f.Ventana.PTeclasNum.Visible);
    EXPECT_FALSE(f.Ventana.PTeclasCarga.Visible);
    EXPECT_TRUE(f.Ventana.PMicroTeclas.Visible);
}

// Leaving a fixed cell by any selection brings the number pad back: a switch
// of "Ayuda" or a click on a free cell.
TEST_F(Partida, AlDejarUnaFijaVuelveElTecladoNumerico) {
    for (bool por_ayuda : {true, false}) {
        Fijar(f, "P1_4", "8");
        Disponibles(f);
        Seleccionar("P1_1");
        Posicion_CurKeyDown(f, VK_DOWN, "");
        ASSERT_TRUE(f.Ventana.PTeclasCarga.Visible);
        if (por_ayuda) {
            BVerTeclasClick(f);
            EXPECT_FALSE(f.Ventana.PTeclasCarga.Visible);
            EXPECT_TRUE(f.Ventana.PTeclasNum.Visible);
        }
        f.ClickCelda(tablero::Indice("P9_9"));
        EXPECT_EQ(f.Variables.Panel_Activo, "P9_9") << por_ayuda;
        EXPECT_FALSE(f.Ventana.PMenti.Visible) << por_ayuda;
        EXPECT_FALSE(f.Ventana.PTeclasCarga.Visible) << por_ayuda;
        EXPECT_TRUE(f.Ventana.PTeclasNum.Visible) << por_ayuda;
    }
}

// Every key first clears the traces of the last action.
TEST_F(Partida, CadaTeclaBorraMensajeAvisoYPista) {
    f.Ventana.PMensaje.Caption = "Número 3 aceptado";
    f.Ventana.PError.Show();
    f.Ventana.Shape1.Color_ = Verde;
    Posicion_CurKeyDown(f, 65, "a");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "");
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris);
}

}  // namespace
}  // namespace novenario::prueba
