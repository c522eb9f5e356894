// The game as a screen reader meets it, through Qt's accessibility: what
// the window exposes, what its buttons and cells say, what their actions do,
// and what it tells as the player moves and enters digits.
#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>
#include <string>
#include <vector>

#include "ayudas.h"
#include "windows/celda.h"

namespace novenario::pruebas {
namespace {

using vista::DialogoModal;

// What the window told while the test ran. The object is watched, not
// held: the dialogs that tell of themselves are gone by the time a test
// reads the list, and a watched object reads as null once it is destroyed.
struct Aviso {
    QAccessible::Event tipo;
    QPointer<QObject> objeto;
    QString nombre;
};

std::vector<Aviso>* avisos = nullptr;

void Recoger(QAccessibleEvent* e) {
    if (!avisos) return;
    // An object telling of its own end is half destroyed already: only the
    // kind of event is kept.
    if (e->type() == QAccessible::ObjectDestroyed) {
        avisos->push_back({e->type(), nullptr, QString()});
        return;
    }
    QAccessibleInterface* i = e->accessibleInterface();
    avisos->push_back({e->type(), e->object(), i ? i->text(QAccessible::Name) : QString()});
}

// Accessibility on or off, as the desktop turns it on when a screen reader
// starts.
void Activar(bool activa) {
    if (QPlatformAccessibility* a = QGuiApplicationPrivate::platformIntegration()->accessibility()) a->setActive(activa);
}

// A screen reader listening: accessibility on, every event kept.
class Lector : public testing::Test {
protected:
    void SetUp() override {
        avisos = &recibidos;
        anterior_ = QAccessible::installUpdateHandler(Recoger);
        Activar(true);
        ASSERT_TRUE(QAccessible::isActive());
        app = ArrancarAceptando();
    }
    void TearDown() override {
        app.reset();
        Activar(false);
        QAccessible::installUpdateHandler(anterior_);
        avisos = nullptr;
    }

    QAccessibleInterface* De(const char* nombre) { return QAccessible::queryAccessibleInterface(Widget(*app, nombre)); }
    QAccessibleInterface* Tablero() { return De("PanelJuego"); }
    const TFormPrincipal& Juego() { return app->Vista().Juego(); }
    void Tecla(Qt::Key k, const char* texto = "") {
        QTest::sendKeyEvent(QTest::Click, Foco(app->Vista()), k, QString::fromLatin1(texto), Qt::NoModifier);
    }
    int Contar(QAccessible::Event tipo, QObject* objeto) const {
        int n = 0;
        for (const Aviso& a : recibidos) n += a.tipo == tipo && a.objeto == objeto ? 1 : 0;
        return n;
    }

    std::unique_ptr<vista::Aplicacion> app;
    std::vector<Aviso> recibidos;

private:
    QAccessible::UpdateHandler anterior_ = nullptr;
};

// ---- Buttons ------------------------------------------------------------------

struct CasoBoton {
    const char* widget;
    const char* nombre;
    bool responde;  // at start
};

void PrintTo(const CasoBoton& c, std::ostream* os) { *os << c.widget; }

class Botones : public Lector, public testing::WithParamInterface<CasoBoton> {};

// One button for the picture and its label together: the label is not in
// the tree; a picture whose label answers (Calcula) answers too.
TEST_P(Botones, UnBotonConNombreDescripcionYEstado) {
    const CasoBoton& k = GetParam();
    QAccessibleInterface* b = De(k.widget);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->role(), QAccessible::Button);
    EXPECT_EQ(b->text(QAccessible::Name).toStdString(), k.nombre);
    EXPECT_EQ(b->text(QAccessible::Description), Widget(*app, k.widget)->toolTip().trimmed());
    EXPECT_EQ(b->state().disabled, !k.responde);
    ASSERT_NE(b->actionInterface(), nullptr);
    EXPECT_TRUE(b->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QAccessibleInterface* padre = b->parent();
    ASSERT_NE(padre, nullptr);
    EXPECT_GE(padre->indexOfChild(b), 0);
    if (QWidget* etiqueta = app->Vista().findChild<QWidget*>(QStringLiteral("L") + QLatin1String(k.widget))) {
        EXPECT_LT(padre->indexOfChild(QAccessible::queryAccessibleInterface(etiqueta)), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ventana, Botones,
    testing::Values(CasoBoton{"BNuevaPartida", "Nueva partida", true}, CasoBoton{"BRellena", "Calcula", true},
                    CasoBoton{"BPausa", "Pausa", false}, CasoBoton{"BSolucion", "Solución", false},
                    CasoBoton{"BSalir", "Salir Novenario", true}, CasoBoton{"BReloj", "Reloj No", true},
                    CasoBoton{"B5", "5", true}, CasoBoton{"BAtras", "<<", false},
                    CasoBoton{"BBorrar", "Borrar", false}, CasoBoton{"PT3", "3", false}));

TEST_F(Lector, PulsarNuevaPartidaCreaUnaPartida) {
    QAccessibleInterface* nueva = De("BNuevaPartida");
    nueva->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Juego().Partida.EPartida.size(), 81u);
    EXPECT_EQ(Juego().Ventana.PMensaje.Caption, "Partida creada");
}

// ---- The board ---------------------------------------------------------------------

// A panel that answers as a table of nine by nine.
TEST_F(Lector, ElTableroEsUnaTablaDeNueveporNueve) {
    QAccessibleInterface* t = Tablero();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->role(), QAccessible::Grouping);
    QAccessibleTableInterface* tabla = t->tableInterface();
    ASSERT_NE(tabla, nullptr);
    EXPECT_EQ(tabla->rowCount(), 9);
    EXPECT_EQ(tabla->columnCount(), 9);
    // Row 1, column 4 is the first cell of the second block.
    QAccessibleInterface* celda = tabla->cellAt(0, 3);
    ASSERT_NE(celda, nullptr);
    EXPECT_EQ(celda->role(), QAccessible::Cell);
    EXPECT_EQ(celda->text(QAccessible::Name).toStdString(), "fila 1, columna 4, vacía");
    ASSERT_NE(celda->tableCellInterface(), nullptr);
    EXPECT_EQ(celda->tableCellInterface()->rowIndex(), 0);
    EXPECT_EQ(celda->tableCellInterface()->columnIndex(), 3);
    EXPECT_EQ(t->child(3)->object(), celda->object());
    // The cursor stands on P1_1 from the start.
    QAccessibleInterface* primera = tabla->cellAt(0, 0);
    EXPECT_TRUE(primera->state().focused);
    EXPECT_TRUE(primera->state().selected);
    EXPECT_FALSE(celda->state().focused);
    ASSERT_EQ(tabla->selectedCellCount(), 1);
    EXPECT_EQ(tabla->selectedCells()[0]->object(), primera->object());
}

// Orca reads a table cell's whole row when the focus comes from another
// row: no cell may stand in a table, however deep.
TEST_F(Lector, NingunaCeldaEstaEnUnaTabla) {
    for (int c = 0; c < NumCeldas; ++c) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(app->Vista().Celda(c));
        ASSERT_NE(i, nullptr) << c;
        EXPECT_EQ(i->role(), QAccessible::Cell) << c;
        ASSERT_NE(i->parent(), nullptr) << c;
        EXPECT_EQ(i->parent()->object(), Widget(*app, "PanelJuego")) << c;
        int niveles = 0;
        for (QAccessibleInterface* p = i->parent(); p && niveles < 20; p = p->parent(), ++niveles)
            EXPECT_NE(p->role(), QAccessible::Table) << c;
        EXPECT_LT(niveles, 20) << c;
    }
}

TEST_F(Lector, UnaFijaDiceFijaYSusCandidatosConLaAyuda) {
    QTest::keyClick(Foco(app->Vista()), Qt::Key_N, Qt::ControlModifier);
    QAccessibleTableInterface* tabla = Tablero()->tableInterface();
    int fijas = 0;
    for (int c = 0; c < NumCeldas; ++c) {
        if (Juego().Paneles[c].Enabled) continue;
        QAccessibleInterface* i = tabla->cellAt(tablero::Fila(c) - 1, tablero::Columna(c) - 1);
        EXPECT_TRUE(i->text(QAccessible::Name).endsWith(QStringLiteral(", fija"))) << c;
        EXPECT_FALSE(i->state().disabled) << c;
        ++fijas;
    }
    EXPECT_EQ(fijas, 40);

    QTest::mouseClick(Widget(*app, "LBVerTeclas"), Qt::LeftButton);
    const int c = tablero::Indice(Juego().Variables.Panel_Activo);
    const Celda& celda = Juego().Paneles[c];
    QAccessibleInterface* i = tabla->cellAt(tablero::Fila(c) - 1, tablero::Columna(c) - 1);
    const QString d = i->text(QAccessible::Description);
    EXPECT_TRUE(d.startsWith(QStringLiteral("posibles "))) << d.toStdString();
    EXPECT_TRUE(d.contains(QStringLiteral("; ocupados "))) << d.toStdString();
    EXPECT_EQ(d.count(QLatin1Char(' ')), static_cast<qsizetype>(celda.PSD.size() + celda.PND.size() + 1))
        << d.toStdString();
}

TEST_F(Lector, UnaFlechaLlevaElFocoALaCeldaNueva) {
    recibidos.clear();
    Tecla(Qt::Key_Right);
    QObject* p1_2 = app->Vista().Celda(tablero::Indice("P1_2"));
    EXPECT_EQ(Contar(QAccessible::Focus, p1_2), 1);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(p1_2);
    EXPECT_TRUE(i->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(app->Vista().Celda(0))->state().focused);
    // The window's focus is that cell.
    QAccessibleInterface* ventana = QAccessible::queryAccessibleInterface(&app->Vista());
    ASSERT_NE(ventana->focusChild(), nullptr);
    EXPECT_EQ(ventana->focusChild()->object(), p1_2);
}

TEST_F(Lector, UnaCifraRechazadaEsUnaAlertaConSuTexto) {
    Tecla(Qt::Key_5, "5");
    Tecla(Qt::Key_Right);
    recibidos.clear();
    Tecla(Qt::Key_5, "5");
    QObject* banner = Widget(*app, "PError");
    ASSERT_EQ(Contar(QAccessible::Alert, banner), 1);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(banner);
    EXPECT_EQ(i->role(), QAccessible::AlertMessage);
    EXPECT_EQ(i->text(QAccessible::Name).toStdString(), "Error. 5 en Bloque");
    // The message line is a status bar, and its new text was told.
    QObject* mensaje = Widget(*app, "PMensaje");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(mensaje)->role(), QAccessible::StatusBar);
    EXPECT_GE(Contar(QAccessible::NameChanged, mensaje), 1);
}

// While "Calcula" moves over the board at every step the reader is not told
// of each cell; when it ends, of the one the cursor is left on; the step
// counter is read with the message line.
TEST_F(Lector, CalculaNoHablaEnCadaPasoYAlFinalDiceDondeQueda) {
    app->Juego().Motor.Limite_Pasos = 40;
    auto dialogos = AlAparecerDialogo([](DialogoModal& d) { d.Pulsar(d.Forma().Predeterminado()); }, true);
    recibidos.clear();
    int focos_durante = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!Juego().Variables.Proceso_Largo) return;
        for (const Aviso& a : recibidos)
            focos_durante += a.tipo == QAccessible::Focus && qobject_cast<vista::CeldaVista*>(a.objeto) ? 1 : 0;
        recibidos.clear();
    });
    timer.start(0);
    QTest::mouseClick(Widget(*app, "LBRellena"), Qt::LeftButton);
    timer.stop();
    EXPECT_EQ(focos_durante, 0);
    QObject* final = app->Vista().Celda(tablero::Indice(Juego().Variables.Panel_Activo));
    EXPECT_EQ(Contar(QAccessible::Focus, final), 1);
    const QString pasos = QAccessible::queryAccessibleInterface(Widget(*app, "PMensaje"))->text(QAccessible::Description);
    EXPECT_EQ(pasos.toStdString(), "Pasos: " + Juego().Ventana.PContador_Jug.Caption);
}

// ---- Dialogs ---------------------------------------------------------------------

// The exit confirmation tells its text, has the focus on "Aceptar", and its
// "Cancelar" answers to the press action.
TEST_F(Lector, ElDialogoDeSalidaDiceSuTextoYSusBotonesSePulsan) {
    QString descripcion, foco;
    QAccessible::Role papel = QAccessible::NoRole;
    bool avisado = false;
    auto vigia = AlAparecerDialogo([&](DialogoModal& d) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&d);
        papel = i->role();
        descripcion = i->text(QAccessible::Description);
        foco = Foco(d)->objectName();
        for (const Aviso& a : recibidos) avisado |= a.tipo == QAccessible::Alert && a.objeto == &d;
        QAccessibleInterface* cancelar = QAccessible::queryAccessibleInterface(d.findChild<QWidget*>("BCancelar"));
        cancelar->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QTest::keyClick(Foco(app->Vista()), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(vigia->Veces(), 1);
    EXPECT_EQ(papel, QAccessible::Dialog);
    EXPECT_EQ(descripcion.toStdString(), "Salir del Programa");
    EXPECT_TRUE(avisado);
    EXPECT_EQ(foco.toStdString(), "BAceptar");
    EXPECT_EQ(Juego().Variables.Respuesta_Salir, Bandera::N);
    EXPECT_TRUE(app->Vista().isVisible());
}

}  // namespace
}  // namespace novenario::pruebas
