#include "windows/fuentes.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>
#include <array>
#include <cmath>
#include <cstring>

// Resources of a static library must be pulled in by name.
static void IniciarRecursosFuentes() { Q_INIT_RESOURCE(fuentes); }

namespace novenario::vista {

namespace {

std::array<QString, 4>& Familias() {
    static std::array<QString, 4> f{QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Liberation Mono"), QStringLiteral("Comic Neue")};
    return f;
}

std::size_t Pos(Familia f) { return static_cast<std::size_t>(f); }

// Where the system keeps a font file the program carries.
QString RutaSistema(const char* nombre) {
    struct Ruta {
        const char* nombre;
        const char* ruta;
    };
    static constexpr Ruta rutas[] = {
#include "fuentes_sistema.inc"
    };
    for (const Ruta& r : rutas)
        if (std::strcmp(r.nombre, nombre) == 0) return QString::fromUtf8(r.ruta);
    return {};
}

}  // namespace

bool CargarFuentes() {
    static bool cargadas = false;
    if (cargadas) return true;
    IniciarRecursosFuentes();
    struct Archivo {
        const char* nombre;
        Familia familia;
    };
    static constexpr Archivo archivos[] = {
        {"LiberationSans-Regular.ttf", Familia::Arial}, {"LiberationSans-Bold.ttf", Familia::Arial},
        {"LiberationMono-Regular.ttf", Familia::Courier}, {"LiberationMono-Bold.ttf", Familia::Courier},
        {"ComicNeue-Regular.otf", Familia::Comic}, {"ComicNeue-Bold.otf", Familia::Comic},
    };
    bool todas = true;
    for (const Archivo& a : archivos) {
        // The system's copy when it has one (the installed game depends on
        // those packages), else the copy built into the program: the same
        // file either way.
        int id = -1;
        const QString sistema = RutaSistema(a.nombre);
        if (!sistema.isEmpty() && QFileInfo(sistema).isFile()) id = QFontDatabase::addApplicationFont(sistema);
        if (id < 0) id = QFontDatabase::addApplicationFont(QStringLiteral(":/fuentes/") + QLatin1String(a.nombre));
        if (id < 0) {
            todas = false;
            continue;
        }
        const QStringList nombres = QFontDatabase::applicationFontFamilies(id);
        if (!nombres.isEmpty()) {
            Familias()[Pos(a.familia)] = nombres.first();
            // MS Sans Serif is drawn with the same family as Arial.
            if (a.familia == Familia::Arial) Familias()[Pos(Familia::SansSerif)] = nombres.first();
        }
    }
    cargadas = todas;
    return todas;
}

QString NombreFamilia(Familia f) { return Familias()[Pos(f)]; }

QFont Fuente(Familia f, int pixeles, bool negrita) {
    QFont fuente(NombreFamilia(f));
    fuente.setStyleHint(f == Familia::Courier ? QFont::TypeWriter : QFont::SansSerif);
    fuente.setPixelSize(pixeles > 0 ? pixeles : 1);
    fuente.setBold(negrita);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    return fuente;
}

int PixelesDePuntos(int puntos) {
    return static_cast<int>(std::lround(puntos * 96.0 / 72.0));
}

}  // namespace novenario::vista
