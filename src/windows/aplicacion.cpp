#include "windows/aplicacion.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "windows/fuentes.h"

namespace novenario::vista {

void PrepararAplicacion() {
    if (!CargarFuentes())
        std::fprintf(stderr, "novenario: the embedded fonts could not be loaded; using the system's fonts\n");
    QApplication::setFont(Fuente(Familia::SansSerif, 11));
    QApplication::setApplicationName(QStringLiteral("Novenario"));
    QApplication::setApplicationVersion(QStringLiteral("4.0"));
    // Qt's own words (the file dialogs, the OK of a message box) in Spanish too.
    static QTranslator qt;
    if (qt.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

Aplicacion::Aplicacion() : juego_(entorno_), puerta_(juego_), vista_(puerta_) { entorno_.PonerVista(&vista_); }

bool Aplicacion::Arrancar() {
    if (!juego_.FormCreate()) return false;
    vista_.MostrarCentrada();
    return true;
}

}  // namespace novenario::vista
