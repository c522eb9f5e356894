#include "windows/graficos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef NOVENARIO_DATOS_DESDE_BIN
#define NOVENARIO_DATOS_DESDE_BIN "../share/novenario"
#endif

namespace novenario::vista {

Q_LOGGING_CATEGORY(lcGraficos, "novenario.graficos", QtWarningMsg)

namespace {

QString& CarpetaPrograma() {
    static QString carpeta;
    return carpeta;
}

}  // namespace

void PonerCarpetaPrograma(const QString& carpeta) { CarpetaPrograma() = carpeta; }

QStringList CarpetasGraficos() {
    const QDir programa(CarpetaPrograma().isEmpty() ? QCoreApplication::applicationDirPath() : CarpetaPrograma());
    return {QDir::cleanPath(programa.filePath(QStringLiteral("ApliGraf"))),
            QDir::cleanPath(programa.filePath(QStringLiteral(NOVENARIO_DATOS_DESDE_BIN "/ApliGraf")))};
}

QString BuscarGrafico(const QString& archivo) {
    // A name with a folder in it is not one of the program's pictures.
    if (archivo.isEmpty() || archivo.contains(QLatin1Char('/'))) return {};
    for (const QString& carpeta : CarpetasGraficos()) {
        const QFileInfo f(QDir(carpeta).filePath(archivo));
        if (f.isFile()) return f.filePath();
    }
    return {};
}

}  // namespace novenario::vista
