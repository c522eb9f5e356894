// The game's own widgets: the LED lamp, the blinking label, the GIF player,
// the picture control, the highlight label, the dates.
#include <QEnterEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>
#include <vector>
#include <gtest/gtest.h>

#include "windows/arte.h"
#include "windows/entorno_qt.h"
#include "windows/gif.h"
#include "windows/imagen_plus.h"
#include "windows/led.h"
#include "windows/parpadeo.h"
#include "windows/pulsable.h"
#include "windows/resaltada.h"

namespace novenario::pruebas {
namespace {

using vista::AColor;
using vista::ThhALed;

struct EstiloLed {
    ThhALed::Estilo estilo;
    int ancho, alto;
};

class Led : public testing::TestWithParam<EstiloLed> {};

TEST_P(Led, SinBordeLasEsquinasTomanElColorDelBorde) {
    ThhALed led;
    led.setLEDStyle(GetParam().estilo);
    led.setTrueColor(Rojo);
    led.setFalseColor(Granate);
    led.setBorderColor(Tostado);
    led.setBordered(false);
    led.setBlink(false);
    EXPECT_EQ(led.size(), QSize(GetParam().ancho, GetParam().alto));
    const QImage& apagada = led.ImagenVisible();
    const int w = apagada.width(), h = apagada.height();
    for (QPoint esquina : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(apagada.pixel(esquina), AColor(Tostado).rgb()) << esquina.x() << "," << esquina.y();
    EXPECT_EQ(apagada.pixel(w / 2, h / 2), AColor(Granate).rgb());
    led.setValue(true);
    EXPECT_EQ(led.ImagenVisible().pixel(w / 2, h / 2), AColor(Rojo).rgb());
    // Lit and not blinking: steady.
    EXPECT_FALSE(led.Parpadeando());
}

TEST_P(Led, ConBordeConservaSuMarcoPlateado) {
    ThhALed led;
    led.setLEDStyle(GetParam().estilo);
    led.setBorderColor(Tostado);
    const QImage& img = led.ImagenVisible();
    // Just inside the frame, the silver surround is untouched.
    EXPECT_EQ(img.pixel(1, 1), AColor(Plata).rgb());
    EXPECT_EQ(img.pixel(img.width() / 2, img.height() / 2), AColor(Plata).rgb());  // dark: FalseColor silver
}

INSTANTIATE_TEST_SUITE_P(Estilos, Led,
                         testing::Values(EstiloLed{ThhALed::LEDSmall, 16, 16}, EstiloLed{ThhALed::LEDLarge, 22, 22},
                                         EstiloLed{ThhALed::LEDSqSmall, 16, 16},
                                         EstiloLed{ThhALed::LEDSqLarge, 22, 22},
                                         EstiloLed{ThhALed::LEDVertical, 16, 22},
                                         EstiloLed{ThhALed::LEDHorizontal, 22, 16}));

TEST(LedParpadeo, ApagarloMuestraSiempreLaImagenOscura) {
    ThhALed led;
    led.setTrueColor(Rojo);
    led.setFalseColor(Granate);
    led.setInterval(5);
    led.setValue(true);
    ASSERT_TRUE(led.Parpadeando());
    int pasos = 0;
    QObject::connect(&led, &ThhALed::OnTimer, [&pasos] { ++pasos; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasos >= 3; }, 2000));
    led.setValue(false);
    EXPECT_FALSE(led.Parpadeando());
    const QImage& img = led.ImagenVisible();
    EXPECT_EQ(img.pixel(img.width() / 2, img.height() / 2), AColor(Granate).rgb());
}

TEST(LedParpadeo, UnCambioDeColorNoDetieneElParpadeo) {
    ThhALed led;
    led.setInterval(5);
    led.setValue(true);
    led.setTrueColor(Rojo);
    EXPECT_TRUE(led.Parpadeando());
    EXPECT_EQ(led.Interval(), 5);
}

TEST(Relleno, PintaSoloLaZonaConexa) {
    QImage img(5, 3, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < 3; ++y) img.setPixel(2, y, qRgb(0, 0, 0));  // a wall
    vista::Inundar(img, QPoint(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(1, 2), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(2, 1), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(4, 1), qRgb(255, 255, 255));
    // Outside the picture: nothing happens.
    vista::Inundar(img, QPoint(9, 9), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(4, 1), qRgb(255, 255, 255));
}

TEST(Parpadeo, ConVelocidadCeroQuedaVisibleYQuieta) {
    QWidget padre;
    vista::TBlinkLabel e(&padre);
    e.setVelocidad(0);
    QTest::qWait(30);
    EXPECT_FALSE(e.isHidden());
    EXPECT_FALSE(e.Activa());
}

TEST(Parpadeo, CadaTicInvierteLaVisibilidad) {
    QWidget padre;
    vista::TBlinkLabel e(&padre);
    e.setVelocidad(10);
    e.hide();
    // Hidden at start: the first tick shows it, the next hides it again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !e.isHidden(); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return e.isHidden(); }, 2000));
}

struct Fecha {
    int anio, mes, dia;
    const char* texto;
};

class FechaLarga : public testing::TestWithParam<Fecha> {};

TEST_P(FechaLarga, EnCastellanoConElDiaSinCero) {
    const Fecha& f = GetParam();
    EXPECT_EQ(vista::FechaLargaDe(QDate(f.anio, f.mes, f.dia)).toStdString(), f.texto);
}

INSTANTIATE_TEST_SUITE_P(Fechas, FechaLarga,
                         testing::Values(Fecha{2026, 12, 8, "martes, 8 de diciembre de 2026"},
                                         Fecha{2024, 1, 1, "lunes, 1 de enero de 2024"},
                                         Fecha{2006, 6, 25, "domingo, 25 de junio de 2006"}));

TEST(Hora, DosCifrasPorCampo) { EXPECT_EQ(vista::HoraDe(QTime(9, 5, 3)).toStdString(), "09:05:03"); }

struct Ampersand {
    const char* caption;
    const char* limpio;
};

class SinAmpersand : public testing::TestWithParam<Ampersand> {};

TEST_P(SinAmpersand, QuitaLaMarcaDelAcelerador) {
    EXPECT_EQ(vista::SinAmpersand(GetParam().caption).toStdString(), GetParam().limpio);
}

INSTANTIATE_TEST_SUITE_P(Textos, SinAmpersand,
                         testing::Values(Ampersand{"Sal&Var partida", "SalVar partida"},
                                         Ampersand{"¿ Sudo&Ku ?", "¿ SudoKu ?"}, Ampersand{"A && B", "A & B"},
                                         Ampersand{"fin&", "fin"}, Ampersand{"", ""}));


// ---------------------------------------------------------------------------
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

// ---------------------------------------------------------------------------
// The highlight label.

// What "exactly as before" covers: colour, style, cursor, and whether each
// is the label's own or inherited.
struct Apariencia {
    QColor color;
    int peso;
    bool cursiva, subrayada, tachada;
    Qt::CursorShape cursor;
    bool paletaPropia, fuentePropia, cursorPropio;
    bool operator==(const Apariencia&) const = default;
};

Apariencia AparienciaDe(const QLabel& l) {
    const QFont f = l.font();
    return {l.palette().color(l.foregroundRole()), f.weight(), f.italic(), f.underline(), f.strikeOut(),
            l.cursor().shape(), l.testAttribute(Qt::WA_SetPalette), l.testAttribute(Qt::WA_SetFont),
            l.testAttribute(Qt::WA_SetCursor)};
}

void Entrar(QWidget& w) {
    QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&w, &e);
}

void Salir(QWidget& w) {
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &e);
}

TEST(Resaltada, ValoresPorDefecto) {
    vista::THilightLabel l;
    EXPECT_EQ(l.HiLightColor(), 0x800000u);
    EXPECT_EQ(vista::AColor(l.HiLightColor()), QColor(0, 0, 128));
    EXPECT_EQ(l.HiLightStyle(), vista::EstiloFuente::Negrita | vista::EstiloFuente::Subrayada);
    EXPECT_EQ(l.HiLightCursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(l.Encima());
}

struct Resalte {
    const char* nombre;
    std::function<void(QLabel&)> preparar;  // the label's own look
    vista::EstilosFuente estilo;
    Color color;
};

class ResaltadaLuz : public testing::TestWithParam<Resalte> {};

// Lit, the label shows the highlight (also to the slot of OnMouseEnter);
// after the mouse leaves it is as it was, down to what it inherits.
TEST_P(ResaltadaLuz, SeEnciendeYVuelveExactamenteComoEra) {
    const Resalte& r = GetParam();
    QWidget padre;
    vista::THilightLabel l(QStringLiteral("Orvalia Software"), &padre);
    r.preparar(l);
    l.setHiLightStyle(r.estilo);
    l.setHiLightColor(r.color);
    l.setHiLightCursor(QCursor(Qt::PointingHandCursor));
    const Apariencia antes = AparienciaDe(l);
    int entradas = 0, salidas = 0;
    QObject::connect(&l, &vista::THilightLabel::OnMouseEnter, [&] {
        ++entradas;
        EXPECT_TRUE(l.Encima());
        EXPECT_EQ(l.palette().color(l.foregroundRole()), vista::AColor(r.color));
        EXPECT_EQ(vista::EstilosDe(l.font()), r.estilo);
        EXPECT_EQ(l.cursor().shape(), Qt::PointingHandCursor);
    });
    QObject::connect(&l, &vista::THilightLabel::OnMouseLeave, [&] {
        ++salidas;
        EXPECT_FALSE(l.Encima());
        EXPECT_EQ(AparienciaDe(l), antes);
    });
    Entrar(l);
    Entrar(l);  // a second entry must not take the highlight for normal
    Salir(l);
    Salir(l);   // nor a second exit raise anything
    EXPECT_EQ(entradas, 1);
    EXPECT_EQ(salidas, 1);
    EXPECT_EQ(AparienciaDe(l), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Etiquetas, ResaltadaLuz,
    testing::Values(
        // The about box's link: black, underlined, hand cursor; lit white.
        Resalte{"enlace",
                [](QLabel& l) {
                    QPalette p = l.palette();
                    p.setColor(QPalette::WindowText, Qt::black);
                    l.setPalette(p);
                    QFont f = l.font();
                    f.setUnderline(true);
                    l.setFont(f);
                    l.setCursor(Qt::PointingHandCursor);
                },
                vista::EstiloFuente::Subrayada, Blanco},
        Resalte{"heredaTodo", [](QLabel&) {}, vista::EstiloFuente::Negrita | vista::EstiloFuente::Subrayada,
                AzulMarino},
        Resalte{"seminegritaTachadaConCursorDeTexto",
                [](QLabel& l) {
                    QFont f = l.font();
                    f.setWeight(QFont::DemiBold);
                    f.setStrikeOut(true);
                    f.setItalic(true);
                    l.setFont(f);
                    l.setCursor(Qt::IBeamCursor);
                },
                {}, Rojo}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(Resaltada, LaQueHeredaSigueHeredandoTrasElResalte) {
    QWidget padre;
    vista::THilightLabel l(QStringLiteral("x"), &padre);
    Entrar(l);
    Salir(l);
    QFont f = padre.font();
    f.setItalic(true);
    padre.setFont(f);
    QPalette p = padre.palette();
    p.setColor(QPalette::WindowText, Qt::darkGreen);
    padre.setPalette(p);
    EXPECT_TRUE(l.font().italic());
    EXPECT_EQ(l.palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
}

TEST(Resaltada, LosSettersSoloGuardan) {
    vista::THilightLabel l;
    Entrar(l);
    const QColor encendida = l.palette().color(QPalette::WindowText);
    l.setHiLightColor(Blanco);
    EXPECT_EQ(l.palette().color(QPalette::WindowText), encendida);
    Salir(l);
    Entrar(l);
    EXPECT_EQ(l.palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST(Resaltada, ClicSoloConElBotonIzquierdoYSoltandoEncima) {
    vista::THilightLabel l(QStringLiteral("Orvalia Software"));
    l.resize(120, 20);
    int clics = 0;
    QObject::connect(&l, &vista::THilightLabel::clicked, [&] { ++clics; });
    QTest::mouseClick(&l, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&l, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(&l, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&l, Qt::LeftButton, {}, QPoint(300, 5));
    EXPECT_EQ(clics, 1);
}

// ---------------------------------------------------------------------------
// More of the LED and the blink label.

TEST(LedParpadeo, RepetirUnValorNoTocaLaFaseYCambiarloLaReinicia) {
    ThhALed led;
    led.setTrueColor(Rojo);
    led.setInterval(5);
    led.setValue(true);
    int pasos = 0;
    QObject::connect(&led, &ThhALed::OnTimer, [&pasos] { ++pasos; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasos % 2 == 1; }, 2000));  // dark phase
    const QPoint centro(led.width() / 2, led.height() / 2);
    const QRgb oscuro = led.ImagenVisible().pixel(centro);
    led.setValue(true);
    led.setBlink(true);
    led.setTrueColor(Rojo);
    led.setBordered(true);
    led.setLEDStyle(ThhALed::LEDSmall);
    EXPECT_EQ(led.ImagenVisible().pixel(centro), oscuro);
    // A real change rebuilds and shows the picture of the value: lit.
    led.setTrueColor(Verde);
    EXPECT_EQ(led.ImagenVisible().pixel(centro), AColor(Verde).rgb());
    EXPECT_TRUE(led.Parpadeando());
    // Blink off while lit: steady lit picture, no timer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasos % 2 == 0; }, 2000) &&
                QTest::qWaitFor([&] { return pasos % 2 == 1; }, 2000));
    led.setBlink(false);
    EXPECT_FALSE(led.Parpadeando());
    EXPECT_EQ(led.ImagenVisible().pixel(centro), AColor(Verde).rgb());
}

TEST(LedParpadeo, SeApagaDesdeSuPropioTic) {
    ThhALed led;
    led.setInterval(5);
    led.setValue(true);
    QObject::connect(&led, &ThhALed::OnTimer, &led, [&led] { led.setValue(false); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !led.Parpadeando(); }, 2000));
    EXPECT_FALSE(led.Value());
    QTest::qWait(30);  // no tick of a timer that is gone
    EXPECT_EQ(led.ImagenVisible().pixel(8, 8), AColor(Plata).rgb());
}

// The lamp has its own entry and exit, but a click on it is its parent's.
TEST(LedRaton, EntraYSaleYElClicSigueAlPadre) {
    QWidget padre;
    ThhALed* led = new ThhALed(&padre);
    int entradas = 0, salidas = 0;
    QObject::connect(led, &ThhALed::OnMouseEnter, [&] { ++entradas; });
    QObject::connect(led, &ThhALed::OnMouseLeave, [&] { ++salidas; });
    Entrar(*led);
    Salir(*led);
    struct Contador : QObject {
        int pulsaciones = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress) ++pulsaciones;
            return false;
        }
    } contador;
    padre.installEventFilter(&contador);
    QTest::mouseClick(led, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(entradas, 1);
    EXPECT_EQ(salidas, 1);
    EXPECT_EQ(contador.pulsaciones, 1);
}

struct PasoVelocidad {
    bool oculta;
    int velocidad;
    bool activa;
};

class ParpadeoVelocidad : public testing::TestWithParam<PasoVelocidad> {};

TEST_P(ParpadeoVelocidad, LaMuestraYSoloCorreSiNoEsCero) {
    QWidget padre;
    vista::TBlinkLabel e(&padre);
    EXPECT_EQ(e.Velocidad(), 400);
    EXPECT_TRUE(e.Activa());
    if (GetParam().oculta) e.hide();
    e.setVelocidad(GetParam().velocidad);
    EXPECT_EQ(e.Velocidad(), GetParam().velocidad);
    EXPECT_FALSE(e.isHidden());
    EXPECT_EQ(e.Activa(), GetParam().activa);
}

INSTANTIATE_TEST_SUITE_P(Valores, ParpadeoVelocidad,
                         testing::Values(PasoVelocidad{false, 0, false}, PasoVelocidad{true, 0, false},
                                         PasoVelocidad{true, 600, true}, PasoVelocidad{false, 400, true}));

}  // namespace
}  // namespace novenario::pruebas
