// The main window: its controls as first laid out, start-up, the two timers,
// the clock, pause, exit, and the switching of every command around long work.
#include "board/principal.h"

namespace novenario {

std::string Trim(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
    return s.substr(a, b - a);
}

TFormPrincipal::TFormPrincipal(Entorno& entorno) : entorno_(entorno) {
    Inicio_Timer01 = entorno_.Milisegundos();
    Disenar();
    Enlazar_Comandos();
}

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

void TFormPrincipal::Disenar() {
    Caption = TituloAplicacion;
    StatusBar1 = {"Novenario  v.4.0", " Orvalia Software ", "Fecha", "Hora"};

    for (Control* p : {&PNumero, &PPanel, &PPosicion, &PBorro}) {
        p->Caption = "00";
        p->Visible = false;
    }

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
    Casa_MicroTeclas();
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

    teclas_largas_ = {&BSalvar, &LBSalvar, &PTeclas, &BCargar, &LBCargar, &BAyuda, &LBAyuda,
                      &BAcerca, &LBAcerca, &PanelJuego};
    for (Control& b : B) teclas_largas_.push_back(&b);
    for (Control* c : {&BBorrar, &PTBorrar, &BNuevaPartida, &LBNuevaPartida, &BSolucion,
                       &LBSolucion, &LBSolucionR, &BDejarRojos, &LBDejarRojos, &LBVerPista,
                       &BVerPista, &LBDejarRojosR, &LBVerPistasR, &BRellena, &LBRellena, &BPausa,
                       &LBPausa, &LBpausaR, &BPararProceso, &LBPararProceso, &LBPararProcesoR,
                       &BBorraTodo, &LBBorraTodo, &BImprimir, &LBImprimir, &BMicroTeclas,
                       &LBMicroTeclas, &BNivel, &LBNivel, &BReloj, &LBReloj, &BVerTeclas,
                       &LBVerTeclas, &BSalir, &LBSalir})
        teclas_largas_.push_back(c);
}

void TFormPrincipal::Enlazar_Comandos() {
    using T = TFormPrincipal;
    Comandos = {
        {IdComando::NuevaPartida, &BNuevaPartida, &LBNuevaPartida, &BitBtn7, &PTeclas, false, &T::BNuevaPartida2Click},
        {IdComando::Nivel, &BNivel, &LBNivel, &BitBtn13, &PTeclas, false, &T::BNivel2Click},
        {IdComando::DejarRojos, &BDejarRojos, &LBDejarRojos, &LBDejarRojosR, &Panel1, false, &T::BDejarRojos2Click},
        {IdComando::BorraTodo, &BBorraTodo, &LBBorraTodo, &BitBtn11, &PTeclas, false, &T::BBorraTodoClick},
        {IdComando::Rellena, &BRellena, &LBRellena, &BitBtn10, &PTeclas, false, &T::BRellena2Click},
        {IdComando::Solucion, &BSolucion, &LBSolucion, &LBSolucionR, &Panel1, false, &T::BSolucion2Click},
        {IdComando::Pausa, &BPausa, &LBPausa, &LBpausaR, &Panel1, false, &T::BPausa2Click},
        {IdComando::PararProceso, &BPararProceso, &LBPararProceso, &LBPararProcesoR, &Panel1, false, &T::BPararProceso2Click},
        {IdComando::VerTeclas, &BVerTeclas, &LBVerTeclas, &BitBtn14, &PTeclas, true, &T::BVerTeclasClick},
        {IdComando::VerPista, &BVerPista, &LBVerPista, &LBVerPistasR, &Panel1, true, &T::BPistaClick},
        {IdComando::MicroTeclas, &BMicroTeclas, &LBMicroTeclas, &BitBtn15, &PTeclas, true, &T::BMicroTeclas2Click},
        {IdComando::Reloj, &BReloj, &LBReloj, &BitBtn6, &PTeclas, true, &T::BReloj2Click},
        {IdComando::Ayuda, &BAyuda, &LBAyuda, &BitBtn4, &PTeclas, false, &T::BAyuda2Click},
        {IdComando::Acerca, &BAcerca, &LBAcerca, &BitBtn5, &PTeclas, false, &T::BAcerca2Click},
        {IdComando::Salvar, &BSalvar, &LBSalvar, &BitBtn1, &PTeclas, false, &T::BSalvar2Click},
        {IdComando::Cargar, &BCargar, &LBCargar, &BitBtn3, &PTeclas, false, &T::BCargar2Click},
        {IdComando::Imprimir, &BImprimir, &LBImprimir, &BitBtn12, &PTeclas, false, &T::BImprimir2Click},
        {IdComando::Salir, &BSalir, &LBSalir, &BitBtn8, &PTeclas, false, &T::BSalir2Click},
    };
}

const Comando* TFormPrincipal::BuscarComando(IdComando id) const {
    for (const Comando& c : Comandos)
        if (c.Id == id) return &c;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Start-up

bool TFormPrincipal::FormCreate() {
    Respuesta_Inicio = " ";
    {
        FormaModal inicio(FormaModal::Tipo::Inicio);
        inicio.Caption = TituloAplicacion;
        inicio.ClientWidth = 329;
        inicio.ClientHeight = 178;
        inicio.Botones = {
            {"&Aceptar", Negro, [this, &inicio] { Respuesta_Inicio = "S"; inicio.Cerrada = true; }},
            {"&Cancelar", Granate, [this, &inicio] { Respuesta_Inicio = "N"; inicio.Cerrada = true; }},
        };
        inicio.AlCerrar = [this] {
            if (Respuesta_Inicio == " ") Respuesta_Inicio = "N";
        };
        entorno_.MostrarModal(inicio);
    }
    if (Respuesta_Inicio == "N") {
        entorno_.Terminar(1);
        return false;
    }

    ClientWidth = 825;
    ClientHeight = 535;
    PNoVerProceso.Colocar(2, 2, 639, 395);
    Limite_Normal = 999999;
    Limite_Pasos = 999999;
    Creando_Partida = Bandera::N;
    Nivel = 3;
    Paneles_Vacios = 41;
    PTeclasCarga.Mover(PTeclasNum.Left, PTeclasNum.Top);
    Partida_Terminada = Bandera::N;
    LBPanel.clear();
    Ayuda_Activa = Bandera::N;
    Pista_Activa = Bandera::N;
    BVerTeclasClick();
    BVerTeclasClick();
    Led1.Value = false;
    Posicion_Lista = 0;
    PClick(tablero::Indice("P1_1"));
    entorno_.ProcessMessages();
    return true;
}

// ---------------------------------------------------------------------------
// Timers

void TFormPrincipal::Timer01Timer() {
    auto sorteo = [this](Control& panel, std::uint32_t n, const char* en_lugar_de_cero) {
        panel.Caption = std::to_string(Generador.Random(n));
        if (Trim(panel.Caption) == "0") panel.Caption = en_lugar_de_cero;
    };
    sorteo(PNumero, 9, "9");
    sorteo(PPanel, 9, "9");
    sorteo(PPosicion, 9, "9");
    sorteo(PBorro, 81, "81");
}

void TFormPrincipal::Timer01_Al_Dia() {
    constexpr long long Periodo = 10;
    constexpr int SorteosPorTic = 4;
    const long long debidos = (entorno_.Milisegundos() - Inicio_Timer01) / Periodo;
    if (debidos <= Tics_Timer01) return;
    // Only the last tick's values stay on the panels; the ones before only
    // move the seed on.
    Generador.Avanzar(static_cast<std::uint64_t>(debidos - Tics_Timer01 - 1) * SorteosPorTic);
    Timer01Timer();
    Tics_Timer01 = debidos;
}

std::string TFormPrincipal::DosCifras(long long n) {
    return n <= 9 ? "0" + std::to_string(n) : std::to_string(n);
}

void TFormPrincipal::Timer02Timer() {
    StatusBar1[2] = entorno_.FechaLarga();
    StatusBar1[3] = entorno_.Hora();
    if (Reloj_Activo != Bandera::S) return;
    Segundos += 1;
    if (Segundos > 59) {
        Segundos = 0;
        LPseg.Caption = "00";
        Minutos += 1;
        LPMin.Caption = DosCifras(Minutos);
    }
    LPseg.Caption = DosCifras(Segundos);
    if (Minutos > 59) {
        Minutos = 0;
        LPMin.Caption = "00";
        Horas += 1;
        LPHor.Caption = DosCifras(Horas);
    }
}

void TFormPrincipal::Bombeo_Largo() {
    if (entorno_.Hay_Que_Bombear()) entorno_.ProcessMessages();
}

void TFormPrincipal::Reinicia_Reloj() {
    Segundos = Minutos = Horas = 0;
    LPHor.Caption = LPMin.Caption = LPseg.Caption = "00";
}

void TFormPrincipal::Para_Reloj() {
    Reloj_Activo = Bandera::N;
    LBReloj.Caption = "&Reloj No";
}

void TFormPrincipal::BReloj2Click() {
    PError.Hide();
    if (Reloj_Activo != Bandera::S) {
        Reloj_Activo = Bandera::S;
        LBReloj.Caption = "&Reloj Si";
    } else {
        Reloj_Activo = Bandera::N;
        LBReloj.Caption = "&Reloj No";
    }
}

// ---------------------------------------------------------------------------
// Dialogs of the main window

namespace {

FormaModal Dialogo(FormaModal::Tipo tipo, const char* caption, const char* parpadeo, int w, int h,
                   int left, int top) {
    FormaModal f(tipo);
    f.Caption = caption;
    f.TextoParpadeo = parpadeo;
    f.ClientWidth = w;
    f.ClientHeight = h;
    f.Left = left;
    f.Top = top;
    return f;
}

void UnBoton(FormaModal& f) {
    FormaModal* p = &f;
    f.Botones = {{"&Aceptar", Negro, [p] { p->Cerrada = true; }}};
}

}  // namespace

void TFormPrincipal::BPausa2Click() {
    FormaModal pausa = Dialogo(FormaModal::Tipo::Pausa, " Novenario.", "Pausa", 343, 160, 266, 289);
    UnBoton(pausa);
    entorno_.MostrarModal(pausa);
}

void TFormPrincipal::Muestra_FinPartida() {
    FormaModal fin = Dialogo(FormaModal::Tipo::FinPartida, " Novenario.     Fin Partida.",
                             "Fin Partida", 343, 160, 266, 289);
    UnBoton(fin);
    entorno_.MostrarModal(fin);
}

void TFormPrincipal::BSalir2Click() {
    PError.Hide();
    FormClose();
}

void TFormPrincipal::FormClose() {
    FormaModal cerrar = Dialogo(FormaModal::Tipo::Cerrar, " Novenario.", "Salir del Programa",
                                287, 153, 295, 292);
    FormaModal* p = &cerrar;
    cerrar.Botones = {
        {"&Aceptar", Negro, [this, p] { Respuesta_Salir = Bandera::S; p->Cerrada = true; }},
        {"&Cancelar", Granate, [this, p] { Respuesta_Salir = Bandera::N; p->Cerrada = true; }},
    };
    entorno_.MostrarModal(cerrar);
    if (Respuesta_Salir == Bandera::S) {
        entorno_.Terminar(1);
        return;
    }
    BSalir.Mover(690, 474);
    LBSalir.Mover(697, 478);
    BSalir.Presionado = LBSalir.Presionado = false;
}

// ---------------------------------------------------------------------------
// All commands off and on around long work

void TFormPrincipal::Teclas_EnableNO() {
    for (Control* c : teclas_largas_) c->Enabled = false;
}

void TFormPrincipal::Teclas_EnableSI() {
    for (Control* c : teclas_largas_) c->Enabled = true;
}

// ---------------------------------------------------------------------------
// What the view calls

bool TFormPrincipal::Activo(IdComando id, Origen origen) const {
    const Comando* c = BuscarComando(id);
    if (!c) return false;
    switch (origen) {
        case Origen::Imagen: return c->Imagen->Enabled && c->Imagen->Visible;
        case Origen::Etiqueta: return c->Etiqueta->Enabled && c->Etiqueta->Visible;
        case Origen::Acelerador: break;
    }
    return c->Acelerador->Enabled && c->FilaAcelerador->Enabled;
}

// While long work runs only "Pausa" and "Cancelar" get through: anything else
// would change the board under the search.
bool TFormPrincipal::Bloqueado(IdComando id) const {
    return Proceso_Largo && id != IdComando::Pausa && id != IdComando::PararProceso;
}

void TFormPrincipal::Ejecutar(IdComando id, Origen origen) {
    if (Bloqueado(id) || !Activo(id, origen)) return;
    (this->*(BuscarComando(id)->Handler))();
}

char TFormPrincipal::LetraAcelerador(const std::string& caption) {
    const auto amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) return 0;
    const char l = caption[amp + 1];
    return (l >= 'a' && l <= 'z') ? static_cast<char>(l - 'a' + 'A') : l;
}

bool TFormPrincipal::Acelerar(char letra) {
    if (letra >= 'a' && letra <= 'z') letra = static_cast<char>(letra - 'a' + 'A');
    for (const Comando& c : Comandos) {
        if (LetraAcelerador(c.Acelerador->Caption) == letra && !Bloqueado(c.Id) &&
            Activo(c.Id, Origen::Acelerador)) {
            (this->*(c.Handler))();
            return true;
        }
    }
    return false;
}

void TFormPrincipal::Tecla(int codigo, const std::string& caracter) {
    if (Proceso_Largo) return;
    Posicion_CurKeyDown(codigo, caracter);
}

void TFormPrincipal::ClickCelda(int c) {
    if (Proceso_Largo) return;
    if (c < 0 || c >= NumCeldas || !PanelJuego.Enabled || !Paneles[c].Enabled) return;
    PClick(c);
}

void TFormPrincipal::ClickNumero(int d) {
    if (Proceso_Largo || d < 1 || d > 9) return;
    const Control& b = B[static_cast<std::size_t>(d - 1)];
    if (!b.Visible || !b.Enabled || !PTeclasNum.Visible) return;
    BClick(d);
}

void TFormPrincipal::ClickBorrar() {
    if (Proceso_Largo) return;
    if (!BBorrar.Visible || !BBorrar.Enabled || !PTeclasNum.Visible) return;
    BBorrarClick();
}

void TFormPrincipal::ClickMicro(int d) {
    if (Proceso_Largo || d < 1 || d > 9) return;
    const Control& t = PT[static_cast<std::size_t>(d - 1)];
    if (!PMicroTeclas.Visible || !t.Visible || !t.Enabled || !PanelJuego.Enabled) return;
    PTClick(d);
}

void TFormPrincipal::ClickMicroBorrar() {
    if (Proceso_Largo) return;
    if (!PMicroTeclas.Visible || !PTBorrar.Visible || !PTBorrar.Enabled || !PanelJuego.Enabled) return;
    PTBorrarClick();
}

void TFormPrincipal::ClickAtras() {
    if (Proceso_Largo) return;
    if (!BAtras.Visible || !BAtras.Enabled || !PTeclasNum.Visible) return;
    BAtrasClick();
}

void TFormPrincipal::ClickAdelante() {
    if (Proceso_Largo) return;
    if (!BAdelante.Visible || !BAdelante.Enabled || !PTeclasNum.Visible) return;
    BAdelanteClick();
}

namespace {

void Empujar(Control* c, int d) {
    if (!c) return;
    c->Left += d;
    c->Top += d;
}

}  // namespace

void TFormPrincipal::MouseDown(IdComando id) {
    const Comando* c = BuscarComando(id);
    if (!c || c->Imagen->Presionado) return;
    c->Imagen->Presionado = c->Etiqueta->Presionado = true;
    Empujar(c->Imagen, 1);
    Empujar(c->Etiqueta, 1);
}

void TFormPrincipal::MouseUp(IdComando id) {
    const Comando* c = BuscarComando(id);
    if (!c || !c->Imagen->Presionado) return;
    c->Imagen->Presionado = c->Etiqueta->Presionado = false;
    Empujar(c->Imagen, -1);
    Empujar(c->Etiqueta, -1);
}

void TFormPrincipal::MouseDownTecla(Control& tecla) {
    if (tecla.Presionado) return;
    tecla.Presionado = true;
    Empujar(&tecla, 1);
}

void TFormPrincipal::MouseUpTecla(Control& tecla) {
    if (!tecla.Presionado) return;
    tecla.Presionado = false;
    Empujar(&tecla, -1);
}

void TFormPrincipal::MouseDownMicro(Control& tecla) { MouseDownTecla(tecla); }

void TFormPrincipal::MouseUpMicro(Control& tecla) {
    MouseUpTecla(tecla);
    Casa_MicroTeclas();
}

void TFormPrincipal::Casa_MicroTeclas() {
    static constexpr std::array<std::array<int, 2>, 9> casa{
        {{3, 4}, {18, 4}, {34, 4}, {3, 20}, {18, 20}, {34, 20}, {3, 37}, {18, 37}, {34, 37}}};
    for (std::size_t i = 0; i < 9; ++i) {
        PT[i].Mover(casa[i][0], casa[i][1]);
        PT[i].Presionado = false;
    }
    PTBorrar.Mover(4, 55);
    PTBorrar.Presionado = false;
}

}  // namespace novenario
