// The three assistance switches: the help display and the pads restricted to
// the digits that fit, the micro keypad, and the hint bar; and the lamp that
// tells that assistance was used.
#include "board/entorno_falso.h"
#include "ayuda/ayuda.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

std::vector<int> Visibles(const std::array<Control, 9>& teclas) {
    std::vector<int> v;
    for (int d = 1; d <= 9; ++d)
        if (teclas[static_cast<std::size_t>(d - 1)].Visible) v.push_back(d);
    return v;
}

const std::vector<int> kTodos{1, 2, 3, 4, 5, 6, 7, 8, 9};

// ---------------------------------------------------------------------------
// Help display

TEST_F(Partida, LaAyudaMuestraEtiquetasRecienCalculadasYLasOculta) {
    f.Ventana.PError.Show();
    BVerTeclasClick(f);
    EXPECT_EQ(f.Variables.Ayuda_Activa, Bandera::S);
    EXPECT_TRUE(f.Ventana.Led1.Value);
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(f.Ventana.PMenti.FontSize, 14);
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_TRUE(f.Paneles[c].EtiquetasVisibles);
        EXPECT_EQ(f.Paneles[c].TamanoFuente, 14);
    }
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1") << "the selected cell is selected again";
    EXPECT_EQ(En(f, "P1_1").Color_, Verde);

    BVerTeclasClick(f);
    EXPECT_EQ(f.Variables.Ayuda_Activa, Bandera::N);
    EXPECT_TRUE(f.Ventana.Led1.Value) << "the lamp stays lit";
    EXPECT_EQ(f.Ventana.PMenti.FontSize, 22);
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_FALSE(f.Paneles[c].EtiquetasVisibles);
        EXPECT_EQ(f.Paneles[c].TamanoFuente, 22);
    }

    // A value written with no pass (as a loaded board would be) shows up in
    // the labels as soon as help comes on.
    En(f, "P9_9").Caption = "4";
    BVerTeclasClick(f);
    EXPECT_EQ(En(f, "P9_8").PND, "4");
    EXPECT_EQ(En(f, "P9_8").PSD, "12356789");
}

// With help on the pads offer only what fits; help off brings all nine back
// while the same cell stays selected.
TEST_F(Partida, ConAyudaSoloSeOfrecenLosDigitosQueCaben) {
    CargarRejilla(f, Rejilla({{"P5_1", '1'}, {"P4_4", '2'}, {"P8_8", '3'}}));
    BMicroTeclas2Click(f);
    BVerTeclasClick(f);
    Seleccionar("P5_5");
    EXPECT_EQ(Visibles(f.Ventana.B), (std::vector<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Visibles(f.Ventana.PT), (std::vector<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(En(f, "P5_5").Caption, "") << "the probe leaves nothing behind";
    EXPECT_FALSE(f.Ventana.BBorrar.Visible);
    EXPECT_EQ(f.Ventana.PTeclasNum.Caption, "");

    BVerTeclasClick(f);
    EXPECT_EQ(Visibles(f.Ventana.B), kTodos);
    EXPECT_EQ(Visibles(f.Ventana.PT), kTodos);
    EXPECT_EQ(f.Variables.Panel_Activo, "P5_5");
    EXPECT_EQ(En(f, "P5_5").Color_, Verde);
}

// A filled cell keeps its value; its own digit is on offer as well.
TEST_F(Partida, ConAyudaUnaCeldaLlenaConservaSuValor) {
    CargarRejilla(f, Rejilla({{"P5_5", '6'}, {"P5_1", '1'}, {"P4_4", '2'}}));
    BVerTeclasClick(f);
    f.Variables.Grupo_Error = "sin tocar";
    Seleccionar("P5_5");
    EXPECT_EQ(En(f, "P5_5").Caption, "6");
    EXPECT_EQ(Visibles(f.Ventana.B), (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(f.Ventana.BBorrar.Visible);
    EXPECT_TRUE(f.Ventana.PTBorrar.Visible);
    // The probe tries 1 to 9 in turn and does not name groups.
    EXPECT_EQ(f.Variables.Numero_Activo, "9");
    EXPECT_EQ(f.Variables.Valor_Anterior, "8");
    EXPECT_EQ(f.Variables.Grupo_Error, "sin tocar");
}

// A cell where nothing fits: the pads say so, and switching help off clears
// the number pad's notice.
TEST_F(Partida, ConAyudaSinValorPosible) {
    CargarRejilla(f, "....5...." "........." "........." "........." "1234.6789"
                     "........." "........." "........." ".........");
    BMicroTeclas2Click(f);
    BVerTeclasClick(f);
    Seleccionar("P5_5");
    EXPECT_TRUE(Visibles(f.Ventana.B).empty());
    EXPECT_TRUE(Visibles(f.Ventana.PT).empty());
    EXPECT_EQ(f.Ventana.PTeclasNum.Caption, "Sin valor posible");
    EXPECT_EQ(f.Ventana.PMicroTeclas.Caption, "Sin valor");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "Sin valor posible");
    EXPECT_EQ(f.Ventana.PMensaje.FontColor, Granate);
    EXPECT_EQ(En(f, "P5_5").Color_, Verde);

    Seleccionar("P9_9");
    EXPECT_EQ(f.Ventana.PTeclasNum.Caption, "") << "a cell with candidates clears the notice";
    EXPECT_EQ(f.Ventana.PMicroTeclas.Caption, "");
    Seleccionar("P5_5");
    BVerTeclasClick(f);
    EXPECT_EQ(f.Ventana.PTeclasNum.Caption, "");
    EXPECT_EQ(Visibles(f.Ventana.B), kTodos);
}

// With the placeholder over a given, switching help selects the cell named
// in Panel_Libre instead and hides the placeholder.
TEST_F(Partida, ConElMarcadorVisibleLaAyudaNoReseleccionaLaFija) {
    Fijar(f, "P1_2", "4");
    Seleccionar("P1_1");
    Busca_Libre(f);  // P1_1
    f.Ventana.PMenti.Show();
    f.Variables.Panel_Activo = "P1_2";
    BVerTeclasClick(f);
    EXPECT_FALSE(f.Ventana.PMenti.Visible);
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
    EXPECT_EQ(En(f, "P1_2").Color_, Naranja);
}

// ---------------------------------------------------------------------------
// Micro keypad

TEST_F(Partida, ElMicroTecladoSeEnciendeALaPrimeraYSeApagaALaSegunda) {
    f.Ventana.PT[2].Mover(0, 0);
    BMicroTeclas2Click(f);
    EXPECT_EQ(f.Variables.Micro_Activo, Bandera::N);
    EXPECT_TRUE(f.Ventana.PMicroTeclas.Visible);
    EXPECT_EQ(f.Ventana.PT[2].Left, 34);
    EXPECT_EQ(f.Ventana.PT[2].Top, 4);
    BMicroTeclas2Click(f);
    EXPECT_EQ(f.Variables.Micro_Activo, Bandera::S);
    EXPECT_FALSE(f.Ventana.PMicroTeclas.Visible);
    BMicroTeclas2Click(f);
    EXPECT_EQ(f.Variables.Micro_Activo, Bandera::N);
    EXPECT_TRUE(f.Ventana.PMicroTeclas.Visible);
    EXPECT_FALSE(f.Ventana.Led1.Value) << "the micro keypad is not assistance";
}

TEST_F(Partida, ElMicroTecladoNoSeMuestraSobreElMarcador) {
    f.Ventana.PMenti.Show();
    BMicroTeclas2Click(f);
    EXPECT_EQ(f.Variables.Micro_Activo, Bandera::N);
    EXPECT_FALSE(f.Ventana.PMicroTeclas.Visible);
}

// A micro key acts as the number button of the same digit.
TEST_F(Partida, UnaMicroTeclaEntraComoSuBoton) {
    BMicroTeclas2Click(f);
    Seleccionar("P2_4");
    f.ClickMicro(6);
    EXPECT_EQ(En(f, "P2_4").Caption, "6");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "Número 6 aceptado");
    f.ClickMicroBorrar();
    EXPECT_EQ(En(f, "P2_4").Caption, "");
    EXPECT_EQ(f.Variables.LBPanel, (std::vector<std::string>{"P2_4--B", "P2_4--6", "P2_4--B"}));
}

// ---------------------------------------------------------------------------
// Hint bar

TEST_F(Partida, LaPistaMuestraYOcultaLaBarra) {
    f.Ventana.PError.Show();
    BPistaClick(f);
    EXPECT_EQ(f.Variables.Pista_Activa, Bandera::S);
    EXPECT_TRUE(f.Ventana.Shape1.Visible);
    EXPECT_TRUE(f.Ventana.Led1.Value);
    EXPECT_FALSE(f.Ventana.PError.Visible);
    BPistaClick(f);
    EXPECT_EQ(f.Variables.Pista_Activa, Bandera::N);
    EXPECT_FALSE(f.Ventana.Shape1.Visible);
    EXPECT_TRUE(f.Ventana.Led1.Value);
}

struct CasoPista {
    const char* celda;
    int posicion;  // 1..81 in name order, where the solution holds the 7
    bool verde;
};

void PrintTo(const CasoPista& c, std::ostream* os) { *os << c.celda << " @" << c.posicion; }

class Pista : public Partida, public ::testing::WithParamInterface<CasoPista> {};

// Only the cell just entered is compared, with character 9(b-1)+k of the
// stored solution.
TEST_P(Pista, VerdeSoloSiElDigitoEsElDeLaSolucion) {
    const auto& k = GetParam();
    f.Partida.EPartida = std::string(81, '1');
    f.Partida.EPartida[static_cast<std::size_t>(k.posicion - 1)] = '7';
    BPistaClick(f);
    Seleccionar(k.celda);
    BClick(f, 7);
    ASSERT_EQ(En(f, k.celda).Caption, "7");
    EXPECT_EQ(f.Ventana.Shape1.Color_, k.verde ? Verde : Gris);
}

INSTANTIATE_TEST_SUITE_P(Casos, Pista,
                         ::testing::Values(CasoPista{"P1_1", 1, true}, CasoPista{"P1_1", 2, false},
                                           CasoPista{"P4_7", 34, true}, CasoPista{"P4_7", 33, false},
                                           CasoPista{"P4_7", 35, false}, CasoPista{"P1_9", 9, true},
                                           CasoPista{"P2_1", 10, true}, CasoPista{"P9_9", 81, true},
                                           CasoPista{"P9_9", 80, false}));

// Any new action on a cell puts the bar back to grey.
TEST_F(Partida, LaBarraVuelveAGris) {
    f.Partida.EPartida = EnOrdenDeNombres(RejillaResuelta());
    BPistaClick(f);
    const int d = RejillaResuelta()[0] - '0';
    auto verde = [&] {
        Seleccionar("P1_1");
        BClick(f, d);
        ASSERT_EQ(f.Ventana.Shape1.Color_, Verde);
    };
    verde();
    Seleccionar("P5_5");
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris) << "another selection";
    verde();
    BBorrarClick(f);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris) << "an erase";
    verde();
    BClick(f, d == 9 ? 1 : d + 1);  // a wrong digit that fits
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris) << "a wrong digit";
    verde();
    En(f, "P1_2").Caption = "3";
    BClick(f, 3);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris) << "a refused digit";
}

TEST_F(Partida, SinSolucionLaBarraSiempreGris) {
    f.Partida.EPartida = "";
    BPistaClick(f);
    for (int d = 1; d <= 9; ++d) {
        BClick(f, d);
        EXPECT_EQ(f.Ventana.Shape1.Color_, Gris) << d;
    }
}

// The bar is only checked while it is shown.
TEST_F(Partida, ConLaBarraOcultaNoSeComprueba) {
    f.Partida.EPartida = std::string(81, '5');
    f.Ventana.Shape1.Color_ = Gris;
    BClick(f, 5);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris);
}

}  // namespace
}  // namespace novenario::prueba
