#include "windows/dialogo.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "board/juego.h"
#include "windows/accesible.h"
#include "windows/arte.h"
#include "windows/barra_estado.h"
#include "windows/entorno_qt.h"
#include "windows/fuentes.h"
#include "windows/gif.h"
#include "windows/graficos.h"
#include "windows/parpadeo.h"
#include "windows/pulsable.h"
#include "windows/resaltada.h"

namespace novenario::vista {

namespace {

constexpr int AnchoBoton = 111, AltoBoton = 26;

std::vector<DialogoModal*>& Abiertos() {
    static std::vector<DialogoModal*> a;
    return a;
}

// "&Aceptar" gives the widgets BAceptar and LBAceptar.
QString NombreBoton(const std::string& caption) {
    QString n;
    for (QChar c : SinAmpersand(caption))
        if (c.isLetterOrNumber()) n += c;
    return n;
}

// A label of fixed text placed by hand.
QLabel* Texto(QWidget* padre, const QString& texto, QRect donde, QFont fuente, Qt::Alignment al,
              QColor color = Qt::black) {
    auto* l = new QLabel(texto, padre);
    l->setFont(fuente);
    l->setAlignment(al);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
    l->setAttribute(Qt::WA_TranslucentBackground);
    if (donde.width() > 0) l->setGeometry(donde);
    else {
        l->adjustSize();
        l->move(donde.topLeft());
    }
    return l;
}

// A tan panel holding an animation from ApliGraf or, without it or when it
// cannot be read, a still picture in its place.
QLabel* Cuadro(QWidget* padre, QRect donde, QRect dentro, const char* animacion, const QPixmap& quieta,
               const char* nombre_gif, const char* nombre_quieta) {
    auto* panel = new QLabel(padre);
    panel->setGeometry(donde);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, AColor(Tostado));
    panel->setPalette(pal);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const QString ruta = BuscarGrafico(QLatin1String(animacion));
    if (ruta.isEmpty()) {
        qCInfo(lcGraficos, "%s is in none of %s: the still picture stands in", animacion,
               qPrintable(CarpetasGraficos().join(QStringLiteral(", "))));
    } else {
        auto* gif = new TGIFImage(panel);
        gif->setObjectName(QLatin1String(nombre_gif));
        gif->setGeometry(dentro);
        gif->setStretch(true);
        gif->setLoop(false);
        if (gif->Cargar(ruta)) {
            qCInfo(lcGraficos, "%s: animation shown from %s", animacion, qPrintable(ruta));
            gif->setAnimate(true);
            return panel;
        }
        qCInfo(lcGraficos, "%s cannot be read: the still picture stands in", qPrintable(ruta));
        delete gif;
    }
    auto* imagen = new QLabel(panel);
    imagen->setObjectName(QLatin1String(nombre_quieta));
    imagen->setGeometry(dentro);
    imagen->setScaledContents(true);
    imagen->setPixmap(quieta);
    return panel;
}

}  // namespace

namespace {

// The help window can be put aside while playing; the others are answered.
Qt::WindowFlags Marco(const FormaModal& forma) {
    Qt::WindowFlags f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint;
    if (forma.tipo == FormaModal::Tipo::Ayuda) f |= Qt::WindowMinimizeButtonHint;
    return f;
}

}  // namespace

DialogoModal::DialogoModal(FormaModal& forma, QWidget* principal) : QDialog(principal, Marco(forma)), forma_(forma) {
    setObjectName(QStringLiteral("Dialogo"));
    setWindowTitle(QString::fromStdString(forma.Caption));
    const int w = forma.ClientWidth > 0 ? forma.ClientWidth : 343;
    const int h = forma.ClientHeight > 0 ? forma.ClientHeight : 160;
    setFixedSize(w, h);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, AColor(Plata));
    setPalette(pal);
    switch (forma.tipo) {
        case FormaModal::Tipo::Inicio: MontarInicio(); break;
        case FormaModal::Tipo::AcercaDe: MontarAcercaDe(); break;
        case FormaModal::Tipo::Ayuda: MontarAyuda(); break;
        case FormaModal::Tipo::Siguiente: MontarSiguiente(principal); break;
        default: MontarComun(); break;
    }
    Colocar(principal);
}

DialogoModal::~DialogoModal() {
    auto& a = Abiertos();
    a.erase(std::remove(a.begin(), a.end(), this), a.end());
}

DialogoModal* DialogoModal::Abierto() { return Abiertos().empty() ? nullptr : Abiertos().back(); }

void DialogoModal::Colocar(QWidget* principal) {
    QRect r(QPoint(0, 0), size());
    if (principal && principal->isVisible() && forma_.Left != -1 && forma_.Top != -1) {
        r.moveTopLeft(principal->mapToGlobal(QPoint(forma_.Left, forma_.Top)));
    } else {
        QScreen* pantalla = principal ? principal->screen() : QGuiApplication::primaryScreen();
        if (pantalla) r.moveCenter(pantalla->availableGeometry().center());
    }
    setGeometry(r);
}

void DialogoModal::CrearBoton(std::size_t i, QPoint donde) {
    if (i >= forma_.Botones.size()) return;
    const FormaModal::Boton& b = forma_.Botones[i];
    BotonDialogo& bd = botones_.emplace_back();
    bd.imagen.Colocar(donde.x(), donde.y(), AnchoBoton, AltoBoton);
    bd.etiqueta.Colocar(donde.x() + 7, donde.y() + 4, AnchoBoton - 14, 18);
    bd.etiqueta.Caption = b.Caption;
    bd.etiqueta.FontColor = b.FontColor;
    // To a screen reader the picture and its label are one button.
    Aspecto cara;
    cara.fondo = Aspecto::Fondo::Cara;
    cara.papel = Aspecto::Papel::Boton;
    Aspecto texto;
    texto.papel = Aspecto::Papel::Oculto;
    texto.negrita = true;
    texto.pixeles = 12;
    texto.mnemonico = true;
    bd.vImagen = new ControlVista(cara, this);
    bd.vEtiqueta = new ControlVista(texto, this);
    const QString nombre = NombreBoton(b.Caption);
    bd.vImagen->setObjectName(QStringLiteral("B") + nombre);
    bd.vEtiqueta->setObjectName(QStringLiteral("LB") + nombre);
    bd.vImagen->Sincronizar(bd.imagen);
    bd.vEtiqueta->Sincronizar(bd.etiqueta);
    bd.vImagen->setAccessibleName(Palabras(b.Caption));
    bd.vImagen->PonerPareja(bd.vEtiqueta);
    for (ControlVista* v : {bd.vImagen, bd.vEtiqueta}) {
        connect(v, &ZonaPulsable::presionado, this, [this, i] { Presionar(i, true); });
        connect(v, &ZonaPulsable::soltado, this, [this, i](bool clic) {
            Presionar(i, false);
            if (clic) Pulsar(i);
        });
    }
}

// The press effect: picture and label sink one pixel while the button is held.
void DialogoModal::Presionar(std::size_t i, bool abajo) {
    if (i >= botones_.size()) return;
    BotonDialogo& bd = botones_[i];
    if (bd.imagen.Presionado == abajo) return;
    const int d = abajo ? 1 : -1;
    bd.imagen.Presionado = bd.etiqueta.Presionado = abajo;
    bd.imagen.Mover(bd.imagen.Left + d, bd.imagen.Top + d);
    bd.etiqueta.Mover(bd.etiqueta.Left + d, bd.etiqueta.Top + d);
    bd.vImagen->Sincronizar(bd.imagen);
    bd.vEtiqueta->Sincronizar(bd.etiqueta);
}

void DialogoModal::MontarComun() {
    const int w = width(), h = height();
    const int arriba_botones = h - AltoBoton - 14;
    int y = 12;
    if (!forma_.TextoParpadeo.empty()) {
        parpadeo_ = new TBlinkLabel(this);
        parpadeo_->setObjectName(QStringLiteral("BlinkLabel1"));
        parpadeo_->setText(QString::fromStdString(forma_.TextoParpadeo));
        parpadeo_->setColor(forma_.ColorParpadeo);
        parpadeo_->setGeometry(0, y, w, 34);
        parpadeo_->setVelocidad(forma_.Velocidad);
        // These two wait hidden for the first tick of their blinking.
        if (forma_.tipo == FormaModal::Tipo::Pausa || forma_.tipo == FormaModal::Tipo::SinSolucion)
            parpadeo_->hide();
        y += 40;
    }
    // The buttons in rows at the foot of the window, centred; as many to a
    // row as fit.
    const std::size_t n = forma_.Botones.size();
    const std::size_t por_fila = std::max<std::size_t>(1, static_cast<std::size_t>((w - 4) / (AnchoBoton + 4)));
    const std::size_t filas = (n + por_fila - 1) / por_fila;
    const int arriba_filas = arriba_botones - static_cast<int>(filas > 0 ? filas - 1 : 0) * (AltoBoton + 8);
    if (!forma_.Mensaje.empty() || forma_.tipo == FormaModal::Tipo::Nivel) {
        mensaje_ = new QLabel(QString::fromStdString(forma_.Mensaje), this);
        mensaje_->setObjectName(QStringLiteral("PMensaje"));
        mensaje_->setFont(Fuente(Familia::SansSerif, 13, true));
        mensaje_->setAlignment(Qt::AlignCenter);
        mensaje_->setGeometry(0, y, w, 24);
        y += 30;
    }
    // The check box sits just above the buttons, centred, in the bold face
    // of the buttons' labels; the picture takes what room is left.
    int abajo_dibujo = arriba_filas;
    if (!forma_.Marca.Caption.empty()) {
        casilla_ = new QCheckBox(QString::fromStdString(forma_.Marca.Caption), this);
        casilla_->setObjectName(QStringLiteral("Casilla"));
        casilla_->setFont(Fuente(Familia::SansSerif, 12, true));
        casilla_->setAttribute(Qt::WA_TranslucentBackground);
        QPalette negro = casilla_->palette();
        negro.setColor(QPalette::WindowText, Qt::black);
        casilla_->setPalette(negro);
        casilla_->setChecked(forma_.Marca.Marcada);
        const QSize medida = casilla_->sizeHint();
        abajo_dibujo = arriba_filas - 6 - medida.height();
        casilla_->setGeometry((w - medida.width()) / 2, abajo_dibujo, medida.width(), medida.height());
        connect(casilla_, &QCheckBox::toggled, this, [this](bool marcada) {
            if (forma_.Cerrada) return;
            forma_.Marcar(marcada);
            Comprobar();
        });
    }
    const int lado = std::max(0, std::min(48, abajo_dibujo - y - 6));
    if (lado >= 16) {
        auto* dibujo = new QLabel(this);
        dibujo->setObjectName(QStringLiteral("Imagen"));
        dibujo->setPixmap(Emblema(QSize(lado, lado)));
        dibujo->setGeometry((w - lado) / 2, y + (abajo_dibujo - y - 6 - lado) / 2, lado, lado);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t fila = i / por_fila;
        const std::size_t en_fila = std::min(por_fila, n - fila * por_fila);
        const int hueco =
            en_fila > 1 ? std::min(16, (w - 8 - static_cast<int>(en_fila) * AnchoBoton) / static_cast<int>(en_fila - 1))
                        : 0;
        const int ancho_fila = static_cast<int>(en_fila) * AnchoBoton + static_cast<int>(en_fila - 1) * hueco;
        const int x = (w - ancho_fila) / 2 + static_cast<int>(i % por_fila) * (AnchoBoton + hueco);
        const int yb = arriba_botones - static_cast<int>(filas - 1 - fila) * (AltoBoton + 8);
        CrearBoton(i, QPoint(x, yb));
    }
}

void DialogoModal::MontarInicio() {
    Cuadro(this, QRect(26, 17, 112, 119), QRect(0, 0, 112, 119), "NovenarioIni.gif", DibujoInicio(QSize(112, 119)),
           "GIFImage1", "Image3")
        ->setObjectName(QStringLiteral("PPrograma"));
    auto* placa = new QLabel(this);
    placa->setObjectName(QStringLiteral("Imagen1"));
    placa->setGeometry(146, 14, 165, 42);
    placa->setPixmap(PlacaTitulo(QSize(165, 42)));
    const QPoint sitios[] = {{172, 63}, {172, 97}};
    for (std::size_t i = 0; i < forma_.Botones.size(); ++i)
        CrearBoton(i, i < 2 ? sitios[i] : QPoint(172, 97 + 34 * static_cast<int>(i - 1)));
    Texto(this, QStringLiteral("Orvalia Software"), QRect(187, 125, 0, 0), Fuente(Familia::Comic, 13, true),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(60, 34, 12))
        ->setObjectName(QStringLiteral("LOrvalia"));
    estado_ = new BarraEstado({200, 129}, this);
    estado_->setObjectName(QStringLiteral("StatusBar"));
    estado_->setGeometry(0, height() - 22, width(), 22);
    estado_->setEnabled(false);
    // The time shows whole seconds: it is rewritten just after each second
    // begins, and the window sleeps in between.
    auto* reloj = new QTimer(this);
    reloj->setSingleShot(true);
    reloj->setTimerType(Qt::PreciseTimer);
    auto refrescar = [this, reloj] {
        const QDateTime ahora = QDateTime::currentDateTime();
        estado_->PonerTexto(0, FechaLargaDe(ahora.date()));
        estado_->PonerTexto(1, HoraDe(ahora.time()));
        reloj->start(1000 - ahora.time().msec());
    };
    connect(reloj, &QTimer::timeout, this, refrescar);
    refrescar();
}

void DialogoModal::MontarAcercaDe() {
    Cuadro(this, QRect(22, 18, 134, 102), QRect(4, 4, 121, 89), "LogoOrvalia.gif", Emblema(QSize(121, 89)), "GifLogo",
           "BmpLogo")
        ->setObjectName(QStringLiteral("PLogo"));
    Texto(this, QStringLiteral("Novenario"), QRect(178, 22, 0, 0), Fuente(Familia::SansSerif, 13, true),
          Qt::AlignLeft);
    auto* icono = new QLabel(this);
    icono->setGeometry(198, 44, 32, 32);
    icono->setPixmap(Emblema(QSize(32, 32)));
    Texto(this, QStringLiteral("Versión. 4.0"), QRect(187, 84, 0, 0), Fuente(Familia::SansSerif, 11), Qt::AlignLeft);
    Texto(this, QStringLiteral("Junio 2006"), QRect(177, 109, 78, 14), Fuente(Familia::SansSerif, 11),
          Qt::AlignHCenter);
    // The maker's name is a link to its web page: white under the mouse.
    QFont enlace = Fuente(Familia::Comic, 13);
    enlace.setUnderline(true);
    auto* internet = new THilightLabel(QStringLiteral("Orvalia Software"), this);
    internet->setObjectName(QStringLiteral("Internet"));
    internet->setFont(enlace);
    internet->setAttribute(Qt::WA_TranslucentBackground);
    QPalette negro = internet->palette();
    negro.setColor(QPalette::WindowText, Qt::black);
    internet->setPalette(negro);
    internet->setCursor(Qt::PointingHandCursor);
    internet->setHiLightColor(Blanco);
    internet->setHiLightStyle(EstiloFuente::Subrayada);
    internet->setHiLightCursor(Qt::PointingHandCursor);
    internet->setToolTip(QString::fromStdString(forma_.Direccion));
    internet->adjustSize();
    internet->move(49, 139);
    connect(internet, &THilightLabel::clicked, this, [this] {
        if (forma_.AlEnlace) forma_.AlEnlace();
    });
    for (std::size_t i = 0; i < forma_.Botones.size(); ++i)
        CrearBoton(i, QPoint(158, 137 - 32 * static_cast<int>(forma_.Botones.size() - 1 - i)));
}

// The help text on sand, in Courier New, to scroll and select but not to change.
void DialogoModal::MontarAyuda() {
    auto* texto = texto_ = new QPlainTextEdit(this);
    texto->setObjectName(QStringLiteral("RichEdit1"));
    texto->setGeometry(20, 17, 601, 340);
    texto->setReadOnly(true);
    texto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    texto->setLineWrapMode(QPlainTextEdit::NoWrap);
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    texto->setFont(Fuente(Familia::Courier, 13));
    QPalette pal = texto->palette();
    pal.setColor(QPalette::Base, AColor(Arena));
    pal.setColor(QPalette::Text, Qt::black);
    texto->setPalette(pal);
    QStringList lineas;
    for (const std::string& l : forma_.Lineas) lineas << QString::fromStdString(l);
    texto->setPlainText(lineas.join(QLatin1Char('\n')));
    texto->moveCursor(QTextCursor::Start);
    for (std::size_t i = 0; i < forma_.Botones.size(); ++i)
        CrearBoton(i, QPoint(267 - static_cast<int>(AnchoBoton + 8) * static_cast<int>(forma_.Botones.size() - 1 - i), 376));
}

void DialogoModal::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, Trama(size()));
}

void DialogoModal::Ejecutar() {
    if (forma_.Cerrada) return;
    Refrescar();
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    // The default button has the focus, so Enter is its click from the start.
    const std::size_t predeterminado = forma_.Predeterminado();
    if (predeterminado < botones_.size()) {
        ControlVista* v = botones_[predeterminado].vImagen;
        v->setFocusPolicy(Qt::StrongFocus);
        v->setFocus(Qt::ActiveWindowFocusReason);
    }
    // What the window says ("Fin Partida", "Salir del Programa") is told as
    // it opens; its blinking label is no steady text to read.
    Describir(this, Lectura());
    Avisar(this, QAccessible::Alert);
    Abiertos().push_back(this);
    QEventLoop bucle;
    bucle_ = &bucle;
    // Whatever closes the form, the window follows: the form is looked at
    // each time the events have been handled and the loop is about to sleep,
    // so an open dialog wakes the program only for its own events.
    const QMetaObject::Connection vigia = connect(QAbstractEventDispatcher::instance(),
                                                  &QAbstractEventDispatcher::aboutToBlock, this,
                                                  &DialogoModal::Comprobar);
    if (!forma_.Cerrada) bucle.exec(QEventLoop::DialogExec);
    disconnect(vigia);
    bucle_ = nullptr;
    auto& a = Abiertos();
    a.erase(std::remove(a.begin(), a.end(), this), a.end());
    hide();
}

QString DialogoModal::Lectura() const {
    QStringList partes;
    for (const std::string& t : {forma_.TextoParpadeo, forma_.Mensaje})
        if (!t.empty()) partes << QString::fromStdString(t);
    // The step's text, line by line, after its first line.
    if (forma_.tipo == FormaModal::Tipo::Siguiente) {
        for (const std::string& t : forma_.Lineas)
            if (!t.empty()) partes << QString::fromStdString(t);
        return partes.join(QLatin1Char('\n'));
    }
    return partes.join(QStringLiteral(". "));
}

void DialogoModal::Comprobar() {
    if (forma_.Cerrada && bucle_) bucle_->quit();
}

void DialogoModal::Pulsar(std::size_t i) {
    if (forma_.Cerrada) return;
    forma_.Pulsar(i);
    if (forma_.tipo == FormaModal::Tipo::Siguiente) Refrescar();
    // A button may rewrite the form's message line.
    if (mensaje_ && mensaje_->text() != QString::fromStdString(forma_.Mensaje)) {
        mensaje_->setText(QString::fromStdString(forma_.Mensaje));
        Describir(this, Lectura());
    }
    Comprobar();
}

void DialogoModal::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (!forma_.Cerrada) forma_.CerrarVentana();
    Comprobar();
}

// The form decides what closing means (see closeEvent); QDialog's own
// reject would hide the window behind the form's back.
void DialogoModal::reject() {}

void DialogoModal::keyPressEvent(QKeyEvent* e) {
    if ((e->modifiers() & Qt::AltModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) {
        const char letra = static_cast<char>('A' + (e->key() - Qt::Key_A));
        for (std::size_t i = 0; i < forma_.Botones.size(); ++i) {
            if (LetraAcelerador(forma_.Botones[i].Caption) == letra) {
                Pulsar(i);
                e->accept();
                return;
            }
        }
    }
    const bool sin_modificadores = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (sin_modificadores && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        // Enter presses the default button, as a click on it does.
        e->accept();
        if (!forma_.Botones.empty()) Pulsar(forma_.Predeterminado());
        return;
    }
    // The help text scrolls from the keyboard wherever the focus is.
    if (texto_ && sin_modificadores) {
        QAbstractSlider::SliderAction accion = QAbstractSlider::SliderNoAction;
        switch (e->key()) {
            case Qt::Key_Up: accion = QAbstractSlider::SliderSingleStepSub; break;
            case Qt::Key_Down: accion = QAbstractSlider::SliderSingleStepAdd; break;
            case Qt::Key_PageUp: accion = QAbstractSlider::SliderPageStepSub; break;
            case Qt::Key_PageDown: accion = QAbstractSlider::SliderPageStepAdd; break;
            case Qt::Key_Home: accion = QAbstractSlider::SliderToMinimum; break;
            case Qt::Key_End: accion = QAbstractSlider::SliderToMaximum; break;
            default: break;
        }
        if (accion != QAbstractSlider::SliderNoAction) {
            texto_->verticalScrollBar()->triggerAction(accion);
            e->accept();
            return;
        }
    }
    if (sin_modificadores && e->key() == Qt::Key_Escape) {
        // Escape is the close box.
        e->accept();
        if (!forma_.Cerrada) forma_.CerrarVentana();
        Comprobar();
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace novenario::vista
