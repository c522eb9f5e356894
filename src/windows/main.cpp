// Novenario: the program's entry. --help and --version answer before any
// window exists; otherwise the start window appears from inside the game's
// start, the main window follows only if the player accepts it, and a saved
// game named on the command line is loaded once the main window is up (or,
// with none, the game left unfinished at the last exit). The program ends
// when the event loop does, with the code the game asked for.
#include <QApplication>
#include <iostream>

#include "windows/aplicacion.h"
#include "windows/argumentos.h"

int main(int argc, char** argv) {
    using namespace novenario::vista;
    const Orden previa = LeerOrden({argv + 1, argv + argc});
    if (previa.tipo == Orden::Tipo::Ayuda) {
        std::cout << TextoAyuda();
        return 0;
    }
    if (previa.tipo == Orden::Tipo::Version) {
        std::cout << TextoVersion();
        return 0;
    }
    // A mistake that is no option of Qt's is said before Qt is asked for a
    // display, which it may abort without.
    if (previa.tipo == Orden::Tipo::Error) {
        bool de_qt = false;
        for (int i = 1; i < argc; ++i) de_qt = de_qt || (argv[i][0] == '-' && EsOpcionDeQt(argv[i]));
        if (!de_qt) {
            std::cerr << "novenario: " << previa.error << "\n\n" << TextoAyuda();
            return 2;
        }
    }
    // Qt takes its own options (-platform, -display...) out of argv.
    QApplication app(argc, argv);
    const Orden orden = LeerOrden({argv + 1, argv + argc});
    if (orden.tipo == Orden::Tipo::Error) {
        std::cerr << "novenario: " << orden.error << "\n\n" << TextoAyuda();
        return 2;
    }
    PrepararAplicacion();
    Aplicacion programa;
    return programa.Ejecutar(orden);
}
