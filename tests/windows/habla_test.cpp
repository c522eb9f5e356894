// What a player with a screen reader hears: what the window tells after each
// answer (through its notification, which Orca speaks whatever has the
// focus), the names of the commands without the Alt letter's capital, and
// the reader's focus back on the cell when a dialog closes.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
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
#include "windows/accesible.h"
#include "windows/celda.h"
#include "windows/entorno_qt.h"
#include "windows/pulsable.h"

namespace novenario::pruebas {
namespace {

using vista::DialogoModal;

// What the window told while the test ran. The object may close before the
// test looks: it is held by a QPointer.
struct Dicho {
    QAccessible::Event tipo;
    QPointer<QObject> objeto;
    QString nombre;
    bool foco = false;  // a change of the focused state
    // A change of text comes as the event of its kind, which carries the
    // text: the reader's bridge reads it as one.
    bool bienFormado = true;
    bool aviso = false;  // shown by a notification (which may close before the test looks)
};

std::vector<Dicho>* dichos = nullptr;

void Escuchar(QAccessibleEvent* e) {
    if (!dichos) return;
    QAccessibleInterface* i = e->accessibleInterface();
    const bool foco = e->type() == QAccessible::StateChanged &&
                      static_cast<QAccessibleStateChangeEvent*>(e)->changedStates().focused;
    bool bien = true;
    switch (e->type()) {
        case QAccessible::TextInserted: bien = dynamic_cast<QAccessibleTextInsertEvent*>(e) != nullptr; break;
        case QAccessible::TextRemoved: bien = dynamic_cast<QAccessibleTextRemoveEvent*>(e) != nullptr; break;
        case QAccessible::TextUpdated: bien = dynamic_cast<QAccessibleTextUpdateEvent*>(e) != nullptr; break;
        default: break;
    }
    dichos->push_back({e->type(), e->object(), i ? i->text(QAccessible::Name) : QString(), foco, bien,
                       e->type() == QAccessible::ObjectShow && qobject_cast<vista::Pregonero*>(e->object())});
}

void Activar(bool activa) {
    if (QPlatformAccessibility* a = QGuiApplicationPrivate::platformIntegration()->accessibility()) a->setActive(activa);
}

class Oyente : public testing::Test {
protected:
    void SetUp() override {
        dichos = &oidos;
        anterior_ = QAccessible::installUpdateHandler(Escuchar);
        Activar(true);
        ASSERT_TRUE(QAccessible::isActive());
        app = ArrancarAceptando();
        // What the window tells as it opens and takes the focus is no answer.
        QTest::qWait(20);
        oidos.clear();
    }
    void TearDown() override {
        app.reset();
        Activar(false);
        QAccessible::installUpdateHandler(anterior_);
        dichos = nullptr;
    }

    void Tecla(Qt::Key k, const char* texto = "", Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Click, Foco(app->Vista()), k, QString::fromLatin1(texto), m);
    }
    QObject* Pregonero() { return app->Vista().findChild<vista::Pregonero*>(); }
    // What the notification said, in order.
    std::vector<std::string> Anuncios() const {
        std::vector<std::string> r;
        for (const Dicho& d : oidos)
            if (d.aviso) r.push_back(d.nombre.toStdString());
        return r;
    }
    int Focos(QObject* o) const {
        int n = 0;
        for (const Dicho& d : oidos) n += d.tipo == QAccessible::Focus && d.objeto == o ? 1 : 0;
        return n;
    }
    const TFormPrincipal& Juego() { return app->Vista().Juego(); }

    std::unique_ptr<vista::Aplicacion> app;
    std::vector<Dicho> oidos;

private:
    QAccessible::UpdateHandler anterior_ = nullptr;
};

TEST_F(Oyente, ElAvisoEsUnaNotificacion) {
    ASSERT_NE(Pregonero(), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Pregonero())->role(), QAccessible::Notification);
}

// Orca leaves out the word "notification" for one inside a status bar: the
// notification is a child of the message line, both ways round (the reader
// walks up from it and down from the window).
TEST_F(Oyente, ElAvisoEstaEnLaLineaDeMensajes) {
    ASSERT_NE(Pregonero(), nullptr);
    QAccessibleInterface* aviso = QAccessible::queryAccessibleInterface(Pregonero());
    QAccessibleInterface* linea = aviso->parent();
    ASSERT_NE(linea, nullptr);
    EXPECT_EQ(linea->role(), QAccessible::StatusBar);
    EXPECT_EQ(linea->object(), Widget(*app, "PMensaje"));
    const int i = linea->indexOfChild(aviso);
    ASSERT_GE(i, 0);
    ASSERT_LT(i, linea->childCount());
    EXPECT_EQ(linea->child(i)->object(), Pregonero());
    // The message line still says the message.
    Tecla(Qt::Key_5, "5");
    EXPECT_EQ(linea->text(QAccessible::Name).toStdString(), Juego().Ventana.PMensaje.Caption);
}

// Each answer from the keyboard, from an empty board with the cursor on
// P1_1, and what the player hears after the last key.
struct CasoHabla {
    const char* caso;
    std::vector<std::pair<Qt::Key, const char*>> teclas;
    std::vector<std::string> anuncios;  // every telling, in order
};

void PrintTo(const CasoHabla& c, std::ostream* os) { *os << c.caso; }

class Habla : public Oyente, public testing::WithParamInterface<CasoHabla> {};

TEST_P(Habla, DiceLoQueCambioTrasCadaTecla) {
    const CasoHabla& k = GetParam();
    for (const auto& [tecla, texto] : k.teclas) Tecla(tecla, texto);
    EXPECT_EQ(Anuncios(), k.anuncios);
}

INSTANTIATE_TEST_SUITE_P(
    Teclado, Habla,
    testing::Values(
        CasoHabla{"aceptada", {{Qt::Key_5, "5"}}, {"5, Número 5 aceptado"}},
        // The message line and the banner say the same: once.
        CasoHabla{"rechazada", {{Qt::Key_5, "5"}, {Qt::Key_Right, ""}, {Qt::Key_5, "5"}},
                  {"5, Número 5 aceptado", "Error. 5 en Bloque"}},
        CasoHabla{"rechazada dos veces",
                  {{Qt::Key_5, "5"}, {Qt::Key_Right, ""}, {Qt::Key_5, "5"}, {Qt::Key_5, "5"}},
                  {"5, Número 5 aceptado", "Error. 5 en Bloque", "Error. 5 en Bloque"}},
        // Along a row the focus alone tells the cell.
        CasoHabla{"a la derecha", {{Qt::Key_Right, ""}}, {}},
        // To another row too: the board is no table whose row Orca reads.
        CasoHabla{"abajo", {{Qt::Key_Down, ""}}, {}},
        CasoHabla{"abajo y arriba", {{Qt::Key_Down, ""}, {Qt::Key_Up, ""}}, {}},
        // A message already told is not told again on the way out.
        CasoHabla{"aceptada y abajo", {{Qt::Key_5, "5"}, {Qt::Key_Down, ""}}, {"5, Número 5 aceptado"}},
        CasoHabla{"borrada", {{Qt::Key_5, "5"}, {Qt::Key_Delete, ""}},
                  {"5, Número 5 aceptado", "fila 1, columna 1, vacía"}}));

// A click on a cell of another row moves the reader's focus there, which
// tells the cell; nothing else is said.
TEST_F(Oyente, UnClicEnOtraFilaDiceSoloLaCelda) {
    QPointer<QWidget> p4_2 = app->Vista().Celda(tablero::Indice("P4_2"));
    ASSERT_TRUE(p4_2);
    QTest::mouseClick(p4_2, Qt::LeftButton, Qt::NoModifier, QPoint(p4_2->width() / 2, p4_2->height() / 2));
    EXPECT_EQ(tablero::Indice(Juego().Variables.Panel_Activo), tablero::Indice("P4_2"));
    EXPECT_EQ(Focos(p4_2), 1);
    EXPECT_TRUE(Anuncios().empty()) << Anuncios().front();
}

// With the help display on, a move is told by the focus: the reader says
// the cell and its candidates, its description, with no notification after
// them that would cut them short.
TEST_F(Oyente, ConLaAyudaUnaFlechaDejaLaCeldaYSusCandidatosAlFoco) {
    QTest::mouseClick(Widget(*app, "LBVerTeclas"), Qt::LeftButton);
    ASSERT_TRUE(Juego().Paneles[tablero::Indice("P1_2")].EtiquetasVisibles);
    oidos.clear();
    Tecla(Qt::Key_Right);
    QPointer<QObject> p1_2 = app->Vista().Celda(tablero::Indice("P1_2"));
    EXPECT_EQ(Focos(p1_2), 1);
    EXPECT_TRUE(Anuncios().empty()) << Anuncios().front();
    const QString d = QAccessible::queryAccessibleInterface(p1_2)->text(QAccessible::Description);
    EXPECT_TRUE(d.startsWith(QStringLiteral("posibles "))) << d.toStdString();
    // An entry there is told as before, with no candidates of a cell left.
    Tecla(Qt::Key_5, "5");
    ASSERT_FALSE(Anuncios().empty());
    EXPECT_EQ(Anuncios().back(), "5, Número 5 aceptado");
}

// ---- The row, the column, the block read out -------------------------------

struct CasoGrupo {
    const char* caso;
    TipoGrupo tipo;
    int fila, columna;  // of the cell, 1..9
    const char* dicho;
};

void PrintTo(const CasoGrupo& c, std::ostream* os) { *os << c.caso; }

class LecturaDeGrupo : public testing::TestWithParam<CasoGrupo> {};

TEST_P(LecturaDeGrupo, DiceSusNueveValoresEnOrden) {
    // Row 1: 5 _ _ | _ 7 _ | _ _ 9, and a 3 at row 6, column 5.
    Tablero t;
    t[tablero::EnRejilla(1, 1)].Caption = "5";
    t[tablero::EnRejilla(1, 5)].Caption = "7";
    t[tablero::EnRejilla(1, 9)].Caption = "9";
    t[tablero::EnRejilla(6, 5)].Caption = "3";
    const CasoGrupo& k = GetParam();
    const int c = k.fila < 1 ? -1 : k.fila > 9 ? NumCeldas : tablero::EnRejilla(k.fila, k.columna);
    EXPECT_EQ(vista::CeldaVista::LecturaDeGrupo(t, k.tipo, c).toStdString(), k.dicho);
}

INSTANTIATE_TEST_SUITE_P(
    Grupos, LecturaDeGrupo,
    testing::Values(
        CasoGrupo{"fila", TipoGrupo::Horizontal, 1, 4,
                  "fila 1: 5, vacía, vacía, vacía, 7, vacía, vacía, vacía, 9"},
        CasoGrupo{"columna", TipoGrupo::Vertical, 9, 5,
                  "columna 5: 7, vacía, vacía, vacía, vacía, 3, vacía, vacía, vacía"},
        // A block by place: its top row first, the 3 in its bottom row.
        CasoGrupo{"bloque", TipoGrupo::Bloque, 5, 5,
                  "bloque 5: vacía, vacía, vacía, vacía, vacía, vacía, vacía, 3, vacía"},
        CasoGrupo{"bloque 2", TipoGrupo::Bloque, 3, 6,
                  "bloque 2: vacía, 7, vacía, vacía, vacía, vacía, vacía, vacía, vacía"},
        CasoGrupo{"ninguna celda", TipoGrupo::Horizontal, 0, 0, ""},
        CasoGrupo{"tras la última", TipoGrupo::Bloque, 10, 0, ""}));

// The keys read the group of the cursor's cell as it stands, again at each
// press, and change nothing in the game.
TEST_F(Oyente, LasTeclasDeLecturaDicenLaFilaLaColumnaYElBloque) {
    Tecla(Qt::Key_5, "5");
    Tecla(Qt::Key_Down);
    const std::string mensaje = Juego().Ventana.PMensaje.Caption;
    const std::string cursor = Juego().Variables.Panel_Activo;
    oidos.clear();
    QWidget* foco = Foco(app->Vista());
    const Qt::KeyboardModifiers m = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyClick(foco, Qt::Key_F, m);
    QTest::keyClick(foco, Qt::Key_C, m);
    QTest::keyClick(foco, Qt::Key_B, m);
    QTest::keyClick(foco, Qt::Key_B, m);
    const std::string vacias8 = "vacía, vacía, vacía, vacía, vacía, vacía, vacía, vacía";
    EXPECT_EQ(Anuncios(), (std::vector<std::string>{"fila 2: vacía, " + vacias8,
                                                    "columna 1: 5, " + vacias8, "bloque 1: 5, " + vacias8,
                                                    "bloque 1: 5, " + vacias8}));
    EXPECT_EQ(Juego().Variables.Panel_Activo, cursor);
    EXPECT_EQ(Juego().Ventana.PMensaje.Caption, mensaje);
    EXPECT_EQ(Juego().Paneles[tablero::EnRejilla(1, 1)].Caption, "5");
    EXPECT_EQ(Juego().Paneles[tablero::EnRejilla(1, 2)].Caption, "");
}

TEST_F(Oyente, UnPasoAtrasDiceLaCeldaYSuValor) {
    Tecla(Qt::Key_5, "5");
    Tecla(Qt::Key_Right);
    Tecla(Qt::Key_7, "7");
    oidos.clear();
    Tecla(Qt::Key_Z, "", Qt::ControlModifier);
    // Back on P1_2, now empty: its focus or the notification says so.
    QObject* p1_2 = app->Vista().Celda(tablero::Indice("P1_2"));
    EXPECT_EQ(tablero::Indice(Juego().Variables.Panel_Activo), tablero::Indice("P1_2"));
    const std::vector<std::string> a = Anuncios();
    const bool dicha = !a.empty() && a.back() == "fila 1, columna 2, vacía";
    EXPECT_TRUE(dicha || Focos(p1_2) == 1) << (a.empty() ? "" : a.back());
    Tecla(Qt::Key_Y, "", Qt::ControlModifier);
    ASSERT_FALSE(Anuncios().empty());
    EXPECT_EQ(Anuncios().back(), "fila 1, columna 2, 7");
}

TEST_F(Oyente, UnaPartidaNuevaDiceDondeEstaElCursorYElMensaje) {
    QTest::keyClick(Foco(app->Vista()), Qt::Key_N, Qt::ControlModifier);
    const int c = tablero::Indice(Juego().Variables.Panel_Activo);
    const std::vector<std::string> a = Anuncios();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0], app->Vista().Celda(c)->accessibleName().toStdString() + ", Partida creada");
    EXPECT_EQ(a[0].rfind("fila ", 0), 0u) << a[0];
}

TEST_F(Oyente, UnaCeldaFijaDiceSuValorYFijaYGuardaSuNombreDeJuego) {
    QTest::keyClick(Foco(app->Vista()), Qt::Key_N, Qt::ControlModifier);
    for (int c = 0; c < NumCeldas; ++c) {
        if (Juego().Paneles[c].Enabled) continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(app->Vista().Celda(c));
        const QString esperado = QStringLiteral("fila %1, columna %2, %3, fija")
                                     .arg(tablero::Fila(c))
                                     .arg(tablero::Columna(c))
                                     .arg(QString::fromStdString(Juego().Paneles[c].Caption).trimmed());
        EXPECT_EQ(i->text(QAccessible::Name), esperado);
        EXPECT_EQ(i->text(QAccessible::Help).toStdString(), tablero::Nombre(c));
        return;
    }
    ADD_FAILURE() << "no fixed cell";
}

// While "Calcula" moves the cursor at every step the reader's focus stays
// where it was: no cell tells of a new focused state until the work ends.
TEST_F(Oyente, CalculaNoMueveElFocoDelLectorEnCadaPaso) {
    app->Juego().Motor.Limite_Pasos = 40;
    auto dialogos = AlAparecerDialogo([](DialogoModal& d) { d.Pulsar(d.Forma().Predeterminado()); }, true);
    int durante = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!Juego().Variables.Proceso_Largo) return;
        for (const Dicho& d : oidos)
            durante += d.foco && qobject_cast<vista::CeldaVista*>(d.objeto) ? 1 : 0;
        oidos.clear();
    });
    timer.start(0);
    QTest::mouseClick(Widget(*app, "LBRellena"), Qt::LeftButton);
    timer.stop();
    EXPECT_EQ(durante, 0);
    ASSERT_FALSE(Anuncios().empty());
    EXPECT_EQ(Anuncios().back().rfind("fila ", 0), 0u) << Anuncios().back();
}

// ---- Commands ------------------------------------------------------------------

struct CasoNombre {
    const char* widget;
    const char* nombre;
    const char* tecla;  // the Alt letter, as the key binding of its press
};

void PrintTo(const CasoNombre& c, std::ostream* os) { *os << c.widget; }

class NombreDeOrden : public Oyente, public testing::WithParamInterface<CasoNombre> {};

TEST_P(NombreDeOrden, SinLaMayusculaDeSuLetraQueEsSuAtajo) {
    const CasoNombre& k = GetParam();
    QAccessibleInterface* b = QAccessible::queryAccessibleInterface(Widget(*app, k.widget));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(QAccessible::Name).toStdString(), k.nombre);
    EXPECT_EQ(b->text(QAccessible::Accelerator).toStdString(), k.tecla);
    ASSERT_NE(b->actionInterface(), nullptr);
    const QStringList teclas = b->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(teclas.join(QLatin1Char(';')).toStdString(), k.tecla);
}

INSTANTIATE_TEST_SUITE_P(
    Ventana, NombreDeOrden,
    testing::Values(CasoNombre{"BSolucion", "Solución", "Alt+O"}, CasoNombre{"BPararProceso", "Cancelar", "Alt+L"},
                    CasoNombre{"BVerTeclas", "Ayuda", "Alt+Y"}, CasoNombre{"BNivel", "Nivel partida 3", "Alt+T"},
                    CasoNombre{"BNuevaPartida", "Nueva partida", "Alt+N"},
                    CasoNombre{"BAyuda", "¿ Sudoku ?", "Alt+K"}, CasoNombre{"B5", "5", ""}));

struct CasoPalabras {
    const char* caption;
    const char* palabras;
    const char* tecla;
};

class Palabras : public testing::TestWithParam<CasoPalabras> {};

TEST_P(Palabras, QuitanLaMarcaYLaMayusculaDeEnMedio) {
    EXPECT_EQ(vista::Palabras(GetParam().caption).toStdString(), GetParam().palabras);
    EXPECT_EQ(vista::TeclaAlt(GetParam().caption).toStdString(), GetParam().tecla);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, Palabras,
    testing::Values(CasoPalabras{"S&Olución", "Solución", "Alt+O"}, CasoPalabras{"&Nueva partida", "Nueva partida", "Alt+N"},
                    CasoPalabras{"Cance&Lar", "Cancelar", "Alt+L"}, CasoPalabras{"Ac&Erca de ...", "Acerca de ...", "Alt+E"},
                    CasoPalabras{"Sal&var Partida", "Salvar Partida", "Alt+V"},
                    CasoPalabras{"Uno && &Dos", "Uno & Dos", "Alt+D"}, CasoPalabras{"<<", "<<", ""},
                    CasoPalabras{"fin&", "fin", ""}, CasoPalabras{"", "", ""}));

// ---- Dialogs --------------------------------------------------------------------

TEST_F(Oyente, AlCerrarseUnDialogoElLectorVuelveALaCelda) {
    Tecla(Qt::Key_Down);
    QObject* celda = app->Vista().Celda(tablero::Indice(Juego().Variables.Panel_Activo));
    auto vigia = AlAparecerDialogo([](DialogoModal& d) {
        QAccessibleInterface* cancelar = QAccessible::queryAccessibleInterface(d.findChild<QWidget*>("BCancelar"));
        cancelar->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QTest::keyClick(Foco(app->Vista()), Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(vigia->Veces(), 1);
    oidos.clear();
    app->Vista().activateWindow();
    QTest::qWait(50);
    if (!app->Vista().isActiveWindow()) GTEST_SKIP() << "this platform gives no window the focus";
    EXPECT_GE(Focos(celda), 1);
    // The focus tells the cell alone: no notification says it again.
    EXPECT_TRUE(Anuncios().empty()) << Anuncios().front();
    // The cell is the last the reader heard of.
    QObject* ultimo = nullptr;
    for (const Dicho& d : oidos)
        if (d.tipo == QAccessible::Focus) ultimo = d.objeto;
    EXPECT_EQ(ultimo, celda);
}

// "Siguiente paso": what "Más" adds is told whole through the dialog's own
// notification, and the digit "Colocar" puts is told as an entered one once
// the window has the focus again (a reader drops news from behind a dialog).
TEST_F(Oyente, ElSiguientePasoSeOyeEnteroYSuCifraComoLaDelJugador) {
    QGuiApplication::clipboard()->setText(
        QStringLiteral("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"));
    QTest::keyClick(Foco(app->Vista()), Qt::Key_V, Qt::ControlModifier);
    oidos.clear();
    std::vector<std::string> conMas;
    std::size_t antesDeColocar = 0;
    auto vigia = AlAparecerDialogo([&](DialogoModal& d) {
        PulsarBoton(d, QStringLiteral("Más"));
        conMas = Anuncios();
        antesDeColocar = oidos.size();
        QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier);  // "Colocar"
    });
    QTest::keyClick(Foco(app->Vista()), Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(vigia->Veces(), 1);
    ASSERT_EQ(conMas.size(), 1u);
    EXPECT_NE(conMas[0].find("\"Colocar\" pone el 8 en la fila 1, columna 6."), std::string::npos) << conMas[0];
    for (const Dicho& d : oidos) EXPECT_TRUE(d.bienFormado) << "event " << d.tipo;

    app->Vista().activateWindow();
    QTest::qWait(50);
    if (!app->Vista().isActiveWindow()) GTEST_SKIP() << "this platform gives no window the focus";
    EXPECT_EQ(Anuncios(), (std::vector<std::string>{conMas[0], "fila 1, columna 6, 8, Número 8 aceptado"}));
    // Told after the reader's focus is back on the cell, not before.
    int foco = -1, anuncio = -1;
    for (std::size_t k = antesDeColocar; k < oidos.size(); ++k) {
        if (oidos[k].tipo == QAccessible::Focus && oidos[k].objeto == app->Vista().Celda(tablero::EnRejilla(1, 6)))
            foco = static_cast<int>(k);
        if (oidos[k].aviso) anuncio = static_cast<int>(k);
    }
    EXPECT_GE(foco, 0);
    EXPECT_GT(anuncio, foco);
}

// ---- File dialogs -----------------------------------------------------------------

struct CasoFiltro {
    const char* descripcion;
    const char* patron;
    const char* filtro;
};

class Filtro : public testing::TestWithParam<CasoFiltro> {};

TEST_P(Filtro, MuestraElPatronUnaVez) {
    EXPECT_EQ(vista::FiltroDeFichero(GetParam().descripcion, GetParam().patron).toStdString(), GetParam().filtro);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogos, Filtro,
    testing::Values(CasoFiltro{"Documento ( *.sdk )", "*.sdk", "Documento ( *.sdk )"},
                    CasoFiltro{"Partida Novenario ( *.sdk )", "*.sdk", "Partida Novenario ( *.sdk )"},
                    CasoFiltro{"Partida", "*.sdk", "Partida (*.sdk)"},
                    CasoFiltro{"Texto (*.txt)", "*.sdk", "Texto (*.txt) (*.sdk)"}));

}  // namespace
}  // namespace novenario::pruebas
