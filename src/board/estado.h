// What the game holds, in named parts. There is one game, `Juego`; every
// routine of the game works on it or on the parts it names:
//
//   Paneles    the board: the 81 cells (board/tablero.h);
//   Variables  the program-wide variables: the selected cell, the digit being
//              entered, the flags of the switches, the clock, the move list
//              and the hidden lists the routines use as scratch;
//   Ventana    the window model: the state of every control of the main
//              window (caption, colour, position, shown, enabled), which the
//              view draws and nothing else;
//   Motor      the engine's and the generator's own variables: the search's
//              counters, the step limits, the random source and its panels;
//   Partida    the saved-game variables: the solution, the level and the lines
//              that travel to and from a file;
//   Ent        the outside world (board/entorno.h).
//
// The names are those of the original program's controls and variables
// (Panel_Activo, PMensaje, EPartida ...); only the part they live in is new.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "board/aleatorio.h"
#include "board/bandera.h"
#include "board/controles.h"
#include "board/entorno.h"
#include "board/tablero.h"

namespace novenario {

class Busqueda;
// The assistance's work started ahead (the ayuda folder's own).
struct Adelanto;

struct VariablesJuego {
    // The selection and the entry under way.
    std::string Panel_Activo;
    std::string Numero_Activo;
    std::string Valor_Anterior;
    std::string Valor_Guardado;
    std::string Panel_Libre;
    // The group checks.
    Bandera Hay_Error = Bandera::Nada;
    std::array<std::string, 9> Casillas_Grupo{};
    std::string Grupo_Error;
    // The command forms run the routine whose name is written here.
    std::string Orden_Trabajo;
    // Answers of the dialogs.
    std::string Respuesta_Inicio;   // " " before the start window, then "S" or "N"
    Bandera Respuesta_Salir = Bandera::Nada;
    Bandera Nivel_Aceptado = Bandera::Nada;
    // The clock.
    Bandera Reloj_Activo = Bandera::Nada;
    long long Segundos = 0, Minutos = 0, Horas = 0;
    // The move list, oldest first, and where the history stands in it.
    std::vector<std::string> LBPanel;
    int Posicion_Lista = 0;
    std::string Panel_Historia;
    std::string Valor_Historia;
    // The level, the switches and the state of the game.
    int Nivel = 0;
    int Paneles_Vacios = 0;
    // "Solución única" of the level dialog: new games keep only givens that
    // leave one solution. Off at start; it lasts for the run and no file
    // holds it.
    bool Solucion_Unica = false;
    Bandera Partida_Terminada = Bandera::Nada;
    Bandera Ayuda_Activa = Bandera::Nada;
    Bandera Pista_Activa = Bandera::Nada;
    Bandera Micro_Activo = Bandera::Nada;  // "N" means the micro keypad is on
    // True while "Calcula" or "Nueva partida" runs: then only "Pausa",
    // "Cancelar" and the close box reach the game, so nothing can change the
    // board under the search.
    bool Proceso_Largo = false;
    // Scratch of the candidate pass.
    std::string No_Dis = "No_Dis", Si_Dis = "Si_Dis";
    std::vector<std::string> CColoca, CSalidaAux;
    // The keyboard's hidden input box: the character of the key being handled.
    std::string Posicion_Cur;
};

// The commands of the main window, each an image button with a label on top
// and an off-screen accelerator button.
enum class IdComando {
    Salvar, Cargar, Ayuda, Acerca, Reloj, NuevaPartida, DejarRojos, Solucion, Rellena,
    BorraTodo, Imprimir, Nivel, VerTeclas, VerPista, MicroTeclas, Pausa, PararProceso, Salir
};

struct ModeloVentana {
    ModeloVentana();

    // The size of the window's inside, which the view takes.
    int ClientWidth = 825, ClientHeight = 535;
    std::string Caption;
    Control PanelJuego{"PanelJuego"};        // the board panel
    Control PNoVerProceso{"PNoVerProceso"};  // covers the board while a new game is built
    Control BlinkLabel1{"BlinkLabel1"};      // "Creando nueva partida" on the cover
    Control Image1{"Image1"}, PFichero{"PFichero"};
    Control PError{"PError"};
    Control PMensaje{"PMensaje"};
    Control Shape1{"Shape1"};                // the hint bar
    Control PTeclasNum{"PTeclasNum"}, PTeclasCarga{"PTeclasCarga"}, LTeclasCarga{"LTeclasCarga"};
    std::array<Control, 9> B{Control{"B1"}, Control{"B2"}, Control{"B3"}, Control{"B4"}, Control{"B5"},
                             Control{"B6"}, Control{"B7"}, Control{"B8"}, Control{"B9"}};
    Control BAtras{"BAtras"}, BBorrar{"BBorrar"}, BAdelante{"BAdelante"};
    Control PMicroTeclas{"PMicroTeclas"};
    std::array<Control, 9> PT{Control{"PT1"}, Control{"PT2"}, Control{"PT3"}, Control{"PT4"}, Control{"PT5"},
                              Control{"PT6"}, Control{"PT7"}, Control{"PT8"}, Control{"PT9"}};
    Control PTBorrar{"PTBorrar"};
    Control PMenti{"PMenti"}, PAux{"PAux"};
    Control LPHor{"LPHor"}, LPMin{"LPMin"}, LPseg{"LPseg"}, LSeparador1{"LSeparador1"}, LSeparador2{"LSeparador2"};
    Control PContador_Jug{"PContador_Jug"};
    Lampara Led1;
    std::array<std::string, 4> StatusBar1{};
    static constexpr std::array<int, 4> AnchoPanelesEstado{200, 200, 300, 180};

    // Commands: image and label.
    Control BSalvar{"BSalvar"}, LBSalvar{"LBSalvar"}, BCargar{"BCargar"}, LBCargar{"LBCargar"};
    Control BAyuda{"BAyuda"}, LBAyuda{"LBAyuda"}, BAcerca{"BAcerca"}, LBAcerca{"LBAcerca"};
    Control BReloj{"BReloj"}, LBReloj{"LBReloj"}, BNuevaPartida{"BNuevaPartida"}, LBNuevaPartida{"LBNuevaPartida"};
    Control BDejarRojos{"BDejarRojos"}, LBDejarRojos{"LBDejarRojos"}, BSolucion{"BSolucion"}, LBSolucion{"LBSolucion"};
    Control BRellena{"BRellena"}, LBRellena{"LBRellena"}, BBorraTodo{"BBorraTodo"}, LBBorraTodo{"LBBorraTodo"};
    Control BImprimir{"BImprimir"}, LBImprimir{"LBImprimir"}, BNivel{"BNivel"}, LBNivel{"LBNivel"};
    Control BVerTeclas{"BVerTeclas"}, LBVerTeclas{"LBVerTeclas"}, BVerPista{"BVerPista"}, LBVerPista{"LBVerPista"};
    Control BMicroTeclas{"BMicroTeclas"}, LBMicroTeclas{"LBMicroTeclas"}, BPausa{"BPausa"}, LBPausa{"LBPausa"};
    Control BPararProceso{"BPararProceso"}, LBPararProceso{"LBPararProceso"}, BSalir{"BSalir"}, LBSalir{"LBSalir"};
    // Off-screen accelerator buttons, in their two rows.
    Control PTeclas{"PTeclas"}, BitBtn1{"BitBtn1"}, BitBtn3{"BitBtn3"}, BitBtn4{"BitBtn4"}, BitBtn5{"BitBtn5"};
    Control BitBtn6{"BitBtn6"}, BitBtn7{"BitBtn7"}, BitBtn8{"BitBtn8"}, BitBtn10{"BitBtn10"};
    Control BitBtn11{"BitBtn11"}, BitBtn12{"BitBtn12"}, BitBtn13{"BitBtn13"}, BitBtn14{"BitBtn14"}, BitBtn15{"BitBtn15"};
    Control Panel1{"Panel1"}, LBDejarRojosR{"LBDejarRojosR"}, LBSolucionR{"LBSolucionR"}, LBpausaR{"LBpausaR"};
    Control LBVerPistasR{"LBVerPistasR"}, LBPararProcesoR{"LBPararProcesoR"};

    // What Teclas_EnableNO and Teclas_EnableSI switch, in their order.
    std::vector<Control*> Teclas_Largas;

    ModeloVentana(const ModeloVentana&) = delete;
    ModeloVentana& operator=(const ModeloVentana&) = delete;

private:
    // The first layout, area by area (board/ventana.cpp).
    void Disenar_Tablero();
    void Disenar_Teclado();
    void Disenar_Comandos();
    void Disenar_Aceleradores();
};

// The micro keypad's keys back at their home positions.
void Casa_MicroTeclas(ModeloVentana& v);

struct VariablesMotor {
    VariablesMotor();

    int Limite_Normal = 0, Limite_Pasos = 0;
    // The search, as the game's copy of it after every pump.
    int Numero_Prueba = 0;
    int Indice_Panel = 0;
    int Total_Paneles = 0;
    Bandera Encontrado = Bandera::Nada;
    long long Pasos = 0;
    Bandera Fallo_Calculo = Bandera::Nada;
    Bandera Ver_Proceso = Bandera::Nada;  // only "N" keeps the search from pumping after each step
    Bandera Hay_Cambios = Bandera::Nada;
    std::vector<std::string> ComboAux, ComboAuxNum;
    std::string EditComodin;
    std::string Resultado_Calculo;        // "SS" no solution, "ST" out of steps
    std::string Mensaje_Calculo;          // what the last run wrote on the message line at its end
    Busqueda* Busqueda_En_Curso = nullptr;  // the search under way, for "Cancelar"
    // The generator.
    Bandera Creando_Partida = Bandera::Nada;
    Bandera Repetir_Partida = Bandera::Nada;
    int Contador_Lista = 0;
    int Intentos_Partida = 0;             // attempts the last new game took
    std::vector<std::string> RBienNumeros, RBienPaneles, RBienPosicion, RBorroPaneles;
    // The random source and its four hidden panels, caption "00" at start.
    // The 10 ms timer is not run: its ticks are worked out when the panels
    // are read, one for every 10 ms since the game began, each drawn as the
    // timer would have drawn it; so an idle game does not wake a hundred
    // times a second.
    Aleatorio Generador;
    Control PNumero{"PNumero"}, PPanel{"PPanel"}, PPosicion{"PPosicion"}, PBorro{"PBorro"};
    long long Inicio_Timer01 = 0;  // the outside's clock when the game began
    long long Tics_Timer01 = 0;    // ticks drawn so far
};

struct VariablesPartida {
    std::string EPartida;               // the solution: 81 digits in name order, or ""
    std::string ENivel_Juego;           // the level a saved game carries
    std::string ESalvarPartida;         // the board line being written or read
    std::vector<std::string> MSalida1, MEntrada1;  // the lines to and from the file
    Bandera Hay_Fijos = Bandera::Nada;  // the file being loaded has fixed cells
    // The game as it stood when long work began ("Calcula", "Nueva partida"):
    // while that work runs the board is the search's, or a new game's under
    // the cover, so this is the game kept should the program end meanwhile.
    struct Foto {
        bool Hay = false;
        Tablero Paneles;
        std::string LPHor, LPMin, LPseg, EPartida;
        int Nivel = 0;
        std::vector<std::string> LBPanel;
    } Antes_Del_Proceso;
    // The game in progress has been kept on the way out (the exit confirmed).
    bool Ultima_Guardada = false;
    // The rating line of the game in play ("Dificultad de la partida: ...")
    // and the given cells it was worked out for: rating a puzzle may take a
    // while, so a game is rated once.
    std::string Calificada, Dificultad;
    // What the assistance works out ahead, in the background, while the
    // player thinks (the rating, the next step): its own, kept here with
    // the game it belongs to.
    std::shared_ptr<Adelanto> Adelantado;
};

struct Juego {
    explicit Juego(Entorno& entorno) : Ent(entorno) {}
    Juego(const Juego&) = delete;
    Juego& operator=(const Juego&) = delete;

    Tablero Paneles;
    VariablesJuego Variables;
    ModeloVentana Ventana;
    VariablesMotor Motor;
    VariablesPartida Partida;
    Entorno& Ent;
    // What the confirmed exit does before the program is told to end (the
    // main window keeps the game in progress there).
    std::function<void()> Antes_De_Terminar;
};

// Blanks (and other characters below the space) removed at both ends.
std::string Trim(const std::string& s);

}  // namespace novenario
