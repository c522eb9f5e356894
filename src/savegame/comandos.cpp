// Saving and loading a game from the main window. The file's bytes are the
// format's business; here are the dialogs, the file-name label, and the order
// in which a load puts the game back: the board emptied, the saved cells, the
// clock counting on from the saved time, the level, the commands that need
// fixed cells, the move list, then the candidates and the maroon marks.
//
// A load reads and checks the whole file before it touches anything, so a
// file that cannot be loaded leaves the game in progress as it was.
#include "board/juego.h"
#include "entrada/entrada.h"
#include "sdk/formato.h"
#include "savegame/partidas.h"
#include "setup/partida.h"

namespace novenario {

namespace {

// Both dialogs look for "*.sdk" files; saving asks before it overwrites one,
// opening wants a file that exists.
DialogoFichero Dialogo(const char* titulo, const char* descripcion, bool salvar) {
    DialogoFichero d;
    d.Titulo = titulo;
    d.Descripcion = descripcion;
    d.Patron = "*.sdk";
    d.Extension = "*.sdk";
    d.ConfirmarSobrescribir = salvar;
    d.DebeExistir = !salvar;
    return d;
}

constexpr const char* ErrorAlSalvar = "Error al Salvar el Fichero";
constexpr const char* TituloErrorSalvar = "Novenario  Error";

// Under "Error al Salvar el Fichero": why, as the system tells it, and that
// what the player had under that name is untouched.
std::string DetalleDelFallo(std::string motivo, bool habia) {
    if (!motivo.empty()) {
        if (motivo[0] >= 'a' && motivo[0] <= 'z') motivo[0] = static_cast<char>(motivo[0] - 'a' + 'A');
        motivo += ". ";
    }
    return motivo + (habia ? "El fichero que había sigue como estaba." : "No se ha escrito nada.");
}

}  // namespace

void BSalvar2Click(Juego& f) {
    f.Ventana.PError.Hide();
    f.Partida.ESalvarPartida.clear();
    f.Partida.MSalida1.clear();
    Ejecuta_Trabajo(f, "Salvar Partida");
    f.Partida.ESalvarPartida += sdk::Cola(f.Partida.EPartida, f.Variables.Nivel);
    f.Partida.MSalida1.push_back(f.Partida.ESalvarPartida);
    f.Partida.MSalida1.insert(f.Partida.MSalida1.end(), f.Variables.LBPanel.begin(), f.Variables.LBPanel.end());

    // A file the game could not load back is not written at all: the player
    // learns it now, not when the game is gone.
    const std::string bytes = sdk::EscribePartida(f.Partida.MSalida1);
    if (const std::string motivo = sdk::NoSePodriaCargar(f.Variables.LBPanel.size(), bytes.size()); !motivo.empty()) {
        f.Ent.MensajeErrorDetalle(ErrorAlSalvar, motivo + " No se ha escrito nada.", TituloErrorSalvar);
        return;
    }

    const std::string nombre = f.Ent.DialogoSalvar(Dialogo(" Novenario.  Salvar Partida.", "Documento ( *.sdk )", true));
    if (nombre.empty()) return;
    const bool habia = f.Ent.ExisteFichero(nombre);
    // The outside writes a temporary file and puts it in place only once it
    // is complete: a failed save leaves the old file as it was.
    if (!f.Ent.EscribirFichero(nombre, bytes)) {
        f.Ent.MensajeErrorDetalle(ErrorAlSalvar, DetalleDelFallo(f.Ent.MotivoEscritura(), habia), TituloErrorSalvar);
        return;
    }
    f.Ventana.PFichero.Caption = " " + nombre;
}

void BCargar2Click(Juego& f) {
    f.Partida.Hay_Fijos = Bandera::N;
    f.Ventana.PError.Hide();
    Cargar_Fichero(f, f.Ent.DialogoAbrir(
        Dialogo(" Novenario.  Abrir fichero  ( Cargar Partida ).", "Partida Novenario ( *.sdk )", false)));
}

void Abrir_Partida(Juego& f, const std::string& nombre) {
    f.Partida.Hay_Fijos = Bandera::N;
    f.Ventana.PError.Hide();
    if (!f.Ent.ExisteFichero(nombre)) {
        f.Ent.MensajeError(sdk::MensajeNoLeido(f.Ent.ExisteNombre(nombre) ? Leido::NoEsFichero : Leido::Ilegible, nombre),
                           TituloAplicacion);
        return;
    }
    Cargar_Fichero(f, nombre);
}

namespace {

// What every load ends with, also when the chosen file turned out not to
// exist: the candidates, the first free cell and the maroon marks.
void Recalcula_Tras_Cargar(Juego& f) {
    Disponibles(f);
    Busca_Libre(f);
    Paneles_Libres(f);
    Pongo_ColorRojo(f);
    f.Ent.ProcessMessages();
}

void Apaga_Pista(Juego& f) {
    f.Ventana.Shape1.Hide();
    f.Variables.Pista_Activa = Bandera::N;
}

// The game of a checked reading put in place of the one in progress: the
// board emptied, the saved cells, the clock counting on from the saved
// time, the level, the commands that need fixed cells, the move list.
void Instala_Partida(Juego& f, sdk::Lectura lectura, const std::string& rotulo) {
    f.Partida.MEntrada1 = std::move(lectura.Lineas);
    f.Ventana.PMenti.Hide();
    BBorraTodoClick(f);
    f.Ventana.PFichero.Caption = rotulo;
    f.Ent.ProcessMessages();
    Ejecuta_Trabajo(f, "Color Blanco");
    Ejecuta_Trabajo(f, "Libera Paneles");
    f.Partida.EPartida.clear();
    f.Partida.ENivel_Juego.clear();
    Ejecuta_Trabajo(f, "Cargar Partida");

    // The clock counts on from the saved time: the integers of the clock
    // labels, which the check of the whole file converted.
    f.Variables.Horas = lectura.Juego.Horas;
    f.Variables.Minutos = lectura.Juego.Minutos;
    f.Variables.Segundos = lectura.Juego.Segundos;
    f.Variables.Reloj_Activo = Bandera::S;

    const std::string nivel = Trim(f.Partida.ENivel_Juego);
    if (nivel.size() == 1 && nivel[0] >= '1' && nivel[0] <= '5') {
        f.Variables.Nivel = nivel[0] - '0';
        f.Ventana.LBNivel.Caption = "Nivel par&Tida " + nivel;
        f.Variables.Paneles_Vacios = Vacios_De_Nivel(f.Variables.Nivel);
    }
    f.Ventana.LBReloj.Caption = "&Reloj Si";
    f.Ent.ProcessMessages();

    Activa_Solucion(f, f.Partida.Hay_Fijos == Bandera::S);
    f.Variables.LBPanel = std::move(lectura.Juego.LBPanel);
    if (!f.Variables.LBPanel.empty()) {
        f.Variables.Posicion_Lista = static_cast<int>(f.Variables.LBPanel.size()) - 1;
        f.Ventana.BAtras.Enabled = true;
    } else {
        f.Ventana.BAtras.Enabled = false;
        f.Ventana.BAdelante.Enabled = false;
        f.Variables.Posicion_Lista = 0;
    }
    Recalcula_Tras_Cargar(f);
}

}  // namespace

void Cargar_Fichero(Juego& f, const std::string& nombre) {
    if (!nombre.empty()) {
        if (f.Ent.ExisteFichero(nombre)) {
            f.Partida.MEntrada1.clear();
            std::string bytes;
            const Leido leido = f.Ent.LeerFichero(nombre, bytes, sdk::MaximoFichero);
            if (leido != Leido::Bien) {
                f.Ent.MensajeError(sdk::MensajeNoLeido(leido, nombre), TituloAplicacion);
                return;
            }
            sdk::Lectura lectura = sdk::LeePartida(bytes);
            if (!lectura.Correcta) {
                f.Ent.MensajeError(lectura.Error, TituloAplicacion);
                return;
            }
            Instala_Partida(f, std::move(lectura), " " + nombre);
        } else if (f.Ent.ExisteNombre(nombre)) {
            // A pipe or a device picked in the dialog: said, and never opened
            // (a pipe would wait for a writer for ever).
            f.Ent.MensajeError(sdk::MensajeNoEsFichero(nombre), TituloAplicacion);
            return;
        } else {
            f.Ventana.PMenti.Hide();
            Recalcula_Tras_Cargar(f);
        }
    }
    Apaga_Pista(f);
}

void Instala_Lectura(Juego& f, sdk::Lectura lectura, const std::string& rotulo) {
    f.Partida.Hay_Fijos = Bandera::N;
    f.Ventana.PError.Hide();
    Instala_Partida(f, std::move(lectura), rotulo);
    Apaga_Pista(f);
}

void Cargar_Tablero(Juego& f, const TableroTexto& rejilla, const std::string& solucion, const std::string& rotulo) {
    f.Partida.Hay_Fijos = Bandera::N;
    f.Ventana.PError.Hide();
    Instala_Partida(f, sdk::LeePartidaDeLineas(Lineas_Importadas(rejilla, solucion, f.Variables.Nivel)), rotulo);
    Apaga_Pista(f);
}

void PFicheroMouseMove(Juego& f) { f.Ventana.PFichero.Hint = " " + f.Ventana.PFichero.Caption + " "; }

void Image1MouseMove(Juego& f) { f.Ventana.Image1.Hint = " " + f.Ventana.PFichero.Caption + " "; }

}  // namespace novenario
