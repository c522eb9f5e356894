// The main window as the game knows it: its commands, its start, and the
// guarded entries the window reaches.
#include "mando/principal.h"

#include "board/juego.h"
#include "ayuda/ayuda.h"
#include "entrada/entrada.h"
#include "print/imprimir.h"
#include "savegame/partidas.h"
#include "setup/partida.h"
#include "solver/calcula.h"

namespace novenario {

TFormPrincipal::TFormPrincipal(Entorno& entorno) : Juego(entorno) {
    Motor.Inicio_Timer01 = Ent.Milisegundos();
    Enlazar_Comandos();
    // The confirmed exit keeps the game in progress; a run of "Calcula" under
    // way unwinds as "Cancelar" makes it, so that the program can end (a new
    // game being made is done in a moment).
    Antes_De_Terminar = [this] {
        Guarda_Ultima(*this);
        Partida.Ultima_Guardada = true;
        if (Variables.Proceso_Largo && Motor.Creando_Partida != Bandera::S) BPararProceso2Click(*this);
    };
}

// The one table of the commands: which controls make each one, its handler,
// and the desktop shortcut it has beside its Alt letter.
void TFormPrincipal::Enlazar_Comandos() {
    ModeloVentana& v = Ventana;
    Comandos = {
        {IdComando::NuevaPartida, &v.BNuevaPartida, &v.LBNuevaPartida, &v.BitBtn7, &v.PTeclas, false, BNuevaPartida2Click, "Ctrl+N"},
        {IdComando::Nivel, &v.BNivel, &v.LBNivel, &v.BitBtn13, &v.PTeclas, false, BNivel2Click, nullptr},
        {IdComando::DejarRojos, &v.BDejarRojos, &v.LBDejarRojos, &v.LBDejarRojosR, &v.Panel1, false, BDejarRojos2Click, nullptr},
        {IdComando::BorraTodo, &v.BBorraTodo, &v.LBBorraTodo, &v.BitBtn11, &v.PTeclas, false, BBorraTodoClick, nullptr},
        {IdComando::Rellena, &v.BRellena, &v.LBRellena, &v.BitBtn10, &v.PTeclas, false, BRellena2Click, nullptr},
        {IdComando::Solucion, &v.BSolucion, &v.LBSolucion, &v.LBSolucionR, &v.Panel1, false, BSolucion2Click, nullptr},
        {IdComando::Pausa, &v.BPausa, &v.LBPausa, &v.LBpausaR, &v.Panel1, false, BPausa2Click, nullptr},
        {IdComando::PararProceso, &v.BPararProceso, &v.LBPararProceso, &v.LBPararProcesoR, &v.Panel1, false, BPararProceso2Click, nullptr},
        {IdComando::VerTeclas, &v.BVerTeclas, &v.LBVerTeclas, &v.BitBtn14, &v.PTeclas, true, BVerTeclasClick, nullptr},
        {IdComando::VerPista, &v.BVerPista, &v.LBVerPista, &v.LBVerPistasR, &v.Panel1, true, BPistaClick, nullptr},
        {IdComando::MicroTeclas, &v.BMicroTeclas, &v.LBMicroTeclas, &v.BitBtn15, &v.PTeclas, true, BMicroTeclas2Click, nullptr},
        {IdComando::Reloj, &v.BReloj, &v.LBReloj, &v.BitBtn6, &v.PTeclas, true, BReloj2Click, nullptr},
        {IdComando::Ayuda, &v.BAyuda, &v.LBAyuda, &v.BitBtn4, &v.PTeclas, false, BAyuda2Click, "F1"},
        {IdComando::Acerca, &v.BAcerca, &v.LBAcerca, &v.BitBtn5, &v.PTeclas, false, BAcerca2Click, nullptr},
        {IdComando::Salvar, &v.BSalvar, &v.LBSalvar, &v.BitBtn1, &v.PTeclas, false, BSalvar2Click, "Ctrl+S"},
        {IdComando::Cargar, &v.BCargar, &v.LBCargar, &v.BitBtn3, &v.PTeclas, false, BCargar2Click, "Ctrl+O"},
        {IdComando::Imprimir, &v.BImprimir, &v.LBImprimir, &v.BitBtn12, &v.PTeclas, false, BImprimir2Click, "Ctrl+P"},
        {IdComando::Salir, &v.BSalir, &v.LBSalir, &v.BitBtn8, &v.PTeclas, false, BSalir2Click, "Ctrl+Q"},
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
    Variables.Respuesta_Inicio = " ";
    {
        FormaModal inicio = Forma(FormaModal::Tipo::Inicio, TituloAplicacion, 329, 178, -1, -1);
        inicio.Botones = {
            {"&Aceptar", Negro, [this, &inicio] { Variables.Respuesta_Inicio = "S"; inicio.Cerrada = true; }},
            {"&Cancelar", Granate, [this, &inicio] { Variables.Respuesta_Inicio = "N"; inicio.Cerrada = true; }},
        };
        inicio.AlCerrar = [this] {
            if (Variables.Respuesta_Inicio == " ") Variables.Respuesta_Inicio = "N";
        };
        Ent.MostrarModal(inicio);
    }
    if (Variables.Respuesta_Inicio == "N") {
        Ent.Terminar(1);
        return false;
    }

    Ventana.ClientWidth = 825;
    Ventana.ClientHeight = 535;
    Ventana.PNoVerProceso.Colocar(2, 2, 639, 395);
    Motor.Limite_Normal = LimitePasos;
    Motor.Limite_Pasos = LimitePasos;
    Motor.Creando_Partida = Bandera::N;
    Variables.Nivel = 3;
    Variables.Paneles_Vacios = 41;
    Ventana.PTeclasCarga.Mover(Ventana.PTeclasNum.Left, Ventana.PTeclasNum.Top);
    Variables.Partida_Terminada = Bandera::N;
    Variables.LBPanel.clear();
    Variables.Ayuda_Activa = Bandera::N;
    Variables.Pista_Activa = Bandera::N;
    BVerTeclasClick(*this);
    BVerTeclasClick(*this);
    Ventana.Led1.Value = false;
    Variables.Posicion_Lista = 0;
    PClick(*this, tablero::Indice("P1_1"));
    Ent.ProcessMessages();
    return true;
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
    return Variables.Proceso_Largo && id != IdComando::Pausa && id != IdComando::PararProceso;
}

void TFormPrincipal::Ejecutar(IdComando id, Origen origen) {
    if (Bloqueado(id) || !Activo(id, origen)) return;
    BuscarComando(id)->Handler(*this);
}

bool TFormPrincipal::Acelerar(char letra) {
    if (letra >= 'a' && letra <= 'z') letra = static_cast<char>(letra - 'a' + 'A');
    for (const Comando& c : Comandos) {
        if (LetraAcelerador(c.Acelerador->Caption) == letra && !Bloqueado(c.Id) &&
            Activo(c.Id, Origen::Acelerador)) {
            c.Handler(*this);
            return true;
        }
    }
    return false;
}

void TFormPrincipal::Tecla(int codigo, const std::string& caracter) {
    if (Variables.Proceso_Largo) return;
    Posicion_CurKeyDown(*this, codigo, caracter);
}

void TFormPrincipal::ClickCelda(int c) {
    if (Variables.Proceso_Largo) return;
    if (c < 0 || c >= NumCeldas || !Ventana.PanelJuego.Enabled || !Paneles[c].Enabled) return;
    PClick(*this, c);
}

void TFormPrincipal::ClickNumero(int d) {
    if (Variables.Proceso_Largo || d < 1 || d > 9) return;
    const Control& b = Ventana.B[static_cast<std::size_t>(d - 1)];
    if (!b.Visible || !b.Enabled || !Ventana.PTeclasNum.Visible) return;
    BClick(*this, d);
}

void TFormPrincipal::ClickBorrar() {
    if (Variables.Proceso_Largo) return;
    if (!Ventana.BBorrar.Visible || !Ventana.BBorrar.Enabled || !Ventana.PTeclasNum.Visible) return;
    BBorrarClick(*this);
}

void TFormPrincipal::ClickMicro(int d) {
    if (Variables.Proceso_Largo || d < 1 || d > 9) return;
    const Control& t = Ventana.PT[static_cast<std::size_t>(d - 1)];
    if (!Ventana.PMicroTeclas.Visible || !t.Visible || !t.Enabled || !Ventana.PanelJuego.Enabled) return;
    PTClick(*this, d);
}

void TFormPrincipal::ClickMicroBorrar() {
    if (Variables.Proceso_Largo) return;
    if (!Ventana.PMicroTeclas.Visible || !Ventana.PTBorrar.Visible || !Ventana.PTBorrar.Enabled || !Ventana.PanelJuego.Enabled) return;
    PTBorrarClick(*this);
}

void TFormPrincipal::ClickAtras() {
    if (Variables.Proceso_Largo) return;
    if (!Ventana.BAtras.Visible || !Ventana.BAtras.Enabled || !Ventana.PTeclasNum.Visible) return;
    BAtrasClick(*this);
}

void TFormPrincipal::ClickAdelante() {
    if (Variables.Proceso_Largo) return;
    if (!Ventana.BAdelante.Visible || !Ventana.BAdelante.Enabled || !Ventana.PTeclasNum.Visible) return;
    BAdelanteClick(*this);
}

bool TFormPrincipal::Siguiente_Disponible() const { return novenario::Siguiente_Disponible(*this); }

void TFormPrincipal::SiguientePaso() {
    if (Siguiente_Disponible()) Siguiente_Paso(*this);
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
    Casa_MicroTeclas(Ventana);
}

}  // namespace novenario
