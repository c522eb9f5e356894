// The last game: kept on the way out, brought back at the next start. The
// bytes are those of "Guardar partida", the load is that of "Cargar
// partida"; what differs is that nothing is ever said: the player did not
// ask for this file, so its trouble is no error box at exit or at start.
#include <string_view>

#include "board/juego.h"
#include "sdk/formato.h"
#include "savegame/partidas.h"

namespace novenario {

std::string Ruta_Ultima(const char* xdg_state_home, const char* home) {
    std::string carpeta;
    // A relative path is no base folder: the variable is then as if unset.
    if (xdg_state_home && xdg_state_home[0] == '/') {
        carpeta = xdg_state_home;
    } else if (home && home[0] == '/') {
        carpeta = home;
        if (carpeta.back() != '/') carpeta += '/';
        carpeta += ".local/state";
    } else {
        return {};
    }
    if (carpeta.back() != '/') carpeta += '/';
    return carpeta + "novenario/ultima.sdk";
}

std::vector<std::string> Lineas_Ultima(const Juego& f) {
    const VariablesPartida::Foto& antes = f.Partida.Antes_Del_Proceso;
    if (f.Variables.Proceso_Largo && antes.Hay)
        return sdk::LineasPartida(sdk::LineaTablero(antes.Paneles, antes.LPHor, antes.LPMin, antes.LPseg),
                                  antes.EPartida, antes.Nivel, antes.LBPanel);
    const ModeloVentana& v = f.Ventana;
    return sdk::LineasPartida(sdk::LineaTablero(f.Paneles, v.LPHor.Caption, v.LPMin.Caption, v.LPseg.Caption),
                              f.Partida.EPartida, f.Variables.Nivel, f.Variables.LBPanel);
}

bool Merece_Guardarse(const std::string& linea_tablero) {
    const sdk::Partida p = sdk::LeeLineaTablero(linea_tablero);
    int llenas = 0;
    for (const sdk::ParLeido& par : p.Pares)
        if (!par.Valor.empty() && par.Valor != " ") ++llenas;
    return llenas > 0 && llenas < NumCeldas;
}

namespace {

// The kept file read and checked as a load checks a chosen one; false for
// anything that is not a saved game.
bool Lee_Ultima(Juego& f, const std::string& nombre, sdk::Lectura& lectura) {
    if (nombre.empty() || !f.Ent.ExisteFichero(nombre)) return false;
    std::string bytes;
    if (f.Ent.LeerFichero(nombre, bytes, sdk::MaximoFichero) != Leido::Bien) return false;
    lectura = sdk::LeePartida(bytes);
    return lectura.Correcta;
}

}  // namespace

void Guarda_Ultima(Juego& f) {
    const std::vector<std::string> lineas = Lineas_Ultima(f);
    if (Merece_Guardarse(lineas.front())) {
        const std::string nombre = f.Ent.FicheroUltima(true);
        // Written beside the old copy and put in its place once complete,
        // as every save is: a failure leaves the old copy.
        if (!nombre.empty()) f.Ent.EscribirFichero(nombre, sdk::EscribePartida(lineas));
        return;
    }
    // A game kept earlier would come back at the next start in place of this
    // one; only a saved game of ours is removed.
    const std::string nombre = f.Ent.FicheroUltima(false);
    sdk::Lectura lectura;
    if (Lee_Ultima(f, nombre, lectura)) f.Ent.BorrarFichero(nombre);
}

void Guarda_Ultima_Al_Terminar(Juego& f) {
    if (!f.Partida.Ultima_Guardada) Guarda_Ultima(f);
}

bool Recupera_Ultima(Juego& f) {
    sdk::Lectura lectura;
    if (!Lee_Ultima(f, f.Ent.FicheroUltima(false), lectura)) return false;
    if (lectura.Lineas.empty() || !Merece_Guardarse(lectura.Lineas.front())) return false;
    Instala_Lectura(f, std::move(lectura), RotuloUltima);
    f.Ventana.PMensaje.Caption = MensajeUltima;
    f.Ventana.PMensaje.FontColor = Negro;
    return true;
}

}  // namespace novenario
