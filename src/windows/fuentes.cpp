#include "windows/fuentes.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>
#include <cmath>

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
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fuentes/") + QLatin1String(a.nombre));
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
