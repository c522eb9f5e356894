// The label that lights up under the mouse: on entry it remembers its font
// colour, font style and cursor and takes the highlight ones; on exit it
// puts back exactly what it remembered. OnMouseEnter and OnMouseLeave come
// after the switch, so a slot sees the label as it now looks.
//
// A font style is a set of bold, italic, underlined and struck out; bold is
// remembered as the font's weight, so a semibold label comes back semibold.
#pragma once

#include <QCursor>
#include <QFlags>
#include <QFont>
#include <QLabel>
#include <QPalette>

#include "board/colores.h"

namespace novenario::vista {


enum class EstiloFuente { Negrita = 1, Cursiva = 2, Subrayada = 4, Tachada = 8 };
using EstilosFuente = QFlags<EstiloFuente>;
Q_DECLARE_OPERATORS_FOR_FLAGS(EstilosFuente)

EstilosFuente EstilosDe(const QFont& f);

class THilightLabel : public QLabel {
    Q_OBJECT
public:
    explicit THilightLabel(QWidget* padre = nullptr);
    explicit THilightLabel(const QString& texto, QWidget* padre = nullptr);

    // The setters only store: a label already lit keeps its look until the
    // mouse enters again.
    Color HiLightColor() const { return hiLightColor_; }
    void setHiLightColor(Color c) { hiLightColor_ = c; }
    EstilosFuente HiLightStyle() const { return hiLightStyle_; }
    void setHiLightStyle(EstilosFuente e) { hiLightStyle_ = e; }
    QCursor HiLightCursor() const { return hiLightCursor_; }
    void setHiLightCursor(const QCursor& c) { hiLightCursor_ = c; }

    // Whether the mouse is over the label.
    bool Encima() const { return encima_; }

signals:
    void OnMouseEnter();
    void OnMouseLeave();
    // A left click: pressed and released over the label.
    void clicked();

protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void Encender();
    void Apagar();

    Color hiLightColor_ = AzulMarino;
    EstilosFuente hiLightStyle_ = EstiloFuente::Negrita | EstiloFuente::Subrayada;
    QCursor hiLightCursor_{Qt::PointingHandCursor};
    bool encima_ = false;
    bool pulsada_ = false;

    // What the label looked like before the mouse came.
    struct Normal {
        bool paletaPropia = false;
        QBrush texto[QPalette::NColorGroups];
        bool fuentePropia = false;
        int peso = QFont::Normal;
        bool cursiva = false, subrayada = false, tachada = false;
        bool cursorPropio = false;
        QCursor cursor;
    } normal_;
};

}  // namespace novenario::vista
