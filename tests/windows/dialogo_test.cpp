// The modal dialogs built from the game's forms.
#include <QTest>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "windows/arte.h"
#include "windows/parpadeo.h"
#include "windows/pulsable.h"
#include "windows/resaltada.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace novenario::pruebas {
namespace {

using vista::DialogoModal;

FormaModal DosBotones(int* aceptar, int* cancelar, int* cierre) {
    FormaModal f(FormaModal::Tipo::Cerrar);
    f.Caption = " Novenario.";
    f.ClientWidth = 287;
    f.ClientHeight = 153;
    f.TextoParpadeo = "Salir del Programa";
    f.Botones = {{"&Aceptar", Negro, [aceptar] { ++*aceptar; }}, {"&Cancelar", Granate, [cancelar] { ++*cancelar; }}};
    f.AlCerrar = [cierre] { ++*cierre; };
    return f;
}

TEST(Dialogo, ElBotonLlamaASuManejadorYLaVentanaSigueHastaQueLaFormaSeCierra) {
    int aceptar = 0, cancelar = 0, cierre = 0;
    FormaModal f = DosBotones(&aceptar, &cancelar, &cierre);
    f.Botones[0].Click = [&] { ++aceptar; };
    f.Botones[1].Click = [&] {
        ++cancelar;
        f.Cerrada = true;
    };
    DialogoModal d(f, nullptr);
    auto vigia = AlAparecerDialogo([](DialogoModal& dd) {
        PulsarBoton(dd, QStringLiteral("Aceptar"));  // does not close this form
        PulsarBoton(dd, QStringLiteral("Cancelar"));
    });
    d.Ejecutar();
    EXPECT_EQ(aceptar, 1);
    EXPECT_EQ(cancelar, 1);
    EXPECT_EQ(cierre, 0);
    EXPECT_FALSE(d.isVisible());
}

TEST(Dialogo, LaCajaDeCierreLlamaACerrarVentana) {
    int aceptar = 0, cancelar = 0, cierre = 0;
    FormaModal f = DosBotones(&aceptar, &cancelar, &cierre);
    DialogoModal d(f, nullptr);
    auto vigia = AlAparecerDialogo([](DialogoModal& dd) { dd.close(); });
    d.Ejecutar();
    EXPECT_EQ(cierre, 1);
    EXPECT_TRUE(f.Cerrada);
    EXPECT_EQ(aceptar + cancelar, 0);
}

struct TeclaDialogo {
    Qt::Key tecla;
    int aceptar, cierre;  // how often "Aceptar" and the close box ran
};

void PrintTo(const TeclaDialogo& t, std::ostream* os) { *os << QKeySequence(t.tecla).toString().toStdString(); }

class TeclasDelDialogo : public testing::TestWithParam<TeclaDialogo> {};

// The key goes where a player's goes: to the widget with the focus, which
// from the start is the default button ("Aceptar" here, the second button
// in the row's order is "Cancelar").
TEST_P(TeclasDelDialogo, EnterPulsaAceptarYEscapeEsLaCajaDeCierre) {
    int aceptar = 0, cancelar = 0, cierre = 0;
    FormaModal f = DosBotones(&aceptar, &cancelar, &cierre);
    std::swap(f.Botones[0], f.Botones[1]);
    DialogoModal d(f, nullptr);
    QString foco;
    auto vigia = AlAparecerDialogo([&](DialogoModal& dd) {
        foco = Foco(dd)->objectName();
        QTest::keyClick(Foco(dd), GetParam().tecla);
        f.Cerrada = true;  // whatever the key did, the game closes the form
    });
    d.Ejecutar();
    EXPECT_EQ(foco.toStdString(), "BAceptar");
    EXPECT_EQ(aceptar, GetParam().aceptar);
    EXPECT_EQ(cancelar, 0);
    EXPECT_EQ(cierre, GetParam().cierre);
}

INSTANTIATE_TEST_SUITE_P(Teclas, TeclasDelDialogo,
                         testing::Values(TeclaDialogo{Qt::Key_Return, 1, 0}, TeclaDialogo{Qt::Key_Enter, 1, 0},
                                         TeclaDialogo{Qt::Key_Escape, 0, 1}, TeclaDialogo{Qt::Key_Space, 0, 0},
                                         TeclaDialogo{Qt::Key_A, 0, 0}));

TEST(Dialogo, AltConLaLetraPulsaElBoton) {
    int aceptar = 0, cancelar = 0, cierre = 0;
    FormaModal f = DosBotones(&aceptar, &cancelar, &cierre);
    f.Botones[1].Click = [&] {
        ++cancelar;
        f.Cerrada = true;
    };
    DialogoModal d(f, nullptr);
    auto vigia = AlAparecerDialogo([](DialogoModal& dd) {
        QTest::keyClick(&dd, Qt::Key_X, Qt::AltModifier);  // no such letter
        QTest::keyClick(&dd, Qt::Key_C, Qt::AltModifier);
    });
    d.Ejecutar();
    EXPECT_EQ(cancelar, 1);
    EXPECT_EQ(aceptar, 0);
}

TEST(Dialogo, ElBotonSeHundeAlPulsarYSoltarFueraNoEsClic) {
    int aceptar = 0, cancelar = 0, cierre = 0;
    FormaModal f = DosBotones(&aceptar, &cancelar, &cierre);
    DialogoModal d(f, nullptr);
    d.show();
    QWidget* imagen = d.findChild<QWidget*>(QStringLiteral("BAceptar"));
    QWidget* etiqueta = d.findChild<QWidget*>(QStringLiteral("LBAceptar"));
    ASSERT_TRUE(imagen && etiqueta);
    const QPoint ri = imagen->pos(), re = etiqueta->pos();
    QTest::mousePress(imagen, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(imagen->pos(), ri + QPoint(1, 1));
    EXPECT_EQ(etiqueta->pos(), re + QPoint(1, 1));
    QTest::mouseRelease(imagen, Qt::LeftButton, {}, QPoint(300, 3));
    EXPECT_EQ(imagen->pos(), ri);
    EXPECT_EQ(etiqueta->pos(), re);
    EXPECT_EQ(aceptar, 0);
}

TEST(Dialogo, ElTextoParpadeaConSuPeriodoYSuColor) {
    int a = 0, b = 0, c = 0;
    FormaModal f = DosBotones(&a, &b, &c);
    f.ColorParpadeo = Granate;
    f.Velocidad = 600;
    DialogoModal d(f, nullptr);
    ASSERT_NE(d.Parpadeo(), nullptr);
    EXPECT_EQ(d.Parpadeo()->text().toStdString(), f.TextoParpadeo);
    EXPECT_EQ(d.Parpadeo()->Velocidad(), 600);
    EXPECT_TRUE(d.Parpadeo()->Activa());
    EXPECT_EQ(d.Parpadeo()->palette().color(QPalette::WindowText), vista::AColor(Granate));
    EXPECT_EQ(d.size(), QSize(287, 153));
}

struct Sitio {
    int left, top;
    bool centrado;
};

class Colocacion : public testing::TestWithParam<Sitio> {};

TEST_P(Colocacion, ContadoDesdeLaVentanaPrincipalOCentrado) {
    auto app = ArrancarAceptando();
    int a = 0, b = 0, c = 0;
    FormaModal f = DosBotones(&a, &b, &c);
    f.Left = GetParam().left;
    f.Top = GetParam().top;
    DialogoModal d(f, &app->Vista());
    if (GetParam().centrado) {
        const QPoint centro = app->Vista().screen()->availableGeometry().center();
        EXPECT_LE((d.geometry().center() - centro).manhattanLength(), 2);
    } else {
        EXPECT_EQ(d.geometry().topLeft(), app->Vista().mapToGlobal(QPoint(f.Left, f.Top)));
    }
}

INSTANTIATE_TEST_SUITE_P(Sitios, Colocacion,
                         testing::Values(Sitio{266, 289, false}, Sitio{295, 292, false}, Sitio{-1, -1, true}));

TEST(Dialogo, SinVentanaPrincipalVaAlCentroDeLaPantalla) {
    int a = 0, b = 0, c = 0;
    FormaModal f = DosBotones(&a, &b, &c);
    f.Left = 266;
    f.Top = 289;
    DialogoModal d(f, nullptr);
    const QPoint centro = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((d.geometry().center() - centro).manhattanLength(), 2);
}

TEST(Dialogo, UnaFormaSinBotonesNiTamanoNoRompeNada) {
    FormaModal f(FormaModal::Tipo::SinSolucion);
    f.TextoParpadeo = "Sin Solución";
    DialogoModal d(f, nullptr);
    EXPECT_GT(d.width(), 0);
    d.Pulsar(0);
    d.Pulsar(7);
    auto vigia = AlAparecerDialogo([&f](DialogoModal&) { f.CerrarVentana(); });
    d.Ejecutar();
    EXPECT_TRUE(f.Cerrada);
}

}  // namespace
}  // namespace novenario::pruebas

namespace novenario::pruebas {
namespace {

TEST(Dialogo, ElMensajeSigueALosBotones) {
    FormaModal f(FormaModal::Tipo::Nivel);
    f.ClientWidth = 589;
    f.ClientHeight = 183;
    f.Mensaje = "uno";
    FormaModal* p = &f;
    f.Botones = {{"&Primero", Negro, [p] { p->Mensaje = "dos"; }}, {"&Aceptar", Negro, [p] { p->Cerrada = true; }}};
    DialogoModal d(f, nullptr);
    ASSERT_NE(d.Mensaje(), nullptr);
    EXPECT_EQ(d.Mensaje()->text().toStdString(), "uno");
    d.Pulsar(0);
    EXPECT_EQ(d.Mensaje()->text().toStdString(), "dos");
}

// The level dialog's box: inside the window, clear of the message, the
// picture and the buttons; a click ticks it and tells the form, and a
// form that shows it ticked opens ticked.
TEST(Dialogo, LaCasillaCabeYAvisaALaForma) {
    for (bool al_abrir : {false, true}) {
        FormaModal f(FormaModal::Tipo::Nivel);
        f.ClientWidth = 589;
        f.ClientHeight = 183;
        f.Mensaje = "Normal ... Muestra 40 pistas de 81 posibles";
        for (const char* c : {"&Uno", "&Dos", "&Tres", "&Cuatro", "Ci&nco", "&Aceptar", "&Cancelar"})
            f.Botones.push_back({c, Negro, {}});
        std::vector<bool> avisos;
        f.Marca = {"&Solución única", al_abrir, [&avisos](bool m) { avisos.push_back(m); }};
        DialogoModal d(f, nullptr);
        QCheckBox* casilla = d.Casilla();
        ASSERT_NE(casilla, nullptr);
        EXPECT_EQ(casilla->isChecked(), al_abrir);
        EXPECT_EQ(casilla->text().toStdString(), "&Solución única");
        const QRect cliente(QPoint(0, 0), d.size());
        EXPECT_TRUE(cliente.contains(casilla->geometry()));
        EXPECT_GE(casilla->width(), casilla->sizeHint().width()) << "the whole caption shows";
        for (QWidget* otro : d.findChildren<QWidget*>()) {
            if (otro == casilla || otro->parentWidget() != &d || otro->objectName().startsWith(QStringLiteral("LB")))
                continue;
            EXPECT_FALSE(otro->geometry().intersects(casilla->geometry())) << otro->objectName().toStdString();
        }
        QTest::mouseClick(casilla, Qt::LeftButton, {}, casilla->rect().center());
        EXPECT_EQ(f.Marca.Marcada, !al_abrir);
        EXPECT_EQ(avisos, std::vector<bool>{!al_abrir});
    }
}

TEST(Dialogo, SieteBotonesCabenEnElAnchoDeLaVentana) {
    FormaModal f(FormaModal::Tipo::Nivel);
    f.ClientWidth = 589;
    f.ClientHeight = 183;
    for (const char* c : {"&Uno", "&Dos", "&Tres", "&Cuatro", "Ci&nco", "&Aceptar", "Ca&ncelar"})
        f.Botones.push_back({c, Negro, {}});
    DialogoModal d(f, nullptr);
    const QRect cliente(QPoint(0, 0), d.size());
    std::vector<QRect> vistos;
    for (const char* n : {"BUno", "BDos", "BTres", "BCuatro", "BCinco", "BAceptar", "BCancelar"}) {
        QWidget* b = d.findChild<QWidget*>(QLatin1String(n));
        ASSERT_NE(b, nullptr) << n;
        EXPECT_TRUE(cliente.contains(b->geometry())) << n;
        for (const QRect& otro : vistos) EXPECT_FALSE(otro.intersects(b->geometry())) << n;
        vistos.push_back(b->geometry());
    }
}

}  // namespace
}  // namespace novenario::pruebas

namespace novenario::pruebas {
namespace {

struct Disposicion {
    FormaModal::Tipo tipo;
    int ancho, alto;
    const char* caption;
    QPoint boton;  // where the first button's picture goes
};

class VentanasPropias : public testing::TestWithParam<Disposicion> {};

TEST_P(VentanasPropias, ElPrimerBotonEnSuSitio) {
    const Disposicion& p = GetParam();
    FormaModal f(p.tipo);
    f.ClientWidth = p.ancho;
    f.ClientHeight = p.alto;
    f.Botones = {{p.caption, Negro, {}}};
    DialogoModal d(f, nullptr);
    const QString nombre = vista::SinAmpersand(p.caption);
    QWidget* imagen = d.findChild<QWidget*>(QStringLiteral("B") + nombre);
    QWidget* etiqueta = d.findChild<QWidget*>(QStringLiteral("LB") + nombre);
    ASSERT_TRUE(imagen && etiqueta);
    EXPECT_EQ(imagen->pos(), p.boton);
    // The label sits seven pixels in and four down on its picture.
    EXPECT_EQ(etiqueta->pos(), p.boton + QPoint(7, 4));
    EXPECT_TRUE(QRect(QPoint(0, 0), d.size()).contains(imagen->geometry()));
}

TEST(Dialogo, LaAyudaMuestraSuTextoParaLeerSinCambiarlo) {
    FormaModal f(FormaModal::Tipo::Ayuda);
    f.ClientWidth = 642;
    f.ClientHeight = 415;
    f.Lineas = {std::string(30, ' ') + "NOVENARIO", "", "Solución"};
    f.Botones = {{"&Salir de ayuda", Negro, {}}};
    DialogoModal d(f, nullptr);
    auto* texto = d.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"));
    ASSERT_NE(texto, nullptr);
    EXPECT_EQ(texto->geometry(), QRect(20, 17, 601, 340));
    EXPECT_TRUE(texto->isReadOnly());
    EXPECT_EQ(texto->toPlainText(), QString::fromUtf8("                              NOVENARIO\n\nSolución"));
    EXPECT_EQ(texto->palette().color(QPalette::Base), vista::AColor(Arena));
    EXPECT_EQ(texto->font().pixelSize(), 13);
    EXPECT_EQ(texto->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QWidget* salir = d.findChild<QWidget*>(QStringLiteral("BSalirdeayuda"));
    ASSERT_NE(salir, nullptr);
    EXPECT_EQ(salir->pos(), QPoint(267, 376));
    // Typing changes nothing.
    texto->setFocus();
    QTest::keyClicks(texto, "xyz");
    EXPECT_FALSE(texto->toPlainText().contains(QStringLiteral("xyz")));
}

// With the focus on its button, the help text still scrolls from the
// keyboard, and Escape closes the window.
TEST(Dialogo, LaAyudaSeRecorreConElTeclado) {
    FormaModal f(FormaModal::Tipo::Ayuda);
    f.ClientWidth = 642;
    f.ClientHeight = 415;
    f.Lineas = std::vector<std::string>(200, "linea");
    f.Botones = {{"&Salir de ayuda", Negro, [&f] { f.Cerrada = true; }}};
    f.AlCerrar = [&f] { f.Cerrada = true; };
    DialogoModal d(f, nullptr);
    EXPECT_TRUE(d.windowFlags() & Qt::WindowMinimizeButtonHint);
    std::vector<int> posiciones;
    auto vigia = AlAparecerDialogo([&](DialogoModal& dd) {
        QScrollBar* barra = dd.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))->verticalScrollBar();
        QWidget* foco = Foco(dd);
        for (Qt::Key k : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Home}) {
            QTest::keyClick(foco ? foco : &dd, k);
            posiciones.push_back(barra->value());
        }
        posiciones.push_back(barra->maximum());
        QTest::keyClick(foco ? foco : &dd, Qt::Key_Escape);
    });
    d.Ejecutar();
    ASSERT_EQ(posiciones.size(), 6u);
    EXPECT_GT(posiciones[0], 0);
    EXPECT_EQ(posiciones[1], posiciones[0] + 1);
    EXPECT_EQ(posiciones[2], posiciones[5]);
    EXPECT_LT(posiciones[3], posiciones[2]);
    EXPECT_EQ(posiciones[4], 0);
    EXPECT_TRUE(f.Cerrada);
}

TEST(Dialogo, ElEnlaceDelAcercaDeSeIluminaYAvisaAlPulsarlo) {
    int enlaces = 0;
    FormaModal f(FormaModal::Tipo::AcercaDe);
    f.ClientWidth = 280;
    f.ClientHeight = 180;
    f.Direccion = "https://www.orvalia.example/novenario/";
    f.AlEnlace = [&enlaces] { ++enlaces; };
    f.Botones = {{"&Salir", Negro, {}}};
    DialogoModal d(f, nullptr);
    auto* internet = d.findChild<vista::THilightLabel*>(QStringLiteral("Internet"));
    ASSERT_NE(internet, nullptr);
    EXPECT_EQ(internet->pos(), QPoint(49, 139));
    EXPECT_EQ(internet->text(), QStringLiteral("Orvalia Software"));
    EXPECT_EQ(internet->toolTip(), QStringLiteral("https://www.orvalia.example/novenario/"));
    EXPECT_TRUE(internet->font().underline());
    EXPECT_EQ(internet->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(internet->HiLightColor(), Blanco);
    QTest::mouseClick(internet, Qt::LeftButton);
    EXPECT_EQ(enlaces, 1);
    EXPECT_FALSE(f.Cerrada);
    // Without the folder of animations the still emblem stands in the panel.
    EXPECT_NE(d.findChild<QLabel*>(QStringLiteral("BmpLogo")), nullptr);
    EXPECT_EQ(d.findChild<QWidget*>(QStringLiteral("GifLogo")), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Tipos, VentanasPropias,
                         testing::Values(Disposicion{FormaModal::Tipo::Inicio, 329, 178, "&Aceptar", {172, 63}},
                                         Disposicion{FormaModal::Tipo::AcercaDe, 280, 180, "&Salir", {158, 137}}));

}  // namespace
}  // namespace novenario::pruebas
