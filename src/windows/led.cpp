#include "windows/led.h"

#include <QPainter>

#include "windows/arte.h"

namespace novenario::vista {

LedLampara::LedLampara(QWidget* padre) : QWidget(padre) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Construir();
}

void LedLampara::Construir() {
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

void LedLampara::ArrancarOParar() {
    if (value_ && blink_) {
        if (!timer_) {
            timer_ = std::make_unique<QTimer>();
            connect(timer_.get(), &QTimer::timeout, this, &LedLampara::Paso);
        }
        timer_->setInterval(interval_ > 0 ? interval_ : 1);
        if (!timer_->isActive()) timer_->start();
    } else {
        timer_.reset();
    }
}

void LedLampara::Paso() {
    encendidaVisible_ = !encendidaVisible_;
    update();
    emit OnTimer();
}

void LedLampara::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    encendidaVisible_ = v;
    ArrancarOParar();
    update();
}

void LedLampara::setBlink(bool b) {
    if (b == blink_) return;
    blink_ = b;
    encendidaVisible_ = value_;
    ArrancarOParar();
    update();
}

void LedLampara::setInterval(int ms) {
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

void LedLampara::setTrueColor(Color c) { NOVENARIO_CAMBIO_COLOR(colorSi_, c) }
void LedLampara::setFalseColor(Color c) { NOVENARIO_CAMBIO_COLOR(colorNo_, c) }
void LedLampara::setBorderColor(Color c) { NOVENARIO_CAMBIO_COLOR(colorBorde_, c) }
void LedLampara::setBordered(bool b) { NOVENARIO_CAMBIO_COLOR(bordeado_, b) }
void LedLampara::setLEDStyle(Estilo e) {
    if (e < LEDSmall || e > LEDHorizontal) e = LEDSmall;
    NOVENARIO_CAMBIO_COLOR(estilo_, e)
}

#undef NOVENARIO_CAMBIO_COLOR

void LedLampara::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(rect(), ImagenVisible());
}

}  // namespace novenario::vista
