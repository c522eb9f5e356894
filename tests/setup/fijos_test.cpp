// Fixed cells and the end of a game: the board-wide routines of the work
// form, "Deja fijos", "Borrar todo" and the end-of-game test.
#include "board/entorno_falso.h"
#include "board/juego.h"
#include "candidates/candidatos.h"
#include "ayuda/ayuda.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

// ---------------------------------------------------------------------------
// The work routines, cell kind by cell kind

struct Tipo_Celda {
    Color color;
    const char* valor;
    bool activa;
};

// The kinds of cell a board can hold, placed in P1_1 .. P1_8.
const Tipo_Celda kTipos[] = {
    {Blanco, "", true},       // P1_1 empty
    {Blanco, "4", true},      // P1_2 player's digit
    {Verde, "6", true},       // P1_3 selected, with a digit
    {Verde, "", true},        // P1_4 selected, empty
    {Aguamarina, "2", true},  // P1_5 player's digit marked by "Calcula"
    {Granate, "", true},      // P1_6 no possible digit
    {Naranja, "9", false},    // P1_7 a given
    {Blanco, "1", false},     // P1_8 disabled but not orange
};

struct CasoRutina {
    const char* orden;
    std::array<Tipo_Celda, 8> despues;
};

void PrintTo(const CasoRutina& c, std::ostream* os) { *os << c.orden; }

class RutinaDeTrabajo : public Partida, public ::testing::WithParamInterface<CasoRutina> {};

TEST_P(RutinaDeTrabajo, EfectoSobreCadaClaseDeCelda) {
    for (std::size_t i = 0; i < 8; ++i) {
        Celda& celda = f.Paneles[static_cast<int>(i)];
        celda.Color_ = kTipos[i].color;
        celda.Caption = kTipos[i].valor;
        celda.Enabled = kTipos[i].activa;
    }
    Ejecuta_Trabajo(f, GetParam().orden);
    for (std::size_t i = 0; i < 8; ++i) {
        const Celda& celda = f.Paneles[static_cast<int>(i)];
        const auto& e = GetParam().despues[i];
        EXPECT_EQ(celda.Color_, e.color) << tablero::Nombre(static_cast<int>(i));
        EXPECT_EQ(celda.Caption, e.valor) << tablero::Nombre(static_cast<int>(i));
        EXPECT_EQ(celda.Enabled, e.activa) << tablero::Nombre(static_cast<int>(i));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rutinas, RutinaDeTrabajo,
    ::testing::Values(
        // Only exactly white cells lose their value.
        CasoRutina{"Captura Fijos",
                   {{{Blanco, "", true}, {Blanco, "", true}, {Verde, "6", true}, {Verde, "", true},
                     {Aguamarina, "2", true}, {Granate, "", true}, {Naranja, "9", false}, {Blanco, "", false}}}},
        // Only white cells with a value become aqua.
        CasoRutina{"Marca Usuario",
                   {{{Blanco, "", true}, {Aguamarina, "4", true}, {Verde, "6", true}, {Verde, "", true},
                     {Aguamarina, "2", true}, {Granate, "", true}, {Naranja, "9", false}, {Aguamarina, "1", false}}}},
        // Every cell with a value becomes a given, whatever its colour.
        CasoRutina{"Bloquea Paneles",
                   {{{Blanco, "", true}, {Naranja, "4", false}, {Naranja, "6", false}, {Verde, "", true},
                     {Naranja, "2", false}, {Granate, "", true}, {Naranja, "9", false}, {Naranja, "1", false}}}},
        // Everything enabled, nothing else touched.
        CasoRutina{"Libera Paneles",
                   {{{Blanco, "", true}, {Blanco, "4", true}, {Verde, "6", true}, {Verde, "", true},
                     {Aguamarina, "2", true}, {Granate, "", true}, {Naranja, "9", true}, {Blanco, "1", true}}}},
        // Everything not orange turns white.
        CasoRutina{"Color Rojo",
                   {{{Blanco, "", true}, {Blanco, "4", true}, {Blanco, "6", true}, {Blanco, "", true},
                     {Blanco, "2", true}, {Blanco, "", true}, {Naranja, "9", false}, {Blanco, "1", false}}}},
        // Everything turns white, givens included; enabled flags stay.
        CasoRutina{"Color Blanco",
                   {{{Blanco, "", true}, {Blanco, "4", true}, {Blanco, "6", true}, {Blanco, "", true},
                     {Blanco, "2", true}, {Blanco, "", true}, {Blanco, "9", false}, {Blanco, "1", false}}}}));

// The stored solution into the cells in name order; cells beyond a short
// solution are emptied; colours and enabled flags stay.
TEST_F(Partida, NuevaPartidaEscribeLaSolucionEnOrdenDeNombres) {
    Fijar(f, "P5_5", "3");
    f.Partida.EPartida = EnOrdenDeNombres(RejillaResuelta());
    Ejecuta_Trabajo(f, "Nueva Partida");
    EXPECT_EQ(LeerRejilla(f), RejillaResuelta());
    EXPECT_EQ(En(f, "P5_5").Color_, Naranja);
    EXPECT_FALSE(En(f, "P5_5").Enabled);
    EXPECT_EQ(En(f, "P1_1").Color_, Verde);

    f.Partida.EPartida = "123";
    Ejecuta_Trabajo(f, "Nueva Partida");
    EXPECT_EQ(En(f, "P1_1").Caption, "1");
    EXPECT_EQ(En(f, "P1_2").Caption, "2");
    EXPECT_EQ(En(f, "P1_3").Caption, "3");
    for (int c = 3; c < NumCeldas; ++c) EXPECT_EQ(f.Paneles[c].Caption, "") << tablero::Nombre(c);

    f.Partida.EPartida = "";
    Ejecuta_Trabajo(f, "Nueva Partida");
    EXPECT_EQ(LeerRejilla(f), std::string(81, '.'));
}

// ---------------------------------------------------------------------------
// The end-of-game test

struct CasoFin {
    const char* que;
    std::string rejilla;
    Bandera terminada;
};

void PrintTo(const CasoFin& c, std::ostream* os) { *os << c.que; }

class FinPartida : public Partida, public ::testing::WithParamInterface<CasoFin> {};

// Finished means every cell holds something; the digits are not compared.
TEST_P(FinPartida, TerminadaSoloConLasOchentaYUnaLlenas) {
    CargarRejilla(f, GetParam().rejilla);
    f.Variables.Partida_Terminada = Bandera::S;
    Ejecuta_Trabajo(f, "Fin Partida");
    EXPECT_EQ(f.Variables.Partida_Terminada, GetParam().terminada);
    EXPECT_TRUE(ent.Formas.empty()) << "the test itself shows nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Tableros, FinPartida,
    ::testing::Values(CasoFin{"completo", RejillaResuelta(), Bandera::S},
                      CasoFin{"completo con repetidos", std::string(81, '7'), Bandera::S},
                      CasoFin{"falta la primera", SinCelda(RejillaResuelta(), 1, 1), Bandera::N},
                      CasoFin{"falta la ultima", SinCelda(RejillaResuelta(), 9, 9), Bandera::N},
                      CasoFin{"falta una del centro", SinCelda(RejillaResuelta(), 5, 5), Bandera::N},
                      CasoFin{"vacio", std::string(81, '.'), Bandera::N}));

// No trimming: a blank counts as something.
TEST_F(Partida, FinPartidaNoRecortaLosValores) {
    CargarRejilla(f, RejillaResuelta());
    En(f, "P6_2").Caption = " ";
    Ejecuta_Trabajo(f, "Fin Partida");
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::S);
}

// ---------------------------------------------------------------------------
// "Deja fijos"

class DejaFijos : public Partida {
protected:
    // Two givens, player's digits elsewhere, P5_5 selected with a digit.
    void Preparar() {
        Fijar(f, "P1_1", "5");
        Fijar(f, "P2_2", "8");
        Disponibles(f);
        Seleccionar("P4_4");
        BClick(f, 1);
        Seleccionar("P9_9");
        BClick(f, 2);
        Seleccionar("P5_5");
        BClick(f, 3);
        f.Ventana.BAdelante.Enabled = true;
        f.Ventana.PError.Show();
        f.Ventana.PTeclasNum.Hide();
        f.Ventana.PTeclasCarga.Show();
        f.Ventana.PContador_Jug.Caption = "00001234";
    }
};

// Back to the givens: every player's digit goes, the selected one too; the
// history starts afresh; the first free cell is selected.
TEST_F(DejaFijos, VuelveALasCeldasFijas) {
    Preparar();
    f.Partida.EPartida = "guardada";
    BReloj2Click(f);
    Timer02Timer(f);
    BDejarRojos2Click(f);
    EXPECT_EQ(LeerRejilla(f), Rejilla({{"P1_1", '5'}, {"P2_2", '8'}}));
    EXPECT_TRUE(f.Variables.LBPanel.empty());
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
    EXPECT_FALSE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_FALSE(f.Ventana.PTBorrar.Visible);
    EXPECT_TRUE(f.Ventana.PTeclasNum.Visible);
    EXPECT_FALSE(f.Ventana.PTeclasCarga.Visible);
    EXPECT_EQ(f.Ventana.PContador_Jug.Caption, "0");
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_2");
    EXPECT_EQ(En(f, "P1_2").Color_, Verde);
    EXPECT_EQ(En(f, "P1_1").Color_, Naranja);
    EXPECT_EQ(En(f, "P9_8").PND, "") << "the candidates follow";
    // The clock and the stored solution are untouched.
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::S);
    EXPECT_EQ(f.Ventana.LPseg.Caption, "01");
    EXPECT_EQ(f.Partida.EPartida, "guardada");
}

// After a "Calcula" run the player's digits are aqua and stay; the solver's
// are white and go.
TEST_F(DejaFijos, ConservaLasAguamarinas) {
    Fijar(f, "P1_1", "5");
    CargarRejilla(f, Rejilla({{"P1_1", '5'}, {"P3_3", '6'}, {"P7_7", '4'}}));
    En(f, "P3_3").Color_ = Aguamarina;
    En(f, "P7_7").Color_ = Blanco;
    f.Variables.Panel_Activo = "P9_9";
    BDejarRojos2Click(f);
    EXPECT_EQ(En(f, "P3_3").Caption, "6");
    EXPECT_EQ(En(f, "P7_7").Caption, "");
    EXPECT_EQ(En(f, "P1_1").Caption, "5");
}

// "Captura Fijos" alone leaves the green cell's digit; "Deja fijos" takes it
// in its next step.
TEST_F(DejaFijos, LaCeldaSeleccionadaTambienSeVacia) {
    Seleccionar("P6_6");
    BClick(f, 7);
    Ejecuta_Trabajo(f, "Captura Fijos");
    EXPECT_EQ(En(f, "P6_6").Caption, "7");
    BDejarRojos2Click(f);
    EXPECT_EQ(En(f, "P6_6").Caption, "");
}

// With the placeholder over a given, that given must survive.
TEST_F(DejaFijos, ConElMarcadorSobreUnaFijaNoLaVacia) {
    Fijar(f, "P1_2", "4");
    Seleccionar("P1_1");
    Ejecuta_Cursores(f, "Mover Derecha");
    ASSERT_TRUE(f.Ventana.PMenti.Visible);
    ASSERT_EQ(f.Variables.Panel_Activo, "P1_2");
    BDejarRojos2Click(f);
    EXPECT_EQ(En(f, "P1_2").Caption, "4");
    EXPECT_EQ(En(f, "P1_2").Color_, Naranja);
    EXPECT_FALSE(f.Ventana.PMenti.Visible);
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
}

// ---------------------------------------------------------------------------
// "Borrar todo"

class BorrarTodo : public Partida {
protected:
    void Jugar() {
        Fijar(f, "P2_2", "8");
        Disponibles(f);
        Seleccionar("P4_4");
        BClick(f, 1);
        En(f, "P9_9").Color_ = Aguamarina;
        f.Partida.EPartida = EnOrdenDeNombres(RejillaResuelta());
        f.Ventana.PFichero.Caption = "partida.sdk";
        BPistaClick(f);
        for (Control* c : {&f.Ventana.BSolucion, &f.Ventana.LBSolucion, &f.Ventana.LBSolucionR, &f.Ventana.BDejarRojos, &f.Ventana.LBDejarRojos,
                           &f.Ventana.LBDejarRojosR, &f.Ventana.BVerPista, &f.Ventana.LBVerPista, &f.Ventana.LBVerPistasR})
            c->Enabled = true;
        BReloj2Click(f);
        for (int i = 0; i < 3725; ++i) Timer02Timer(f);
        f.Ventana.PTeclasCarga.Show();
        f.Ventana.PError.Show();
        f.Ventana.PContador_Jug.Caption = "00000077";
        f.Variables.Nivel = 5;
    }
};

TEST_F(BorrarTodo, DejaUnTableroVacioSinPartida) {
    Jugar();
    BBorraTodoClick(f);
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& celda = f.Paneles[c];
        EXPECT_EQ(celda.Caption, "") << tablero::Nombre(c);
        EXPECT_EQ(celda.Color_, c == 0 ? Verde : Blanco) << tablero::Nombre(c);
        EXPECT_TRUE(celda.Enabled) << tablero::Nombre(c);
        EXPECT_EQ(celda.PND, "") << tablero::Nombre(c);
        // The last step recomputes the candidates of the empty board.
        EXPECT_EQ(celda.PSD, "123456789") << tablero::Nombre(c);
    }
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
    EXPECT_EQ(f.Partida.EPartida, "");
    EXPECT_TRUE(f.Variables.LBPanel.empty());
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
    EXPECT_FALSE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
    EXPECT_EQ(f.Ventana.PFichero.Caption, "Fichero");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "");
    EXPECT_EQ(f.Ventana.PContador_Jug.Caption, "0");
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_FALSE(f.Ventana.PTeclasCarga.Visible);
    EXPECT_TRUE(f.Ventana.PTeclasNum.Visible);
    for (const Control* c : {&f.Ventana.BSolucion, &f.Ventana.LBSolucion, &f.Ventana.LBSolucionR, &f.Ventana.BDejarRojos, &f.Ventana.LBDejarRojos,
                             &f.Ventana.LBDejarRojosR, &f.Ventana.BVerPista, &f.Ventana.LBVerPista, &f.Ventana.LBVerPistasR})
        EXPECT_FALSE(c->Enabled);
    EXPECT_FALSE(f.Ventana.Shape1.Visible);
    EXPECT_EQ(f.Variables.Pista_Activa, Bandera::S) << "the hint switch itself keeps its state";
    EXPECT_EQ(f.Variables.Nivel, 5) << "the level does not change";
}

// The clock is stopped and reset; its switch label is not touched.
TEST_F(BorrarTodo, ParaYPoneACeroElReloj) {
    Jugar();
    ASSERT_EQ(f.Ventana.LPHor.Caption, "01");
    BBorraTodoClick(f);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::N);
    EXPECT_EQ(f.Variables.Segundos + f.Variables.Minutos + f.Variables.Horas, 0);
    for (const Control* l : {&f.Ventana.LPHor, &f.Ventana.LPMin, &f.Ventana.LPseg}) EXPECT_EQ(l->Caption, "00");
    // The switch tells the clock is off, and a click switches it on again.
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj No");
    Timer02Timer(f);
    EXPECT_EQ(f.Ventana.LPseg.Caption, "00");
    BReloj2Click(f);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::S);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj Si");
}

struct CasoLampara {
    bool ayuda;
    bool lampara_antes;
    bool lampara_despues;
};

class BorrarTodoLampara : public Partida, public ::testing::WithParamInterface<CasoLampara> {};

// The lamp ends lit exactly when the help display is on.
TEST_P(BorrarTodoLampara, EncendidaSoloConLaAyuda) {
    if (GetParam().ayuda) BVerTeclasClick(f);
    f.Ventana.Led1.Value = GetParam().lampara_antes;
    BBorraTodoClick(f);
    EXPECT_EQ(f.Ventana.Led1.Value, GetParam().lampara_despues);
}

INSTANTIATE_TEST_SUITE_P(Casos, BorrarTodoLampara,
                         ::testing::Values(CasoLampara{true, false, true}, CasoLampara{true, true, true},
                                           CasoLampara{false, true, false}, CasoLampara{false, false, false}));

}  // namespace
}  // namespace novenario::prueba
