// The three assistance switches: the help display and the pads restricted to
// the digits that fit, the micro keypad, and the hint bar; and the lamp that
// tells that assistance was used.
#include "board/entorno_falso.h"

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
    f.PError.Show();
    f.BVerTeclasClick();
    EXPECT_EQ(f.Ayuda_Activa, Bandera::S);
    EXPECT_TRUE(f.Led1.Value);
    EXPECT_FALSE(f.PError.Visible);
    EXPECT_EQ(f.PMenti.FontSize, 14);
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_TRUE(f.Paneles[c].EtiquetasVisibles);
        EXPECT_EQ(f.Paneles[c].TamanoFuente, 14);
    }
    EXPECT_EQ(f.Panel_Activo, "P1_1") << "the selected cell is selected again";
    EXPECT_EQ(En(f, "P1_1").Color_, Verde);

    f.BVerTeclasClick();
    EXPECT_EQ(f.Ayuda_Activa, Bandera::N);
    EXPECT_TRUE(f.Led1.Value) << "the lamp stays lit";
    EXPECT_EQ(f.PMenti.FontSize, 22);
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_FALSE(f.Paneles[c].EtiquetasVisibles);
        EXPECT_EQ(f.Paneles[c].TamanoFuente, 22);
    }

    // A value written with no pass (as a loaded board would be) shows up in
    // the labels as soon as help comes on.
    En(f, "P9_9").Caption = "4";
    f.BVerTeclasClick();
    EXPECT_EQ(En(f, "P9_8").PND, "4");
    EXPECT_EQ(En(f, "P9_8").PSD, "12356789");
}

// With help on the pads offer only what fits; help off brings all nine back
// while the same cell stays selected.
TEST_F(Partida, ConAyudaSoloSeOfrecenLosDigitosQueCaben) {
    CargarRejilla(f, Rejilla({{"P5_1", '1'}, {"P4_4", '2'}, {"P8_8", '3'}}));
    f.BMicroTeclas2Click();
    f.BVerTeclasClick();
    Seleccionar("P5_5");
    EXPECT_EQ(Visibles(f.B), (std::vector<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Visibles(f.PT), (std::vector<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(En(f, "P5_5").Caption, "") << "the probe leaves nothing behind";
    EXPECT_FALSE(f.BBorrar.Visible);
    EXPECT_EQ(f.PTeclasNum.Caption, "");

    f.BVerTeclasClick();
    EXPECT_EQ(Visibles(f.B), kTodos);
    EXPECT_EQ(Visibles(f.PT), kTodos);
    EXPECT_EQ(f.Panel_Activo, "P5_5");
    EXPECT_EQ(En(f, "P5_5").Color_, Verde);
}

// A filled cell keeps its value; its own digit is on offer as well.
TEST_F(Partida, ConAyudaUnaCeldaLlenaConservaSuValor) {
    CargarRejilla(f, Rejilla({{"P5_5", '6'}, {"P5_1", '1'}, {"P4_4", '2'}}));
    f.BVerTeclasClick();
    f.Grupo_Error = "sin tocar";
    Seleccionar("P5_5");
    EXPECT_EQ(En(f, "P5_5").Caption, "6");
    EXPECT_EQ(Visibles(f.B), (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(f.BBorrar.Visible);
    EXPECT_TRUE(f.PTBorrar.Visible);
    // The probe tries 1 to 9 in turn and does not name groups.
    EXPECT_EQ(f.Numero_Activo, "9");
    EXPECT_EQ(f.Valor_Anterior, "8");
    EXPECT_EQ(f.Grupo_Error, "sin tocar");
}

// A cell where nothing fits: the pads say so, and switching help off clears
// the number pad's notice.
TEST_F(Partida, ConAyudaSinValorPosible) {
    CargarRejilla(f, "....5...." "........." "........." "........." "1234.6789"
                     "........." "........." "........." ".........");
    f.BMicroTeclas2Click();
    f.BVerTeclasClick();
    Seleccionar("P5_5");
    EXPECT_TRUE(Visibles(f.B).empty());
    EXPECT_TRUE(Visibles(f.PT).empty());
    EXPECT_EQ(f.PTeclasNum.Caption, "Sin valor posible");
    EXPECT_EQ(f.PMicroTeclas.Caption, "Sin valor");
    EXPECT_EQ(f.PMensaje.Caption, "Sin valor posible");
    EXPECT_EQ(f.PMensaje.FontColor, Granate);
    EXPECT_EQ(En(f, "P5_5").Color_, Verde);

    Seleccionar("P9_9");
    EXPECT_EQ(f.PTeclasNum.Caption, "") << "a cell with candidates clears the notice";
    EXPECT_EQ(f.PMicroTeclas.Caption, "");
    Seleccionar("P5_5");
    f.BVerTeclasClick();
    EXPECT_EQ(f.PTeclasNum.Caption, "");
    EXPECT_EQ(Visibles(f.B), kTodos);
}

// With the placeholder over a given, switching help selects the cell named
// in Panel_Libre instead and hides the placeholder.
TEST_F(Partida, ConElMarcadorVisibleLaAyudaNoReseleccionaLaFija) {
    Fijar(f, "P1_2", "4");
    Seleccionar("P1_1");
    f.Busca_Libre();  // P1_1
    f.PMenti.Show();
    f.Panel_Activo = "P1_2";
    f.BVerTeclasClick();
    EXPECT_FALSE(f.PMenti.Visible);
    EXPECT_EQ(f.Panel_Activo, "P1_1");
    EXPECT_EQ(En(f, "P1_2").Color_, Naranja);
}

// ---------------------------------------------------------------------------
// Micro keypad

TEST_F(Partida, ElMicroTecladoSeEnciendeALaPrimeraYSeApagaALaSegunda) {
    f.PT[2].Mover(0, 0);
    f.BMicroTeclas2Click();
    EXPECT_EQ(f.Micro_Activo, Bandera::N);
    EXPECT_TRUE(f.PMicroTeclas.Visible);
    EXPECT_EQ(f.PT[2].Left, 34);
    EXPECT_EQ(f.PT[2].Top, 4);
    f.BMicroTeclas2Click();
    EXPECT_EQ(f.Micro_Activo, Bandera::S);
    EXPECT_FALSE(f.PMicroTeclas.Visible);
    f.BMicroTeclas2Click();
    EXPECT_EQ(f.Micro_Activo, Bandera::N);
    EXPECT_TRUE(f.PMicroTeclas.Visible);
    EXPECT_FALSE(f.Led1.Value) << "the micro keypad is not assistance";
}

TEST_F(Partida, ElMicroTecladoNoSeMuestraSobreElMarcador) {
    f.PMenti.Show();
    f.BMicroTeclas2Click();
    EXPECT_EQ(f.Micro_Activo, Bandera::N);
    EXPECT_FALSE(f.PMicroTeclas.Visible);
}

// A micro key acts as the number button of the same digit.
TEST_F(Partida, UnaMicroTeclaEntraComoSuBoton) {
    f.BMicroTeclas2Click();
    Seleccionar("P2_4");
    f.ClickMicro(6);
    EXPECT_EQ(En(f, "P2_4").Caption, "6");
    EXPECT_EQ(f.PMensaje.Caption, "Número 6 aceptado");
    f.ClickMicroBorrar();
    EXPECT_EQ(En(f, "P2_4").Caption, "");
    EXPECT_EQ(f.LBPanel, (std::vector<std::string>{"P2_4--B", "P2_4--6", "P2_4--B"}));
}

// ---------------------------------------------------------------------------
// Hint bar

TEST_F(Partida, LaPistaMuestraYOcultaLaBarra) {
    f.PError.Show();
    f.BPistaClick();
    EXPECT_EQ(f.Pista_Activa, Bandera::S);
    EXPECT_TRUE(f.Shape1.Visible);
    EXPECT_TRUE(f.Led1.Value);
    EXPECT_FALSE(f.PError.Visible);
    f.BPistaClick();
    EXPECT_EQ(f.Pista_Activa, Bandera::N);
    EXPECT_FALSE(f.Shape1.Visible);
    EXPECT_TRUE(f.Led1.Value);
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
    f.EPartida = std::string(81, '1');
    f.EPartida[static_cast<std::size_t>(k.posicion - 1)] = '7';
    f.BPistaClick();
    Seleccionar(k.celda);
    f.BClick(7);
    ASSERT_EQ(En(f, k.celda).Caption, "7");
    EXPECT_EQ(f.Shape1.Color_, k.verde ? Verde : Gris);
}

INSTANTIATE_TEST_SUITE_P(Casos, Pista,
                         ::testing::Values(CasoPista{"P1_1", 1, true}, CasoPista{"P1_1", 2, false},
                                           CasoPista{"P4_7", 34, true}, CasoPista{"P4_7", 33, false},
                                           CasoPista{"P4_7", 35, false}, CasoPista{"P1_9", 9, true},
                                           CasoPista{"P2_1", 10, true}, CasoPista{"P9_9", 81, true},
                                           CasoPista{"P9_9", 80, false}));

// Any new action on a cell puts the bar back to grey.
TEST_F(Partida, LaBarraVuelveAGris) {
    f.EPartida = EnOrdenDeNombres(RejillaResuelta());
    f.BPistaClick();
    const int d = RejillaResuelta()[0] - '0';
    auto verde = [&] {
        Seleccionar("P1_1");
        f.BClick(d);
        ASSERT_EQ(f.Shape1.Color_, Verde);
    };
    verde();
    Seleccionar("P5_5");
    EXPECT_EQ(f.Shape1.Color_, Gris) << "another selection";
    verde();
    f.BBorrarClick();
    EXPECT_EQ(f.Shape1.Color_, Gris) << "an erase";
    verde();
    f.BClick(d == 9 ? 1 : d + 1);  // a wrong digit that fits
    EXPECT_EQ(f.Shape1.Color_, Gris) << "a wrong digit";
    verde();
    En(f, "P1_2").Caption = "3";
    f.BClick(3);
    EXPECT_EQ(f.Shape1.Color_, Gris) << "a refused digit";
}

TEST_F(Partida, SinSolucionLaBarraSiempreGris) {
    f.EPartida = "";
    f.BPistaClick();
    for (int d = 1; d <= 9; ++d) {
        f.BClick(d);
        EXPECT_EQ(f.Shape1.Color_, Gris) << d;
    }
}

// The bar is only checked while it is shown.
TEST_F(Partida, ConLaBarraOcultaNoSeComprueba) {
    f.EPartida = std::string(81, '5');
    f.Shape1.Color_ = Gris;
    f.BClick(5);
    EXPECT_EQ(f.Shape1.Color_, Gris);
}

}  // namespace
}  // namespace novenario::prueba
