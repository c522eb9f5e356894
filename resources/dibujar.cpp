// Draws the game's pictures that live as files beside this program's source:
// the two animations of ApliGraf (the start window's block filling itself
// in, the maker's emblem with a glint passing over it) and the desktop icon
// (SVG and PNG at every size), all with the game's own drawing routines, so
// they look like the still pictures the windows draw (dibujos.h).
//
// Everything comes out the same on every run: no clock, no random source.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "dibujos.h"
#include "windows/aplicacion.h"

using namespace novenario;

namespace {

constexpr char Uso[] =
    "usage: novenario_dibujar DIR              writes DIR/ApliGraf/*.gif and DIR/iconos/*\n"
    "       novenario_dibujar --comprobar DIR  says whether the pictures kept in DIR are\n"
    "                                          what it draws (exit 1 if not)\n"
    "       novenario_dibujar --help           this text\n"
    "A kept picture counts as drawn when it is the same picture: PNG pixels within\n"
    "a few levels, GIFs with the same size, frames, delays and (within what their\n"
    "palette loses) pixels, the SVG rendering the same; never byte for byte, since\n"
    "another build of the image libraries encodes and rasterises a level apart.\n";

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vista::PrepararAplicacion();
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(Uso, stdout);
        return 0;
    }
    const bool comprobar = !args.isEmpty() && args.first() == QLatin1String("--comprobar");
    // A folder is never a word that starts with "-": a mistyped option is
    // not written into.
    if (args.size() != (comprobar ? 2 : 1) || args.last().startsWith(QLatin1Char('-'))) {
        std::fputs(Uso, stderr);
        return 2;
    }
    const QDir dir(args.last());
    int mal = 0;
    for (const auto& [nombre, dibujo] : dibujos::Dibujos()) {
        const QString ruta = dir.filePath(nombre);
        if (dibujo.bytes.isEmpty()) {
            std::fprintf(stderr, "%s: could not be drawn\n", qPrintable(nombre));
            ++mal;
            continue;
        }
        QFile f(ruta);
        if (comprobar) {
            const QString porque = !f.open(QIODevice::ReadOnly) ? QStringLiteral("cannot be read")
                                                                : dibujos::Diferencia(nombre, f.readAll(), dibujo);
            if (!porque.isEmpty()) {
                std::fprintf(stderr, "%s is not what novenario_dibujar draws now (%s): run novenario_dibujar %s\n",
                             qPrintable(ruta), qPrintable(porque), qPrintable(QDir::toNativeSeparators(dir.path())));
                ++mal;
            }
            continue;
        }
        QDir().mkpath(QFileInfo(ruta).path());
        if (!f.open(QIODevice::WriteOnly) || f.write(dibujo.bytes) != dibujo.bytes.size()) {
            std::fprintf(stderr, "%s: could not be written\n", qPrintable(ruta));
            ++mal;
        } else {
            std::printf("%s\n", qPrintable(ruta));
        }
    }
    return mal == 0 ? 0 : 1;
}
