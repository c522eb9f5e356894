#include "windows/entorno_qt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QLocale>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "board/entorno_mudo.h"
#include "print/reporte.h"
#include "savegame/partidas.h"
#include "windows/dialogo.h"
#include "windows/pagina_qt.h"
#include "windows/vista_principal.h"

namespace novenario::vista {

QString FechaLargaDe(const QDate& fecha) {
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(fecha, QStringLiteral("dddd, d 'de' MMMM 'de' yyyy"));
}

QString HoraDe(const QTime& hora) { return hora.toString(QStringLiteral("HH:mm:ss")); }

EntornoQt::EntornoQt() { reloj_.start(); }
EntornoQt::~EntornoQt() = default;

// An entry (a key, a click) pumps a few times on its way: after the key
// handler, after the candidate pass, after the end-of-game check. A key
// typed meanwhile must wait for the entry to finish, or its handler would
// run in the middle of the first one's (a digit overwritten by the one
// typed before it, a move list out of order); so outside long work a pump
// repaints and runs timers but leaves the player's input queued for the
// next turn of the event loop. Long work ("Calcula", "Nueva partida")
// takes input as it goes: "Pausa" and "Cancelar" must get through, and the
// game's guards keep every other command from the board.
QEventLoop::ProcessEventsFlags EntornoQt::QueSeAtiende() const {
    const bool largo = vista_ && vista_->Juego().Variables.Proceso_Largo;
    return largo || !vista_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
}

void EntornoQt::ProcessMessages() {
    if (vista_) vista_->Sincronizar();
    QCoreApplication::processEvents(QueSeAtiende());
    ultimoBombeo_.start();
}

// Long work pumps often; more often than the screen changes would only slow
// the work down.
bool EntornoQt::Hay_Que_Bombear() {
    return !ultimoBombeo_.isValid() || ultimoBombeo_.elapsed() >= PeriodoBombeo;
}

long long EntornoQt::Milisegundos() { return reloj_.elapsed(); }

void EntornoQt::EsperarHasta(long long momento) {
    if (vista_) vista_->Sincronizar();
    const long long falta = momento - Milisegundos();
    if (falta > 0) {
        QEventLoop espera;
        QTimer::singleShot(std::chrono::milliseconds(falta), Qt::PreciseTimer, &espera, &QEventLoop::quit);
        espera.exec();
    } else {
        QCoreApplication::processEvents(QueSeAtiende());
    }
    ultimoBombeo_.start();
}

namespace {

// Around every modal window: what led to it is on screen behind it, and the
// keyboard goes back to the main window when it closes, even where no window
// manager hands it back.
class Modal {
public:
    explicit Modal(vista::VistaPrincipal* vista) : vista_(vista) {
        if (vista_) vista_->Sincronizar();
    }
    ~Modal() {
        if (vista_ && vista_->isVisible() && !QApplication::activeModalWidget()) vista_->activateWindow();
    }
    Modal(const Modal&) = delete;
    Modal& operator=(const Modal&) = delete;

private:
    vista::VistaPrincipal* vista_;
};

}  // namespace

void EntornoQt::MostrarModal(FormaModal& forma) {
    Modal modal(vista_);
    DialogoModal dialogo(forma, vista_);
    // A wait cursor set for the work before the form is not the form's.
    const bool espera = QGuiApplication::overrideCursor() != nullptr;
    if (espera) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    dialogo.Ejecutar();
    if (espera) QGuiApplication::restoreOverrideCursor();
}

// The event loops end, the modal one the request came from first, and the
// application's own returns the code to main: the windows then close in
// order. An event loop that would start before that returns at once.
void EntornoQt::Terminar(int codigo) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    codigoSalida_ = codigo;
    QCoreApplication::exit(codigo);
}

QString FiltroDeFichero(const std::string& descripcion, const std::string& patron) {
    const QString d = QString::fromStdString(descripcion).trimmed();
    const QString p = QString::fromStdString(patron).trimmed();
    // The brackets at the end hold the pattern, spaces around it or not.
    if (d.endsWith(QLatin1Char(')'))) {
        const qsizetype abre = d.lastIndexOf(QLatin1Char('('));
        if (abre >= 0 && d.mid(abre + 1, d.size() - abre - 2).trimmed() == p) return d;
    }
    return QStringLiteral("%1 (%2)").arg(d, p);
}

std::string EntornoQt::Fichero(const DialogoFichero& d, bool salvar) {
    Modal modal(vista_);
    QFileDialog dialogo(vista_, QString::fromStdString(d.Titulo));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salvar ? QFileDialog::AnyFile
                               : (d.DebeExistir ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    if (salvar && !d.ConfirmarSobrescribir) dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filtros;
    if (!d.Patron.empty()) filtros << FiltroDeFichero(d.Descripcion, d.Patron);
    filtros << QStringLiteral("Todos los ficheros (*)");
    dialogo.setNameFilters(filtros);
    // The game names the extension as a pattern ("*.sdk"); the dialog wants "sdk".
    QString extension = QString::fromStdString(d.Extension);
    while (extension.startsWith(QLatin1Char('*')) || extension.startsWith(QLatin1Char('.'))) extension.remove(0, 1);
    if (!extension.isEmpty()) dialogo.setDefaultSuffix(extension);
    // The folder of the last game saved or opened, else the player's documents.
    QString inicio = carpeta_;
    if (inicio.isEmpty() || !QDir(inicio).exists()) {
        inicio = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (inicio.isEmpty() || !QDir(inicio).exists()) inicio = QDir::homePath();
    }
    dialogo.setDirectory(inicio);
    if (dialogo.exec() != QDialog::Accepted) return {};
    const QStringList elegidos = dialogo.selectedFiles();
    if (elegidos.isEmpty()) return {};
    carpeta_ = QFileInfo(elegidos.first()).absolutePath();
    return QDir::toNativeSeparators(elegidos.first()).toStdString();
}

std::string EntornoQt::DialogoSalvar(const DialogoFichero& d) { return Fichero(d, true); }

std::string EntornoQt::DialogoAbrir(const DialogoFichero& d) { return Fichero(d, false); }

bool EntornoQt::ExisteFichero(const std::string& nombre) {
    const QFileInfo info(QString::fromStdString(nombre));
    return info.exists() && info.isFile();
}

bool EntornoQt::ExisteNombre(const std::string& nombre) {
    const QFileInfo info(QString::fromStdString(nombre));
    return info.exists();
}

Leido EntornoQt::LeerFichero(const std::string& nombre, std::string& bytes, std::size_t maximo) {
    bytes.clear();
    // Only a plain file: opening a pipe would wait for a writer for ever.
    if (!ExisteFichero(nombre)) return ExisteNombre(nombre) ? Leido::NoEsFichero : Leido::Ilegible;
    QFile f(QString::fromStdString(nombre));
    if (!f.open(QIODevice::ReadOnly)) return Leido::Ilegible;
    // Measured before anything is read; and read no further than the bound
    // should the file grow meanwhile.
    if (static_cast<quint64>(f.size()) > maximo) return Leido::Grande;
    std::string leido;
    char trozo[1 << 16];
    for (;;) {
        const qint64 n = f.read(trozo, sizeof trozo);
        if (n < 0) return Leido::Ilegible;
        if (n == 0) break;
        if (leido.size() + static_cast<std::size_t>(n) > maximo) return Leido::Grande;
        leido.append(trozo, static_cast<std::size_t>(n));
    }
    bytes = std::move(leido);
    return Leido::Bien;
}

// The same careful write as the companion tool's: a temporary file with a
// short name of its own beside the target, synced to disk, renamed over the
// target only once complete. (QSaveFile names its temporary file after the
// target, so a long name cannot be saved, and it replaces a loop of symbolic
// links with a plain file.)
bool EntornoQt::EscribirFichero(const std::string& nombre, const std::string& bytes) {
    motivoEscritura_ = EscribeEnDisco(nombre, bytes);
    return motivoEscritura_.empty();
}

bool EntornoQt::BorrarFichero(const std::string& nombre) {
    const QString ruta = QString::fromStdString(nombre);
    const QFileInfo info(ruta);
    return info.isFile() && !info.isSymLink() && QFile::remove(ruta);
}

std::string EntornoQt::FicheroUltima(bool crear) {
    const QByteArray estado = qgetenv("XDG_STATE_HOME"), casa = qgetenv("HOME");
    const std::string ruta = Ruta_Ultima(estado.isEmpty() ? nullptr : estado.constData(),
                                         casa.isEmpty() ? nullptr : casa.constData());
    if (crear && !ruta.empty()) QDir().mkpath(QFileInfo(QString::fromStdString(ruta)).absolutePath());
    return ruta;
}

void EntornoQt::AbrirDireccion(const std::string& direccion) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(direccion)));
}

void EntornoQt::MensajeError(const std::string& texto, const std::string& titulo) {
    MensajeErrorDetalle(texto, {}, titulo);
}

void EntornoQt::MensajeErrorDetalle(const std::string& texto, const std::string& detalle, const std::string& titulo) {
    Modal modal(vista_);
    QMessageBox caja(QMessageBox::Warning, QString::fromStdString(titulo), QString::fromStdString(texto),
                     QMessageBox::Ok, vista_);
    if (!detalle.empty()) caja.setInformativeText(QString::fromStdString(detalle));
    caja.exec();
}

bool EntornoQt::ConfigurarImpresion(const Reporte& pagina) {
    impresoraAceptada_ = false;
    Modal modal(vista_);
    if (!impresora_) impresora_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& impresora = *impresora_;
    // No printer to be had (not even a PDF file): no dialog, not accepted.
    if (!impresora.isValid()) return false;
    const QPageSize papel(QSizeF(pagina.AnchoPapel / 10.0, pagina.AltoPapel / 10.0), QPageSize::Millimeter, QString(),
                          QPageSize::FuzzyMatch);
    impresora.setPageSize(papel);
    impresora.setPageOrientation(pagina.Vertical ? QPageLayout::Portrait : QPageLayout::Landscape);
    impresora.setCopyCount(std::max(1, pagina.Copias));
    impresora.setDocName(QString::fromStdString(pagina.Titulo));
    impresora.setFromTo(0, 0);
    QPrintDialog dialogo(&impresora, vista_);
    dialogo.setMinMax(1, 1);
    impresoraAceptada_ = dialogo.exec() == QDialog::Accepted;
    return impresoraAceptada_;
}

bool EntornoQt::ImprimirPagina(const Reporte& pagina) {
    // Only on a printer the player has just chosen.
    if (!impresora_ || !impresoraAceptada_) return false;
    impresoraAceptada_ = false;
    if (vista_) vista_->Sincronizar();
    if (ImprimirReporte(pagina, *impresora_)) return true;
    // Qt's printing says nothing when it fails (a PDF file that cannot be
    // written, a printer gone away); the player should not believe the page
    // is on its way.
    MensajeError("No se ha podido imprimir la página.", "Novenario  Error");
    return false;
}

std::string EntornoQt::FechaLarga() { return FechaLargaDe(QDate::currentDate()).toStdString(); }

std::string EntornoQt::Hora() { return HoraDe(QTime::currentTime()).toStdString(); }

}  // namespace novenario::vista
