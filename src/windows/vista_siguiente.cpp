// "Siguiente paso" on the main window: one action with Ctrl+H that answers
// while the board does, offered again by the board's own menu (a right click
// on any cell, or the menu key or Shift+F10 at the keyboard cursor's cell),
// the layer of outlines over the cells, and the words of "Pista"'s tooltip
// that point to it.
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "windows/celda.h"
#include "windows/contornos.h"
#include "windows/vista_principal.h"

namespace novenario::vista {

void VistaPrincipal::CrearSiguiente() {
    // Over the cells, under the keyboard cursor's placeholder, the floating
    // keypad and the cover, which are made after the cells and stand above them.
    capa_ = new CapaContornos(tablero_);
    if (ControlVista* menti = VistaDe(juego_.Ventana.PMenti)) capa_->stackUnder(menti);
    siguiente_ = new QAction(QStringLiteral("Explicar el siguiente paso"), this);
    siguiente_->setObjectName(QStringLiteral("Siguiente"));
    siguiente_->setShortcut(QKeySequence(QString::fromLatin1(AtajoSiguiente)));
    siguiente_->setShortcutContext(Qt::WindowShortcut);
    siguiente_->setShortcutVisibleInContextMenu(true);
    addAction(siguiente_);
    connect(siguiente_, &QAction::triggered, this, [this] {
        // The step is mostly worked out ahead; on the hardest puzzles, asked
        // for at once, it may take a moment, which the cursor tells.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        Llamar([&] { puerta_.SiguientePaso(); });
        QGuiApplication::restoreOverrideCursor();
    });

    tablero_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tablero_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& donde) { MenuTablero(tablero_->mapToGlobal(donde), false); });
    // From the keyboard, as on any desktop: the menu key, or Shift+F10.
    auto* teclado = new QAction(this);
    teclado->setObjectName(QStringLiteral("MenuTeclado"));
    teclado->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    teclado->setShortcutContext(Qt::WindowShortcut);
    addAction(teclado);
    connect(teclado, &QAction::triggered, this, [this] {
        const QWidget* celda = Celda(activa_);
        MenuTablero(celda ? celda->mapToGlobal(celda->rect().center()) : tablero_->mapToGlobal(tablero_->rect().center()),
                    true);
    });

    const QString atajo = QString::fromLatin1(AtajoSiguiente) + QStringLiteral(": siguiente paso");
    for (const Control* c : {&juego_.Ventana.BVerPista, &juego_.Ventana.LBVerPista})
        if (ControlVista* v = VistaDe(*c)) v->PonerAtajo(atajo);
}

void VistaPrincipal::MenuTablero(const QPoint& donde, bool desdeTeclado) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("MenuTablero"));
    menu.addAction(siguiente_);
    // Opened from the keyboard, its entry is lit, so Enter takes it and a
    // screen reader says it.
    if (desdeTeclado) QTimer::singleShot(0, &menu, [&menu, this] { menu.setActiveAction(siguiente_); });
    menu.exec(donde);
}

void VistaPrincipal::QuitarContornos(QObject* objeto, QEvent* e) {
    if (!capa_ || capa_->isHidden()) return;
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            break;
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            // A modifier on its own is half of a key still being typed.
            switch (static_cast<QKeyEvent*>(e)->key()) {
                case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Meta: case Qt::Key_Alt:
                case Qt::Key_AltGr: case Qt::Key_unknown: return;
                default: break;
            }
            break;
        default: return;
    }
    auto* w = qobject_cast<QWidget*>(objeto);
    if (!w || w->window() != this || QApplication::activeModalWidget()) return;
    capa_->Quitar();
}

}  // namespace novenario::vista
