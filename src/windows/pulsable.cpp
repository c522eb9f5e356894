#include "windows/pulsable.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "windows/accesible.h"
#include "windows/arte.h"

namespace novenario::vista {

ZonaPulsable::ZonaPulsable(QWidget* padre) : QWidget(padre) {}

void ZonaPulsable::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pulsada_ = true;
    doble_ = false;
    emit presionado();
}

void ZonaPulsable::mouseMoveEvent(QMouseEvent* e) {
    emit movido();
    QWidget::mouseMoveEvent(e);
}

void ZonaPulsable::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pulsada_ = true;
    doble_ = true;
    emit presionado();
    emit dobleClic();
}

void ZonaPulsable::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pulsada_) return;
    pulsada_ = false;
    // The piece sank one pixel on the press: a release on its old top-left
    // edge is still over it.
    const bool dentro = rect().adjusted(-1, -1, 1, 1).contains(e->position().toPoint());
    const bool clic = dentro && !doble_;
    doble_ = false;
    emit soltado(clic);
}

void ZonaPulsable::Pulsar() {
    pulsada_ = false;
    doble_ = false;
    emit presionado();
    emit soltado(true);
}

void ZonaPulsable::Soltar() {
    if (!pulsada_) return;
    pulsada_ = false;
    doble_ = false;
    // Later, not now: this runs while the view is being brought up to date.
    QTimer::singleShot(0, this, [this] { emit soltado(false); });
}

void ZonaPulsable::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange && !isEnabled()) Soltar();
    QWidget::changeEvent(e);
}

void ZonaPulsable::hideEvent(QHideEvent* e) {
    Soltar();
    QWidget::hideEvent(e);
}

QString SinAmpersand(const std::string& texto) {
    const QString t = QString::fromStdString(texto);
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('&')) {
            if (i + 1 < t.size() && t[i + 1] == QLatin1Char('&')) {
                r += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        r += t[i];
    }
    return r;
}

QString Palabras(const std::string& texto) {
    const QString t = QString::fromStdString(texto);
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] != QLatin1Char('&')) {
            r += t[i];
            continue;
        }
        if (i + 1 >= t.size()) break;
        const QChar letra = t[++i];
        // Inside a word the capital only marks the key.
        const bool dentro = !r.isEmpty() && r.back().isLetter();
        r += dentro && letra.isUpper() ? letra.toLower() : letra;
    }
    return r;
}

QString TeclaAlt(const std::string& texto) {
    const QString t = QString::fromStdString(texto);
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != QLatin1Char('&')) continue;
        if (t[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return t[i + 1].isLetterOrNumber() ? QStringLiteral("Alt+") + t[i + 1].toUpper() : QString();
    }
    return {};
}

void DibujarRelieve(QPainter& p, const QRect& r, bool alto) {
    const QColor luz(255, 255, 255), sombra(128, 128, 128);
    p.setPen(alto ? luz : sombra);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(alto ? sombra : luz);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

ControlVista::ControlVista(const Aspecto& aspecto, QWidget* padre) : ZonaPulsable(padre), a_(aspecto) {
    if (a_.ignorarRaton) setAttribute(Qt::WA_TransparentForMouseEvents);
    if (a_.fondo == Aspecto::Fondo::Ninguno) setAttribute(Qt::WA_TranslucentBackground);
}

QRect ControlVista::GeometriaDe(const Control& c) const {
    if (c.Width > 0 && c.Height > 0) return QRect(c.Left, c.Top, c.Width, c.Height);
    if (a_.geometriaFija.isValid()) return a_.geometriaFija;
    return QRect(c.Left, c.Top, width(), height());
}

bool ControlVista::Sincronizar(const Control& c) {
    const Control& u = ultimo_;
    const bool todo = primero_;
    if (todo || c.Left != u.Left || c.Top != u.Top || c.Width != u.Width || c.Height != u.Height) {
        const QRect r = GeometriaDe(c);
        if (r != geometry()) setGeometry(r);
    }
    bool repintar = false;
    if (todo || c.Enabled != u.Enabled) {
        setEnabled(c.Enabled);
        if (!a_.ignorarRaton && a_.pasarSiInactivo)
            setAttribute(Qt::WA_TransparentForMouseEvents, !c.Enabled);
        repintar = true;
    }
    const bool texto = todo || c.Caption != u.Caption;
    if (texto) {
        if (a_.nombre) {
            Nombrar(this, QString::fromUtf8(a_.nombre));
            Describir(this, Palabras(c.Caption));
        } else if (a_.papel != Aspecto::Papel::Oculto) {
            Nombrar(this, Palabras(c.Caption));
        }
        repintar = true;
    }
    if (todo || c.Color_ != u.Color_ || c.FontColor != u.FontColor || c.FontSize != u.FontSize) repintar = true;
    if (todo || c.Hint != u.Hint) PonerPista(c.Hint);
    const bool visible = todo || c.Visible != u.Visible;
    ultimo_ = c;
    primero_ = false;
    if (repintar) update();
    if (visible) setHidden(!c.Visible);
    return texto;
}

QString ControlVista::TextoLimpio() const { return SinAmpersand(ultimo_.Caption); }

namespace {

bool Atiende(const QWidget* w) { return w && w->isVisible() && w->isEnabled(); }

}  // namespace

bool ControlVista::Responde() const { return Atiende(this) || Atiende(pareja_); }

void ControlVista::PulsarComoBoton() {
    if (Atiende(this)) Pulsar();
    else if (Atiende(pareja_)) pareja_->Pulsar();
}

void ControlVista::PonerAtajo(const QString& teclas) {
    atajo_ = teclas;
    PonerPista(ultimo_.Hint);
}

// " Crea una nueva partida " with Ctrl+N reads " Crea una nueva partida (Ctrl+N) ".
void ControlVista::PonerPista(const std::string& hint) {
    QString pista = QString::fromStdString(hint);
    if (pista.trimmed().isEmpty()) pista.clear();
    if (!atajo_.isEmpty()) {
        while (pista.endsWith(QLatin1Char(' '))) pista.chop(1);
        pista += QStringLiteral(" (") + atajo_ + QStringLiteral(") ");
    }
    setToolTip(pista);
}

void ControlVista::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool activo = isEnabled();
    switch (a_.fondo) {
        case Aspecto::Fondo::Ninguno: break;
        case Aspecto::Fondo::Color: p.fillRect(r, AColor(ultimo_.Color_)); break;
        case Aspecto::Fondo::Cara: p.drawPixmap(0, 0, CaraBoton(size(), activo)); break;
        case Aspecto::Fondo::Tecla: p.drawPixmap(0, 0, CaraTecla(size(), activo)); break;
        case Aspecto::Fondo::Trama: p.drawPixmap(0, 0, Trama(size())); break;
        case Aspecto::Fondo::Teclado: p.drawPixmap(0, 0, FondoTeclado(size())); break;
        case Aspecto::Fondo::Micro: p.drawPixmap(0, 0, FondoMicro(size())); break;
        case Aspecto::Fondo::Franja: p.drawPixmap(0, 0, Franja(size())); break;
        case Aspecto::Fondo::Barra:
            p.fillRect(r, AColor(ultimo_.Color_));
            p.setPen(Qt::black);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            break;
    }
    if (a_.relieve != Aspecto::Relieve::Ninguno) DibujarRelieve(p, r, a_.relieve == Aspecto::Relieve::Alto);
    if (ultimo_.Caption.empty()) return;
    int px = (a_.tamanoDelModelo && ultimo_.FontSize > 0) ? PixelesDePuntos(ultimo_.FontSize) : a_.pixeles;
    int banderas = a_.alineacion | (a_.mnemonico ? Qt::TextShowMnemonic : 0) | Qt::TextSingleLine;
    const QString texto = QString::fromStdString(ultimo_.Caption);
    const QRect caja = a_.cajaTexto.isValid() ? a_.cajaTexto : r.adjusted(2, 0, -2, 0);
    if (a_.encoger) {
        // A long message (why a paste is no board) is read whole: smaller
        // letters first, then two lines, rather than both ends cut off.
        constexpr int MinimoUnaLinea = 10, DosLineas = 8;
        const auto ancho = [&](int tam) {
            return QFontMetrics(Fuente(a_.familia, tam, a_.negrita)).horizontalAdvance(texto);
        };
        while (px > MinimoUnaLinea && ancho(px) > caja.width()) --px;
        if (ancho(px) > caja.width()) {
            px = DosLineas;
            banderas = (banderas & ~Qt::TextSingleLine) | Qt::TextWordWrap;
        }
    }
    p.setFont(Fuente(a_.familia, px, a_.negrita));
    if (activo) {
        p.setPen(AColor(ultimo_.FontColor));
        p.drawText(caja, banderas, texto);
    } else {
        // Greyed text with a light emboss, as inactive labels always were.
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(caja.translated(1, 1), banderas, texto);
        p.setPen(QColor(128, 128, 128));
        p.drawText(caja, banderas, texto);
    }
}

}  // namespace novenario::vista
