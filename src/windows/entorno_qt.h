// The outside world of the game on a Qt desktop: the message pump brings the
// main window up to date and lets pending events run, modal forms become
// dialogs, the application's event loop ends with the code the game asks for, and dates and
// times come out in Spanish whatever the machine's language.
#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QTime>
#include <QWidget>
#include <memory>

#include "board/entorno.h"

class QPrinter;

namespace novenario::vista {

class VistaPrincipal;

// A file dialog's filter: the game's description, which may already show
// its pattern ("Documento ( *.sdk )"), with the pattern added only where it
// does not ("Partida (*.sdk)"). Qt reads the pattern inside the brackets.
QString FiltroDeFichero(const std::string& descripcion, const std::string& patron);

class EntornoQt : public Entorno {
public:
    EntornoQt();
    ~EntornoQt() override;

    // The main window, once it exists; before that the pump only runs events
    // and dialogs are centred on the screen.
    void PonerVista(VistaPrincipal* vista) { vista_ = vista; }
    VistaPrincipal* Vista() const { return vista_; }

    void ProcessMessages() override;
    bool Hay_Que_Bombear() override;
    long long Milisegundos() override;
    // Sleeps in a local event loop until the moment, so the events of the
    // wait (paint, timers, clicks) run as they come and no processor time is
    // spent spinning.
    void EsperarHasta(long long momento) override;
    void MostrarModal(FormaModal& forma) override;
    void Terminar(int codigo) override;
    // The code Terminar was given, -1 before.
    int CodigoSalida() const { return codigoSalida_; }
    std::string FechaLarga() override;
    std::string Hora() override;

    std::string DialogoSalvar(const DialogoFichero& d) override;
    std::string DialogoAbrir(const DialogoFichero& d) override;
    bool ExisteFichero(const std::string& nombre) override;
    bool ExisteNombre(const std::string& nombre) override;
    Leido LeerFichero(const std::string& nombre, std::string& bytes, std::size_t maximo) override;
    bool EscribirFichero(const std::string& nombre, const std::string& bytes) override;
    bool BorrarFichero(const std::string& nombre) override;
    // $XDG_STATE_HOME/novenario/ultima.sdk (~/.local/state/... when unset).
    std::string FicheroUltima(bool crear) override;
    std::string MotivoEscritura() const override { return motivoEscritura_; }
    void AbrirDireccion(const std::string& direccion) override;
    void MensajeError(const std::string& texto, const std::string& titulo) override;
    // The detail goes under the text, in the box's smaller informative text.
    void MensajeErrorDetalle(const std::string& texto, const std::string& detalle, const std::string& titulo) override;
    // The print dialog on a high-resolution printer preset from the page
    // (paper, orientation, copies, job title); printing to a PDF file is one
    // of its choices. The printer is kept, so the next dialog offers the
    // printer chosen last.
    bool ConfigurarImpresion(const Reporte& pagina) override;
    bool ImprimirPagina(const Reporte& pagina) override;

    // Milliseconds between two pumps of long work: about the display's pace.
    static constexpr int PeriodoBombeo = 15;

private:
    // What a pump delivers: everything during long work, no player input
    // outside it.
    QEventLoop::ProcessEventsFlags QueSeAtiende() const;
    std::string Fichero(const DialogoFichero& d, bool salvar);

    VistaPrincipal* vista_ = nullptr;
    QString carpeta_;  // where the last file was saved or opened; the dialogs start there
    QElapsedTimer ultimoBombeo_;
    QElapsedTimer reloj_;  // started with the outside world
    std::unique_ptr<QPrinter> impresora_;
    bool impresoraAceptada_ = false;  // the last print dialog was accepted
    int codigoSalida_ = -1;
    std::string motivoEscritura_;     // why the last write failed
};

// "martes, 8 de diciembre de 2026" and "09:05:03".
QString FechaLargaDe(const QDate& fecha);
QString HoraDe(const QTime& hora);

}  // namespace novenario::vista
