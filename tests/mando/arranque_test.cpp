// Start-up, the commands of the main window, the press effect, the Alt
// accelerators and the switching of all commands.
#include "board/entorno_falso.h"

namespace novenario::prueba {
namespace {

using Tipo = FormaModal::Tipo;

// ---------------------------------------------------------------------------
// The start window

struct CasoInicio {
    Respuesta respuesta;
    bool sigue;  // the main window opens
};

class VentanaDeInicio : public ::testing::TestWithParam<CasoInicio> {};

// Aceptar opens the game; Cancelar or the close box end the program with
// exit code 1 before the main window is set up.
TEST_P(VentanaDeInicio, SoloAceptarAbreElJuego) {
    EntornoFalso ent;
    ent.Responder(Tipo::Inicio, GetParam().respuesta);
    TFormPrincipal f(ent);
    const bool abierto = f.FormCreate();

    ASSERT_EQ(ent.Formas.size(), 1u);
    EXPECT_EQ(ent.Formas[0].Tipo, Tipo::Inicio);
    EXPECT_TRUE(ent.Formas[0].CerradaAlVolver);
    EXPECT_EQ(abierto, GetParam().sigue);
    if (GetParam().sigue) {
        EXPECT_TRUE(ent.Terminaciones.empty());
        EXPECT_EQ(f.Variables.Respuesta_Inicio, "S");
        EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
    } else {
        EXPECT_EQ(ent.Terminaciones, std::vector<int>{1});
        EXPECT_EQ(f.Variables.Respuesta_Inicio, "N");
        EXPECT_EQ(f.Variables.Panel_Activo, "") << "nothing after the start window may run";
        EXPECT_EQ(f.Variables.Nivel, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Respuestas, VentanaDeInicio,
                         ::testing::Values(CasoInicio{Respuesta::Aceptar, true},
                                           CasoInicio{Respuesta::Cancelar, false},
                                           CasoInicio{Respuesta::Cerrar, false}));

TEST(Arranque, RespuestaEnBlancoMientrasSeMuestraLaVentanaDeInicio) {
    EntornoFalso ent;
    TFormPrincipal f(ent);
    std::string durante = "?";
    ent.AlMostrar = [&](FormaModal&) { durante = f.Variables.Respuesta_Inicio; };
    ASSERT_TRUE(f.FormCreate());
    EXPECT_EQ(durante, " ");
}

// After start-up: level 3 with 41 cells to empty, the flags set, help off
// with every candidate label already computed, P1_1 selected, the clock
// never switched on and the micro keypad never switched.
TEST_F(Partida, EstadoInicial) {
    EXPECT_EQ(f.Ventana.ClientWidth, 825);
    EXPECT_EQ(f.Ventana.ClientHeight, 535);
    EXPECT_EQ(f.Ventana.Caption, " Novenario. v.4.0");
    EXPECT_EQ(f.Ventana.PNoVerProceso.Left, 2);
    EXPECT_EQ(f.Ventana.PNoVerProceso.Top, 2);
    EXPECT_EQ(f.Ventana.PNoVerProceso.Width, 639);
    EXPECT_EQ(f.Ventana.PNoVerProceso.Height, 395);
    EXPECT_EQ(f.Motor.Limite_Normal, 999999);
    EXPECT_EQ(f.Motor.Limite_Pasos, 999999);
    EXPECT_EQ(f.Motor.Creando_Partida, Bandera::N);
    EXPECT_EQ(f.Variables.Nivel, 3);
    EXPECT_EQ(f.Variables.Paneles_Vacios, 41);
    EXPECT_EQ(f.Ventana.PTeclasCarga.Left, f.Ventana.PTeclasNum.Left);
    EXPECT_EQ(f.Ventana.PTeclasCarga.Top, f.Ventana.PTeclasNum.Top);
    EXPECT_FALSE(f.Ventana.PTeclasCarga.Visible);
    EXPECT_TRUE(f.Ventana.PTeclasNum.Visible);
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::N);
    EXPECT_TRUE(f.Variables.LBPanel.empty());
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
    EXPECT_EQ(f.Variables.Ayuda_Activa, Bandera::N);
    EXPECT_EQ(f.Variables.Pista_Activa, Bandera::N);
    EXPECT_FALSE(f.Ventana.Led1.Value) << "the two help toggles of start-up do not count as assistance";
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::Nada);
    EXPECT_EQ(f.Variables.Micro_Activo, Bandera::Nada);
    EXPECT_EQ(f.Variables.Respuesta_Salir, Bandera::Nada);
    EXPECT_FALSE(f.Ventana.PMicroTeclas.Visible);
    EXPECT_FALSE(f.Ventana.PMenti.Visible);
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(f.Ventana.PError.Caption, "-------------------------------------------");
    EXPECT_FALSE(f.Ventana.Shape1.Visible);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "") << "selecting P1_1 clears the message line";
    EXPECT_EQ(f.Partida.EPartida, "");

    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& celda = f.Paneles[c];
        EXPECT_EQ(celda.Caption, "");
        EXPECT_EQ(celda.Color_, c == 0 ? Verde : Blanco) << tablero::Nombre(c);
        EXPECT_TRUE(celda.Enabled);
        EXPECT_EQ(celda.PSD, "123456789") << tablero::Nombre(c);
        EXPECT_EQ(celda.PND, "");
        EXPECT_FALSE(celda.EtiquetasVisibles);
        EXPECT_EQ(celda.TamanoFuente, 22);
    }
    for (const Control& b : f.Ventana.B) EXPECT_TRUE(b.Visible);
    for (const Control& t : f.Ventana.PT) EXPECT_TRUE(t.Visible);
    EXPECT_FALSE(f.Ventana.BBorrar.Visible) << "P1_1 is empty";
    EXPECT_FALSE(f.Ventana.PTBorrar.Visible);
    EXPECT_FALSE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);

    for (const Control* l : {&f.Ventana.LPHor, &f.Ventana.LPMin, &f.Ventana.LPseg}) EXPECT_EQ(l->Caption, "00");
    EXPECT_EQ(f.Variables.Segundos + f.Variables.Minutos + f.Variables.Horas, 0);
    for (const Control* p : {&f.Motor.PNumero, &f.Motor.PPanel, &f.Motor.PPosicion, &f.Motor.PBorro}) EXPECT_EQ(p->Caption, "00");
    EXPECT_EQ(f.Ventana.PContador_Jug.Caption, "00000000");
    EXPECT_TRUE(f.Variables.Posicion_Cur.empty()) << "no key is being handled";
    EXPECT_EQ(f.Ventana.PFichero.Caption, "Fichero");
}

TEST(Arranque, BarraDeEstado) {
    EntornoFalso ent;
    TFormPrincipal f(ent);
    ASSERT_TRUE(f.FormCreate());
    EXPECT_EQ(f.Ventana.StatusBar1[0], "Novenario  v.4.0");
    EXPECT_EQ(f.Ventana.StatusBar1[1], " Orvalia Software ");
    EXPECT_EQ(f.Ventana.StatusBar1[2], "Fecha");
    EXPECT_EQ(f.Ventana.StatusBar1[3], "Hora");
    EXPECT_EQ(ModeloVentana::AnchoPanelesEstado, (std::array<int, 4>{200, 200, 300, 180}));
}

// ---------------------------------------------------------------------------
// The commands of the main window

struct CasoComando {
    IdComando id;
    Control ModeloVentana::*imagen;
    Control ModeloVentana::*etiqueta;
    const char* caption;
    const char* hint;
    bool imagen_activa, etiqueta_activa;
    const char* acelerador;
    bool en_fila_principal;  // PTeclas; otherwise Panel1, all disabled at start
    const char* hint_imagen = nullptr;  // when the picture's tooltip is not its label's
};

void PrintTo(const CasoComando& c, std::ostream* os) { *os << c.caption; }

using F = ModeloVentana;
const CasoComando kComandos[] = {
    {IdComando::Salvar, &F::BSalvar, &F::LBSalvar, "Sal&Var partida", " Guardar partida ( .sdk ) ", true, true, "Sal&var Partida", true},
    {IdComando::Cargar, &F::BCargar, &F::LBCargar, "Car&Gar partida", " Cargar partida ( .sdk ) ", true, true, "Car&gar partida", true},
    {IdComando::Ayuda, &F::BAyuda, &F::LBAyuda, "¿ Sudo&Ku ?", " Sudoku ", true, true, "¿ Sudo&ku ?", true},
    {IdComando::Acerca, &F::BAcerca, &F::LBAcerca, "Ac&Erca de ...", " Acerca de ... ", true, true, "Ac&erca de ...", true, " Acerca de... "},
    {IdComando::Reloj, &F::BReloj, &F::LBReloj, "&Reloj No", " Reloj de la partida ", true, true, "&Reloj No", true},
    {IdComando::NuevaPartida, &F::BNuevaPartida, &F::LBNuevaPartida, "&Nueva partida", " Crea una nueva partida ", true, true, "&Nueva partida", true},
    {IdComando::DejarRojos, &F::BDejarRojos, &F::LBDejarRojos, "&Deja fijos", " Deja Sólo los paneles fijos ", false, false, "&Deja fijos", false},
    {IdComando::Solucion, &F::BSolucion, &F::LBSolucion, "S&Olución", " Deja sólo los fijos y busca una solución ", false, false, "S&Olución", false},
    {IdComando::Rellena, &F::BRellena, &F::LBRellena, "&Calcula", " Calcula y muestra los procesos ", false, true, "&Calcula", true},
    {IdComando::BorraTodo, &F::BBorraTodo, &F::LBBorraTodo, "&Borrar todo", " Borra todos los paneles ", true, true, "&Borrar todo", true},
    {IdComando::Imprimir, &F::BImprimir, &F::LBImprimir, "&Imprimir", " Imprimir ", true, true, "&Imprimir", true},
    {IdComando::Nivel, &F::BNivel, &F::LBNivel, "Nivel par&Tida 3", " Nivel de la partida ", true, true, "Nivel par&tida 3", true},
    {IdComando::VerTeclas, &F::BVerTeclas, &F::LBVerTeclas, "A&Yuda", " Muestra / Oculta valores posibles ", true, true, "A&Yuda", true},
    // The hint image repeats the help switch's tooltip; its label has its own.
    {IdComando::VerPista, nullptr, &F::LBVerPista, "&Pista", " Muestra / Oculta el valor correcto ", false, false, "&Pista", false},
    {IdComando::MicroTeclas, &F::BMicroTeclas, &F::LBMicroTeclas, "&Micro teclado", " Micro teclado ", true, true, "&Micro teclado", true},
    {IdComando::Pausa, &F::BPausa, &F::LBPausa, "&Pausa", "", false, false, "&Pausa", false},
    {IdComando::PararProceso, &F::BPararProceso, &F::LBPararProceso, "Cance&Lar", "", false, false, "Cance&lar", false},
    {IdComando::Salir, &F::BSalir, &F::LBSalir, "&Salir Novenario", " Cierra el programa ", true, true, "&Salir Novenario", true},
};

class ComandoAlArrancar : public Partida, public ::testing::WithParamInterface<CasoComando> {};

// Caption, tooltip (the same on the image and its label) and whether the
// command answers at start.
TEST_P(ComandoAlArrancar, TextoAyudaYEstado) {
    const auto& k = GetParam();
    const Comando* cmd = f.BuscarComando(k.id);
    ASSERT_NE(cmd, nullptr);
    const Control& etiqueta = f.Ventana.*k.etiqueta;
    EXPECT_EQ(cmd->Etiqueta, &etiqueta);
    EXPECT_EQ(etiqueta.Caption, k.caption);
    EXPECT_EQ(etiqueta.Hint, k.hint);
    if (k.imagen) {
        const Control& imagen = f.Ventana.*k.imagen;
        EXPECT_EQ(cmd->Imagen, &imagen);
        EXPECT_EQ(imagen.Hint, k.hint_imagen ? k.hint_imagen : k.hint);
    } else {
        EXPECT_EQ(cmd->Imagen->Hint, " Muestra / Oculta valores posibles ");
    }
    EXPECT_EQ(f.Activo(k.id, Origen::Imagen), k.imagen_activa);
    EXPECT_EQ(f.Activo(k.id, Origen::Etiqueta), k.etiqueta_activa);
    EXPECT_EQ(cmd->Acelerador->Caption, k.acelerador);
    EXPECT_EQ(cmd->FilaAcelerador, k.en_fila_principal ? &f.Ventana.PTeclas : &f.Ventana.Panel1);
    EXPECT_EQ(f.Activo(k.id, Origen::Acelerador), k.en_fila_principal);
}

INSTANTIATE_TEST_SUITE_P(Todos, ComandoAlArrancar, ::testing::ValuesIn(kComandos));

TEST_F(Partida, SalirSeEscribeEnGranate) { EXPECT_EQ(f.Ventana.LBSalir.FontColor, Granate); }

// The four switches count each click of a double click; other commands run once.
TEST_F(Partida, SoloLosInterruptoresRespondenAlDobleClic) {
    for (const CasoComando& k : kComandos) {
        const bool interruptor = k.id == IdComando::VerTeclas || k.id == IdComando::MicroTeclas ||
                                 k.id == IdComando::Reloj || k.id == IdComando::VerPista;
        EXPECT_EQ(f.BuscarComando(k.id)->DobleClic, interruptor) << k.caption;
    }
}

// While the mouse button is held on an image or its label, both move one
// pixel right and down; on release both go back.
class EfectoDePulsacion : public Partida, public ::testing::WithParamInterface<CasoComando> {};

TEST_P(EfectoDePulsacion, ImagenYEtiquetaBajanUnPixelYVuelven) {
    const Comando* cmd = f.BuscarComando(GetParam().id);
    ASSERT_NE(cmd, nullptr);
    Control& imagen = *cmd->Imagen;
    Control& etiqueta = *cmd->Etiqueta;
    const int il = imagen.Left, it = imagen.Top, el = etiqueta.Left, et = etiqueta.Top;
    f.MouseDown(GetParam().id);
    EXPECT_EQ(imagen.Left, il + 1);
    EXPECT_EQ(imagen.Top, it + 1);
    EXPECT_EQ(etiqueta.Left, el + 1);
    EXPECT_EQ(etiqueta.Top, et + 1);
    f.MouseUp(GetParam().id);
    EXPECT_EQ(imagen.Left, il);
    EXPECT_EQ(imagen.Top, it);
    EXPECT_EQ(etiqueta.Left, el);
    EXPECT_EQ(etiqueta.Top, et);
}

INSTANTIATE_TEST_SUITE_P(Todos, EfectoDePulsacion, ::testing::ValuesIn(kComandos));

// The number pad has no labels: each key moves alone.
TEST_F(Partida, LasTeclasDelPanelNumericoSeMuevenSolas) {
    std::vector<Control*> teclas{&f.Ventana.BAtras, &f.Ventana.BBorrar, &f.Ventana.BAdelante};
    for (Control& b : f.Ventana.B) teclas.push_back(&b);
    for (Control* t : teclas) {
        std::vector<std::pair<int, int>> antes;
        for (Control* o : teclas) antes.emplace_back(o->Left, o->Top);
        f.MouseDownTecla(*t);
        for (std::size_t i = 0; i < teclas.size(); ++i) {
            const int d = teclas[i] == t ? 1 : 0;
            EXPECT_EQ(teclas[i]->Left, antes[i].first + d);
            EXPECT_EQ(teclas[i]->Top, antes[i].second + d);
        }
        f.MouseUpTecla(*t);
        for (std::size_t i = 0; i < teclas.size(); ++i) {
            EXPECT_EQ(teclas[i]->Left, antes[i].first);
            EXPECT_EQ(teclas[i]->Top, antes[i].second);
        }
    }
}

// A micro key moves on press; on release every micro key is back home.
TEST_F(Partida, AlSoltarUnaMicroTeclaTodasVuelvenASuSitio) {
    const std::array<std::pair<int, int>, 9> casa{
        {{3, 4}, {18, 4}, {34, 4}, {3, 20}, {18, 20}, {34, 20}, {3, 37}, {18, 37}, {34, 37}}};
    f.Ventana.PT[4].Mover(50, 50);
    f.Ventana.PTBorrar.Mover(0, 0);
    const int l = f.Ventana.PT[0].Left, t = f.Ventana.PT[0].Top;
    f.MouseDownMicro(f.Ventana.PT[0]);
    EXPECT_EQ(f.Ventana.PT[0].Left, l + 1);
    EXPECT_EQ(f.Ventana.PT[0].Top, t + 1);
    f.MouseUpMicro(f.Ventana.PT[0]);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(f.Ventana.PT[i].Left, casa[i].first) << "PT" << i + 1;
        EXPECT_EQ(f.Ventana.PT[i].Top, casa[i].second) << "PT" << i + 1;
    }
    EXPECT_EQ(f.Ventana.PTBorrar.Left, 4);
    EXPECT_EQ(f.Ventana.PTBorrar.Top, 55);
}

// A disabled part of a command ignores clicks; an enabled one runs it.
TEST_F(Partida, UnaParteDesactivadaNoEjecutaNada) {
    f.Ejecutar(IdComando::Pausa, Origen::Imagen);
    f.Ejecutar(IdComando::Pausa, Origen::Etiqueta);
    f.Ejecutar(IdComando::Pausa, Origen::Acelerador);
    EXPECT_EQ(ent.Contar(Tipo::Pausa), 0);

    f.Ventana.BPausa.Enabled = true;
    f.Ejecutar(IdComando::Pausa, Origen::Etiqueta);
    EXPECT_EQ(ent.Contar(Tipo::Pausa), 0) << "the label is still disabled";
    f.Ejecutar(IdComando::Pausa, Origen::Imagen);
    EXPECT_EQ(ent.Contar(Tipo::Pausa), 1);

    f.Ejecutar(IdComando::Reloj, Origen::Etiqueta);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::S);
}

// ---------------------------------------------------------------------------
// Alt accelerators

struct CasoAcelerador {
    char letra;
    bool responde;
    const char* que;
};

class Acelerador : public Partida, public ::testing::WithParamInterface<CasoAcelerador> {};

TEST_P(Acelerador, LaLetraEjecutaElComandoActivo) {
    const auto& k = GetParam();
    EXPECT_EQ(f.Acelerar(k.letra), k.responde) << k.que;
    const std::string que = k.que;
    if (que == "reloj") {
        EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::S);
    } else if (que == "ayuda") {
        EXPECT_EQ(f.Variables.Ayuda_Activa, Bandera::S);
    } else if (que == "micro") {
        EXPECT_EQ(f.Variables.Micro_Activo, Bandera::N);
    } else if (que == "salir") {
        EXPECT_EQ(ent.Contar(Tipo::Cerrar), 1);
    }
    if (!k.responde) {
        EXPECT_TRUE(ent.Formas.empty());
        EXPECT_EQ(f.Variables.Pista_Activa, Bandera::N);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AlArrancar, Acelerador,
    ::testing::Values(CasoAcelerador{'R', true, "reloj"}, CasoAcelerador{'r', true, "reloj"},
                      CasoAcelerador{'Y', true, "ayuda"}, CasoAcelerador{'M', true, "micro"},
                      CasoAcelerador{'S', true, "salir"},
                      // "Deja fijos", "Solución", "Pausa"/"Pista" and "Cancelar" start disabled.
                      CasoAcelerador{'D', false, "deja fijos"}, CasoAcelerador{'O', false, "solución"},
                      CasoAcelerador{'P', false, "pausa o pista"}, CasoAcelerador{'L', false, "cancelar"},
                      CasoAcelerador{'Q', false, "ninguno"}));

// Pausa and Pista share Alt+P: whichever is enabled answers.
TEST_F(Partida, AltPEjecutaPausaOPistaSegunCualEsteActivo) {
    f.Ventana.LBVerPistasR.Enabled = true;
    EXPECT_TRUE(f.Acelerar('P'));
    EXPECT_EQ(f.Variables.Pista_Activa, Bandera::S);
    EXPECT_EQ(ent.Contar(Tipo::Pausa), 0);

    f.Ventana.LBVerPistasR.Enabled = false;
    f.Ventana.LBpausaR.Enabled = true;
    EXPECT_TRUE(f.Acelerar('P'));
    EXPECT_EQ(ent.Contar(Tipo::Pausa), 1);
    EXPECT_EQ(f.Variables.Pista_Activa, Bandera::S) << "the pause does not touch the hint";
}

// ---------------------------------------------------------------------------
// All commands off and on

TEST_F(Partida, TeclasEnableNOApagaTodoYSIloEnciende) {
    std::vector<Control*> lista{&f.Ventana.BSalvar, &f.Ventana.LBSalvar, &f.Ventana.PTeclas, &f.Ventana.BCargar, &f.Ventana.LBCargar,
                                &f.Ventana.BAyuda, &f.Ventana.LBAyuda, &f.Ventana.BAcerca, &f.Ventana.LBAcerca, &f.Ventana.PanelJuego};
    for (Control& b : f.Ventana.B) lista.push_back(&b);
    for (Control* c : {&f.Ventana.BBorrar, &f.Ventana.PTBorrar, &f.Ventana.BNuevaPartida, &f.Ventana.LBNuevaPartida, &f.Ventana.BSolucion,
                       &f.Ventana.LBSolucion, &f.Ventana.LBSolucionR, &f.Ventana.BDejarRojos, &f.Ventana.LBDejarRojos, &f.Ventana.LBVerPista,
                       &f.Ventana.BVerPista, &f.Ventana.LBDejarRojosR, &f.Ventana.LBVerPistasR, &f.Ventana.BRellena, &f.Ventana.LBRellena,
                       &f.Ventana.BPausa, &f.Ventana.LBPausa, &f.Ventana.LBpausaR, &f.Ventana.BPararProceso, &f.Ventana.LBPararProceso,
                       &f.Ventana.LBPararProcesoR, &f.Ventana.BBorraTodo, &f.Ventana.LBBorraTodo, &f.Ventana.BImprimir,
                       &f.Ventana.LBImprimir, &f.Ventana.BMicroTeclas, &f.Ventana.LBMicroTeclas, &f.Ventana.BNivel, &f.Ventana.LBNivel,
                       &f.Ventana.BReloj, &f.Ventana.LBReloj, &f.Ventana.BVerTeclas, &f.Ventana.LBVerTeclas, &f.Ventana.BSalir, &f.Ventana.LBSalir})
        lista.push_back(c);

    f.Ventana.BAtras.Enabled = true;  // the history keys are not on the list
    Teclas_EnableNO(f);
    for (std::size_t i = 0; i < lista.size(); ++i) EXPECT_FALSE(lista[i]->Enabled) << "item " << i;
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
    for (const Control& t : f.Ventana.PT) EXPECT_TRUE(t.Enabled);
    EXPECT_FALSE(f.Acelerar('N')) << "the whole accelerator row is off";
    f.ClickCelda(Idx("P5_5"));
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1") << "the board is off";

    Teclas_EnableSI(f);
    for (std::size_t i = 0; i < lista.size(); ++i) EXPECT_TRUE(lista[i]->Enabled) << "item " << i;
    f.ClickCelda(Idx("P5_5"));
    EXPECT_EQ(f.Variables.Panel_Activo, "P5_5");
}

}  // namespace
}  // namespace novenario::prueba
