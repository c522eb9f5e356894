// An idle game sleeps: between two seconds of its clock no timer of the
// window wakes the program, unless something it drives is on screen (the
// error banner's lamps while the banner shows).
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "windows/celda.h"
#include "windows/led.h"
#include "windows/parpadeo.h"

namespace novenario::pruebas {
namespace {

using vista::ThhALed;

// The lamps whose blinking timer runs, by name.
QStringList Parpadean(vista::Aplicacion& app) {
    QStringList n;
    for (ThhALed* l : app.Vista().findChildren<ThhALed*>())
        if (l->Parpadeando()) n << l->objectName();
    for (vista::TBlinkLabel* b : app.Vista().findChildren<vista::TBlinkLabel*>())
        if (b->Activa()) n << b->objectName();
    return n;
}

// Timers of the window running faster than once a second.
int TimersRapidos(vista::Aplicacion& app) {
    int n = 0;
    for (QTimer* t : app.Vista().findChildren<QTimer*>()) n += t->isActive() && t->interval() < 1000 ? 1 : 0;
    return n;
}

void Pulsar(vista::Aplicacion& app, Qt::Key k, const char* texto) {
    QTest::sendKeyEvent(QTest::Click, Foco(app.Vista()), k, QString::fromLatin1(texto), Qt::NoModifier);
}

TEST(Reposo, SoloLasLamparasDelAvisoVisibleParpadean) {
    auto app = ArrancarAceptando();
    QWidget* banner = Widget(*app, "PError");
    ASSERT_FALSE(banner->isVisible());
    EXPECT_EQ(Parpadean(*app), QStringList());
    EXPECT_EQ(TimersRapidos(*app), 0);

    // A digit refused: the banner shows and its two lamps blink.
    QTest::mouseClick(app->Vista().Celda(tablero::Indice("P1_1")), Qt::LeftButton);
    Pulsar(*app, Qt::Key_5, "5");
    Pulsar(*app, Qt::Key_Right, "");
    Pulsar(*app, Qt::Key_5, "5");
    ASSERT_TRUE(banner->isVisible());
    QStringList lamparas = Parpadean(*app);
    lamparas.sort();
    EXPECT_EQ(lamparas, (QStringList{"LedError", "hhALed1"}));
    // Blinking on screen, they do tick.
    auto* lampara = banner->findChild<ThhALed*>(QStringLiteral("LedError"));
    ASSERT_NE(lampara, nullptr);
    int tics = 0;
    QObject::connect(lampara, &ThhALed::OnTimer, lampara, [&tics] { ++tics; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return tics > 0; }, 3000));

    // A digit accepted hides the banner: the lamps stop with it, and stay
    // stopped while the window is idle.
    Pulsar(*app, Qt::Key_6, "6");
    ASSERT_FALSE(banner->isVisible());
    EXPECT_EQ(Parpadean(*app), QStringList());
    tics = 0;
    QTest::qWait(900);
    EXPECT_EQ(tics, 0);
    EXPECT_EQ(TimersRapidos(*app), 0);
}

}  // namespace
}  // namespace novenario::pruebas
