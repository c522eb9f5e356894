// The GIF player and the picture control: frames, delays, loop counts,
// damaged files, the animation on its timer, and where the picture goes.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "windows/gif.h"
#include "windows/imagen_plus.h"

namespace novenario::pruebas {
namespace {

// GIF files for the player, written here: a 4-colour palette (red, green,
// blue, white), LZW with a minimum code size of 2 and a clear code before
// every pair of pixels, so that codes stay 3 bits wide and nothing is
// compressed.

struct FotogramaGif {
    int centesimas = 10;
    int color = 0;           // palette index filling the frame
    bool conControl = true;  // with a graphic control extension (delay)
};

const QRgb PaletaGif[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};

void Dos(QByteArray& b, int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

QByteArray GifDe(std::vector<FotogramaGif> fotogramas, std::optional<int> repeticiones, QSize tam = {4, 4}) {
    QByteArray b("GIF89a");
    Dos(b, tam.width());
    Dos(b, tam.height());
    b.append(char(0x91));  // global colour table of 4 entries
    b.append(2, char(0));  // background, aspect
    for (QRgb c : PaletaGif) b.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    if (repeticiones) {
        b.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        Dos(b, *repeticiones);
        b.append(char(0));
    }
    for (const FotogramaGif& f : fotogramas) {
        if (f.conControl) {
            b.append("\x21\xF9\x04\x00", 4);
            Dos(b, f.centesimas);
            b.append(2, char(0));
        }
        b.append(char(0x2C));
        for (int v : {0, 0, tam.width(), tam.height()}) Dos(b, v);  // left, top, width, height
        b.append(char(0));  // no local colour table
        b.append(char(2));  // minimum code size
        QByteArray datos;
        unsigned acumulado = 0;
        int bits = 0;
        const auto codigo = [&](int c) {
            acumulado |= unsigned(c) << bits;
            for (bits += 3; bits >= 8; bits -= 8, acumulado >>= 8) datos.append(char(acumulado & 0xFF));
        };
        for (int i = 0; i < tam.width() * tam.height(); ++i) {
            if (i % 2 == 0) codigo(4);  // clear
            codigo(f.color);
        }
        codigo(5);  // end of information
        if (bits) datos.append(char(acumulado & 0xFF));
        for (qsizetype i = 0; i < datos.size(); i += 255) {
            const qsizetype n = std::min<qsizetype>(255, datos.size() - i);
            b.append(char(n));
            b.append(datos.mid(i, n));
        }
        b.append(char(0));
    }
    b.append(char(0x3B));
    return b;
}

const std::vector<FotogramaGif> TresFotogramas = {{10, 0}, {20, 1}, {30, 2}};

// A file in a temporary folder that lives as long as the test.
class FicheroGif {
public:
    explicit FicheroGif(const QByteArray& datos) : ruta_(dir_.filePath(QStringLiteral("prueba.gif"))) {
        QFile f(ruta_);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(datos);
    }
    const QString& Ruta() const { return ruta_; }

private:
    QTemporaryDir dir_;
    QString ruta_;
};

TEST(GifCarga, LosFotogramasConSusRetardosYSuColor) {
    FicheroGif f(GifDe({{10, 0}, {0, 1}, {7, 2, false}, {3, 3}}, 2));
    vista::TGIFImage gif;
    EXPECT_EQ(gif.size(), QSize(105, 105));
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    EXPECT_EQ(gif.FileName(), f.Ruta());
    ASSERT_EQ(gif.Fotogramas(), 4);
    EXPECT_EQ(gif.Repeticiones(), 2);
    EXPECT_EQ(gif.CurrentFrame(), 1);
    // 10 hundredths are 100 ms; a delay of 0, or no delay at all, is 20 ms,
    // so such a file cannot keep the processor busy.
    const int retardos[] = {100, 20, 20, 30};
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(gif.Retardo(n), retardos[n - 1]) << n;
        gif.setCurrentFrame(n);
        EXPECT_EQ(gif.Imagen().pixel(1, 1), PaletaGif[n - 1]) << n;
    }
}

struct Repeticion {
    const char* nombre;
    std::optional<int> enFichero;
    int repeticiones;
};

class GifRepeticiones : public testing::TestWithParam<Repeticion> {};

// No extension and a count of 0 both mean for ever.
TEST_P(GifRepeticiones, LaCuentaDelFichero) {
    const auto e = vista::LeerEstructuraGif(GifDe(TresFotogramas, GetParam().enFichero));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->repeticiones, GetParam().enFichero);
    FicheroGif f(GifDe(TresFotogramas, GetParam().enFichero));
    vista::TGIFImage gif;
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    EXPECT_EQ(gif.Repeticiones(), GetParam().repeticiones);
}

INSTANTIATE_TEST_SUITE_P(Cuentas, GifRepeticiones,
                         testing::Values(Repeticion{"sin", std::nullopt, 0}, Repeticion{"cero", 0, 0},
                                         Repeticion{"dos", 2, 2}, Repeticion{"maxima", 65535, 65535}),
                         [](const auto& i) { return std::string(i.param.nombre); });

struct Danado {
    const char* nombre;
    std::function<QByteArray(QByteArray)> estropear;
};

class GifDanado : public testing::TestWithParam<Danado> {};

// Whatever is wrong with the file, loading fails and leaves nothing behind,
// not even a running timer.
TEST_P(GifDanado, FallaYVaciaElControl) {
    FicheroGif bueno(GifDe(TresFotogramas, std::nullopt));
    FicheroGif malo(GetParam().estropear(GifDe(TresFotogramas, 2)));
    vista::TGIFImage gif;
    ASSERT_TRUE(gif.Cargar(bueno.Ruta()));
    gif.setAnimate(true);
    ASSERT_TRUE(gif.Corriendo());
    EXPECT_FALSE(gif.Cargar(malo.Ruta()));
    EXPECT_EQ(gif.Fotogramas(), 0);
    EXPECT_EQ(gif.CurrentFrame(), 0);
    EXPECT_TRUE(gif.FileName().isEmpty());
    EXPECT_FALSE(gif.Corriendo());
    EXPECT_TRUE(gif.Imagen().isNull());
    gif.Avanzar();  // nothing to advance
    EXPECT_EQ(gif.CurrentFrame(), 0);
}

QByteArray SinEl(QByteArray b, int n) { return b.left(b.size() - n); }

INSTANTIATE_TEST_SUITE_P(
    Ficheros, GifDanado,
    testing::Values(Danado{"vacio", [](QByteArray) { return QByteArray(); }},
                    Danado{"soloCabecera", [](QByteArray b) { return b.left(6); }},
                    Danado{"cortadoEnLaPantalla", [](QByteArray b) { return b.left(10); }},
                    Danado{"cortadoALaMitad", [](QByteArray b) { return b.left(b.size() / 2); }},
                    Danado{"cortadoEnElUltimoFotograma", [](QByteArray b) { return SinEl(b, 4); }},
                    Danado{"sinTerminadorDelUltimoBloque", [](QByteArray b) { return SinEl(b, 2); }},
                    Danado{"noEsGif", [](QByteArray b) { return b.replace(0, 3, "PNG"); }},
                    Danado{"bloqueDesconocido",
                           [](QByteArray b) { return b.insert(b.indexOf("\x21\xF9"), char(0x99)); }},
                    Danado{"datosBasura",
                           [](QByteArray b) {
                               // Every LZW byte of the frames set to 0xFF: codes
                               // that the table does not hold yet.
                               for (qsizetype i = b.indexOf(char(0x2C)) + 11; i < b.size() - 2; ++i) b[i] = char(0xFF);
                               return b;
                           }},
                    Danado{"pantallaEnorme",
                           [](QByteArray b) {
                               b[6] = b[7] = b[8] = b[9] = char(0xFF);  // 65535 by 65535
                               return b;
                           }}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(GifCarga, SinTrailerSeAceptaSiAcabaEntreBloques) {
    FicheroGif f(SinEl(GifDe(TresFotogramas, 2), 1));
    vista::TGIFImage gif;
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    EXPECT_EQ(gif.Fotogramas(), 3);
}

TEST(GifCarga, UnFicheroQueNoExisteNoCambiaNada) {
    FicheroGif f(GifDe(TresFotogramas, 2));
    vista::TGIFImage gif;
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    gif.setCurrentFrame(2);
    QTemporaryDir vacia;
    for (const QString& ruta : {vacia.filePath(QStringLiteral("no.gif")), vacia.path()}) {
        EXPECT_FALSE(gif.Cargar(ruta));
        EXPECT_EQ(gif.Fotogramas(), 3);
        EXPECT_EQ(gif.CurrentFrame(), 2);
        EXPECT_EQ(gif.FileName(), f.Ruta());
    }
}

TEST(GifCarga, UnSoloFotogramaNuncaArrancaElTimer) {
    FicheroGif f(GifDe({{10, 1}}, 0));
    vista::TGIFImage gif;
    gif.setAnimate(true);
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    EXPECT_TRUE(gif.Animate());
    EXPECT_FALSE(gif.Corriendo());
    gif.Avanzar();
    EXPECT_EQ(gif.CurrentFrame(), 1);
}

struct Pasadas {
    const char* nombre;
    std::optional<int> repeticiones;
    bool loop;
    int paradaEnTic;  // 0: never within 60 ticks
};

class GifAnimacion : public testing::TestWithParam<Pasadas> {};

// Three frames. A pass ends going from frame 3 to frame 1; with Loop false
// the tick that makes the passes exceed the count stops on frame 1.
TEST_P(GifAnimacion, PasadasHastaQueParaEnElPrimerFotograma) {
    const Pasadas& p = GetParam();
    FicheroGif f(GifDe(TresFotogramas, p.repeticiones));
    vista::TGIFImage gif;
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    gif.setLoop(p.loop);
    gif.setAnimate(true);
    ASSERT_TRUE(gif.Corriendo());
    EXPECT_EQ(gif.Intervalo(), 100);
    for (int tic = 1; tic <= 60; ++tic) {
        gif.Avanzar();
        if (tic == p.paradaEnTic) {
            EXPECT_FALSE(gif.Animate());
            EXPECT_FALSE(gif.Corriendo());
            EXPECT_EQ(gif.CurrentFrame(), 1);
            return;
        }
        ASSERT_TRUE(gif.Corriendo()) << tic;
        ASSERT_EQ(gif.CurrentFrame(), tic % 3 + 1) << tic;
        ASSERT_EQ(gif.Intervalo(), gif.Retardo(gif.CurrentFrame())) << tic;
    }
    EXPECT_EQ(p.paradaEnTic, 0);
}

INSTANTIATE_TEST_SUITE_P(Casos, GifAnimacion,
                         testing::Values(Pasadas{"dosSinLoop", 2, false, 9}, Pasadas{"unaSinLoop", 1, false, 6},
                                         Pasadas{"dosConLoop", 2, true, 0}, Pasadas{"ceroSinLoop", 0, false, 0},
                                         Pasadas{"sinCuentaSinLoop", std::nullopt, false, 0}),
                         [](const auto& i) { return std::string(i.param.nombre); });

TEST(GifAnimacion, ArrancarDeNuevoEmpiezaLaCuentaYPararMuestraElPrimero) {
    FicheroGif f(GifDe(TresFotogramas, 1));
    vista::TGIFImage gif;
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    gif.setLoop(false);
    gif.setAnimate(true);
    for (int i = 0; i < 4; ++i) gif.Avanzar();  // one pass done, on frame 2
    gif.setAnimate(false);
    EXPECT_EQ(gif.CurrentFrame(), 1);
    EXPECT_FALSE(gif.Corriendo());
    gif.setAnimate(true);
    for (int i = 0; i < 5; ++i) gif.Avanzar();
    EXPECT_TRUE(gif.Animate());  // the earlier pass no longer counts
    gif.Avanzar();
    EXPECT_FALSE(gif.Animate());
}

// The real timer, with generous margins: frames of 20 ms (the floor), one repeat.
TEST(GifAnimacion, ElTimerLaLlevaHastaElFinal) {
    FicheroGif f(GifDe({{1, 0}, {1, 1}, {1, 2}}, 1));
    vista::TGIFImage gif;
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    gif.setLoop(false);
    gif.setAnimate(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !gif.Animate(); }, 5000));
    EXPECT_EQ(gif.CurrentFrame(), 1);
}

struct Velocidad {
    int speed, guardada;
    int intervalos[3];  // frames of 100 ms, 200 ms and 20 ms
};

class GifVelocidad : public testing::TestWithParam<Velocidad> {};

TEST_P(GifVelocidad, EscalaLosIntervalos) {
    FicheroGif f(GifDe({{10, 0}, {20, 1}, {0, 2}}, 0));
    vista::TGIFImage gif;
    EXPECT_EQ(gif.Speed(), 100);
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    gif.setAnimate(true);
    gif.setSpeed(GetParam().speed);
    EXPECT_EQ(gif.Speed(), GetParam().guardada);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(gif.Intervalo(), GetParam().intervalos[n]) << n + 1;
        gif.Avanzar();
    }
}

INSTANTIATE_TEST_SUITE_P(Porcentajes, GifVelocidad,
                         testing::Values(Velocidad{100, 100, {100, 200, 20}}, Velocidad{200, 200, {50, 100, 10}},
                                         Velocidad{50, 50, {200, 400, 40}}, Velocidad{0, 1, {10000, 20000, 2000}},
                                         Velocidad{-7, 1, {10000, 20000, 2000}},
                                         Velocidad{100000, 100000, {1, 1, 1}}));

struct Colocacion {
    bool estirar, centrar;
    std::vector<QPoint> rojos, otros;  // in a 20 by 20 control showing a 4 by 4 red picture
};

class ColocacionDibujo : public testing::TestWithParam<Colocacion> {};

// The GIF player and the picture control place their picture alike.
TEST_P(ColocacionDibujo, SegunStretchYCenter) {
    const Colocacion& c = GetParam();
    FicheroGif f(GifDe({{10, 0}}, std::nullopt));
    vista::TGIFImage gif;
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    vista::TImagenPlus imagen;
    EXPECT_EQ(imagen.CompressionQuality(), 90);
    imagen.setPicture(QPixmap::fromImage(gif.Imagen()));
    gif.setStretch(c.estirar);
    gif.setCenter(c.centrar);
    imagen.setStretch(c.estirar);
    imagen.setCenter(c.centrar);
    for (QWidget* w : {static_cast<QWidget*>(&gif), static_cast<QWidget*>(&imagen)}) {
        w->resize(20, 20);
        const QImage captura = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (QPoint p : c.rojos) EXPECT_EQ(captura.pixel(p), qRgb(255, 0, 0)) << w->metaObject()->className() << p.x();
        for (QPoint p : c.otros) EXPECT_NE(captura.pixel(p), qRgb(255, 0, 0)) << w->metaObject()->className() << p.x();
    }
}

INSTANTIATE_TEST_SUITE_P(Modos, ColocacionDibujo,
                         testing::Values(Colocacion{false, false, {{0, 0}, {3, 3}}, {{4, 4}, {10, 10}}},
                                         Colocacion{false, true, {{8, 8}, {11, 11}}, {{7, 7}, {12, 12}, {0, 0}}},
                                         Colocacion{true, false, {{0, 0}, {10, 10}, {19, 19}}, {}},
                                         Colocacion{true, true, {{0, 0}, {19, 19}}, {}}));

TEST(GifDibujo, AutoSizeTomaElTamanoDelFichero) {
    FicheroGif f(GifDe(TresFotogramas, 0, {30, 12}));
    vista::TGIFImage gif;
    gif.setAutoSize(true);
    ASSERT_TRUE(gif.Cargar(f.Ruta()));
    EXPECT_EQ(gif.size(), QSize(30, 12));
}

}  // namespace
}  // namespace novenario::pruebas
