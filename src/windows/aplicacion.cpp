#include "windows/aplicacion.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QUrl>
#include <cstdio>

#include "windows/accesible.h"
#include "windows/arte.h"
#include "windows/fuentes.h"

#ifndef NOVENARIO_VERSION
#define NOVENARIO_VERSION "4.0"
#endif
#ifndef NOVENARIO_ID
#define NOVENARIO_ID "novenario"
#endif

namespace novenario::vista {

void PrepararAplicacion() {
    InstalarAccesibilidad();
    if (!CargarFuentes())
        std::fprintf(stderr, "novenario: the game's fonts could not be loaded; using the system's fonts\n");
    QApplication::setFont(Fuente(Familia::SansSerif, 11));
    QApplication::setApplicationName(QStringLiteral("Novenario"));
    QApplication::setApplicationVersion(QStringLiteral(NOVENARIO_VERSION));
    // Every window carries the game's emblem, as its menu entry does; the
    // desktop finds that entry by this name.
    QApplication::setWindowIcon(IconoJuego());
    QGuiApplication::setDesktopFileName(QStringLiteral(NOVENARIO_ID));
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

void Aplicacion::AbrirPartida(const QString& argumento) {
    QString ruta = argumento;
    const QUrl url(argumento);
    if (url.isLocalFile()) ruta = url.toLocalFile();
    // The name as the open dialog would give it: whole and absolute.
    Abrir_Partida(juego_, QDir::toNativeSeparators(QFileInfo(ruta).absoluteFilePath()).toStdString());
}

}  // namespace novenario::vista
