// The outlines of "Siguiente paso": a transparent layer over the board's
// cells that draws, around them, the house the step looks at, the cells that
// prove it, the cells that lose a candidate and the cell the digit goes into.
// It is the window's own layer: no cell of the game changes colour. The
// dialog of the step puts the outlines here; the next action of the player
// in the main window (a click, a key, a command) takes them away.
#pragma once

#include <QWidget>

#include "board/entorno.h"

namespace novenario::vista {

class CapaContornos : public QWidget {
    Q_OBJECT
public:
    // tablero: the board panel; the layer covers it and lets every click
    // through to the cells.
    explicit CapaContornos(QWidget* tablero);

    void Poner(const FormaModal::Contornos& marcas);
    void Quitar();
    const FormaModal::Contornos& Marcas() const { return marcas_; }

    // The colours of the four kinds of outline.
    static QColor ColorCasa();
    static QColor ColorCelda();
    static QColor ColorEliminada();
    static QColor ColorDestino();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    FormaModal::Contornos marcas_;
};

}  // namespace novenario::vista
