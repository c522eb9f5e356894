// The small modal windows of the game, built from the FormaModal the game
// fills in: caption, client size, place, the blinking label, the decorative
// picture, a check box when the form has one, and one wooden button with a
// label for each of its buttons (with the press effect and the Alt letter of
// its caption). The start window and the about box get their own pictures
// and texts around those buttons.
//
// The window stays until the form says it is closed: a button's handler or
// the close box (which calls CerrarVentana) decide, never the window itself.
#pragma once

#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <deque>

#include "board/controles.h"
#include "board/entorno.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace novenario::vista {

class ControlVista;
class TBlinkLabel;
class BarraEstado;
class Pregonero;

class DialogoModal : public QDialog {
    Q_OBJECT
public:
    // principal: the main window; Left and Top of the form count from the
    // top-left corner of its client area while it is on screen.
    DialogoModal(FormaModal& forma, QWidget* principal);
    ~DialogoModal() override;

    // Shows the window and returns once the form is closed.
    void Ejecutar();
    // Presses button i, as a click on it does.
    void Pulsar(std::size_t i);

    FormaModal& Forma() { return forma_; }
    TBlinkLabel* Parpadeo() const { return parpadeo_; }
    QLabel* Mensaje() const { return mensaje_; }
    // The form's check box, or nullptr.
    QCheckBox* Casilla() const { return casilla_; }
    // The innermost dialog on screen, or nullptr.
    static DialogoModal* Abierto();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void reject() override;

private:
    struct BotonDialogo {
        Control imagen, etiqueta;
        ControlVista* vImagen = nullptr;
        ControlVista* vEtiqueta = nullptr;
    };
    void CrearBoton(std::size_t i, QPoint donde);
    void Presionar(std::size_t i, bool abajo);
    void Colocar(QWidget* principal);
    void MontarInicio();
    void MontarAcercaDe();
    void MontarAyuda();
    void MontarComun();
    // "Siguiente paso" (dialogo_siguiente.cpp): the rating, the text of the
    // step, and the outlines on the board behind, all redrawn after a press.
    void MontarSiguiente(QWidget* principal);
    void Refrescar();
    void Comprobar();
    // The form's words for a screen reader: its blinking text and its message.
    QString Lectura() const;

    FormaModal& forma_;
    std::deque<BotonDialogo> botones_;
    TBlinkLabel* parpadeo_ = nullptr;
    BarraEstado* estado_ = nullptr;
    QLabel* mensaje_ = nullptr;
    QCheckBox* casilla_ = nullptr;
    QPlainTextEdit* texto_ = nullptr;  // the help text, the step's text
    Pregonero* voz_ = nullptr;          // tells a screen reader the step's new text
    QPointer<class CapaContornos> capa_;  // the board's outlines
    QEventLoop* bucle_ = nullptr;
};

}  // namespace novenario::vista
