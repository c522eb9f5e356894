// The main window of the game as the game itself knows it: the board, the
// program-wide variables, the hidden lists, the state of every visible
// control, and every handler and routine. The Qt window draws this state and
// forwards clicks and keys to the handlers; tests drive it directly.
//
// Handlers carry the names of the controls and events they answer
// (B1Click, BSalir2Click, Timer01Timer); routines are named after what they
// do, with words joined by "_" (Valida_Bloque, Busca_Libre). Routines take no
// arguments and work on the shared state: the selected cell is named by
// Panel_Activo, the digit being entered is Numero_Activo.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "board/bandera.h"
#include "board/controles.h"
#include "board/entorno.h"
#include "board/tablero.h"
#include "setup/aleatorio.h"

namespace novenario {

// The commands of the main window, each an image button with a label on top
// and an off-screen accelerator button.
enum class IdComando {
    Salvar, Cargar, Ayuda, Acerca, Reloj, NuevaPartida, DejarRojos, Solucion, Rellena,
    BorraTodo, Imprimir, Nivel, VerTeclas, VerPista, MicroTeclas, Pausa, PararProceso, Salir
};

// Which part of a command was clicked.
enum class Origen { Imagen, Etiqueta, Acelerador };

class TFormPrincipal;
class Busqueda;
using Rutina = void (TFormPrincipal::*)();

struct Comando {
    IdComando Id;
    Control* Imagen;
    Control* Etiqueta;
    Control* Acelerador;      // the off-screen push button with the Alt letter
    Control* FilaAcelerador;  // its row: PTeclas or Panel1
    bool DobleClic;           // a double click runs the handler again (the switches)
    Rutina Handler;
};

class TFormPrincipal {
public:
    explicit TFormPrincipal(Entorno& entorno);
    TFormPrincipal(const TFormPrincipal&) = delete;
    TFormPrincipal& operator=(const TFormPrincipal&) = delete;

    Entorno& Ent() { return entorno_; }

    // ---- Board ---------------------------------------------------------
    Tablero Paneles;

    // ---- Program-wide variables ----------------------------------------
    std::string Panel_Activo;
    std::string Numero_Activo;
    std::string Valor_Anterior;
    Bandera Hay_Error = Bandera::Nada;
    std::array<std::string, 9> Casillas_Grupo{};
    std::string Valor_Guardado;
    std::string Orden_Trabajo;
    Bandera Respuesta_Salir = Bandera::Nada;
    Bandera Reloj_Activo = Bandera::Nada;
    long long Segundos = 0, Minutos = 0, Horas = 0;
    int Posicion_Lista = 0;
    std::string Panel_Historia;
    std::string Valor_Historia;

    // ---- Variables of the main window -----------------------------------
    std::string Respuesta_Inicio;   // " " before the start window, then "S" or "N"
    int Nivel = 0;
    int Paneles_Vacios = 0;
    Bandera Partida_Terminada = Bandera::Nada;
    Bandera Nivel_Aceptado = Bandera::Nada;
    int Limite_Normal = 0, Limite_Pasos = 0;
    std::string Panel_Libre;
    std::string Resultado_Calculo;
    Bandera Ayuda_Activa = Bandera::Nada;
    Bandera Pista_Activa = Bandera::Nada;
    std::string Grupo_Error;
    Bandera Micro_Activo = Bandera::Nada;  // "N" means the micro keypad is on
    Bandera Creando_Partida = Bandera::Nada;
    Bandera Hay_Fijos = Bandera::Nada;    // the file being loaded has fixed cells

    // ---- The engine's and the generator's own variables -------------------
    int Numero_Prueba = 0;
    int Indice_Panel = 0;
    int Total_Paneles = 0;
    Bandera Encontrado = Bandera::Nada;
    long long Pasos = 0;
    Bandera Fallo_Calculo = Bandera::Nada;
    Bandera Ver_Proceso = Bandera::Nada;  // only "N" keeps the search from pumping after each step
    Bandera Hay_Cambios = Bandera::Nada;
    int Contador_Lista = 0;
    Bandera Repetir_Partida = Bandera::Nada;
    int Intentos_Partida = 0;             // attempts the last new game took
    std::string Mensaje_Calculo;          // what the last run wrote on the message line at its end
    // True while "Calcula" or "Nueva partida" runs: then only "Pausa",
    // "Cancelar" and the close box reach the game, so nothing can change the
    // board under the search.
    bool Proceso_Largo = false;

    // ---- Hidden lists and texts ----------------------------------------
    std::vector<std::string> LBPanel;  // the move list, oldest first
    std::vector<std::string> RBienNumeros, RBienPaneles, RBienPosicion, RBorroPaneles;
    Control PNumero, PPanel, PPosicion, PBorro;  // the random source, caption "00" at start
    std::string EPartida;               // the solution: 81 digits in name order, or ""
    std::string ESalvarPartida;
    std::vector<std::string> MSalida1, MEntrada1;
    std::string ENivel_Juego;
    std::string No_Dis = "No_Dis", Si_Dis = "Si_Dis";
    std::vector<std::string> CColoca, CSalidaAux;
    std::vector<std::string> ComboAux, ComboAuxNum;
    std::string EditComodin;
    std::string Posicion_Cur, Semaforo = "Semaforo";

    // ---- Visible controls ----------------------------------------------
    int ClientWidth = 0, ClientHeight = 0;
    std::string Caption;
    Control PanelJuego;      // the board panel
    Control PNoVerProceso;   // covers the board while a new game is built
    Control BlinkLabel1;     // "Creando nueva partida" on the cover
    Control Image1, PFichero;
    Control PError;
    Control PMensaje;
    Control Shape1;          // the hint bar
    Control PTeclasNum, PTeclasCarga, LTeclasCarga;
    std::array<Control, 9> B{};  // B1 .. B9
    Control BAtras, BBorrar, BAdelante;
    Control PMicroTeclas;
    std::array<Control, 9> PT{}; // PT1 .. PT9
    Control PTBorrar;
    Control PMenti, PAux;
    Control LPHor, LPMin, LPseg, LSeparador1, LSeparador2;
    Control PContador_Jug;
    Lampara Led1;
    std::array<std::string, 4> StatusBar1{};
    static constexpr std::array<int, 4> AnchoPanelesEstado{200, 200, 300, 180};

    // Commands: image and label.
    Control BSalvar, LBSalvar, BCargar, LBCargar, BAyuda, LBAyuda, BAcerca, LBAcerca;
    Control BReloj, LBReloj, BNuevaPartida, LBNuevaPartida, BDejarRojos, LBDejarRojos;
    Control BSolucion, LBSolucion, BRellena, LBRellena, BBorraTodo, LBBorraTodo;
    Control BImprimir, LBImprimir, BNivel, LBNivel, BVerTeclas, LBVerTeclas;
    Control BVerPista, LBVerPista, BMicroTeclas, LBMicroTeclas, BPausa, LBPausa;
    Control BPararProceso, LBPararProceso, BSalir, LBSalir;
    // Off-screen accelerator buttons, in their two rows.
    Control PTeclas, BitBtn1, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7, BitBtn8, BitBtn10,
        BitBtn11, BitBtn12, BitBtn13, BitBtn14, BitBtn15;
    Control Panel1, LBDejarRojosR, LBSolucionR, LBpausaR, LBVerPistasR, LBPararProcesoR;

    std::vector<Comando> Comandos;  // every command, in the order of the window
    const Comando* BuscarComando(IdComando id) const;

    // ---- Start, timers, dialogs (window and clock) -----------------------
    // Returns false when the player cancelled the start window: the process
    // was told to end and the main window must not be shown.
    bool FormCreate();
    // One tick of the 10 ms timer of the random panels.
    void Timer01Timer();
    // The timer is not run: its ticks are worked out when the panels are
    // read, one tick for every 10 ms since the game began, each drawn as the
    // timer would have drawn it. So the values are those a running timer
    // would leave, and an idle game does not wake a hundred times a second.
    void Timer01_Al_Dia();
    long long Inicio_Timer01 = 0;  // the outside's clock when the game began
    long long Tics_Timer01 = 0;    // ticks drawn so far
    void Timer02Timer();
    void BReloj2Click();
    void BPausa2Click();
    void BSalir2Click();
    void FormClose();
    void Teclas_EnableNO();
    void Teclas_EnableSI();
    void Muestra_FinPartida();   // the end-of-game dialog
    void Reinicia_Reloj();       // clock counters and labels to zero
    void Para_Reloj();           // the clock stops and its switch says so
    static std::string DosCifras(long long n);
    // A pump inside long work: only when the outside says one is due, so a
    // search of a million steps is not slowed by a million repaints.
    void Bombeo_Largo();
    Aleatorio Generador;

    // ---- What the view calls ---------------------------------------------
    // A click on a command part; ignored when that part is disabled.
    void Ejecutar(IdComando id, Origen origen);
    bool Bloqueado(IdComando id) const;
    // A key: see Posicion_CurKeyDown; ignored while long work runs.
    void Tecla(int codigo, const std::string& caracter);
    bool Activo(IdComando id, Origen origen) const;
    // A click on a cell or either of its labels; ignored for disabled cells.
    void ClickCelda(int c);
    // Number pad and micro keypad; ignored when hidden or disabled.
    void ClickNumero(int d);
    void ClickBorrar();
    void ClickMicro(int d);
    void ClickMicroBorrar();
    void ClickAtras();
    void ClickAdelante();
    // Press effect: the image and its label move one pixel right and down
    // while the mouse button is held, and back on release.
    void MouseDown(IdComando id);
    void MouseUp(IdComando id);
    void MouseDownTecla(Control& tecla);
    void MouseUpTecla(Control& tecla);
    void MouseDownMicro(Control& tecla);
    void MouseUpMicro(Control& tecla);
    // An Alt+letter accelerator: the first enabled accelerator button with
    // that letter answers (Pausa and Pista share Alt+P). Returns whether one did.
    bool Acelerar(char letra);
    static char LetraAcelerador(const std::string& caption);

    // ---- Command forms -------------------------------------------------
    void Disponibles();   // the candidate pass, through its command form

    // ---- Validation ----------------------------------------------------
    void Modifica_Panel();
    void Valida_Bloque();
    void Valida_Horizontal();
    void Valida_Vertical();
    void Limpia_Error();
    void Limpia_Campo();
    // Block, then row, then column; the first repeat stops the chain. With
    // con_grupo the group being checked is written into Grupo_Error.
    void Valida_Cadena(bool con_grupo);

    // ---- Selection and entry ---------------------------------------------
    void PClick(int c);         // P1_1Click .. P9_9Click
    void BClick(int d);         // B1Click .. B9Click
    void BBorrarClick();
    void PTClick(int d) { BClick(d); }
    void PTBorrarClick() { BBorrarClick(); }
    void Color_Normal();
    void Color_Verde();
    void Quita_Botones();
    void Busca_Libre();
    void Paneles_Libres();
    void Coloca_MicroTeclas(int c);
    void Casa_MicroTeclas();    // the micro keys back at their home positions

    // ---- Candidates and help -------------------------------------------
    void Pongo_ColorRojo();
    void Panel_Imposible();
    void BVerTeclasClick();
    void BMicroTeclas2Click();
    void BPistaClick();
    void Indica_Dato();

    // ---- Keyboard ------------------------------------------------------
    // A key pressed: its key code (arrows 37 left, 38 up, 39 right, 40 down,
    // 8 backspace, 46 Supr; 0 for any other key) and the character it typed,
    // if any.
    void Posicion_CurKeyDown(int codigo, const std::string& caracter);
    static constexpr int VK_BACK = 8, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_DELETE = 46;

    // ---- Move history --------------------------------------------------
    void BAtrasClick();
    void BAdelanteClick();
    void Reinicia_Historia();   // an empty move list, both steps off

    // ---- Fixed cells and end of game -------------------------------------
    void BDejarRojos2Click();
    void BBorraTodoClick();
    void Desactiva_Solucion();  // "Solución", "Deja fijos" and "Pista" off
    void Activa_Solucion(bool activa);  // the same three on or off

    // ---- Solver ----------------------------------------------------------
    void BRellena2Click();      // "Calcula"
    void BRellenaSinVerClick(); // "Rellena NV": the same without showing the work
    void BLogicaClick();        // the logic phase: single candidates
    void Carga_ComboAux();
    void BSolucion2Click();
    void BPararProceso2Click();
    void Muestra_SinSolucion();
    Control BLogica, BRellenaSinVer;  // never shown

    // ---- New game and level ----------------------------------------------
    void BNuevaPartida2Click();
    void BNivel2Click();
    void Repetido_Numero();
    void Repetido_Paneles();
    void Repetido_Posicion();
    void Repetido_Borrar();
    static int Vacios_De_Nivel(int nivel);   // 21, 31, 41, 46, 51; 0 outside 1-5
    static std::string Texto_Nivel(int nivel);

    // ---- Saved games -------------------------------------------------------
    void BSalvar2Click();
    void BCargar2Click();
    // The load itself, once a file has been chosen ("" when the dialog was
    // cancelled): what "Cargar partida" does after its dialog.
    void Cargar_Fichero(const std::string& nombre);
    // A saved game named from outside the window (the program's command
    // line, a file manager): loaded as "Cargar partida" loads a chosen file;
    // one that is not there is said as one that cannot be read, since no
    // dialog has made sure of it.
    void Abrir_Partida(const std::string& nombre);
    // The mouse over the file name or its picture: the tooltip shows the
    // whole name, which the label may be too narrow for.
    void PFicheroMouseMove();
    void Image1MouseMove();
    static constexpr const char* TituloAplicacion = " Novenario. v.4.0";

    // ---- The help window and the about box ----------------------------------
    void BAyuda2Click();
    void BAcerca2Click();
    static const std::vector<std::string>& Texto_Ayuda();
    void Muestra_Informativa(FormaModal& forma, const char* boton);
    static constexpr const char* DireccionOrvalia = "https://www.orvalia.example/novenario/";

    // ---- Printing ------------------------------------------------------------
    void BImprimir2Click();

private:
    class Bomba_Calcula;
    friend class Bomba_Calcula;
    Busqueda* busqueda_ = nullptr;  // the search under way, for "Cancelar"
    void Disenar();             // initial captions, hints, positions
    void Enlazar_Comandos();
    std::vector<Control*> teclas_largas_;  // what Teclas_EnableNO switches, in order
    Entorno& entorno_;
};

// Blanks (and other characters below the space) removed at both ends.
std::string Trim(const std::string& s);

}  // namespace novenario
