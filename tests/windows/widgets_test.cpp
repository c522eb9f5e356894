// The game's own widgets: the LED lamp, the blinking label, the highlight
// label, the dates. The GIF player and the picture control are in gif_test.cpp.
#include <QEnterEvent>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "windows/arte.h"
#include "windows/entorno_qt.h"
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
