#include "windows/argumentos.h"

#ifndef NOVENARIO_VERSION
#define NOVENARIO_VERSION "4.0"
#endif

namespace novenario::vista {

Orden LeerOrden(const std::vector<std::string>& args) {
    Orden orden;
    bool ayuda = false, version = false, opciones = true;
    for (const std::string& a : args) {
        if (opciones && a == "--") {
            opciones = false;
        } else if (opciones && (a == "--help" || a == "-h")) {
            ayuda = true;
        } else if (opciones && (a == "--version" || a == "-V")) {
            version = true;
        } else if (opciones && a == "--nueva") {
            orden.nueva = true;
        } else if (opciones && a.size() > 1 && a[0] == '-') {
            if (orden.error.empty()) orden.error = "opción desconocida «" + a + "»";
        } else if (orden.fichero.empty() && !a.empty()) {
            orden.fichero = a;
        } else if (orden.error.empty()) {
            orden.error = a.empty() ? std::string("el nombre del fichero está vacío")
                                    : "sólo se abre una partida; sobra «" + a + "»";
        }
    }
    if (ayuda) return {Orden::Tipo::Ayuda, {}, false, {}};
    if (version) return {Orden::Tipo::Version, {}, false, {}};
    if (!orden.error.empty()) {
        orden.tipo = Orden::Tipo::Error;
        orden.fichero.clear();
    }
    return orden;
}

bool EsOpcionDeQt(const std::string& arg) {
    static const char* const opciones[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
        "qwindowtitle", "reverse", "session", "display", "geometry", "style", "stylesheet", "widgetcount",
        "nograb", "dograb", "sync", "name", "title", "visual", "ncols", "cmap", "fn", "font", "bg", "background",
        "fg", "foreground", "btn", "button", "im", "inputstyle", "qmljsdebugger"};
    std::string nombre = arg.substr(arg.rfind('-', 1) == 1 ? 2 : 1);
    nombre = nombre.substr(0, nombre.find('='));
    for (const char* o : opciones)
        if (nombre == o) return true;
    return false;
}

std::string TextoAyuda() {
    return "Uso: novenario [--nueva] [FICHERO.sdk]\n"
           "\n"
           "Novenario, un sudoku para el escritorio. Tras la ventana de inicio\n"
           "abre la partida guardada FICHERO.sdk como lo hace \"Cargar partida\";\n"
           "sin fichero, sigue la partida que quedó a medias al salir, guardada en\n"
           "$XDG_STATE_HOME/novenario/ultima.sdk (~/.local/state/novenario/).\n"
           "\n"
           "      --nueva     empieza sin la partida anterior\n"
           "  -h, --help      muestra esta ayuda y termina\n"
           "  -V, --version   muestra la versión y termina\n"
           "\n"
           "Acepta también las opciones de Qt, como -platform o -display.\n"
           "El juego sin ventana es novenario-cli.\n";
}

std::string TextoVersion() { return "Novenario " NOVENARIO_VERSION "\n"; }

}  // namespace novenario::vista
