// The pieces of the window that take the mouse, and the generic widget that
// draws one control of the window model.
//
// ZonaPulsable turns mouse events into what the game answers: the press (the
// picture sinks one pixel), the release (it comes back) and the click, which
// counts only when the button is let go over the same piece. The second
// press of a double click raises dobleClic instead, and its release is no
// click: the switches of the game run again on a double click, everything
// else ignores it.
//
// ControlVista draws a Control (caption, colours, position, size, hint)
// with a look chosen when it is made: a wooden face, a coloured panel, a
// texture, or a bare text. Sincronizar touches only what changed since the
// last call, so running it after every action costs almost nothing.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "board/controles.h"
#include "windows/fuentes.h"

namespace novenario::vista {

class ZonaPulsable : public QWidget {
    Q_OBJECT
public:
    explicit ZonaPulsable(QWidget* padre = nullptr);
    bool Pulsada() const { return pulsada_; }
    // A click as the mouse gives it, press and release over the piece: what
    // a screen reader's press action does.
    void Pulsar();

signals:
    void presionado();
    void soltado(bool clic);
    void dobleClic();
    void movido();  // the mouse moved over it (with mouse tracking on, also unpressed)

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void Soltar();  // the button was lost while held: a release that is no click
    bool pulsada_ = false;
    bool doble_ = false;
};

struct Aspecto {
    enum class Fondo { Ninguno, Color, Cara, Tecla, Trama, Teclado, Micro, Franja, Barra };
    // What the control is to a screen reader: a text, a button, a group of
    // buttons, the error banner (an alert), the message line (a status bar),
    // or nothing at all (a label on a button, a decoration).
    enum class Papel { Texto, Boton, Grupo, Alerta, Estado, Oculto };
    enum class Relieve { Ninguno, Alto, Bajo };
    Fondo fondo = Fondo::Ninguno;
    Papel papel = Papel::Texto;
    Relieve relieve = Relieve::Ninguno;
    Familia familia = Familia::SansSerif;
    int pixeles = 11;
    bool negrita = false;
    bool tamanoDelModelo = false;  // the control's FontSize (points) when it has one
    int alineacion = Qt::AlignCenter;
    bool mnemonico = false;        // "&" underlines the next letter
    bool ignorarRaton = false;     // the mouse passes through (a shape, a separator)
    bool pasarSiInactivo = false;  // disabled, the mouse reaches what lies below
    QRect geometriaFija;           // used when the model gives the control no size
    QRect cajaTexto;               // where the caption goes, when not the whole control
    bool encoger = false;          // a caption too wide for one line is drawn smaller, then on two
    const char* nombre = nullptr;  // a group's name for a screen reader; its caption is then its description
};

class ControlVista : public ZonaPulsable {
    Q_OBJECT
public:
    ControlVista(const Aspecto& aspecto, QWidget* padre);

    // Brings the widget to the control's state. Returns whether the caption
    // changed (the owner may then rename it for screen readers).
    bool Sincronizar(const Control& c);
    const Control& Estado() const { return ultimo_; }
    // The caption without the accelerator mark.
    QString TextoLimpio() const;
    // A shortcut's keys, shown after the hint in the tooltip.
    void PonerAtajo(const QString& teclas);
    Aspecto::Papel Papel() const { return a_.papel; }
    // A command's label, which answers with its picture as one button.
    void PonerPareja(ControlVista* etiqueta) { pareja_ = etiqueta; }
    ControlVista* Pareja() const { return pareja_; }
    // Whether a click on it (or, for a command, on its label) would answer.
    bool Responde() const;
    // The click of the part that answers: the picture, else its label.
    void PulsarComoBoton();
    // The rectangle the model asks for.
    QRect GeometriaDe(const Control& c) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void PonerPista(const std::string& hint);

    Aspecto a_;
    ControlVista* pareja_ = nullptr;
    QString atajo_;
    Control ultimo_;
    bool primero_ = true;
};

// Text without "&" marks ("&&" stays one "&").
QString SinAmpersand(const std::string& texto);
// A caption as a screen reader says it: without the "&", and the letter
// after it in the case of its word ("S&Olución" is "Solución", "Nivel
// par&Tida 3" is "Nivel partida 3"); the caption on screen keeps its capital.
QString Palabras(const std::string& texto);
// The key of a caption's Alt letter, "Alt+O" for "S&Olución"; empty without one.
QString TeclaAlt(const std::string& texto);

// A raised or sunken one-pixel bevel, as the classic panels have.
void DibujarRelieve(QPainter& p, const QRect& r, bool alto);

}  // namespace novenario::vista
