// What the window tests share: the program started past its start window,
// and a way to act on a modal dialog once it is on screen (the dialog's own
// loop is running by then, so the action comes from a timer).
#pragma once

#include <QApplication>
#include <QString>
#include <functional>
#include <memory>

#include "board/juego.h"
#include "candidates/candidatos.h"
#include "print/imprimir.h"
#include "savegame/partidas.h"
#include "setup/partida.h"
#include "solver/calcula.h"
#include "windows/aplicacion.h"
#include "windows/dialogo.h"

namespace novenario::pruebas {

// Watches for windows while it lives: runs the action on the next window
// that buscar finds (within 5 seconds), or on every new one with todos.
class Vigia {
public:
    Vigia(std::function<QWidget*()> buscar, std::function<void(QWidget&)> accion, bool todos);
    ~Vigia();
    Vigia(const Vigia&) = delete;
    Vigia& operator=(const Vigia&) = delete;
    // How many dialogs the action ran on.
    int Veces() const { return *veces_; }

private:
    class QTimer* timer_;
    std::shared_ptr<int> veces_;
};

// The game's own dialogs.
std::unique_ptr<Vigia> AlAparecerDialogo(std::function<void(vista::DialogoModal&)> accion, bool todos = false);
// Any modal window of type T: a file dialog, a message box.
template <class T>
std::unique_ptr<Vigia> AlAparecerModal(std::function<void(T&)> accion, bool todos = false) {
    return std::make_unique<Vigia>([] { return static_cast<QWidget*>(qobject_cast<T*>(QApplication::activeModalWidget())); },
                                   [accion](QWidget& w) { accion(static_cast<T&>(w)); }, todos);
}

// Where a key pressed in that window goes: the widget of it that has (or,
// once the window is active, will have) the focus, else the window itself.
inline QWidget* Foco(QWidget& ventana) { return ventana.focusWidget() ? ventana.focusWidget() : &ventana; }

// Clicks the label of the dialog's button with that caption (no "&").
void PulsarBoton(vista::DialogoModal& d, const QString& caption);

// A quick double click as Qt delivers it: press, release, double-click
// press, release.
void DobleClic(QWidget* w);

// The program with its start window accepted and its main window shown;
// with recuperar, the last game kept brought back.
std::unique_ptr<vista::Aplicacion> ArrancarAceptando(bool recuperar = false);

// A widget of the main window by its control's name; fails the test if absent.
QWidget* Widget(vista::Aplicacion& app, const QString& nombre);

// The value of a solved grid at a cell: rows shifted by three, bands by one.
int ValorResuelto(int c);

}  // namespace novenario::pruebas
