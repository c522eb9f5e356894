#include "windows/led.h"

#include <QEnterEvent>
#include <QPainter>

#include "windows/arte.h"

namespace novenario::vista {

// The lamp takes no clicks of its own: presses, moves and tooltips go on
// to its parent; only entry and exit are its own events.
ThhALed::ThhALed(QWidget* padre) : QWidget(padre) { Construir(); }

void ThhALed::Construir() {
    const QImage base = DibujoLampara(estilo_, bordeado_);
    setFixedSize(base.size());
    encendida_ = base;
    apagada_ = base;
    const QPoint centro(base.width() / 2, base.height() / 2);
    Inundar(encendida_, centro, AColor(colorSi_).rgb());
    Inundar(apagada_, centro, AColor(colorNo_).rgb());
    if (!bordeado_) {
        Inundar(encendida_, QPoint(0, 0), AColor(colorBorde_).rgb());
        Inundar(apagada_, QPoint(0, 0), AColor(colorBorde_).rgb());
    }
    update();
}

bool ThhALed::ALaVista() const {
    // A lamp on its own blinks until it is hidden (it need not be shown to
    // be drawn). A lamp in a window blinks while it is on screen; one whose
    // window is not shown yet waits for the show event that brings it up.
    if (isWindow()) return !(isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide));
    return isVisible();
}

void ThhALed::ArrancarOParar() {
    if (value_ && blink_ && ALaVista()) {
        if (!timer_) {
            timer_ = std::make_unique<QTimer>();
            connect(timer_.get(), &QTimer::timeout, this, &ThhALed::Paso);
        }
        timer_->setInterval(interval_ > 0 ? interval_ : 1);
        if (!timer_->isActive()) timer_->start();
    } else {
        timer_.reset();
    }
}

void ThhALed::Paso() {
    // Its panel or window hidden in a way that sent the lamp no event: it
    // stops here, and its next show starts it again.
    if (!ALaVista()) {
        timer_->stop();
        timer_.release()->deleteLater();  // it is the sender of this tick
        encendidaVisible_ = value_;
        update();
        return;
    }
    encendidaVisible_ = !encendidaVisible_;
    update();
    emit OnTimer();
}

void ThhALed::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    encendidaVisible_ = v;
    ArrancarOParar();
    update();
}

void ThhALed::setBlink(bool b) {
    if (b == blink_) return;
    blink_ = b;
    encendidaVisible_ = value_;
    ArrancarOParar();
    update();
}

void ThhALed::setInterval(int ms) {
    interval_ = ms;
    if (timer_) timer_->setInterval(ms > 0 ? ms : 1);
}

// A change of colour stops the blinking, rebuilds both pictures and then
// puts the blinking back as it was.
#define NOVENARIO_CAMBIO_COLOR(miembro, valor) \
    if ((valor) == miembro) return;            \
    timer_.reset();                            \
    miembro = (valor);                         \
    encendidaVisible_ = value_;                \
    Construir();                               \
    ArrancarOParar();

void ThhALed::setTrueColor(Color c) { NOVENARIO_CAMBIO_COLOR(colorSi_, c) }
void ThhALed::setFalseColor(Color c) { NOVENARIO_CAMBIO_COLOR(colorNo_, c) }
void ThhALed::setBorderColor(Color c) { NOVENARIO_CAMBIO_COLOR(colorBorde_, c) }
void ThhALed::setBordered(bool b) { NOVENARIO_CAMBIO_COLOR(bordeado_, b) }
void ThhALed::setLEDStyle(Estilo e) {
    if (e < LEDSmall || e > LEDHorizontal) e = LEDSmall;
    NOVENARIO_CAMBIO_COLOR(estilo_, e)
}

#undef NOVENARIO_CAMBIO_COLOR

void ThhALed::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(rect(), ImagenVisible());
}

void ThhALed::enterEvent(QEnterEvent* e) {
    QWidget::enterEvent(e);
    emit OnMouseEnter();
}

void ThhALed::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    emit OnMouseLeave();
}

// Shown or hidden, with its panel or its window: the timer follows.
void ThhALed::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    ArrancarOParar();
}

void ThhALed::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    encendidaVisible_ = value_;
    ArrancarOParar();
}

}  // namespace novenario::vista
