// The main window's commands and keys: a QAction per command of the game's
// table (its Alt letter and its desktop shortcut), the history keys'
// shortcuts, the board's own keys through the key filter, and the close box.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>

#include "windows/accesible.h"
#include "windows/celda.h"
#include "windows/estilos.h"
#include "windows/vista_principal.h"
#include "entrada/entrada.h"

namespace novenario::vista {

namespace {

// Keys named as a Spanish keyboard labels them: Ctrl, Mayús.
QString NombreDeTeclas(const QList<QKeySequence>& teclas) {
    QStringList nombres;
    for (const QKeySequence& t : teclas)
        nombres << t.toString(QKeySequence::PortableText).replace(QStringLiteral("Shift"), QStringLiteral("Mayús"));
    return nombres.join(QStringLiteral(", "));
}

}  // namespace

// Each command of the game's table: its picture and its label on the window,
// and one action that carries its Alt letter and its desktop shortcut (both
// reach its accelerator, so they answer exactly when it would).
void VistaPrincipal::CrearComandos() {
    // To a screen reader the picture and its label are one button.
    Aspecto cara = Como(Aspecto::Papel::Boton, ConFondo(Aspecto::Fondo::Cara));
    Aspecto etiqueta = Como(Aspecto::Papel::Oculto, Texto(12));
    etiqueta.mnemonico = true;
    etiqueta.pasarSiInactivo = true;
    for (const Comando& cmd : juego_.Comandos) {
        auto* img = new ControlVista(cara, this);
        auto* lab = new ControlVista(etiqueta, this);
        img->setObjectName(QLatin1String(cmd.Imagen->Nombre));
        lab->setObjectName(QLatin1String(cmd.Etiqueta->Nombre));
        img->PonerPareja(lab);
        const IdComando id = cmd.Id;
        const bool doble = cmd.DobleClic;
        for (auto [v, origen] : {std::pair{img, Origen::Imagen}, std::pair{lab, Origen::Etiqueta}}) {
            connect(v, &ZonaPulsable::presionado, this, [this, id] { Llamar([&] { puerta_.MouseDown(id); }); });
            connect(v, &ZonaPulsable::soltado, this, [this, id, origen](bool clic) {
                Llamar([&] { puerta_.MouseUp(id); });
                if (clic) Llamar([&] { puerta_.Ejecutar(id, origen); });
            });
            connect(v, &ZonaPulsable::dobleClic, this, [this, id, origen, doble] {
                if (doble) Llamar([&] { puerta_.Ejecutar(id, origen); });
            });
        }

        QList<QKeySequence> teclas;
        if (const char letra = LetraAcelerador(cmd.Acelerador->Caption))
            teclas << QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_A + (letra - 'A')));
        if (cmd.Atajo) {
            const QKeySequence atajo(QString::fromLatin1(cmd.Atajo));
            teclas << atajo;
            for (ControlVista* v : {img, lab}) v->PonerAtajo(NombreDeTeclas({atajo}));
        }
        auto* accion = new QAction(Palabras(cmd.Etiqueta->Caption), this);
        accion->setObjectName(QLatin1String(cmd.Acelerador->Nombre));
        accion->setShortcuts(teclas);
        accion->setShortcutContext(Qt::WindowShortcut);
        addAction(accion);
        connect(accion, &QAction::triggered, this,
                [this, id] { Llamar([&] { puerta_.Ejecutar(id, Origen::Acelerador); }); });
        comandos_.push_back({cmd.Id, cmd.Imagen, cmd.Etiqueta, img, lab, accion});
    }
}

// The history keys' shortcuts, shown in their tooltips.
void VistaPrincipal::CrearAtajos() {
    for (const AtajoHistoria& a : AtajosHistoria) {
        QList<QKeySequence> teclas;
        for (const char* t : a.Teclas)
            if (t) teclas << QKeySequence(QString::fromLatin1(t));
        auto* accion = new QAction(this);
        accion->setShortcuts(teclas);
        accion->setShortcutContext(Qt::WindowShortcut);
        addAction(accion);
        connect(accion, &QAction::triggered, this, [this, &a] { Llamar([&] { puerta_.Atajar(a); }); });
        if (ControlVista* v = VistaDe(a.Adelante ? juego_.Ventana.BAdelante : juego_.Ventana.BAtras))
            v->PonerAtajo(NombreDeTeclas(teclas));
    }
    // The board from and to the clipboard: the window reads and writes the
    // clipboard, the game reads and writes the board.
    const auto atajo = [this](const char* tecla, auto&& accion) {
        auto* a = new QAction(this);
        a->setShortcut(QKeySequence(QString::fromLatin1(tecla)));
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        connect(a, &QAction::triggered, this, accion);
    };
    atajo(AtajoPegar, [this] {
        const std::string texto = QGuiApplication::clipboard()->text().toStdString();
        Llamar([&] { puerta_.Pegar(texto); });
    });
    atajo(AtajoCopiar, [this] {
        const std::string texto = puerta_.Copiar();
        if (!texto.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(texto));
    });
    // The row, column or block of the cursor read out, for a player who
    // cannot see the board; the game is not touched.
    for (const auto& [tecla, tipo] : {std::pair{AtajoLeerFila, TipoGrupo::Horizontal},
                                      std::pair{AtajoLeerColumna, TipoGrupo::Vertical},
                                      std::pair{AtajoLeerBloque, TipoGrupo::Bloque}}) {
        atajo(tecla, [this, tipo = tipo] {
            if (juego_.Variables.Proceso_Largo) return;
            const int activa = tablero::Indice(juego_.Variables.Panel_Activo);
            pregonero_->Decir(CeldaVista::LecturaDeGrupo(juego_.Paneles, tipo, activa));
        });
    }
}

void VistaPrincipal::closeEvent(QCloseEvent* e) {
    // The game asks first; when the player agrees it keeps the game in
    // progress and asks the application to end.
    e->ignore();
    Llamar([&] { puerta_.FormClose(); });
}

bool VistaPrincipal::eventFilter(QObject* objeto, QEvent* e) {
    QuitarContornos(objeto, e);
    if (e->type() != QEvent::KeyPress) return false;
    auto* w = qobject_cast<QWidget*>(objeto);
    if (!w || w->window() != this || QApplication::activeModalWidget()) return false;
    return Tecla(static_cast<QKeyEvent*>(e));
}

namespace {

// The key codes of the game's key table; every other key is 0 (it still
// runs the common steps of a key press, and moves nothing).
int CodigoDeTecla(int tecla) {
    switch (tecla) {
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        case Qt::Key_Delete: return VK_DELETE;
        case Qt::Key_Backspace: return VK_BACK;
        default: return 0;
    }
}

}  // namespace

bool VistaPrincipal::Tecla(QKeyEvent* k) {
    const int key = k->key();
    // A modifier on its own is half of a key a player is still typing
    // (Shift for "*", Ctrl for Ctrl+Z): it must not clear the message line
    // before the key it belongs to arrives.
    switch (key) {
        case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Meta: case Qt::Key_Alt:
        case Qt::Key_AltGr: case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R: case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_ScrollLock:
        case Qt::Key_unknown: return false;
        default: break;
    }
    // The commands' Alt letters are actions of the window; an Alt key that
    // reaches here answers none of them and belongs to the desktop.
    if (k->modifiers() & Qt::AltModifier) return false;
    // With Ctrl a key types no digit; the shortcuts were offered it first.
    const bool control = (k->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
    const std::string caracter = control ? std::string() : k->text().toStdString();
    Llamar([&] { puerta_.Tecla(CodigoDeTecla(key), caracter); });
    return true;
}

}  // namespace novenario::vista
