// The window model as the main window is first laid out: every control's
// caption, hint, place, colour and state at start; and the one list of what
// long work switches off and on.
#include "board/juego.h"

namespace novenario {

namespace {

// A command image with its label on top: the label sits 7 pixels in and 4
// down, as the exit button's rest positions (690, 474) and (697, 478) show.
void Boton(Control& imagen, Control& etiqueta, int left, int top, int width,
           const char* caption, const char* hint) {
    imagen.Colocar(left, top, width, 26);
    imagen.Hint = hint;
    etiqueta.Colocar(left + 7, top + 4, width - 14, 18);
    etiqueta.Caption = caption;
    etiqueta.Hint = hint;
    etiqueta.Color_ = Tostado;
}

void Acelerador(Control& boton, const char* caption, bool enabled) {
    boton.Caption = caption;
    boton.Enabled = enabled;
    boton.Visible = false;  // off-screen: it only gives the Alt letter
}

}  // namespace

ModeloVentana::ModeloVentana() {
    Disenar_Tablero();
    Disenar_Teclado();
    Disenar_Comandos();
    Disenar_Aceleradores();
}

// The file strip, the error banner, the board and the floating keypad.
void ModeloVentana::Disenar_Tablero() {
    Caption = TituloAplicacion;
    StatusBar1 = {"Novenario  v.4.0", " Orvalia Software ", "Fecha", "Hora"};


    Image1.Colocar(8, 3, 647, 22);
    PFichero.Colocar(8, 5, 647, 18);
    PFichero.Caption = "Fichero";
    PFichero.Hint = " Fichero ";
    Image1.Hint = " Fichero ";
    PError.Colocar(8, 3, 647, 22);
    PError.Caption = "-------------------------------------------";
    PError.Color_ = Tostado;
    PError.FontColor = Granate;
    PError.Visible = false;

    PanelJuego.Colocar(8, 28, 647, 402);
    PanelJuego.Color_ = Marron;
    PNoVerProceso.Colocar(2, 2, 639, 395);
    PNoVerProceso.Visible = false;
    BlinkLabel1.Caption = "Creando nueva partida";

    PMicroTeclas.Colocar(0, 0, 54, 73);
    PMicroTeclas.Color_ = Tostado;
    PMicroTeclas.FontColor = Blanco;
    PMicroTeclas.Visible = false;
    Casa_MicroTeclas(*this);
    for (int d = 1; d <= 9; ++d) {
        PT[d - 1].Caption = std::to_string(d);
        PT[d - 1].Width = 15;
        PT[d - 1].Height = 15;
    }
    PTBorrar.Width = 46;
    PTBorrar.Height = 15;
    PTBorrar.Caption = "Borrar";

    PMenti.Colocar(0, 0, tablero::AnchoCelda, tablero::AltoCelda);
    PMenti.Visible = false;
    PMenti.FontSize = 22;
    PAux.Color_ = Blanco;
    PAux.Visible = false;

}

// The number pad and, beside it, the message line and the hint bar.
void ModeloVentana::Disenar_Teclado() {
    // Number pad: the nine digits in a row, the history and erase keys below.
    PTeclasNum.Colocar(8, 434, 322, 78);
    PTeclasCarga.Colocar(8, 434, 322, 78);
    PTeclasCarga.Visible = false;
    LTeclasCarga.Caption = "--- Dato Fijo ---";
    for (int d = 1; d <= 9; ++d) {
        B[d - 1].Colocar(4 + 35 * (d - 1), 5, 34, 32);
        B[d - 1].Caption = std::to_string(d);
    }
    BAtras.Colocar(4, 41, 102, 32);
    BAtras.Caption = "<<";
    BAtras.Hint = " Deshacer ";
    BAtras.Enabled = false;
    BBorrar.Colocar(110, 41, 102, 32);
    BBorrar.Caption = "Borrar";
    BBorrar.Hint = " Borrar ";
    BAdelante.Colocar(216, 41, 102, 32);
    BAdelante.Caption = ">>";
    BAdelante.Hint = " Rehacer ";
    BAdelante.Enabled = false;

    PMensaje.Colocar(340, 436, 330, 20);
    PMensaje.Caption = "Nueva partida";
    Shape1.Colocar(460, 462, 91, 6);
    Shape1.Color_ = Verde;  // lime at design, grey from the first action on
    Shape1.Visible = false;
    Shape1.Enabled = false;

}

// The commands: images with their labels, the lamp and the clock.
void ModeloVentana::Disenar_Comandos() {
    // Right column: the game's commands, the assistance switches, the clock.
    const int x = 690, w = 128;
    Boton(BNuevaPartida, LBNuevaPartida, x, 6, w, "&Nueva partida", " Crea una nueva partida ");
    Boton(BNivel, LBNivel, x, 35, w, "Nivel par&Tida 3", " Nivel de la partida ");
    Boton(BDejarRojos, LBDejarRojos, x, 64, w, "&Deja fijos", " Deja Sólo los paneles fijos ");
    Boton(BBorraTodo, LBBorraTodo, x, 93, w, "&Borrar todo", " Borra todos los paneles ");
    Boton(BRellena, LBRellena, x, 122, w, "&Calcula", " Calcula y muestra los procesos ");
    Boton(BSolucion, LBSolucion, x, 151, w, "S&Olución", " Deja sólo los fijos y busca una solución ");
    Boton(BPausa, LBPausa, x, 180, w, "&Pausa", "");
    Boton(BPararProceso, LBPararProceso, x, 209, w, "Cance&Lar", "");
    Boton(BVerTeclas, LBVerTeclas, x, 244, 104, "A&Yuda", " Muestra / Oculta valores posibles ");
    Led1.Left = 800;
    Led1.Top = 249;
    Boton(BVerPista, LBVerPista, x, 273, w, "&Pista", " Muestra / Oculta valores posibles ");
    LBVerPista.Hint = " Muestra / Oculta el valor correcto ";
    Boton(BMicroTeclas, LBMicroTeclas, x, 302, w, "&Micro teclado", " Micro teclado ");
    Boton(BReloj, LBReloj, x, 331, w, "&Reloj No", " Reloj de la partida ");
    LPHor.Colocar(705, 361, 26, 22);
    LSeparador1.Colocar(731, 361, 10, 22);
    LPMin.Colocar(741, 361, 26, 22);
    LSeparador2.Colocar(767, 361, 10, 22);
    LPseg.Colocar(777, 361, 26, 22);
    for (Control* l : {&LPHor, &LPMin, &LPseg}) l->Caption = "00";
    LSeparador1.Caption = LSeparador2.Caption = ":";
    Boton(BAyuda, LBAyuda, x, 390, w, "¿ Sudo&Ku ?", " Sudoku ");
    Boton(BAcerca, LBAcerca, x, 419, w, "Ac&Erca de ...", " Acerca de... ");
    LBAcerca.Hint = " Acerca de ... ";
    Boton(BSalir, LBSalir, x, 474, w, "&Salir Novenario", " Cierra el programa ");
    LBSalir.FontColor = Granate;

    // Bottom row beside the number pad: the file commands.
    Boton(BSalvar, LBSalvar, 340, 474, 110, "Sal&Var partida", " Guardar partida ( .sdk ) ");
    Boton(BCargar, LBCargar, 455, 474, 110, "Car&Gar partida", " Cargar partida ( .sdk ) ");
    Boton(BImprimir, LBImprimir, 570, 474, 110, "&Imprimir", " Imprimir ");

    PContador_Jug.Caption = "00000000";
    PContador_Jug.Visible = false;

}

// Which commands answer at start, the off-screen accelerator rows, and what
// long work switches.
void ModeloVentana::Disenar_Aceleradores() {
    // Commands that need a game, and those that work only during "Calcula".
    for (Control* c : {&BDejarRojos, &LBDejarRojos, &BSolucion, &LBSolucion, &BVerPista,
                       &LBVerPista, &BPausa, &LBPausa, &BPararProceso, &LBPararProceso})
        c->Enabled = false;
    BRellena.Enabled = false;  // only the image: its label answers from the start

    PTeclas.Visible = false;
    Acelerador(BitBtn1, "Sal&var Partida", true);
    Acelerador(BitBtn3, "Car&gar partida", true);
    Acelerador(BitBtn4, "¿ Sudo&ku ?", true);
    Acelerador(BitBtn5, "Ac&erca de ...", true);
    Acelerador(BitBtn6, "&Reloj No", true);
    Acelerador(BitBtn7, "&Nueva partida", true);
    Acelerador(BitBtn10, "&Calcula", true);
    Acelerador(BitBtn11, "&Borrar todo", true);
    Acelerador(BitBtn12, "&Imprimir", true);
    Acelerador(BitBtn13, "Nivel par&tida 3", true);
    Acelerador(BitBtn14, "A&Yuda", true);
    Acelerador(BitBtn15, "&Micro teclado", true);
    Acelerador(BitBtn8, "&Salir Novenario", true);
    Panel1.Visible = false;
    Acelerador(LBDejarRojosR, "&Deja fijos", false);
    Acelerador(LBSolucionR, "S&Olución", false);
    Acelerador(LBpausaR, "&Pausa", false);
    Acelerador(LBVerPistasR, "&Pista", false);
    Acelerador(LBPararProcesoR, "Cance&lar", false);

    Teclas_Largas = {&BSalvar, &LBSalvar, &PTeclas, &BCargar, &LBCargar, &BAyuda, &LBAyuda,
                      &BAcerca, &LBAcerca, &PanelJuego};
    for (Control& b : B) Teclas_Largas.push_back(&b);
    for (Control* c : {&BBorrar, &PTBorrar, &BNuevaPartida, &LBNuevaPartida, &BSolucion,
                       &LBSolucion, &LBSolucionR, &BDejarRojos, &LBDejarRojos, &LBVerPista,
                       &BVerPista, &LBDejarRojosR, &LBVerPistasR, &BRellena, &LBRellena, &BPausa,
                       &LBPausa, &LBpausaR, &BPararProceso, &LBPararProceso, &LBPararProcesoR,
                       &BBorraTodo, &LBBorraTodo, &BImprimir, &LBImprimir, &BMicroTeclas,
                       &LBMicroTeclas, &BNivel, &LBNivel, &BReloj, &LBReloj, &BVerTeclas,
                       &LBVerTeclas, &BSalir, &LBSalir})
        Teclas_Largas.push_back(c);
}

void Teclas_EnableNO(Juego& f) {
    for (Control* c : f.Ventana.Teclas_Largas) c->Enabled = false;
}

void Empieza_Proceso_Largo(Juego& f) {
    if (f.Variables.Proceso_Largo) return;
    VariablesPartida::Foto& foto = f.Partida.Antes_Del_Proceso;
    foto.Hay = true;
    foto.Paneles = f.Paneles;
    foto.LPHor = f.Ventana.LPHor.Caption;
    foto.LPMin = f.Ventana.LPMin.Caption;
    foto.LPseg = f.Ventana.LPseg.Caption;
    foto.EPartida = f.Partida.EPartida;
    foto.Nivel = f.Variables.Nivel;
    foto.LBPanel = f.Variables.LBPanel;
    f.Variables.Proceso_Largo = true;
}

void Teclas_EnableSI(Juego& f) {
    for (Control* c : f.Ventana.Teclas_Largas) c->Enabled = true;
}

void Pausa_Y_Cancelar(Juego& f, bool activos) {
    ModeloVentana& v = f.Ventana;
    for (Control* c : {&v.BPausa, &v.LBPausa, &v.LBpausaR, &v.BPararProceso, &v.LBPararProceso, &v.LBPararProcesoR})
        c->Enabled = activos;
}

char LetraAcelerador(const std::string& caption) {
    const auto amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) return 0;
    const char l = caption[amp + 1];
    return (l >= 'a' && l <= 'z') ? static_cast<char>(l - 'a' + 'A') : l;
}

void Casa_MicroTeclas(ModeloVentana& v) {
    static constexpr std::array<std::array<int, 2>, 9> casa{
        {{3, 4}, {18, 4}, {34, 4}, {3, 20}, {18, 20}, {34, 20}, {3, 37}, {18, 37}, {34, 37}}};
    for (std::size_t i = 0; i < 9; ++i) {
        v.PT[i].Mover(casa[i][0], casa[i][1]);
        v.PT[i].Presionado = false;
    }
    v.PTBorrar.Mover(4, 55);
    v.PTBorrar.Presionado = false;
}

void Desactiva_Solucion(Juego& f) { Activa_Solucion(f, false); }

void Activa_Solucion(Juego& f, bool activa) {
    for (Control* c : {&f.Ventana.BSolucion, &f.Ventana.LBSolucion, &f.Ventana.LBSolucionR, &f.Ventana.BDejarRojos, &f.Ventana.LBDejarRojos,
                       &f.Ventana.LBDejarRojosR, &f.Ventana.BVerPista, &f.Ventana.LBVerPista, &f.Ventana.LBVerPistasR})
        c->Enabled = activa;
}

}  // namespace novenario
