// The game's own widgets: the LED lamp, the blinking label, the dates.
#include <QTest>
#include <gtest/gtest.h>

#include "windows/arte.h"
#include "windows/entorno_qt.h"
#include "windows/led.h"
#include "windows/parpadeo.h"
#include "windows/pulsable.h"

namespace novenario::pruebas {
namespace {

using vista::AColor;
using vista::LedLampara;

struct EstiloLed {
    LedLampara::Estilo estilo;
    int ancho, alto;
};

class Led : public testing::TestWithParam<EstiloLed> {};

TEST_P(Led, SinBordeLasEsquinasTomanElColorDelBorde) {
    LedLampara led;
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
    LedLampara led;
    led.setLEDStyle(GetParam().estilo);
    led.setBorderColor(Tostado);
    const QImage& img = led.ImagenVisible();
    // Just inside the frame, the silver surround is untouched.
    EXPECT_EQ(img.pixel(1, 1), AColor(Plata).rgb());
    EXPECT_EQ(img.pixel(img.width() / 2, img.height() / 2), AColor(Plata).rgb());  // dark: FalseColor silver
}

INSTANTIATE_TEST_SUITE_P(Estilos, Led,
                         testing::Values(EstiloLed{LedLampara::LEDSmall, 16, 16}, EstiloLed{LedLampara::LEDLarge, 22, 22},
                                         EstiloLed{LedLampara::LEDSqSmall, 16, 16},
                                         EstiloLed{LedLampara::LEDSqLarge, 22, 22},
                                         EstiloLed{LedLampara::LEDVertical, 16, 22},
                                         EstiloLed{LedLampara::LEDHorizontal, 22, 16}));

TEST(LedParpadeo, ApagarloMuestraSiempreLaImagenOscura) {
    LedLampara led;
    led.setTrueColor(Rojo);
    led.setFalseColor(Granate);
    led.setInterval(5);
    led.setValue(true);
    ASSERT_TRUE(led.Parpadeando());
    int pasos = 0;
    QObject::connect(&led, &LedLampara::OnTimer, [&pasos] { ++pasos; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasos >= 3; }, 2000));
    led.setValue(false);
    EXPECT_FALSE(led.Parpadeando());
    const QImage& img = led.ImagenVisible();
    EXPECT_EQ(img.pixel(img.width() / 2, img.height() / 2), AColor(Granate).rgb());
}

TEST(LedParpadeo, UnCambioDeColorNoDetieneElParpadeo) {
    LedLampara led;
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
    vista::EtiquetaParpadeo e(&padre);
    e.setVelocidad(0);
    QTest::qWait(30);
    EXPECT_FALSE(e.isHidden());
    EXPECT_FALSE(e.Activa());
}

TEST(Parpadeo, CadaTicInvierteLaVisibilidad) {
    QWidget padre;
    vista::EtiquetaParpadeo e(&padre);
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

}  // namespace
}  // namespace novenario::pruebas
