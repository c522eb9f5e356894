// The check that the pictures kept in resources/ are what the drawing
// program draws: the same picture passes when a build of the image
// libraries puts a pixel one level off; another picture does not.
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

#include "dibujos.h"

namespace novenario::pruebas {
namespace {

using dibujos::Dibujo;
using dibujos::Fotograma;

QByteArray Guardado(const QString& nombre) {
    QFile f(QStringLiteral(NOVENARIO_RECURSOS "/") + nombre);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const Dibujo& Dibujado(const QString& nombre) {
    static const std::map<QString, Dibujo> todos = dibujos::Dibujos();
    return todos.at(nombre);
}

// One channel of one pixel moved by so many levels (within 0..255).
QImage Mover(QImage img, QPoint p, int niveles) {
    img = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb c = img.pixel(p);
    const int g = qGreen(c) + niveles;
    img.setPixel(p, qRgba(qRed(c), g > 255 ? qGreen(c) - niveles : g, qBlue(c), qAlpha(c)));
    return img;
}

// Every kept picture is what is drawn now.
TEST(Dibujos, LosGuardadosSonLosDibujados) {
    const std::map<QString, Dibujo> todos = dibujos::Dibujos();
    EXPECT_EQ(todos.size(), 9u);
    for (const auto& [nombre, d] : todos) {
        const QByteArray guardado = Guardado(nombre);
        ASSERT_FALSE(guardado.isEmpty()) << nombre.toStdString();
        EXPECT_EQ(dibujos::Diferencia(nombre, guardado, d).toStdString(), "") << nombre.toStdString();
    }
}

// ---- The icon as PNG: the pixel found a level off on another machine.

struct CasoPng {
    const char* nombre;
    std::function<QImage(const QImage&)> cambio;
    bool igual;
};

void PrintTo(const CasoPng& c, std::ostream* os) { *os << c.nombre; }

class IconoPng : public testing::TestWithParam<CasoPng> {};

TEST_P(IconoPng, SoloPasaElMismoDibujo) {
    const QString nombre = QStringLiteral("iconos/novenario-16.png");
    const QImage guardada = QImage::fromData(Guardado(nombre));
    ASSERT_FALSE(guardada.isNull());
    const QString porque = dibujos::Diferencia(nombre, dibujos::Png(GetParam().cambio(guardada)), Dibujado(nombre));
    EXPECT_EQ(porque.isEmpty(), GetParam().igual) << porque.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cambios, IconoPng,
    testing::Values(
        CasoPng{"tal cual", [](const QImage& i) { return i; }, true},
        CasoPng{"un pixel un nivel", [](const QImage& i) { return Mover(i, {7, 8}, 1); }, true},
        CasoPng{"cada pixel un nivel",
                [](const QImage& i) {
                    QImage r = i;
                    for (int y = 0; y < r.height(); ++y)
                        for (int x = 0; x < r.width(); ++x) r = Mover(r, {x, y}, 1);
                    return r;
                },
                true},
        CasoPng{"un pixel muy distinto", [](const QImage& i) { return Mover(i, {8, 8}, 90); }, false},
        CasoPng{"un pixel transparente",
                [](const QImage& i) {
                    QImage r = i.convertToFormat(QImage::Format_ARGB32);
                    r.setPixel(8, 8, qRgba(0, 0, 0, 0));
                    return r;
                },
                false},
        CasoPng{"otro tamano", [](const QImage& i) { return i.scaled(17, 17); }, false},
        CasoPng{"sin fila", [](const QImage& i) { return i.copy(0, 0, 16, 15); }, false}));

// ---- An animation as GIF: its frames, their delays and their pictures.

struct CasoGif {
    const char* nombre;
    std::function<void(std::vector<Fotograma>&)> cambio;
    bool igual;
};

void PrintTo(const CasoGif& c, std::ostream* os) { *os << c.nombre; }

class AnimacionGif : public testing::TestWithParam<CasoGif> {};

// The frames drawn now, changed and encoded again as the program encodes them.
TEST_P(AnimacionGif, SoloPasaElMismoDibujo) {
    const QString nombre = QStringLiteral("ApliGraf/LogoOrvalia.gif");
    std::vector<Fotograma> f = Dibujado(nombre).fotogramas;
    ASSERT_EQ(f.size(), 14u);  // the emblem held, then the glint in 13 steps
    GetParam().cambio(f);
    const QByteArray gif = dibujos::Gif(f);
    ASSERT_FALSE(gif.isEmpty());
    const QString porque = dibujos::Diferencia(nombre, gif, Dibujado(nombre));
    EXPECT_EQ(porque.isEmpty(), GetParam().igual) << porque.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cambios, AnimacionGif,
    testing::Values(
        CasoGif{"tal cual", [](std::vector<Fotograma>&) {}, true},
        CasoGif{"un pixel un nivel", [](std::vector<Fotograma>& f) { f[5].imagen = Mover(f[5].imagen, {60, 44}, 1); },
                true},
        CasoGif{"un fotograma menos", [](std::vector<Fotograma>& f) { f.pop_back(); }, false},
        CasoGif{"un fotograma mas", [](std::vector<Fotograma>& f) { f.push_back(f.back()); }, false},
        CasoGif{"otro retardo", [](std::vector<Fotograma>& f) { f[0].centesimas += 10; }, false},
        CasoGif{"otro tamano",
                [](std::vector<Fotograma>& f) {
                    for (Fotograma& x : f) x.imagen = x.imagen.scaled(120, 89);
                },
                false},
        CasoGif{"una mancha negra",
                [](std::vector<Fotograma>& f) {
                    QPainter p(&f[7].imagen);
                    p.fillRect(2, 2, 6, 6, Qt::black);
                },
                false}));

// ---- The SVG icon, by what it renders.

TEST(IconoSvg, OtraVistaNoPasa) {
    const QString nombre = QStringLiteral("iconos/novenario.svg");
    QByteArray svg = Guardado(nombre);
    ASSERT_TRUE(svg.contains("viewBox=\"0 0 256 256\""));
    EXPECT_EQ(dibujos::Diferencia(nombre, svg, Dibujado(nombre)).toStdString(), "");
    svg.replace("viewBox=\"0 0 256 256\"", "viewBox=\"0 0 240 256\"");
    EXPECT_NE(dibujos::Diferencia(nombre, svg, Dibujado(nombre)).toStdString(), "");
    EXPECT_NE(dibujos::Diferencia(nombre, QByteArray("<svg"), Dibujado(nombre)).toStdString(), "");
}

}  // namespace
}  // namespace novenario::pruebas
