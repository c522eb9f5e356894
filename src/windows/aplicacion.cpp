#include "windows/aplicacion.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QSessionManager>
#include <QTimer>
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

bool Aplicacion::Arrancar(bool recuperar) {
    if (!juego_.FormCreate()) return false;
    if (recuperar) Recupera_Ultima(juego_);
    vista_.MostrarCentrada();
    // Whatever ends the event loop keeps the game (once: not again after the
    // exit confirmation did); a session that closes keeps it as it is, and
    // may yet be cancelled and the game go on.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &vista_, [this] { puerta_.AlTerminar(); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &vista_,
                     [this](QSessionManager&) { puerta_.GuardarSesion(); });
    return true;
}

int Aplicacion::Ejecutar(const Orden& orden) {
    if (!Arrancar(!orden.nueva && orden.fichero.empty())) return CodigoSalida();
    if (!orden.fichero.empty())
        QTimer::singleShot(0, &vista_, [this, f = QString::fromLocal8Bit(orden.fichero)] { AbrirPartida(f); });
    return QApplication::exec();
}

void Aplicacion::AbrirPartida(const QString& argumento) {
    QString ruta = argumento;
    const QUrl url(argumento);
    if (url.isLocalFile()) ruta = url.toLocalFile();
    // The name as the open dialog would give it: whole and absolute.
    Abrir_Partida(juego_, QDir::toNativeSeparators(QFileInfo(ruta).absoluteFilePath()).toStdString());
}

}  // namespace novenario::vista
