// Selecting a cell, entering and erasing digits, the messages and the move
// list they leave, and the selection of the first free cell.
#include "board/entorno_falso.h"
#include "candidates/candidatos.h"
#include "ayuda/ayuda.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

using Tipo = FormaModal::Tipo;

// ---------------------------------------------------------------------------
// Selection

// Beside the cell: 40 pixels right of its left edge, 43 in columns 3 and 6,
// 29 to the left in column 9; level with its top, 33 higher in row 9.
TEST_F(Partida, ElMicroTecladoSeColocaJuntoALaCelda) {
    const int izquierda[9] = {7, 76, 145, 220, 289, 358, 432, 501, 570};
    const int arriba[9] = {6, 48, 90, 137, 179, 221, 269, 311, 353};
    const int desplazamiento[9] = {40, 40, 43, 40, 40, 43, 40, 40, -29};
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            Seleccionar(NombreEn(r, c));
            EXPECT_EQ(f.Ventana.PMicroTeclas.Left, izquierda[c - 1] + desplazamiento[c - 1]) << NombreEn(r, c);
            EXPECT_EQ(f.Ventana.PMicroTeclas.Top, arriba[r - 1] - (r == 9 ? 33 : 0)) << NombreEn(r, c);
        }
}

// The previous selection goes back to white; givens stay orange; the
// selected cell is green and named in Panel_Activo.
TEST_F(Partida, SeleccionarPintaVerdeYDevuelveElBlancoALaAnterior) {
    Fijar(f, "P1_2", "7");
    Disponibles(f);
    Seleccionar("P5_5");
    EXPECT_EQ(f.Variables.Panel_Activo, "P5_5");
    EXPECT_EQ(En(f, "P5_5").Color_, Verde);
    EXPECT_EQ(En(f, "P1_1").Color_, Blanco);
    EXPECT_EQ(En(f, "P1_2").Color_, Naranja);
    int verdes = 0;
    for (int c = 0; c < NumCeldas; ++c) verdes += f.Paneles[c].Color_ == Verde;
    EXPECT_EQ(verdes, 1);
}

// Clearing the traces of the last action: message, banner, hint bar, the
// fixed-cell cursor, the colour PAux gives back.
TEST_F(Partida, SeleccionarBorraLasHuellasDeLaAccionAnterior) {
    f.Ventana.PMensaje.Caption = "Error. 4 en Vertical";
    f.Ventana.PError.Show();
    f.Ventana.Shape1.Color_ = Verde;
    f.Ventana.PMenti.Show();
    f.Ventana.PTeclasNum.Hide();
    f.Ventana.PTeclasCarga.Show();
    f.Ventana.PAux.Color_ = Naranja;
    Seleccionar("P2_5");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "");
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris);
    EXPECT_FALSE(f.Ventana.PMenti.Visible);
    EXPECT_TRUE(f.Ventana.PTeclasNum.Visible);
    EXPECT_FALSE(f.Ventana.PTeclasCarga.Visible);
    EXPECT_EQ(f.Ventana.PAux.Color_, Blanco);
}

struct CasoMicro {
    Bandera micro;
    bool visible;
};

class MicroAlSeleccionar : public Partida, public ::testing::WithParamInterface<CasoMicro> {};

// Only "N" means the micro keypad is on; never switched ("") is off.
TEST_P(MicroAlSeleccionar, SoloConNSeMuestra) {
    f.Variables.Micro_Activo = GetParam().micro;
    f.Ventana.PMicroTeclas.Hide();
    Seleccionar("P3_3");
    EXPECT_EQ(f.Ventana.PMicroTeclas.Visible, GetParam().visible);
}

INSTANTIATE_TEST_SUITE_P(Estados, MicroAlSeleccionar,
                         ::testing::Values(CasoMicro{Bandera::N, true}, CasoMicro{Bandera::S, false},
                                           CasoMicro{Bandera::Nada, false}));

struct CasoBotonesBorrar {
    Bandera ayuda;
    const char* valor;
    bool visibles;
};

class BorrarAlSeleccionar : public Partida, public ::testing::WithParamInterface<CasoBotonesBorrar> {};

// The erase buttons show for a cell with a value, with or without help; the
// value is kept.
TEST_P(BorrarAlSeleccionar, SoloSiLaCeldaTieneValor) {
    const auto& k = GetParam();
    if (k.ayuda == Bandera::S) BVerTeclasClick(f);
    En(f, "P6_2").Caption = k.valor;
    Disponibles(f);
    Seleccionar("P6_2");
    EXPECT_EQ(En(f, "P6_2").Caption, k.valor);
    EXPECT_EQ(f.Ventana.BBorrar.Visible, k.visibles);
    EXPECT_EQ(f.Ventana.PTBorrar.Visible, k.visibles);
}

INSTANTIATE_TEST_SUITE_P(Casos, BorrarAlSeleccionar,
                         ::testing::Values(CasoBotonesBorrar{Bandera::N, "4", true},
                                           CasoBotonesBorrar{Bandera::N, "", false},
                                           CasoBotonesBorrar{Bandera::S, "4", true},
                                           CasoBotonesBorrar{Bandera::S, "", false}));

TEST_F(Partida, UnaCeldaFijaNoSeDejaSeleccionar) {
    Fijar(f, "P5_5", "3");
    f.ClickCelda(Idx("P5_5"));
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
    EXPECT_EQ(En(f, "P5_5").Color_, Naranja);
    EXPECT_EQ(En(f, "P1_1").Color_, Verde);
}

// ---------------------------------------------------------------------------
// Entering a digit

class DigitoAceptado : public Partida, public ::testing::WithParamInterface<int> {};

TEST_P(DigitoAceptado, MensajeYPareja) {
    const int d = GetParam();
    static const char* const mensajes[10] = {
        "", "Número 1 aceptado", "Número 2 aceptado", "Número 3 aceptado", "Número 4 aceptado",
        "Número 5 aceptado", "Número 6 aceptado", "Número 7 aceptado", "Número 8 aceptado",
        "Número 9 aceptado"};
    Seleccionar("P4_7");
    f.Ventana.PMensaje.FontColor = Granate;
    f.Ventana.PError.Show();
    BClick(f, d);
    const std::string digito(1, static_cast<char>('0' + d));
    EXPECT_EQ(En(f, "P4_7").Caption, digito);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, mensajes[d]);
    EXPECT_EQ(f.Ventana.PMensaje.FontColor, Negro);
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(f.Variables.LBPanel, (std::vector<std::string>{"P4_7--B", "P4_7--" + digito}));
    EXPECT_EQ(f.Variables.Posicion_Lista, 1);
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
    EXPECT_TRUE(f.Ventana.BBorrar.Visible);
    EXPECT_TRUE(f.Ventana.PTBorrar.Visible);
    EXPECT_EQ(En(f, "P4_7").Color_, Verde) << "painted again after the candidate pass";
    EXPECT_EQ(En(f, "P4_8").PND, digito) << "the candidates follow the entry";
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::N);
    EXPECT_TRUE(ent.Formas.empty());
}

INSTANTIATE_TEST_SUITE_P(Digitos, DigitoAceptado, ::testing::Range(1, 10));

struct CasoRechazo {
    std::string rejilla;
    const char* celda;
    int digito;
    const char* mensaje;
};

void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.mensaje; }

class DigitoRechazado : public Partida, public ::testing::WithParamInterface<CasoRechazo> {};

// A refused digit is taken back, reported in maroon and in the banner, and
// not recorded.
TEST_P(DigitoRechazado, SeDeshaceYSeAvisa) {
    const auto& k = GetParam();
    CargarRejilla(f, k.rejilla);
    BClick(f, 1);
    BBorrarClick(f);  // some history: P1_1 "--B", "--1", "--B"
    Disponibles(f);
    Seleccionar(k.celda);
    const std::string antes = En(f, k.celda).Caption;
    const auto lista = f.Variables.LBPanel;
    const int posicion = f.Variables.Posicion_Lista;
    f.Ventana.BAdelante.Enabled = true;

    BClick(f, k.digito);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, k.mensaje);
    EXPECT_EQ(f.Ventana.PMensaje.FontColor, Granate);
    EXPECT_TRUE(f.Ventana.PError.Visible);
    EXPECT_EQ(f.Ventana.PError.Caption, k.mensaje);
    EXPECT_EQ(En(f, k.celda).Caption, antes);
    EXPECT_EQ(f.Variables.LBPanel, lista);
    EXPECT_EQ(f.Variables.Posicion_Lista, posicion);
    EXPECT_TRUE(f.Ventana.BAdelante.Enabled) << "a refused digit does not touch the history keys";
    EXPECT_EQ(En(f, k.celda).Color_, Verde);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DigitoRechazado,
    ::testing::Values(
        // A 4 higher up in column 5 of an empty cell, none in its block or row.
        CasoRechazo{Rejilla({{"P2_2", '4'}}), "P5_5", 4, "Error. 4 en Vertical"},
        CasoRechazo{Rejilla({{"P5_1", '7'}}), "P5_5", 7, "Error. 7 en Bloque"},
        CasoRechazo{Rejilla({{"P6_6", '1'}}), "P5_5", 1, "Error. 1 en Horizontal"},
        // Over a 6: the 6 comes back.
        CasoRechazo{Rejilla({{"P2_2", '9'}, {"P5_5", '6'}}), "P5_5", 9, "Error. 9 en Vertical"},
        CasoRechazo{Rejilla({{"P9_9", '2'}, {"P7_7", '2'}}), "P7_9", 2, "Error. 2 en Bloque"}));

// Over a 6 where a 4 fits: the 4 replaces it and the pair records a blank
// and then the 4.
TEST_F(Partida, UnDigitoSobreOtroQueCabe) {
    En(f, "P3_5").Caption = "6";
    Disponibles(f);
    Seleccionar("P3_5");
    BClick(f, 4);
    EXPECT_EQ(En(f, "P3_5").Caption, "4");
    EXPECT_EQ(f.Variables.Valor_Anterior, "6");
    EXPECT_EQ(f.Variables.LBPanel, (std::vector<std::string>{"P3_5--B", "P3_5--4"}));
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
}

// After going back, a new entry goes to the end of the list; the entries
// after the old position stay and can no longer be reached forward.
TEST_F(Partida, TrasVolverAtrasLaNuevaEntradaVaAlFinal) {
    BClick(f, 3);        // P1_1: 0 "--B", 1 "--3"
    Seleccionar("P2_5");
    BClick(f, 8);        // 2 "--B", 3 "--8"
    BAtrasClick(f);    // position 2
    BAtrasClick(f);    // position 1
    ASSERT_TRUE(f.Ventana.BAdelante.Enabled);
    Seleccionar("P9_9");
    BClick(f, 5);
    EXPECT_EQ(f.Variables.LBPanel, (std::vector<std::string>{"P1_1--B", "P1_1--3", "P2_5--B", "P2_5--8",
                                                   "P9_9--B", "P9_9--5"}));
    EXPECT_EQ(f.Variables.Posicion_Lista, 5);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
}

// ---------------------------------------------------------------------------
// Erasing

TEST_F(Partida, BorrarVaciaLaCeldaYAnotaUnBlanco) {
    Seleccionar("P8_3");
    BClick(f, 2);
    f.Ventana.Shape1.Color_ = Verde;
    f.Ventana.PError.Show();
    f.Ventana.PMensaje.FontColor = Granate;
    BBorrarClick(f);
    EXPECT_EQ(En(f, "P8_3").Caption, "");
    EXPECT_EQ(f.Variables.LBPanel, (std::vector<std::string>{"P8_3--B", "P8_3--2", "P8_3--B"}));
    EXPECT_EQ(f.Variables.Posicion_Lista, 2);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "");
    EXPECT_EQ(f.Ventana.PMensaje.FontColor, Negro);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris);
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_FALSE(f.Ventana.BBorrar.Visible);
    EXPECT_FALSE(f.Ventana.PTBorrar.Visible);
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    EXPECT_EQ(En(f, "P8_3").Color_, Verde);
    EXPECT_EQ(En(f, "P8_1").PND, "") << "the candidates follow the erase";
}

// Erasing an empty cell still records it; the first erase of a fresh board
// already enables the back key.
TEST_F(Partida, BorrarUnaCeldaVaciaTambienSeAnota) {
    BBorrarClick(f);
    EXPECT_EQ(f.Variables.LBPanel, std::vector<std::string>{"P1_1--B"});
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
}

// Erasing never ends a game: the end-of-game test does not run.
TEST_F(Partida, BorrarNoMiraElFinDePartida) {
    f.Variables.Partida_Terminada = Bandera::S;
    BBorrarClick(f);
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::S);
    EXPECT_TRUE(ent.Formas.empty());
}

// ---------------------------------------------------------------------------
// The end of a game

// The entry that fills the last empty cell is announced, stops the clock
// (keeping the time shown) and then shows the end-of-game dialog.
TEST_F(Partida, LaEntradaQueLlenaElTableroTerminaLaPartida) {
    CargarRejilla(f, SinCelda(RejillaResuelta(), 7, 3));
    Disponibles(f);
    Seleccionar(NombreEn(7, 3));
    BReloj2Click(f);
    for (int i = 0; i < 65; ++i) Timer02Timer(f);

    std::string mensaje_durante;
    Bandera reloj_durante = Bandera::Nada;
    ent.AlMostrar = [&](FormaModal&) {
        mensaje_durante = f.Ventana.PMensaje.Caption;
        reloj_durante = f.Variables.Reloj_Activo;
    };
    const int d = RejillaResuelta()[6 * 9 + 2] - '0';
    BClick(f, d);

    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::S);
    ASSERT_EQ(ent.Formas.size(), 1u);
    const FormaVista& v = ent.Formas[0];
    EXPECT_EQ(v.Tipo, Tipo::FinPartida);
    EXPECT_EQ(v.Caption, " Novenario.     Fin Partida.");
    EXPECT_EQ(v.TextoParpadeo, "Fin Partida");
    EXPECT_EQ(v.ClientWidth, 343);
    EXPECT_EQ(v.ClientHeight, 160);
    EXPECT_EQ(v.Left, 266);
    EXPECT_EQ(v.Top, 289);
    EXPECT_EQ(v.Botones, std::vector<std::string>{"&Aceptar"});
    EXPECT_TRUE(v.CerradaAlVolver);
    EXPECT_EQ(mensaje_durante, "Número " + std::to_string(d) + " aceptado");
    EXPECT_EQ(reloj_durante, Bandera::N);

    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::N);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj No");  // the switch tells the truth
    for (int i = 0; i < 10; ++i) Timer02Timer(f);
    EXPECT_EQ(f.Ventana.LPMin.Caption, "01");
    EXPECT_EQ(f.Ventana.LPseg.Caption, "05");
}

TEST_F(Partida, UnaEntradaQueDejaHuecosNoTermina) {
    CargarRejilla(f, SinCelda(SinCelda(RejillaResuelta(), 7, 3), 1, 1));
    Seleccionar(NombreEn(7, 3));
    BClick(f, RejillaResuelta()[6 * 9 + 2] - '0');
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::N);
    EXPECT_TRUE(ent.Formas.empty());
}

// ---------------------------------------------------------------------------
// The first free cell

// The first enabled cell in name order: P1_4 (row 2) comes before P2_1
// (row 1).
TEST_F(Partida, LaPrimeraCeldaLibreVaPorOrdenDeNombres) {
    Fijar(f, "P1_1", "1");
    Fijar(f, "P1_2", "2");
    Fijar(f, "P1_3", "3");
    Busca_Libre(f);
    EXPECT_EQ(f.Variables.Panel_Libre, "P1_4");
    Paneles_Libres(f);
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_4");
    EXPECT_EQ(En(f, "P1_4").Color_, Verde);
}

TEST_F(Partida, ConTodoFijoNoSeSeleccionaNada) {
    FijarRejilla(f, RejillaResuelta());
    Seleccionar("P5_5");  // not possible by clicking, but names an old selection
    ASSERT_EQ(f.Variables.Panel_Activo, "P5_5");
    En(f, "P5_5").Color_ = Naranja;
    Busca_Libre(f);
    EXPECT_EQ(f.Variables.Panel_Libre, "");
    Paneles_Libres(f);
    EXPECT_EQ(f.Variables.Panel_Activo, "P5_5");
    for (int c = 0; c < NumCeldas; ++c) EXPECT_EQ(f.Paneles[c].Color_, Naranja);
}

}  // namespace
}  // namespace novenario::prueba
