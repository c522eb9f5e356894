// Novenario: the program's entry. The start window appears from inside the
// game's start; the main window follows only if the player accepts it.
#include <QApplication>

#include "windows/aplicacion.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    novenario::vista::PrepararAplicacion();
    novenario::vista::Aplicacion programa;
    if (!programa.Arrancar()) return 1;
    return app.exec();
}
