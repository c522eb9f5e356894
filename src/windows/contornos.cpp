#include "windows/contornos.h"

#include <QPainter>
#include <algorithm>

#include "board/tablero.h"

namespace novenario::vista {

namespace {

// A cell's rectangle inside the board panel; empty for no cell.
QRect Rectangulo(int c) {
    if (c < 0 || c >= NumCeldas) return {};
    return QRect(tablero::Izquierda(c), tablero::Arriba(c), tablero::AnchoCelda, tablero::AltoCelda);
}

}  // namespace

CapaContornos::CapaContornos(QWidget* tablero) : QWidget(tablero) {
    setObjectName(QStringLiteral("Contornos"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    if (tablero) setGeometry(tablero->rect());
    hide();
}

QColor CapaContornos::ColorCasa() { return QColor(0, 70, 230); }
QColor CapaContornos::ColorCelda() { return QColor(220, 0, 150); }
QColor CapaContornos::ColorEliminada() { return QColor(230, 40, 0); }
QColor CapaContornos::ColorDestino() { return QColor(0, 150, 40); }

void CapaContornos::Poner(const FormaModal::Contornos& marcas) {
    marcas_ = marcas;
    if (parentWidget() && geometry() != parentWidget()->rect()) setGeometry(parentWidget()->rect());
    setVisible(!marcas_.Vacios());
    update();
}

void CapaContornos::Quitar() { Poner({}); }

void CapaContornos::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    // A house is a row, a column or a block: the rectangle around its cells.
    p.setPen(QPen(ColorCasa(), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const auto& casa : marcas_.Casas) {
        QRect r;
        for (int c : casa) r = r.united(Rectangulo(c));
        if (!r.isEmpty()) p.drawRect(r.adjusted(-2, -2, 1, 1));
    }
    p.setPen(QPen(ColorEliminada(), 2, Qt::DashLine));
    for (int c : marcas_.Eliminadas) {
        if (std::find(marcas_.Celdas.begin(), marcas_.Celdas.end(), c) != marcas_.Celdas.end()) continue;
        const QRect r = Rectangulo(c);
        if (!r.isEmpty()) p.drawRect(r.adjusted(4, 4, -5, -5));
    }
    p.setPen(QPen(ColorCelda(), 3));
    for (int c : marcas_.Celdas) {
        const QRect r = Rectangulo(c);
        if (!r.isEmpty()) p.drawRect(r.adjusted(3, 3, -4, -4));
    }
    const QRect destino = Rectangulo(marcas_.Destino);
    if (!destino.isEmpty()) {
        p.setPen(QPen(ColorDestino(), 4));
        p.drawRect(destino.adjusted(3, 3, -4, -4));
    }
}

}  // namespace novenario::vista
