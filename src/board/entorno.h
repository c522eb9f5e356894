// The outside world as the game sees it. The Qt window implements this; tests
// replace it with a fake that can answer dialogs or act during a pump.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "board/colores.h"

namespace novenario {

// A small modal window of the game (start window, pause, exit confirmation,
// end of game...). The game fills it in and reacts to its buttons; the outside
// only shows it until it is closed.
class FormaModal {
public:
    enum class Tipo { Inicio, Pausa, Cerrar, FinPartida, SinSolucion, Nivel, AcercaDe, Ayuda, Siguiente };

    struct Boton {
        std::string Caption;          // with "&" before the accelerator letter
        Color FontColor = Negro;
        std::function<void()> Click;  // runs the button's handler
    };

    explicit FormaModal(Tipo t) : tipo(t) {}

    Tipo tipo;
    std::string Caption;              // window caption
    int ClientWidth = 0, ClientHeight = 0;
    int Left = -1, Top = -1;          // position over the main window; -1 = centred on the screen
    std::string TextoParpadeo;        // the blinking label
    std::string Mensaje;              // a message line (the level dialog's text)
    std::vector<std::string> Lineas;  // a read-only text to scroll (the help window)
    std::string Direccion;            // the web address behind a link (the about box)
    std::function<void()> AlEnlace;   // a click on that link
    Color ColorParpadeo = Negro;
    int Velocidad = 600;              // blink period in ms
    std::vector<Boton> Botones;
    // A check box above the buttons (the level dialog's "Solución única");
    // none when its caption is empty.
    struct Casilla {
        std::string Caption;          // with "&" before the accelerator letter
        bool Marcada = false;
        std::function<void(bool)> AlCambiar;  // runs the box's handler with its new state
    };
    Casilla Marca;
    std::function<void()> AlCerrar;   // the close box or the system menu
    bool Cerrada = false;
    // What the board behind the form shows outlined while it is open (the
    // next step's houses and cells), cells by index in name order. A button
    // may change them; the window draws what they hold after each press.
    struct Contornos {
        std::vector<std::vector<int>> Casas;  // each house as its nine cells
        std::vector<int> Celdas;              // the cells that prove the step
        std::vector<int> Eliminadas;          // cells that lose a candidate
        int Destino = -1;                     // the cell the digit goes into
        bool Vacios() const { return Casas.empty() && Celdas.empty() && Eliminadas.empty() && Destino < 0; }
        bool operator==(const Contornos&) const = default;
    };
    Contornos Marcas;
    // The button Enter presses when the form names one (a button may change
    // it); otherwise the rule below.
    std::size_t Defecto = static_cast<std::size_t>(-1);

    // The button Enter presses and that has the focus at first: "Aceptar"
    // where the form has one, else the first.
    std::size_t Predeterminado() const {
        if (Defecto < Botones.size()) return Defecto;
        for (std::size_t i = 0; i < Botones.size(); ++i) {
            std::string sin;
            for (char c : Botones[i].Caption)
                if (c != '&') sin += c;
            if (sin == "Aceptar") return i;
        }
        return 0;
    }
    void Pulsar(std::size_t boton) {
        if (boton < Botones.size() && Botones[boton].Click) Botones[boton].Click();
    }
    // Ticks or unticks the box, as a click on it does.
    void Marcar(bool marcada) {
        if (Marca.Caption.empty() || Marca.Marcada == marcada) return;
        Marca.Marcada = marcada;
        if (Marca.AlCambiar) Marca.AlCambiar(marcada);
    }
    void CerrarVentana() {
        if (AlCerrar) AlCerrar();
        Cerrada = true;
    }
};

// What a file dialog asks for.
struct DialogoFichero {
    std::string Titulo;
    std::string Descripcion;       // the filter's description
    std::string Patron;            // the filter's pattern, "*.sdk"
    std::string Extension;         // added to a name typed without one
    bool ConfirmarSobrescribir = false;
    bool DebeExistir = false;
};

class Reporte;  // a printed page (print/reporte.h)

// What became of reading a file.
enum class Leido {
    Bien,       // the bytes are the whole file
    Ilegible,     // missing, or the system would not read it
    Grande,       // longer than the reader's bound: none of it was read
    NoEsFichero,  // there, but a pipe, a device or a folder: never opened
};

class Entorno {
public:
    virtual ~Entorno() = default;
    // Let pending window events run: repaint, timers, clicks.
    virtual void ProcessMessages() = 0;
    // Whether a pump inside long work is due now. The window answers at the
    // display's pace; a test can answer always.
    virtual bool Hay_Que_Bombear() { return true; }
    // A steady clock in milliseconds; only differences between two readings
    // count. A world without a clock stands still at 0.
    virtual long long Milisegundos() { return 0; }
    // Long work that shows itself waits here for its next frame: the window
    // is brought up to date, then pending events run (repaints, the clock,
    // "Pausa" and "Cancelar") while the program sleeps until the clock reads
    // momento. A moment already past gives one pump and no wait.
    virtual void EsperarHasta(long long momento) {
        (void)momento;
        ProcessMessages();
    }
    // Show the form modally; returns once it is closed.
    virtual void MostrarModal(FormaModal& forma) = 0;
    // Ask the program to end with that exit code. The window's event loop
    // ends once the handler that asked has returned (and any long work has
    // unwound), so the game can keep its state and the windows close in
    // order; a caller goes on as if the program were already ending.
    virtual void Terminar(int codigo) = 0;
    // The current date as "martes, 8 de diciembre de 2026" and the time.
    virtual std::string FechaLarga() = 0;
    virtual std::string Hora() = 0;

    // File dialogs: the chosen file name, or "" when the player cancels.
    virtual std::string DialogoSalvar(const DialogoFichero&) { return {}; }
    virtual std::string DialogoAbrir(const DialogoFichero&) { return {}; }
    // Files. A read takes the whole file, or none of it when the file is
    // longer than maximo bytes: a wrong choice in the open dialog must not
    // fill the memory. A write replaces the old file only once the new one is
    // complete on disk, so a failed save never destroys what was there; it
    // goes through a symbolic link to its target and keeps the old file's
    // permissions, and it refuses a target that is not a plain file.
    virtual bool ExisteFichero(const std::string&) { return false; }
    // Whether anything at all is there under that name: a plain file, or a
    // folder, a pipe or a device, none of which is a saved game.
    virtual bool ExisteNombre(const std::string& nombre) { return ExisteFichero(nombre); }
    virtual Leido LeerFichero(const std::string&, std::string& bytes, std::size_t maximo) {
        (void)maximo;
        bytes.clear();
        return Leido::Ilegible;
    }
    virtual bool EscribirFichero(const std::string&, const std::string&) { return false; }
    // Removes a plain file; whether it could.
    virtual bool BorrarFichero(const std::string&) { return false; }
    // The file that keeps the game in progress from one run to the next
    // ("" when there is nowhere to keep it). With crear its folder is made
    // first, for a write.
    virtual std::string FicheroUltima(bool crear) {
        (void)crear;
        return {};
    }
    // Why the last write failed, in a few Spanish words ("no queda sitio en
    // el disco"); "" when it did not, or when the reason is not known.
    virtual std::string MotivoEscritura() const { return {}; }
    // Ask the system to open a web address with its default program (the
    // browser). Whether it could is not the game's business.
    virtual void AbrirDireccion(const std::string& direccion) { (void)direccion; }
    // A message box with a single OK button.
    virtual void MensajeError(const std::string& texto, const std::string& titulo) { (void)texto; (void)titulo; }
    // The same box with a line or two more under its text: the reason, and
    // what became of the player's file.
    virtual void MensajeErrorDetalle(const std::string& texto, const std::string& detalle, const std::string& titulo) {
        MensajeError(detalle.empty() ? texto : texto + "\n\n" + detalle, titulo);
    }
    // Print setup: the platform's print dialog (printer, copies, page range,
    // orientation). Whether the player accepted it; when no printer can be
    // prepared nothing is shown and the answer is no.
    // The page tells the dialog what to preset: paper, copies, job title.
    virtual bool ConfigurarImpresion(const Reporte& pagina) { (void)pagina; return false; }
    // Prints the page on the printer of the last accepted print setup.
    // Whether it was printed; trouble on the way is the printer's to report.
    virtual bool ImprimirPagina(const Reporte& pagina) { (void)pagina; return false; }
};

}  // namespace novenario
