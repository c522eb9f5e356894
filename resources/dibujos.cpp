#include "dibujos.h"

#include <gif_lib.h>

#include <QBuffer>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "windows/arte.h"
#include "windows/gif.h"

namespace novenario::dibujos {

using namespace novenario::vista;

namespace {

// ---- GIF: one palette for all frames, then each frame as the rectangle in
// which it differs from the one before (the rest stays on screen).

int Escribir(GifFileType* gif, const GifByteType* datos, int n) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(datos), n);
    return n;
}

// The quantizer gives every box of colours their average, so a flat white
// would come out a shade of grey: each colour that covers a good part of the
// pictures takes the palette entry nearest to it exactly, then every pixel
// takes the entry nearest to its own colour.
void Afinar(std::vector<GifColorType>& paleta, const std::vector<GifByteType>& rojo,
            const std::vector<GifByteType>& verde, const std::vector<GifByteType>& azul,
            std::vector<GifByteType>& indices) {
    const auto color = [&](std::size_t i) { return qRgb(rojo[i], verde[i], azul[i]); };
    std::map<QRgb, std::size_t> cuenta;
    for (std::size_t i = 0; i < indices.size(); ++i) ++cuenta[color(i)];
    std::vector<std::pair<std::size_t, QRgb>> frecuentes;
    for (const auto& [c, veces] : cuenta)
        if (veces * 200 >= indices.size()) frecuentes.push_back({veces, c});
    std::sort(frecuentes.rbegin(), frecuentes.rend());
    const auto distancia = [](const GifColorType& e, QRgb c) {
        const int dr = e.Red - qRed(c), dg = e.Green - qGreen(c), db = e.Blue - qBlue(c);
        return dr * dr + dg * dg + db * db;
    };
    const auto cercana = [&](QRgb c, const std::vector<bool>* libres) {
        std::size_t mejor = 0;
        int menor = INT_MAX;
        for (std::size_t e = 0; e < paleta.size(); ++e) {
            if (libres && !(*libres)[e]) continue;
            const int d = distancia(paleta[e], c);
            if (d < menor) menor = d, mejor = e;
        }
        return mejor;
    };
    std::vector<bool> libres(paleta.size(), true);
    for (const auto& f : frecuentes) {
        const std::size_t e = cercana(f.second, &libres);
        paleta[e] = {static_cast<GifByteType>(qRed(f.second)), static_cast<GifByteType>(qGreen(f.second)),
                     static_cast<GifByteType>(qBlue(f.second))};
        libres[e] = false;
    }
    std::map<QRgb, GifByteType> elegida;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const QRgb c = color(i);
        auto it = elegida.find(c);
        if (it == elegida.end()) it = elegida.emplace(c, static_cast<GifByteType>(cercana(c, nullptr))).first;
        indices[i] = it->second;
    }
}

}  // namespace

QByteArray Gif(const std::vector<Fotograma>& fotogramas) {
    if (fotogramas.empty()) return {};
    const int w = fotogramas.front().imagen.width(), h = fotogramas.front().imagen.height();
    const std::size_t n = fotogramas.size(), px = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    std::vector<GifByteType> rojo(px * n), verde(px * n), azul(px * n), indices(px * n);
    for (std::size_t f = 0; f < n; ++f) {
        const QImage img = fotogramas[f].imagen.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = img.pixel(x, y);
                const std::size_t i = f * px + static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
                rojo[i] = static_cast<GifByteType>(qRed(c));
                verde[i] = static_cast<GifByteType>(qGreen(c));
                azul[i] = static_cast<GifByteType>(qBlue(c));
            }
    }
    int colores = 256;
    std::vector<GifColorType> paleta(256);
    if (GifQuantizeBuffer(static_cast<unsigned>(w), static_cast<unsigned>(h * static_cast<int>(n)), &colores,
                          rojo.data(), verde.data(), azul.data(), indices.data(), paleta.data()) != GIF_OK)
        return {};
    Afinar(paleta, rojo, verde, azul, indices);
    QByteArray salida;
    int error = 0;
    GifFileType* gif = EGifOpen(&salida, Escribir, &error);
    if (!gif) return {};
    EGifSetGifVersion(gif, true);
    ColorMapObject* mapa = GifMakeMapObject(256, paleta.data());
    bool bien = mapa && EGifPutScreenDesc(gif, w, h, 8, 0, mapa) == GIF_OK;
    // Looping for ever (NETSCAPE2.0, repeat count 0).
    static const GifByteType netscape[] = "NETSCAPE2.0";
    static const GifByteType bucle[] = {1, 0, 0};
    bien = bien && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, netscape) == GIF_OK && EGifPutExtensionBlock(gif, 3, bucle) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
    for (std::size_t f = 0; f < n && bien; ++f) {
        const GifByteType* actual = indices.data() + f * px;
        int x0 = 0, y0 = 0, x1 = w - 1, y1 = h - 1;
        if (f > 0) {
            const GifByteType* antes = actual - px;
            x0 = w, y0 = h, x1 = -1, y1 = -1;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (actual[y * w + x] != antes[y * w + x]) {
                        x0 = std::min(x0, x), x1 = std::max(x1, x);
                        y0 = std::min(y0, y), y1 = std::max(y1, y);
                    }
            if (x1 < 0) x0 = y0 = x1 = y1 = 0;  // the same picture held longer: one pixel
        }
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.DelayTime = fotogramas[f].centesimas;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        bien = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
               EGifPutImageDesc(gif, x0, y0, x1 - x0 + 1, y1 - y0 + 1, false, nullptr) == GIF_OK;
        for (int y = y0; y <= y1 && bien; ++y)
            bien = EGifPutLine(gif, const_cast<GifByteType*>(actual + y * w + x0), x1 - x0 + 1) == GIF_OK;
    }
    GifFreeMapObject(mapa);
    if (EGifCloseFile(gif, &error) != GIF_OK || !bien) return {};
    return salida;
}

namespace {

// ---- The start window: a block of the board filling itself in. Four
// givens; the player's five digits go in one by one, the easiest first, and
// the possible digits of the cells still empty shrink as they do. The block
// then lights up twice, and it begins again.

constexpr char Solucion[] = "732598461";
constexpr bool Dadas[9] = {true, false, true, false, false, false, true, false, true};
// Digits that the rows and columns around the block (not drawn) already take.
const char* const Fuera[9] = {"", "69", "", "38", "56", "39", "", "58", ""};

BloqueInicio Bloque(const std::vector<int>& puestas, int seleccionada, QColor marco = {}) {
    const auto llena = [&](int i) { return Dadas[i] || std::count(puestas.begin(), puestas.end(), i) > 0; };
    QString en_bloque;
    for (int i = 0; i < 9; ++i)
        if (llena(i)) en_bloque += QLatin1Char(Solucion[i]);
    BloqueInicio b;
    for (int i = 0; i < 9; ++i) {
        BloqueInicio::Celda& c = b.celdas[static_cast<std::size_t>(i)];
        c.fija = Dadas[i];
        if (llena(i)) {
            c.valor = Solucion[i];
            continue;
        }
        for (char d = '1'; d <= '9'; ++d) {
            const bool tomado = en_bloque.contains(QLatin1Char(d)) || std::strchr(Fuera[i], d);
            (tomado ? c.tomados : c.posibles) += QLatin1Char(d);
        }
    }
    b.seleccionada = seleccionada;
    b.marco = marco;
    return b;
}

std::vector<Fotograma> AnimacionInicio() {
    const QSize tam(112, 119);
    const QColor oro(250, 208, 60);
    std::vector<Fotograma> f;
    std::vector<int> puestas;
    f.push_back({PintarInicio(tam, Bloque(puestas, -1)), 60});
    for (int celda : {4, 1, 7, 3, 5}) {
        f.push_back({PintarInicio(tam, Bloque(puestas, celda)), 30});
        puestas.push_back(celda);
        f.push_back({PintarInicio(tam, Bloque(puestas, celda)), 45});
    }
    f.push_back({PintarInicio(tam, Bloque(puestas, -1, oro)), 30});
    f.push_back({PintarInicio(tam, Bloque(puestas, -1)), 25});
    f.push_back({PintarInicio(tam, Bloque(puestas, -1, oro)), 30});
    f.push_back({PintarInicio(tam, Bloque(puestas, -1)), 120});
    return f;
}

// ---- The about box: the maker's emblem, on its tan panel, with a soft
// glint crossing it now and then.

QImage EmblemaConBrillo(QSize tam, double donde) {
    QImage img(tam, QImage::Format_RGB32);
    img.fill(AColor(Tostado));
    QPainter p(&img);
    PintarEmblema(p, tam);
    if (donde < 0) return img;
    QPainterPath marco;
    marco.addRoundedRect(QRectF(0.5, 0.5, tam.width() - 1, tam.height() - 1), 4, 4);
    p.setClipPath(marco);
    // A band across the diagonal, brightest in its middle.
    const double ancho = tam.width() * 0.35;
    const double x = -ancho + donde * (tam.width() + 2 * ancho);
    QLinearGradient brillo(x - ancho / 2, 0, x + ancho / 2, ancho * 0.6);
    brillo.setColorAt(0, QColor(255, 255, 255, 0));
    brillo.setColorAt(0.5, QColor(255, 250, 235, 120));
    brillo.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), brillo);
    return img;
}

std::vector<Fotograma> AnimacionLogo() {
    const QSize tam(121, 89);
    std::vector<Fotograma> f;
    f.push_back({EmblemaConBrillo(tam, -1), 150});
    constexpr int pasos = 12;
    for (int i = 0; i <= pasos; ++i) f.push_back({EmblemaConBrillo(tam, static_cast<double>(i) / pasos), 6});
    return f;
}

// ---- The icon.


QByteArray Svg() {
    QByteArray b;
    QBuffer buffer(&b);
    buffer.open(QIODevice::WriteOnly);
    constexpr int lado = 256;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(lado, lado));
    svg.setViewBox(QRect(0, 0, lado, lado));
    svg.setTitle(QStringLiteral("Novenario"));
    svg.setDescription(QStringLiteral("El emblema de Novenario: nueve casillas sobre un marco de madera"));
    QPainter p(&svg);
    ComoEmblema como;
    como.margen = lado / 12.0;
    como.trazos = true;
    PintarEmblema(p, QSize(lado, lado), como);
    p.end();
    return b;
}

}  // namespace

std::map<QString, Dibujo> Dibujos() {
    std::map<QString, Dibujo> d;
    for (auto [nombre, animacion] : {std::pair{"ApliGraf/NovenarioIni.gif", &AnimacionInicio},
                                     std::pair{"ApliGraf/LogoOrvalia.gif", &AnimacionLogo}}) {
        std::vector<Fotograma> f = animacion();
        d[QString::fromLatin1(nombre)] = {Gif(f), std::move(f)};
    }
    d[QStringLiteral("iconos/novenario.svg")] = {Svg(), {}};
    for (int lado : TamanosIcono) {
        const QImage icono = DibujoIcono(lado);
        d[QStringLiteral("iconos/novenario-%1.png").arg(lado)] = {Png(icono), {{icono, 0}}};
    }
    return d;
}


// ---- The check.

namespace {

QString Rgba(QRgb c) {
    return QStringLiteral("(%1,%2,%3,%4)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).arg(qAlpha(c));
}

// "" when the two pictures have one size and no channel of any pixel is
// more than tolerancia levels apart.
QString CompararPixeles(const QImage& guardada, const QImage& dibujada, int tolerancia, const QString& que) {
    if (guardada.size() != dibujada.size())
        return QStringLiteral("%1 is %2x%3 where the drawing is %4x%5")
            .arg(que)
            .arg(guardada.width())
            .arg(guardada.height())
            .arg(dibujada.width())
            .arg(dibujada.height());
    const QImage a = guardada.convertToFormat(QImage::Format_ARGB32);
    const QImage b = dibujada.convertToFormat(QImage::Format_ARGB32);
    // The pixel furthest from the drawing is the one reported.
    int peor = -1;
    QPoint donde;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (d > peor) peor = d, donde = QPoint(x, y);
        }
    if (peor <= tolerancia) return {};
    return QStringLiteral("%1: pixel (%2,%3) is %4 where the drawing has %5 (%6 levels apart, at most %7)")
        .arg(que)
        .arg(donde.x())
        .arg(donde.y())
        .arg(Rgba(a.pixel(donde)), Rgba(b.pixel(donde)))
        .arg(peor)
        .arg(tolerancia);
}

QString DiferenciaGif(const QByteArray& guardado, const std::vector<Fotograma>& dibujados) {
    const std::optional<EstructuraGif> estructura = LeerEstructuraGif(guardado);
    if (!estructura) return QStringLiteral("not a whole GIF file");
    if (estructura->retardos.size() != dibujados.size())
        return QStringLiteral("%1 frames where the drawing has %2").arg(estructura->retardos.size()).arg(dibujados.size());
    if (estructura->repeticiones.value_or(-1) != 0) return QStringLiteral("does not loop for ever");
    QByteArray copia = guardado;
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    QImageReader lector(&buffer, "gif");
    for (std::size_t f = 0; f < dibujados.size(); ++f) {
        const QString que = QStringLiteral("frame %1").arg(f + 1);
        if (estructura->retardos[f] != dibujados[f].centesimas)
            return QStringLiteral("%1 stays %2 hundredths of a second where the drawing says %3")
                .arg(que)
                .arg(estructura->retardos[f])
                .arg(dibujados[f].centesimas);
        const QImage imagen = lector.read();
        if (imagen.isNull()) return QStringLiteral("%1 cannot be decoded").arg(que);
        const QString mal = CompararPixeles(imagen.convertToFormat(QImage::Format_RGB32),
                                            dibujados[f].imagen.convertToFormat(QImage::Format_RGB32),
                                            Tolerancia + ToleranciaPaleta, que);
        if (!mal.isEmpty()) return mal;
    }
    return {};
}

QImage Renderizar(QSvgRenderer& r, QSize tam) {
    QImage img(tam, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    r.render(&p);
    return img;
}

QString DiferenciaSvg(const QByteArray& guardado, const QByteArray& dibujado) {
    QSvgRenderer guardada(guardado), dibujada(dibujado);
    if (!guardada.isValid()) return QStringLiteral("not an SVG picture");
    if (!dibujada.isValid()) return QStringLiteral("the drawing is not an SVG picture");
    if (guardada.defaultSize() != dibujada.defaultSize() || guardada.viewBoxF() != dibujada.viewBoxF())
        return QStringLiteral("its size or view box is not the drawing's");
    // Rendered at the largest icon size, where a difference shows most.
    const QSize tam = dibujada.defaultSize().scaled(256, 256, Qt::KeepAspectRatio);
    return CompararPixeles(Renderizar(guardada, tam), Renderizar(dibujada, tam), Tolerancia, QStringLiteral("rendered"));
}

}  // namespace

QString Diferencia(const QString& nombre, const QByteArray& guardado, const Dibujo& d) {
    if (nombre.endsWith(QLatin1String(".gif"))) return DiferenciaGif(guardado, d.fotogramas);
    if (nombre.endsWith(QLatin1String(".svg"))) return DiferenciaSvg(guardado, d.bytes);
    const QImage guardada = QImage::fromData(guardado);
    if (guardada.isNull()) return QStringLiteral("not a picture");
    if (d.fotogramas.size() != 1) return QStringLiteral("the drawing is not one picture");
    return CompararPixeles(guardada, d.fotogramas.front().imagen, Tolerancia, QStringLiteral("the picture"));
}

QByteArray Png(const QImage& img) {
    QByteArray b;
    QBuffer buffer(&b);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return b;
}

}  // namespace novenario::dibujos
