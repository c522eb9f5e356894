#include "windows/vista_principal.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "candidates/candidatos.h"
#include "windows/accesible.h"
#include "windows/estilos.h"
#include "windows/arte.h"
#include "windows/barra_estado.h"
#include "windows/celda.h"
#include "windows/dialogo.h"
#include "windows/fuentes.h"
#include "windows/led.h"
#include "windows/parpadeo.h"
#include "windows/pulsable.h"

namespace novenario::vista {

namespace {


constexpr int AltoEstado = 19;

}  // namespace

VistaPrincipal::VistaPrincipal(Puerta& puerta, QWidget* padre)
    : QWidget(padre, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      juego_(puerta.Juego()),
      puerta_(puerta) {
    setObjectName(QStringLiteral("FormPrincipal"));
    const int ancho = juego_.Ventana.ClientWidth, alto = juego_.Ventana.ClientHeight;
    setFixedSize(ancho, alto);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, AColor(Plata));
    setPalette(pal);

    CrearFranja();
    CrearTablero();
    // The message line and the hint bar under it.
    Aspecto linea_mensajes = Como(Aspecto::Papel::Estado, Texto(13));
    linea_mensajes.encoger = true;
    mensaje_ = Crear(juego_.Ventana.PMensaje, linea_mensajes, this);
    Aspecto barra = ConFondo(Aspecto::Fondo::Barra);
    barra.ignorarRaton = true;
    pista_ = Crear(juego_.Ventana.Shape1, barra, this);

    CrearComandos();
    CrearAtajos();
    CrearReloj();
    CrearSiguiente();

    // A notification inside the status bar, which Orca speaks without its role.
    pregonero_ = new Pregonero(mensaje_);

    estado_ = new BarraEstado({ModeloVentana::AnchoPanelesEstado.begin(), ModeloVentana::AnchoPanelesEstado.end()},
                              this);
    estado_->setObjectName(QStringLiteral("StatusBar1"));
    estado_->setGeometry(0, alto - AltoEstado, ancho, AltoEstado);

    // The status bar and the clock every second. The 10 ms timer of the
    // random source is not run: the game works its ticks out when a new game
    // reads them, so between two seconds the program sleeps.
    connect(&timer02_, &QTimer::timeout, this, [this] { Llamar([&] { puerta_.Timer02Timer(); }, false); });
    timer02_.start(1000);

    qApp->installEventFilter(this);
    Sincronizar();
}

// The file-name strip and, over it, the error banner with its two lamps.
// Moving the mouse over either shows the whole file name as a tooltip.
void VistaPrincipal::CrearFranja() {
    ControlVista* franja =
        Crear(juego_.Ventana.Image1, Como(Aspecto::Papel::Oculto, ConFondo(Aspecto::Fondo::Franja)), this);
    ControlVista* fichero = Crear(juego_.Ventana.PFichero, Texto(12), this);
    for (auto [vista, rutina] : {std::pair{franja, &Puerta::Image1MouseMove},
                                 std::pair{fichero, &Puerta::PFicheroMouseMove}}) {
        vista->setMouseTracking(true);
        connect(vista, &ZonaPulsable::movido, this, [this, rutina = rutina] {
            // Through a named reference: GCC 12's vptr check misreads the
            // member of a nested lambda's capture.
            Puerta& p = puerta_;
            Llamar([&] { (p.*rutina)(); });
        });
    }
    Aspecto error = ConFondo(Aspecto::Fondo::Color, Texto(13));
    error.relieve = Aspecto::Relieve::Alto;
    ControlVista* banner = Crear(juego_.Ventana.PError, Como(Aspecto::Papel::Alerta, error), this);
    ledIzquierdo_ = new ThhALed(banner);
    ledDerecho_ = new ThhALed(banner);
    ledIzquierdo_->setObjectName(QStringLiteral("hhALed1"));
    ledDerecho_->setObjectName(QStringLiteral("LedError"));
    for (ThhALed* l : {ledIzquierdo_, ledDerecho_}) {
        l->setLEDStyle(ThhALed::LEDHorizontal);
        l->setTrueColor(Rojo);
        l->setFalseColor(Granate);
        l->setBorderColor(Tostado);
        l->setBordered(false);
        l->setBlink(true);
        l->setInterval(750);
        l->setValue(true);
    }
}

// The board, its 81 cells, the placeholder of the keyboard cursor, the pads
// and the cover a new game is built behind.
void VistaPrincipal::CrearTablero() {
    tablero_ = new TableroVista(this);
    for (int c = 0; c < NumCeldas; ++c) {
        auto* celda = new CeldaVista(c, tablero_);
        celdas_[static_cast<std::size_t>(c)] = celda;
        connect(celda, &CeldaVista::clic, this, [this](int i) { Llamar([&] { puerta_.ClickCelda(i); }); });
    }
    Aspecto menti = ConFondo(Aspecto::Fondo::Color, Texto(29, false));
    menti.familia = Familia::Arial;
    menti.tamanoDelModelo = true;
    menti.relieve = Aspecto::Relieve::Alto;
    // The cell under it tells a screen reader that the cursor stands there.
    Crear(juego_.Ventana.PMenti, Como(Aspecto::Papel::Oculto, menti), tablero_);
    // The pads before the cover, so the cover hides the floating keypad.
    CrearTeclados();
    // To a screen reader the cover says what its blinking label says.
    Aspecto cubierta = Grupo("Creando nueva partida", ConFondo(Aspecto::Fondo::Color));
    cubierta.papel = Aspecto::Papel::Texto;
    cubierta.relieve = Aspecto::Relieve::Alto;
    ControlVista* tapa = Crear(juego_.Ventana.PNoVerProceso, cubierta, tablero_);
    parpadeo_ = new TBlinkLabel(tapa);
    parpadeo_->setObjectName(QStringLiteral("BlinkLabel1"));
    parpadeo_->Parar();
}

// The game clock (hours : minutes : seconds) and the lamp of assistance used.
void VistaPrincipal::CrearReloj() {
    Aspecto reloj = ConFondo(Aspecto::Fondo::Color, Texto(16));
    reloj.familia = Familia::Arial;
    reloj.relieve = Aspecto::Relieve::Bajo;
    // To a screen reader the clock is one text, "Reloj 00:12:05".
    reloj_ = Crear(juego_.Ventana.LPHor, reloj, this);
    Crear(juego_.Ventana.LPMin, Como(Aspecto::Papel::Oculto, reloj), this);
    Crear(juego_.Ventana.LPseg, Como(Aspecto::Papel::Oculto, reloj), this);
    Aspecto separador = Texto(16);
    separador.familia = Familia::Arial;
    separador.ignorarRaton = true;
    Crear(juego_.Ventana.LSeparador1, Como(Aspecto::Papel::Oculto, separador), this);
    Crear(juego_.Ventana.LSeparador2, Como(Aspecto::Papel::Oculto, separador), this);

    led1_ = new ThhALed(this);
    led1_->setObjectName(QStringLiteral("Led1"));
    led1_->setTrueColor(Rojo);
    led1_->setFalseColor(Granate);
    led1_->setBorderColor(Tostado);
    led1_->setBordered(false);
    led1_->setBlink(false);
}

VistaPrincipal::~VistaPrincipal() {
    if (qApp) qApp->removeEventFilter(this);
}

ControlVista* VistaPrincipal::Crear(const Control& c, const Aspecto& a, QWidget* padre) {
    auto* v = new ControlVista(a, padre);
    v->setObjectName(QLatin1String(c.Nombre));
    controles_.push_back({&c, v});
    return v;
}

void VistaPrincipal::CrearTeclados() {
    // The micro keypad floats over the board beside the selected cell.
    Aspecto micro = ConFondo(Aspecto::Fondo::Micro, Texto(11));
    micro.cajaTexto = QRect(0, 0, 54, 52);
    ControlVista* pmicro = Crear(juego_.Ventana.PMicroTeclas, Grupo("Micro teclado", micro), tablero_);
    for (int d = 1; d <= 9; ++d) {
        const Control& tecla = juego_.Ventana.PT[static_cast<std::size_t>(d - 1)];
        ControlVista* v =
            Crear(tecla, Como(Aspecto::Papel::Boton, ConFondo(Aspecto::Fondo::Tecla, Texto(11))), pmicro);
        connect(v, &ZonaPulsable::presionado, this, [this, &tecla] { Llamar([&] { puerta_.MouseDownTecla(tecla); }); });
        connect(v, &ZonaPulsable::soltado, this, [this, &tecla, d](bool clic) {
            Llamar([&] { puerta_.MouseUpTecla(tecla); });
            if (clic) Llamar([&] { puerta_.ClickMicro(d); });
        });
    }
    ControlVista* borrar = Crear(juego_.Ventana.PTBorrar,
                                 Como(Aspecto::Papel::Boton, ConFondo(Aspecto::Fondo::Tecla, Texto(10))), pmicro);
    connect(borrar, &ZonaPulsable::presionado, this,
            [this] { Llamar([&] { puerta_.MouseDownTecla(juego_.Ventana.PTBorrar); }); });
    connect(borrar, &ZonaPulsable::soltado, this, [this](bool clic) {
        Llamar([&] { puerta_.MouseUpTecla(juego_.Ventana.PTBorrar); });
        if (clic) Llamar([&] { puerta_.ClickMicroBorrar(); });
    });

    // The number pad, and the notice that takes its place over a fixed cell.
    Aspecto pad = ConFondo(Aspecto::Fondo::Teclado, Texto(14));
    pad.cajaTexto = QRect(0, 5, 322, 32);
    ControlVista* teclado = Crear(juego_.Ventana.PTeclasNum, Grupo("Teclado numérico", pad), this);
    auto tecla = [this, teclado](const Control& c, int pixeles, auto click) {
        ControlVista* v = Crear(c, Como(Aspecto::Papel::Boton, ConFondo(Aspecto::Fondo::Cara, Texto(pixeles))), teclado);
        connect(v, &ZonaPulsable::presionado, this, [this, &c] { Llamar([&] { puerta_.MouseDownTecla(c); }); });
        connect(v, &ZonaPulsable::soltado, this, [this, &c, click](bool clic) {
            Llamar([&] { puerta_.MouseUpTecla(c); });
            if (clic) Llamar(click);
        });
    };
    for (int d = 1; d <= 9; ++d)
        tecla(juego_.Ventana.B[static_cast<std::size_t>(d - 1)], 18, [this, d] { puerta_.ClickNumero(d); });
    tecla(juego_.Ventana.BAtras, 14, [this] { puerta_.ClickAtras(); });
    tecla(juego_.Ventana.BBorrar, 14, [this] { puerta_.ClickBorrar(); });
    tecla(juego_.Ventana.BAdelante, 14, [this] { puerta_.ClickAdelante(); });

    ControlVista* carga =
        Crear(juego_.Ventana.PTeclasCarga, Grupo("Dato fijo", ConFondo(Aspecto::Fondo::Teclado)), this);
    Aspecto aviso = Texto(16);
    aviso.geometriaFija = QRect(0, 0, 322, 78);
    aviso.ignorarRaton = true;
    Crear(juego_.Ventana.LTeclasCarga, aviso, carga);
}

CeldaVista* VistaPrincipal::Celda(int c) const {
    return (c >= 0 && c < NumCeldas) ? celdas_[static_cast<std::size_t>(c)] : nullptr;
}

ControlVista* VistaPrincipal::VistaDe(const Control& c) const {
    for (const Par& p : controles_)
        if (p.modelo == &c) return p.vista;
    for (const VistaComando& vc : comandos_) {
        if (vc.imagen == &c) return vc.vImagen;
        if (vc.etiqueta == &c) return vc.vEtiqueta;
    }
    return nullptr;
}

void VistaPrincipal::Sincronizar() {
    // A widget may ask for a new pass while one runs; it follows at once.
    if (sincronizando_) {
        pendiente_ = true;
        return;
    }
    sincronizando_ = true;
    do {
        pendiente_ = false;
        SincronizarUnaVez();
    } while (pendiente_);
    sincronizando_ = false;
}

void VistaPrincipal::SincronizarUnaVez() {
    if (primera_ || juego_.Ventana.Caption != titulo_) {
        titulo_ = juego_.Ventana.Caption;
        setWindowTitle(QString::fromStdString(titulo_));
    }
    tablero_->Sincronizar(juego_.Ventana.PanelJuego);
    const int iluminado = Digito_Iluminado(juego_);
    for (int c = 0; c < NumCeldas; ++c) {
        CeldaVista* celda = celdas_[static_cast<std::size_t>(c)];
        celda->Sincronizar(juego_.Paneles[c]);
        celda->Iluminar(iluminado, Celda_Iluminada(juego_, c));
    }
    for (const Par& p : controles_) p.vista->Sincronizar(*p.modelo);
    // "Siguiente paso" answers while the board does.
    if (const bool disponible = puerta_.Siguiente_Disponible(); siguiente_->isEnabled() != disponible)
        siguiente_->setEnabled(disponible);
    for (const VistaComando& vc : comandos_) {
        // The Alt letter and the shortcut answer while the accelerator would.
        const bool activa = juego_.Activo(vc.id, Origen::Acelerador) && !juego_.Bloqueado(vc.id);
        if (vc.accion->isEnabled() != activa) vc.accion->setEnabled(activa);
        vc.vImagen->Sincronizar(*vc.imagen);
        if (vc.vEtiqueta->Sincronizar(*vc.etiqueta) || primera_) {
            // Both parts of a command answer to the label's words.
            Nombrar(vc.vImagen, Palabras(vc.etiqueta->Caption));
        }
    }

    // The banner's lamps, one at each end, and the cover's blinking label.
    // Both are children of what they stand on: the banner, the cover.
    if (const QWidget* banner = ledIzquierdo_->parentWidget()) {
        constexpr int margen = 6;
        const int y = (banner->height() - ledIzquierdo_->height()) / 2;
        const QPoint izquierda(margen, y), derecha(banner->width() - margen - ledDerecho_->width(), y);
        if (ledIzquierdo_->pos() != izquierda) ledIzquierdo_->move(izquierda);
        if (ledDerecho_->pos() != derecha) ledDerecho_->move(derecha);
    }
    const Lampara& l = juego_.Ventana.Led1;
    if (primera_ || l.Left != ultimaLampara_.Left || l.Top != ultimaLampara_.Top) led1_->move(l.Left, l.Top);
    if (primera_ || l.Value != ultimaLampara_.Value) {
        led1_->setValue(l.Value);
        Nombrar(led1_, l.Value ? QStringLiteral("Ayuda usada") : QStringLiteral("Ayuda sin usar"));
    }
    if (primera_ || l.Visible != ultimaLampara_.Visible) led1_->setHidden(!l.Visible);
    ultimaLampara_ = l;
    const Control& b = juego_.Ventana.BlinkLabel1;
    if (primera_ || b.Caption != ultimoParpadeo_.Caption) parpadeo_->setText(QString::fromStdString(b.Caption));
    if (primera_ || b.FontColor != ultimoParpadeo_.FontColor) parpadeo_->setColor(b.FontColor);
    if (const QWidget* tapa = parpadeo_->parentWidget()) {
        const QRect g(0, (tapa->height() - 40) / 2, tapa->width(), 40);
        if (parpadeo_->geometry() != g) parpadeo_->setGeometry(g);
    }
    const bool cubierta = juego_.Ventana.PNoVerProceso.Visible && b.Visible;
    if (primera_ || cubierta != ultimaCubierta_) {
        if (cubierta) parpadeo_->setVelocidad(600);
        else parpadeo_->Parar();
    }
    ultimaCubierta_ = cubierta;
    ultimoParpadeo_ = b;

    for (std::size_t i = 0; i < juego_.Ventana.StatusBar1.size(); ++i) estado_->PonerTexto(i, juego_.Ventana.StatusBar1[i]);
    SincronizarLectura();
    primera_ = false;
}

// What a screen reader is told: the cell the cursor moves to (not while long
// work moves it at every step, but where it ends), the banner when it comes
// with a new text, the step counter with the message line, the hint bar's
// colour and the clock in words.
void VistaPrincipal::SincronizarLectura() {
    const int activa = tablero::Indice(juego_.Variables.Panel_Activo);
    const bool largo = juego_.Variables.Proceso_Largo;
    if (activa != activa_) {
        for (int c : {activa_, activa})
            if (CeldaVista* celda = Celda(c)) celda->PonerActiva(c == activa);
        activa_ = activa;
    }
    // A reader takes a cell's new focused state for a move of the focus: it
    // hears of it where the cursor stops, not at every step of long work.
    if (!largo && activa != enfocada_) {
        for (int c : {enfocada_, activa}) {
            if (CeldaVista* celda = Celda(c); celda && QAccessible::isActive()) {
                QAccessible::State cambio;
                cambio.focused = cambio.selected = true;
                QAccessibleStateChangeEvent e(celda, cambio);
                QAccessible::updateAccessibility(&e);
            }
        }
        enfocada_ = activa;
    }
    // Where long work leaves the cursor is told even when it is where it was.
    const bool trasProceso = !largo && enLargo_;
    if (!largo && (activa != anunciada_ || trasProceso)) {
        Avisar(Celda(activa), QAccessible::Focus);
        anunciada_ = activa;
    }
    enLargo_ = largo;

    const Control& error = juego_.Ventana.PError;
    if (error.Visible && (!bannerVisto_ || error.Caption != bannerTexto_))
        Avisar(ledIzquierdo_->parentWidget(), QAccessible::Alert);

    // What the answer changed is told after the focus has moved.
    // It counts what changed since the last telling: the game may bring the
    // window up to date more than once while it answers. Outside any call
    // (the clock's tick, the window shown) what is on screen is what was told.
    const bool decir = !largo && (respuesta_ || trasProceso);
    if (decir || (!largo && llamando_ == 0)) {
        if (decir) {
            // An answer given from a dialog (the digit "Colocar" puts) is
            // told once the window has the focus again: a reader drops the
            // news of a window behind a dialog.
            const QString anuncio = Anuncio(activa, trasProceso);
            porDecir_.clear();
            if (DialogoModal::Abierto()) porDecir_ = anuncio;
            else pregonero_->Decir(anuncio);
        }
        respuesta_ = false;
        celdaLeida_ = activa;
        for (int c = 0; c < NumCeldas; ++c)
            valoresLeidos_[static_cast<std::size_t>(c)] = celdas_[static_cast<std::size_t>(c)]->accessibleName();
        mensajeLeido_ = juego_.Ventana.PMensaje.Caption;
        errorLeido_ = error.Visible ? error.Caption : std::string();
    }
    bannerVisto_ = error.Visible;
    bannerTexto_ = error.Caption;

    // At most once a second while the steps run, and where they end.
    const std::string& pasos = juego_.Ventana.PContador_Jug.Caption;
    if (pasos != pasosLeidos_ && (!juego_.Variables.Proceso_Largo || !ultimaLectura_.isValid() ||
                                  ultimaLectura_.elapsed() >= 1000)) {
        pasosLeidos_ = pasos;
        ultimaLectura_.start();
        // Before any run the counter holds only zeros.
        const bool ninguno = pasos.find_first_not_of('0') == std::string::npos;
        Describir(mensaje_, ninguno ? QString() : QStringLiteral("Pasos: ") + QString::fromStdString(pasos));
    }

    const Control& barra = juego_.Ventana.Shape1;
    Nombrar(pista_, barra.Color_ == Verde ? QStringLiteral("Pista: el valor es el correcto")
                                                    : QStringLiteral("Pista"));
    const ModeloVentana& v = juego_.Ventana;
    Nombrar(reloj_, QStringLiteral("Reloj %1:%2:%3")
                                  .arg(QString::fromStdString(v.LPHor.Caption), QString::fromStdString(v.LPMin.Caption),
                                       QString::fromStdString(v.LPseg.Caption)));
}

// After an entry the cell's new value and the message ("5, Número 5
// aceptado"); after a refused digit the error; after a step back or forward
// on the same cell, the cell; after long work or a change of the whole board
// (a new game, a load, "Solución"), where the cursor is and the message.
// A move is told by the focus alone: the reader says the cell and, while
// the help display shows them, its candidates, which are its description.
QString VistaPrincipal::Anuncio(int activa, bool trasProceso) {
    CeldaVista* celda = Celda(activa);
    if (!celda) return {};
    const int previa = celdaLeida_;
    const bool movida = activa != previa;
    int cambiadas = 0;
    for (int c = 0; c < NumCeldas; ++c)
        cambiadas += celdas_[static_cast<std::size_t>(c)]->accessibleName() != valoresLeidos_[static_cast<std::size_t>(c)];
    const bool valorNuevo = !movida && celda->accessibleName() != valoresLeidos_[static_cast<std::size_t>(activa)];
    const bool tablero = trasProceso || cambiadas > 1;

    const Control& error = juego_.Ventana.PError;
    const std::string& mensaje = juego_.Ventana.PMensaje.Caption;
    // A refusal again on the same cell is told again; a move leaves it be.
    const bool conError = error.Visible && !error.Caption.empty() && (error.Caption != errorLeido_ || !movida);
    const bool decirMensaje = !mensaje.empty() && !(conError && mensaje == error.Caption) &&
                              (mensaje != mensajeLeido_ || valorNuevo || tablero || conError);
    const QString candidatos = celda->Candidatos();

    QStringList partes;
    if (tablero || (valorNuevo && !decirMensaje)) {
        partes << celda->accessibleName();
    } else if (valorNuevo) {
        const QString v = QString::fromStdString(celda->Estado().Caption).trimmed();
        partes << (v.isEmpty() ? QStringLiteral("vacía") : v);
    }
    if (conError) partes << QString::fromStdString(error.Caption).trimmed();
    if (decirMensaje) partes << QString::fromStdString(mensaje).trimmed();
    // What comes with a move cuts short the reader's telling of the cell:
    // then the cell is told whole, candidates and all.
    if (movida && !partes.isEmpty()) {
        if (!tablero) partes.prepend(celda->accessibleName());
        if (!candidatos.isEmpty()) partes << candidatos;
    }
    return partes.join(QStringLiteral(", "));
}

void VistaPrincipal::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    // The window has the keyboard, the cell under the cursor the reader's
    // focus: when a dialog closes the reader is told where the player was,
    // after Qt's own news that the window has the focus.
    const int activa = activa_;
    QTimer::singleShot(0, this, [this, activa] { TrasElFoco(activa); });
}

void VistaPrincipal::TrasElFoco(int activa) {
    if (juego_.Variables.Proceso_Largo || !isActiveWindow()) return;
    // The focus may come back while the dialog that had it is still
    // closing: its news waits until it has gone.
    if (!porDecir_.isEmpty() && DialogoModal::Abierto()) {
        QTimer::singleShot(50, this, [this, activa] { TrasElFoco(activa); });
        return;
    }
    const bool enFoco = activa == activa_ && Celda(activa);
    if (enFoco) Avisar(Celda(activa), QAccessible::Focus);
    // News that says only the cell is said by its focus already.
    if (!porDecir_.isEmpty() && !(enFoco && porDecir_ == Celda(activa)->accessibleName())) pregonero_->Decir(porDecir_);
    porDecir_.clear();
}

void VistaPrincipal::MostrarCentrada() {
    Sincronizar();
    QRect r(0, 0, juego_.Ventana.ClientWidth, juego_.Ventana.ClientHeight);
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        r.moveCenter(s->availableGeometry().center());
    setGeometry(r);
    show();
    activateWindow();
    setFocus();
}

void VistaPrincipal::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), AColor(Plata));
    // A groove sets the command column apart from the board.
    const int abajo = height() - AltoEstado - 6;
    p.setPen(QColor(128, 128, 128));
    p.drawLine(681, 4, 681, abajo);
    p.setPen(Qt::white);
    p.drawLine(682, 4, 682, abajo);
}

}  // namespace novenario::vista
