// The main window on screen. It draws exactly what the game's window model
// holds (the board, the pads, the message line, the commands, the clock,
// the lamp, the status bar) and turns the player's clicks and keys into the
// game's handlers. It keeps no game state: after every call into the game it
// brings itself up to date from the model, touching only what changed.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "mando/puerta.h"
#include "windows/pulsable.h"

class QAction;
class QKeyEvent;

namespace novenario::vista {

class BarraEstado;
class CapaContornos;
class CeldaVista;
class Pregonero;
class TBlinkLabel;
class ThhALed;
class TableroVista;

// A screen reader's player hears the row, the column or the block of the
// cursor with these keys.
inline constexpr const char* AtajoLeerFila = "Ctrl+Shift+F";
inline constexpr const char* AtajoLeerColumna = "Ctrl+Shift+C";
inline constexpr const char* AtajoLeerBloque = "Ctrl+Shift+B";

class VistaPrincipal : public QWidget {
    Q_OBJECT
public:
    // The window reads the game and acts on it only through the gate.
    explicit VistaPrincipal(Puerta& puerta, QWidget* padre = nullptr);
    ~VistaPrincipal() override;

    // Every widget to the model's state.
    void Sincronizar();
    // Shows the window in the middle of the screen.
    void MostrarCentrada();

    const TFormPrincipal& Juego() const { return juego_; }
    CeldaVista* Celda(int c) const;
    // The widget that draws a control of the model, or nullptr.
    ControlVista* VistaDe(const Control& c) const;
    ThhALed* Led() const { return led1_; }
    // "Siguiente paso" (Ctrl+H, and the board's menu) and its outlines.
    QAction* Siguiente() const { return siguiente_; }
    CapaContornos* Contornos() const { return capa_; }
    BarraEstado* Estado() const { return estado_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    // The reader's focus back on the cell, and the news a dialog held back.
    void TrasElFoco(int activa);
    bool eventFilter(QObject* objeto, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    struct Par {
        const Control* modelo;
        ControlVista* vista;
    };
    struct VistaComando {
        IdComando id;
        const Control* imagen;
        const Control* etiqueta;
        ControlVista* vImagen;
        ControlVista* vEtiqueta;
        QAction* accion;  // its Alt letter and its shortcut
    };

    // The widget that draws c, named after it.
    ControlVista* Crear(const Control& c, const Aspecto& a, QWidget* padre);
    void CrearFranja();
    void CrearTablero();
    void CrearReloj();
    void CrearComandos();
    void CrearTeclados();
    void CrearAtajos();
    void CrearSiguiente();  // vista_siguiente.cpp
    // The board's menu, at that point of the screen.
    void MenuTablero(const QPoint& donde, bool desdeTeclado);
    // The outlines go at the player's next action in this window.
    void QuitarContornos(QObject* objeto, QEvent* e);
    void SincronizarUnaVez();
    void SincronizarLectura();
    bool Tecla(QKeyEvent* k);
    // Runs a call into the game and then brings the window up to date. A
    // call that answers the player (not the clock's tick) may be told to a
    // screen reader.
    template <typename F>
    void Llamar(F&& f, bool delJugador = true) {
        ++llamando_;
        f();
        --llamando_;
        // Passes inside the call (the pump of long work, a dialog) come
        // before the answer is complete.
        if (delJugador) respuesta_ = true;
        Sincronizar();
    }
    // What the player is told after an answer, through the cell the cursor
    // stands on.
    QString Anuncio(int activa, bool trasProceso);

    const TFormPrincipal& juego_;
    Puerta& puerta_;
    TableroVista* tablero_ = nullptr;
    std::array<CeldaVista*, NumCeldas> celdas_{};
    std::vector<Par> controles_;
    std::vector<VistaComando> comandos_;
    ThhALed* led1_ = nullptr;
    QAction* siguiente_ = nullptr;
    CapaContornos* capa_ = nullptr;
    ThhALed* ledIzquierdo_ = nullptr;
    ThhALed* ledDerecho_ = nullptr;
    TBlinkLabel* parpadeo_ = nullptr;
    BarraEstado* estado_ = nullptr;
    QTimer timer02_;
    std::string titulo_;
    bool primera_ = true;
    bool sincronizando_ = false;
    bool pendiente_ = false;
    // What a screen reader was last told.
    ControlVista* mensaje_ = nullptr;
    Pregonero* pregonero_ = nullptr;
    QString porDecir_;        // told when the window has the focus again
    ControlVista* pista_ = nullptr;
    ControlVista* reloj_ = nullptr;
    int activa_ = -1, anunciada_ = -1, enfocada_ = -1;
    bool respuesta_ = false;  // the player's call not yet told
    int llamando_ = 0;        // calls into the game under way
    std::array<QString, NumCeldas> valoresLeidos_;  // each cell's words at the last telling
    int celdaLeida_ = -1;
    std::string mensajeLeido_, errorLeido_;
    bool enLargo_ = false;  // long work was running at the last pass
    bool bannerVisto_ = false;
    std::string bannerTexto_, pasosLeidos_;
    QElapsedTimer ultimaLectura_;
    Lampara ultimaLampara_;
    Control ultimoParpadeo_;
    bool ultimaCubierta_ = false;
};

}  // namespace novenario::vista
