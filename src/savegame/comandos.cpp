// Saving and loading a game from the main window. The file's bytes are the
// format's business; here are the dialogs, the file-name label, and the order
// in which a load puts the game back: the board emptied, the saved cells, the
// clock counting on from the saved time, the level, the commands that need
// fixed cells, the move list, then the candidates and the maroon marks.
//
// A load reads and checks the whole file before it touches anything, so a
// file that cannot be loaded leaves the game in progress as it was.
#include "board/ordenes.h"
#include "savegame/formato.h"

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

}  // namespace

void TFormTrabajo::Salvar_Partida() {
    f_.ESalvarPartida = sdk::LineaTablero(f_.Paneles, f_.LPHor.Caption, f_.LPMin.Caption, f_.LPseg.Caption);
    f_.Ent().ProcessMessages();
}

void TFormTrabajo::Cargar_Partida() {
    f_.Hay_Fijos = Bandera::N;
    const sdk::Partida p =
        sdk::LeeLineaTablero(f_.MEntrada1.empty() ? std::string_view{} : std::string_view{f_.MEntrada1[0]});
    if (sdk::AplicaTablero(p, f_.Paneles)) f_.Hay_Fijos = Bandera::S;
    f_.LPHor.Caption = p.LPHor;
    f_.LPMin.Caption = p.LPMin;
    f_.LPseg.Caption = p.LPseg;
    f_.EPartida = p.EPartida;
    f_.ENivel_Juego = p.ENivel_Juego;
    f_.Ent().ProcessMessages();
}

void TFormPrincipal::BSalvar2Click() {
    PError.Hide();
    ESalvarPartida.clear();
    MSalida1.clear();
    Ejecuta_Trabajo(*this, "Salvar Partida");
    ESalvarPartida += sdk::Cola(EPartida, Nivel);
    MSalida1.push_back(ESalvarPartida);
    MSalida1.insert(MSalida1.end(), LBPanel.begin(), LBPanel.end());

    const std::string nombre = entorno_.DialogoSalvar(Dialogo(" Novenario.  Salvar Partida.", "Documento ( *.sdk )", true));
    if (nombre.empty()) return;
    // The outside writes a temporary file and puts it in place only once it
    // is complete: a failed save leaves the old file as it was.
    if (!entorno_.EscribirFichero(nombre, sdk::EscribePartida(MSalida1))) {
        entorno_.MensajeError("Error al Salvar el Fichero", "Novenario  Error");
        return;
    }
    PFichero.Caption = " " + nombre;
}

void TFormPrincipal::BCargar2Click() {
    Hay_Fijos = Bandera::N;
    PError.Hide();
    Cargar_Fichero(entorno_.DialogoAbrir(
        Dialogo(" Novenario.  Abrir fichero  ( Cargar Partida ).", "Partida Novenario ( *.sdk )", false)));
}

void TFormPrincipal::Abrir_Partida(const std::string& nombre) {
    Hay_Fijos = Bandera::N;
    PError.Hide();
    if (!entorno_.ExisteFichero(nombre)) {
        entorno_.MensajeError(sdk::MensajeIlegible(nombre), TituloAplicacion);
        return;
    }
    Cargar_Fichero(nombre);
}

void TFormPrincipal::Cargar_Fichero(const std::string& nombre) {
    if (!nombre.empty()) {
        const bool existe = entorno_.ExisteFichero(nombre);
        sdk::Lectura lectura;
        if (existe) {
            MEntrada1.clear();
            std::string bytes;
            const Leido leido = entorno_.LeerFichero(nombre, bytes, sdk::MaximoFichero);
            if (leido != Leido::Bien) {
                entorno_.MensajeError(sdk::MensajeNoLeido(leido, nombre), TituloAplicacion);
                return;
            }
            lectura = sdk::LeePartida(bytes);
            if (!lectura.Correcta) {
                entorno_.MensajeError(lectura.Error, TituloAplicacion);
                return;
            }
            MEntrada1 = std::move(lectura.Lineas);
        }
        PMenti.Hide();
        if (existe) {
            BBorraTodoClick();
            PFichero.Caption = " " + nombre;
            entorno_.ProcessMessages();
            Ejecuta_Trabajo(*this, "Color Blanco");
            Ejecuta_Trabajo(*this, "Libera Paneles");
            EPartida.clear();
            ENivel_Juego.clear();
            Ejecuta_Trabajo(*this, "Cargar Partida");

            // The clock counts on from the saved time: the integers of the
            // clock labels, which the check of the whole file converted.
            Horas = lectura.Juego.Horas;
            Minutos = lectura.Juego.Minutos;
            Segundos = lectura.Juego.Segundos;
            Reloj_Activo = Bandera::S;

            const std::string nivel = Trim(ENivel_Juego);
            if (nivel.size() == 1 && nivel[0] >= '1' && nivel[0] <= '5') {
                Nivel = nivel[0] - '0';
                LBNivel.Caption = "Nivel par&Tida " + nivel;
                Paneles_Vacios = Vacios_De_Nivel(Nivel);
            }
            LBReloj.Caption = "&Reloj Si";
            entorno_.ProcessMessages();

            Activa_Solucion(Hay_Fijos == Bandera::S);
            LBPanel = std::move(lectura.Juego.LBPanel);
            if (!LBPanel.empty()) {
                Posicion_Lista = static_cast<int>(LBPanel.size()) - 1;
                BAtras.Enabled = true;
            } else {
                BAtras.Enabled = false;
                BAdelante.Enabled = false;
                Posicion_Lista = 0;
            }
        }
        Disponibles();
        Busca_Libre();
        Paneles_Libres();
        Pongo_ColorRojo();
        entorno_.ProcessMessages();
    }
    Shape1.Hide();
    Pista_Activa = Bandera::N;
}

void TFormPrincipal::PFicheroMouseMove() { PFichero.Hint = " " + PFichero.Caption + " "; }

void TFormPrincipal::Image1MouseMove() { Image1.Hint = " " + PFichero.Caption + " "; }

}  // namespace novenario
