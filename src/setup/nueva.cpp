// "Nueva partida": nine cells are seeded at random, the engine completes the
// board, the completed board is kept as the solution, and as many randomly
// drawn cells as the level asks are emptied again; the rest become the givens.
// A seeding the engine cannot complete within 999 steps is dropped silently
// and the whole attempt made again.
//
// The random values come straight from the game's one generator, the same
// one the 10 ms timer advances (its ticks are made up before every draw), so
// games still differ with the moment of the click. An attempt draws, in this
// order:
//   - digits in 0..8, 0 read as 9, until nine distinct seed digits;
//   - the same for the nine distinct seed blocks;
//   - the same for the nine distinct places in those blocks;
// and when the engine completed the board:
//   - cell numbers in 0..80, 0 read as 81, until Paneles_Vacios distinct
//     cells to empty.
// Each list keeps its values in the order they were first drawn.
//
// With "Solución única" on, the cells to empty are drawn the same way, but a
// drawn cell whose emptying would give the board a second solution stays a
// given: it is passed over for good (emptying more cells only adds
// solutions) and the next draw is taken. The drawing ends when the level's
// count of cells is empty or when every cell has been drawn once; then the
// game keeps more givens than its level and the message line says how many.
#include "board/juego.h"
#include "entrada/entrada.h"
#include "exhaustiva/exhaustiva.h"
#include "setup/partida.h"
#include "solver/calcula.h"

namespace novenario {

namespace {

// A fresh draw into one of the random panels, after the timer ticks that
// have passed since the last one.
void Sorteo(Juego& f, Control& panel, std::uint32_t n, const char* en_lugar_de_cero) {
    Timer01_Al_Dia(f);
    panel.Caption = std::to_string(f.Motor.Generador.Random(n));
    if (Trim(panel.Caption) == "0") panel.Caption = en_lugar_de_cero;
}

// Offers the panel's value to the list; only a value the list lacks is taken.
void Ofrece(Juego& f, const Control& panel, std::vector<std::string>& lista, std::size_t ancho) {
    const std::string candidato = Trim(panel.Caption);
    for (const std::string& linea : lista) {
        const bool igual = Trim(linea.substr(0, ancho)) == candidato;
        Bombeo_Largo(f);
        if (igual) return;
    }
    lista.push_back(candidato);
    f.Motor.Contador_Lista += 1;
}

void Llena_Lista(Juego& f, Control& panel, std::uint32_t n, const char* en_lugar_de_cero,
                 void (*ofrecer)(Juego&), std::vector<std::string>& lista, int objetivo) {
    lista.clear();
    f.Motor.Contador_Lista = 0;
    while (f.Motor.Contador_Lista < objetivo) {
        Sorteo(f, panel, n, en_lugar_de_cero);
        if (!Trim(panel.Caption).empty()) ofrecer(f);
        Bombeo_Largo(f);
    }
}

// The cells to empty for a single-solution game: RBorroPaneles as
// Repetido_Borrar builds it, from the same draws, less the cells that would
// open a second solution. The board is complete when this runs.
void Llena_Lista_Unica(Juego& f) {
    std::vector<std::string>& lista = f.Motor.RBorroPaneles;
    lista.clear();
    f.Motor.Contador_Lista = 0;
    // The board in grid reading order, and where each cell number lies in it.
    Rejilla tablero{};
    std::array<int, NumCeldas> en_rejilla{};
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i) {
        const std::string& v = f.Paneles[orden[i]].Caption;
        tablero[i] = v.size() == 1 && v[0] >= '1' && v[0] <= '9' ? static_cast<std::uint8_t>(v[0] - '0') : 0;
        en_rejilla[static_cast<std::size_t>(orden[i])] = static_cast<int>(i);
    }
    std::array<bool, NumCeldas> sorteada{};
    int sorteadas = 0;
    while (f.Motor.Contador_Lista < f.Variables.Paneles_Vacios && sorteadas < NumCeldas) {
        Sorteo(f, f.Motor.PBorro, 81, "81");
        const std::string candidato = Trim(f.Motor.PBorro.Caption);
        int n = 0;
        for (char ch : candidato) n = ch >= '0' && ch <= '9' && n <= NumCeldas ? n * 10 + (ch - '0') : -1;
        if (n >= 1 && n <= NumCeldas && !sorteada[static_cast<std::size_t>(n - 1)]) {
            sorteada[static_cast<std::size_t>(n - 1)] = true;
            ++sorteadas;
            std::uint8_t& celda = tablero[static_cast<std::size_t>(en_rejilla[static_cast<std::size_t>(n - 1)])];
            const std::uint8_t valor = celda;
            celda = 0;
            if (ContarSoluciones(tablero, 2) == 1) {
                lista.push_back(candidato);
                f.Motor.Contador_Lista += 1;
            } else {
                celda = valor;
            }
        }
        Bombeo_Largo(f);
    }
}

}  // namespace

namespace {

// One attempt at a new game: an empty board seeded with nine distinct digits
// in nine distinct blocks and places, solved by the engine without showing
// it; when it solves, the solution is kept and the level's count of cells
// emptied. Repetir_Partida tells whether another attempt is needed.
void Un_Intento(Juego& f) {
    ++f.Motor.Intentos_Partida;
    BBorraTodoClick(f);
    f.Ent.ProcessMessages();
    Llena_Lista(f, f.Motor.PNumero, 9, "9", &Repetido_Numero, f.Motor.RBienNumeros, 9);
    Llena_Lista(f, f.Motor.PPanel, 9, "9", &Repetido_Paneles, f.Motor.RBienPaneles, 9);
    Llena_Lista(f, f.Motor.PPosicion, 9, "9", &Repetido_Posicion, f.Motor.RBienPosicion, 9);

    // Nine different digits in nine different blocks at nine different
    // places: no two seeds can break a rule.
    for (std::size_t i = 0; i < 9; ++i) {
        f.Variables.Numero_Activo = f.Motor.RBienNumeros[i].substr(0, 1);
        f.Variables.Panel_Activo = "P" + f.Motor.RBienPaneles[i].substr(0, 1) + "_" + f.Motor.RBienPosicion[i].substr(0, 1);
        Modifica_Panel(f);
        Bombeo_Largo(f);
    }

    f.Motor.Ver_Proceso = Bandera::N;
    BRellena2Click(f);
    f.Ent.ProcessMessages();
    f.Motor.Repetir_Partida = f.Motor.Fallo_Calculo == Bandera::S ? Bandera::S : Bandera::N;
    if (f.Motor.Repetir_Partida == Bandera::N) {
        if (f.Variables.Solucion_Unica)
            Llena_Lista_Unica(f);
        else
            Llena_Lista(f, f.Motor.PBorro, 81, "81", &Repetido_Borrar, f.Motor.RBorroPaneles,
                        f.Variables.Paneles_Vacios);
    }
    f.Partida.EPartida.clear();
    for (int c = 0; c < NumCeldas; ++c) f.Partida.EPartida += f.Paneles[c].Caption;
    if (f.Motor.Repetir_Partida == Bandera::N) {
        for (const std::string& linea : f.Motor.RBorroPaneles) {
            const std::string numero = Trim(linea.substr(0, 2));
            int n = 0;
            for (char ch : numero) n = n * 10 + (ch - '0');
            f.Variables.Panel_Activo = tablero::Nombre(n - 1);
            Limpia_Campo(f);
        }
    }
    f.Ent.ProcessMessages();
}

}  // namespace

void Repetido_Numero(Juego& f) { Ofrece(f, f.Motor.PNumero, f.Motor.RBienNumeros, 1); }
void Repetido_Paneles(Juego& f) { Ofrece(f, f.Motor.PPanel, f.Motor.RBienPaneles, 1); }
void Repetido_Posicion(Juego& f) { Ofrece(f, f.Motor.PPosicion, f.Motor.RBienPosicion, 1); }
void Repetido_Borrar(Juego& f) { Ofrece(f, f.Motor.PBorro, f.Motor.RBorroPaneles, 2); }

void BNuevaPartida2Click(Juego& f) {
    Empieza_Proceso_Largo(f);
    f.Ent.ProcessMessages();
    f.Ventana.PError.Hide();
    f.Ventana.LTeclasCarga.Caption.clear();
    f.Variables.LBPanel.clear();
    f.Ventana.PFichero.Caption = "Fichero";
    f.Ventana.PContador_Jug.Caption = "0";
    Teclas_EnableNO(f);
    f.Motor.Creando_Partida = Bandera::S;
    f.Ventana.PNoVerProceso.Show();
    f.Ventana.PTeclasNum.Hide();
    f.Ventana.PTeclasCarga.Show();
    f.Motor.Repetir_Partida = Bandera::S;
    f.Partida.EPartida.clear();
    f.Motor.Limite_Pasos = 999;
    f.Variables.Reloj_Activo = Bandera::N;
    Reinicia_Reloj(f);
    Ejecuta_Trabajo(f, "Color Blanco");
    Ejecuta_Trabajo(f, "Libera Paneles");
    f.Ent.ProcessMessages();

    f.Motor.Intentos_Partida = 0;
    while (f.Motor.Repetir_Partida == Bandera::S) Un_Intento(f);

    f.Ventana.LBReloj.Caption = "&Reloj Si";
    f.Ent.ProcessMessages();
    Ejecuta_Trabajo(f, "Bloquea Paneles");
    f.Ventana.PNoVerProceso.Hide();
    Teclas_EnableSI(f);
    Pausa_Y_Cancelar(f, false);
    f.Variables.Reloj_Activo = Bandera::S;
    f.Motor.Limite_Pasos = f.Motor.Limite_Normal;
    f.Ent.ProcessMessages();
    Disponibles(f);
    Busca_Libre(f);
    Paneles_Libres(f);
    f.Ventana.PContador_Jug.Caption = "0";
    f.Ventana.PMensaje.Caption = "Partida creada";
    // A single-solution game that could not empty the level's count of cells.
    const auto vacias = static_cast<int>(f.Motor.RBorroPaneles.size());
    if (f.Variables.Solucion_Unica && vacias < f.Variables.Paneles_Vacios)
        f.Ventana.PMensaje.Caption = "Solución única: " + std::to_string(NumCeldas - vacias) + " pistas de 81";
    f.Motor.Creando_Partida = Bandera::N;
    f.Ventana.PTeclasCarga.Hide();
    f.Ventana.PTeclasNum.Show();
    f.Ventana.Shape1.Visible = f.Variables.Pista_Activa != Bandera::N;
    if (f.Variables.Ayuda_Activa == Bandera::N && f.Variables.Pista_Activa == Bandera::N) f.Ventana.Led1.Value = false;
    f.Ventana.BAtras.Enabled = false;
    f.Ventana.BAdelante.Enabled = false;
    f.Variables.Posicion_Lista = 0;
    f.Variables.Proceso_Largo = false;
    f.Ent.ProcessMessages();
}

}  // namespace novenario
